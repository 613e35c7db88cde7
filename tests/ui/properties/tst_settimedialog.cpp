// The starting-time dialog: cells for the time handed in, clicks on the
// AM/PM and minute cells, the caption, and OK versus Cancel.
#include "properties/settimedialog.h"

#include <QAbstractButton>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

class TestSetTimeDialog : public QObject
{
    Q_OBJECT

private slots:
    void cellsAndLabels();
    void openingHighlightsTheTime_data();
    void openingHighlightsTheTime();
    void pmThreeThenFortyFive();
    void okReturnsTheChosenTime();
    void cancelLeavesTheCallersTime();
    void amPmFormat_data();
    void amPmFormat();
};

static int highlighted(TSetTimeDialog &dialog, bool hours)
{
    int found = -1;
    const int count = hours ? 24 : 60;
    for (int i = 0; i < count; ++i) {
        QAbstractButton *cell = hours ? dialog.hourCell(i) : dialog.minuteCell(i);
        if (cell->palette().color(QPalette::Button) == QColor(Qt::yellow)) {
            if (found >= 0)
                return -2; // more than one
            found = i;
        }
    }
    return found;
}

void TestSetTimeDialog::cellsAndLabels()
{
    TSetTimeDialog dialog;
    QCOMPARE(dialog.hourCell(0)->text(), QStringLiteral("12"));
    QCOMPARE(dialog.hourCell(5)->text(), QStringLiteral("5"));
    QCOMPARE(dialog.hourCell(11)->text(), QStringLiteral("11"));
    QCOMPARE(dialog.hourCell(12)->text(), QStringLiteral("12"));
    QCOMPARE(dialog.hourCell(15)->text(), QStringLiteral("3"));
    QCOMPARE(dialog.minuteCell(0)->text(), QStringLiteral("00"));
    QCOMPARE(dialog.minuteCell(59)->text(), QStringLiteral("59"));
    QCOMPARE(dialog.hourCell(7)->toolTip(), QStringLiteral("Click to set the hours portion of the time"));
    QCOMPARE(dialog.minuteCell(7)->toolTip(), QStringLiteral("Click to set the minutes portion of the time"));
    // No minimize, maximize or close buttons on the frame.
    QVERIFY(!(dialog.windowFlags() & Qt::WindowCloseButtonHint));
    QVERIFY(!(dialog.windowFlags() & Qt::WindowMinMaxButtonsHint));
}

void TestSetTimeDialog::openingHighlightsTheTime_data()
{
    QTest::addColumn<QTime>("time");
    QTest::addColumn<int>("hourCell");
    QTest::addColumn<QString>("hourText");
    QTest::addColumn<int>("minuteCell");
    QTest::addColumn<QString>("caption");
    QTest::newRow("00:05") << QTime(0, 5) << 0 << "12" << 5 << "Set Time As: 12:05 am";
    QTest::newRow("12:00") << QTime(12, 0) << 12 << "12" << 0 << "Set Time As: 12:00 pm";
    QTest::newRow("20:30") << QTime(20, 30) << 20 << "8" << 30 << "Set Time As: 08:30 pm";
    QTest::newRow("seconds dropped") << QTime(23, 59, 58) << 23 << "11" << 59 << "Set Time As: 11:59 pm";
}

void TestSetTimeDialog::openingHighlightsTheTime()
{
    QFETCH(QTime, time);
    QFETCH(int, hourCell);
    QFETCH(QString, hourText);
    QFETCH(int, minuteCell);
    QFETCH(QString, caption);
    TSetTimeDialog dialog;
    dialog.setTime(time);
    dialog.show();
    QCOMPARE(highlighted(dialog, true), hourCell);
    QCOMPARE(dialog.hourCell(hourCell)->text(), hourText);
    QCOMPARE(highlighted(dialog, false), minuteCell);
    QCOMPARE(dialog.windowTitle(), caption);
    QCOMPARE(dialog.time(), QTime(time.hour(), time.minute()));
}

void TestSetTimeDialog::pmThreeThenFortyFive()
{
    TSetTimeDialog dialog;
    dialog.setTime(QTime(8, 0));
    dialog.show();
    QTest::mouseClick(dialog.hourCell(15), Qt::LeftButton);
    QCOMPARE(dialog.time(), QTime(15, 0));
    QTest::mouseClick(dialog.minuteCell(45), Qt::LeftButton);
    QCOMPARE(dialog.time(), QTime(15, 45));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Set Time As: 03:45 pm"));
    QCOMPARE(highlighted(dialog, true), 15);
    QCOMPARE(highlighted(dialog, false), 45);
}

void TestSetTimeDialog::okReturnsTheChosenTime()
{
    TSetTimeDialog dialog;
    dialog.setTime(QTime(9, 15));
    QTimer::singleShot(0, &dialog, [&dialog] {
        dialog.hourCell(14)->click();
        dialog.minuteCell(5)->click();
        const QList<QPushButton *> buttons = dialog.findChildren<QPushButton *>();
        const auto ok = std::find_if(
            buttons.begin(), buttons.end(), [](QPushButton *b) { return b->text() == QLatin1String("&Ok"); });
        QVERIFY(ok != buttons.end());
        (*ok)->click();
    });
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QCOMPARE(dialog.time(), QTime(14, 5));
}

void TestSetTimeDialog::cancelLeavesTheCallersTime()
{
    TSetTimeDialog dialog;
    dialog.setTime(QTime(9, 15));
    QTimer::singleShot(0, &dialog, [&dialog] {
        dialog.hourCell(14)->click();
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
}

void TestSetTimeDialog::amPmFormat_data()
{
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QString>("text");
    QTest::newRow("midnight") << QTime(0, 0) << "12:00 am";
    QTest::newRow("morning") << QTime(9, 7) << "09:07 am";
    QTest::newRow("before noon") << QTime(11, 59) << "11:59 am";
    QTest::newRow("noon") << QTime(12, 0) << "12:00 pm";
    QTest::newRow("evening") << QTime(20, 30) << "08:30 pm";
}

void TestSetTimeDialog::amPmFormat()
{
    QFETCH(QTime, time);
    QFETCH(QString, text);
    QCOMPARE(TSetTimeDialog::formatAmPm(time), text);
}

QTEST_MAIN(TestSetTimeDialog)
#include "tst_settimedialog.moc"
