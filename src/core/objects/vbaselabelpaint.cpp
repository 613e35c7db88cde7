// The text label's drawing: one routine for the screen,
// pictures, the command line and printed or PDF pages.
#include "objects/painttarget.h"
#include "objects/vbaselabel.h"

#include <QPainter>

namespace {

// One copy of the caption (shadow, highlight or the text itself): started
// at its origin in the turned frame, never drawn outside its rectangle.
void drawCopy(QPainter &p, int angle, QPoint origin, const TRect &clip, TColor color, const QString &text)
{
    p.save();
    p.setClipRect(clip.toQRect(), Qt::IntersectClip);
    p.setPen(toQColor(color));
    p.translate(origin);
    p.rotate(-angle); // counter-clockwise, as a font's escapement turns
    p.drawText(QPoint(0, p.fontMetrics().ascent()), text);
    p.restore();
}

} // namespace

LabelLayout TVBaseLabel::layoutAt(float zoom) const
{
    LabelLayoutInput input;
    input.font = font().toQFont(zoom);
    input.caption = caption();
    input.angle = angle();
    input.alignment = alignment();
    input.shadow = shadowOffset();
    input.highlight = highlightOffset();
    input.size = displayRect(zoom).size();
    return layoutLabel(input);
}

void TVBaseLabel::layOut()
{
    const LabelLayout layout = layoutAt(displayScale());
    if (layout.size != QSize(width(), height()))
        setBounds(left(), top(), layout.size.width(), layout.size.height());
    setLayoutNeeded(false);
}

void TVBaseLabel::paint(QPainter &painter, float scale) const
{
    const PaintTarget target = PaintTarget::of(painter, scale);
    const LabelLayout layout = layoutAt(target.zoom);
    painter.save();
    painter.translate(displayRect(scale).topLeft());
    painter.scale(target.deviceFactor, target.deviceFactor);
    painter.setClipRect(QRect(QPoint(0, 0), layout.size), Qt::IntersectClip);
    if (!transparent())
        painter.fillRect(QRect(QPoint(0, 0), layout.size), toQColor(backColor()));
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setFont(font().toQFont(target.zoom));
    if (depthShadow() > 0 && directionShadow() != sdNone)
        drawCopy(painter, angle(), layout.shadowOrigin, layout.shadowRect, colorShadow(), caption());
    if (depthHighlight() > 0 && directionHighlight() != hdNone)
        drawCopy(painter, angle(), layout.highlightOrigin, layout.highlightRect, colorHighlight(), caption());
    drawCopy(painter, angle(), layout.textOrigin, layout.textRect, font().color, caption());
    if (borderStyle() == bsSingle)
        paintFrame(painter, QRect(QPoint(0, 0), layout.size));
    painter.restore();
}
