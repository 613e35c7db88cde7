#pragma once

#include "events/eventoccurrence.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

// An iCalendar (.ics) file, read with libical: its events, with their
// recurrence rules, extra dates, exceptions and moved or cancelled
// occurrences, expanded into the days of a month.
//
//   ICalendarFile file;
//   QString error;
//   if (!file.load(path, &error))
//       return fail(error); // "Unable to read NAME: line 12: ..."
//   for (const EventOccurrence &day : file.occurrences(2026, 3)) ...
//
// Times with a time zone are shown in local time (the process's TZ); times
// without one are local already; a zone neither the file nor the system
// knows is read as local time.
//
// What the limits below leave out is counted, never dropped in silence:
// notes() for the file, Shortfall for a month.
class ICalendarFile
{
public:
    // The file's size limit; the most occurrences one event may have in one
    // month, the most steps its rule may take to find them, and the most
    // steps all rules together may take for one month: a rule every second,
    // or many rules counted from long ago, must not hold the program up.
    static constexpr qint64 kMaxFileSize = 64LL * 1024 * 1024;
    static constexpr int kMaxOccurrencesPerEvent = 5000;
    static constexpr int kMaxRuleSteps = 200000;
    static constexpr int kMaxStepsPerMonth = 1000000;
    // Real calendars nest three or four deep (VCALENDAR, VEVENT, VALARM);
    // libical builds and frees its tree by recursion.
    static constexpr int kMaxNesting = 32;
    // libical follows recurrence rules up to the end of this year only.
    static constexpr int kLastRuleYear = 2582;

    // The events of a month whose occurrences the limits cut off.
    struct Shortfall
    {
        int overOccurrences = 0; // had more than kMaxOccurrencesPerEvent in the month
        int outOfSteps = 0; // their rules ran out of steps before the month's end
        int pastLastRuleYear = 0; // recurring into a month after kLastRuleYear

        [[nodiscard]] bool isEmpty() const
        {
            return overOccurrences == 0 && outOfSteps == 0 && pastLastRuleYear == 0;
        }
        // One sentence naming the file and the month; empty when nothing was left out.
        [[nodiscard]] QString message(const QString &fileName, int year, int month) const;
    };

    ICalendarFile();
    ~ICalendarFile();
    ICalendarFile(const ICalendarFile &) = delete;
    ICalendarFile &operator=(const ICalendarFile &) = delete;

    // False with a message naming the file (and the line libical found
    // wrong, when it says); the object then holds no events.
    bool load(const QString &fileName, QString *error);
    // The same from bytes; name is what messages call the file.
    bool parse(const QByteArray &bytes, const QString &name, QString *error);

    // Whether bytes begin like an iCalendar file, whatever the file is called.
    [[nodiscard]] static bool looksLikeICalendar(const QByteArray &start);
    // Whether the file's start is an iCalendar's: what kind of list a file
    // is goes by its content, as an exported calendar may be called
    // anything. False for what is no file to read (a pipe is never waited
    // on); the list's reader then says why.
    [[nodiscard]] static bool isICalendarFile(const QString &fileName);

    // The calendar's own name (X-WR-CALNAME), else the file's base name.
    [[nodiscard]] QString calendarName() const;
    [[nodiscard]] int eventCount() const;
    // What the reader changed to read the file in reasonable time (a time
    // zone's rule it left out), one sentence each naming the file.
    [[nodiscard]] QStringList notes() const;
    // Every day of every occurrence that falls in the month, in EventOrder;
    // shortfall gets what the limits left out.
    [[nodiscard]] QList<EventOccurrence> occurrences(
        int year, int month, Shortfall *shortfall = nullptr) const;

private:
    struct Private;
    std::unique_ptr<Private> d;
};
