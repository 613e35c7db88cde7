// Printing through the real main window onto a PDF printer, read back with
// poppler's pdftotext and pdftoppm: texts where the print rules put them,
// grid lines where the screen has them, copies, the modified state, and the
// two exports that need no printer.
#include "mainwindowfixture.h"
#include "pdfprobe.h"

#include "app/printcommands.h"
#include "calendar/pageframe.h"
#include "report/reportcanvas.h"
#include "surface/calendarpanel32.h"

#include <QImage>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

#include <memory>

namespace {

struct Word
{
    QString text;
    QRectF box; // points, from the page's top-left corner
};

// Each page's words as pdftotext places them.
QList<QList<Word>> wordsOf(const QString &pdf)
{
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"), { QStringLiteral("-bbox"), pdf, QStringLiteral("-") });
    if (!tool.waitForFinished(20000) || tool.exitCode() != 0)
        return {};
    QList<QList<Word>> pages;
    static const QRegularExpression word(QStringLiteral(
        R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    for (auto it = word.globalMatch(QString::fromUtf8(tool.readAllStandardOutput())); it.hasNext();) {
        const auto m = it.next();
        if (m.captured(0).startsWith(QLatin1String("<page"))) {
            pages.append(QList<Word>());
            continue;
        }
        if (pages.isEmpty())
            continue;
        pages.last().append({ m.captured(5),
            QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                QPointF(m.captured(3).toDouble(), m.captured(4).toDouble())) });
    }
    return pages;
}

QRectF inPoints(const TRect &r, double dpi)
{
    const double k = 72.0 / dpi;
    return QRectF(QPointF(r.left * k, r.top * k), QPointF(r.right * k, r.bottom * k));
}

// The words lying inside box, joined left to right.
QString textIn(const QList<Word> &words, const QRectF &box, QRectF *where = nullptr)
{
    QStringList texts;
    QRectF all;
    for (const Word &w : words) {
        if (box.adjusted(-1, -1, 1, 1).contains(w.box.center())) {
            texts << w.text;
            all = all.isNull() ? w.box : all.united(w.box);
        }
    }
    if (where)
        *where = all;
    return texts.join(' ');
}

} // namespace

class TestPrinting : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_env = std::make_unique<MainWindowEnvironment>();
        m_main = std::make_unique<TCalendarMain>();
        QVERIFY(showSettled(*m_main));
        m_env->dialogs.messages.clear();
    }
    void cleanup()
    {
        m_main.reset();
        m_env.reset();
    }
    void textsLandWhereThePrintRulesPutThem_data();
    void textsLandWhereThePrintRulesPutThem();
    void gridLinesMatchTheScreen();
    void copiesModifiedStateAndCancel_data();
    void copiesModifiedStateAndCancel();
    void exports_data();
    void exports();
    void noPrinterMessageCanBeSilenced();

private:
    // Opens a calendar of the layout for December 2026 on the paper given.
    void open(int layout, PaperSize paper)
    {
        m_main->OpenCalendarFile(m_env->writeCalendar(QStringLiteral("Print.DWF"), layout, 12, 2026));
        m_main->calendarPanel()->page().setPaperSize(paper);
    }
    // Print Calendar, the dialog answered with a PDF file and copies. Like
    // Qt's dialog on a CUPS printer, it leaves the printer's default paper
    // on the printer whatever the calendar's.
    QString print(int copies = 1)
    {
        const QString out = m_env->path(QStringLiteral("printed.pdf"));
        m_env->dialogs.printAnswers << [out, copies](QPrinter &printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(out);
            printer.setCopyCount(copies);
            printer.setPageSize(QPageSize(QPageSize::Legal));
            return true;
        };
        m_main->printing().mnuPrintCalendarClick();
        return out;
    }

    std::unique_ptr<MainWindowEnvironment> m_env;
    std::unique_ptr<TCalendarMain> m_main;
};

void TestPrinting::textsLandWhereThePrintRulesPutThem_data()
{
    QTest::addColumn<int>("layout");
    QTest::addColumn<PaperSize>("paper");
    QTest::addColumn<QSizeF>("sheet"); // points
    QTest::newRow("month grid, Letter portrait")
        << int(loFullCalendar) << PaperSize::Letter << QSizeF(612, 792);
    QTest::newRow("month grid, A4 landscape") << int(LOFullCalendarLS) << PaperSize::A4 << QSizeF(842, 595);
    QTest::newRow("week planner, A4 portrait") << int(loWeek) << PaperSize::A4 << QSizeF(595, 842);
    QTest::newRow("12 minis, Letter landscape")
        << int(loMC12MonthLS) << PaperSize::Letter << QSizeF(792, 612);
}

