#pragma once

#include "richtext/rtfparser.h"

#include <QImage>
#include <QSizeF>

// Turns the bytes of an RTF picture into an image and tells the size it is
// shown at. PNG, JPEG and device-independent bitmaps go through Qt's image
// readers; device-dependent bitmaps (\wbitmap) have no reader, so they are
// unpacked here; metafiles are played by the metafile player into an image
// twice as fine as they are shown.
namespace RtfPictureDecoder {

struct Picture
{
    QImage image; // null when the picture cannot be read
    QSizeF size; // shown size in document pixels (96 per inch)
};

[[nodiscard]] Picture decode(const RtfPicture &picture);
// The shown size: the goal size and scale when given, else the picture's
// own size (a metafile's from its header).
[[nodiscard]] QSizeF displaySize(const RtfPicture &picture, const QSizeF &ownSize);

} // namespace RtfPictureDecoder
