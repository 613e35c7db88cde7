#pragma once

#include "pictures/picture.h"

#include <QByteArray>
#include <QString>

// The bytes of a picture's "Picture.Data" binary property: the graphic's
// class name as a short string, then its data: "TBitmap" a 4-byte length
// and a complete BMP file; "TMetafile" a 4-byte length and the metafile
// (EMF, or a placeable WMF); "TIcon" the icon file.
namespace PictureData {

// Empty bytes for an empty picture (the property is then not written).
[[nodiscard]] QByteArray encode(const Picture &picture);
// Empty bytes give an empty picture. On failure the picture is untouched.
bool decode(const QByteArray &bytes, Picture *picture, QString *error = nullptr);

} // namespace PictureData
