#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

// One picture of an icon as icon files and icon resources hold it: a
// bitmap with its height doubled (colour bits, then a one-bit transparency
// mask), or a complete PNG file.
namespace IconImage {

// The largest icon picture accepted on a side; Windows icons stop at 256.
constexpr int kMaxSide = 1024;

struct Info
{
    QSize size;
    int bitsPerPixel = 0; // colour depth: 1, 4, 8, 16, 24 or 32
    bool png = false;
};

// Reads only the header: size and depth, or false when the picture cannot
// be one (cut short, impossible sizes or depths).
bool probe(const QByteArray &bytes, Info *info);
// The picture with straight alpha (ARGB32); null when it cannot be decoded.
[[nodiscard]] QImage decode(const QByteArray &bytes);

// A bitmap picture of the image at 32 bits (with alpha) or 4 bits (the
// sixteen standard colours); transparent pixels are set in the mask.
[[nodiscard]] QByteArray encode(const QImage &image, int bitsPerPixel);

} // namespace IconImage
