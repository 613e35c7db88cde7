// The TrueType reader on installed fonts: metrics against Qt's own reading,
// subsets loaded back by Qt and drawn glyph by glyph, the characters behind
// glyphs, and damaged tables.
#include "report/pdf/truetypefont.h"

#include <QFile>
#include <QPainterPath>
#include <QRawFont>
#include <QtTest>

namespace {

using Tables = QMap<QByteArray, QByteArray>;
using Patch = std::function<void(Tables &)>;

const QString kLiberation = QStringLiteral("/usr/share/fonts/truetype/liberation2/Liberation");
const QString kSerif = kLiberation + "Serif-Regular.ttf";
const QString kDejaVu = QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf");
const QString kText = QStringLiteral("February 2027 Montag Ĳ é ﬁ Ǻǻ ď");

// Big-endian; bytes past the end read as zero, as checksums pad them.
quint32 get(const QByteArray &data, qsizetype at, int size)
{
    quint32 value = 0;
    for (int i = 0; i < size; ++i)
        value = value << 8 | (at + i < data.size() ? quint8(data[at + i]) : 0);
    return value;
}

void put(QByteArray &data, qsizetype at, int size, quint32 value)
{
    for (int i = size - 1; i >= 0; --i, value >>= 8)
        data[at + i] = char(value);
}

QByteArray words(std::initializer_list<quint16> values)
{
    QByteArray data;
    for (const quint16 value : values)
        data.append(char(value >> 8)).append(char(value));
    return data;
}

quint32 checksum(const QByteArray &data)
{
    quint32 sum = 0;
    for (qsizetype i = 0; i < data.size(); i += 4)
        sum += get(data, i, 4);
    return sum;
}

// A font file's tables. With strict, empty unless the directory is sorted and
// every table 4-byte aligned with its checksum right, and the file's too.
Tables tablesOf(const QByteArray &file, bool strict)
{
    Tables tables;
    for (quint32 i = 0, count = get(file, 4, 2); i < count; ++i) {
        const QByteArray tag = file.mid(12 + 16 * i, 4);
        const quint32 offset = get(file, 20 + 16 * i, 4), length = get(file, 24 + 16 * i, 4);
        QByteArray data = file.mid(offset, length), summed = data;
        if (tag == "head")
            put(summed, 8, 4, 0);
        if (strict
            && (offset % 4 || data.size() != length || checksum(summed) != get(file, 16 + 16 * i, 4)
                || (!tables.isEmpty() && tables.lastKey() >= tag)))
            return {};
        tables.insert(tag, data);
    }
    return strict && checksum(file) != 0xB1B0AFBA ? Tables() : tables;
}

Tables tablesOf(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? tablesOf(file.readAll(), false) : Tables();
}

bool load(TrueTypeFont &font, const Tables &tables)
{
    return font.load([&](const char *tag) { return tables.value(tag); });
}

QSet<quint32> setOf(const QList<quint32> &list)
{
    return QSet<quint32>(list.begin(), list.end());
}

// Qt reads both fonts with FreeType, so alike outlines mean the glyph
// survived, and with it the components of a composite.
bool sameOutline(const QRawFont &a, quint32 glyph, const QRawFont &b, quint32 inB)
{
    const QPainterPath p = a.pathForGlyph(glyph), q = b.pathForGlyph(inB);
    return p.elementCount() == q.elementCount() && p.boundingRect() == q.boundingRect();
}

} // namespace

Q_DECLARE_METATYPE(Patch)

