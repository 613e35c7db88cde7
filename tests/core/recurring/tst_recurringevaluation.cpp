// Which days a formula falls on, the Easter feasts, and every built-in
// holiday against dates worked out independently here.
#include <QtTest>

#include <functional>

#include "recurring/easterdates.h"
#include "recurring/holidaytable.h"
#include "recurring/recurringevaluation.h"
#include "recurring/recurringformula.h"

using RecurringEvaluation::FallsOn;
using Days = QList<int>;

namespace {

// Knuth's epact form of the Gregorian computus, a different road to the
// same dates as the program's algorithm.
QDate knuthEaster(int year)
{
    const int golden = year % 19 + 1;
    const int century = year / 100 + 1;
    const int skipped = 3 * century / 4 - 12;
    const int moon = (8 * century + 5) / 25 - 5;
    const int sunday = 5 * year / 4 - skipped - 10;
    int epact = (11 * golden + 20 + moon - skipped) % 30;
    if ((epact == 25 && golden > 11) || epact == 24)
        ++epact;
    int n = 44 - epact;
    if (n < 21)
        n += 30;
    n = n + 7 - ((sunday + n) % 7);
    return n > 31 ? QDate(year, 4, n - 31) : QDate(year, 3, n);
}

// The short formula, right for 1900 to 2099.
QDate shortFormulaEaster(int year)
{
    const int a = year % 19;
    int d = ((225 - 11 * a - 21) % 30) + 21;
    if (d > 48)
        --d;
    const int e = (year + year / 4 + d + 1) % 7;
    const int q = d + 7 - e;
    return q < 32 ? QDate(year, 3, q) : QDate(year, 4, q - 31);
}

// n-th (1-based) weekday of a month, Qt's numbering (1 = Monday, 7 = Sunday).
QDate nthWeekday(int year, int month, int qtWeekday, int n)
{
    const QDate first(year, month, 1);
    return first.addDays((qtWeekday - first.dayOfWeek() + 7) % 7 + 7 * (n - 1));
}

QDate lastWeekday(int year, int month, int qtWeekday)
{
    const QDate last = QDate(year, month, 1).addMonths(1).addDays(-1);
    return last.addDays(-((last.dayOfWeek() - qtWeekday + 7) % 7));
}

using Rule = std::function<QDate(int)>;

Rule fixed(int month, int day)
{
    return [=](int year) { return QDate(year, month, day); };
}

Rule nth(int n, int qtWeekday, int month)
{
    return [=](int year) { return nthWeekday(year, month, qtWeekday, n); };
}

Rule last(int qtWeekday, int month)
{
    return [=](int year) { return lastWeekday(year, month, qtWeekday); };
}

const QHash<QString, Rule> &holidayRules()
{
    static const QHash<QString, Rule> rules {
        { "April Fools's Day", fixed(4, 1) },
        { "Armed Forces Day", nth(3, Qt::Saturday, 5) },
        { "Christmas Day", fixed(12, 25) },
        { "Daylight Savings time begins", nth(2, Qt::Sunday, 3) },
        { "Daylight Savings Time ends", nth(1, Qt::Sunday, 11) },
        { "Easter", knuthEaster },
        { "Father's Day", nth(3, Qt::Sunday, 6) },
        { "Flag Day", fixed(6, 14) },
        { "Good Friday", [](int year) { return knuthEaster(year).addDays(-2); } },
        { "Groundhog Day", fixed(2, 2) },
        { "Halloween", fixed(10, 31) },
        { "Independence Day", fixed(7, 4) },
        { "Labor Day", nth(1, Qt::Monday, 9) },
        { "Lincoln's Birthday", fixed(2, 12) },
        { "Martin Luther King Day", nth(3, Qt::Monday, 1) },
        { "Memorial Day", last(Qt::Monday, 5) },
        { "Mother's Day", nth(2, Qt::Sunday, 5) },
        { "New Year's Day", fixed(1, 1) },
        { "Palm Sunday", [](int year) { return knuthEaster(year).addDays(-7); } },
        { "President's Day", nth(3, Qt::Monday, 2) },
        { "St. Patrick's Day", fixed(3, 17) },
        { "Thanksgiving Day", nth(4, Qt::Thursday, 11) },
        { "United Nations Day", fixed(10, 24) },
        { "Valentine's Day", fixed(2, 14) },
        { "Veterans Day", fixed(11, 11) },
        { "Washington's Birthday", fixed(2, 22) },
    };
    return rules;
}

} // namespace

