// datewright-cli fill: a calendar's month filled from a recurring-date list,
// every entry that can fall in the month used, or from an iCalendar file,
// every occurrence in the month used; then saved.
#include "clicommand.h"
#include "clisupport.h"

#include "calendar/calendarfile.h"
#include "events/eventfill.h"
#include "events/icalendarfile.h"
#include "platform/inifile.h"
#include "platform/preferences.h"
#include "platform/safefilereader.h"
#include "recurring/recurringfill.h"
#include "recurring/recurringlistfile.h"
#include "recurring/recurringplacements.h"

#include <QFile>

#include <cstdio>
#include <memory>

namespace {

const QString kOut = QStringLiteral("out");

void addFillOptions(QCommandLineParser &parser)
{
    parser.addOption({ kOut, QStringLiteral("Calendar file fill writes (default: the file filled)."),
        QStringLiteral("OUT.DWF") });
}

// What kind of list a file is goes by its content: an exported calendar
// may be called anything.
bool isICalendar(const QString &fileName)
{
    QFile file(fileName);
    if (!SafeFileReader::notAFileReason(fileName).isEmpty() || !file.open(QIODevice::ReadOnly))
        return false; // the list reader says why
    return ICalendarFile::looksLikeICalendar(file.read(64));
}

// Appends the month's occurrences; false with the reader's message.
bool fillFromEvents(CalendarPage &page, const QString &fileName, const CalendarFont &font, QString *error)
{
    ICalendarFile events;
    if (!events.load(fileName, error))
        return false;
    const QList<EventOccurrence> occurrences = events.occurrences(page.mainCalYear(), page.mainCalMonth());
    if (occurrences.isEmpty())
        std::printf("%s\n", "No events fall in the current month");
    EventFill::apply(page, occurrences, font);
    return true;
}

bool isCalendarName(const QString &fileName)
{
    return fileName.toUpper().endsWith(QLatin1String(".DWF"));
}

int runFill(const QCommandLineParser &parser, const QStringList &arguments)
{
    if (arguments.size() != 2)
        return CliSupport::fail(
            QStringLiteral("fill needs a calendar file and a list file\n") + CliCommands::usage());
    const QString source = arguments.at(0);
    const QString out = parser.isSet(kOut) ? parser.value(kOut) : source;
    if (!isCalendarName(source))
        return CliSupport::fail(QStringLiteral("fill needs a calendar file (.dwf), not %1").arg(source));
    if (!isCalendarName(out))
        return CliSupport::fail(QStringLiteral("Cannot save %1: use a name ending in .dwf").arg(out));
    // Everything is read before anything is written, so a bad list leaves the calendar alone.
    auto document = std::make_unique<CliDocument>();
    QString error;
    if (!CliSupport::prepareDocument(parser, source, *document, &error))
        return CliSupport::fail(error);
    // Saving over a damaged file would make the loss of its unread objects final.
    if (document->damaged && !parser.isSet(kOut))
        return CliSupport::fail(CalendarFile::damagedMessage(source, document->objectsRead)
            + QStringLiteral(" Not filled in place: give --out to save the filled calendar "
                             "under another name."));
    CliSupport::warnIfDamaged(*document, source);
    CalendarPage &page = document->calendar.page();
    if (!page.layoutHasDayCells())
        return CliSupport::fail(QStringLiteral("%1 has no day cells to fill").arg(source));
    Preferences preferences;
    preferences.load(IniFile(Preferences::fileName()));
    if (isICalendar(arguments.at(1))) {
        if (!fillFromEvents(page, arguments.at(1), preferences.defaultEditorFont, &error))
            return CliSupport::fail(error);
    } else {
        QStringList entries;
        if (!RecurringListFile::read(arguments.at(1), &entries, &error))
            return CliSupport::fail(error);
        const QStringList candidates
            = RecurringPlacements::CandidatesForMonth(entries, page.mainCalYear(), page.mainCalMonth());
        if (candidates.isEmpty())
            std::printf("%s\n", "No predefined dates match the current month");
        RecurringFill::ApplyEntries(page, candidates, preferences.defaultEditorFont);
    }
    if (!CalendarFile::save(out, page, &document->calendar.objects(), &error))
        return CliSupport::fail(error);
    return 0;
}

const CliCommandRegistration registration({ QStringLiteral("fill"),
    QStringLiteral("fill FILE.DWF LIST.DAX|EVENTS.ics [--out OUT.DWF] [options]"), addFillOptions, runFill });

} // namespace
