#include "report/pdf/pdfpaintengine.h"

#include "report/outlinefaces.h"
#include "report/pdf/pdfdocument.h"
#include "report/pdf/pdffontset.h"

#include <QPainter>
#include <QPixmap>
#include <QtGui/private/qfont_p.h>
#include <QtGui/private/qfontengine_p.h>
#include <QtGui/private/qtextengine_p.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

int alphaStep(qreal alpha)
{
    return int(std::lround(std::clamp(alpha, 0.0, 1.0) * 255));
}

} // namespace

PdfPaintEngine::PdfPaintEngine(
    PdfDocument &document, PdfFontSet &fonts, int pagesObject, QSizeF pagePoints, double dotsPerInch)
    : QPaintEngine(QPaintEngine::AllFeatures)
    , m_document(document)
    , m_fonts(fonts)
    , m_pagePoints(pagePoints)
    , m_dotsPerInch(dotsPerInch)
    , m_pages(pagesObject)
{
}

PdfPaintEngine::~PdfPaintEngine() = default;

bool PdfPaintEngine::begin(QPaintDevice *)
{
    m_pageObject = m_document.reserve();
    m_pageObjects.append(m_pageObject);
    m_content.clear();
    m_content.reserve(128 * 1024);
    // Device pixels from the top-left corner onto PDF points from the bottom-left.
    const double scale = 72.0 / m_dotsPerInch;
    m_pageTransform = QTransform(scale, 0, 0, -scale, 0, m_pagePoints.height());
    appendTransform(m_pageTransform);
    m_pen = QPen();
    m_brush = QBrush();
    m_transform = QTransform();
    m_clipEnabled = false;
    return true;
}

bool PdfPaintEngine::end()
{
    if (!m_refused)
        writePage();
    return true;
}

void PdfPaintEngine::updateState(const QPaintEngineState &state)
{
    const DirtyFlags dirty = state.state();
    if (dirty & DirtyTransform) {
        m_transform = state.transform();
        if (m_transform.type() == QTransform::TxProject)
            refuse();
    }
    if (dirty & DirtyPen) {
        m_pen = state.pen();
        const Qt::BrushStyle style = m_pen.brush().style();
        if (m_pen.style() != Qt::NoPen && style != Qt::SolidPattern && style != Qt::NoBrush)
            refuse();
    }
    if (dirty & DirtyBrush) {
        m_brush = state.brush();
        const Qt::BrushStyle style = m_brush.style();
        if (style != Qt::NoBrush && style != Qt::SolidPattern && style != Qt::TexturePattern)
            refuse();
    }
    if (dirty & DirtyBrushOrigin)
        m_brushOrigin = state.brushOrigin();
    if (dirty & DirtyBackgroundMode)
        m_opaqueBackground = state.backgroundMode() == Qt::OpaqueMode;
    if ((dirty & DirtyCompositionMode) && state.compositionMode() != QPainter::CompositionMode_SourceOver)
        refuse();
    if (dirty & DirtyOpacity)
        m_opacity = state.opacity();
    if (dirty & DirtyHints)
        m_smoothPictures = state.renderHints() & QPainter::SmoothPixmapTransform;
    if (dirty & (DirtyClipPath | DirtyClipRegion | DirtyClipEnabled)) {
        m_clipEnabled = painter()->hasClipping();
        m_clip = m_clipEnabled ? painter()->combinedTransform().map(painter()->clipPath()) : QPainterPath();
    }
}

void PdfPaintEngine::appendTransform(const QTransform &t)
{
    PdfDocument::appendMatrix(m_content, t);
    m_content.append("cm\n");
}

void PdfPaintEngine::appendColor(const QColor &color, const char *op)
{
    const QColor rgb = color.toRgb();
    for (const double value : { rgb.redF(), rgb.greenF(), rgb.blueF() }) {
        PdfDocument::appendNumber(m_content, value);
        m_content.append(' ');
    }
    m_content.append(op).append('\n');
}