class TestRecurringEvaluation : public QObject
{
    Q_OBJECT

private slots:
    void fallsOn_data()
    {
        QTest::addColumn<QString>("formula");
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<Days>("days");
        QTest::newRow("leap day in a leap year") << "@0229" << 2024 << 2 << Days { 29 };
        QTest::newRow("leap day in 2000") << "@0229" << 2000 << 2 << Days { 29 };
        QTest::newRow("leap day in a common year") << "@0229" << 2025 << 2 << Days {};
        QTest::newRow("leap day in 1900") << "@0229" << 1900 << 2 << Days {};
        QTest::newRow("each month") << "@0015" << 2026 << 8 << Days { 15 };
        QTest::newRow("other month") << "@0401" << 2026 << 5 << Days {};
        QTest::newRow("31st in a 30-day month") << "@0031" << 2026 << 4 << Days {};
        QTest::newRow("day 0") << "@0000" << 2026 << 4 << Days {};
        QTest::newRow("converted line") << "@0704      " << 2026 << 7 << Days { 4 };
        // May 2027 has five Mondays (3 to 31), May 2026 four (4 to 25).
        QTest::newRow("last Monday, five Mondays") << "$5 1 5 " << 2027 << 5 << Days { 31 };
        QTest::newRow("last Monday, four Mondays") << "$5 1 5 " << 2026 << 5 << Days { 25 };
        QTest::newRow("5th Monday, five Mondays") << "$4 1 5 " << 2027 << 5 << Days { 31 };
        QTest::newRow("5th Monday, four Mondays") << "$4 1 5 " << 2026 << 5 << Days {};
        QTest::newRow("1st Monday") << "$0 1 5 " << 2026 << 5 << Days { 4 };
        QTest::newRow("1st any day") << "$0 7 0 " << 2026 << 2 << Days { 1 };
        QTest::newRow("3rd any day") << "$2 7 0 " << 2026 << 2 << Days { 3 };
        QTest::newRow("last day of February") << "$5 7 0 " << 2026 << 2 << Days { 28 };
        QTest::newRow("last day of leap February") << "$5 7 0 " << 2024 << 2 << Days { 29 };
        QTest::newRow("last day of April") << "$5 7 0 " << 2026 << 4 << Days { 30 };
        QTest::newRow("last day of May") << "$5 7 0 " << 2026 << 5 << Days { 31 };
        QTest::newRow("special, other month") << "$2 6 5 " << 2026 << 6 << Days {};
        QTest::newRow("occurrence 6") << "$6 1 0 " << 2026 << 6 << Days {};
        QTest::newRow("weekday 8") << "$0 8 0 " << 2026 << 6 << Days {};
        QTest::newRow("unreadable special") << "$x 1 0" << 2026 << 6 << Days {};
        Days all;
        for (int day = 1; day <= 30; ++day)
            all << day;
        QTest::newRow("all seven weekdays") << "%1234567  " << 2026 << 9 << all;
        QTest::newRow("weekends of December 2026")
            << "%17" << 2026 << 12 << Days { 5, 6, 12, 13, 19, 20, 26, 27 };
        QTest::newRow("no weekday") << "%" << 2026 << 12 << Days {};
        QTest::newRow("easter 2024") << "#EASTER" << 2024 << 3 << Days { 31 };
        QTest::newRow("good friday 2024") << "#GOODFRIDAY" << 2024 << 3 << Days { 29 };
        QTest::newRow("palm sunday 2024") << "#PALMSUNDAY" << 2024 << 3 << Days { 24 };
        QTest::newRow("easter 2025") << "#EASTER" << 2025 << 4 << Days { 20 };
        QTest::newRow("easter 2026") << "#EASTER" << 2026 << 4 << Days { 5 };
        QTest::newRow("easter 2026 not in March") << "#EASTER" << 2026 << 3 << Days {};
        QTest::newRow("palm sunday 2026 in March") << "#PALMSUNDAY" << 2026 << 3 << Days { 29 };
        QTest::newRow("palm sunday 2026 not in April") << "#PALMSUNDAY" << 2026 << 4 << Days {};
        QTest::newRow("good friday 2026") << "#GOODFRIDAY" << 2026 << 4 << Days { 3 };
        QTest::newRow("name with blanks, lower case") << "#easter   " << 2026 << 4 << Days { 5 };
        QTest::newRow("unknown name") << "#PENTECOST" << 2026 << 5 << Days {};
        QTest::newRow("unknown kind") << "!0401" << 2026 << 4 << Days {};
        QTest::newRow("empty") << "" << 2026 << 4 << Days {};
        QTest::newRow("month 13") << "@0001" << 2026 << 13 << Days {};
    }
    void fallsOn()
    {
        QFETCH(QString, formula);
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(Days, days);
        QCOMPARE(FallsOn(formula, year, month), days);
    }

