#include "calendar/calendartexts.h"
#include "calendartesthelpers.h"

#include <QTest>

using namespace CalendarTexts;

class TestCalendarTexts : public QObject
{
    Q_OBJECT

private slots:
    void monthGridTitle_data();
    void monthGridTitle();
    void headerRow_data();
    void headerRow();
    void weekPlannerTitle_data();
    void weekPlannerTitle();
    void weekPlannerLabels();
    void dayPlannerTitle();
    void dayPlannerLabels_data();
    void dayPlannerLabels();
    void timeLabel_data();
    void timeLabel();
    void dayFromLabel_data();
    void dayFromLabel();
    void plannerDateClamps();
};

void TestCalendarTexts::monthGridTitle_data()
{
    QTest::addColumn<QString>("userTitle");
    QTest::addColumn<int>("month");
    QTest::addColumn<bool>("showYear");
    QTest::addColumn<QString>("title");
    QTest::newRow("with year") << "" << 3 << true << "March 1998";
    QTest::newRow("month alone") << "" << 12 << false << "December";
    QTest::newRow("user title wins") << "Family" << 3 << true << "Family";
    QTest::newRow("user title without year") << "Family" << 3 << false << "Family";
}

void TestCalendarTexts::monthGridTitle()
{
    QFETCH(QString, userTitle);
    QFETCH(int, month);
    QFETCH(bool, showYear);
    QFETCH(QString, title);
    QCOMPARE(CalendarTexts::monthGridTitle(userTitle, englishMonths(), month, 1998, showYear), title);
}

void TestCalendarTexts::headerRow_data()
{
    QTest::addColumn<int>("startOfWeek");
    QTest::addColumn<TCalHeadersStyle>("style");
    QTest::addColumn<QStringList>("headers");
    QTest::newRow("first char, Monday first")
        << 2 << dsFirstChar << QStringList { "M", "T", "W", "T", "F", "S", "S" };
    QTest::newRow("first char, Sunday first")
        << 1 << dsFirstChar << QStringList { "S", "M", "T", "W", "T", "F", "S" };
    QTest::newRow("three chars, Monday first")
        << 7 << dsThreeChars << QStringList { "Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun" };
    QTest::newRow("whole, Sunday first") << 1 << dsWhole << englishDays();
}

void TestCalendarTexts::headerRow()
{
    QFETCH(int, startOfWeek);
    QFETCH(TCalHeadersStyle, style);
    QFETCH(QStringList, headers);
    QStringList row;
    for (int column = 0; column < 7; ++column)
        row << shortenedDayName(nameAt(englishDays(), weekdayOfColumn(column, startOfWeek)), style);
    QCOMPARE(row, headers);
}

void TestCalendarTexts::weekPlannerTitle_data()
{
    QTest::addColumn<QDate>("start");
    QTest::addColumn<int>("days");
    QTest::addColumn<QStringList>("months");
    QTest::addColumn<QString>("title");
    const QStringList english = englishMonths();
    QTest::newRow("across years") << QDate(1997, 12, 29) << 7 << english
                                  << "December 29, 1997 - January 4, 1998";
    QTest::newRow("same month") << QDate(1998, 3, 2) << 7 << english << "March 2-8, 1998";
    QTest::newRow("across months") << QDate(1998, 3, 30) << 7 << english << "March 30 - April 5, 1998";
    QTest::newRow("two weeks") << QDate(1998, 2, 16) << 14 << english << "February 16 - March 1, 1998";
    QTest::newRow("leap February") << QDate(2000, 2, 23) << 7 << english << "February 23-29, 2000";
    // Names the user typed are text, never placeholders.
    QStringList typed = english;
    typed[2] = "M%1rz";
    typed[3] = "A%2";
    QTest::newRow("percent in names") << QDate(1998, 3, 30) << 7 << typed << "M%1rz 30 - A%2 5, 1998";
}

void TestCalendarTexts::weekPlannerTitle()
{
    QFETCH(QDate, start);
    QFETCH(int, days);
    QFETCH(QStringList, months);
    QFETCH(QString, title);
    QCOMPARE(CalendarTexts::weekPlannerTitle(start, days, months), title);
}

