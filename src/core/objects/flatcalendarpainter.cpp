#include "objects/flatcalendarpainter.h"

#include "objects/vflatcalendar.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// The calendar and shadow rectangles of an object w x h with shadow depth a.
void shadowRects(TFlatShadowPosition position, int w, int h, int a, QRect *calendar, QRect *shadow)
{
    const auto edges = [](int l, int t, int r, int b) { return QRect(QPoint(l, t), QPoint(r - 1, b - 1)); };
    switch (position) {
    case fcpLowerLeft:
        *calendar = edges(a, 0, w, h - a);
        *shadow = edges(0, a, w - a, h);
        break;
    case fcpUpperRight:
        *calendar = edges(0, a, w - a, h);
        *shadow = edges(a, 0, w, h - a);
        break;
    case fcpUpperLeft:
        *calendar = edges(a, a, w, h);
        *shadow = edges(0, 0, w - a, h - a);
        break;
    default:
        *calendar = edges(0, 0, w - a, h - a);
        *shadow = edges(a, a, w, h);
        break;
    }
}

} // namespace

FlatCalendarLayout FlatCalendarLayout::of(const TVFlatCalendar &calendar, QSize size, float scale)
{
    FlatCalendarLayout layout;
    const int a = int(std::trunc(calendar.shadowDepth() * double(scale)));
    if (calendar.shadowDepth() < 1 || calendar.calTransparent())
        layout.calendar = QRect(QPoint(0, 0), size);
    else
        shadowRects(
            calendar.shadowPosition(), size.width(), size.height(), a, &layout.calendar, &layout.shadow);
    const QRect &r = layout.calendar;
    const int lastY = r.bottom(); // B', the bottom edge less one
    const int textHeight = QFontMetrics(calendar.titleFont().toQFont(scale)).height();
    const int titleHeight = std::max(int(std::trunc(0.17 * (lastY - r.top()))), textHeight);
    layout.titleBottom = r.top() + titleHeight;
    const int dayNameHeight = int(std::trunc(1.5 * std::abs(calendar.dayNameFont().pixelHeight(scale))));
    layout.dayNamesBottom = layout.titleBottom + dayNameHeight;
    layout.columnWidth = (r.right() - r.left()) / 7;
    layout.rowHeight = (lastY - layout.dayNamesBottom) / 6;
    return layout;
}

FlatCalendarPainter::FlatCalendarPainter(const TVFlatCalendar &calendar, QPainter &painter, float scale)
    : m_calendar(calendar)
    , m_painter(painter)
    , m_scale(scale)
{
}

void FlatCalendarPainter::paint(QSize size)
{
    m_layout = FlatCalendarLayout::of(m_calendar, size, m_scale);
    const QRect &r = m_layout.calendar;
    if (!m_layout.shadow.isNull())
        m_painter.fillRect(m_layout.shadow, toQColor(m_calendar.shadowColor()));
    if (!m_calendar.calTransparent())
        m_painter.fillRect(r, Qt::white);
    paintTitle();
    paintDayNames();
    paintGrid();
    paintDayNumbers();
    border(QRect(r.topLeft(), r.bottomRight()), m_calendar.calendarBorderStyle());
}

void FlatCalendarPainter::paintTitle() const
{
    const QRect &r = m_layout.calendar;
    const int top = r.top();
    const int bottom = m_layout.titleBottom;
    if (!m_calendar.calTransparent())
        fill(r.left(), top, r.right() + 1, bottom, m_calendar.titleBGcolor());
    const QRect band(QPoint(r.left(), top), QPoint(r.right() - 1, bottom - 1));
    text(band, m_calendar.titleText(), m_calendar.titleFont().toQFont(m_scale), m_calendar.titleFont().color);
}

