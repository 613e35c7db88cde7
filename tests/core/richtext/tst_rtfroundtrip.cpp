#include "richtexttesthelpers.h"

#include "richtext/rtfparser.h"
#include "richtext/rtfreader.h"
#include "richtext/rtfwriter.h"

#include <QFile>
#include <QTextTable>
#include <QtTest>

using namespace RichTextTest;

namespace {

// A block's tab stops as "kind twips" with a dot for a dot leader: "R4536.".
QString tabsOf(const QTextBlock &block)
{
    const QTextBlockFormat format = block.blockFormat();
    const QList<QVariant> leaders = format.property(RtfParaState::kTabLeadersProperty).toList();
    QStringList stops;
    const QList<QTextOption::Tab> tabs = format.tabPositions();
    for (int i = 0; i < tabs.size(); ++i) {
        const char kind = tabs[i].type == QTextOption::RightTab ? 'R'
            : tabs[i].type == QTextOption::CenterTab            ? 'C'
                                                                : 'L';
        stops << QStringLiteral("%1%2%3")
                     .arg(QLatin1Char(kind))
                     .arg(qRound(tabs[i].position * 15))
                     .arg(i < leaders.size() && leaders[i].toBool() ? QStringLiteral(".") : QString());
    }
    return stops.join(QLatin1Char(' '));
}

// A document's tables as "rows x columns: a|b;c|d", then its last words.
QString tablesOf(const QTextDocument &document)
{
    QStringList parts;
    const auto frames = document.rootFrame()->childFrames();
    for (QTextFrame *frame : frames) {
        auto *table = qobject_cast<QTextTable *>(frame);
        if (!table)
            continue;
        QStringList rows;
        for (int r = 0; r < table->rows(); ++r) {
            QStringList cells;
            for (int c = 0; c < table->columns(); ++c) {
                QTextCursor cursor = table->cellAt(r, c).firstCursorPosition();
                cursor.setPosition(table->cellAt(r, c).lastPosition(), QTextCursor::KeepAnchor);
                cells << cursor.selectedText();
            }
            rows << cells.join(QLatin1Char('|'));
        }
        parts << QStringLiteral("%1x%2: %3")
                     .arg(table->rows())
                     .arg(table->columns())
                     .arg(rows.join(QLatin1Char(';')));
    }
    QTextBlock last = document.lastBlock();
    while (last.isValid() && last.text().isEmpty())
        last = last.previous();
    parts << last.text();
    return parts.join(QLatin1String(" / "));
}

QByteArray manyTabs()
{
    QByteArray rtf = "{\\rtf1\\pard";
    for (int i = 1; i <= 100; ++i)
        rtf += "\\tx" + QByteArray::number(i * 10);
    return rtf + " x}";
}

} // namespace

