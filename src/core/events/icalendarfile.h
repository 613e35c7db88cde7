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

    // The calendar's own name (X-WR-CALNAME), else the file's base name.
    [[nodiscard]] QString calendarName() const;
    [[nodiscard]] int eventCount() const;
    // Every day of every occurrence that falls in the month, in EventOrder.
    [[nodiscard]] QList<EventOccurrence> occurrences(int year, int month) const;

private:
    struct Private;
    std::unique_ptr<Private> d;
};
