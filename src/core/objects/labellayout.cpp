#include "objects/labellayout.h"

#include <QFontMetrics>

namespace {

TRect moved(const TRect &r, int dx, int dy)
{
    return { r.left + dx, r.top + dy, r.right + dx, r.bottom + dy };
}

// Step 3: the text moves in by what a shadow or highlight sticks out on the
// left or top.
int marginOf(int shadow, int highlight)
{
    int margin = shadow < 0 ? -shadow : 0;
    if (highlight < 0)
        margin = qMax(margin, -highlight);
    return margin;
}

// Step 5: the label's size hugs the text across its reading direction.
QSize adjustedSize(QSize size, int angle, int w, int l)
{
    int width = size.width();
    int height = size.height();
    if (angle == 0 || angle == 180) {
        if (angle == 180 && w * 2 < width)
            width = w * 2;
        if (width <= 5)
            width = w;
        if (l * 1.2 < height)
            height = int(l * 1.2);
        if (height < l)
            height = l;
    } else {
        if (w * 1.2 < height)
            height = int(w * 1.2);
        if (height < 5)
            height = w;
        if (l * 1.2 < width)
            width = int(l * 1.2);
        if (width < l)
            width = l;
    }
    return { width, height };
}

// Steps 6 and 7: the three rectangles.
void placeRects(LabelLayout &out, const LabelLayoutInput &in)
{
    const QPoint m = out.margin;
    const int width = out.size.width();
    const int height = out.size.height();
    const int b = out.lineHeight;
    const QPoint s = in.shadow;
    const QPoint h = in.highlight;
    TRect tr;
    if (in.angle == 90 || in.angle == 270)
        tr = { m.y(), m.x(), m.y() + b, height - m.y() };
    else
        tr = { m.x(), m.y(), width, m.y() + b };
    if (in.angle == 90)
        tr = moved(tr, 0, height - (tr.bottom - tr.top + 1) + h.x());
    else if (in.angle == 180)
        tr = moved(tr, width - (tr.right - tr.left + 1) - s.y(), 0);
    // Each offset turns with the text.
    const auto turn = [angle = in.angle](QPoint d) {
        switch (angle) {
        case 90:
            return QPoint(d.y(), -d.x());
        case 180:
            return QPoint(-d.x(), -d.y());
        case 270:
            return QPoint(-d.y(), d.x());
        default:
            return d;
        }
    };
    const QPoint st = turn(s);
    const QPoint ht = turn(h);
    out.textRect = tr;
    out.shadowRect = moved(tr, st.x(), st.y());
    out.highlightRect = moved(tr, ht.x(), ht.y());
}

// Step 8: the corner of its rectangle each copy starts at.
QPoint originOf(const TRect &r, int angle)
{
    switch (angle) {
    case 90:
        return { r.left, r.bottom };
    case 180:
        return { r.right, r.bottom };
    case 270:
        return { r.right, r.top };
    default:
        return { r.left, r.top };
    }
}

// Step 9: at angle 0 the alignment decides x.
void alignOrigins(LabelLayout &out, const LabelLayoutInput &in)
{
    const TRect &tr = out.textRect;
    const int w = out.textWidth;
    int x = tr.left;
    if (in.alignment == taRightJustify)
        x = tr.right - w;
    else if (in.alignment == taCenter)
        x = (tr.right - tr.left) / 2 - w / 2;
    out.textOrigin.setX(x);
    out.highlightOrigin.setX(x + in.highlight.x());
    out.shadowOrigin.setX(x + in.shadow.x());
}

} // namespace

LabelLayout layoutLabel(const LabelLayoutInput &in)
{
    LabelLayout out;
    const QFontMetrics metrics(in.font);
    out.lineHeight = metrics.height() + metrics.leading();
    out.textWidth = metrics.horizontalAdvance(in.caption + QLatin1Char(' '));
    out.margin = { marginOf(in.shadow.x(), in.highlight.x()), marginOf(in.shadow.y(), in.highlight.y()) };
    out.needed = out.lineHeight + in.shadow.y() - in.highlight.y();
    out.size = adjustedSize(in.size, in.angle, out.textWidth, out.needed);
    placeRects(out, in);
    out.textOrigin = originOf(out.textRect, in.angle);
    out.shadowOrigin = originOf(out.shadowRect, in.angle);
    out.highlightOrigin = originOf(out.highlightRect, in.angle);
    if (in.angle == 0)
        alignOrigins(out, in);
    return out;
}
