#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTime>

// One day of one occurrence of a calendar event, in local time. An event
// that covers several days gives one of these for each day.
struct EventOccurrence
{
    QDate date;
    // Null for all-day events, and on the days after the first of a timed
    // event that runs over midnight.
    QTime start;
    // Null for all-day events, for events without an end, and on the days
    // before the last of a timed event.
    QTime end;
    QString summary;
    // The calendar the event came from (its name in the file, else the
    // file's), and the event's categories.
    QString calendar;
    QStringList categories;

    [[nodiscard]] bool isTimed() const { return start.isValid(); }
    bool operator==(const EventOccurrence &other) const
    {
        return date == other.date && start == other.start && end == other.end && summary == other.summary
            && calendar == other.calendar && categories == other.categories;
    }
};

namespace EventOrder {

// By date; all-day (and continued) before timed; then by start time. Events
// that tie keep the order they come in.
void sort(QList<EventOccurrence> &occurrences);

} // namespace EventOrder
