#include "calendar/papertext.h"

#include "base/pageresolution.h"
#include "report/reportcanvas.h"

#include <QPainter>

#include <cmath>

namespace PaperText {

namespace {

double dotsPerInch(float zoom)
{
    return double(zoom) * kScreenPpi;
}

double centreOf(const TRect &box)
{
    return box.left + (box.right - box.left) / 2;
}

double boxWidth(const TRect &box)
{
    return box.right - box.left + 1;
}

// Centred across the box, the line's top where a line of 1.4 times the
// font's height would sit centred down it.
void printInBox(ReportCanvas &canvas, const TRect &box, const QString &text)
{
    const double top = box.top + (box.bottom - box.top - 1.4 * canvas.lineHeight()) / 2;
    canvas.printCentered(canvas.fitted(text, boxWidth(box)), centreOf(box), top);
}

void printTitle(ReportCanvas &canvas, const TRect &box, const CalendarFont &font, const QString &title)
{
    if (title.isEmpty() || box.isEmpty())
        return;
    canvas.setFontFitting(font, title, boxWidth(box));
    printInBox(canvas, box, title);
}

} // namespace

void paintMonthGridTexts(
    QPainter &painter, const MonthGridFrame &f, const GridStyle &s, const QString &title, float zoom)
{
    painter.save();
    ReportCanvas canvas(painter, dotsPerInch(zoom));
    printTitle(canvas, f.titleRoom, s.titleFont, title);

    canvas.setFont(s.headerFont);
    for (int j = 0; j < 7; ++j) {
        const QString name
            = CalendarTexts::nameAt(s.dayNames, CalendarTexts::weekdayOfColumn(j, s.startOfWeek));
        printInBox(canvas, f.headerBoxes[size_t(j)], CalendarTexts::shortenedDayName(name, s.headerStyle));
    }

    canvas.setFont(s.cellFont);
    const double inset = canvas.inches(0.05);
    for (const DayCell &cell : f.cells) {
        if (cell.day <= 0)
            continue;
        const TRect &box = cell.rect;
        const QString number = canvas.fitted(QString::number(cell.day), boxWidth(box));
        if (s.numberPosition == cnpUpperRight)
            canvas.printRightAligned(number, box.right - inset, box.top);
        else
            canvas.printCentered(number, centreOf(box), box.top);
    }
    painter.restore();
}

void paintPlannerTexts(QPainter &painter, const PlannerFrame &f, const GridStyle &s, const QString &title,
    const CalendarTexts::RowLabels &labels, float zoom)
{
    painter.save();
    ReportCanvas canvas(painter, dotsPerInch(zoom));
    if (!title.isEmpty() && !f.titleBand.isEmpty()) {
        canvas.setFontFitting(s.titleFont, title, boxWidth(f.titleBand));
        canvas.printCentered(title, centreOf(f.titleBand), f.titleBand.top);
    }
    canvas.setFont(s.headerFont);
    for (size_t q = 0; q < f.rows.size() && q < labels.size(); ++q) {
        const TRect &upper = f.rows[q].upperLabel, &lower = f.rows[q].lowerLabel;
        canvas.printCenteredOnBottom(
            canvas.fitted(labels[q].first, boxWidth(upper)), centreOf(upper), upper.bottom);
        canvas.printCentered(canvas.fitted(labels[q].second, boxWidth(lower)), centreOf(lower), lower.top);
    }
    painter.restore();
}

CellTable printedCells(const MonthGridFrame &f, const GridStyle &s, float zoom)
{
    CellTable table = f.cells;
    if (s.numberPosition != cnpUpperRight)
        return table;
    const int below
        = int(TextMeasures::of(ReportCanvas::deviceFont(s.cellFont, dotsPerInch(zoom)))->lineSpacing());
    for (DayCell &cell : table) {
        cell.free = cell.rect;
        cell.free.top += below;
    }
    return table;
}

int plannerTitleHeight(const CalendarFont &titleFont, float zoom)
{
    return int(1.6 * ReportCanvas::lineHeight(titleFont, dotsPerInch(zoom)));
}

} // namespace PaperText
