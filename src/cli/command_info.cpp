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
    auto document = std::make_unique<CliDocument>();
    QString error;
    if (!CliSupport::prepareDocument(parser, arguments.value(0), *document, &error))
        return CliSupport::fail(error);
    QJsonObject description = InfoJson::describe(
        document->calendar.page(), document->kind, document->version, &document->calendar.objects());
    if (document->damaged)
        description.insert("damaged", true);
    if (document->extrasRefused)
        description.insert("extrasDamaged", true);
    CliSupport::warnIfDamaged(*document, arguments.value(0));
    const QJsonDocument json(description);
    return CliSupport::printOutput(json.toJson(QJsonDocument::Indented));
}

const CliCommandRegistration registration(
    { QStringLiteral("info"), QStringLiteral("info [FILE.DWF|FILE.DWS] [options]"), nullptr, runInfo });

} // namespace
