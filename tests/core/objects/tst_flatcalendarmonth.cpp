#include "objects/flatcalendarmonth.h"
#include "objects/vflatcalendar.h"

#include "calendar/languagetables.h"

#include <QTest>

// The floating calendar's month grid and the texts of its title and day names.
class TestFlatCalendarMonth : public QObject
{
    Q_OBJECT

private slots:
    void daysInMonth_data();
    void daysInMonth();
    void weekdayMatchesQDate();
    void firstColumnFollowsWeekStart();
    void longMonthFillsSixRows();
    void monthOutsideRangeIsEmpty();
    void titleAndDayNames();
};

void TestFlatCalendarMonth::daysInMonth_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("days");
    QTest::newRow("February 2000") << 2 << 2000 << 29;
    QTest::newRow("February 1900") << 2 << 1900 << 28;
    QTest::newRow("February 2100") << 2 << 2100 << 28;
    QTest::newRow("February 2024") << 2 << 2024 << 29;
    QTest::newRow("April") << 4 << 2023 << 30;
    QTest::newRow("December") << 12 << 2023 << 31;
    QTest::newRow("month 0") << 0 << 2023 << 0;
    QTest::newRow("month 13") << 13 << 2023 << 0;
}

void TestFlatCalendarMonth::daysInMonth()
{
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(int, days);
    QCOMPARE(FlatCalendarMonth::daysInMonth(month, year), days);
}

void TestFlatCalendarMonth::weekdayMatchesQDate()
{
    for (int year = 1582; year <= 2600; year += 7) {
        for (int month = 1; month <= 12; ++month) {
            const int expected = QDate(year, month, 1).dayOfWeek() % 7 + 1; // Sunday 1
            QCOMPARE(FlatCalendarMonth::weekdayOfFirst(month, year), expected);
        }
    }
    // Any year a record may hold gives a weekday.
    for (int year : { -2147483647 - 1, -1, 0, 2147483647 }) {
        const int weekday = FlatCalendarMonth::weekdayOfFirst(1, year);
        QVERIFY(weekday >= 1 && weekday <= 7);
    }
}

void TestFlatCalendarMonth::firstColumnFollowsWeekStart()
{
    // 1 September 2024 is a Sunday.
    TVFlatCalendar calendar(nullptr, QDate(2024, 9, 1));
    QCOMPARE(calendar.dayAt(0, 0), 1);
    QCOMPARE(calendar.dayAt(0, 1), 2);
    calendar.setStartOfWeek(2);
    QCOMPARE(calendar.dayAt(0, 6), 1);
    QCOMPARE(calendar.dayAt(0, 5), 0);
    QCOMPARE(calendar.dayAt(1, 0), 2);
}

void TestFlatCalendarMonth::longMonthFillsSixRows()
{
    // 1 March 2025 is a Saturday.
    TVFlatCalendar calendar(nullptr, QDate(2025, 3, 1));
    QCOMPARE(calendar.dayAt(0, 6), 1);
    QCOMPARE(calendar.dayAt(5, 1), 31);
    QCOMPARE(calendar.dayAt(5, 2), 0);
    int count = 0;
    for (int row = 0; row < 6; ++row) {
        for (int column = 0; column < 7; ++column)
            count += calendar.dayAt(row, column) != 0;
    }
    QCOMPARE(count, 31);
}

void TestFlatCalendarMonth::monthOutsideRangeIsEmpty()
{
    TVFlatCalendar calendar(nullptr, QDate(2025, 3, 1));
    calendar.setMonth(13);
    for (int row = 0; row < 6; ++row) {
        for (int column = 0; column < 7; ++column)
            QCOMPARE(calendar.dayAt(row, column), 0);
    }
    QVERIFY(calendar.titleText().isEmpty());
}

void TestFlatCalendarMonth::titleAndDayNames()
{
    TVFlatCalendar calendar(nullptr, QDate(2025, 3, 1));
    QCOMPARE(calendar.titleText(), QStringLiteral("March"));
    calendar.setShowYear(true);
    calendar.setLanguage(fclGerman);
    const QStringList german = LanguageTables::monthNames(CalendarLanguage::German);
    QCOMPARE(calendar.titleText(), german.at(2) + QStringLiteral(" 2025"));

    const QStringList days = LanguageTables::dayNames(CalendarLanguage::German);
    QCOMPARE(calendar.dayNameText(0), days.at(0).left(1));
    calendar.setDayNameStyle(fdsThreeChars);
    calendar.setStartOfWeek(2);
    QCOMPARE(calendar.dayNameText(0), days.at(1).left(3));
    QCOMPARE(calendar.dayNameText(6), days.at(0).left(3)); // Sunday last
    calendar.setDayNameStyle(fdsWhole);
    QCOMPARE(calendar.dayNameText(4), QStringLiteral("Freitag ")); // the table's trailing blank
    QVERIFY(calendar.dayNameText(7).isEmpty());
}

QTEST_MAIN(TestFlatCalendarMonth)
#include "tst_flatcalendarmonth.moc"
