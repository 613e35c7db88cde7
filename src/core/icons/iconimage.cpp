// Icon pictures are read here rather than by Qt's ICO reader: the same
// pictures sit inside icon libraries and programs, where Qt has no reader,
// and choosing among them needs their sizes and depths before decoding.
#include "icons/iconimage.h"

#include "base/bytereader.h"

#include <QBuffer>
#include <QImageReader>

#include <array>

namespace IconImage {

namespace {

const QByteArray kPngSignature("\x89PNG\r\n\x1a\n", 8);

struct Bitmap
{
    int width = 0;
    int height = 0; // of the picture: half the header's height
    int bitsPerPixel = 0;
    qsizetype colors = 0;
    qsizetype paletteAt = 0;
    qsizetype colorAt = 0;
    qsizetype colorStride = 0;
    qsizetype maskAt = 0;
    qsizetype maskStride = 0;
};

quint32 bigEndian32(const QByteArray &bytes, qsizetype at)
{
    const auto *p = reinterpret_cast<const uchar *>(bytes.constData() + at);
    return (quint32(p[0]) << 24) | (quint32(p[1]) << 16) | (quint32(p[2]) << 8) | p[3];
}

bool acceptableSize(qint64 width, qint64 height)
{
    return width >= 1 && height >= 1 && width <= kMaxSide && height <= kMaxSide;
}

bool probePng(const QByteArray &bytes, Info *info)
{
    // The signature, then the IHDR chunk: length, name, width, height, depth, colour type.
    if (bytes.size() < 33 || bytes.mid(12, 4) != "IHDR")
        return false;
    const qint64 width = bigEndian32(bytes, 16);
    const qint64 height = bigEndian32(bytes, 20);
    const int depth = uchar(bytes[24]);
    int channels = 0;
    switch (uchar(bytes[25])) {
    case 0: // grey
    case 3: // palette
        channels = 1;
        break;
    case 2:
        channels = 3;
        break;
    case 4:
        channels = 2;
        break;
    case 6:
        channels = 4;
        break;
    default:
        return false;
    }
    if (!acceptableSize(width, height) || depth < 1 || depth > 16)
        return false;
    info->size = QSize(int(width), int(height));
    info->bitsPerPixel = std::min(32, depth * channels);
    info->png = true;
    return true;
}

bool readBitmap(const QByteArray &bytes, Bitmap *b)
{
    ByteReader r(bytes);
    const quint32 headerSize = r.u32();
    const qint64 width = r.i32();
    const qint64 doubledHeight = r.i32();
    r.u16(); // planes
    const int bitsPerPixel = r.u16();
    const quint32 compression = r.u32();
    r.skip(12);
    const quint32 colorsUsed = r.u32();
    if (!r.ok() || headerSize < 40 || headerSize > 1024 || compression != 0)
        return false;
    if (!acceptableSize(width, doubledHeight / 2))
        return false;
    switch (bitsPerPixel) {
    case 1:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32:
        break;
    default:
        return false;
    }
    b->width = int(width);
    b->height = int(doubledHeight / 2);
    b->bitsPerPixel = bitsPerPixel;
    if (bitsPerPixel <= 8) {
        const qsizetype full = qsizetype(1) << bitsPerPixel;
        b->colors = colorsUsed == 0 || colorsUsed > quint32(full) ? full : qsizetype(colorsUsed);
    }
    b->paletteAt = headerSize;
    b->colorAt = b->paletteAt + 4 * b->colors;
    b->colorStride = (width * bitsPerPixel + 31) / 32 * 4;
    b->maskAt = b->colorAt + b->colorStride * b->height;
    b->maskStride = (width + 31) / 32 * 4;
    // Colour bits and mask must both be there; sizes are small enough here
    // that none of these products overflows.
    return b->maskAt + b->maskStride * b->height <= bytes.size();
}

QImage decodePng(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "png");
    const QSize size = reader.size();
    if (!size.isValid() || !acceptableSize(size.width(), size.height()))
        return {};
    return reader.read().convertToFormat(QImage::Format_ARGB32);
}

QRgb colorAt(const Bitmap &b, const uchar *palette, const uchar *row, int x)
{
    auto fromPalette = [&](qsizetype index) {
        if (index >= b.colors)
            return qRgb(0, 0, 0);
        const uchar *entry = palette + 4 * index;
        return qRgb(entry[2], entry[1], entry[0]);
    };
    switch (b.bitsPerPixel) {
    case 1:
        return fromPalette((row[x >> 3] >> (7 - (x & 7))) & 1);
    case 4:
        return fromPalette((row[x >> 1] >> ((x & 1) ? 0 : 4)) & 0xf);
    case 8:
        return fromPalette(row[x]);
    case 16: {
        const uint v = row[2 * x] | (uint(row[2 * x + 1]) << 8);
        auto five = [](uint c) { return int((c << 3) | (c >> 2)); };
        return qRgb(five((v >> 10) & 31), five((v >> 5) & 31), five(v & 31));
    }
    case 24:
        return qRgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
    default:
        return qRgba(row[4 * x + 2], row[4 * x + 1], row[4 * x], row[4 * x + 3]);
    }
}

// A 32-bit picture whose alpha is zero throughout predates alpha: its mask decides.
bool carriesAlpha(const Bitmap &b, const uchar *data)
{
    if (b.bitsPerPixel != 32)
        return false;
    for (int y = 0; y < b.height; ++y) {
        const uchar *row = data + b.colorAt + y * b.colorStride;
        for (int x = 0; x < b.width; ++x) {
            if (row[4 * x + 3] != 0)
                return true;
        }
    }
    return false;
}

QImage decodeBitmap(const QByteArray &bytes)
{
    Bitmap b;
    if (!readBitmap(bytes, &b))
        return {};
    QImage image(b.width, b.height, QImage::Format_ARGB32);
    if (image.isNull())
        return {};
    const auto *data = reinterpret_cast<const uchar *>(bytes.constData());
    const bool alpha = carriesAlpha(b, data);
    for (int y = 0; y < b.height; ++y) {
        const int source = b.height - 1 - y; // rows are stored bottom-up
        const uchar *row = data + b.colorAt + source * b.colorStride;
        const uchar *mask = data + b.maskAt + source * b.maskStride;
        auto *out = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < b.width; ++x) {
            const QRgb color = colorAt(b, data + b.paletteAt, row, x);
            const bool transparent = (mask[x >> 3] >> (7 - (x & 7))) & 1;
            out[x] = alpha ? color : (transparent ? qRgba(0, 0, 0, 0) : (color | 0xff000000u));
        }
    }
    return image;
}

