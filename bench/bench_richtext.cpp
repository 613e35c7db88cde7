// Cost of the day cells' rich text. The page repaints all 42 cells on every
// paint, so drawing them at zoom 1 should take under 8 ms; reading or
// writing one cell's text (opening and closing the editor, filling a month)
// under 0.2 ms. A cell holding one word of 200,000 letters, read, laid out
// and drawn, under a second.
#include "calendar/calendarpage.h"
#include "richtext/richtextcellpainter.h"
#include "richtext/rtfreader.h"
#include "richtext/rtfwriter.h"

#include <QPainter>
#include <QTextDocument>
#include <QtTest>

namespace {

// About five formatted lines: two faces, three sizes, colours, styles, alignments.
QByteArray cellText(int day)
{
    return QByteArrayLiteral(
               "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0 Arial;}{\\f1 Times New Roman;}}"
               "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}"
               "\\pard\\qc\\f0\\fs20\\b Day ")
        + QByteArray::number(day)
        + QByteArrayLiteral(" meeting\\b0\\par\\pard\\f1\\fs18\\cf1 Dentist at 9:30\\par"
                            "\\pard\\qr\\fs16\\i\\cf2 Anna's birthday\\i0\\par"
                            "\\pard\\f0\\fs16\\ul Pay rent\\ulnone  and caf\\'e9\\par"
                            "\\pard\\fs14 Call the plumber}");
}

} // namespace

class BenchRichText : public QObject
{
    Q_OBJECT

private slots:
    void paint42CellsAtZoom1();
    void paintPageWith42CellsAtZoom1();
    void paint42CellsFirstTime();
    void readOneCell();
    void writeOneCell();
    void readAndWriteOneCell();
    void emptyTestOfOneCell();
    void paintCellWithEndlessWord_data();
    void paintCellWithEndlessWord();
};

void BenchRichText::paint42CellsAtZoom1()
{
    CalendarPage page;
    page.setCalendarLayout(0);
    for (int i = 1; i <= 42; ++i)
        page.setCellContents(i, cellText(i));
    QImage image(page.controlSizeAt(1.0f), QImage::Format_RGB32);
    QPainter painter(&image);
    page.paint(painter, 1.0f); // cell table recorded, glyph caches warm
    RichTextCellPainter cells;
    for (int i = 1; i <= 42; ++i)
        cells.paint(painter, *page.cellStorage(i), page.cellTable()[size_t(i - 1)].free.toQRect(), 100);
    QBENCHMARK
    {
        for (int i = 1; i <= 42; ++i) {
            const TRect &free = page.cellTable()[size_t(i - 1)].free;
            const QRect target(free.left, free.top, free.right - free.left + 1, free.bottom - free.top + 1);
            painter.fillRect(target, Qt::white);
            cells.paint(painter, *page.cellStorage(i), target, 100);
        }
    }
}

void BenchRichText::paintPageWith42CellsAtZoom1()
{
    CalendarPage page;
    page.setCalendarLayout(0);
    for (int i = 1; i <= 42; ++i)
        page.setCellContents(i, cellText(i));
    QImage image(page.controlSizeAt(1.0f), QImage::Format_RGB32);
    QPainter painter(&image);
    page.paint(painter, 1.0f);
    QBENCHMARK
    {
        page.paint(painter, 1.0f);
    }
}

// After the texts changed: reading, laying out and drawing every cell.
void BenchRichText::paint42CellsFirstTime()
{
    CalendarPage page;
    page.setCalendarLayout(0);
    for (int i = 1; i <= 42; ++i)
        page.setCellContents(i, cellText(i));
    QImage image(page.controlSizeAt(1.0f), QImage::Format_RGB32);
    QPainter painter(&image);
    page.paint(painter, 1.0f);
    QBENCHMARK
    {
        RichTextCellPainter cells;
        for (int i = 1; i <= 42; ++i) {
            const TRect &free = page.cellTable()[size_t(i - 1)].free;
            const QRect target(free.left, free.top, free.right - free.left + 1, free.bottom - free.top + 1);
            cells.paint(painter, *page.cellStorage(i), target, 100);
        }
    }
}

void BenchRichText::readOneCell()
{
    const QByteArray rtf = cellText(17);
    QTextDocument document;
    QBENCHMARK
    {
        RtfReader::read(rtf, document);
    }
    QCOMPARE(document.blockCount(), 5);
}

void BenchRichText::writeOneCell()
{
    QTextDocument document;
    RtfReader::read(cellText(17), document);
    QByteArray rtf;
    QBENCHMARK
    {
        rtf = RtfWriter::write(document);
    }
    QVERIFY(rtf.startsWith("{\\rtf1"));
}

void BenchRichText::readAndWriteOneCell()
{
    QByteArray rtf = cellText(17);
    QBENCHMARK
    {
        QTextDocument document;
        RtfReader::read(rtf, document);
        rtf = RtfWriter::write(document);
    }
}

void BenchRichText::emptyTestOfOneCell()
{
    const QByteArray rtf = cellText(17);
    bool content = false;
    QBENCHMARK
    {
        content = RtfReader::hasContent(rtf);
    }
    QVERIFY(content);
}

void BenchRichText::paintCellWithEndlessWord_data()
{
    QTest::addColumn<int>("letters");
    QTest::addColumn<int>("halfPoints");
    QTest::newRow("200,000 letters") << 200000 << 20;
    QTest::newRow("1,000,000 letters") << 1000000 << 20;
    QTest::newRow("200,000 letters at 1 point") << 200000 << 2;
}

// The first paint of a cell holding one word without a break point.
void BenchRichText::paintCellWithEndlessWord()
{
    QFETCH(int, letters);
    QFETCH(int, halfPoints);
    QByteArray word(letters, 'a');
    for (int i = 0; i < letters; ++i)
        word[i] = char('a' + i % 26);
    CalendarPage page;
    page.setCalendarLayout(0);
    page.setCellContents(10, "{\\rtf1\\fs" + QByteArray::number(halfPoints) + " " + word + "}");
    QImage image(page.controlSizeAt(1.0f), QImage::Format_RGB32);
    QPainter painter(&image);
    page.paint(painter, 1.0f);
    const TRect &free = page.cellTable()[9].free;
    const QRect target(free.left, free.top, free.right - free.left + 1, free.bottom - free.top + 1);
    bool overflows = false;
    QBENCHMARK
    {
        RichTextCellPainter cells;
        overflows = cells.paint(painter, *page.cellStorage(10), target, 100);
    }
    QVERIFY(overflows);
}

QTEST_MAIN(BenchRichText)
#include "bench_richtext.moc"
