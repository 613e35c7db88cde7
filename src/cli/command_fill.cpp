// datewright-cli fill: a calendar's month filled from a recurring-date list,
// every entry that can fall in the month used, then saved.
#include "clicommand.h"
#include "clisupport.h"

#include "calendar/calendarfile.h"
#include "platform/inifile.h"
#include "platform/preferences.h"
#include "recurring/recurringfill.h"
#include "recurring/recurringlistfile.h"
#include "recurring/recurringplacements.h"

#include <cstdio>
#include <memory>

namespace {

const QString kOut = QStringLiteral("out");

void addFillOptions(QCommandLineParser &parser)
{
    parser.addOption({ kOut, QStringLiteral("Calendar file fill writes (default: the file filled)."),
        QStringLiteral("OUT.DWF") });
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
    QStringList entries;
    if (!RecurringListFile::read(arguments.at(1), &entries, &error))
        return CliSupport::fail(error);
    const QStringList candidates
        = RecurringPlacements::CandidatesForMonth(entries, page.mainCalYear(), page.mainCalMonth());
    if (candidates.isEmpty())
        std::printf("%s\n", "No predefined dates match the current month");
    Preferences preferences;
    preferences.load(IniFile(Preferences::fileName()));
    RecurringFill::ApplyEntries(page, candidates, preferences.defaultEditorFont);
    if (!CalendarFile::save(out, page, &document->calendar.objects(), &error))
        return CliSupport::fail(error);
    return 0;
}

const CliCommandRegistration registration({ QStringLiteral("fill"),
    QStringLiteral("fill FILE.DWF LIST.DAX [--out OUT.DWF] [options]"), addFillOptions, runFill });

} // namespace
