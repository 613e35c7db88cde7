// Qt has no PCX reader and Debian's Qt 6 packages bring none (the KDE
// image plugins there are built for Qt 5), so this small decoder is ours.
#include "pictures/pcxdecoder.h"

#include "base/bytereader.h"
#include "metafile/dib.h"

#include <vector>

namespace PcxDecoder {

namespace {

QImage fail(QString *error, const QString &message)
{
    if (error)
        *error = message;
    return {};
}

// Run-length decoding of one scan line of all planes; false when the data
// ends first.
bool readLine(ByteReader &r, bool compressed, std::vector<uchar> &line)
{
    size_t at = 0;
    while (at < line.size()) {
        if (!r.has(1))
            return false;
        uchar byte = r.u8();
        size_t count = 1;
        if (compressed && (byte & 0xC0) == 0xC0) {
            count = byte & 0x3F;
            if (!r.has(1))
                return false;
            byte = r.u8();
        }
        // A run may spill over the line's end; the rest is dropped.
        for (; count > 0 && at < line.size(); --count)
            line[at++] = byte;
    }
    return true;
}

} // namespace

QImage decode(const QByteArray &data, QString *error)
{
    ByteReader r(data);
    const uchar manufacturer = r.u8();
    r.u8(); // version
    const uchar encoding = r.u8();
    const int bits = r.u8();
    const int xMin = r.u16(), yMin = r.u16(), xMax = r.u16(), yMax = r.u16();
    r.skip(4);
    const QByteArray egaPalette = r.bytes(48);
    r.u8();
    const int planes = r.u8();
    const int bytesPerLine = r.u16();
    if (!r.ok() || data.size() < 128)
        return fail(error, QStringLiteral("The PCX header is cut short"));
    if (manufacturer != 0x0A || encoding > 1)
        return fail(error, QStringLiteral("The file is not a PCX picture"));
    const int width = xMax - xMin + 1;
    const int height = yMax - yMin + 1;
    if (width <= 0 || height <= 0 || qint64(width) * height > Dib::kMaxPixels)
        return fail(error, QStringLiteral("The PCX picture size is not acceptable"));
    const bool supported = (planes == 1 && (bits == 1 || bits == 2 || bits == 4 || bits == 8))
        || (planes == 4 && bits == 1) || ((planes == 3 || planes == 4) && bits == 8);
    if (!supported)
        return fail(error, QStringLiteral("The PCX picture format is not supported"));
    if (bytesPerLine <= 0 || qint64(bytesPerLine) * 8 < qint64(width) * bits || bytesPerLine > 65535)
        return fail(error, QStringLiteral("The PCX line length is not valid"));

    QVector<QRgb> palette(256, qRgb(0, 0, 0));
    if (planes == 1 && bits == 8) {
        // The 256-colour palette follows the pixels behind a marker byte.
        const qsizetype at = data.size() - 769;
        if (at < 128 || uchar(data[at]) != 0x0C)
            return fail(error, QStringLiteral("The PCX palette is missing"));
        for (int i = 0; i < 256; ++i)
            palette[i]
                = qRgb(uchar(data[at + 1 + 3 * i]), uchar(data[at + 2 + 3 * i]), uchar(data[at + 3 + 3 * i]));
    } else if (bits * planes == 1) {
        palette[0] = qRgb(0, 0, 0);
        palette[1] = qRgb(255, 255, 255);
    } else {
        for (int i = 0; i < 16; ++i)
            palette[i]
                = qRgb(uchar(egaPalette[3 * i]), uchar(egaPalette[3 * i + 1]), uchar(egaPalette[3 * i + 2]));
    }

    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull())
        return fail(error, QStringLiteral("The PCX picture is too large"));
    std::vector<uchar> line(size_t(bytesPerLine) * size_t(planes));
    r.seek(128);
    for (int y = 0; y < height; ++y) {
        if (!readLine(r, encoding == 1, line))
            return fail(error, QStringLiteral("The PCX picture is cut short"));
        auto *out = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            if (bits == 8 && planes >= 3) {
                out[x] = qRgb(
                    line[size_t(x)], line[size_t(bytesPerLine + x)], line[size_t(2 * bytesPerLine + x)]);
            } else if (planes == 4) {
                int index = 0;
                for (int p = 0; p < 4; ++p)
                    index |= ((line[size_t(p * bytesPerLine + x / 8)] >> (7 - x % 8)) & 1) << p;
                out[x] = palette[index];
            } else {
                const int perByte = 8 / bits;
                const int shift = (perByte - 1 - x % perByte) * bits;
                out[x] = palette[(line[size_t(x / perByte)] >> shift) & ((1 << bits) - 1)];
            }
        }
    }
    return image;
}

} // namespace PcxDecoder
