// The SuperText's drawing (Part 3.6): one routine for the screen, pictures,
// the command line and printed or PDF pages.
#include "objects/painttarget.h"
#include "objects/vsupertext.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

Qt::PenStyle qtPenStyle(TPenStyle style)
{
    switch (style) {
    case psDash:
        return Qt::DashLine;
    case psDot:
        return Qt::DotLine;
    case psDashDot:
        return Qt::DashDotLine;
    case psDashDotDot:
        return Qt::DashDotDotLine;
    case psClear:
        return Qt::NoPen;
    case psSolid:
    case psInsideFrame:
        break;
    }
    return Qt::SolidLine;
}

// The outline of the text whose top-left lies at the point.
QPainterPath textPath(const QFont &font, const QString &text, QPoint topLeft)
{
    QPainterPath path;
    path.addText(topLeft.x(), topLeft.y() + QFontMetrics(font).ascent(), font, text);
    return path;
}

// No caption: a frame round the object and both its diagonals.
void drawPlaceholder(QPainter &p, QSize size)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::NoBrush);
    const int r = size.width() - 1;
    const int b = size.height() - 1;
    p.drawRect(0, 0, r, b);
    p.drawLine(0, 0, r, b);
    p.drawLine(0, b, r, 0);
    p.restore();
}

void drawFrame(QPainter &p, QSize size)
{
    const int w = size.width();
    const int h = size.height();
    p.fillRect(0, 0, w, 1, Qt::black);
    p.fillRect(0, h - 1, w, 1, Qt::black);
    p.fillRect(0, 0, 1, h, Qt::black);
    p.fillRect(w - 1, 0, 1, h, Qt::black);
}

// A brush tiling image from origin, each tile tile page pixels big.
QBrush tiledBrush(const QImage &image, QPointF origin, QSizeF tile)
{
    QBrush brush(image);
    QTransform transform;
    transform.translate(origin.x(), origin.y());
    transform.scale(tile.width() / image.width(), tile.height() / image.height());
    brush.setTransform(transform);
    return brush;
}

} // namespace

SuperTextLayout TVSuperText::layoutAt(float zoom) const
{
    SuperTextLayoutInput input;
    input.font = font().toQFont(zoom);
    input.caption = caption();
    input.shadow = shadowOffset();
    input.zoom = zoom;
    input.size = displayRect(zoom).size();
    input.shrinks = controlTransparent() && borderStyle() == bsNone;
    return layoutSuperText(input);
}

void TVSuperText::layOut()
{
    const SuperTextLayout layout = layoutAt(displayScale());
    if (layout.size != QSize(width(), height()))
        setBounds(left(), top(), layout.size.width(), layout.size.height());
    m_layoutNeeded = false;
}

bool TVSuperText::fitToText()
{
    const QFontMetrics metrics(font().toQFont(displayScale()));
    const int cx = metrics.horizontalAdvance(caption());
    const int cy = metrics.height();
    layOut();
    const SuperTextLayout layout = layoutAt(displayScale());
    const int c = qMax(layout.textRect.left, layout.shadowRect.left);
    const int d = qMax(layout.textRect.top, layout.shadowRect.top);
    int w = int(c + 1.2 * cx);
    int h = int(1.2 * (cy + d));
    if (h < cy)
        h = int(1.5 * cy);
    if (w < cx)
        w = int(1.5 * cx);
    setBounds(left(), top(), w, h);
    layOut();
    return shownCaption(layoutAt(displayScale()), displayScale()) == caption();
}

QString TVSuperText::shownCaption(const SuperTextLayout &layout, float zoom) const
{
    const QFontMetrics metrics(font().toQFont(zoom));
    const int room = layout.size.width() - qMax(layout.textRect.left, layout.shadowRect.left);
    QString text = caption();
    while (!text.isEmpty() && metrics.horizontalAdvance(text) > room)
        text.chop(1);
    return text;
}