    void easterOutsideTheShortFormulasCenturies()
    {
        QCOMPARE(EasterDates::easterSunday(1818), QDate(1818, 3, 22));
        QCOMPARE(EasterDates::easterSunday(2100), QDate(2100, 3, 28));
        QCOMPARE(EasterDates::easterSunday(2285), QDate(2285, 3, 22));
        QCOMPARE(EasterDates::easterSunday(1583), QDate(1583, 4, 10));
        // The short formula gives other dates there, which is why it is not used.
        QVERIFY(shortFormulaEaster(2100) != QDate(2100, 3, 28));
        QCOMPARE(FallsOn(QStringLiteral("#EASTER"), 2285, 3), Days { 22 });
        QCOMPARE(FallsOn(QStringLiteral("#GOODFRIDAY"), 2285, 3), Days { 20 });
        QCOMPARE(FallsOn(QStringLiteral("#PALMSUNDAY"), 2285, 3), Days { 15 });
    }

    void easterAgreesWithTheShortFormulaFrom1900To2099()
    {
        for (int year = 1900; year <= 2099; ++year)
            QCOMPARE(EasterDates::easterSunday(year), shortFormulaEaster(year));
    }

    void easterAgreesWithTheEpactComputusInEveryYear()
    {
        for (int year = 1583; year <= 9999; ++year) {
            const QDate easter = EasterDates::easterSunday(year);
            QCOMPARE(easter, knuthEaster(year));
            QCOMPARE(easter.dayOfWeek(), int(Qt::Sunday));
            QCOMPARE(EasterDates::goodFriday(year).dayOfWeek(), int(Qt::Friday));
            QCOMPARE(EasterDates::palmSunday(year).daysTo(easter), qint64(7));
        }
    }

    void everyHolidayFallsWhereItsRuleSays()
    {
        const QStringList entries = HolidayTable::entries();
        QCOMPARE(entries.size(), 26);
        for (const QString &entry : entries) {
            const QString name = entry.left(120).trimmed();
            QVERIFY2(holidayRules().contains(name), qPrintable(name));
            const Rule rule = holidayRules().value(name);
            for (int year = 1950; year <= 2060; ++year) {
                const QDate expected = rule(year);
                for (int month = 1; month <= 12; ++month) {
                    const Days days = FallsOn(entry.mid(120), year, month);
                    const Days wanted = expected.month() == month ? Days { expected.day() } : Days {};
                    QVERIFY2(days == wanted,
                        qPrintable(QStringLiteral("%1 %2-%3").arg(name).arg(year).arg(month)));
                }
            }
        }
    }

    void holidaysMayOnlyFallInTheirMonth()
    {
        for (const QString &entry : HolidayTable::entries()) {
            const Rule rule = holidayRules().value(entry.left(120).trimmed());
            for (int month = 1; month <= 12; ++month)
                QCOMPARE(RecurringEvaluation::MayFallIn(entry, 2026, month), rule(2026).month() == month);
        }
    }

    void weekdayNumbering()
    {
        QCOMPARE(RecurringEvaluation::DayOfWeek(2026, 12, 6), 1); // a Sunday
        QCOMPARE(RecurringEvaluation::DayOfWeek(2026, 12, 12), 7); // a Saturday
        QCOMPARE(RecurringEvaluation::DaysInMonth(2100, 2), 28);
        QCOMPARE(RecurringEvaluation::DaysInMonth(2400, 2), 29);
    }
};

QTEST_GUILESS_MAIN(TestRecurringEvaluation)
#include "tst_recurringevaluation.moc"