// The sixteen colours of the standard palette, in their usual order.
constexpr std::array<QRgb, 16> kStandardColors { 0xff000000, 0xff800000, 0xff008000, 0xff808000, 0xff000080,
    0xff800080, 0xff008080, 0xffc0c0c0, 0xff808080, 0xffff0000, 0xff00ff00, 0xffffff00, 0xff0000ff,
    0xffff00ff, 0xff00ffff, 0xffffffff };

int nearestStandardColor(QRgb color)
{
    int best = 0;
    int bestDistance = INT_MAX;
    for (int i = 0; i < int(kStandardColors.size()); ++i) {
        const int dr = qRed(color) - qRed(kStandardColors[i]);
        const int dg = qGreen(color) - qGreen(kStandardColors[i]);
        const int db = qBlue(color) - qBlue(kStandardColors[i]);
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return best;
}

void put16(QByteArray &out, quint16 v)
{
    out.append(char(v & 0xff)).append(char(v >> 8));
}

void put32(QByteArray &out, quint32 v)
{
    for (int i = 0; i < 4; ++i)
        out.append(char((v >> (8 * i)) & 0xff));
}

} // namespace

bool probe(const QByteArray &bytes, Info *info)
{
    if (bytes.startsWith(kPngSignature))
        return probePng(bytes, info);
    Bitmap b;
    if (!readBitmap(bytes, &b))
        return false;
    info->size = QSize(b.width, b.height);
    info->bitsPerPixel = b.bitsPerPixel;
    info->png = false;
    return true;
}

QImage decode(const QByteArray &bytes)
{
    return bytes.startsWith(kPngSignature) ? decodePng(bytes) : decodeBitmap(bytes);
}

QByteArray encode(const QImage &source, int bitsPerPixel)
{
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const int w = image.width();
    const int h = image.height();
    const bool indexed = bitsPerPixel == 4;
    const int bpp = indexed ? 4 : 32;
    const qsizetype colorStride = (qsizetype(w) * bpp + 31) / 32 * 4;
    const qsizetype maskStride = (qsizetype(w) + 31) / 32 * 4;
    QByteArray out;
    put32(out, 40);
    put32(out, quint32(w));
    put32(out, quint32(2 * h));
    put16(out, 1);
    put16(out, quint16(bpp));
    put32(out, 0);
    put32(out, quint32((colorStride + maskStride) * h));
    put32(out, 0);
    put32(out, 0);
    put32(out, indexed ? 16 : 0);
    put32(out, 0);
    if (indexed) {
        for (QRgb color : kStandardColors)
            put32(out, color & 0xffffffu); // stored as blue, green, red, 0
    }
    QByteArray colors(colorStride * h, '\0');
    QByteArray mask(maskStride * h, '\0');
    for (int y = 0; y < h; ++y) {
        const int target = h - 1 - y;
        const auto *in = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        uchar *row = reinterpret_cast<uchar *>(colors.data()) + target * colorStride;
        uchar *maskRow = reinterpret_cast<uchar *>(mask.data()) + target * maskStride;
        for (int x = 0; x < w; ++x) {
            const bool transparent = qAlpha(in[x]) < 128;
            if (transparent)
                maskRow[x >> 3] |= uchar(0x80 >> (x & 7));
            if (indexed) {
                const int index = transparent ? 0 : nearestStandardColor(in[x]);
                row[x >> 1] |= uchar((x & 1) ? index : index << 4);
            } else {
                row[4 * x] = uchar(qBlue(in[x]));
                row[4 * x + 1] = uchar(qGreen(in[x]));
                row[4 * x + 2] = uchar(qRed(in[x]));
                row[4 * x + 3] = uchar(qAlpha(in[x]));
            }
        }
    }
    return out + colors + mask;
}

} // namespace IconImage
