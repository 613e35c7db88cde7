#include "objects/vimage.h"

#include "graphics/picturedata.h"
#include "graphics/picturefile.h"

#include "stream/propertyio.h"
#include "stream/reader.h"
#include "stream/streamerror.h"

TVImage::TVImage(TComponent *owner)
    : TVGraphicControl(owner)
{
    storeBounds(0, 0, 105, 105);
}

void TVImage::setAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    m_stretch = !autoSize;
    pictureChanged();
    notifyModified();
}

void TVImage::setStretch(bool stretch)
{
    m_stretch = stretch;
    m_autoSize = !stretch;
    invalidate();
}

void TVImage::setBorderStyle(TBorderStyle style)
{
    if (style == m_borderStyle)
        return;
    m_borderStyle = style;
    invalidate();
    notifyModified();
}

void TVImage::setReverse(bool reverse)
{
    if (reverse == m_reverse)
        return;
    m_reverse = reverse;
    invalidate();
    notifyModified();
}

void TVImage::setFlip(bool flip)
{
    if (flip == m_flip)
        return;
    m_flip = flip;
    invalidate();
    notifyModified();
}

void TVImage::setPicture(const Picture &picture)
{
    m_picture = picture;
    pictureChanged();
}

bool TVImage::loadPictureFile(const QString &fileName, QString *error)
{
    Picture picture;
    const bool ok = PictureFile::load(fileName, &picture, error);
    setPicture(ok ? picture : Picture());
    notifyModified();
    return ok;
}

void TVImage::pictureChanged()
{
    if (!isStreaming())
        boundsChanged();
    m_opaque = m_picture.isBitmap() && m_picture.size() == QSize(width(), height());
    invalidate();
}

void TVImage::boundsChanged()
{
    TVGraphicControl::boundsChanged();
    const QSize size = m_picture.size();
    if (!m_autoSize || size.width() <= 0 || size.height() <= 0)
        return;
    const float s = displayScale();
    setBounds(left(), top(), roundHalfEven((long double)size.width() * s),
        roundHalfEven((long double)size.height() * s));
}

QString TVImage::className() const
{
    return QStringLiteral("TVImage");
}

void TVImage::writeProperties(TWriter &writer) const
{
    using namespace PropertyIO;
    TVGraphicControl::writeProperties(writer);
    writeBoolean(writer, "AutoSize", m_autoSize, false);
    writeEnum(writer, "BorderStyle", m_borderStyle, borderStyleNames());
    writeBinary(writer, "Picture.Data", PictureData::encode(m_picture));
    writeBoolean(writer, "Stretch", m_stretch, true);
    writeBoolean(writer, "Reverse", m_reverse);
    writeBoolean(writer, "Flip", m_flip);
}

TPropertyRead TVImage::readProperty(const QString &path, TReader &reader)
{
    using PropertyIO::is;
    if (PropertyIO::hasPrefix(path, "Picture")) {
        if (!is(PropertyIO::subPath(path), "Data"))
            return TPropertyRead::NotFound;
        Picture picture;
        if (!PictureData::decode(reader.readBinary(), &picture))
            throw EStreamError(StreamMessages::invalidPropertyValue());
        setPicture(picture);
    } else if (is(path, "AutoSize")) {
        setAutoSize(reader.readBoolean());
    } else if (is(path, "BorderStyle")) {
        setBorderStyle(TBorderStyle(reader.readEnum(borderStyleNames())));
    } else if (is(path, "Stretch")) {
        setStretch(reader.readBoolean());
    } else if (is(path, "Reverse")) {
        setReverse(reader.readBoolean());
    } else if (is(path, "Flip")) {
        setFlip(reader.readBoolean());
    } else {
        return TVGraphicControl::readProperty(path, reader);
    }
    return TPropertyRead::Done;
}
