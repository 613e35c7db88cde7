#include "richtext/rtfpicturedecoder.h"

#include "base/pageresolution.h"
#include "metafile/dib.h"
#include "metafile/indexedimage.h"
#include "metafile/metafile.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kMaxSide = 16384;
constexpr qint64 kMaxPixels = 64LL * 1024 * 1024;
// Pictures in cells are small; a shown size past this is a broken file.
constexpr double kMaxShownSide = 4096;
// Metafiles are played at twice their shown size, within this many pixels.
constexpr double kMaxPlayedPixels = 4.0 * 1024 * 1024;

// A device-dependent bitmap: rows from the top, monochrome (a set bit is the
// background, white) or 24/32-bit blue-green-red.
QImage decodeDeviceBitmap(const RtfPicture &p)
{
    const int width = p.picw;
    const int height = p.pich;
    const int bits = p.bitsPerPixel * std::max(1, p.planes);
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide
        || qint64(width) * height > kMaxPixels)
        return {};
    if (bits != 1 && bits != 24 && bits != 32)
        return {};
    const qint64 minimum = (qint64(width) * bits + 7) / 8;
    const qint64 stride = p.widthBytes > 0 ? p.widthBytes : ((qint64(width) * bits + 15) / 16) * 2;
    if (stride < minimum || stride * height > p.data.size())
        return {};
    QImage image(width, height, QImage::Format_RGB32);
    const auto *bytes = reinterpret_cast<const uchar *>(p.data.constData());
    for (int y = 0; y < height; ++y) {
        const uchar *row = bytes + stride * y;
        auto *out = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            if (bits == 1) {
                const bool set = row[x / 8] & (0x80 >> (x % 8));
                out[x] = set ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
            } else {
                const uchar *px = row + x * (bits / 8);
                out[x] = qRgb(px[2], px[1], px[0]);
            }
        }
    }
    return image;
}

// The metafile played into a transparent image at twice its shown size.
QImage playMetafile(const RtfPicture &p, QSizeF *shown)
{
    Metafile metafile;
    const bool loaded = p.kind == RtfPicture::Emf
        ? metafile.loadFromData(p.data)
        : metafile.loadFromData(p.data, Metafile::Hint { p.mapMode, QSizeF(p.picw, p.pich) });
    if (!loaded)
        return {};
    *shown = RtfPictureDecoder::displaySize(p, metafile.naturalSize());
    const double area = shown->width() * shown->height();
    if (area < 1)
        return {};
    const double fineness = std::min(2.0, std::sqrt(kMaxPlayedPixels / area));
    const QSize pixels = (*shown * fineness).toSize().expandedTo(QSize(1, 1));
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    metafile.draw(painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
    return image;
}

int sanePercent(int percent)
{
    return percent > 0 ? std::min(percent, 10000) : 100;
}

} // namespace

namespace RtfPictureDecoder {

Picture decode(const RtfPicture &picture)
{
    Picture result;
    switch (picture.kind) {
    case RtfPicture::Png:
        result.image = QImage::fromData(picture.data, "PNG");
        break;
    case RtfPicture::Jpeg:
        result.image = QImage::fromData(picture.data, "JPEG");
        break;
    case RtfPicture::Dib:
        result.image = Dib::decodePacked(picture.data, Dib::Alpha::Ignore);
        break;
    case RtfPicture::WBitmap:
        result.image = decodeDeviceBitmap(picture);
        break;
    case RtfPicture::WMetafile:
    case RtfPicture::Emf:
        result.image = playMetafile(picture, &result.size);
        return result;
    case RtfPicture::Unknown:
        return result;
    }
    result.image = withCompleteColorTable(result.image);
    if (!result.image.isNull())
        result.size = displaySize(picture, result.image.size());
    return result;
}

QSizeF displaySize(const RtfPicture &picture, const QSizeF &ownSize)
{
    const double sx = sanePercent(picture.scaleX) / 100.0;
    const double sy = sanePercent(picture.scaleY) / 100.0;
    const bool metafile = picture.kind == RtfPicture::WMetafile || picture.kind == RtfPicture::Emf;
    double w = 0;
    double h = 0;
    if (picture.goalWidth > 0 && picture.goalHeight > 0) {
        w = picture.goalWidth / kTwipsPerPixel;
        h = picture.goalHeight / kTwipsPerPixel;
    } else if (picture.picw > 0 && picture.pich > 0 && !metafile) {
        w = picture.picw; // pixels for bitmaps
        h = picture.pich;
    } else {
        w = ownSize.width();
        h = ownSize.height();
    }
    w = std::clamp(w * sx, 0.0, kMaxShownSide);
    h = std::clamp(h * sy, 0.0, kMaxShownSide);
    return { w, h };
}

} // namespace RtfPictureDecoder
