// The SuperText's drawing: one routine for the screen, pictures,
// the command line and printed or PDF pages.
#include "base/pageresolution.h"
#include "objects/painttarget.h"
#include "objects/vsupertext.h"

#include <QDataStream>
#include <QFontMetrics>
#include <QIODevice>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <vector>

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

// The outline cut into runs of contours whose widths overlap: a letter's
// contours (the hole of an "o" too) stay together. Qt's antialiased fill
// of a whole headline outgrows its scratch memory and starts again several
// times over; letter by letter it fills in a third of the time, with the
// same pixels wherever letters do not overlap.
std::vector<QPainterPath> glyphRuns(const QPainterPath &path)
{
    std::vector<QPainterPath> contours;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.isMoveTo() || contours.empty()) {
            contours.emplace_back();
            contours.back().moveTo(e);
        } else if (e.isLineTo()) {
            contours.back().lineTo(e);
        } else if (e.isCurveTo() && i + 2 < path.elementCount()) {
            contours.back().cubicTo(e, path.elementAt(i + 1), path.elementAt(i + 2));
            i += 2;
        }
    }
    std::vector<std::pair<QRectF, QPainterPath *>> byLeft;
    for (QPainterPath &contour : contours)
        byLeft.emplace_back(contour.controlPointRect(), &contour);
    std::stable_sort(byLeft.begin(), byLeft.end(),
        [](const auto &a, const auto &b) { return a.first.left() < b.first.left(); });
    std::vector<QPainterPath> runs;
    qreal right = 0;
    for (const auto &[box, contour] : byLeft) {
        if (runs.empty() || box.left() > right) {
            runs.emplace_back();
            runs.back().setFillRule(path.fillRule());
            right = box.right();
        }
        runs.back().addPath(*contour);
        right = qMax(right, box.right());
    }
    return runs;
}

void fillRuns(QPainter &p, const std::vector<QPainterPath> &runs, const QBrush &brush, QPointF shift = {})
{
    for (const QPainterPath &run : runs)
        p.fillPath(shift.isNull() ? run : run.translated(shift), brush);
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

QBrush TVSuperText::faceBrush(const SuperTextLayout &layout, const PaintTarget &target) const
{
    const double f = target.deviceFactor;
    // Printed, the fill starts 0.03 inch up and left of the object.
    const double shift = target.print ? 0.03 * kScreenPpi : 0.0;
    const QPointF origin(-shift, -shift);
    switch (m_surfaceType) {
    case stNormal:
        return toQColor(font().color);
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
            return tiledBrush(image, origin, tile);
        break;
    }
    case stGradientFill: {
        if (!target.print)
            return tiledBrush(gradient(layout.size), origin, layout.size);
        // Worked out at the printer's resolution over a quarter inch more.
        const QSizeF area = QSizeF(layout.size) + QSizeF(0.25, 0.25) * kScreenPpi;
        const QImage bands = superTextGradient(
            QSize(int(std::lround(area.width() * f)), int(std::lround(area.height() * f))),
            m_gradientFromColor, m_gradientToColor, m_fillDirection);
        if (!bands.isNull())
            return tiledBrush(bands, origin, area);
        break;
    }
    case stBrushTransparent:
        break;
    }
    return Qt::NoBrush;
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
    const std::vector<QPainterPath> runs = glyphRuns(textPath(qfont, text, textAt));
    if (m_shadowDepth >= 1 && m_shadowOrientation != sdNone) {
        const QPoint shift = QPoint(layout.shadowRect.left, layout.shadowRect.top) - textAt;
        fillRuns(painter, runs, toQColor(m_shadowcolor), shift);
    }
    if (m_surfaceType != stBrushTransparent) {
        const QBrush face = faceBrush(layout, target);
        if (face.style() != Qt::NoBrush)
            fillRuns(painter, runs, face);
    }
    if (m_outlineStyle != psClear && m_outlineWidth >= 1) {
        const QPen pen(toQColor(m_outlineColor), m_outlineWidth, qtPenStyle(m_outlineStyle));
        for (const QPainterPath &run : runs)
            painter.strokePath(run, pen);
    }
}
