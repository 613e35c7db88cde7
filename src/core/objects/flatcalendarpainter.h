#pragma once

#include <QRect>

class QFont;
class QPainter;
class TVFlatCalendar;

// Where a floating calendar's parts lie in an object of a given size at a
// scale, in device pixels from the object's top-left corner. Worked out
// before drawing, so tests and drawing read the same numbers.
struct FlatCalendarLayout
{
    QRect calendar; // R
    QRect shadow; // null when there is none
    int titleBottom = 0; // D0
    int dayNamesBottom = 0; // D1
    int columnWidth = 0;
    int rowHeight = 0;

    [[nodiscard]] static FlatCalendarLayout of(const TVFlatCalendar &calendar, QSize size, float scale);
};

// Draws a floating calendar from its own properties: the shadow, then the
// title band, the day-name band and the six-week grid, all lines black and
// one device pixel wide, text in its font's colour.
class FlatCalendarPainter
{
public:
    FlatCalendarPainter(const TVFlatCalendar &calendar, QPainter &painter, float scale);

    // The painter's origin is the object's top-left corner.
    void paint(QSize size);

private:
    void paintTitle() const;
    void paintDayNames() const;
    void paintGrid() const;
    void paintDayNumbers() const;
    void fill(int left, int top, int right, int bottom, unsigned color) const;
    // A line from one point to another without its end point.
    void line(int x1, int y1, int x2, int y2) const;
    void border(const QRect &edges, int style) const;
    void text(const QRect &rect, const QString &text, const QFont &font, unsigned color) const;

    const TVFlatCalendar &m_calendar;
    QPainter &m_painter;
    float m_scale;
    FlatCalendarLayout m_layout;
};
