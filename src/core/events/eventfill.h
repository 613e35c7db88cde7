#pragma once

#include "events/eventoccurrence.h"
#include "recurring/recurringplacements.h"

#include <QList>
#include <QLocale>
#include <QString>

class CalendarPage;
struct CalendarFont;

// Filling a month from calendar events, through the same cell appending as
// the recurring dates: each occurrence becomes a paragraph of its own.
namespace EventFill {

// A start time in the locale's short form, without seconds ("9:30 AM",
// "09:30").
[[nodiscard]] QString timeText(const QTime &time, const QLocale &locale = QLocale());
// What an occurrence puts in its cell: the start time, a space and the
// summary for timed events; the summary alone for all-day events and the
// later days of a timed one.
[[nodiscard]] QString cellText(const EventOccurrence &occurrence, const QLocale &locale = QLocale());

// The texts of the occurrences that fall in the month, in their order.
[[nodiscard]] QList<RecurringPlacements::Placement> placementsOf(
    const QList<EventOccurrence> &occurrences, int year, int month, const QLocale &locale = QLocale());

// Appends the occurrences of the page's month to its cells; returns how
// many texts were placed.
int apply(CalendarPage &page, const QList<EventOccurrence> &occurrences, const CalendarFont &defaultFont,
    const QLocale &locale = QLocale());

} // namespace EventFill