void PdfPaintEngine::applyAlpha(qreal fillAlpha, qreal strokeAlpha)
{
    const int fill = alphaStep(fillAlpha * m_opacity);
    const int stroke = alphaStep(strokeAlpha * m_opacity);
    if (fill == 255 && stroke == 255)
        return;
    const int key = fill * 256 + stroke;
    QByteArray name = m_alphaStates.value(key);
    if (name.isEmpty()) {
        name = "GS" + QByteArray::number(m_alphaStates.size() + 1);
        m_alphaStates.insert(key, name);
        m_stateResources.append('/').append(name).append(" << /ca ");
        PdfDocument::appendNumber(m_stateResources, fill / 255.0);
        m_stateResources.append(" /CA ");
        PdfDocument::appendNumber(m_stateResources, stroke / 255.0);
        m_stateResources.append(" >> ");
    }
    m_content.append('/').append(name).append(" gs\n");
}

void PdfPaintEngine::openGroup(bool withTransform)
{
    m_content.append("q\n");
    if (m_clipEnabled) {
        appendPath(m_clip, QTransform());
        m_content.append(m_clip.fillRule() == Qt::OddEvenFill ? "W* n\n" : "W n\n");
    }
    if (withTransform && !m_transform.isIdentity())
        appendTransform(m_transform);
}

void PdfPaintEngine::closeGroup()
{
    m_content.append("Q\n");
}

void PdfPaintEngine::appendPath(const QPainterPath &path, const QTransform &map)
{
    const auto pointAt = [&](int i) {
        const QPainterPath::Element &e = path.elementAt(i);
        return map.map(QPointF(e.x, e.y));
    };
    QPointF start;
    QPointF last;
    int sinceMove = 0;
    const auto closeIfBack = [&] {
        // Qt strokes a figure that ends where it began as closed: joined, not capped.
        if (sinceMove > 1 && last == start)
            m_content.append("h\n");
    };
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPointF point = pointAt(i);
        switch (path.elementAt(i).type) {
        case QPainterPath::MoveToElement:
            closeIfBack();
            PdfDocument::appendPoint(m_content, point);
            m_content.append("m\n");
            start = point;
            sinceMove = 0;
            break;
        case QPainterPath::LineToElement:
            PdfDocument::appendPoint(m_content, point);
            m_content.append("l\n");
            ++sinceMove;
            break;
        case QPainterPath::CurveToElement:
            if (i + 2 >= path.elementCount())
                return;
            PdfDocument::appendPoint(m_content, point);
            PdfDocument::appendPoint(m_content, pointAt(i + 1));
            PdfDocument::appendPoint(m_content, pointAt(i + 2));
            m_content.append("c\n");
            i += 2;
            ++sinceMove;
            break;
        case QPainterPath::CurveToDataElement:
            continue;
        }
        last = pointAt(i);
    }
    closeIfBack();
}

void PdfPaintEngine::applyPen()
{
    // Width 0 is PDF's thinnest line, one dot of whatever shows or prints
    // it, as Qt's writer has it; its dashes count as if one pixel wide.
    const qreal width = m_pen.widthF();
    PdfDocument::appendNumber(m_content, width);
    m_content.append(" w ");
    m_content.append(m_pen.capStyle() == Qt::FlatCap ? "0" : m_pen.capStyle() == Qt::RoundCap ? "1" : "2");
    m_content.append(" J ");
    const Qt::PenJoinStyle join = m_pen.joinStyle();
    m_content.append(join == Qt::RoundJoin ? "1" : join == Qt::BevelJoin ? "2" : "0").append(" j ");
    if (join == Qt::MiterJoin || join == Qt::SvgMiterJoin) {
        PdfDocument::appendNumber(m_content, std::max<qreal>(1, m_pen.miterLimit()));
        m_content.append(" M ");
    }
    if (m_pen.style() != Qt::SolidLine) {
        // Qt counts dashes in pen widths.
        m_content.append('[');
        for (const qreal dash : m_pen.dashPattern()) {
            PdfDocument::appendNumber(m_content, dash * std::max<qreal>(width, 1));
            m_content.append(' ');
        }
        m_content.append("] ");
        PdfDocument::appendNumber(m_content, m_pen.dashOffset() * std::max<qreal>(width, 1));
        m_content.append(" d");
    }
    m_content.append('\n');
}

