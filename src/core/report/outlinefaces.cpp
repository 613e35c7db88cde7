#include "report/outlinefaces.h"

#include <QFontDatabase>
#include <QtGui/private/qfont_p.h>
#include <QtGui/private/qfontengine_p.h>

#include <algorithm>
#include <cmath>

namespace {

bool hasTable(QFontEngine &engine, const char (&tag)[5])
{
    uint length = 0;
    return engine.getSfntTableData(MAKE_TAG(tag[0], tag[1], tag[2], tag[3]), nullptr, &length) && length > 0;
}

} // namespace

namespace OutlineFaces {

bool hasOutlines(QFontEngine &engine)
{
    // A colour emoji face is an sfnt without glyf or CFF outlines. Faces
    // that are no sfnt (Type 1, bitmap strikes) are known to the database
    // as scalable or not.
    if (hasTable(engine, "glyf") || hasTable(engine, "CFF ") || hasTable(engine, "CFF2"))
        return true;
    if (hasTable(engine, "head"))
        return false;
    const QString family = engine.fontDef.families.value(0);
    return family.isEmpty() || QFontDatabase::isSmoothlyScalable(family);
}

QFont forPaper(const QFont &font)
{
    QFont outlined = font;
    // No bitmap strikes; a face with none but them falls back to another.
    outlined.setStyleStrategy(QFont::StyleStrategy(font.styleStrategy() | QFont::ForceOutline));
    QFontEngine *engine = QFontPrivate::get(outlined)->engineForScript(QChar::Script_Common);
    if (engine && engine->type() == QFontEngine::Multi)
        engine = static_cast<QFontEngineMulti *>(engine)->engine(0);
    if (!engine || hasOutlines(*engine))
        return outlined;
    const QFontInfo info(outlined);
    QFont plain = standIn(font.pixelSize() > 0 ? font.pixelSize() : info.pixelSize(), font.weight(),
        font.italic(), info.fixedPitch());
    plain.setUnderline(font.underline());
    plain.setStrikeOut(font.strikeOut());
    plain.setKerning(font.kerning());
    return plain;
}

QFont standIn(qreal pixelSize, int weight, bool italic, bool fixedPitch)
{
    QFont font
        = QFontDatabase::systemFont(fixedPitch ? QFontDatabase::FixedFont : QFontDatabase::GeneralFont);
    font.setPixelSize(std::max(1, int(std::lround(pixelSize))));
    font.setWeight(QFont::Weight(std::clamp(weight, 1, 1000)));
    font.setItalic(italic);
    font.setStyleStrategy(QFont::StyleStrategy(QFont::PreferAntialias | QFont::ForceOutline));
    return font;
}

} // namespace OutlineFaces
