#include "app/printcommands.h"

#include "app/calendarmain.h"
#include "app/printmonthsdialog.h"
#include "richtext/celleditbridge.h"
#include "surface/calendarpanel32.h"
#include "widgets/commondialogs.h"

#include "calendar/calendarpage.h"
#include "calendar/printermargins.h"
#include "document/monthrun.h"
#include "document/pageexport.h"
#include "document/pageprint.h"
#include "objects/vsupertext.h"
#include "platform/datafolder.h"
#include "platform/inifile.h"

#include <QGuiApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QProgressDialog>

namespace {

const QString kPrintTitle = QStringLiteral("ReportPrinter Report");

// Everything printing changes on the page comes back on every way out.
class PrintingState
{
public:
    explicit PrintingState(TCalendarPanel32 &panel)
        : m_panel(panel)
    {
        m_panel.setSuspendPainting(true);
        m_panel.setPrinting(true);
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~PrintingState()
    {
        QGuiApplication::restoreOverrideCursor();
        m_panel.setSuspendPainting(false);
        m_panel.setPrinting(false);
        m_panel.update();
    }
    PrintingState(const PrintingState &) = delete;
    PrintingState &operator=(const PrintingState &) = delete;

private:
    TCalendarPanel32 &m_panel;
};

} // namespace

PrintCommands::PrintCommands(TCalendarMain &window)
    : QObject(&window)
    , m_window(window)
{
}

PrintCommands::~PrintCommands() = default;

QPrinter &PrintCommands::printer()
{
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer->setDocName(kPrintTitle);
        m_printer->setFullPage(true);
    }
    useCalendarPaper(*m_printer);
    return *m_printer;
}

