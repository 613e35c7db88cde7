// datewright-cli render: the page drawn into a picture or a PDF, or the pages
// of a run of months into one PDF or one picture per month.
#include "clicommand.h"
#include "clisupport.h"

#include "document/monthrun.h"
#include "document/pageexport.h"
#include "document/pageprint.h"
#include "platform/inifile.h"
#include "platform/preferences.h"

#include <memory>

namespace {

const QString kZoom = QStringLiteral("zoom");
const QString kDpi = QStringLiteral("dpi");
const QString kMonths = QStringLiteral("months");
const QString kFill = QStringLiteral("fill");
const QString kPageNumber = QStringLiteral("{n}");

void addRenderOptions(QCommandLineParser &parser)
{
    parser.addOption(
        { kZoom, QStringLiteral("Zoom for pictures, 0.1 to 4 (default 1)."), QStringLiteral("Z") });
    parser.addOption(
        { kDpi, QStringLiteral("Pictures of the whole sheet as printed, at N dots per inch (72 to 1200)."),
            QStringLiteral("N") });
    parser.addOption({ kMonths,
        QStringLiteral("A run of months (1 to 120), one page each: a PDF of them all, or one picture "
                       "each with {n} in OUT for the page number."),
        QStringLiteral("FROM:TO") });
    parser.addOption({ kFill,
        QStringLiteral("Fill every page from a recurring-date list or an iCalendar file (repeatable)."),
        QStringLiteral("FILE") });
}

// The picture export of a page: at a zoom with the margins cut off, or the
// whole sheet at a printing resolution.
QImage pictureOf(const CalendarDocument &page, float zoom, int dpi)
{
    return dpi > 0 ? PagePrint::picture(page, dpi) : PageExport::picture(page, zoom);
}

bool saveRun(
    MonthRun &run, const QString &out, PageExport::Format format, float zoom, int dpi, QString *error)
{
    if (format == PageExport::Format::Pdf)
        return PageExport::savePdf(run, out, error);
    for (int index = 0; index < run.count(); ++index) {
        const QString name
            = QString(out).replace(kPageNumber, QStringLiteral("%1").arg(index + 1, 2, 10, QLatin1Char('0')));
        if (!PageExport::saveImage(pictureOf(run.page(index), zoom, dpi), name, format, error))
            return false;
    }
    return true;
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
    MonthRange range;
    QString error;
    const bool run = parser.isSet(kMonths);
    if (run && !MonthRange::parse(parser.value(kMonths), &range, &error))
        return CliSupport::fail(error);
    if (run && format != PageExport::Format::Pdf && !out.contains(kPageNumber))
        return CliSupport::fail(
            QStringLiteral("A run of months into pictures writes one file per month: put {n} into %1 where "
                           "the page number goes")
                .arg(out));
    auto document = std::make_unique<CalendarDocument>();
    CalendarFile::ReadReport report;
    if (!CliSupport::prepareDocument(
            parser, arguments.size() == 2 ? arguments.first() : QString(), *document, &report, &error))
        return CliSupport::fail(error);
    FillSources fills;
    for (const QString &list : parser.values(kFill)) {
        if (!fills.add(list, &error))
            return CliSupport::fail(error);
    }
    CliSupport::warnIfDamaged(report, arguments.first());
    Preferences preferences;
    preferences.load(IniFile(Preferences::fileName()));
    bool saved = false;
    if (run) {
        MonthRun pages(*document, range, &fills, preferences.defaultEditorFont);
        saved = saveRun(pages, out, format, zoom, dpi, &error);
    } else {
        fills.fillInto(*document, preferences.defaultEditorFont);
        if (format == PageExport::Format::Pdf)
            saved = PageExport::savePdf(*document, out, &error);
        else
            saved = PageExport::saveImage(pictureOf(*document, zoom, dpi), out, format, &error);
    }
    return saved ? 0 : CliSupport::fail(error);
}

const CliCommandRegistration registration({ QStringLiteral("render"),
    QStringLiteral("render [FILE.DWF|FILE.DWS] OUT.png|.bmp|.jpg|.pdf [--zoom Z|--dpi N] [--months FROM:TO] "
                   "[--fill FILE]... [options]"),
    addRenderOptions, runRender });

} // namespace