void PdfPaintEngine::paintPath(const QPainterPath &path, bool fill, bool stroke)
{
    fill = fill && fills();
    stroke = stroke && strokes();
    if (m_refused || (!fill && !stroke) || clippedAway())
        return;
    if (stroke && m_opaqueBackground && m_pen.style() != Qt::SolidLine) {
        refuse(); // the gaps of the dashes would take the background colour
        return;
    }
    const bool inDeviceSpace = stroke && m_pen.isCosmetic();
    const bool texture = fill && m_brush.style() == Qt::TexturePattern;
    openGroup(!inDeviceSpace);
    if (texture)
        m_content.append("/Pattern cs /").append(patternObject()).append(" scn\n");
    else if (fill)
        appendColor(m_brush.color(), "rg");
    if (stroke) {
        appendColor(m_pen.color(), "RG");
        applyPen();
    }
    applyAlpha(fill && !texture ? m_brush.color().alphaF() : 1, stroke ? m_pen.color().alphaF() : 1);
    appendPath(path, inDeviceSpace ? m_transform : QTransform());
    if (fill)
        m_content.append(stroke ? 'B' : 'f').append(path.fillRule() == Qt::OddEvenFill ? "*\n" : "\n");
    else
        m_content.append("S\n");
    closeGroup();
}

void PdfPaintEngine::drawPath(const QPainterPath &path)
{
    paintPath(path, true, true);
}

void PdfPaintEngine::drawPolygon(const QPointF *points, int count, PolygonDrawMode mode)
{
    if (count < 2)
        return;
    QPainterPath path(points[0]);
    for (int i = 1; i < count; ++i)
        path.lineTo(points[i]);
    if (mode == PolylineMode) {
        paintPath(path, false, true);
        return;
    }
    path.closeSubpath();
    path.setFillRule(mode == OddEvenMode ? Qt::OddEvenFill : Qt::WindingFill);
    paintPath(path, true, true);
}

void PdfPaintEngine::drawRects(const QRectF *rects, int count)
{
    QPainterPath path;
    for (int i = 0; i < count; ++i)
        path.addRect(rects[i]);
    paintPath(path, true, true);
}

void PdfPaintEngine::drawLines(const QLineF *lines, int count)
{
    QPainterPath path;
    for (int i = 0; i < count; ++i) {
        path.moveTo(lines[i].p1());
        path.lineTo(lines[i].p2());
    }
    paintPath(path, false, true);
}

