// datewright-cli new: a new calendar file from the default style and the options.
#include "clicommand.h"
#include "clisupport.h"

#include <memory>

namespace {

int runNew(const QCommandLineParser &parser, const QStringList &arguments)
{
    if (arguments.size() != 1)
        return CliSupport::fail(
            QStringLiteral("new needs the name of the calendar file to write\n") + CliCommands::usage());
    const QString out = arguments.first();
    if (!out.toUpper().endsWith(QLatin1String(".DWF")))
        return CliSupport::fail(QStringLiteral("Cannot save %1: use a name ending in .dwf").arg(out));
    auto document = std::make_unique<CalendarDocument>();
    QString error;
    if (!CliSupport::prepareDocument(parser, QString(), *document, nullptr, &error))
        return CliSupport::fail(error);
    if (!document->saveAs(out, &error))
        return CliSupport::fail(error);
    return 0;
}

const CliCommandRegistration registration(
    { QStringLiteral("new"), QStringLiteral("new OUT.DWF [options]"), nullptr, runNew });

} // namespace
