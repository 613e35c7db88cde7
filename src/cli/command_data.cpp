// datewright-cli data: where the shipped data and the user's data folder are.
#include "clicommand.h"
#include "clisupport.h"

#include "platform/datafolder.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

int runData(const QCommandLineParser &, const QStringList &arguments)
{
    if (!arguments.isEmpty())
        return CliSupport::fail(QStringLiteral("data takes no arguments\n") + CliCommands::usage());
    const QJsonObject folders { { QStringLiteral("shipped"),
                                    QDir::toNativeSeparators(
                                        QDir(DataFolder::bundledResourcesPath()).absolutePath()) },
        { QStringLiteral("user"), QDir::toNativeSeparators(QDir(DataFolder::path()).absolutePath()) } };
    return CliSupport::printOutput(QJsonDocument(folders).toJson(QJsonDocument::Indented));
}

const CliCommandRegistration registration(
    { QStringLiteral("data"), QStringLiteral("data"), nullptr, runData });

} // namespace