void PdfPaintEngine::drawTextItem(const QPointF &origin, const QTextItem &item)
{
    const auto &ti = static_cast<const QTextItemInt &>(item);
    if (m_refused || ti.glyphs.numGlyphs == 0 || !strokes() || clippedAway())
        return;
    QVarLengthArray<glyph_t> glyphs;
    QVarLengthArray<QFixedPoint> positions;
    ti.fontEngine->getGlyphPositions(
        ti.glyphs, QTransform::fromTranslate(origin.x(), origin.y()), ti.flags, glyphs, positions);
    if (glyphs.isEmpty())
        return;
    QFontEngine *const multi = ti.fontEngine->type() == QFontEngine::Multi ? ti.fontEngine : nullptr;
    // Glyphs of one run come from one face; a fallback face starts a new run.
    struct Run
    {
        qsizetype start = 0;
        qsizetype end = 0;
        QFontEngine *engine = nullptr;
        QByteArray font;
        QVarLengthArray<quint16> codes;
    };
    std::vector<Run> runs;
    for (qsizetype start = 0; start < glyphs.size();) {
        const glyph_t engineIndex = multi ? glyphs[start] >> 24 : 0;
        qsizetype end = start + 1;
        while (end < glyphs.size() && (multi ? glyphs[end] >> 24 : 0) == engineIndex)
            ++end;
        Run run;
        run.start = start;
        run.end = end;
        run.engine = multi ? static_cast<QFontEngineMulti *>(multi)->engine(int(engineIndex)) : ti.fontEngine;
        QVarLengthArray<glyph_t> indexes;
        for (qsizetype i = start; i < end; ++i)
            indexes.append(glyphs[i] & 0xffffff);
        run.codes.resize(indexes.size());
        if (run.engine && !run.engine->synthesized())
            run.font = m_fonts.use(*run.engine, indexes.constData(), int(indexes.size()), run.codes.data());
        if (run.font.isEmpty()) {
            // A face of pictures only: its characters are set in an outline
            // face where its glyphs would have been.
            if (run.engine && !m_fonts.hasOutlines(*run.engine))
                drawStandIns(origin, ti);
            else
                refuse();
            return;
        }
        runs.push_back(std::move(run));
        start = end;
    }
    openGroup(true);
    appendColor(m_pen.color(), "rg");
    applyAlpha(m_pen.color().alphaF(), 1);
    m_content.append("BT\n");
    for (const Run &run : runs) {
        m_content.append('/').append(run.font).append(' ');
        PdfDocument::appendNumber(m_content, run.engine->fontDef.pixelSize);
        m_content.append(" Tf\n");
        // Each glyph where shaping put it: the first by the text matrix, the
        // rest by their distance from the one before (y counts upwards there).
        QPointF last;
        for (qsizetype i = run.start; i < run.end; ++i) {
            const QPointF at(positions[i].x.toReal(), positions[i].y.toReal());
            if (i == run.start) {
                m_content.append("1 0 0 -1 ");
                PdfDocument::appendPoint(m_content, at);
                m_content.append("Tm <");
            } else {
                PdfDocument::appendPoint(m_content, QPointF(at.x() - last.x(), last.y() - at.y()));
                m_content.append("Td <");
            }
            m_content.append(QByteArray::number(run.codes[i - run.start], 16).rightJustified(4, '0'))
                .append("> Tj\n");
            last = at;
        }
    }
    m_content.append("ET\n");
    closeGroup();
}

