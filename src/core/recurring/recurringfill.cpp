#include "recurring/recurringfill.h"

#include "calendar/calendarpage.h"
#include "recurring/celltextappender.h"
#include "recurring/recurringplacements.h"

#include <map>

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
    QList<RecurringPlacements::Placement> placements;
    const int year = page.mainCalYear();
    const int month = page.mainCalMonth();
    for (const QString &entry : entries)
        placements << RecurringPlacements::PlacementsOf(entry, year, month);
    return ApplyPlacements(page, placements, defaultFont);
}

int ApplyPlacements(CalendarPage &page, const QList<RecurringPlacements::Placement> &placements,
    const CalendarFont &defaultFont)
{
    if (!page.layoutHasDayCells())
        return 0;
    page.recordCellTable(page.displayScale());
    // Each cell's new paragraphs in order, so that every cell is read and
    // written once however many texts it takes: appending one text at a
    // time rewrote the cell's whole text for each, which made filling from
    // a long list take minutes.
    std::map<int, QStringList> textsOfCell;
    int placed = 0;
    for (const RecurringPlacements::Placement &placement : placements) {
        const int cell = placement.day < 1 ? -1 : page.cellOfDay(placement.day);
        if (!page.cellStorage(cell))
            continue;
        textsOfCell[cell] << placement.text;
        ++placed;
    }
    for (const auto &[cell, texts] : textsOfCell) {
        TWPRtfStorage updated;
        updated.copyFrom(*page.cellStorage(cell));
        CellTextAppender::appendParagraphs(updated, texts, defaultFont);
        page.setCellContents(cell, updated.rtf()); // repaints the cell
    }
    return placed;
}

} // namespace RecurringFill
