// datewright-cli render: the page drawn into a picture or a PDF.
#include "clicommand.h"
#include "clisupport.h"

#include "document/pageexport.h"
#include "document/pageprint.h"

#include <memory>

namespace {

const QString kZoom = QStringLiteral("zoom");
const QString kDpi = QStringLiteral("dpi");

void addRenderOptions(QCommandLineParser &parser)
{
    parser.addOption(
        { kZoom, QStringLiteral("Zoom for pictures, 0.1 to 4 (default 1)."), QStringLiteral("Z") });
    parser.addOption(
        { kDpi, QStringLiteral("Pictures of the whole sheet as printed, at N dots per inch (72 to 1200)."),
            QStringLiteral("N") });
}

int runRender(const QCommandLineParser &parser, const QStringList &arguments)
{
    if (arguments.isEmpty() || arguments.size() > 2)
        return CliSupport::fail(
            QStringLiteral("render needs the name of the file to write\n") + CliCommands::usage());
    const QString out = arguments.last();
    PageExport::Format format;
    if (!PageExport::formatFromFileName(out, &format))
        return CliSupport::fail(
            QStringLiteral("Cannot save %1: use a name ending in .png, .bmp, .jpg or .pdf").arg(out));
    float zoom = 1.0f;
    if (parser.isSet(kZoom)) {
        bool ok = false;
        zoom = parser.value(kZoom).toFloat(&ok);
        if (!ok || zoom < 0.1f || zoom > 4.0f)
            return CliSupport::fail(
                QStringLiteral("--zoom must be a number from 0.1 to 4, not \"%1\"").arg(parser.value(kZoom)));
    }
    int dpi = 0;
    if (parser.isSet(kDpi)) {
        bool ok = false;
        dpi = parser.value(kDpi).toInt(&ok);
        if (!ok || dpi < 72 || dpi > 1200)
            return CliSupport::fail(QStringLiteral("--dpi must be a whole number from 72 to 1200, not \"%1\"")
                                        .arg(parser.value(kDpi)));
        if (parser.isSet(kZoom))
            return CliSupport::fail(QStringLiteral("--dpi and --zoom cannot be used together"));
    }
    auto document = std::make_unique<CalendarDocument>();
    CalendarFile::ReadReport report;
    QString error;
    if (!CliSupport::prepareDocument(
            parser, arguments.size() == 2 ? arguments.first() : QString(), *document, &report, &error))
        return CliSupport::fail(error);
    CliSupport::warnIfDamaged(report, arguments.first());
    bool saved = false;
    if (format == PageExport::Format::Pdf)
        saved = PageExport::savePdf(*document, out, &error);
    else if (dpi > 0)
        saved = PageExport::saveImage(PagePrint::picture(*document, dpi), out, format, &error);
    else
        saved = PageExport::saveImage(PageExport::picture(*document, zoom), out, format, &error);
    return saved ? 0 : CliSupport::fail(error);
}

const CliCommandRegistration registration({ QStringLiteral("render"),
    QStringLiteral("render [FILE.DWF|FILE.DWS] OUT.png|.bmp|.jpg|.pdf [--zoom Z|--dpi N] [options]"),
    addRenderOptions, runRender });

} // namespace
