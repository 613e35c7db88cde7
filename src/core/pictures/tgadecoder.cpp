// Qt's TGA plugin reads only uncompressed files that carry the version 2
// footer; clip art of the program's time mostly has neither, so TGA is
// decoded here.
#include "pictures/tgadecoder.h"

#include "base/bytereader.h"
#include "metafile/dib.h"

#include <vector>

namespace TgaDecoder {

namespace {

QImage fail(QString *error, const QString &message)
{
    if (error)
        *error = message;
    return {};
}

QRgb colour(const uchar *p, int bytes)
{
    switch (bytes) {
    case 1:
        return qRgb(p[0], p[0], p[0]);
    case 2: {
        const int v = p[0] | (p[1] << 8);
        const int r = (v >> 10) & 31, g = (v >> 5) & 31, b = v & 31;
        return qRgb(r * 255 / 31, g * 255 / 31, b * 255 / 31);
    }
    case 3:
        return qRgb(p[2], p[1], p[0]);
    default:
        return qRgba(p[2], p[1], p[0], p[3]);
    }
}

} // namespace

QImage decode(const QByteArray &data, QString *error)
{
    ByteReader r(data);
    const int idLength = r.u8();
    const int mapType = r.u8();
    const int type = r.u8();
    const int mapFirst = r.u16();
    const int mapLength = r.u16();
    const int mapBits = r.u8();
    r.skip(4); // origin
    const int width = r.u16();
    const int height = r.u16();
    const int bits = r.u8();
    const int descriptor = r.u8();
    if (!r.ok())
        return fail(error, QStringLiteral("The TGA header is cut short"));
    const int base = type & ~8;
    const bool packed = type & 8;
    if ((base != 1 && base != 2 && base != 3) || type > 11 || mapType > 1)
        return fail(error, QStringLiteral("The file is not a TGA picture"));
    if (width == 0 || height == 0 || qint64(width) * height > Dib::kMaxPixels)
        return fail(error, QStringLiteral("The TGA picture size is not acceptable"));
    const bool validDepth = base == 1
        ? bits == 8 && mapType == 1 && (mapBits == 15 || mapBits == 16 || mapBits == 24 || mapBits == 32)
        : base == 3 ? bits == 8
                    : (bits == 15 || bits == 16 || bits == 24 || bits == 32);
    if (!validDepth)
        return fail(error, QStringLiteral("The TGA picture format is not supported"));
    r.skip(idLength);
    std::vector<QRgb> palette;
    if (mapType == 1) {
        const int entryBytes = (mapBits + 7) / 8;
        if (!r.has(qsizetype(mapLength) * entryBytes))
            return fail(error, QStringLiteral("The TGA picture is cut short"));
        for (int i = 0; i < mapLength; ++i)
            palette.push_back(
                colour(reinterpret_cast<const uchar *>(r.bytes(entryBytes).constData()), entryBytes));
    }
    const int pixelBytes = (bits + 7) / 8;
    const bool alpha = bits == 32 || (base == 1 && mapBits == 32);
    QImage image(width, height, alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (image.isNull())
        return fail(error, QStringLiteral("The TGA picture is too large"));
    const bool topDown = descriptor & 0x20;
    auto toColour = [&](const uchar *p) -> QRgb {
        if (base != 1)
            return colour(p, pixelBytes);
        const int index = p[0] - mapFirst;
        return index >= 0 && index < int(palette.size()) ? palette[size_t(index)] : qRgb(0, 0, 0);
    };
    const qint64 total = qint64(width) * height;
    qint64 done = 0;
    QRgb runColour = 0;
    int runLeft = 0;
    bool runRepeats = false;
    while (done < total) {
        if (packed && runLeft == 0) {
            if (!r.has(1))
                return fail(error, QStringLiteral("The TGA picture is cut short"));
            const int head = r.u8();
            runLeft = (head & 0x7f) + 1;
            runRepeats = head & 0x80;
            if (runRepeats) {
                if (!r.has(pixelBytes))
                    return fail(error, QStringLiteral("The TGA picture is cut short"));
                runColour = toColour(reinterpret_cast<const uchar *>(r.current()));
                r.skip(pixelBytes);
            }
        }
        QRgb pixel = runColour;
        if (!packed || !runRepeats) {
            if (!r.has(pixelBytes))
                return fail(error, QStringLiteral("The TGA picture is cut short"));
            pixel = toColour(reinterpret_cast<const uchar *>(r.current()));
            r.skip(pixelBytes);
        }
        if (packed)
            --runLeft;
        const int x = int(done % width);
        const int row = int(done / width);
        const int y = topDown ? row : height - 1 - row;
        reinterpret_cast<QRgb *>(image.scanLine(y))[x] = pixel;
        ++done;
    }
    return image;
}

} // namespace TgaDecoder
