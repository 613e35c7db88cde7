// datewright-cli: renders and describes calendar pages without a display.
#include "infojson.h"
#include "pageoptions.h"

#include "calendarpage.h"
#include "platform/datafolder.h"
#include "report/pageexport.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QJsonDocument>

#include <cstdio>

namespace {

constexpr int kFileVersion = 4;

int fail(const QString &message)
{
    std::fprintf(stderr, "%s\n", qPrintable(message));
    return 1;
}

const QString kZoom = QStringLiteral("zoom");

QString usage()
{
    return QStringLiteral("Usage: datewright-cli info [options]\n"
                          "       datewright-cli render OUT.png|.bmp|.jpg|.pdf [--zoom Z] [options]\n"
                          "Run datewright-cli --help for the options.");
}

// Page set up from the default style and the options given.
bool preparePage(const QCommandLineParser &parser, CalendarPage &page, QString *error)
{
    page.resetToDefaultStyle();
    return PageOptions::apply(parser, page, error);
}

int runInfo(const QCommandLineParser &parser, const QStringList &arguments)
{
    if (!arguments.isEmpty())
        return fail(QStringLiteral("Reading calendar files (%1) is not supported by this version").arg(arguments.first()));
    CalendarPage page;
    QString error;
    if (!preparePage(parser, page, &error))
        return fail(error);
    const QJsonDocument document(InfoJson::describe(page, QStringLiteral("calendar"), kFileVersion));
    std::fputs(document.toJson(QJsonDocument::Indented).constData(), stdout);
    return 0;
}

int runRender(const QCommandLineParser &parser, const QStringList &arguments)
{
    if (arguments.size() == 2)
        return fail(QStringLiteral("Reading calendar files (%1) is not supported by this version").arg(arguments.first()));
    if (arguments.size() != 1)
        return fail(QStringLiteral("render needs the name of the file to write\n") + usage());
    const QString out = arguments.last();
    PageExport::Format format;
    if (!PageExport::formatFromFileName(out, &format))
        return fail(QStringLiteral("Cannot save %1: use a name ending in .png, .bmp, .jpg or .pdf").arg(out));
    float zoom = 1.0f;
    if (parser.isSet(kZoom)) {
        bool ok = false;
        zoom = parser.value(kZoom).toFloat(&ok);
        if (!ok || zoom < 0.1f || zoom > 4.0f)
            return fail(QStringLiteral("--zoom must be a number from 0.1 to 4, not \"%1\"").arg(parser.value(kZoom)));
    }
    CalendarPage page;
    QString error;
    if (!preparePage(parser, page, &error))
        return fail(error);
    const bool saved = format == PageExport::Format::Pdf
        ? PageExport::savePdf(page, out, &error)
        : PageExport::saveImage(PageExport::picture(page, zoom), out, format, &error);
    return saved ? 0 : fail(error);
}

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
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("datewright"));
    QGuiApplication::setApplicationVersion(QStringLiteral("3.2g"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Describes and renders Datewright calendar pages."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("info or render"));
    parser.addOption({kZoom, QStringLiteral("Zoom for pictures, 0.1 to 4 (default 1)."), QStringLiteral("Z")});
    PageOptions::addTo(parser);
    if (!parser.parse(QCoreApplication::arguments()))
        return fail(parser.errorText() + QLatin1Char('\n') + usage());
    if (parser.isSet(QStringLiteral("help")))
        parser.showHelp(0);
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion();

    QStringList arguments = parser.positionalArguments();
    if (arguments.isEmpty())
        return fail(usage());
    const QString command = arguments.takeFirst();
    DataFolder::ensureInitialized();
    if (command == QLatin1String("info"))
        return runInfo(parser, arguments);
    if (command == QLatin1String("render"))
        return runRender(parser, arguments);
    return fail(QStringLiteral("Unknown command \"%1\"\n").arg(command) + usage());
}
