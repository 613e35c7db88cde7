#include "calendar/extraspainter.h"

#include "base/pageresolution.h"
#include "calendar/moonphases.h"
#include "report/reportcanvas.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace ExtrasPainter {

namespace {

CalendarFont neighbourFont(const GridStyle &s)
{
    CalendarFont font = s.cellFont;
    font.color = PageExtras::kNeighbourDayColor;
    return font;
}

// Placed by the font's metrics rather than laid out in a rectangle: on a
// page of 60 minis these are a thousand short texts a paint.
void drawInBox(QPainter &p, const QFontMetrics &metrics, const TRect &box, int alignment, const QString &text)
{
    if (box.isEmpty())
        return;
    const int width = metrics.horizontalAdvance(text);
    const int x = (alignment & Qt::AlignRight) ? box.right - width : box.left + (box.width() - width) / 2;
    const int y = (alignment & Qt::AlignTop) ? box.top : box.top + (box.height() - metrics.height()) / 2;
    p.drawText(x, y + metrics.ascent(), text);
}

void screenTexts(QPainter &p, const MonthGridFrame &f, const GridStyle &s, float zoom)
{
    const bool upperRight = s.numberPosition == cnpUpperRight;
    if (s.extras.weekNumbers) {
        p.setFont(s.weekFont.toQFont(zoom));
        p.setPen(toQColor(s.weekFont.color));
        const QFontMetrics metrics = p.fontMetrics();
        const int alignment = upperRight ? int(Qt::AlignHCenter | Qt::AlignTop) : int(Qt::AlignCenter);
        for (size_t i = 0; i < f.weekBoxes.size(); ++i) {
            if (f.weekNumbers[i] > 0)
                drawInBox(p, metrics, f.weekBoxes[i], alignment, QString::number(f.weekNumbers[i]));
        }
    }
    if (s.extras.neighbourDays) {
        const CalendarFont font = neighbourFont(s);
        p.setFont(font.toQFont(zoom));
        p.setPen(toQColor(font.color));
        const QFontMetrics metrics = p.fontMetrics();
        const int alignment = upperRight ? int(Qt::AlignRight | Qt::AlignTop) : int(Qt::AlignCenter);
        for (size_t i = 0; i < f.cells.size(); ++i) {
            if (f.cells[i].day == 0)
                drawInBox(
                    p, metrics, f.cells[i].rect, alignment, QString::number(f.dateOfCell(int(i)).day()));
        }
    }
}

double centreOf(const TRect &box)
{
    return box.left + (box.right - box.left) / 2;
}

// As the print rules set the day numbers: by their tops, right-aligned a
// twentieth of an inch in from the cell's edge or centred.
void paperTexts(QPainter &p, const MonthGridFrame &f, const GridStyle &s, float zoom)
{
    p.save();
    ReportCanvas canvas(p, double(zoom) * kScreenPpi);
    if (s.extras.weekNumbers) {
        canvas.setFont(s.weekFont);
        for (size_t i = 0; i < f.weekBoxes.size(); ++i) {
            const TRect &box = f.weekBoxes[i];
            if (f.weekNumbers[i] > 0 && !box.isEmpty())
                canvas.printCentered(canvas.fitted(QString::number(f.weekNumbers[i]), box.width() + 1),
                    centreOf(box), box.top);
        }
    }
    if (s.extras.neighbourDays) {
        canvas.setFont(neighbourFont(s));
        const double inset = canvas.inches(0.05);
        for (size_t i = 0; i < f.cells.size(); ++i) {
            const TRect &box = f.cells[i].rect;
            if (f.cells[i].day != 0 || box.isEmpty())
                continue;
            const QString number
                = canvas.fitted(QString::number(f.dateOfCell(int(i)).day()), box.width() + 1);
            if (s.numberPosition == cnpUpperRight)
                canvas.printRightAligned(number, box.right - inset, box.top);
            else
                canvas.printCentered(number, centreOf(box), box.top);
        }
    }
    p.restore();
}

// New: a black disc; full: a ring; quarters: the dark half filled, the
// first quarter dark on the left as the moon is lit on its right.
void paintMoon(QPainter &p, const QRectF &disc, MoonPhases::Phase phase, const QColor &ink)
{
    p.setBrush(phase == MoonPhases::Phase::New ? ink : QColor(Qt::white));
    p.drawEllipse(disc);
    if (phase == MoonPhases::Phase::FirstQuarter || phase == MoonPhases::Phase::LastQuarter) {
        p.setBrush(ink);
        const int start = phase == MoonPhases::Phase::FirstQuarter ? 90 * 16 : -90 * 16;
        p.drawPie(disc, start, 180 * 16);
    }
}

} // namespace

bool isWeekendColumn(int column, int startOfWeek)
{
    const int day = CalendarTexts::weekdayOfColumn(column, startOfWeek);
    return day == 1 || day == 7;
}

TColor cellBackground(const GridStyle &s, int index)
{
    return s.extras.shadeWeekends && isWeekendColumn(index % 7, s.startOfWeek) ? s.extras.shadeColor
                                                                               : clWhite;
}

void paintWeekendShading(QPainter &p, const MonthGridFrame &f, const GridStyle &s)
{
    if (!s.extras.shadeWeekends)
        return;
    const QColor shade = toQColor(s.extras.shadeColor);
    for (int i = 0; i < kCellCount; ++i) {
        if (isWeekendColumn(i % 7, s.startOfWeek)) {
            const TRect r = f.cellInterior(i);
            if (!r.isEmpty())
                p.fillRect(r.toQRect(), shade);
        }
    }
}

void paintTexts(QPainter &p, const MonthGridFrame &f, const GridStyle &s, float zoom, bool paper)
{
    if (!s.extras.weekNumbers && !s.extras.neighbourDays)
        return;
    if (paper)
        paperTexts(p, f, s, zoom);
    else
        screenTexts(p, f, s, zoom);
}

void paintMoonPhases(QPainter &p, const MonthGridFrame &f, const GridStyle &s, float zoom)
{
    if (!s.extras.moonPhases || !f.firstCellDate.isValid())
        return;
    // About a ninth of an inch, small enough for the corner of a tall cell.
    const int size = std::min({ int(11 * zoom), f.rowHeight / 4, f.columnWidth / 4 });
    if (size < 3)
        return;
    const int inset = std::max(1, int(3 * zoom));
    const std::vector<int> phases = MoonPhases::localPhaseByDay(f.firstCellDate, kCellCount);
    const QColor ink = toQColor(s.cellFont.color);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(ink, std::max(1.0, double(zoom))));
    for (int i = 0; i < kCellCount; ++i) {
        if (phases[size_t(i)] < 0 || f.cells[size_t(i)].day == 0)
            continue;
        const TRect cell = f.cellInterior(i);
        // Opposite the day number: the upper left corner.
        const QRectF disc(cell.left + inset + 0.5, cell.top + inset + 0.5, size, size);
        paintMoon(p, disc, MoonPhases::Phase(phases[size_t(i)]), ink);
    }
    p.restore();
}

} // namespace ExtrasPainter
