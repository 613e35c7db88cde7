#include "objects/vimage.h"

#include "objects/objectcodecs.h"

#include "graphics/picturefile.h"

#include "stream/recordtable.h"

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
    assign(m_borderStyle, style, Repaint | Modified);
}

void TVImage::setReverse(bool reverse)
{
    assign(m_reverse, reverse, Repaint | Modified);
}

void TVImage::setFlip(bool flip)
{
    assign(m_flip, flip, Repaint | Modified);
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

const RecordTable &TVImage::records() const
{
    using C = TVImage;
    using namespace Records;
    static const RecordTable table(TVGraphicControl::records(),
        {
            record("AutoSize", &C::autoSize, &C::setAutoSize, boolean, unlessDefault(false)),
            record("BorderStyle", &C::borderStyle, &C::setBorderStyle, enumeration(borderStyleNames())),
            record("Picture.Data", &C::picture, &C::setPicture, pictureData),
            record("Stretch", &C::stretch, &C::setStretch, boolean, unlessDefault(true)),
            record("Reverse", &C::reverse, &C::setReverse, boolean),
            record("Flip", &C::flip, &C::setFlip, boolean),
        });
    return table;
}