const QImage &TVSuperText::gradient(QSize size) const
{
    GradientCache &c = m_gradient;
    if (c.image.isNull() || c.size != size || c.from != m_gradientFromColor || c.to != m_gradientToColor
        || c.direction != m_fillDirection) {
        c = { size, m_gradientFromColor, m_gradientToColor, m_fillDirection,
            superTextGradient(size, m_gradientFromColor, m_gradientToColor, m_fillDirection) };
    }
    return c.image;
}

void TVSuperText::fillFace(
    QPainter &p, const QPainterPath &path, const SuperTextLayout &layout, const PaintTarget &target) const
{
    const double f = target.deviceFactor;
    // Printed, the fill starts 0.03 inch up and left of the object.
    const double shift = target.print ? 0.03 * PaintTarget::screenPpi : 0.0;
    const QPointF origin(-shift, -shift);
    switch (m_surfaceType) {
    case stNormal:
        p.fillPath(path, toQColor(font().color));
        break;
    case stBrushImage: {
        const QImage &image = m_image.image();
        if (image.isNull())
            break;
        QSizeF tile = image.size();
        if (target.print) // whole printer pixels per tile
            tile = QSizeF(std::lround(tile.width() * target.zoom * f) / f,
                std::lround(tile.height() * target.zoom * f) / f);
        else if (target.zoom != 1.0f)
            tile = QSizeF(int(tile.width() * target.zoom), int(tile.height() * target.zoom));
        if (!tile.isEmpty())
            p.fillPath(path, tiledBrush(image, origin, tile));
        break;
    }
    case stGradientFill: {
        if (!target.print) {
            p.fillPath(path, tiledBrush(gradient(layout.size), origin, layout.size));
            break;
        }
        // Worked out at the printer's resolution over a quarter inch more.
        const QSizeF area = QSizeF(layout.size) + QSizeF(0.25, 0.25) * PaintTarget::screenPpi;
        const QImage bands = superTextGradient(
            QSize(int(std::lround(area.width() * f)), int(std::lround(area.height() * f))),
            m_gradientFromColor, m_gradientToColor, m_fillDirection);
        if (!bands.isNull())
            p.fillPath(path, tiledBrush(bands, origin, area));
        break;
    }
    case stBrushTransparent:
        break;
    }
}

void TVSuperText::paint(QPainter &painter, float scale) const
{
    const PaintTarget target = PaintTarget::of(painter, scale);
    const SuperTextLayout layout = layoutAt(target.zoom);
    const QRect box(QPoint(0, 0), layout.size);
    painter.save();
    painter.translate(displayRect(scale).topLeft());
    painter.scale(target.deviceFactor, target.deviceFactor);
    painter.setClipRect(box, Qt::IntersectClip);
    if (!m_controlTransparent)
        painter.fillRect(box, toQColor(m_bgColor));
    if (m_borderStyle == bsSingle)
        drawFrame(painter, layout.size);
    const QString text = shownCaption(layout, target.zoom);
    if (text.isEmpty()) {
        drawPlaceholder(painter, layout.size);
        painter.restore();
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QFont qfont = font().toQFont(target.zoom);
    const QPoint textAt(layout.textRect.left, layout.textRect.top);
    if (m_shadowDepth >= 1 && m_shadowOrientation != sdNone) {
        const QPoint shadowAt(layout.shadowRect.left, layout.shadowRect.top);
        painter.fillPath(textPath(qfont, text, shadowAt), toQColor(m_shadowcolor));
    }
    const QPainterPath path = textPath(qfont, text, textAt);
    if (m_surfaceType != stBrushTransparent)
        fillFace(painter, path, layout, target);
    if (m_outlineStyle != psClear && m_outlineWidth >= 1) {
        QPen pen(toQColor(m_outlineColor), m_outlineWidth, qtPenStyle(m_outlineStyle));
        painter.strokePath(path, pen);
    }
    painter.restore();
}
