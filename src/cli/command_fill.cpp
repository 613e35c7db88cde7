// datewright-cli fill: a calendar's month filled from a recurring-date list,
// every entry that can fall in the month used, or from an iCalendar file,
// every occurrence in the month used; then saved.
#include "clicommand.h"
#include "clisupport.h"

#include "calendar/calendarfile.h"
#include "document/monthrun.h"
#include "platform/inifile.h"
#include "platform/preferences.h"

#include <cstdio>
#include <memory>

namespace {

const QString kOut = QStringLiteral("out");
const QString kMonths = QStringLiteral("months");

void addFillOptions(QCommandLineParser &parser)
{
    parser.addOption({ kOut, QStringLiteral("Calendar file fill writes (default: the file filled)."),
        QStringLiteral("OUT.DWF") });
    parser.addOption({ kMonths,
        QStringLiteral("Fill every month of a run (1 to 120) into the calendar's cells of that month."),
        QStringLiteral("FROM:TO") });
}

// Each month of the range is filled into the document's own cells of that
// month; the page then shows the month it showed before.
int fillMonths(
    CalendarDocument &document, const QString &list, const MonthRange &range, const CalendarFont &font)
{
    FillSources fills;
    QString error;
    if (!fills.add(list, &error))
        return CliSupport::fail(error);
    const int year = document.page().mainCalYear();
    const int month = document.page().mainCalMonth();
    for (int index = 0; index < range.count; ++index) {
        document.moveToMonth(range.yearAt(index), range.monthAt(index));
        fills.fillInto(document, font);
    }
    document.moveToMonth(year, month);
    return 0;
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
    MonthRange range;
    QString error;
    if (parser.isSet(kMonths) && !MonthRange::parse(parser.value(kMonths), &range, &error))
        return CliSupport::fail(error);
    // Everything is read before anything is written, so a bad list leaves the calendar alone.
    auto document = std::make_unique<CalendarDocument>();
    CalendarFile::ReadReport report;
    if (!CliSupport::prepareDocument(parser, source, *document, &report, &error))
        return CliSupport::fail(error);
    // Saving over a damaged file would make the loss of its unread objects final.
    if (report.damaged && !parser.isSet(kOut))
        return CliSupport::fail(CalendarFile::damagedMessage(source, report.objectsRead)
            + QStringLiteral(" Not filled in place: give --out to save the filled calendar "
                             "under another name."));
    CliSupport::warnIfDamaged(report, source);
    if (!document->page().layoutHasDayCells())
        return CliSupport::fail(QStringLiteral("%1 has no day cells to fill").arg(source));
    Preferences preferences;
    preferences.load(IniFile(Preferences::fileName()));
    if (range.count > 0) {
        if (fillMonths(*document, arguments.at(1), range, preferences.defaultEditorFont) != 0)
            return 1;
        return document->saveAs(out, &error) ? 0 : CliSupport::fail(error);
    }
    CalendarDocument::FillResult filled;
    if (!document->fill(arguments.at(1), preferences.defaultEditorFont, &filled, &error))
        return CliSupport::fail(error);
    if (!filled.note.isEmpty())
        std::fprintf(stderr, "%s\n", qPrintable(filled.note));
    if (filled.candidates == 0)
        std::printf("%s\n",
            filled.events ? "No events fall in the current month"
                          : "No predefined dates match the current month");
    if (!document->saveAs(out, &error))
        return CliSupport::fail(error);
    return 0;
}

const CliCommandRegistration registration({ QStringLiteral("fill"),
    QStringLiteral("fill FILE.DWF LIST.DAX|EVENTS.ics [--out OUT.DWF] [--months FROM:TO] [options]"),
    addFillOptions, runFill });

} // namespace
