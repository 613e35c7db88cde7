#pragma once

#include "stream/recordcodecs.h"

class Picture;
class StoredBitmap;
class TWPRtfStorage;

// Codecs of the values only placed objects store, for their record tables.
// Data that does not decode fails the read with "Invalid property value".
namespace Records {

// An integer; reading keeps it to where a page can be, with room left for
// sums and rescaling.
struct Coordinate : Integer
{
    [[nodiscard]] qint32 read(TReader &reader) const;
};

// "Picture.Data": the picture's class name and its data (picturedata.h).
struct PictureCodec
{
    void write(TWriter &writer, const char *name, const Picture &value, const WriteRule &rule) const;
    [[nodiscard]] Picture read(TReader &reader) const;
};

// A bitmap property's data: a 4-byte length, then the BMP file.
struct BitmapCodec
{
    void write(TWriter &writer, const char *name, const StoredBitmap &value, const WriteRule &rule) const;
    [[nodiscard]] StoredBitmap read(TReader &reader) const;
};

// Rich text as its RTF bytes.
struct RtfCodec
{
    void write(TWriter &writer, const char *name, const TWPRtfStorage &value, const WriteRule &rule) const;
    [[nodiscard]] TWPRtfStorage read(TReader &reader) const;
};

inline constexpr Coordinate coordinate {};
inline constexpr PictureCodec pictureData {};
inline constexpr BitmapCodec bitmapData {};
inline constexpr RtfCodec rtfData {};

} // namespace Records
