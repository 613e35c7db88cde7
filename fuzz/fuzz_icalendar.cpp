// Feeds arbitrary bytes to the iCalendar reader and expands what it accepts
// in months near the rules' usual starts and at the ends of the calendar's
// range; every occurrence must lie in the month asked for, in order.
#include "events/eventfill.h"
#include "events/icalendarfile.h"
#include "fuzzsetup.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    setenv("TZ", "Europe/Berlin", 1);
    startOffscreenApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    ICalendarFile file;
    QString error;
    if (!file.parse(bytes, QStringLiteral("fuzz.ics"), &error)) {
        if (error.isEmpty() || file.eventCount() != 0)
            abort();
        return 0;
    }
    static const int months[][2] = { { 1997, 9 }, { 2026, 3 }, { 1, 1 }, { 9999, 12 } };
    for (const auto &month : months) {
        const QList<EventOccurrence> occurrences = file.occurrences(month[0], month[1]);
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
