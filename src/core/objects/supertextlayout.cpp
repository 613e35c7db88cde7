#include "objects/supertextlayout.h"

#include <QColor>
#include <QFontMetrics>
#include <QPainter>

#include <cmath>
#include <cstdlib>

namespace {

TRect moved(const TRect &r, QPoint d)
{
    return { r.left + d.x(), r.top + d.y(), r.right + d.x(), r.bottom + d.y() };
}

// a * b / c rounded to the nearest, halves away from zero, as MulDiv does.
int mulDiv(int a, int b, int c)
{
    return int(std::lround(double(a) * double(b) / double(c)));
}

} // namespace

SuperTextLayout layoutSuperText(const SuperTextLayoutInput &in)
{
    SuperTextLayout out;
    out.offset = in.shadow;
    if (in.zoom != 1.0f)
        out.offset = QPoint(int(in.shadow.x() * double(in.zoom)), int(in.shadow.y() * double(in.zoom)));
    const QFontMetrics metrics(in.font);
    out.textHeight = metrics.height();
    out.textWidth = metrics.horizontalAdvance(in.caption + QLatin1Char(' '));
    const int dx = out.offset.x();
    const int dy = out.offset.y();
    const QPoint origin(dx < 0 ? -dx : 0, dy < 0 ? -dy : 0);
    int width = in.size.width();
    int height = in.size.height();
    if (width <= 5)
        width = out.textWidth;
    const int f = std::abs(dy) + out.textHeight;
    if (int(1.2 * f) < height && in.shrinks)
        height = int(1.2 * f);
    if (height < f)
        height = f;
    out.size = { width, height };
    out.textRect = { origin.x() + 5, origin.y(), width, origin.y() + out.textHeight };
    out.shadowRect = moved(out.textRect, out.offset);
    return out;
}

QImage superTextGradient(QSize size, TColor from, TColor to, TFillDirection direction)
{
    if (size.isEmpty())
        return {};
    const bool reversed = direction == gdUp || direction == gdLeft;
    const QColor start = toQColor(reversed ? to : from);
    const QColor end = toQColor(reversed ? from : to);
    const bool across = direction == gdLeft || direction == gdRight;
    const int extent = across ? size.width() : size.height();
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    for (int i = 0; i < 256; ++i) {
        const QColor band(start.red() + mulDiv(i, end.red() - start.red(), 255),
            start.green() + mulDiv(i, end.green() - start.green(), 255),
            start.blue() + mulDiv(i, end.blue() - start.blue(), 255));
        const int a = mulDiv(i, extent, 256);
        const int b = mulDiv(i + 1, extent, 256);
        if (b <= a)
            continue;
        if (across)
            p.fillRect(a, 0, b - a, size.height(), band);
        else
            p.fillRect(0, a, size.width(), b - a, band);
    }
    return image;
}

int superTextFontSizeStep(int size, bool up)
{
    if (up)
        return size < 150 ? size + 5 : size;
    return size > 10 ? size - 5 : size;
}