void TestPrinting::textsLandWhereThePrintRulesPutThem()
{
    QFETCH(int, layout);
    QFETCH(PaperSize, paper);
    QFETCH(QSizeF, sheet);
    open(layout, paper);
    const CalendarPage &page = m_main->calendarPanel()->page();
    const QString pdf = print();
    const double dpi = m_main->printing().printer().resolution();
    const QList<QList<Word>> pages = wordsOf(pdf);
    QVERIFY2(pages.size() == 1, "pdftotext (poppler-utils) must read one page");
    const QList<Word> &words = pages.first();
    QVERIFY(!words.isEmpty());
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), { pdf });
    QVERIFY(info.waitForFinished(20000));
    static const QRegularExpression pageSize(QStringLiteral(R"(Page size:\s+([\d.]+) x ([\d.]+) pts)"));
    const auto size = pageSize.match(QString::fromLatin1(info.readAllStandardOutput()));
    QVERIFY2(size.hasMatch() && std::abs(size.captured(1).toDouble() - sheet.width()) < 1
            && std::abs(size.captured(2).toDouble() - sheet.height()) < 1,
        "the sheet has the calendar's paper and orientation");

    const PageFrame frame = computePageFrame(page.attributes(), page.layout(), float(dpi / 96.0), true);
    const auto centred = [](const QRectF &found, const QRectF &box) {
        return std::abs(found.center().x() - box.center().x()) < 2.0 && found.top() >= box.top() - 1
            && found.bottom() <= box.bottom() + 2;
    };
    QRectF where;
    if (frame.planner) {
        const QRectF band = inPoints(frame.planner->titleBand, dpi);
        QCOMPARE(textIn(words, band.adjusted(0, -4, 0, 4), &where), QStringLiteral("December 7-13, 2026"));
        QVERIFY(std::abs(where.center().x() - band.center().x()) < 2.0);
        const QRectF notes = inPoints(frame.planner->rows.back().upperLabel, dpi);
        QCOMPARE(textIn(words, notes, &where), QStringLiteral("Notes"));
        QVERIFY2(centred(where, notes), "Notes sits on the bottom of its row's upper half");
        return;
    }
    const MonthGridFrame &grid = frame.grid ? *frame.grid : frame.minis.front().frame;
    const double inch = 72.0;
    // Title and weekday names centred across their boxes.
    QVERIFY(textIn(words, inPoints(grid.titleRoom, dpi), &where).startsWith(QStringLiteral("December")));
    QVERIFY(std::abs(where.center().x() - inPoints(grid.titleRoom, dpi).center().x()) < 2.0);
    for (const TRect &header : grid.headerBoxes) {
        const QRectF box = inPoints(header, dpi);
        QVERIFY2(
            !textIn(words, box, &where).isEmpty() && centred(where, box), "a weekday name off its column");
    }
    // The 15th: in the upper right corner 0.05 inch in, or centred, from the top.
    const DayCell &cell
        = *std::find_if(grid.cells.begin(), grid.cells.end(), [](const DayCell &c) { return c.day == 15; });
    const QRectF box = inPoints(cell.rect, dpi);
    QCOMPARE(textIn(words, box, &where), QStringLiteral("15"));
    if (frame.grid)
        QVERIFY2(std::abs(where.right() - (box.right() - 0.05 * inch)) < 1.5, "15 not right-aligned");
    else
        QVERIFY2(std::abs(where.center().x() - box.center().x()) < 1.5, "15 not centred");
    QVERIFY2(where.top() >= box.top() - 1 && where.top() < box.top() + box.height() / 2, "15 not at the top");
}

void TestPrinting::gridLinesMatchTheScreen()
{
    open(loFullCalendar, PaperSize::Letter);
    // Seen as a viewer shows the sheet at 100%: nothing drawn after the grid
    // may cover a line that lies a few printer pixels from it.
    const QImage sheet = PdfProbe::rasterOf(print(), 96);
    QVERIFY(!sheet.isNull());
    // The eight vertical lines across the middle of each row of days, found
    // on paper, against the screen's at 100%. Paper works the columns out at
    // its own resolution, the screen truncates each column to whole pixels:
    // they may part by a little over a pixel at the far columns, never more
    // than two.
    const PageFrame screen = computePageFrame(
        m_main->calendarPanel()->page().attributes(), m_main->calendarPanel()->page().layout(), 1.0f);
    const MonthGridFrame &grid = *screen.grid;
    QList<double> expected;
    for (int j = 0; j <= 7; ++j)
        expected << (j == 7 ? grid.bounds.right - 1 : grid.bounds.left + j * grid.columnWidth);
    for (int row = 0; row < 6; ++row) {
        const int y = grid.daysTop + row * grid.rowHeight + grid.rowHeight * 2 / 3;
        QList<double> printed;
        for (int x = 0; x < sheet.width(); ++x) {
            if (sheet.pixelColor(x, y).value() < 160 && (printed.isEmpty() || x - printed.last() > 3))
                printed << x;
        }
        QVERIFY2(printed.size() == expected.size(),
            qPrintable(QStringLiteral("row %1: %2 lines").arg(row).arg(printed.size())));
        for (int j = 0; j < expected.size(); ++j)
            QVERIFY2(std::abs(printed[j] - expected[j]) <= 2,
                qPrintable(QStringLiteral("row %1, line %2 at %3, screen at %4")
                               .arg(row)
                               .arg(j)
                               .arg(printed[j])
                               .arg(expected[j])));
    }
}