void PdfPaintEngine::drawStandIns(const QPointF &origin, const QTextItemInt &ti)
{
    // Without the characters (a glyph run) or right to left there is no
    // telling which glyph stands for what.
    if (!ti.chars || !ti.logClusters || ti.num_chars <= 0 || (ti.flags & QTextItem::RightToLeft)) {
        refuse();
        return;
    }
    const QGlyphLayout &layout = ti.glyphs;
    // Each glyph's place, as Qt sets them: printed glyphs one after another.
    QVarLengthArray<QPointF> places(layout.numGlyphs);
    QFixed x = QFixed::fromReal(origin.x());
    for (int i = 0; i < layout.numGlyphs; ++i) {
        places[i] = QPointF((x + layout.offsets[i].x).toReal(), origin.y() + layout.offsets[i].y.toReal());
        if (!layout.attributes[i].dontPrint)
            x += layout.advances[i] + QFixed::fromFixed(layout.justifications[i].space_18d6);
    }
    QFontEngine *const multi = ti.fontEngine->type() == QFontEngine::Multi ? ti.fontEngine : nullptr;
    const auto engineOf = [&](glyph_t glyph) {
        return multi ? static_cast<QFontEngineMulti *>(multi)->engine(int(glyph >> 24)) : ti.fontEngine;
    };
    openGroup(true);
    appendColor(m_pen.color(), "rg");
    applyAlpha(m_pen.color().alphaF(), 1);
    m_content.append("BT\n");
    QByteArray set; // the font and size last set
    const auto show = [&](QFontEngine &engine, glyph_t glyph, const QPointF &at) {
        quint16 code = 0;
        const QByteArray font = engine.synthesized() ? QByteArray() : m_fonts.use(engine, &glyph, 1, &code);
        if (font.isEmpty())
            return false;
        QByteArray size;
        PdfDocument::appendNumber(size, engine.fontDef.pixelSize);
        if (set != font + ' ' + size) {
            set = font + ' ' + size;
            m_content.append('/').append(set).append(" Tf\n");
        }
        m_content.append("1 0 0 -1 ");
        PdfDocument::appendPoint(m_content, at);
        m_content.append("Tm <").append(QByteArray::number(code, 16).rightJustified(4, '0')).append("> Tj\n");
        return true;
    };
    // Cluster by cluster: the characters that share their first glyph.
    for (int c = 0; c < ti.num_chars;) {
        const int first = ti.logClusters[c];
        int next = c + 1;
        while (next < ti.num_chars && ti.logClusters[next] == first)
            ++next;
        const int end
            = std::min(next < ti.num_chars ? int(ti.logClusters[next]) : layout.numGlyphs, layout.numGlyphs);
        if (first >= end) {
            c = next;
            continue;
        }
        QFontEngine *engine = engineOf(layout.glyphs[first]);
        if (engine && !m_fonts.hasOutlines(*engine)) {
            // The cluster's characters in an outline face of the same size
            // from its first glyph's place on; one that no outline face
            // has is left out.
            QFontEngine *standIn = standInFor(*engine);
            QVarLengthGlyphLayoutArray shaped(2 * (next - c));
            int count = shaped.numGlyphs;
            if (standIn && standIn->stringToCMap(ti.chars + c, next - c, &shaped, &count, {})) {
                QPointF pen = places[first];
                for (int i = 0; i < count; ++i) {
                    QFontEngine *from = standIn->type() == QFontEngine::Multi
                        ? static_cast<QFontEngineMulti *>(standIn)->engine(int(shaped.glyphs[i] >> 24))
                        : standIn;
                    if (from)
                        (void)show(*from, shaped.glyphs[i] & 0xffffff, pen);
                    pen.rx() += shaped.advances[i].toReal();
                }
            }
        } else {
            for (int g = first; g < end; ++g) {
                if (!layout.attributes[g].dontPrint
                    && !(engine && show(*engine, layout.glyphs[g] & 0xffffff, places[g]))) {
                    refuse();
                    return;
                }
            }
        }
        c = next;
    }
    m_content.append("ET\n");
    closeGroup();
}

QFontEngine *PdfPaintEngine::standInFor(const QFontEngine &engine)
{
    const QFontDef &def = engine.fontDef;
    const QString key
        = QStringLiteral("%1/%2/%3/%4").arg(def.pixelSize).arg(def.weight).arg(def.style).arg(def.fixedPitch);
    auto found = m_standIns.find(key);
    if (found == m_standIns.end())
        found = m_standIns.insert(key,
            OutlineFaces::standIn(
                def.pixelSize, int(def.weight), def.style != QFont::StyleNormal, def.fixedPitch));
    return QFontPrivate::get(*found)->engineForScript(QChar::Script_Common);
}

void PdfPaintEngine::writePage()
{
    const int contents = m_document.reserve();
    m_document.writeStream(contents, QByteArray(), m_content);
    QByteArray page("<< /Type /Page /Parent ");
    page.append(PdfDocument::reference(m_pages)).append(" /MediaBox [0 0 ");
    PdfDocument::appendNumber(page, m_pagePoints.width());
    page.append(' ');
    PdfDocument::appendNumber(page, m_pagePoints.height());
    page.append("] /Contents ").append(PdfDocument::reference(contents));
    page.append(" /Resources << /ProcSet [/PDF /Text /ImageB /ImageC]");
    const QByteArray fonts = m_fonts.resources();
    if (!fonts.isEmpty())
        page.append(" /Font << ").append(fonts).append(">>");
    if (!m_imageResources.isEmpty())
        page.append(" /XObject << ").append(m_imageResources).append(">>");
    if (!m_patternResources.isEmpty())
        page.append(" /Pattern << ").append(m_patternResources).append(">>");
    if (!m_stateResources.isEmpty())
        page.append(" /ExtGState << ").append(m_stateResources).append(">>");
    m_document.writeObject(m_pageObject, page.append(" >> >>"));
}