void TestCalendarTexts::weekPlannerLabels()
{
    const RowLabels labels = CalendarTexts::weekPlannerLabels(
        QDate(1997, 12, 29), 7, englishMonths(), englishDays(), dsThreeChars);
    const RowLabels expected { { "Mon", "29 Dec" }, { "Tue", "30 Dec" }, { "Wed", "31 Dec" },
        { "Thu", "1 Jan" }, { "Fri", "2 Jan" }, { "Sat", "3 Jan" }, { "Sun", "4 Jan" }, { "Notes", "" } };
    QCOMPARE(labels, expected);

    const RowLabels twoWeeks
        = CalendarTexts::weekPlannerLabels(QDate(1998, 2, 16), 14, englishMonths(), englishDays(), dsWhole);
    QCOMPARE(int(twoWeeks.size()), 15);
    QCOMPARE(twoWeeks[13], (std::pair<QString, QString> { "Sunday", "1 Mar" }));
}

void TestCalendarTexts::dayPlannerTitle()
{
    QCOMPARE(CalendarTexts::dayPlannerTitle(QDate(1998, 1, 4), englishMonths(), englishDays()),
        QStringLiteral("Sunday, January 4, 1998"));
    QStringList days = englishDays();
    days[0] = "Day %1";
    QCOMPARE(CalendarTexts::dayPlannerTitle(QDate(1998, 1, 4), englishMonths(), days),
        QStringLiteral("Day %1, January 4, 1998"));
}

void TestCalendarTexts::dayPlannerLabels_data()
{
    QTest::addColumn<double>("start");
    QTest::addColumn<int>("hours");
    QTest::addColumn<QStringList>("first");
    QTest::newRow("8:00 for 10 hours")
        << 8.0 / 24.0 << 10
        << QStringList { "8:00 AM", "9:00 AM", "10:00 AM", "11:00 AM", "12:00 PM", "1:00 PM", "2:00 PM",
               "3:00 PM", "4:00 PM", "5:00 PM", "Notes" };
    // 20:00 plus 14 hours passes midnight: 20 ... 23, 0 ... 10.
    QTest::newRow("20:00 for 15 hours")
        << 20.0 / 24.0 << 15
        << QStringList { "8:00 PM", "9:00 PM", "10:00 PM", "11:00 PM", "12:00 AM", "1:00 AM", "2:00 AM",
               "3:00 AM", "4:00 AM", "5:00 AM", "6:00 AM", "7:00 AM", "8:00 AM", "9:00 AM", "10:00 AM",
               "Notes" };
    QTest::newRow("half past 7") << 7.5 / 24.0 << 3
                                 << QStringList { "7:30 AM", "8:30 AM", "9:30 AM", "Notes" };
}

void TestCalendarTexts::dayPlannerLabels()
{
    QFETCH(double, start);
    QFETCH(int, hours);
    QFETCH(QStringList, first);
    const RowLabels labels = CalendarTexts::dayPlannerLabels(start, hours);
    QStringList firstLabels;
    for (const auto &label : labels) {
        firstLabels << label.first;
        QVERIFY(label.second.isEmpty());
    }
    QCOMPARE(firstLabels, first);
}

void TestCalendarTexts::timeLabel_data()
{
    QTest::addColumn<double>("time");
    QTest::addColumn<QString>("label");
    QTest::newRow("midnight") << 0.0 << "12:00 AM";
    QTest::newRow("noon") << 0.5 << "12:00 PM";
    QTest::newRow("8:05") << (8.0 * 60 + 5) / 1440.0 << "8:05 AM";
    QTest::newRow("23:59") << 1439.0 / 1440.0 << "11:59 PM";
    QTest::newRow("next day") << 1.0 + 13.0 / 24.0 << "1:00 PM";
}

void TestCalendarTexts::timeLabel()
{
    QFETCH(double, time);
    QFETCH(QString, label);
    QCOMPARE(CalendarTexts::timeLabel(time), label);
}

void TestCalendarTexts::dayFromLabel_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("day");
    QTest::newRow("one digit") << "4 Jan" << 4;
    QTest::newRow("two digits") << "29 Dec" << 29;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("notes") << "Notes" << 0;
    QTest::newRow("number only") << "7" << 7;
}

void TestCalendarTexts::dayFromLabel()
{
    QFETCH(QString, label);
    QFETCH(int, day);
    QCOMPARE(CalendarTexts::dayFromLabel(label), day);
}

void TestCalendarTexts::plannerDateClamps()
{
    // A page made with day 0 or a day past the month's end still plans a real date.
    QCOMPARE(plannerDate(0, 1, 1997), QDate(1997, 1, 1));
    QCOMPARE(plannerDate(31, 2, 2000), QDate(2000, 2, 29));
    QCOMPARE(plannerDate(15, 6, 1998), QDate(1998, 6, 15));
}

QTEST_MAIN(TestCalendarTexts)
#include "tst_calendartexts.moc"
