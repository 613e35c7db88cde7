// Feeds arbitrary bytes to the TrueType reader as a font file: its tables
// are loaded, a few glyphs the input names are looked up and cut out, and
// the cut-down font must load again.
#include "report/pdf/truetypefont.h"

#include <QtEndian>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

// The table of a font file by its directory; empty when absent or out of bounds.
QByteArray tableOf(const QByteArray &file, const char *tag)
{
    const auto *data = reinterpret_cast<const uchar *>(file.constData());
    const size_t size = size_t(file.size());
    if (size < 12)
        return {};
    const size_t count = qFromBigEndian<quint16>(data + 4);
    for (size_t entry = 12; entry - 12 < 16 * count && entry + 16 <= size; entry += 16) {
        if (std::memcmp(data + entry, tag, 4) != 0)
            continue;
        const size_t offset = qFromBigEndian<quint32>(data + entry + 8);
        const size_t length = qFromBigEndian<quint32>(data + entry + 12);
        return offset <= size && length <= size - offset ? file.mid(qsizetype(offset), qsizetype(length))
                                                         : QByteArray();
    }
    return {};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 16)
        return 0;
    const QByteArray file(reinterpret_cast<const char *>(data), qsizetype(size));
    TrueTypeFont font;
    if (!font.load([&](const char *tag) { return tableOf(file, tag); }))
        return 0;
    // The file's last bytes name the glyphs, so mutations reach them.
    std::vector<quint32> glyphs { 0 };
    for (size_t i = size - 6; i < size; i += 2)
        glyphs.push_back(qFromBigEndian<quint16>(data + i) % quint32(font.glyphCount() + 2));
    (void)font.unicodesOf(QSet<quint32>(glyphs.begin(), glyphs.end()));
    for (const quint32 glyph : glyphs)
        (void)font.advance(glyph);
    const QByteArray cut = font.subset(glyphs);
    TrueTypeFont reread;
    if (!reread.load([&](const char *tag) { return tableOf(cut, tag); }))
        std::abort(); // a cut-down font every reader refuses would spoil the PDF
    return 0;
}
