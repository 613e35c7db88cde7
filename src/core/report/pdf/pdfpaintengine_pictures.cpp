// The pictures and texture patterns of our PDF writer's pages: each picture
// (or part of one) goes in once however often a page or a run of pages draws
// it.
#include "report/pdf/pdfpaintengine.h"

#include "report/pdf/pdfdocument.h"

#include <QPainter>
#include <QPixmap>

#include <cmath>

void PdfPaintEngine::drawPixmap(const QRectF &target, const QPixmap &pixmap, const QRectF &source)
{
    // A bitmap is drawn in the pen's colour, which a picture cannot say.
    if (pixmap.isQBitmap()) {
        refuse();
        return;
    }
    drawPicture(target, pixmap.toImage(), source, pixmap.cacheKey());
}

void PdfPaintEngine::drawImage(
    const QRectF &target, const QImage &image, const QRectF &source, Qt::ImageConversionFlags)
{
    drawPicture(target, image, source, image.cacheKey());
}

void PdfPaintEngine::drawPicture(const QRectF &target, const QImage &image, const QRectF &source, qint64 key)
{
    // A negative width or height mirrors the picture, as in Qt.
    if (m_refused || clippedAway() || image.isNull() || qFuzzyIsNull(target.width())
        || qFuzzyIsNull(target.height()))
        return;
    const QRect part = source.toAlignedRect().intersected(image.rect());
    if (part.isEmpty())
        return;
    const QByteArray name = pictureName(image, part, key);
    openGroup(true);
    applyAlpha(1, 1);
    appendTransform(QTransform(target.width(), 0, 0, -target.height(), target.left(), target.bottom()));
    m_content.append('/').append(name).append(" Do\n");
    closeGroup();
}

QByteArray PdfPaintEngine::pictureName(const QImage &image, const QRect &part, qint64 key)
{
    const QString id = QStringLiteral("%1:%2,%3,%4,%5")
                           .arg(key)
                           .arg(part.x())
                           .arg(part.y())
                           .arg(part.width())
                           .arg(part.height());
    QByteArray name = m_images.value(id);
    if (name.isEmpty()) {
        name = imageObject(part == image.rect() ? image : image.copy(part));
        m_images.insert(id, name);
    }
    return name;
}

QByteArray PdfPaintEngine::patternObject()
{
    // The brush's picture tiled from the brush origin, in the painter's
    // coordinates; a pattern's matrix counts from the page's own space.
    const QImage image = m_brush.textureImage();
    const QByteArray picture = pictureName(image, image.rect(), image.cacheKey());
    const QTransform toPage = m_brush.transform()
        * QTransform::fromTranslate(m_brushOrigin.x(), m_brushOrigin.y()) * m_transform * m_pageTransform;
    const int object = m_document.reserve();
    const QByteArray name = "P" + QByteArray::number(++m_patternCount);
    m_patternResources.append('/')
        .append(name)
        .append(' ')
        .append(PdfDocument::reference(object))
        .append(' ');
    QByteArray entries(" /Type /Pattern /PatternType 1 /PaintType 1 /TilingType 1 /BBox [0 0 ");
    QByteArray size;
    PdfDocument::appendNumber(size, image.width());
    size.append(' ');
    PdfDocument::appendNumber(size, image.height());
    entries.append(size).append("] /XStep ");
    PdfDocument::appendNumber(entries, image.width());
    entries.append(" /YStep ");
    PdfDocument::appendNumber(entries, image.height());
    entries.append(" /Matrix [");
    PdfDocument::appendMatrix(entries, toPage);
    entries.append("] /Resources << /XObject << /").append(picture).append(' ');
    entries.append(m_imageObjects.value(picture)).append(" >> >>");
    QByteArray draw;
    PdfDocument::appendNumber(draw, image.width());
    draw.append(" 0 0 ");
    PdfDocument::appendNumber(draw, -image.height());
    draw.append(" 0 ");
    PdfDocument::appendNumber(draw, image.height());
    draw.append(" cm /").append(picture).append(" Do");
    m_document.writeStream(object, entries, draw);
    return name;
}

QByteArray PdfPaintEngine::imageObject(const QImage &image)
{
    const int object = m_document.reserve();
    const QByteArray name = "Im" + QByteArray::number(m_images.size() + 1);
    m_imageResources.append('/').append(name).append(' ').append(PdfDocument::reference(object)).append(' ');
    m_imageObjects.insert(name, PdfDocument::reference(object));
    const int width = image.width();
    const int height = image.height();
    const auto entries = [&](const char *colorSpace) {
        return " /Type /XObject /Subtype /Image /Width " + QByteArray::number(width) + " /Height "
            + QByteArray::number(height) + " /BitsPerComponent 8 /ColorSpace " + colorSpace;
    };
    QByteArray samples;
    QByteArray extra = m_smoothPictures ? " /Interpolate true" : "";
    const char *colorSpace = "/DeviceRGB";
    if (image.hasAlphaChannel()) {
        // The colours and, beside them, the alpha as a soft mask.
        const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
        samples.resize(qsizetype(width) * height * 3);
        QByteArray alpha(qsizetype(width) * height, Qt::Uninitialized);
        char *rgb = samples.data();
        char *a = alpha.data();
        for (int y = 0; y < height; ++y) {
            const auto *line = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
            for (int x = 0; x < width; ++x) {
                *rgb++ = char(qRed(line[x]));
                *rgb++ = char(qGreen(line[x]));
                *rgb++ = char(qBlue(line[x]));
                *a++ = char(qAlpha(line[x]));
            }
        }
        const int mask = m_document.reserve();
        m_document.writeStream(mask, entries("/DeviceGray"), alpha);
        extra.append(" /SMask ").append(PdfDocument::reference(mask));
    } else {
        const bool gray = image.isGrayscale();
        const QImage rows = image.convertToFormat(gray ? QImage::Format_Grayscale8 : QImage::Format_RGB888);
        const qsizetype rowBytes = qsizetype(width) * (gray ? 1 : 3);
        samples.reserve(rowBytes * height);
        for (int y = 0; y < height; ++y)
            samples.append(reinterpret_cast<const char *>(rows.constScanLine(y)), rowBytes);
        if (gray)
            colorSpace = "/DeviceGray";
    }
    m_document.writeStream(object, entries(colorSpace) + extra, samples);
    return name;
}