void FlatCalendarPainter::paintDayNames() const
{
    const QRect &r = m_layout.calendar;
    const int d0 = m_layout.titleBottom;
    const int d1 = m_layout.dayNamesBottom;
    if (!m_calendar.calTransparent()) {
        fill(r.left(), d0, r.right(), d1 + 1, m_calendar.dayNameBGColor());
        fill(r.left(), d1, r.right() + 1, r.bottom() + 1, m_calendar.backgroundcolor());
    }
    border(QRect(QPoint(r.left(), d0), QPoint(r.right(), d1)), m_calendar.dayNameBorderStyle());
    const QFont font = m_calendar.dayNameFont().toQFont(m_scale);
    const int cw = m_layout.columnWidth;
    for (int c = 0; c < 7; ++c) {
        const int x = r.left() + c * cw;
        text(QRect(QPoint(x + 1, d0), QPoint(x + cw - 2, d1 - 1)), m_calendar.dayNameText(c), font,
            m_calendar.dayNameFont().color);
    }
}

void FlatCalendarPainter::paintGrid() const
{
    const QRect &r = m_layout.calendar;
    const int d1 = m_layout.dayNamesBottom;
    const int style = m_calendar.cellBorderStyle();
    const int first = style == fcbBottom ? 1 : 0;
    const int last = style == fcbTop ? 5 : 6;
    if (style != fcbNone) {
        for (int i = first; i <= last; ++i) {
            const int y = i == 6 ? r.bottom() : d1 + i * m_layout.rowHeight;
            line(r.left(), y, r.right(), y);
        }
    }
    if (style != fcbAll)
        return;
    for (int i = 0; i <= 7; ++i) {
        const int x = i == 7 ? r.right() : r.left() + i * m_layout.columnWidth;
        line(x, d1, x, r.bottom());
    }
}

void FlatCalendarPainter::paintDayNumbers() const
{
    const QRect &r = m_layout.calendar;
    const QFont font = m_calendar.cellFont().toQFont(m_scale);
    const int cw = m_layout.columnWidth;
    const int rh = m_layout.rowHeight;
    for (int row = 0; row < 6; ++row) {
        for (int c = 0; c < 7; ++c) {
            const int day = m_calendar.dayAt(row, c);
            if (day == 0)
                continue;
            const int x = r.left() + c * cw;
            const int y = m_layout.dayNamesBottom + row * rh;
            text(QRect(QPoint(x + 1, y + 1), QPoint(x + cw - 2, y + rh - 1)), QString::number(day), font,
                m_calendar.cellFont().color);
        }
    }
}

void FlatCalendarPainter::fill(int left, int top, int right, int bottom, unsigned color) const
{
    if (right > left && bottom > top)
        m_painter.fillRect(QRect(left, top, right - left, bottom - top), toQColor(TColor(color)));
}

void FlatCalendarPainter::line(int x1, int y1, int x2, int y2) const
{
    // Lines are one device pixel wide and drawn as fills, so they land on the
    // same pixels on the screen and on a PDF page.
    const auto span
        = [](int from, int to) { return to >= from ? std::pair(from, to) : std::pair(to + 1, from + 1); };
    if (y1 == y2) {
        const auto [left, right] = span(x1, x2);
        fill(left, y1, right, y1 + 1, clBlack);
    } else {
        const auto [top, bottom] = span(y1, y2);
        fill(x1, top, x1 + 1, bottom, clBlack);
    }
}

void FlatCalendarPainter::border(const QRect &edges, int style) const
{
    // edges holds (left, top, right, bottom) as given, right and bottom
    // included.
    const int l = edges.left();
    const int t = edges.top();
    const int r = edges.right();
    const int b = edges.bottom();
    if (style == fcbAll) {
        line(l, t, r, t);
        line(r, t, r, b);
        line(r, b, l, b);
        line(l, b, l, t);
        return;
    }
    if (style == fcbTop || style == fcbTopBottom)
        line(l, t, r, t);
    if (style == fcbBottom || style == fcbTopBottom)
        line(l, b, r, b);
}

void FlatCalendarPainter::text(
    const QRect &rect, const QString &text, const QFont &font, unsigned color) const
{
    if (text.isEmpty() || rect.isEmpty())
        return;
    m_painter.setFont(font);
    m_painter.setPen(toQColor(TColor(color)));
    m_painter.drawText(rect, Qt::AlignCenter | Qt::TextSingleLine, text);
}
