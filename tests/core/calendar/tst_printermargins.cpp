// The margin check before printing: which edges warn, in which order, and
// that strips are cut to hundredths before they are compared.
#include "calendar/calendarattributes.h"
#include "calendar/printermargins.h"

#include <QtTest>

class TestPrinterMargins : public QObject
{
    Q_OBJECT

private slots:
    void warningLines_data()
    {
        QTest::addColumn<QMarginsF>("strips"); // left, top, right, bottom, inches
        QTest::addColumn<QStringList>("edges");
        // The page's margins are 0.25 on every side.
        QTest::newRow("clear") << QMarginsF(0.1, 0.1, 0.1, 0.1) << QStringList();
        QTest::newRow("equal to the margin") << QMarginsF(0.25, 0.25, 0.25, 0.25) << QStringList();
        QTest::newRow("over by less than a hundredth is cut away")
            << QMarginsF(0.259, 0.2599, 0, 0) << QStringList();
        QTest::newRow("a hundredth over warns") << QMarginsF(0.26, 0, 0, 0) << QStringList { "Left" };
        QTest::newRow("all four in order")
            << QMarginsF(0.3, 0.4, 0.5, 0.6) << QStringList { "Left", "Top", "Right", "Bottom" };
        QTest::newRow("right and bottom") << QMarginsF(0, 0, 0.26, 0.5) << QStringList { "Right", "Bottom" };
    }
    void warningLines()
    {
        QFETCH(QMarginsF, strips);
        QFETCH(QStringList, edges);
        CalendarAttributes page;
        page.leftMarginInch = page.topMarginInch = page.rightMarginInch = page.bottomMarginInch = 0.25f;
        QString expected;
        for (const QString &edge : edges)
            expected += "\r" + edge + " Margin is possibly outside of Printer printable area";
        QCOMPARE(PrinterMargins::warningLines(strips, page), expected);
    }
};

QTEST_MAIN(TestPrinterMargins)
#include "tst_printermargins.moc"
