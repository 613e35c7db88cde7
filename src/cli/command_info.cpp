// datewright-cli info: the page described as one JSON object.
#include "clicommand.h"
#include "clisupport.h"
#include "infojson.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <memory>

namespace {

int runInfo(const QCommandLineParser &parser, const QStringList &arguments)
{
    if (arguments.size() > 1)
        return CliSupport::fail(QStringLiteral("info takes at most one file\n") + CliCommands::usage());
    const QString source = arguments.value(0);
    auto document = std::make_unique<CalendarDocument>();
    CalendarFile::ReadReport report;
    QString error;
    if (!CliSupport::prepareDocument(parser, source, *document, &report, &error))
        return CliSupport::fail(error);
    const bool style = !source.isEmpty() && CalendarDocument::isStyleSheetName(source);
    QJsonObject description = InfoJson::describe(
        *document, style ? QStringLiteral("style") : QStringLiteral("calendar"), report.version);
    if (report.damaged)
        description.insert("damaged", true);
    if (report.extrasRefused)
        description.insert("extrasDamaged", true);
    CliSupport::warnIfDamaged(report, source);
    const QJsonDocument json(description);
    return CliSupport::printOutput(json.toJson(QJsonDocument::Indented));
}

const CliCommandRegistration registration(
    { QStringLiteral("info"), QStringLiteral("info [FILE.DWF|FILE.DWS] [options]"), nullptr, runInfo });

} // namespace
