#pragma once

// libical stays behind this header: nothing outside the events folder's
// sources sees its types.
#include <libical/ical.h>

#include "events/icalendarfile.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTime>
#include <QTimeZone>

#include <vector>

struct EventOccurrence;

namespace ICalendarEvents {

// Which occurrence of a recurring event a date or time names: a date for
// all-day values, else the moment in seconds (floating times read as UTC,
// the same on both sides of a comparison).
struct InstanceKey
{
    bool isDate = false;
    qint64 value = 0;
    bool operator==(const InstanceKey &other) const { return isDate == other.isDate && value == other.value; }
    bool operator<(const InstanceKey &other) const
    {
        return isDate != other.isDate ? isDate < other.isDate : value < other.value;
    }
};

// An extra date of a recurring event, with its own end when it is a period.
struct ExtraDate
{
    icaltimetype start;
    bool hasOwnEnd = false;
    icaltimetype end;
};

// One VEVENT as the expansion needs it. Its times keep pointers to time
// zones owned by the parsed calendar (or libical's built-in ones), so it
// lives no longer than the calendar it came from.
struct Event
{
    QString uid;
    QString summary;
    QString calendar;
    QStringList categories;
    icaltimetype start;
    bool allDay = false;
    // Days for all-day events (at least 1); seconds for timed ones (0: no end).
    qint64 length = 0;
    std::vector<icalrecurrencetype> rules;
    // EXRULE, from the older standard: the occurrences they give are left out.
    std::vector<icalrecurrencetype> exclusionRules;
    std::vector<ExtraDate> extraDates;
    std::vector<InstanceKey> excluded;
    bool overrides = false; // has a RECURRENCE-ID: it replaces one occurrence
    InstanceKey replaces;
    // RANGE=THISANDFUTURE: it also changes every later occurrence, moved by
    // as much as it moves its own (days for all-day events, else seconds).
    bool thisAndFuture = false;
    qint64 shift = 0;
    bool cancelled = false;

    [[nodiscard]] bool recurs() const { return !rules.empty() || !extraDates.empty(); }
};

// The calendar's own name (X-WR-CALNAME), else the fallback.
[[nodiscard]] QString nameOf(icalcomponent *calendar, const QString &fallback);

// The events of a parsed calendar, in file order.
void collect(icalcomponent *calendar, const QString &fallbackName, std::vector<Event> &events);

// Every day of every occurrence of the events in the month, in EventOrder;
// shortfall (when given) counts the events the limits cut off.
[[nodiscard]] QList<EventOccurrence> expand(
    const std::vector<Event> &events, int year, int month, ICalendarFile::Shortfall *shortfall);

[[nodiscard]] InstanceKey keyOf(const icaltimetype &time);

// The last year libical is asked to convert a zone's times in; later times
// are converted 400 years at a time earlier.
constexpr int kLastZoneYear = 2500;

// How many values a BY list of a rule holds.
[[nodiscard]] int countOf(const short *values, int size);

// At most how many times one period of the rule (a year for a yearly rule,
// a month for a monthly one...) fires before BYSETPOS picks among them:
// libical walks through them all.
[[nodiscard]] qint64 occurrencesPerPeriod(const icalrecurrencetype &rule);

// --- time (icalendartime.cpp) ------------------------------------------------

constexpr qint64 kDay = 86400;

[[nodiscard]] QDate dateOf(const icaltimetype &time);
// The local zone, looked up again at each reading and expanding so that a
// changed TZ counts.
[[nodiscard]] QTimeZone &localZone();
void refreshLocalZone();
// The local zone's offsets near the month being expanded, looked up once:
// Qt works each conversion out afresh (the zone's abbreviation too), and a
// month may hold thousands of occurrences. Moments outside the covered
// span are looked up one by one.
void coverLocalTime(qint64 from, qint64 to);

// A moment, and the date and time the local zone shows then.
struct Moment
{
    qint64 utc = 0; // seconds since 1970
    int offset = 0; // of local time

    [[nodiscard]] static Moment at(qint64 utc);
    [[nodiscard]] QDate date() const;
    [[nodiscard]] QTime time() const;
    // The same clock time, days later: a day is not always 86400 seconds.
    [[nodiscard]] Moment addDays(qint64 days) const;
};

// The moment of a time in its zone, in seconds since 1970 (UTC).
[[nodiscard]] qint64 zoneSeconds(icaltimetype time);
// The time in the zone of a moment; a zone's offsets are within a day of UTC.
[[nodiscard]] icaltimetype zoneTime(qint64 seconds, const icaltimezone *zone, bool isDate);
// The moment of a date-time; of midnight for a date. Times without a zone
// are local.
[[nodiscard]] qint64 localSeconds(const icaltimetype &time);
// Within a day of localSeconds, and much cheaper: a rule may take many
// steps before it nears the month, and local time is worked out only there.
[[nodiscard]] qint64 roughSeconds(const icaltimetype &time);

} // namespace ICalendarEvents

namespace ICalendarZones {

// What libical may still be given to expand, in zone changes, for one
// file: each change a zone's rules make up to the last year it expands
// costs a step there.
constexpr qint64 kMaxChangesPerFile = 100000;

// Takes out of the calendar's time zones that its events use the rules
// libical could not expand in reasonable time, before it first expands
// them; the observance is then one change at its start. Adds a note for
// each rule taken out, naming the zone.
void tame(icalcomponent *calendar, const QString &fileName, qint64 &budget, QStringList &notes);

} // namespace ICalendarZones
