// datewright-cli events: the occurrences an iCalendar file has in a month, as JSON.
#include "clicommand.h"
#include "clisupport.h"

#include "events/icalendarfile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

namespace {

QJsonValue clockOf(const QTime &time)
{
    return time.isValid() ? QJsonValue(time.toString(QStringLiteral("HH:mm"))) : QJsonValue();
}

int runEvents(const QCommandLineParser &parser, const QStringList &arguments)
{
    if (arguments.size() != 1 || !parser.isSet(QStringLiteral("year"))
        || !parser.isSet(QStringLiteral("month")))
        return CliSupport::fail(
            QStringLiteral("events needs an iCalendar file, --year and --month\n") + CliCommands::usage());
    // The page options check --year and --month as they do for every command.
    CalendarDocument document;
    QString error;
    if (!CliSupport::prepareDocument(parser, QString(), document, nullptr, &error))
        return CliSupport::fail(error);
    const CalendarPage &page = document.page();
    ICalendarFile file;
    if (!file.load(arguments.first(), &error))
        return CliSupport::fail(error);
    ICalendarFile::Shortfall shortfall;
    const QList<EventOccurrence> occurrences
        = file.occurrences(page.mainCalYear(), page.mainCalMonth(), &shortfall);
    // What the reader left out goes to standard error, where it does not spoil the JSON.
    QStringList notes = file.notes();
    if (!shortfall.isEmpty())
        notes << shortfall.message(arguments.first(), page.mainCalYear(), page.mainCalMonth());
    for (const QString &note : notes)
        std::fprintf(stderr, "%s\n", qPrintable(note));
    QJsonArray out;
    for (const EventOccurrence &occurrence : occurrences) {
        out.append(QJsonObject { { QStringLiteral("date"), occurrence.date.toString(Qt::ISODate) },
            { QStringLiteral("start"), clockOf(occurrence.start) },
            { QStringLiteral("end"), clockOf(occurrence.end) },
            { QStringLiteral("summary"), occurrence.summary } });
    }
    const QByteArray json = QJsonDocument(out).toJson(QJsonDocument::Indented);
    return CliSupport::printOutput(json);
}

const CliCommandRegistration registration(
    { QStringLiteral("events"), QStringLiteral("events EVENTS.ics --year Y --month M"), nullptr, runEvents });

} // namespace
