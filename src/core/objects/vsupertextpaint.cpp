// The SuperText's drawing: one routine for the screen, pictures,
// the command line and printed or PDF pages.
#include "objects/painttarget.h"
#include "objects/vsupertext.h"

#include <QDataStream>
#include <QFontMetrics>
#include <QIODevice>
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

QByteArray TVSuperText::lookKey(float zoom) const
{
    QByteArray key;
    QDataStream out(&key, QIODevice::WriteOnly);
    out << zoom << left() << top() << width() << height() << displayScale() << m_caption << m_font.name
        << m_font.size << m_font.bold << m_font.italic << m_font.underline << m_font.strikeout << m_font.color
        << m_shadowDepth << int(m_shadowOrientation) << m_shadowcolor << int(m_borderStyle)
        << m_controlTransparent << m_bgColor << int(m_fillDirection) << m_gradientToColor
        << m_gradientFromColor << m_image.image().cacheKey() << m_outlineColor << int(m_outlineStyle)
        << m_outlineWidth << int(m_surfaceType);
    return key;
}

void TVSuperText::paint(QPainter &painter, float scale) const
{
    const PaintTarget target = PaintTarget::of(painter, scale);
    const SuperTextLayout layout = layoutAt(target.zoom);
    const QPoint at = displayRect(scale).topLeft();
    // On pixels the drawing is kept and a repaint copies it; a page of
    // vectors (printer, PDF) or a turned painter gets the drawing itself.
    if (target.print || painter.transform().type() > QTransform::TxTranslate || layout.size.isEmpty()) {
        painter.save();
        painter.translate(at);
        painter.scale(target.deviceFactor, target.deviceFactor);
        painter.setClipRect(QRect(QPoint(0, 0), layout.size), Qt::IntersectClip);
        drawContent(painter, layout, target);
        painter.restore();
        return;
    }
    const QByteArray key = lookKey(target.zoom);
    if (m_drawn.key != key || m_drawn.image.isNull()) {
        m_drawn.image = QImage(layout.size, QImage::Format_ARGB32_Premultiplied);
        m_drawn.image.fill(Qt::transparent);
        QPainter p(&m_drawn.image);
        drawContent(p, layout, target);
        m_drawn.key = key;
    }
    painter.drawImage(at, m_drawn.image);
}

void TVSuperText::drawContent(
    QPainter &painter, const SuperTextLayout &layout, const PaintTarget &target) const
{
    const QRect box(QPoint(0, 0), layout.size);
    if (!m_controlTransparent)
        painter.fillRect(box, toQColor(m_bgColor));
    if (m_borderStyle == bsSingle)
        paintFrame(painter, box);
    const QString text = shownCaption(layout, target.zoom);
    if (text.isEmpty()) {
        drawPlaceholder(painter, layout.size);
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QFont qfont = font().toQFont(target.zoom);
    const QPoint textAt(layout.textRect.left, layout.textRect.top);
    const QPainterPath path = textPath(qfont, text, textAt);
    if (m_shadowDepth >= 1 && m_shadowOrientation != sdNone) {
        const QPoint shift = QPoint(layout.shadowRect.left, layout.shadowRect.top) - textAt;
        painter.fillPath(path.translated(shift), toQColor(m_shadowcolor));
    }
    if (m_surfaceType != stBrushTransparent)
        fillFace(painter, path, layout, target);
    if (m_outlineStyle != psClear && m_outlineWidth >= 1) {
        QPen pen(toQColor(m_outlineColor), m_outlineWidth, qtPenStyle(m_outlineStyle));
        painter.strokePath(path, pen);
    }
}
