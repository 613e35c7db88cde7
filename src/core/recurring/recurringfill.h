#pragma once

#include "recurring/recurringplacements.h"

#include <QList>
#include <QString>
#include <QStringList>

class CalendarPage;
struct CalendarFont;

// Fills the month a calendar page shows from recurring-date entries: each
// event becomes a paragraph of its own in the cells of the days it falls on.
namespace RecurringFill {

// Appends the text to the cell that shows the day; returns that cell's
// index, or 0 when the page shows no such day.
int PuttextOnDay(CalendarPage &page, int day, const QString &text, const CalendarFont &defaultFont);

// Applies the entries in list order for the page's month and year; returns
// how many texts were placed. The cells end as if PuttextOnDay had placed
// each text in turn, but each cell is written once.
int ApplyEntries(CalendarPage &page, const QStringList &entries, const CalendarFont &defaultFont);

// Appends each text to the cell of its day, in the order given, each cell
// written once; texts for days the page does not show are left out.
// Returns how many texts were placed.
int ApplyPlacements(CalendarPage &page, const QList<RecurringPlacements::Placement> &placements,
    const CalendarFont &defaultFont);

} // namespace RecurringFill
