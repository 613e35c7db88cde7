// Day-cell contents on rendered pages: the page's own cell painter draws
// each cell's formatted text inside its free rectangle at any zoom.
#include "calendar/calendarpage.h"
#include "richtext/richtextrenderer.h"
#include "richtext/rtfreader.h"
#include "richtext/rtfwriter.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QPainter>
#include <QPicture>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextTable>

#include <QImage>
#include <QtTest>

namespace {

const QByteArray kRed
    = "{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red255\\green0\\blue0;}\\f0\\fs24\\cf1 WWW}";
const QByteArray kBlue
    = "{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red0\\green0\\blue255;}\\f0\\fs24\\cf1 MMM}";

bool reddish(QRgb c)
{
    return qRed(c) > 160 && qGreen(c) < 110 && qBlue(c) < 110;
}

bool bluish(QRgb c)
{
    return qBlue(c) > 160 && qRed(c) < 110 && qGreen(c) < 110;
}

struct Ink
{
    int inside = 0;
    int outside = 0;
    int lowestRow = -1;
};

// Counts the pixels of a colour inside and outside a rectangle.
template <typename Test> Ink countInk(const QImage &image, const TRect &r, Test test)
{
    Ink ink;
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (!test(line[x]))
                continue;
            if (x >= r.left && x <= r.right && y >= r.top && y <= r.bottom) {
                ++ink.inside;
                ink.lowestRow = std::max(ink.lowestRow, y);
            } else {
                ++ink.outside;
            }
        }
    }
    return ink;
}

// Three paragraphs of red words at 10 points: many lines.
QByteArray manyLines()
{
    QByteArray rtf = "{\\rtf1{\\colortbl;\\red255\\green0\\blue0;}\\fs20\\cf1 ";
    for (int p = 0; p < 3; ++p) {
        rtf += p > 0 ? "\\par " : "";
        for (int i = 0; i < 12; ++i)
            rtf += "word ";
    }
    return rtf + "}";
}

// The bottoms of a laid-out text's lines, top to bottom, in layout units.
QList<qreal> lineBottoms(const QTextDocument &document)
{
    QList<qreal> bottoms;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const qreal top = document.documentLayout()->blockBoundingRect(block).top();
        for (int i = 0; i < block.layout()->lineCount(); ++i)
            bottoms << top + block.layout()->lineAt(i).rect().bottom();
    }
    return bottoms;
}

bool dark(QRgb c)
{
    return qRed(c) + qGreen(c) + qBlue(c) < 400;
}

