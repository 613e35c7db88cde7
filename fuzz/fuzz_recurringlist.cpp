// Feeds arbitrary bytes to the recurring-date list reader, then describes,
// filters and evaluates every entry for months at the ends of the calendar's
// range, appends placed texts to a cell one at a time and all at once (the
// two must agree byte for byte), and checks that writing the lines and
// reading them again gives the same lines.
#include "base/calendarfont.h"
#include "fuzzsetup.h"
#include "recurring/celltextappender.h"
#include "recurring/recurringdescription.h"
#include "recurring/recurringevaluation.h"
#include "recurring/recurringlistfile.h"
#include "recurring/recurringplacements.h"
#include "richtext/wprtfstorage.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    startOffscreenApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QStringList lines = RecurringListFile::splitLines(bytes);
    if (RecurringListFile::splitLines(RecurringListFile::joinLines(lines)) != lines)
        abort();
    static const int years[] = { 1, 1583, 2024, 9999 };
    TWPRtfStorage cell;
    QStringList appended;
    for (qsizetype i = 0; i < lines.size() && i < 64; ++i) {
        const QString &entry = lines.at(i);
        (void)RecurringDescription::EntryDisplayText(entry);
        for (int year : years) {
            for (int month = 1; month <= 12; ++month) {
                (void)RecurringEvaluation::MayFallIn(entry, year, month);
                const auto placements = RecurringPlacements::PlacementsOf(entry, year, month);
                for (const auto &placement : placements) {
                    if (placement.day < 1 || placement.day > RecurringEvaluation::DaysInMonth(year, month))
                        abort();
                    if (appended.size() < 4) {
                        CellTextAppender::appendParagraph(cell, placement.text, CalendarFont());
                        appended << placement.text;
                    }
                }
            }
        }
    }
    TWPRtfStorage atOnce;
    CellTextAppender::appendParagraphs(atOnce, appended, CalendarFont());
    if (atOnce.rtf() != cell.rtf())
        abort();
    return 0;
}
