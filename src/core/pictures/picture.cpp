#include "pictures/picture.h"

#include "metafile/dib.h"
#include "metafile/indexedimage.h"

#include <QBuffer>
#include <QImageReader>
#include <QPaintEngine>
#include <QPainter>

Picture Picture::fromBitmap(const QImage &image, const QByteArray &bmpFile)
{
    Picture p;
    if (image.isNull())
        return p;
    p.m_kind = Kind::Bitmap;
    p.m_image = withCompleteColorTable(image);
    p.m_bmpFile = bmpFile;
    return p;
}

Picture Picture::fromMetafile(const Metafile &metafile)
{
    Picture p;
    if (metafile.isEmpty())
        return p;
    p.m_kind = Kind::Metafile;
    p.m_metafile = metafile;
    return p;
}

bool Picture::fromIconData(const QByteArray &iconFile, Picture *picture, QString *error)
{
    QBuffer buffer;
    buffer.setData(iconFile);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "ico");
    // The icon of the standard size where there is one, else the first.
    int chosen = 0;
    for (int i = 0; i < reader.imageCount() && i < 256; ++i) {
        if (!reader.jumpToImage(i))
            break;
        const QSize size = reader.size();
        if (size == QSize(32, 32)) {
            chosen = i;
            break;
        }
    }
    reader.jumpToImage(chosen);
    const QSize size = reader.size();
    QImage image;
    if (size.isValid() && qint64(size.width()) * size.height() <= Dib::kMaxPixels)
        image = reader.read();
    if (image.isNull()) {
        if (error)
            *error = QStringLiteral("The icon cannot be read");
        return false;
    }
    Picture p;
    p.m_kind = Kind::Icon;
    p.m_image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    p.m_iconData = iconFile;
    *picture = p;
    return true;
}

QString Picture::className() const
{
    switch (m_kind) {
    case Kind::Bitmap:
        return QStringLiteral("TBitmap");
    case Kind::Metafile:
        return QStringLiteral("TMetafile");
    case Kind::Icon:
        return QStringLiteral("TIcon");
    default:
        return {};
    }
}

QByteArray Picture::bitmapFile() const
{
    if (m_kind != Kind::Bitmap)
        return {};
    if (!m_bmpFile.isEmpty())
        return m_bmpFile;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    // BMP has no alpha the old readers understand: flatten onto white.
    QImage flat(m_image.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    {
        QPainter p(&flat);
        p.drawImage(0, 0, m_image);
    }
    flat.save(&buffer, "BMP");
    return bytes;
}

QSize Picture::size() const
{
    switch (m_kind) {
    case Kind::Bitmap:
    case Kind::Icon:
        return m_image.size();
    case Kind::Metafile:
        return QSize(m_metafile.width(), m_metafile.height());
    default:
        return {};
    }
}

void Picture::draw(QPainter &painter, const QRectF &target) const
{
    switch (m_kind) {
    case Kind::Bitmap:
    case Kind::Icon: {
        // Shrunk pixel for pixel on a screen or picture, a bitmap loses whole
        // rows and columns, and its thin lines with them: it is averaged down
        // to the pixels it covers first. Enlarged it keeps its crisp pixel
        // edges; printers and PDF get every pixel.
        const QPaintEngine *engine = painter.paintEngine();
        const QRectF onDevice = painter.transform().mapRect(target);
        const QSize deviceSize(qMax(1, qRound(onDevice.width())), qMax(1, qRound(onDevice.height())));
        if (engine && engine->type() == QPaintEngine::Raster
            && (deviceSize.width() < m_image.width() || deviceSize.height() < m_image.height())) {
            if (m_shrunk.size() != deviceSize)
                m_shrunk = m_image.scaled(deviceSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            painter.drawImage(target, m_shrunk);
        } else {
            painter.drawImage(target, m_image);
        }
        break;
    }
    case Kind::Metafile:
        m_metafile.draw(painter, target);
        break;
    default:
        break;
    }
}
