#include "objects/storedbitmap.h"

#include "metafile/dib.h"
#include "pictures/picture.h"

bool StoredBitmap::setBmpData(const QByteArray &bmp)
{
    const QImage image = Dib::decodeFile(bmp);
    if (image.isNull())
        return false;
    m_bmp = bmp;
    m_image = image;
    return true;
}

void StoredBitmap::setImage(const QImage &image)
{
    if (image.isNull()) {
        clear();
        return;
    }
    m_bmp = Picture::fromBitmap(image).bitmapFile();
    m_image = image;
}

void StoredBitmap::clear()
{
    m_bmp.clear();
    m_image = QImage();
}
