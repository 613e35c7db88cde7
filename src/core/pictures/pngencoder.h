#pragma once

#include <QByteArray>

class QImage;

// A PNG writer for opaque page pictures, several times faster than the
// general one: a page is mostly white, so each row is stored as its
// difference from the row above and compressed at zlib's fastest level. A
// page without colour is stored as grey, a third of the data.
namespace PngEncoder {

// The file's bytes; empty for a null image. dotsPerInch > 0 is recorded.
[[nodiscard]] QByteArray encode(const QImage &image, int dotsPerInch = 0);

} // namespace PngEncoder
