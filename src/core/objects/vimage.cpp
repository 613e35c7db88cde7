#include "objects/vimage.h"

#include "objects/objectcodecs.h"

#include "pictures/picturefile.h"

#include "stream/recordtable.h"

#include <QDir>
#include <QPainter>

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

void TVImage::takePicture(const Picture &picture, bool stretch, bool autoSize)
{
    m_picture = picture;
    m_stretch = stretch;
    m_autoSize = autoSize;
    pictureChanged();
    notifyModified();
}

bool TVImage::loadPictureFile(const QString &fileName, QString *error)
{
    Picture picture;
    const bool ok = PictureFile::load(fileName, &picture, error);
    setPicture(ok ? picture : Picture());
    notifyModified();
    return ok;
}

QStringList TVImage::folderPictures() const
{
    QStringList pictures;
    if (m_pictureFolder.isEmpty())
        return pictures;
    const QDir folder(m_pictureFolder);
    for (const QString &name : folder.entryList(QDir::Files, QDir::Name | QDir::IgnoreCase))
        if (PictureFile::isSupported(name))
            pictures << folder.filePath(name);
    return pictures;
}

bool TVImage::showFolderPicture(int monthIndex)
{
    const QStringList pictures = folderPictures();
    if (pictures.isEmpty())
        return false;
    const int count = int(pictures.size());
    Picture picture;
    if (!PictureFile::load(pictures.at(((monthIndex % count) + count) % count), &picture))
        return false;
    setPicture(picture);
    return true;
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

void TVImage::paint(QPainter &painter, float scale) const
{
    const QRect rect = displayRect(scale);
    if (rect.isEmpty())
        return;
    // On screen an empty object stays visible as a white box; on paper it
    // leaves nothing but its border.
    const bool paper = isPaper(painter);
    const bool emptyBox = m_picture.isEmpty() && !paper;
    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    if (emptyBox)
        painter.fillRect(rect, Qt::white);
    else
        paintPicture(painter, rect);
    if (emptyBox || m_borderStyle == bsSingle)
        paintFrame(painter, rect);
    painter.restore();
}

void TVImage::paintPicture(QPainter &painter, const QRect &rect) const
{
    const bool mirror = m_picture.isBitmap() && (m_flip || m_reverse);
    if (!mirror) {
        m_picture.draw(painter, rect);
        return;
    }
    // Mirroring the target about the rectangle's centre puts source pixel 0
    // in the last column or row, as a stretch into a reversed extent does.
    QTransform mirrored;
    mirrored.translate(
        rect.left() + (m_reverse ? rect.width() : 0), rect.top() + (m_flip ? rect.height() : 0));
    mirrored.scale(m_reverse ? -1 : 1, m_flip ? -1 : 1);
    painter.save();
    painter.setTransform(mirrored, true);
    m_picture.draw(painter, QRectF(0, 0, rect.width(), rect.height()));
    painter.restore();
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
            record("PictureFolder", &C::pictureFolder, &C::setPictureFolder, text),
        });
    return table;
}
