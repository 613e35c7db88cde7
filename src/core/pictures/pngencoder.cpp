#include "pictures/pngencoder.h"

#include <QImage>
#include <QtEndian>

#include <zlib.h>

#include <cmath>
#include <vector>

namespace PngEncoder {

namespace {

constexpr quint8 kColourGrey = 0;
constexpr quint8 kColourRgb = 2;
constexpr quint8 kFilterUp = 2;

void appendChunk(QByteArray &out, const char type[4], const QByteArray &data)
{
    char length[4];
    qToBigEndian(quint32(data.size()), length);
    out.append(length, 4);
    const qsizetype start = out.size();
    out.append(type, 4);
    out.append(data);
    const uLong crc
        = crc32(0, reinterpret_cast<const Bytef *>(out.constData() + start), uInt(out.size() - start));
    char crcBytes[4];
    qToBigEndian(quint32(crc), crcBytes);
    out.append(crcBytes, 4);
}

QByteArray bigEndian(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

bool isGrey(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = row[x];
            if (qRed(p) != qGreen(p) || qGreen(p) != qBlue(p))
                return false;
        }
    }
    return true;
}

// One row's samples: grey, or red, green and blue.
void samplesOf(const QRgb *row, int width, bool grey, quint8 *out)
{
    if (grey) {
        for (int x = 0; x < width; ++x)
            out[x] = quint8(qBlue(row[x]));
        return;
    }
    for (int x = 0; x < width; ++x) {
        out[3 * x] = quint8(qRed(row[x]));
        out[3 * x + 1] = quint8(qGreen(row[x]));
        out[3 * x + 2] = quint8(qBlue(row[x]));
    }
}

} // namespace

QByteArray encode(const QImage &source, int dotsPerInch)
{
    if (source.isNull())
        return {};
    const QImage image
        = source.format() == QImage::Format_RGB32 ? source : source.convertToFormat(QImage::Format_RGB32);
    const int width = image.width(), height = image.height();
    const bool grey = isGrey(image);
    const size_t rowBytes = size_t(width) * (grey ? 1 : 3);

    z_stream zs {};
    if (deflateInit(&zs, Z_BEST_SPEED) != Z_OK)
        return {};
    std::vector<quint8> previous(rowBytes, 0), current(rowBytes), line(rowBytes + 1);
    QByteArray compressed;
    compressed.resize(qsizetype(deflateBound(&zs, uLong((rowBytes + 1) * size_t(height)))));
    zs.next_out = reinterpret_cast<Bytef *>(compressed.data());
    zs.avail_out = uInt(compressed.size());
    bool failed = false;
    for (int y = 0; y < height && !failed; ++y) {
        samplesOf(reinterpret_cast<const QRgb *>(image.constScanLine(y)), width, grey, current.data());
        line[0] = kFilterUp;
        for (size_t i = 0; i < rowBytes; ++i)
            line[i + 1] = quint8(current[i] - previous[i]);
        previous.swap(current);
        zs.next_in = line.data();
        zs.avail_in = uInt(line.size());
        failed = deflate(&zs, y + 1 == height ? Z_FINISH : Z_NO_FLUSH) == Z_STREAM_ERROR || zs.avail_in != 0;
    }
    const qsizetype produced = qsizetype(zs.total_out);
    deflateEnd(&zs);
    if (failed)
        return {};
    compressed.truncate(produced);

    QByteArray out("\x89PNG\r\n\x1a\n", 8);
    QByteArray header = bigEndian(quint32(width)) + bigEndian(quint32(height));
    header.append(char(8)); // bits per sample
    header.append(char(grey ? kColourGrey : kColourRgb));
    header.append(3, '\0'); // deflate, adaptive filtering, no interlace
    appendChunk(out, "IHDR", header);
    if (dotsPerInch > 0) {
        const quint32 perMetre = quint32(std::lround(dotsPerInch / 0.0254));
        QByteArray physical = bigEndian(perMetre) + bigEndian(perMetre);
        physical.append(char(1)); // metres
        appendChunk(out, "pHYs", physical);
    }
    appendChunk(out, "IDAT", compressed);
    appendChunk(out, "IEND", {});
    return out;
}

} // namespace PngEncoder