class TestTrueTypeFont : public QObject
{
    Q_OBJECT

private slots:
    void metrics_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<Patch>("patch");
        QTest::addColumn<bool>("fixedItalic");
        QTest::addColumn<bool>("capFromOs2");
        QTest::addColumn<bool>("embeddable");
        const Patch none = [](Tables &) {};
        QTest::newRow("Liberation Serif") << kSerif << none << false << true << true;
        QTest::newRow("Liberation Mono Italic, fewer metrics than glyphs")
            << kLiberation + "Mono-Italic.ttf" << none << true << true << true;
        const QList<std::pair<quint16, bool>> types { { 0x0002, false }, { 0x0004, true }, { 0x0008, true },
            { 0x0100, true }, { 0x0102, false }, { 0x0200, false }, { 0x0208, false }, { 0x000A, true } };
        for (const auto &entry : types) {
            const quint16 type = entry.first;
            QTest::addRow("fsType %04x", type)
                << kSerif << Patch([=](Tables &t) { put(t["OS/2"], 8, 2, type); }) << false << true
                << entry.second;
        }
        QTest::newRow("OS/2 version 1")
            << kSerif << Patch([](Tables &t) { put(t["OS/2"], 0, 2, 1); }) << false << false << true;
        QTest::newRow("no OS/2") << kSerif << Patch([](Tables &t) { t.remove("OS/2"); }) << false << false
                                 << true;
        QTest::newRow("descent stored positive")
            << kSerif << Patch([](Tables &t) { put(t["hhea"], 6, 2, 443); }) << false << true << true;
    }

    void metrics()
    {
        QFETCH(QString, file);
        QFETCH(Patch, patch);
        QFETCH(bool, fixedItalic);
        QFETCH(bool, capFromOs2);
        QFETCH(bool, embeddable);
        Tables tables = tablesOf(file);
        patch(tables);
        TrueTypeFont font;
        QVERIFY(load(font, tables));
        const QRawFont raw(file, font.unitsPerEm()); // one pixel per font unit
        QCOMPARE(font.unitsPerEm(), qRound(raw.unitsPerEm()));
        QCOMPARE(font.ascent(), qRound(raw.ascent()));
        QCOMPARE(font.descent(), -qRound(raw.descent()));
        QCOMPARE(font.capHeight(), capFromOs2 ? qRound(raw.capHeight()) : font.ascent());
        QCOMPARE(font.isFixedPitch(), fixedItalic);
        QCOMPARE(font.italicAngle() < -1, fixedItalic);
        QCOMPARE(font.italicAngle() == 0, !fixedItalic);
        QCOMPARE(font.embeddable(), embeddable);
        const QList<quint32> glyphs = raw.glyphIndexesForString(kText) << quint32(font.glyphCount() - 1);
        const QList<QPointF> advances = raw.advancesForGlyphIndexes(glyphs, QRawFont::UseDesignMetrics);
        const QRect box = font.boundingBox();
        const QRectF yDown(
            QPointF(box.left() - 1, -box.bottom() - 1), QPointF(box.right() + 1, -box.top() + 1));
        for (qsizetype i = 0; i < glyphs.size(); ++i) {
            QCOMPARE(font.advance(glyphs[i]), qRound(advances[i].x()));
            const QPainterPath path = raw.pathForGlyph(glyphs[i]);
            QVERIFY(path.isEmpty() || yDown.contains(path.boundingRect()));
        }
    }

    void subset_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("text");
        const QString dejaVu = QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans");
        QTest::newRow("Liberation Serif") << kSerif << kText;
        QTest::newRow("DejaVu Sans, composites of composites") << kDejaVu << kText;
        QTest::newRow("DejaVu Sans ExtraLight, short loca") << dejaVu + "-ExtraLight.ttf" << kText;
        QTest::newRow("DejaVu Sans Mono Bold, a scaled component") << dejaVu + "Mono-Bold.ttf" << kText;
        QTest::newRow("only glyph 0, which is blank") << kSerif << QString();
    }

    void subset()
    {
        QFETCH(QString, file);
        QFETCH(QString, text);
        const Tables original = tablesOf(file);
        TrueTypeFont font;
        QVERIFY(load(font, original));
        const QRawFont raw(file, 20);
        std::vector<quint32> order { 0 };
        for (const quint32 glyph : raw.glyphIndexesForString(text)) {
            if (std::find(order.begin(), order.end(), glyph) == order.end())
                order.push_back(glyph);
        }
        const QByteArray bytes = font.subset(order);
        const Tables cut = tablesOf(bytes, true);
        QCOMPARE(cut.keys(),
            QList<QByteArray>({ "cvt ", "fpgm", "glyf", "head", "hhea", "hmtx", "loca", "maxp", "prep" }));
        QCOMPARE(get(cut["head"], 50, 2), 1u);
        TrueTypeFont reread;
        QVERIFY(load(reread, cut));
        // The glyphs asked for, in their order, then the components of the
        // composites among them (there are some in the text).
        QCOMPARE(reread.glyphCount() > int(order.size()), !text.isEmpty());
        QVERIFY(reread.glyphCount() < 3 * int(order.size()));
        const QRawFont subset(bytes, 20);
        QVERIFY(subset.isValid());
        for (size_t i = 0; i < order.size(); ++i) {
            QVERIFY2(sameOutline(raw, order[i], subset, quint32(i)), qPrintable(QString::number(order[i])));
            QCOMPARE(reread.advance(quint32(i)), font.advance(order[i]));
        }
    }

    void unicodes_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("cmap"); // replaces the font's when not empty
        QTest::addColumn<QList<quint32>>("glyphs");
        QTest::addColumn<QList<uint>>("codes"); // 0: no character
        const auto glyphsOf = [](const QString &file, const QString &text) {
            return QRawFont(file, 20).glyphIndexesForString(text) << 0 << 60000;
        };
        const QString days = QStringLiteral("Sun Mon 0123 €é"), beyond = days + QStringLiteral("𝔸𐌀");
        QTest::newRow("Liberation Serif, format 4")
            << kSerif << QByteArray() << glyphsOf(kSerif, days) << (days.toUcs4() << 0 << 0);
        QTest::newRow("DejaVu Sans, format 12 beyond 0xFFFF")
            << kDejaVu << QByteArray() << glyphsOf(kDejaVu, beyond) << (beyond.toUcs4() << 0 << 0);
        // 'A'-'C' by delta; 'a'-'c' through the glyph array plus 1 onto 'B''s
        // glyph, none and glyph 39; 0xF000-0xF00F by a delta wrapping past 0xFFFF.
        QTest::newRow("format 4: shared glyph, glyph array, wrapping delta")
            << kSerif
            << words({ 0, 1, 3, 1, 0, 12, 4, 54, 0, 8, 8, 2, 0, 0x43, 0x63, 0xF00F, 0xFFFF, 0, 0x41, 0x61,
                   0xF000, 0xFFFF, 0xFFE3, 1, 0x0FF8, 1, 0, 6, 0, 0, 36, 0, 38 })
            << QList<quint32> { 36, 37, 38, 39, 40, 0xFFF8, 0xFFFF, 0, 1, 5 }
            << QList<uint> { 'A', 'B', 'C', 'c', 0, 0xF000, 0xF007, 0, 0xF009, 0xF00D };
    }

    void unicodes()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, cmap);
        QFETCH(QList<quint32>, glyphs);
        QFETCH(QList<uint>, codes);
        Tables tables = tablesOf(file);
        if (!cmap.isEmpty())
            tables["cmap"] = cmap;
        TrueTypeFont font;
        QVERIFY(load(font, tables));
        const QHash<quint32, char32_t> unicodes = font.unicodesOf(setOf(glyphs));
        QCOMPARE(glyphs.size(), codes.size());
        for (qsizetype i = 0; i < glyphs.size(); ++i)
            QCOMPARE(uint(unicodes.value(glyphs[i])), codes[i]);
    }

    void damaged_data()
    {
        QTest::addColumn<Patch>("patch");
        QTest::addColumn<bool>("loads");
        QTest::addColumn<QList<quint32>>("emptied");
        const QRawFont raw(kSerif, 20);
        const auto glyph = [&](const QString &c) { return raw.glyphIndexesForString(c).value(0); };
        const quint32 eAcute = glyph("é"), eGrave = glyph("è"), ij = glyph("Ĳ"), capF = glyph("F");
        const auto at = [](Tables &t, quint32 g) { return qsizetype(get(t["loca"], 4 * g, 4)); };
        const auto uses = [=](quint32 composite, quint32 component) {
            return [=](Tables &t) { put(t["glyf"], at(t, composite) + 12, 2, component); };
        };
        const auto flagsOfF
            = [=](Tables &t) { return at(t, capF) + 12 + 2 * get(t["glyf"], at(t, capF), 2); };
        const auto row = [](const char *name, Patch patch, bool loads, QList<quint32> emptied = {}) {
            QTest::newRow(name) << patch << loads << emptied;
        };
        row(
            "head too short", [](Tables &t) { t["head"].chop(1); }, false);
        row(
            "head without its magic number", [](Tables &t) { put(t["head"], 12, 4, 0); }, false);
        row(
            "CFF outlines",
            [](Tables &t) { t = tablesOf("/usr/share/fonts/opentype/urw-base35/C059-Roman.otf"); }, false);
        row(
            "no loca", [](Tables &t) { t.remove("loca"); }, false);
        row(
            "loca one entry short", [](Tables &t) { t["loca"].chop(4); }, false);
        row(
            "unknown loca format", [](Tables &t) { put(t["head"], 50, 2, 2); }, false);
        row(
            "no glyphs", [](Tables &t) { put(t["maxp"], 4, 2, 0); }, false);
        row(
            "hmtx shorter than its metrics", [](Tables &t) { t["hmtx"].chop(2); }, false);
        row("glyf ends inside é", [=](Tables &t) { t["glyf"].truncate(at(t, eAcute) + 12); }, true,
            { eAcute, ij });
        row("é past glyf", [=](Tables &t) { put(t["loca"], 4 * eAcute + 4, 4, 0xFFFFFF00); }, true,
            { eAcute });
        row("é ends before it starts",
            [=](Tables &t) { put(t["loca"], 4 * eAcute + 4, 4, at(t, eAcute) - 2); }, true, { eAcute });
        row("é cut in its first component",
            [=](Tables &t) { put(t["loca"], 4 * eAcute + 4, 4, at(t, eAcute) + 14); }, true, { eAcute });
        row("é uses itself", uses(eAcute, eAcute), true, { eAcute });
        row("é's instructions run past its end",
            [=](Tables &t) { put(t["glyf"], at(t, eAcute) + 24, 2, 0xFFFF); }, true, { eAcute });
        row("é and è use each other", [=](Tables &t) { uses(eAcute, eGrave)(t), uses(eGrave, eAcute)(t); },
            true, { eAcute, eGrave });
        row("é uses a glyph past the last", uses(eAcute, 0xFFFF), true, { eAcute });
        row("F's instructions run past its end",
            [=](Tables &t) { put(t["glyf"], flagsOfF(t) - 2, 2, 0xFFFF); }, true, { capF });
        row("F's flags repeat past its points",
            [=](Tables &t) { put(t["glyf"], flagsOfF(t) + get(t["glyf"], flagsOfF(t) - 2, 2), 2, 0x09FF); },
            true, { capF });
        row("glyph 0 past glyf", [](Tables &t) { put(t["loca"], 4, 4, 0xFFFFFF00); }, true, { 0 });
        row(
            "OS/2, post and cmap cut short",
            [](Tables &t) { t["OS/2"].truncate(9), t["post"].truncate(15), t["cmap"].truncate(40); }, true);
    }

    void damaged()
    {
        QFETCH(Patch, patch);
        QFETCH(bool, loads);
        QFETCH(QList<quint32>, emptied);
        Tables tables = tablesOf(kSerif);
        patch(tables);
        TrueTypeFont font;
        QCOMPARE(load(font, tables), loads);
        if (!loads) {
            QVERIFY(font.subset({ 0 }).isEmpty());
            return;
        }
        const QRawFont raw(kSerif, 20);
        const QList<quint32> used = QList<quint32> { 0 } << raw.glyphIndexesForString(QStringLiteral("FéèĲ"));
        QCOMPARE(
            font.unicodesOf(setOf(used)).size(), tables["cmap"].size() > 1000 ? setOf(used).size() - 1 : 0);
        const QByteArray bytes = font.subset(std::vector<quint32>(used.begin(), used.end()));
        const Tables cut = tablesOf(bytes, true);
        QVERIFY(!cut.isEmpty());
        const QRawFont subset(bytes, 20);
        QVERIFY(subset.isValid());
        for (quint32 i = 0; i < quint32(used.size()); ++i) {
            const bool blank = get(cut["loca"], 4 * i, 4) == get(cut["loca"], 4 * i + 4, 4);
            QCOMPARE(blank, emptied.contains(used[i]) || raw.pathForGlyph(used[i]).isEmpty());
            QVERIFY2(blank || sameOutline(raw, used[i], subset, i), qPrintable(QString::number(used[i])));
        }
    }
};

QTEST_MAIN(TestTrueTypeFont)
#include "tst_truetypefont.moc"