class TestRtfRoundTrip : public QObject
{
    Q_OBJECT

private slots:
    void tabStopsAreReadAndWritten_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<int>("block");
        QTest::addColumn<QString>("tabs");
        const auto file = [](const char *name) {
            QFile f(QStringLiteral(DW_TEST_DATA "/tabs/") + QLatin1String(name));
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        };
        QTest::newRow("pandoc list item") << file("pandoc-list.rtf") << 1 << QStringLiteral("L360");
        QTest::newRow("pandoc heading without tabs") << file("pandoc-list.rtf") << 0 << QString();
        QTest::newRow("LibreOffice centre, right, dots")
            << file("libreoffice-tabs.rtf") << 0 << QStringLiteral("C2268 R4535.");
        QTest::newRow("\\pard clears them") << file("libreoffice-tabs.rtf") << 2 << QString();
        QTest::newRow("hostile count stops at the limit")
            << manyTabs() << 0 << QString(); // checked by count below
    }

    void tablesAreReadAndWritten_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("tables");
        QTest::addColumn<int>("secondColumnTwips");
        QTest::addColumn<bool>("rightAligned"); // the second column's cells
        QTest::newRow("pandoc") << QStringLiteral("pandoc-table.rtf")
                                << QStringLiteral("3x2: Crop|Bed;Carrots|3;Beans|12 / After the table.")
                                << 4320 << true;
        QTest::newRow("LibreOffice") << QStringLiteral("libreoffice-table.rtf")
                                     << QStringLiteral("2x2: Seeds|Price;Beans|2.50 / After the table.")
                                     << 3118 << false;
    }

    void tablesAreReadAndWritten()
    {
        QFETCH(QString, file);
        QFETCH(QString, tables);
        QFETCH(int, secondColumnTwips);
        QFETCH(bool, rightAligned);
        QFile f(QStringLiteral(DW_TEST_DATA "/tables/") + file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QTextDocument read;
        QVERIFY(RtfReader::read(f.readAll(), read));
        QCOMPARE(tablesOf(read), tables);
        const QByteArray written = RtfWriter::write(read);
        QTextDocument again;
        QVERIFY(RtfReader::read(written, again));
        QCOMPARE(tablesOf(again), tables);
        QCOMPARE(RtfWriter::write(again), written);
        const auto *table = qobject_cast<QTextTable *>(again.rootFrame()->childFrames().value(0));
        QVERIFY(table);
        const QTextLength width = table->format().columnWidthConstraints().value(1);
        QCOMPARE(qRound(width.rawValue() * 15), secondColumnTwips);
        // Right-aligned cells stay so.
        QCOMPARE(bool(table->cellAt(1, 1).firstCursorPosition().blockFormat().alignment() & Qt::AlignRight),
            rightAligned);
    }

    void hostileTablesStayBounded()
    {
        QByteArray rtf = "{\\rtf1\\trowd";
        for (int i = 1; i <= 100; ++i)
            rtf += "\\cellx" + QByteArray::number(i * 100);
        rtf += " a\\cell b\\cell\\row";
        for (int i = 0; i < 5000; ++i)
            rtf += "\\trowd\\cellx100 x\\cell\\row";
        rtf += "\\cell\\row\\cell}"; // cells and rows outside any definition
        QTextDocument read;
        QVERIFY(RtfReader::read(rtf, read));
        const auto *table = qobject_cast<QTextTable *>(read.rootFrame()->childFrames().value(0));
        QVERIFY(table);
        QCOMPARE(table->columns(), RtfParser::kMaxColumns);
        QVERIFY(table->rows() * table->columns() <= 4096 + RtfParser::kMaxColumns);
        QTextDocument again;
        QVERIFY(RtfReader::read(RtfWriter::write(read), again));
    }

    void tabStopsAreReadAndWritten()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(int, block);
        QFETCH(QString, tabs);
        QVERIFY(!rtf.isEmpty());
        QTextDocument read;
        QVERIFY(RtfReader::read(rtf, read));
        const QTextBlock first = read.findBlockByNumber(block);
        if (QByteArray(QTest::currentDataTag()).startsWith("hostile")) {
            QCOMPARE(first.blockFormat().tabPositions().size(), RtfParaState::kMaxTabs);
            return;
        }
        QCOMPARE(tabsOf(first), tabs);
        QTextDocument again;
        QVERIFY(RtfReader::read(RtfWriter::write(read), again));
        QCOMPARE(tabsOf(again.findBlockByNumber(block)), tabs);
        QVERIFY(first.text().count(QLatin1Char('\t')) >= (tabs.isEmpty() ? 0 : 1));
    }

    void writerReaderWriterIsStable()
    {
        QTextDocument original;
        buildSample(original);
        const QByteArray first = RtfWriter::write(original);
        QVERIFY(first.startsWith("{\\rtf1\\ansi\\ansicpg1252"));
        QTextDocument read;
        QVERIFY(RtfReader::read(first, read));
        const QByteArray second = RtfWriter::write(read);
        QCOMPARE(QString::fromLatin1(second), QString::fromLatin1(first));
    }

    void unusualTextSurvives()
    {
        QTextDocument original;
        QTextCursor cursor(&original);
        const QString text
            = QStringLiteral("smile \U0001F600, \u00a0nbsp, \u2011 {braces} \\ back\tslash \u0152\u0416");
        cursor.insertText(text, charFormat(QStringLiteral("Odd {Face}; Name"), 11));
        const QByteArray rtf = RtfWriter::write(original);
        for (const char c : rtf)
            QVERIFY2(uchar(c) < 0x80, "the writer writes 7-bit text");
        QTextDocument read;
        QVERIFY(RtfReader::read(rtf, read));
        QCOMPARE(read.begin().text(), text);
        QTextCursor at(&read);
        at.setPosition(1);
        QCOMPARE(at.charFormat().fontFamilies().toStringList().value(0), QStringLiteral("Odd {Face} Name"));
        QCOMPARE(RtfWriter::write(read), rtf);
    }

    void formattingSurvives()
    {
        QTextDocument original;
        buildSample(original);
        QTextDocument read;
        QVERIFY(RtfReader::read(RtfWriter::write(original), read));
        QCOMPARE(read.blockCount(), 3);
        QCOMPARE(read.toPlainText(), original.toPlainText());
        for (QTextBlock a = original.begin(), b = read.begin(); a.isValid(); a = a.next(), b = b.next()) {
            QCOMPARE(b.blockFormat().alignment() & Qt::AlignHorizontal_Mask,
                a.blockFormat().alignment() & Qt::AlignHorizontal_Mask);
            QCOMPARE(b.text(), a.text());
            for (int i = 0; i < a.length() - 1; ++i) {
                QTextCursor ca(&original);
                ca.setPosition(a.position() + i + 1);
                QTextCursor cb(&read);
                cb.setPosition(b.position() + i + 1);
                const QTextCharFormat fa = ca.charFormat();
                const QTextCharFormat fb = cb.charFormat();
                const QString at = QStringLiteral("block %1 char %2").arg(a.blockNumber()).arg(i);
                if (!fa.isImageFormat()) {
                    QVERIFY2(fa.fontFamilies() == fb.fontFamilies(), qPrintable(at));
                    QVERIFY2(qFuzzyCompare(fa.fontPointSize(), fb.fontPointSize()), qPrintable(at));
                    QVERIFY2(fa.fontWeight() == fb.fontWeight(), qPrintable(at));
                    QVERIFY2(fa.fontItalic() == fb.fontItalic(), qPrintable(at));
                    QVERIFY2(fa.fontUnderline() == fb.fontUnderline(), qPrintable(at));
                    QVERIFY2(fa.fontStrikeOut() == fb.fontStrikeOut(), qPrintable(at));
                    QVERIFY2(fa.foreground().color().rgb() == fb.foreground().color().rgb(), qPrintable(at));
                } else {
                    QVERIFY2(fb.isImageFormat(), qPrintable(at));
                    const QTextImageFormat ia = fa.toImageFormat();
                    const QTextImageFormat ib = fb.toImageFormat();
                    QCOMPARE(ib.width(), ia.width());
                    QCOMPARE(ib.height(), ia.height());
                    QCOMPARE(RichTextImages::image(read, ib.name()).convertToFormat(QImage::Format_RGB32),
                        testPicture());
                }
            }
        }
    }
};

QTEST_MAIN(TestRtfRoundTrip)
#include "tst_rtfroundtrip.moc"
