// Feeds arbitrary bytes to the iCalendar reader and expands what it accepts
// in months near the rules' usual starts and at the ends of the calendar's
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
    static const int months[][2] = { { 1997, 9 }, { 2026, 3 }, { 1, 1 }, { 9999, 12 } };
    for (const auto &month : months) {
        ICalendarFile::Shortfall shortfall;
        const QList<EventOccurrence> occurrences = file.occurrences(month[0], month[1], &shortfall);
        // Each event cut off is counted once.
        if (shortfall.overOccurrences + shortfall.outOfSteps + shortfall.pastLastRuleYear > file.eventCount()
            || shortfall.message(QStringLiteral("fuzz.ics"), month[0], month[1]).isEmpty()
                != shortfall.isEmpty())
            abort();
        for (qsizetype i = 0; i < occurrences.size(); ++i) {
            const QDate date = occurrences.at(i).date;
            if (date.year() != month[0] || date.month() != month[1])
                abort();
            if (i > 0 && date < occurrences.at(i - 1).date)
                abort();
        }
        (void)EventFill::placementsOf(occurrences, month[0], month[1]);
    }
    return 0;
}
