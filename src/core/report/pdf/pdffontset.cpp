#include "report/pdf/pdffontset.h"

#include "report/outlinefaces.h"
#include "report/pdf/pdfdocument.h"

#include <QtGui/private/qfontengine_p.h>

#include <algorithm>

struct PdfFontSet::Face
{
    TrueTypeFont font;
    // The face's glyphs in the order pages first used them: a glyph's place
    // is its number in the file's cut-down font.
    std::vector<quint32> glyphs { 0 };
    QHash<quint32, quint16> codes { { 0, 0 } };
    QByteArray resourceName;
    QByteArray baseName; // with the subset tag
    int object = 0;
};

namespace {

// A PostScript name as PDF names allow it: printable, no delimiters.
QByteArray safeName(const QByteArray &name)
{
    QByteArray out;
    for (const char c : name) {
        if (c > 32 && c < 127 && !QByteArray("()<>[]{}/%#").contains(c))
            out.append(c);
    }
    return out.isEmpty() ? QByteArray("Font") : out;
}

// Six capital letters that mark a font as a subset and tell subsets apart.
QByteArray subsetTag(int index)
{
    QByteArray tag(6, 'A');
    for (int i = 5; i >= 0 && index > 0; --i, index /= 26)
        tag[i] = char('A' + index % 26);
    return tag;
}

QByteArray hex4(quint32 value)
{
    return QByteArray::number(value, 16).rightJustified(4, '0').toUpper();
}

QByteArray utf16Hex(char32_t code)
{
    if (code < 0x10000)
        return hex4(code);
    code -= 0x10000;
    return hex4(0xD800 + (code >> 10)) + hex4(0xDC00 + (code & 0x3FF));
}

QByteArray toUnicodeMap(const QHash<quint32, char32_t> &unicodes) // code -> character
{
    QByteArray out("/CIDInit /ProcSet findresource begin\n12 dict begin\nbegincmap\n"
                   "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def\n"
                   "/CMapName /Adobe-Identity-UCS def\n/CMapType 2 def\n"
                   "1 begincodespacerange\n<0000> <FFFF>\nendcodespacerange\n");
    std::vector<quint32> glyphs(unicodes.keyBegin(), unicodes.keyEnd());
    std::sort(glyphs.begin(), glyphs.end());
    // A block holds at most a hundred entries.
    for (size_t first = 0; first < glyphs.size(); first += 100) {
        const size_t last = std::min(glyphs.size(), first + 100);
        out.append(QByteArray::number(qulonglong(last - first))).append(" beginbfchar\n");
        for (size_t i = first; i < last; ++i)
            out.append('<')
                .append(hex4(glyphs[i]))
                .append("> <")
                .append(utf16Hex(unicodes.value(glyphs[i])))
                .append(">\n");
        out.append("endbfchar\n");
    }
    out.append("endcmap\nCMapName currentdict /CMap defineresource pop\nend\nend\n");
    return out;
}

// One entry for all codes: [0 [w w w ...]].
QByteArray widthArray(const TrueTypeFont &font, const std::vector<quint32> &glyphs)
{
    const double scale = 1000.0 / font.unitsPerEm();
    QByteArray out("[0 [");
    for (const quint32 glyph : glyphs) {
        PdfDocument::appendNumber(out, font.advance(glyph) * scale);
        out.append(' ');
    }
    return out.append("]]");
}

} // namespace

PdfFontSet::PdfFontSet(PdfDocument &document)
    : m_document(document)
{
}

PdfFontSet::~PdfFontSet() = default;

QString PdfFontSet::faceKey(const QFontEngine &engine)
{
    const QFontEngine::FaceId id = engine.faceId();
    return id.filename.isEmpty()
        ? QString()
        : QString::fromUtf8(id.filename) + QLatin1Char('#') + QString::number(id.index);
}

bool PdfFontSet::hasOutlines(QFontEngine &engine)
{
    const QString key = faceKey(engine);
    if (key.isEmpty())
        return OutlineFaces::hasOutlines(engine);
    auto known = m_outlines.constFind(key);
    if (known == m_outlines.constEnd())
        known = m_outlines.insert(key, OutlineFaces::hasOutlines(engine));
    return *known;
}