void TestPrinting::copiesModifiedStateAndCancel_data()
{
    QTest::addColumn<bool>("modified");
    QTest::addColumn<int>("copies");
    QTest::addColumn<bool>("cancel");
    QTest::newRow("saved calendar stays saved") << false << 1 << false;
    QTest::newRow("unsaved changes stay unsaved, 3 copies as 3 passes") << true << 3 << false;
    QTest::newRow("cancelled dialog changes nothing") << true << 1 << true;
}

void TestPrinting::copiesModifiedStateAndCancel()
{
    QFETCH(bool, modified);
    QFETCH(int, copies);
    QFETCH(bool, cancel);
    open(loFullCalendar, PaperSize::Letter);
    m_main->SetModified(modified);
    m_env->dialogs.messages.clear();
    QString pdf;
    if (cancel)
        m_main->printing().mnuPrintCalendarClick(); // no answer queued: Cancel
    else
        pdf = print(copies);
    QCOMPARE(m_main->Modified(), modified);
    QCOMPARE(m_main->menus().Savebutton->isVisible(), modified);
    const QStringList texts = m_env->messageTexts();
    if (cancel) {
        QCOMPARE(texts, QStringList { QString() }); // the print dialog alone
        return;
    }
    QCOMPARE(texts.last(), QStringLiteral("Print job completed and sent to printer!"));
    QCOMPARE(wordsOf(pdf).size(), copies);
}

void TestPrinting::exports_data()
{
    QTest::addColumn<QString>("command"); // "pdf" or "png"
    QTest::addColumn<QString>("target"); // "" for the proposed name; "folder" to fail
    QTest::newRow("PDF under the proposed name") << "pdf"
                                                 << "";
    QTest::newRow("PNG at 150 dpi") << "png"
                                    << "";
    QTest::newRow("PDF onto a folder fails") << "pdf"
                                             << "folder";
    QTest::newRow("PNG onto a folder fails") << "png"
                                             << "folder";
}

void TestPrinting::exports()
{
    QFETCH(QString, command);
    QFETCH(QString, target);
    open(loFullCalendar, PaperSize::Letter);
    const QString proposed = QStringLiteral("Print.") + command;
    const QString out = target.isEmpty() ? m_env->path(proposed) : m_env->home.path();
    m_env->dialogs.saveNames << out;
    m_env->dialogs.itemChoices << 0; // 150 dots per inch
    m_env->dialogs.messages.clear();
    if (command == QLatin1String("pdf"))
        m_main->printing().exportPdfClick();
    else
        m_main->printing().exportPngClick();
    QCOMPARE(m_env->dialogs.fileRequests.last().fileName, proposed);
    const ScriptedDialogs::Message &message = m_env->dialogs.messages.last();
    if (!target.isEmpty()) {
        QCOMPARE(message.kind, QStringLiteral("warning"));
        QVERIFY2(message.text.contains(out), qPrintable(message.text));
        return;
    }
    QCOMPARE(message.kind, QStringLiteral("information"));
    QVERIFY(message.text.startsWith(QStringLiteral("Saved as ") + out));
    if (command == QLatin1String("pdf")) {
        const QList<QList<Word>> pages = wordsOf(out);
        QCOMPARE(pages.size(), 1);
        QVERIFY(textIn(pages.first(), QRectF(0, 0, 612, 792)).contains(QStringLiteral("December 2026")));
    } else {
        const QImage picture(out);
        QCOMPARE(picture.size(), QSize(int(8.5 * 150), 11 * 150));
    }
}

void TestPrinting::noPrinterMessageCanBeSilenced()
{
    if (m_main->PrinterReady())
        QSKIP("This machine has a default printer: there is no message to silence.");
    QVERIFY(!m_main->menus().mnuPrintCalendar->isEnabled());
    // Printers without a default are to be set up: that message stays.
    const bool printers = !QPrinterInfo::availablePrinterNames().isEmpty();
    m_main.reset();
    for (const bool tick : { true, false }) {
        m_env->dialogs.messages.clear();
        m_env->dialogs.optOutAnswers << tick;
        TCalendarMain main;
        QVERIFY(showSettled(main));
        QTest::qWait(50);
        // Ticked at the first start, gone at the second.
        QCOMPARE(m_env->dialogs.messages.size(), tick || printers ? 1 : 0);
    }
}

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"
