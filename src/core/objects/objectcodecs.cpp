#include "objects/objectcodecs.h"

#include "objects/storedbitmap.h"

#include "pictures/picture.h"
#include "pictures/picturedata.h"
#include "richtext/wprtfstorage.h"
#include "stream/reader.h"
#include "stream/streamerror.h"

#include <QtEndian>

#include <algorithm>

namespace Records {

namespace {

// Records may come from anywhere; a coordinate beyond this is no place on
// any page.
constexpr int kMaxCoordinate = 1 << 24;

[[noreturn]] void invalidValue()
{
    throw StreamError(StreamMessages::invalidPropertyValue());
}

} // namespace

qint32 Coordinate::read(TReader &reader) const
{
    return std::clamp(reader.readInteger(), -kMaxCoordinate, kMaxCoordinate);
}

void PictureCodec::write(TWriter &writer, const char *name, const Picture &value, const WriteRule &rule) const
{
    binary.write(writer, name, PictureData::encode(value), rule);
}

Picture PictureCodec::read(TReader &reader) const
{
    Picture picture;
    if (!PictureData::decode(reader.readBinary(), &picture))
        invalidValue();
    return picture;
}

void BitmapCodec::write(
    TWriter &writer, const char *name, const StoredBitmap &value, const WriteRule &rule) const
{
    QByteArray data;
    if (!value.isEmpty()) {
        data = QByteArray(4, '\0');
        qToLittleEndian<qint32>(qint32(value.bmpData().size()), data.data());
        data += value.bmpData();
    }
    binary.write(writer, name, data, rule);
}

StoredBitmap BitmapCodec::read(TReader &reader) const
{
    const QByteArray data = reader.readBinary();
    StoredBitmap bitmap;
    if (data.isEmpty())
        return bitmap;
    const qint32 length = data.size() >= 4 ? qFromLittleEndian<qint32>(data.constData()) : -1;
    if (length != data.size() - 4 || !bitmap.setBmpData(data.mid(4)))
        invalidValue();
    return bitmap;
}

void RtfCodec::write(
    TWriter &writer, const char *name, const TWPRtfStorage &value, const WriteRule &rule) const
{
    binary.write(writer, name, value.rtf(), rule);
}

TWPRtfStorage RtfCodec::read(TReader &reader) const
{
    TWPRtfStorage text;
    text.setRtf(reader.readBinary());
    return text;
}

} // namespace Records
