// datewright-cli recurring: which text a recurring-date list puts on which day of a month.
#include "clicommand.h"
#include "clisupport.h"

#include "recurring/recurringlistfile.h"
#include "recurring/recurringplacements.h"

#include <QFileInfo>

namespace {

QString withoutTrailingBlanks(QString text)
{
    while (!text.isEmpty() && text.back() == QLatin1Char(' '))
        text.chop(1);
    return text;
}

int runRecurring(const QCommandLineParser &parser, const QStringList &arguments)
{
    if (arguments.size() != 1 || !parser.isSet(QStringLiteral("year"))
        || !parser.isSet(QStringLiteral("month")))
        return CliSupport::fail(
            QStringLiteral("recurring needs a list file, --year and --month\n") + CliCommands::usage());
    // The page options check --year and --month as they do for every command.
    CalendarDocument document;
    QString error;
    if (!CliSupport::prepareDocument(parser, QString(), document, nullptr, &error))
        return CliSupport::fail(error);
    const CalendarPage &page = document.page();
    QStringList entries;
    if (!RecurringListFile::read(arguments.first(), &entries, &error))
        return CliSupport::fail(error);
    QByteArray out;
    for (const QString &entry : entries) {
        for (const auto &placement :
            RecurringPlacements::PlacementsOf(entry, page.mainCalYear(), page.mainCalMonth()))
            out += QByteArray::number(placement.day) + '\t' + withoutTrailingBlanks(placement.text).toUtf8()
                + '\n';
    }
    return CliSupport::printOutput(out);
}

const CliCommandRegistration registration({ QStringLiteral("recurring"),
    QStringLiteral("recurring LIST.DAX --year Y --month M"), nullptr, runRecurring });

} // namespace
