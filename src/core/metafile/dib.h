#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Device-independent bitmaps as metafiles, BMP files and pattern brushes
// carry them: a BITMAPINFO (header and colour table) and the pixel bits.
namespace Dib {

// The largest bitmap accepted, so a forged header cannot ask for gigabytes.
constexpr qint64 kMaxPixels = 16 * 1024 * 1024;
constexpr int kMaxSide = 32768;

enum class Alpha {
    Ignore, // 32-bit pixels are opaque, as GDI blits them
    Premultiplied, // 32-bit pixels carry premultiplied alpha (AlphaBlend)
};

// Decodes a bitmap whose info and bits lie in separate blocks. A null image
// and a message on failure; never allocates more than the header's checked size.
[[nodiscard]] QImage decode(
    const QByteArray &info, const QByteArray &bits, Alpha alpha = Alpha::Ignore, QString *error = nullptr);
// A packed DIB: the info directly followed by the bits.
[[nodiscard]] QImage decodePacked(
    const QByteArray &packed, Alpha alpha = Alpha::Ignore, QString *error = nullptr);
// A complete BMP file (file header, info and bits).
[[nodiscard]] QImage decodeFile(const QByteArray &file, QString *error = nullptr);
// Size in bytes of the info block (header, masks and colour table) at the
// start of a packed DIB; 0 when the header is not one.
[[nodiscard]] qsizetype infoSize(const QByteArray &packed);

} // namespace Dib