QByteArray fixture(const QString &name)
{
    QFile file(QStringLiteral(DW_TEST_DATA "/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// "A", a tab to a stop given by its RTF words, "B", at 10 points.
QByteArray tabbed(const QByteArray &stop)
{
    return "{\\rtf1{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 " + stop + " A\\tab B\\par}";
}

// Draws a text laid out to width (layout units) at a zoom onto white.
QImage drawn(QTextDocument &document, int width, int height, int zoomPercent)
{
    const qreal zoom = zoomPercent / 100.0;
    QImage image(int(width * zoom) + 40, int(height * zoom), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    RichTextRenderer::draw(painter, document, QRectF(0, 0, width * zoom, height * zoom), zoomPercent);
    return image;
}

bool blankRows(const QImage &image, int from, int to)
{
    for (int y = from; y < to; ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF)
                return false;
    return true;
}

bool signIn(const QImage &image, const TRect &free)
{
    // The sign's pixels sit in the free rectangle's bottom-right corner.
    const QRgb c = image.pixel(free.right - 1, free.bottom - 1);
    return qRed(c) > 120 && qGreen(c) < 40 && qBlue(c) < 40;
}

} // namespace

class TestRichTextCellPainter : public QObject
{
    Q_OBJECT

private:
    CalendarPage m_page;

private slots:
    void init()
    {
        m_page.resetToDefaultStyle(QDate(2026, 9, 1));
        m_page.setCalendarLayout(0);
        m_page.clearAllCells();
    }

    void drawsTheCellText_data()
    {
        QTest::addColumn<float>("zoom");
        QTest::newRow("100%") << 1.0f;
        QTest::newRow("60%") << 0.6f;
    }

    void drawsTheCellText()
    {
        QFETCH(float, zoom);
        m_page.setCellContents(10, kRed);
        const QImage image = m_page.renderImage(zoom);
        const Ink ink = countInk(image, m_page.cellTable()[9].free, reddish);
        QVERIFY2(ink.inside > 20, qPrintable(QString::number(ink.inside)));
        QCOMPARE(ink.outside, 0);
    }

    void drawsOnVectorDevicesToo()
    {
        // Printers and PDF get the text drawn, not a copied picture.
        m_page.setCellContents(10, kRed);
        (void)m_page.renderImage(1.0f);
        QPicture recording;
        {
            QPainter painter(&recording);
            m_page.render(painter, 1.0f);
        }
        QImage image(m_page.controlSizeAt(1.0f), QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            recording.play(&painter);
        }
        QVERIFY(countInk(image, m_page.cellTable()[9].free, reddish).inside > 20);
    }

    void longTextWrapsInsideTheCell()
    {
        QByteArray words = "{\\rtf1{\\colortbl;\\red255\\green0\\blue0;}\\fs20\\cf1 ";
        for (int i = 0; i < 40; ++i)
            words += "word ";
        words += "}";
        m_page.setCellContents(10, words);
        const QImage image = m_page.renderImage(1.0f);
        const TRect free = m_page.cellTable()[9].free;
        const Ink ink = countInk(image, free, reddish);
        QCOMPARE(ink.outside, 0);
        // Several lines: ink reaches well below the first line.
        QVERIFY(ink.lowestRow > free.top + 40);
    }

    void wrapsTheSameAtEveryZoom()
    {
        // A target half as wide at 50% holds the same lines as the full one at 100%.
        QByteArray words = "{\\rtf1{\\colortbl;\\red255\\green0\\blue0;}\\fs20\\cf1 ";
        for (int i = 0; i < 12; ++i)
            words += "word ";
        words += "}";
        QTextDocument document;
        RichTextRenderer::prepare(document);
        RtfReader::read(words, document);
        const auto depth = [&document](int width, int zoom) {
            QImage image(width, 400, QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            RichTextRenderer::draw(painter, document, QRectF(0, 0, width, 400), zoom);
            painter.end();
            return countInk(image, TRect { 0, 0, width, 400 }, reddish).lowestRow;
        };
        const int full = depth(120, 100);
        const int half = depth(60, 50);
        QVERIFY(full > 30); // more than one line
        QVERIFY2(std::abs(full - 2 * half) <= 3, qPrintable(QStringLiteral("%1 vs %2").arg(full).arg(half)));
    }

    void cutsAtTheLastWholeLine_data()
    {
        QTest::addColumn<int>("zoom");
        QTest::addColumn<qreal>("lines"); // the target's height in lines of the text
        QTest::newRow("half a line") << 100 << 0.5;
        QTest::newRow("2.5 lines") << 100 << 2.5;
        QTest::newRow("4.7 lines") << 100 << 4.7;
        QTest::newRow("4.7 lines at 50%") << 50 << 4.7;
        QTest::newRow("everything") << 100 << 40.0;
    }

    void cutsAtTheLastWholeLine()
    {
        QFETCH(int, zoom);
        QFETCH(qreal, lines);
        QTextDocument document;
        RichTextRenderer::prepare(document);
        RtfReader::read(manyLines(), document);
        const qreal scale = zoom / 100.0;
        const int width = int(150 * scale);
        document.setTextWidth(150);
        const QList<qreal> bottoms = lineBottoms(document);
        QVERIFY(bottoms.size() > 6);
        const int height = int(bottoms.first() * lines * scale);
        qreal kept = 0;
        for (qreal bottom : bottoms)
            kept = bottom * scale <= height + 0.5 ? bottom * scale : kept;

        QImage image(width, height + 20, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        const bool overflows = RichTextRenderer::draw(painter, document, QRectF(0, 0, width, height), zoom);
        painter.end();
        QCOMPARE(overflows, bottoms.last() * scale > height + 0.5);
        // Nothing of a line that does not fit whole: blank from the last
        // whole line's bottom down.
        QVERIFY2(blankRows(image, int(std::ceil(kept)) + 1, image.height()),
            qPrintable(QStringLiteral("kept %1 of %2").arg(kept).arg(height)));
        if (kept > 0)
            QVERIFY(!blankRows(image, int(kept) - 4, int(kept)));
    }

    void overflowSignOnScreenOnly_data()
    {
        QTest::addColumn<bool>("overflowing");
        QTest::addColumn<bool>("screen");
        QTest::addColumn<float>("zoom");
        QTest::newRow("overflowing on screen") << true << true << 1.0f;
        QTest::newRow("overflowing on screen at 60%") << true << true << 0.6f;
        QTest::newRow("overflowing exported") << true << false << 1.0f;
        QTest::newRow("fitting on screen") << false << true << 1.0f;
    }

    void overflowSignOnScreenOnly()
    {
        QFETCH(bool, overflowing);
        QFETCH(bool, screen);
        QFETCH(float, zoom);
        m_page.setCellContents(10, overflowing ? manyLines() : kRed);
        (void)m_page.recordCellTable(zoom);
        QImage image(m_page.controlSizeAt(zoom), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        PagePaintOptions options;
        options.screen = screen;
        m_page.render(painter, zoom, options);
        painter.end();
        QCOMPARE(signIn(image, m_page.cellTable()[9].free), overflowing && screen);
        // The export path never shows it.
        QVERIFY(!signIn(m_page.renderImage(zoom), m_page.cellTable()[9].free));
    }

    void newTextReplacesTheOld()
    {
        m_page.setCellContents(10, kRed);
        (void)m_page.renderImage(1.0f);
        m_page.setCellContents(10, kBlue);
        const QImage image = m_page.renderImage(1.0f);
        const TRect free = m_page.cellTable()[9].free;
        QCOMPARE(countInk(image, free, reddish).inside, 0);
        QVERIFY(countInk(image, free, bluish).inside > 20);
    }

    void emptyCellsStayWhite()
    {
        m_page.setCellContents(10, "{\\rtf1\\par\\par}");
        const QImage image = m_page.renderImage(1.0f);
        const TRect free = m_page.cellTable()[9].free;
        const Ink ink = countInk(image, free, [](QRgb c) { return (c & 0xFFFFFF) != 0xFFFFFF; });
        QCOMPARE(ink.inside, 0);
    }

    void dotLeadersFillTheTabGap_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<int>("zoomPercent");
        QTest::addColumn<bool>("onPage"); // in day cell 10, as exported
        QTest::addColumn<QRect>("dotted"); // layout units; empty: none expected
        QTest::addColumn<QRect>("clear"); // must stay blank
        const QRect gap(16, 0, 48, 16);
        QTest::newRow("right stop") << tabbed("\\tldot\\tqr\\tx1200") << 100 << false << gap << QRect();
        QTest::newRow("right stop at 50%") << tabbed("\\tldot\\tqr\\tx1200") << 50 << false << gap << QRect();
        QTest::newRow("left stop at 200%") << tabbed("\\tldot\\tx1200") << 200 << false << gap << QRect();
        QTest::newRow("centre stop in a cell")
            << tabbed("\\tldot\\tqc\\tx1000") << 100 << true << QRect(14, 0, 40, 16) << QRect();
        QTest::newRow("no leader") << tabbed("\\tqr\\tx1200") << 100 << false << QRect() << gap;
        QTest::newRow("in a cell at 60%") << tabbed("\\tldot\\tqr\\tx1200") << 60 << true << gap << QRect();
        // Seeds, a centre stop without dots to Bed, a dotted right stop to Price.
        QTest::newRow("LibreOffice") << fixture(QStringLiteral("tabs/libreoffice-tabs.rtf")) << 100 << false
                                     << QRect(180, 0, 80, 20) << QRect(48, 0, 80, 20);
    }

    void dotLeadersFillTheTabGap()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(int, zoomPercent);
        QFETCH(bool, onPage);
        QFETCH(QRect, dotted);
        QFETCH(QRect, clear);
        const qreal zoom = zoomPercent / 100.0;
        QImage image;
        QPoint origin;
        if (onPage) {
            m_page.setCellContents(10, rtf);
            image = m_page.renderImage(float(zoom));
            const TRect free = m_page.cellTable()[9].free;
            origin = QPoint(free.left, free.top);
        } else {
            QTextDocument document;
            RichTextRenderer::prepare(document);
            QVERIFY(RtfReader::read(rtf, document));
            image = drawn(document, 400, 40, zoomPercent);
        }
        const auto inkIn = [&](const QRect &r) {
            const QRect scaled(
                origin + (QPointF(r.topLeft()) * zoom).toPoint(), (QSizeF(r.size()) * zoom).toSize());
            return countInk(
                image, TRect { scaled.left(), scaled.top(), scaled.right(), scaled.bottom() }, dark)
                .inside;
        };
        if (!dotted.isEmpty()) {
            // Dots along the gap, not a rule: some columns stay white.
            const int ink = inkIn(dotted);
            QVERIFY2(ink >= dotted.width() * zoom / 6, qPrintable(QString::number(ink)));
            QVERIFY(ink < dotted.width() * zoom * 2);
        }
        if (!clear.isEmpty())
            QCOMPARE(inkIn(clear), 0);
    }

    void wideTablesFitTheWidth_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("width");
        QTest::addColumn<QByteArray>("cellx");
        QTest::addColumn<bool>("squeezed");
        QTest::addColumn<bool>("wholeWords");
        const QByteArray pandoc = "\\cellx4320\\cellx8640";
        const QByteArray office = "\\cellx3118\\cellx6236";
        QTest::newRow("pandoc in a cell")
            << QStringLiteral("tables/pandoc-table.rtf") << 91 << pandoc << true << false;
        QTest::newRow("pandoc, half a page")
            << QStringLiteral("tables/pandoc-table.rtf") << 300 << pandoc << true << true;
        QTest::newRow("LibreOffice in a cell")
            << QStringLiteral("tables/libreoffice-table.rtf") << 91 << office << true << true;
        QTest::newRow("LibreOffice, room to spare")
            << QStringLiteral("tables/libreoffice-table.rtf") << 600 << office << false << true;
    }

    void wideTablesFitTheWidth()
    {
        QFETCH(QString, file);
        QFETCH(int, width);
        QFETCH(QByteArray, cellx);
        QFETCH(bool, squeezed);
        QFETCH(bool, wholeWords);
        QTextDocument document;
        RichTextRenderer::prepare(document);
        QVERIFY(RtfReader::read(fixture(file), document));
        const QImage image = drawn(document, width, 400, 100);
        const auto *table = qobject_cast<QTextTable *>(document.rootFrame()->childFrames().value(0));
        QVERIFY(table);
        const QAbstractTextDocumentLayout *layout = document.documentLayout();
        qreal right = 0;
        for (int row = 0; row < table->rows(); ++row) {
            for (int column = 0; column < table->columns(); ++column) {
                const QTextBlock block = table->cellAt(row, column).firstCursorPosition().block();
                right = std::max(right, layout->blockBoundingRect(block).right());
            }
        }
        QVERIFY2(right <= width + 0.5, qPrintable(QString::number(right)));
        // The second column's text is drawn, inside the width.
        const QRectF cell = layout->blockBoundingRect(table->cellAt(1, 1).firstCursorPosition().block());
        QVERIFY(cell.right() <= width);
        // Where the room allows, words stay whole ("Carrots" at 12 points does
        // not fit half of a cell, "Seeds" does).
        QCOMPARE(table->cellAt(1, 0).firstCursorPosition().block().layout()->lineCount() == 1, wholeWords);
        const QRect r = cell.toAlignedRect();
        QVERIFY(countInk(image, TRect { r.left(), r.top(), r.right(), r.bottom() }, dark).inside > 5);
        // Narrow columns wrap their text; with room to spare the table keeps its size.
        const QTextLength first = table->format().columnWidthConstraints().value(0);
        QCOMPARE(first.type() == QTextLength::PercentageLength, squeezed);
        if (!squeezed)
            QVERIFY(right < width * 0.8);
        // Written back, and fitted again at a wider width, it is what it was.
        QVERIFY(RtfWriter::write(document).contains(cellx));
        (void)drawn(document, 2000, 400, 100);
        QCOMPARE(table->format().columnWidthConstraints().value(0).type(), QTextLength::FixedLength);
    }

    void hostileTextStaysInItsCell_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<float>("zoom");
        QByteArray word(200000, 'a');
        for (int i = 0; i < word.size(); ++i)
            word[i] = char('a' + i % 26);
        const QByteArray endless = "{\\rtf1{\\colortbl;\\red255\\green0\\blue0;}\\fs20\\cf1 " + word + "}";
        QTest::newRow("200,000-letter word") << endless << 1.0f;
        QTest::newRow("200,000-letter word at 60%") << endless << 0.6f;
        QByteArray small = "{\\rtf1{\\colortbl;\\red255\\green0\\blue0;}\\fs10\\cf1 ";
        for (int i = 0; i < 200000; ++i)
            small += "dots ";
        QTest::newRow("a megabyte of small words") << small + "}" << 1.0f;
    }

    void hostileTextStaysInItsCell()
    {
        // Drawn, inside the cell, with the sign that more did not fit.
        QFETCH(QByteArray, rtf);
        QFETCH(float, zoom);
        m_page.setCellContents(10, rtf);
        (void)m_page.recordCellTable(zoom);
        QImage image(m_page.controlSizeAt(zoom), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        PagePaintOptions options;
        options.screen = true;
        m_page.render(painter, zoom, options);
        painter.end();
        const TRect free = m_page.cellTable()[9].free;
        const Ink ink = countInk(image, free, reddish);
        QVERIFY2(ink.inside > 50, qPrintable(QString::number(ink.inside)));
        QCOMPARE(ink.outside, 0);
        // Lines down to the bottom of the cell.
        QVERIFY(ink.lowestRow > free.bottom - (free.bottom - free.top) / 3);
        QVERIFY(signIn(image, free));
    }

    void picturesInCells()
    {
        QByteArray rtf = "{\\rtf1{\\pict\\wbitmap0\\picw16\\pich16\\wbmbitspixel1\\wbmwidthbytes2 ";
        rtf += QByteArray(64, '0'); // all bits clear: black
        rtf += "}}";
        m_page.setCellContents(12, rtf);
        const QImage image = m_page.renderImage(1.0f);
        const TRect free = m_page.cellTable()[11].free;
        const Ink ink = countInk(image, free, [](QRgb c) { return (c & 0xFFFFFF) == 0; });
        QVERIFY2(ink.inside >= 200, qPrintable(QString::number(ink.inside)));
    }
};

QTEST_MAIN(TestRichTextCellPainter)
#include "tst_richtextcellpainter.moc"
