#include "objects/vbitmap.h"

#include <QBuffer>

bool TVBitmap::setBmpData(const QByteArray &bmp)
{
    QImage image;
    if (!image.loadFromData(bmp, "BMP"))
        return false;
    m_bmp = bmp;
    m_image = image;
    return true;
}

void TVBitmap::setImage(const QImage &image)
{
    if (image.isNull()) {
        clear();
        return;
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    m_bmp = bytes;
    m_image = image;
}

void TVBitmap::clear()
{
    m_bmp.clear();
    m_image = QImage();
}
