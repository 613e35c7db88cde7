// Hostile texts are cut to what their target can show and their endless
// words broken, without changing what shows.
#include "richtext/richtextlimits.h"
#include "richtext/richtextrenderer.h"
#include "richtext/rtfreader.h"

#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextTable>
#include <QtTest>

namespace {

QByteArray repeated(const QByteArray &piece, int times)
{
    QByteArray out;
    for (int i = 0; i < times; ++i)
        out += piece;
    return out;
}

QByteArray letters(int count)
{
    QByteArray out(count, 'a');
    for (int i = 0; i < count; ++i)
        out[i] = char('a' + i % 26);
    return out;
}

// The text drawn into a target of size (layout units) at 100%.
QImage drawn(QTextDocument &document, const QSize &size, bool *overflows = nullptr)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    const bool over = RichTextRenderer::draw(painter, document, QRectF(QPointF(0, 0), QSizeF(size)), 100);
    if (overflows)
        *overflows = over;
    return image;
}

void readInto(QTextDocument &document, const QByteArray &rtf)
{
    RtfReader::read(rtf, document);
    RichTextRenderer::prepare(document);
}

} // namespace

class TestRichTextLimits : public QObject
{
    Q_OBJECT

private slots:
    void cutTextDrawsTheSame_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QSize>("area");
        QTest::addColumn<bool>("cut");
        const QByteArray head = "{\\rtf1{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 ";
        const QSize cell(130, 70);
        QTest::newRow("short text: kept whole") << head + "Dentist at 9:30\\par Call Anna}" << cell << false;
        QTest::newRow("words") << head + repeated("word ", 400) + "}" << cell << true;
        QTest::newRow("one endless word") << head + letters(3000) + "}" << cell << true;
        QTest::newRow("endless word after words") << head + "Meeting: " + letters(3000) + "}" << cell << true;
        QTest::newRow("tiny letters") << "{\\rtf1\\fs2 " + repeated("tiny ", 20000) + "}" << cell << true;
        QTest::newRow("superscripts")
            << head + repeated("x{\\super 2} ", 600) + repeated("{\\sub n} ", 600) + "}" << cell << true;
        QTest::newRow("negative indents")
            << head + "\\li-600\\ri-600\\fi-300 " + repeated("wide ", 600) + "}" << cell << true;
        QTest::newRow("indents wider than the cell")
            << head + "\\li3000 " + letters(600) + "\\par\\li0 " + repeated("word ", 400) + "}" << cell
            << true;
        QTest::newRow("empty paragraphs") << head + repeated("\\par ", 300) + "last}" << cell << true;
        QTest::newRow("spaces take no room") << head + "a" + QByteArray(5000, ' ') + "b}" << cell << false;
        QTest::newRow("accents on one letter")
            << head + "e" + repeated("\\u769?", 2000) + " " + repeated("word ", 300) + "}" << cell << true;
        QTest::newRow("table") << head + "\\trowd\\cellx1000\\cellx2000 " + repeated("left ", 300) + "\\cell "
                + repeated("right ", 300)
                + "\\cell\\row\\trowd\\cellx1000\\cellx2000 x\\cell y\\cell\\row\\pard "
                + repeated("after ", 300)
                + "}" << cell << true;
        QTest::newRow("short table, text after") << head
                + "\\trowd\\cellx1000\\cellx2000 a\\cell b\\cell\\row\\pard " + repeated("after ", 300)
                + "}" << cell << true;
        QTest::newRow("large area: kept whole")
            << head + repeated("word ", 400) + "}" << QSize(800, 2000) << false;
    }

    void cutTextDrawsTheSame()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QSize, area);
        QFETCH(bool, cut);
        QTextDocument whole;
        readInto(whole, rtf);
        QTextDocument limited;
        RtfReader::read(rtf, limited);
        const int before = limited.characterCount();
        QCOMPARE(RichTextLimits::cutToArea(limited, QSizeF(area)), cut);
        QCOMPARE(limited.characterCount() < before, cut);
        RichTextRenderer::prepare(limited);
        bool wholeOverflows = false;
        const QImage expected = drawn(whole, area, &wholeOverflows);
        const QImage got = drawn(limited, area);
        QVERIFY(expected == got);
        // Only text that did not fit is cut.
        QVERIFY(!cut || wholeOverflows);
    }

    void cutKeepsTheStructure()
    {
        // A cell too full loses its rest; its neighbour keeps its text, the
        // row below and the text after the table go, the table keeps its
        // rows and columns.
        const QByteArray rtf = "{\\rtf1\\fs20\\trowd\\cellx1000\\cellx2000 " + letters(4000) + "\\cell "
            + letters(50) + "\\cell\\row\\trowd\\cellx1000\\cellx2000 x\\cell y\\cell\\row\\pard after}";
        QTextDocument document;
        RtfReader::read(rtf, document);
        QVERIFY(RichTextLimits::cutToArea(document, QSizeF(100, 40)));
        const auto *table = qobject_cast<QTextTable *>(document.rootFrame()->childFrames().value(0));
        QVERIFY(table);
        QCOMPARE(table->rows(), 2);
        QCOMPARE(table->columns(), 2);
        const QString first = table->cellAt(0, 0).firstCursorPosition().block().text();
        QVERIFY(!first.isEmpty());
        QVERIFY(first.size() < 4000);
        QVERIFY(letters(4000).startsWith(first.toLatin1()));
        QCOMPARE(table->cellAt(0, 1).firstCursorPosition().block().text().toLatin1(), letters(50));
        for (const auto &[row, column] : { std::pair(1, 0), std::pair(1, 1) })
            QVERIFY(table->cellAt(row, column).firstCursorPosition().block().text().isEmpty());
        QVERIFY(!document.toPlainText().contains(QStringLiteral("after")));
    }

    void longRunsGetBreaks_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("longest");
        QTest::addColumn<int>("breaks");
        QTest::newRow("short words") << QStringLiteral("one two three") << 6 << 0;
        QTest::newRow("run of exactly the limit") << QString(12, QLatin1Char('a')) << 12 << 0;
        QTest::newRow("run of 25 at 10") << QString(25, QLatin1Char('a')) << 10 << 2;
        QTest::newRow("two long runs")
            << QString(15, QLatin1Char('a')) + QLatin1Char(' ') + QString(15, 'b') << 10 << 2;
        // Each letter carries an accent: breaks fall between clusters only.
        QTest::newRow("accented letters") << QStringLiteral("e\u0301").repeated(12) << 5 << 3;
        QTest::newRow("surrogate pairs") << QStringLiteral("\U0001D400").repeated(12) << 5 << 3;
    }

    void longRunsGetBreaks()
    {
        QFETCH(QString, text);
        QFETCH(int, longest);
        QFETCH(int, breaks);
        QTextDocument document;
        document.setPlainText(text);
        QCOMPARE(RichTextLimits::breakLongRuns(document, longest), breaks);
        QString got = document.toRawText();
        QCOMPARE(got.count(QChar(QChar::LineSeparator)), breaks);
        // Separators only between clusters, none within longest of another.
        QTextBoundaryFinder clusters(QTextBoundaryFinder::Grapheme, got);
        int since = 0;
        for (int i = 0; i < got.size(); ++i) {
            if (got.at(i) != QChar(QChar::LineSeparator)) {
                ++since;
                continue;
            }
            clusters.setPosition(i);
            QVERIFY(clusters.isAtBoundary());
            QVERIFY(since >= longest);
            since = 0;
        }
        got.remove(QChar(QChar::LineSeparator));
        QCOMPARE(got, text);
    }

    void documentReadsAgainForALargerArea()
    {
        const QByteArray rtf = "{\\rtf1\\fs20 " + repeated("word ", 2000) + "}";
        RichTextLimits::Document text;
        QVERIFY(text.update(rtf, QSizeF(100, 50)));
        QVERIFY(text.cut());
        const int small = text.document().characterCount();
        // Smaller or the same: what is there covers it.
        QVERIFY(!text.update(rtf, QSizeF(100, 50)));
        QVERIFY(!text.update(rtf, QSizeF(60, 20)));
        QVERIFY(text.update(rtf, QSizeF(100, 400)));
        QVERIFY(text.document().characterCount() > small);
        // A text read whole is never read again for its area.
        const QByteArray shortText = "{\\rtf1 Dentist}";
        QVERIFY(text.update(shortText, QSizeF(10, 10)));
        QVERIFY(!text.cut());
        QVERIFY(!text.update(shortText, QSizeF(1000, 1000)));
        QCOMPARE(text.document().toPlainText(), QStringLiteral("Dentist"));
    }
};

QTEST_MAIN(TestRichTextLimits)
#include "tst_richtextlimits.moc"
