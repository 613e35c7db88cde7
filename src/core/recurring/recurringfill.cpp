#include "recurring/recurringfill.h"

#include "calendar/calendarpage.h"
#include "recurring/celltextappender.h"
#include "recurring/recurringplacements.h"

namespace RecurringFill {

int PuttextOnDay(CalendarPage &page, int day, const QString &text, const CalendarFont &defaultFont)
{
    if (day < 1 || !page.layoutHasDayCells())
        return 0; // blank cells carry day 0; they are never a day of the month
    // The day a cell shows comes from the page's geometry; record it at the
    // zoom the page is shown at, so nothing else about the page changes.
    page.recordCellTable(page.displayScale());
    const int cell = page.cellOfDay(day);
    TWPRtfStorage *storage = page.cellStorage(cell);
    if (!storage)
        return 0;
    TWPRtfStorage updated;
    updated.copyFrom(*storage);
    CellTextAppender::appendParagraph(updated, text, defaultFont);
    page.setCellContents(cell, updated.rtf()); // repaints the cell
    return cell;
}

int ApplyEntries(CalendarPage &page, const QStringList &entries, const CalendarFont &defaultFont)
{
    int placed = 0;
    const int year = page.mainCalYear();
    const int month = page.mainCalMonth();
    for (const QString &entry : entries) {
        for (const RecurringPlacements::Placement &placement :
            RecurringPlacements::PlacementsOf(entry, year, month)) {
            if (PuttextOnDay(page, placement.day, placement.text, defaultFont) != 0)
                ++placed;
        }
    }
    return placed;
}

} // namespace RecurringFill
