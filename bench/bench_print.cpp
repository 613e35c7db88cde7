// Cost of the page on paper. Targets, whole process: a month page with 42
// filled cells to a 300 dpi PNG within 150 ms; the PDF of a 12-month page
// well under a third of what a classic calendar printer with Ghostscript
// takes. These rows split such a run into drawing and encoding, and set our
// PDF writer against Qt's on the same page.
#include "calendar/calendarpage.h"
#include "document/calendardocument.h"
#include "document/monthrun.h"
#include "document/pageexport.h"
#include "document/pageprint.h"
#include "pictures/pngencoder.h"

#include <QtTest>

class BenchPrint : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void monthAt300Dpi();
    void encodePng();
    void twelveMonthPdf_data();
    void twelveMonthPdf();
    void runOfMonthsPdf_data();
    void runOfMonthsPdf();

private:
    CalendarDocument m_document;
    CalendarPage &m_month = m_document.page();
    QImage m_picture;
};

void BenchPrint::initTestCase()
{
    m_month.resetToDefaultStyle();
    m_month.setCalendarLayout(loFullCalendar);
    const QByteArray rtf = QByteArrayLiteral(
        "{\\rtf1\\ansi{\\fonttbl{\\f0 Liberation Sans;}}\\f0\\fs20 Dentist 9:30\\par Team lunch with "
        "the designers\\par\\b School concert\\b0\\par}");
    for (int index = 1; index <= 42; ++index)
        m_month.setCellContents(index, rtf);
    m_picture = PagePrint::picture(m_document, 300); // fonts and caches warm
}

void BenchPrint::monthAt300Dpi()
{
    QBENCHMARK
    {
        m_picture = PagePrint::picture(m_document, 300);
    }
}

void BenchPrint::encodePng()
{
    QByteArray png;
    QBENCHMARK
    {
        png = PngEncoder::encode(m_picture, 300);
    }
    QVERIFY(!png.isEmpty());
}

void BenchPrint::twelveMonthPdf_data()
{
    QTest::addColumn<PageExport::PdfWriter>("writer");
    QTest::newRow("own writer") << PageExport::PdfWriter::OwnOnly;
    QTest::newRow("Qt's writer") << PageExport::PdfWriter::Qt;
}

void BenchPrint::twelveMonthPdf()
{
    QFETCH(PageExport::PdfWriter, writer);
    CalendarDocument document;
    CalendarPage &page = document.page();
    page.resetToDefaultStyle();
    page.setCalendarLayout(loMC12Month);
    QByteArray pdf;
    QBENCHMARK
    {
        pdf = PageExport::pdf(document, writer);
    }
    QVERIFY(!pdf.isEmpty());
}

void BenchPrint::runOfMonthsPdf_data()
{
    QTest::addColumn<int>("months");
    QTest::newRow("a year") << 12;
    QTest::newRow("ten years") << 120;
}

// One month-grid design for a run of months, every page in one PDF.
void BenchPrint::runOfMonthsPdf()
{
    QFETCH(int, months);
    CalendarDocument design;
    design.page().resetToDefaultStyle(QDate(2027, 1, 1));
    design.page().setCalendarLayout(loFullCalendar);
    MonthRun run(design, MonthRange { 2027, 1, months }, nullptr, CalendarFont());
    QByteArray pdf;
    QBENCHMARK
    {
        pdf = PageExport::pdf(run);
    }
    QVERIFY(!pdf.isEmpty());
}

QTEST_MAIN(BenchPrint)
#include "bench_print.moc"
