// datewright-cli: renders, describes and edits calendar files without a display.
#include "clicommand.h"
#include "clisupport.h"
#include "pageoptions.h"

#include "base/programversion.h"
#include "platform/datafolder.h"

#include <QCommandLineParser>
#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

namespace {

// Failures reach the user as one line on standard error; Qt's own chatter
// (runtime folders, font fallbacks) would drown it.
void quietMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg || qEnvironmentVariableIsSet("DATEWRIGHT_DEBUG"))
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

int main(int argc, char *argv[])
{
    qInstallMessageHandler(quietMessages);
    // Fonts and images need a GUI application; no display is needed for them.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // QGuiApplication takes "-style"/"--style" out of argv for itself; our
    // --style names a style sheet, so keep the command line as given.
    QStringList commandLine;
    for (int i = 0; i < argc; ++i)
        commandLine << QString::fromLocal8Bit(argv[i]);
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("datewright"));
    QGuiApplication::setApplicationVersion(QStringLiteral(DATEWRIGHT_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Describes, renders and edits Datewright calendar files.\n") + CliCommands::usage());
    parser.addHelpOption();
    parser.addVersionOption();
    QStringList names;
    for (const CliCommand &command : CliCommands::all())
        names << command.name;
    parser.addPositionalArgument(QStringLiteral("command"), names.join(QStringLiteral(", ")));
    PageOptions::addTo(parser);
    for (const CliCommand &command : CliCommands::all()) {
        if (command.addOptions)
            command.addOptions(parser);
    }
    if (!parser.parse(commandLine))
        return CliSupport::fail(parser.errorText() + QLatin1Char('\n') + CliCommands::usage());
    if (parser.isSet(QStringLiteral("help")))
        parser.showHelp(0);
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion();

    QStringList arguments = parser.positionalArguments();
    if (arguments.isEmpty())
        return CliSupport::fail(CliCommands::usage());
    const QString name = arguments.takeFirst();
    const CliCommand *command = CliCommands::find(name);
    if (!command)
        return CliSupport::fail(QStringLiteral("Unknown command \"%1\"\n").arg(name) + CliCommands::usage());
    DataFolder::ensureInitialized();
    int status = command->run(parser, arguments);
    // A line a full disk refused is a failure too; the stream's own flush
    // at exit would lose it without a word.
    if ((std::fflush(stdout) != 0 || std::ferror(stdout)) && status == 0)
        status = CliSupport::outputFailed();
    std::fflush(stderr);
    // Every file is written and closed by now. Taking the GUI application
    // and the font database apart costs more than a small page's own work,
    // and gains nothing when the process ends.
    std::_Exit(status);
}
