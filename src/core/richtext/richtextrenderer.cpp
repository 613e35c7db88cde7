#include "richtext/richtextrenderer.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QPainter>
#include <QTextDocument>

namespace RichTextRenderer {

QPaintDevice *layoutDevice()
{
    static QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        image.setDotsPerMeterX(3780); // 96 per inch
        image.setDotsPerMeterY(3780);
        return image;
    }();
    return &device;
}

void prepare(QTextDocument &document)
{
    document.setDocumentMargin(0);
    document.documentLayout()->setPaintDevice(layoutDevice());
}

void draw(QPainter &painter, QTextDocument &document, const QRectF &target, int zoomPercent)
{
    if (zoomPercent <= 0 || target.width() <= 0 || target.height() <= 0)
        return;
    const qreal zoom = zoomPercent / 100.0;
    const qreal width = target.width() / zoom;
    if (!qFuzzyCompare(document.textWidth(), width))
        document.setTextWidth(width);
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(zoom, zoom);
    const QRectF page(0, 0, width, target.height() / zoom);
    painter.setClipRect(page, Qt::IntersectClip);
    document.drawContents(&painter, page);
    painter.restore();
}

} // namespace RichTextRenderer
