#include "metafile/dib.h"

#include "base/bytereader.h"
#include "metafile/indexedimage.h"

#include <QBuffer>
#include <QImageReader>

namespace Dib {

namespace {

enum Compression : uint32_t { BiRgb = 0, BiRle8 = 1, BiRle4 = 2, BiBitfields = 3, BiJpeg = 4, BiPng = 5 };

struct Header
{
    qsizetype headerSize = 0;
    qint64 width = 0;
    qint64 height = 0; // negative for top-down rows
    int bitCount = 0;
    uint32_t compression = BiRgb;
    qsizetype colorCount = 0;
    qsizetype infoSize = 0; // header + masks + colour table
};

bool fail(QString *error, const QString &message)
{
    if (error)
        *error = message;
    return false;
}

bool readHeader(const QByteArray &info, Header *h, QString *error)
{
    ByteReader r(info);
    h->headerSize = r.u32();
    int entrySize = 4;
    if (h->headerSize == 12) {
        h->width = r.u16();
        h->height = r.i16();
        r.u16();
        h->bitCount = r.u16();
        entrySize = 3;
    } else if (h->headerSize >= 40 && h->headerSize <= 1024) {
        h->width = r.i32();
        h->height = r.i32();
        r.u16();
        h->bitCount = r.u16();
        h->compression = r.u32();
        r.skip(12);
        h->colorCount = r.u32();
    } else {
        return fail(error, QStringLiteral("The bitmap header is not valid"));
    }
    if (!r.ok())
        return fail(error, QStringLiteral("The bitmap header is cut short"));
    const qint64 rows = h->height < 0 ? -h->height : h->height;
    if (h->width <= 0 || rows == 0 || h->width > kMaxSide || rows > kMaxSide || h->width * rows > kMaxPixels)
        return fail(
            error, QStringLiteral("The bitmap size %1 x %2 is not acceptable").arg(h->width).arg(h->height));
    switch (h->bitCount) {
    case 1:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32:
        break;
    case 0:
        if (h->compression == BiJpeg || h->compression == BiPng)
            break;
        [[fallthrough]];
    default:
        return fail(error, QStringLiteral("The bitmap depth %1 is not supported").arg(h->bitCount));
    }
    if (h->compression > BiPng)
        return fail(error, QStringLiteral("The bitmap compression %1 is not supported").arg(h->compression));
    if (h->bitCount <= 8 && h->bitCount > 0) {
        const qsizetype full = qsizetype(1) << h->bitCount;
        if (h->colorCount == 0 || h->colorCount > full)
            h->colorCount = full;
    } else if (h->colorCount > 256) {
        return fail(error, QStringLiteral("The bitmap colour table is not valid"));
    }
    const qsizetype masks = (h->compression == BiBitfields && h->headerSize == 40) ? 12 : 0;
    h->infoSize = h->headerSize + masks + h->colorCount * entrySize;
    if (h->infoSize > info.size())
        return fail(error, QStringLiteral("The bitmap colour table is cut short"));
    return true;
}

qsizetype stride(const Header &h)
{
    return qsizetype((h.width * h.bitCount + 31) / 32) * 4;
}

// 32-bit uncompressed pixels, read directly so alpha can be kept.
QImage decode32(const Header &h, const QByteArray &bits, Alpha alpha)
{
    const int w = int(h.width);
    const int rows = int(h.height < 0 ? -h.height : h.height);
    QImage image(
        w, rows, alpha == Alpha::Premultiplied ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    if (image.isNull())
        return {};
    const qsizetype lineBytes = stride(h);
    bool anyAlpha = false;
    for (int y = 0; y < rows; ++y) {
        const int source = h.height < 0 ? y : rows - 1 - y;
        const auto *in = reinterpret_cast<const uchar *>(bits.constData() + source * lineBytes);
        auto *out = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < w; ++x, in += 4) {
            const uint a = in[3];
            anyAlpha |= a != 0;
            out[x] = qRgba(in[2], in[1], in[0], alpha == Alpha::Premultiplied ? a : 255);
        }
    }
    // Writers that leave alpha at zero mean an opaque picture.
    if (alpha == Alpha::Premultiplied && !anyAlpha)
        return decode32(h, bits, Alpha::Ignore);
    return image;
}

QImage decodeEmbedded(const Header &h, const QByteArray &bits, QString *error)
{
    QBuffer buffer;
    buffer.setData(bits);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, h.compression == BiJpeg ? "jpeg" : "png");
    const QSize size = reader.size();
    if (!size.isValid() || qint64(size.width()) * size.height() > kMaxPixels) {
        fail(error, QStringLiteral("The embedded picture is not valid"));
        return {};
    }
    QImage image = reader.read();
    if (image.isNull())
        fail(error, QStringLiteral("The embedded picture cannot be read"));
    return image;
}

} // namespace

qsizetype infoSize(const QByteArray &packed)
{
    Header h;
    return readHeader(packed, &h, nullptr) ? h.infoSize : 0;
}

QImage decode(const QByteArray &info, const QByteArray &bits, Alpha alpha, QString *error)
{
    Header h;
    if (!readHeader(info, &h, error))
        return {};
    if (h.compression == BiJpeg || h.compression == BiPng)
        return decodeEmbedded(h, bits, error);
    const qint64 rows = h.height < 0 ? -h.height : h.height;
    if (h.compression == BiRgb || h.compression == BiBitfields) {
        if (stride(h) * rows > bits.size()) {
            fail(error, QStringLiteral("The bitmap bits are cut short"));
            return {};
        }
        if (h.bitCount == 32 && h.compression == BiRgb)
            return decode32(h, bits, alpha);
    } else if (h.height < 0) {
        fail(error, QStringLiteral("A compressed bitmap cannot be stored top-down"));
        return {};
    }
    // Everything else goes through Qt's BMP reader behind a file header.
    QByteArray file;
    const qsizetype offset = 14 + h.infoSize;
    file.reserve(offset + bits.size());
    auto put32 = [&file](quint32 v) {
        for (int i = 0; i < 4; ++i)
            file.append(char((v >> (8 * i)) & 0xff));
    };
    file.append("BM", 2);
    put32(quint32(offset + bits.size()));
    put32(0);
    put32(quint32(offset));
    file.append(info.constData(), h.infoSize);
    file.append(bits);
    QImage image = withCompleteColorTable(QImage::fromData(file, "BMP"));
    if (image.isNull())
        fail(error, QStringLiteral("The bitmap cannot be read"));
    return image;
}

QImage decodePacked(const QByteArray &packed, Alpha alpha, QString *error)
{
    Header h;
    if (!readHeader(packed, &h, error))
        return {};
    return decode(packed.left(h.infoSize), packed.mid(h.infoSize), alpha, error);
}

QImage decodeFile(const QByteArray &file, QString *error)
{
    ByteReader r(file);
    const quint16 magic = r.u16();
    r.skip(8);
    const quint32 offBits = r.u32();
    if (!r.ok() || magic != 0x4D42) {
        fail(error, QStringLiteral("The file is not a BMP picture"));
        return {};
    }
    Header h;
    const QByteArray info = file.mid(14);
    if (!readHeader(info, &h, error))
        return {};
    // Some writers leave the bits offset at zero; the bits then follow the info.
    const qsizetype bitsAt = offBits >= 14 + quint32(h.infoSize) && offBits <= quint32(file.size())
        ? qsizetype(offBits)
        : 14 + h.infoSize;
    return decode(info.left(h.infoSize), file.mid(bitsAt), Alpha::Ignore, error);
}

} // namespace Dib
