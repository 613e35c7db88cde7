#pragma once

#include "rtfparser.h"

#include <QImage>
#include <QSizeF>

// Turns the bytes of an RTF picture into an image and tells the size it is
// shown at. PNG, JPEG and device-independent bitmaps go through Qt's image
// readers; device-dependent bitmaps (\wbitmap) have no reader, so they are
// unpacked here; metafiles are played by the metafile player.
namespace RtfPictureDecoder {

// A null image when the picture cannot be read.
[[nodiscard]] QImage decode(const RtfPicture &picture);
// The shown size in document pixels (96 per inch): the goal size and scale
// when given, else the picture's own size.
[[nodiscard]] QSizeF displaySize(const RtfPicture &picture, const QSize &imageSize);

} // namespace RtfPictureDecoder
