// Feeds arbitrary bytes to the iCalendar reader and expands what it accepts
// in the month its first event starts and at the ends of the calendar's
// range; every occurrence must lie in the month asked for, in order, and
// what the limits leave out is counted once for each event.
#include "events/eventfill.h"
#include "events/icalendarfile.h"

#include <libical/ical.h>

#include <cstdint>
#include <cstdlib>

namespace {

// Bigger inputs only repeat what smaller ones try, more slowly.
constexpr size_t kMaxInput = 64 * 1024;

struct Month
{
    int year;
    int month;
};

// The month the first event's DTSTART names, where its rules have most to
// give; else March 2026.
Month firstEventMonth(const QByteArray &bytes)
{
    const qsizetype event = bytes.indexOf("BEGIN:VEVENT");
    const qsizetype start = event < 0 ? -1 : bytes.indexOf("DTSTART", event);
    const qsizetype colon = start < 0 ? -1 : bytes.indexOf(':', start);
    bool yearRead = false;
    bool monthRead = false;
    const int year = colon < 0 ? 0 : bytes.mid(colon + 1, 4).toInt(&yearRead);
    const int month = colon < 0 ? 0 : bytes.mid(colon + 5, 2).toInt(&monthRead);
    if (yearRead && monthRead && year >= 1 && month >= 1 && month <= 12)
        return { year, month };
    return { 2026, 3 };
}

} // namespace

// The reader needs no application object: only the zone is set, once.
extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    setenv("TZ", "Europe/Berlin", 1);
    // libical keeps its last scratch strings (2500) and frees one for each
    // it adds only once its ring is full. Until then every input that makes
    // one looks like a leak to libFuzzer, which runs it again and then
    // checks the whole heap; filled once here, as in a long-running program.
    for (int i = 0; i < 4096; ++i)
        (void)icalmemory_tmp_buffer(1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > kMaxInput)
        return 0;
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    ICalendarFile file;
    QString error;
    if (!file.parse(bytes, QStringLiteral("fuzz.ics"), &error)) {
        if (error.isEmpty() || file.eventCount() != 0)
            abort();
        return 0;
    }
    for (const QString &note : file.notes()) {
        if (!note.startsWith(QLatin1String("fuzz.ics: ")))
            abort();
    }
    const Month months[] = { firstEventMonth(bytes), { 1, 1 }, { 9999, 12 } };
    for (const Month &month : months) {
        ICalendarFile::Shortfall shortfall;
        const QList<EventOccurrence> occurrences = file.occurrences(month.year, month.month, &shortfall);
        // Each event cut off is counted once.
        if (shortfall.overOccurrences + shortfall.outOfSteps + shortfall.pastLastRuleYear > file.eventCount()
            || shortfall.message(QStringLiteral("fuzz.ics"), month.year, month.month).isEmpty()
                != shortfall.isEmpty())
            abort();
        for (qsizetype i = 0; i < occurrences.size(); ++i) {
            const QDate date = occurrences.at(i).date;
            if (date.year() != month.year || date.month() != month.month)
                abort();
            if (i > 0 && date < occurrences.at(i - 1).date)
                abort();
        }
        (void)EventFill::placementsOf(occurrences, month.year, month.month);
    }
    return 0;
}