PdfFontSet::Face *PdfFontSet::faceOf(QFontEngine &engine)
{
    const QString key = faceKey(engine);
    if (key.isEmpty())
        return nullptr;
    const auto known = m_byFile.constFind(key);
    if (known != m_byFile.constEnd())
        return *known;
    auto face = std::make_unique<Face>();
    const bool usable = face->font.load([&engine](const char *tag) {
        return engine.getSfntTable(MAKE_TAG(tag[0], tag[1], tag[2], tag[3]));
    }) && face->font.embeddable();
    if (!usable) {
        m_byFile.insert(key, nullptr);
        return nullptr;
    }
    const int index = int(m_faces.size());
    face->resourceName = "F" + QByteArray::number(index + 1);
    face->baseName = subsetTag(index) + '+' + safeName(engine.properties().postscriptName);
    face->object = m_document.reserve();
    m_byFile.insert(key, face.get());
    m_faces.push_back(std::move(face));
    return m_faces.back().get();
}

QByteArray PdfFontSet::use(QFontEngine &engine, const quint32 *glyphs, int count, quint16 *codes)
{
    Face *face = faceOf(engine);
    if (!face)
        return {};
    for (int i = 0; i < count; ++i) {
        if (glyphs[i] >= quint32(face->font.glyphCount()))
            return {};
        auto known = face->codes.constFind(glyphs[i]);
        if (known == face->codes.constEnd()) {
            known = face->codes.insert(glyphs[i], quint16(face->glyphs.size()));
            face->glyphs.push_back(glyphs[i]);
        }
        codes[i] = *known;
    }
    return face->resourceName;
}

QByteArray PdfFontSet::resources() const
{
    QByteArray out;
    for (const auto &face : m_faces)
        out.append('/')
            .append(face->resourceName)
            .append(' ')
            .append(PdfDocument::reference(face->object))
            .append(' ');
    return out;
}

void PdfFontSet::write()
{
    for (const auto &face : m_faces)
        writeFace(*face);
}

void PdfFontSet::writeFace(const Face &face)
{
    const TrueTypeFont &font = face.font;
    const double scale = 1000.0 / font.unitsPerEm();
    const int descendant = m_document.reserve();
    const int descriptor = m_document.reserve();
    const int program = m_document.reserve();
    const int toUnicode = m_document.reserve();

    QByteArray type0("<< /Type /Font /Subtype /Type0 /BaseFont /");
    type0.append(face.baseName).append(" /Encoding /Identity-H /DescendantFonts [");
    type0.append(PdfDocument::reference(descendant))
        .append("] /ToUnicode ")
        .append(PdfDocument::reference(toUnicode));
    m_document.writeObject(face.object, type0.append(" >>"));

    QByteArray cidFont("<< /Type /Font /Subtype /CIDFontType2 /BaseFont /");
    cidFont.append(face.baseName);
    cidFont.append(
        " /CIDSystemInfo << /Registry (Adobe) /Ordering (Identity) /Supplement 0 >> /FontDescriptor ");
    cidFont.append(PdfDocument::reference(descriptor)).append(" /CIDToGIDMap /Identity /W ");
    m_document.writeObject(descendant, cidFont.append(widthArray(font, face.glyphs)).append(" >>"));

    const QRect box = font.boundingBox();
    QByteArray described("<< /Type /FontDescriptor /FontName /");
    described.append(face.baseName).append(" /Flags ").append(font.isFixedPitch() ? "5" : "4");
    described.append(" /FontBBox [");
    for (const int value : { box.left(), box.top(), box.right(), box.bottom() }) {
        PdfDocument::appendNumber(described, value * scale);
        described.append(' ');
    }
    described.append("] /ItalicAngle ");
    PdfDocument::appendNumber(described, font.italicAngle());
    described.append(" /Ascent ");
    PdfDocument::appendNumber(described, font.ascent() * scale);
    described.append(" /Descent ");
    PdfDocument::appendNumber(described, font.descent() * scale);
    described.append(" /CapHeight ");
    PdfDocument::appendNumber(described, font.capHeight() * scale);
    described.append(" /StemV 80 /FontFile2 ").append(PdfDocument::reference(program)).append(" >>");
    m_document.writeObject(descriptor, described);

    const QByteArray subset = font.subset(face.glyphs);
    m_document.writeStream(program, " /Length1 " + QByteArray::number(subset.size()), subset);
    const QHash<quint32, char32_t> byGlyph
        = font.unicodesOf(QSet<quint32>(face.glyphs.begin(), face.glyphs.end()));
    QHash<quint32, char32_t> byCode;
    for (auto it = byGlyph.cbegin(); it != byGlyph.cend(); ++it)
        byCode.insert(face.codes.value(it.key()), it.value());
    m_document.writeStream(toUnicode, QByteArray(), toUnicodeMap(byCode));
}
