#include "calendar/gridframe.h"

#include <QFontMetrics>

int textHeight(const CalendarFont &font, float zoom)
{
    return QFontMetrics(font.toQFont(zoom)).height();
}

int weekNumberOfRow(const QDate &rowStart, int startOfWeek)
{
    return (startOfWeek == 1 ? rowStart.addDays(1) : rowStart).weekNumber();
}

TRect MonthGridFrame::cellInterior(int index) const
{
    const int left = gridLeft + (index % 7) * columnWidth + 1;
    const int top = daysTop + (index / 7) * rowHeight + 1;
    // The last column and row reach the closing lines, which take up the
    // pixels the division by 7 and 6 left over.
    const int right = index % 7 == 6 ? bounds.right - 1 : left + columnWidth - 1;
    const int bottom = index / 7 == 5 ? bounds.bottom - 1 : top + rowHeight - 1;
    return { left, top, right, bottom };
}

static int firstDayColumn(int month, int year, int startOfWeek)
{
    const QDate first(year, qBound(1, month, 12), 1);
    return CalendarTexts::columnOfWeekday(CalendarTexts::dayOfWeek(first), startOfWeek);
}

static void layoutCells(MonthGridFrame &f, const GridStyle &style, float zoom)
{
    const int x0 = f.gridLeft;
    const int cw = f.columnWidth, rh = f.rowHeight;
    const int p = firstDayColumn(style.month, style.year, style.startOfWeek);
    const int days = daysInMonth(style.month, style.year);
    const int digitHeight = style.numberPosition == cnpUpperRight ? textHeight(style.cellFont, zoom) : 0;
    for (int i = 0; i < 6; ++i) {
        for (int j = 0; j < 7; ++j) {
            DayCell &cell = f.cells[size_t(7 * i + j)];
            const int left0 = x0 + j * cw + 1;
            const int top = f.daysTop + i * rh + 1;
            cell.rect = { left0, top, left0 + cw - 2, top + rh - 2 };
            if (style.numberPosition == cnpUpperRight) {
                cell.rect.left = left0 + 4;
                cell.rect.right = left0 + cw - 7;
                cell.free = cell.rect;
                cell.free.top += digitHeight;
            } else {
                cell.free = {};
            }
            const int number = 7 * i + j - p + 2;
            cell.day = number >= 1 && number <= days ? number : 0;
        }
    }
    f.firstCellDate = QDate(style.year, qBound(1, style.month, 12), 1).addDays(1 - p);
}

// A narrow column for "53" in the week-number font, never more than an
// eighth of the calendar.
static int weekColumnWidth(const TRect &bounds, const GridStyle &style, float zoom)
{
    if (!style.extras.weekNumbers)
        return 0;
    const QFontMetrics metrics(style.weekFont.toQFont(zoom));
    const int wanted = metrics.horizontalAdvance(QStringLiteral("53")) + qMax(4, int(6 * zoom));
    return qMax(0, qMin(wanted, (bounds.right - 1 - bounds.left) / 8));
}

static void layoutWeekNumbers(MonthGridFrame &f, const GridStyle &style)
{
    if (!style.extras.weekNumbers)
        return;
    for (int i = 0; i < 6; ++i) {
        const int top = f.daysTop + i * f.rowHeight + 1;
        f.weekBoxes[size_t(i)] = { f.bounds.left + 1, top, f.gridLeft - 1, top + f.rowHeight - 2 };
        bool showsDay = style.extras.neighbourDays;
        for (int j = 0; j < 7 && !showsDay; ++j)
            showsDay = f.cells[size_t(7 * i + j)].day > 0;
        f.weekNumbers[size_t(i)] = showsDay ? weekNumberOfRow(f.dateOfCell(7 * i), style.startOfWeek) : 0;
    }
}

MonthGridFrame monthGridFrame(const TRect &bounds, const GridStyle &style, float zoom)
{
    MonthGridFrame f;
    f.bounds = bounds;
    const int x0 = bounds.left, y0 = bounds.top, x1 = bounds.right, y1 = bounds.bottom;
    f.working = { x0, y0, x1 - 1, y1 - 1 };

    const int proportionalTitle = int((y1 - 1 - y0) * 0.17);
    f.titleHit = { x0, y0 + 1, x1 - 1, y0 + 1 + proportionalTitle };
    const int titleBottom = y0 + 1 + qMax(proportionalTitle, style.minimumTitleHeight);
    f.titleBand = { x0, y0 + 1, x1 - 1, titleBottom };
    f.titleRoom = f.titleBand;

    f.gridLeft = x0 + weekColumnWidth(bounds, style, zoom);
    f.columnWidth = (x1 - 1 - f.gridLeft) / 7;
    const int headerTop = titleBottom + 1;
    const int headerHeight = int(1.5 * qAbs(style.headerFont.pixelHeight(zoom)));
    f.headerRow = { x0, headerTop, x1 - 1, headerTop + headerHeight };
    for (int j = 0; j < 7; ++j) {
        const int left = f.gridLeft + j * f.columnWidth + 1;
        f.headerBoxes[size_t(j)] = { left, f.headerRow.top, left + f.columnWidth - 2, f.headerRow.bottom };
    }
    f.daysTop = f.headerRow.bottom;
    f.rowHeight = (y1 - 1 - f.daysTop) / 6;
    layoutCells(f, style, zoom);
    layoutWeekNumbers(f, style);
    return f;
}

PlannerFrame plannerFrame(
    const TRect &bounds, int rowCount, int titleHeight, const CalendarTexts::RowLabels &labels)
{
    PlannerFrame f;
    f.bounds = bounds;
    const int x0 = bounds.left, y0 = bounds.top, x1 = bounds.right, y1 = bounds.bottom;
    f.titleBand = { x0 + 5, y0 + 1, x1 - 1 - 5, y0 + 1 + titleHeight };
    f.box = { x0, f.titleBand.bottom + 1, x1 - 1, y1 - 1 };
    f.rowHeight = rowCount > 0 ? f.box.height() / rowCount : 0;
    f.labelRight = x0 + int((x1 - 1 - x0) * 0.15);

    const int rh = f.rowHeight;
    for (int q = 0; q < rowCount; ++q) {
        const int rowTop = f.box.top + q * rh;
        const int labelTop = rowTop + 1;
        const int middle = labelTop + rh / 2;
        f.rows.push_back({ { f.box.left, labelTop, f.labelRight, middle },
            { f.box.left, middle, f.labelRight, rowTop + rh } });
        DayCell cell;
        cell.rect = { f.labelRight + 4, rowTop + 4, x1 - 1 - 4, rowTop + rh - 4 };
        if (q == rowCount - 1)
            cell.rect.bottom = f.box.bottom - 4;
        cell.free = cell.rect;
        const size_t labelIndex = size_t(q);
        cell.day = labelIndex < labels.size() ? CalendarTexts::dayFromLabel(labels[labelIndex].second) : 0;
        f.cells.push_back(cell);
    }
    return f;
}