void PrintCommands::useCalendarPaper(QPrinter &target) const
{
    const CalendarPage &page = m_window.CalendarPanel->page();
    target.setPageSize(QPageSize(page.paperSize() == PaperSize::A4 ? QPageSize::A4 : QPageSize::Letter));
    target.setPageOrientation(
        page.calendarOrientation() == coLandscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

void PrintCommands::mnuPrintCalendarClick()
{
    m_printDone = false;
    const bool wasModified = m_window.Modified();
    QPrinter &target = printer();
    if (CommonDialogs::current().print(&m_window, target)) {
        // The page is laid out for the calendar's own paper: on any other
        // it would be cut off or sit in a corner. Qt's dialog puts a CUPS
        // printer's default paper on the printer whatever it showed.
        useCalendarPaper(target);
        if (!CheckPrinterMargins())
            return;
        m_printPasses = std::max(1, target.copyCount());
        // A driver that makes the copies itself gets them as one page; else
        // the page goes into the one job as often as asked.
        if (target.supportsMultipleCopies()) {
            target.setCopyCount(m_printPasses);
            m_printPasses = 1;
        } else {
            target.setCopyCount(1);
        }
        ReportPrinter1Print(target);
    }
    if (m_printDone) {
        report(pageHasSuperText()
                ? QStringLiteral("Print job completed and sent to printer!\r\rNote: this design contains "
                                 "complex shapes or text.\rPlease be patient while the printer produces "
                                 "its\routput...")
                : QStringLiteral("Print job completed and sent to printer!"));
    }
    m_window.SetModified(wasModified);
}

void PrintCommands::mnuPrintSetupClick()
{
    CommonDialogs::current().pageSetup(&m_window, printer());
}

bool PrintCommands::CheckPrinterMargins()
{
    // The printer as the job will use it: its paper is set already.
    QPageLayout layout = m_printer->pageLayout();
    layout.setUnits(QPageLayout::Inch);
    const QString lines
        = PrinterMargins::warningLines(layout.minimumMargins(), m_window.CalendarPanel->page().attributes());
    return lines.isEmpty()
        || CommonDialogs::AskYesNo(
            &m_window, PrinterMargins::question(lines), QStringLiteral("Margin Warning"));
}

bool PrintCommands::ReportPrinter1Print(QPrinter &target)
{
    m_window.closeCellEditor();
    TCalendarPanel32 &panel = *m_window.CalendarPanel;
    PrintingState printing(panel);
    m_window.SetModified(false);
    QPainter painter;
    if (!beginJob(painter, target))
        return false;
    m_printDone = true;
    for (int pass = 1; pass <= m_printPasses; ++pass) {
        PagePrint::paint(painter, *m_window.m_document, target.resolution());
        if (pass < m_printPasses)
            target.newPage();
    }
    painter.end();
    m_window.SetModified(false);
    return true;
}

bool PrintCommands::beginJob(QPainter &painter, QPrinter &target)
{
    if (painter.begin(&target))
        return true;
    CommonDialogs::current().warning(&m_window, QStringLiteral("Datewright"),
        target.outputFileName().isEmpty()
            ? QStringLiteral("The printer could not start the job. Check that it is switched on "
                             "and connected, then print again.")
            : QStringLiteral("Unable to print to %1: the file could not be written.")
                  .arg(target.outputFileName()));
    return false;
}

void PrintCommands::exportPdfClick()
{
    const CommonDialogs::FileRequest request
        = m_window.exportRequest(QStringLiteral("Export Calendar As PDF"), QStringLiteral(".pdf"),
            QStringLiteral("PDF File (*.pdf *.PDF)"));
    const QString fileName = CommonDialogs::current().saveFileName(&m_window, request);
    if (fileName.isEmpty())
        return;
    m_window.closeCellEditor();
    QString error;
    if (!PageExport::savePdf(*m_window.m_document, fileName, &error)) {
        CommonDialogs::current().warning(&m_window, QStringLiteral("Datewright"), error);
        return;
    }
    report(QStringLiteral("Saved as ") + fileName);
}

void PrintCommands::exportPngClick()
{
    QStringList choices;
    for (const int dpi : kPngResolutions)
        choices << QStringLiteral("%1 dots per inch").arg(dpi);
    int chosen = m_pngResolution;
    if (!CommonDialogs::current().chooseItem(
            &m_window, QStringLiteral("Export as PNG"), QStringLiteral("Resolution:"), choices, chosen))
        return;
    m_pngResolution = chosen;
    const int dpi = kPngResolutions[chosen];
    const CommonDialogs::FileRequest request
        = m_window.exportRequest(QStringLiteral("Export Calendar As PNG"), QStringLiteral(".png"),
            QStringLiteral("PNG File (*.png *.PNG)"));
    const QString fileName = CommonDialogs::current().saveFileName(&m_window, request);
    if (fileName.isEmpty())
        return;
    m_window.closeCellEditor();
    QString error;
    const QImage picture = PagePrint::picture(*m_window.m_document, dpi);
    if (picture.isNull())
        error = QStringLiteral("Unable to write %1: not enough memory for a picture at %2 dots per inch")
                    .arg(fileName)
                    .arg(dpi);
    if (picture.isNull() || !PageExport::saveImage(picture, fileName, PageExport::Format::Png, &error)) {
        CommonDialogs::current().warning(&m_window, QStringLiteral("Datewright"), error);
        return;
    }
    report(QStringLiteral("Saved as %1\r\rat %2 dots per inch").arg(fileName).arg(dpi));
}

bool PrintCommands::askRun(int output, MonthRange *range, FillSources *fills, int *dpi)
{
    m_window.closeCellEditor();
    const CalendarPage &page = m_window.CalendarPanel->page();
    PrintMonthsDialog dialog(static_cast<PrintMonthsDialog::Output>(output), page.mainCalYear(),
        page.mainCalMonth(), DataFolder::path(), &m_window);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    for (const QString &file : dialog.fillFiles()) {
        QString error;
        if (!fills->add(file, &error)) {
            CommonDialogs::current().warning(&m_window, QStringLiteral("Datewright"), error);
            return false;
        }
    }
    *range = dialog.range();
    if (dpi)
        *dpi = dialog.resolution();
    return true;
}

std::unique_ptr<QProgressDialog> PrintCommands::runProgress(const QString &text, int pages)
{
    auto progress = std::make_unique<QProgressDialog>(text, QStringLiteral("Cancel"), 0, pages, &m_window);
    progress->setObjectName(QStringLiteral("RunProgress"));
    progress->setWindowModality(Qt::WindowModal);
    progress->setMinimumDuration(0);
    progress->setAutoClose(false);
    progress->setValue(0);
    return progress;
}

namespace {

// Hears each page done; false once the user cancelled.
PageExport::Progress followedBy(QProgressDialog &progress)
{
    return [&progress](int done) {
        progress.setValue(done);
        QCoreApplication::processEvents();
        return !progress.wasCanceled();
    };
}

} // namespace

void PrintCommands::printMonthsClick()
{
    MonthRange range;
    FillSources fills;
    if (!askRun(int(PrintMonthsDialog::Output::Print), &range, &fills))
        return;
    QPrinter &target = printer();
    if (!CommonDialogs::current().print(&m_window, target))
        return;
    useCalendarPaper(target);
    if (!CheckPrinterMargins())
        return;
    MonthRun run(*m_window.m_document, range, &fills, m_window.m_cellEditing->defaultFont());
    const std::unique_ptr<QProgressDialog> progress
        = runProgress(QStringLiteral("Printing %1 months...").arg(run.count()), run.count());
    const PageExport::Progress onPage = followedBy(*progress);
    QPainter painter;
    if (!beginJob(painter, target))
        return;
    for (int index = 0; index < run.count(); ++index) {
        if (index > 0)
            target.newPage();
        PagePrint::paint(painter, run.page(index), target.resolution());
        if (!onPage(index + 1)) {
            // What went to the printer so far is thrown away.
            target.abort();
            painter.end();
            return;
        }
    }
    painter.end();
    progress->close();
    report(QStringLiteral("Print job of %1 months completed and sent to printer!").arg(run.count()));
}

void PrintCommands::exportMonthsPdfClick()
{
    MonthRange range;
    FillSources fills;
    if (!askRun(int(PrintMonthsDialog::Output::Pdf), &range, &fills))
        return;
    const CommonDialogs::FileRequest request = m_window.exportRequest(QStringLiteral("Export Months As PDF"),
        QStringLiteral(".pdf"), QStringLiteral("PDF File (*.pdf *.PDF)"));
    const QString fileName = CommonDialogs::current().saveFileName(&m_window, request);
    if (fileName.isEmpty())
        return;
    MonthRun run(*m_window.m_document, range, &fills, m_window.m_cellEditing->defaultFont());
    const std::unique_ptr<QProgressDialog> progress
        = runProgress(QStringLiteral("Writing %1 months...").arg(run.count()), run.count());
    QString error;
    if (!PageExport::savePdf(run, fileName, &error, followedBy(*progress))) {
        progress->close();
        // Cancelled: nothing was written, and nothing to say.
        if (!error.isEmpty())
            CommonDialogs::current().warning(&m_window, QStringLiteral("Datewright"), error);
        return;
    }
    progress->close();
    report(QStringLiteral("Saved as ") + fileName);
}

void PrintCommands::exportMonthsPngClick()
{
    MonthRange range;
    FillSources fills;
    int dpi = 0;
    if (!askRun(int(PrintMonthsDialog::Output::Png), &range, &fills, &dpi))
        return;
    const CommonDialogs::FileRequest request = m_window.exportRequest(QStringLiteral("Export Months As PNG"),
        QStringLiteral(".png"), QStringLiteral("PNG File (*.png *.PNG)"));
    const QString chosen = CommonDialogs::current().saveFileName(&m_window, request);
    if (chosen.isEmpty())
        return;
    // "Year.png" becomes "Year-01.png", "Year-02.png"...
    QString base = chosen;
    if (base.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive))
        base.chop(4);
    MonthRun run(*m_window.m_document, range, &fills, m_window.m_cellEditing->defaultFont());
    const std::unique_ptr<QProgressDialog> progress
        = runProgress(QStringLiteral("Writing %1 pictures...").arg(run.count()), run.count());
    const PageExport::Progress onPage = followedBy(*progress);
    for (int index = 0; index < run.count(); ++index) {
        const QString fileName
            = QStringLiteral("%1-%2.png").arg(base).arg(index + 1, 2, 10, QLatin1Char('0'));
        QString error;
        const QImage picture = PagePrint::picture(run.page(index), dpi);
        if (picture.isNull())
            error = QStringLiteral("Unable to write %1: not enough memory for a picture at %2 dots per inch")
                        .arg(fileName)
                        .arg(dpi);
        if (picture.isNull() || !PageExport::saveImage(picture, fileName, PageExport::Format::Png, &error)) {
            progress->close();
            CommonDialogs::current().warning(&m_window, QStringLiteral("Datewright"), error);
            return;
        }
        if (!onPage(index + 1)) {
            progress->close();
            report(QStringLiteral("Stopped after %1 of %2 pictures").arg(index + 1).arg(run.count()));
            return;
        }
    }
    progress->close();
    report(QStringLiteral("Saved %1 pictures as %2-01.png to %2-%3.png\r\rat %4 dots per inch")
               .arg(run.count())
               .arg(base)
               .arg(run.count(), 2, 10, QLatin1Char('0'))
               .arg(dpi));
}

void PrintCommands::report(const QString &text) const
{
    CommonDialogs::ShowInformation(&m_window, text);
}

bool PrintCommands::pageHasSuperText() const
{
    for (const TComponent *child : m_window.m_document->objects().children())
        if (dynamic_cast<const TVSuperText *>(child))
            return true;
    return false;
}
