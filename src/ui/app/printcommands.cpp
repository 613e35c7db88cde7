#include "app/printcommands.h"

#include "app/calendarmain.h"
#include "surface/calendarpanel32.h"
#include "widgets/commondialogs.h"

#include "calendar/calendarpage.h"
#include "calendar/printermargins.h"
#include "document/pageexport.h"
#include "document/pageprint.h"
#include "objects/vsupertext.h"
#include "platform/inifile.h"

#include <QGuiApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

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
    if (!painter.begin(&target)) {
        CommonDialogs::current().warning(&m_window, QStringLiteral("Datewright"),
            target.outputFileName().isEmpty()
                ? QStringLiteral("The printer could not start the job. Check that it is switched on "
                                 "and connected, then print again.")
                : QStringLiteral("Unable to print to %1: the file could not be written.")
                      .arg(target.outputFileName()));
        return false;
    }
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
