// Recurring-date formulas: building, parsing, ordinals and the texts a list shows.
#include <QtTest>

#include "recurring/recurringdescription.h"
#include "recurring/recurringformula.h"

using namespace RecurringFormula;
using namespace RecurringDescription;

class TestRecurringFormula : public QObject
{
    Q_OBJECT

private slots:
    void padRightCutsAndFills()
    {
        QCOMPARE(PadRight(QStringLiteral("ab"), 5), QStringLiteral("ab   "));
        QCOMPARE(PadRight(QStringLiteral("abcdef"), 3), QStringLiteral("abc"));
        QCOMPARE(PadRight(QString(), 2), QStringLiteral("  "));
        QCOMPARE(PadRight(QStringLiteral("x"), 0), QString());
    }

    void ordinalText_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("text");
        const QList<QPair<int, const char *>> rows { { 0, "0th" }, { 1, "1st" }, { 2, "2nd" }, { 3, "3rd" },
            { 4, "4th" }, { 10, "10th" }, { 11, "11th" }, { 12, "12th" }, { 13, "13th" }, { 19, "19th" },
            { 20, "20th" }, { 21, "21st" }, { 22, "22nd" }, { 23, "23rd" }, { 31, "31st" }, { 111, "111st" },
            { 112, "112nd" }, { 113, "113rd" }, { 65535, "65535th" } };
        for (const auto &row : rows)
            QTest::newRow(row.second) << row.first << QString::fromLatin1(row.second);
    }
    void ordinalText()
    {
        QFETCH(int, n);
        QFETCH(QString, text);
        QCOMPARE(OrdinalText(n), text);
    }

    void buildsFormulas()
    {
        QCOMPARE(BuildDayOfMonthFormula(1, 4), QStringLiteral("@0401"));
        QCOMPARE(BuildDayOfMonthFormula(15, 0), QStringLiteral("@0015"));
        QCOMPARE(BuildDayOfMonthFormula(31, 12), QStringLiteral("@1231"));
        QCOMPARE(BuildSpecialFormula(3, 4, 11), QStringLiteral("$3 4 11"));
        QCOMPARE(BuildSpecialFormula(2, 6, 5), QStringLiteral("$2 6 5 "));
        QCOMPARE(BuildSpecialFormula(5, 7, 0), QStringLiteral("$5 7 0 "));
        const QString entry = BuildEntry(QStringLiteral("Birthday"), QStringLiteral("@0704"));
        QCOMPARE(entry.size(), 130);
        QCOMPARE(entry.mid(120), QStringLiteral("@0704     "));
        QCOMPARE(BuildEntry(QString(121, QLatin1Char('x')), QStringLiteral("%1234567890AB")).size(), 130);
    }

    void parsesWhatItBuilds()
    {
        int month = -1, day = -1;
        QVERIFY(ParseDayOfMonthFormula(QStringLiteral("@0229"), &month, &day));
        QCOMPARE(month, 2);
        QCOMPARE(day, 29);
        // A converted starting-list formula: "@" and ten characters.
        QVERIFY(ParseDayOfMonthFormula(QStringLiteral("@0704      "), &month, &day));
        QCOMPARE(month, 7);
        QCOMPARE(day, 4);
        int occurrence = -1, weekday = -1;
        QVERIFY(ParseSpecialFormula(BuildSpecialFormula(3, 4, 11), &occurrence, &weekday, &month));
        QCOMPARE(occurrence, 3);
        QCOMPARE(weekday, 4);
        QCOMPARE(month, 11);
        QVERIFY(ParseSpecialFormula(QStringLiteral("$5 1 5"), &occurrence, &weekday, &month));
        QCOMPARE(month, 5);
        // No range check: the numbers are only read.
        QVERIFY(ParseSpecialFormula(QStringLiteral("$9 9 99"), &occurrence, &weekday, &month));
        QCOMPARE(occurrence, 9);
    }

    void refusesUnreadableFields()
    {
        int a = 0, b = 0, c = 0;
        QVERIFY(!ParseDayOfMonthFormula(QStringLiteral("@"), &a, &b));
        QVERIFY(!ParseDayOfMonthFormula(QStringLiteral("@04"), &a, &b));
        QVERIFY(!ParseDayOfMonthFormula(QStringLiteral("@  01"), &a, &b));
        QVERIFY(!ParseDayOfMonthFormula(QStringLiteral("@A401"), &a, &b));
        QVERIFY(!ParseSpecialFormula(QStringLiteral("$2 6"), &a, &b, &c));
        QVERIFY(!ParseSpecialFormula(QStringLiteral("$x 6 5"), &a, &b, &c));
    }

    void describesFormulas_data()
    {
        QTest::addColumn<QString>("formula");
        QTest::addColumn<QString>("text");
        QTest::newRow("april 1") << "@0401"
                                 << "1st of April";
        QTest::newRow("each month") << "@0015"
                                    << "15th of Each Month";
        QTest::newRow("armed forces") << "$2 6 5 "
                                      << "3rd Sat of May";
        QTest::newRow("last any day") << "$5 7 0 "
                                      << "Last Day Each Month";
        QTest::newRow("2nd any day") << "$1 7 1 "
                                     << "2nd Day January";
        QTest::newRow("last sunday") << "$5 0 10"
                                     << "Last Sun of October";
        QTest::newRow("weekend") << "%17       "
                                 << "Sun,Sat";
        QTest::newRow("weekday order") << "%531"
                                       << "Sun,Tue,Thu";
        QTest::newRow("all days") << "%1234567"
                                  << "Sun,Mon,Tue,Wed,Thu,Fri,Sat";
        QTest::newRow("unreadable day") << "@04xx"
                                        << "";
        QTest::newRow("unreadable special") << "$a 1 1"
                                            << "";
        QTest::newRow("month 13") << "@1301"
                                  << "";
        QTest::newRow("weekday 8") << "$0 8 1 "
                                   << "";
        QTest::newRow("named") << "#EASTER"
                               << "";
    }
    void describesFormulas()
    {
        QFETCH(QString, formula);
        QFETCH(QString, text);
        QCOMPARE(FormulaDescription(formula), text);
    }

    void entryDisplayText()
    {
        QCOMPARE(EntryDisplayText(BuildEntry(QStringLiteral("  Armed Forces Day"), QStringLiteral("$2 6 5"))),
            QStringLiteral("Armed Forces Day (3rd Sat of May)"));
        QCOMPARE(EntryDisplayText(BuildEntry(QStringLiteral("Pay day"), QStringLiteral("@00xx"))),
            QStringLiteral("Pay day ()"));
        // Named feasts and lines without a formula show their characters as they are.
        const QString easter = PadRight(QStringLiteral("Easter"), 120) + QStringLiteral("#EASTER");
        QCOMPARE(EntryDisplayText(easter), PadRight(QStringLiteral("Easter"), 120));
        const QString bare = PadRight(QStringLiteral("Just text"), 120);
        QCOMPARE(EntryDisplayText(bare), bare);
        QCOMPARE(EntryDisplayText(QStringLiteral("short")), QStringLiteral("short"));
        QCOMPARE(EntryDisplayText(QString()), QString());
        QCOMPARE(EntryDisplayText(PadRight(QStringLiteral("Odd"), 120) + QStringLiteral("!x")),
            PadRight(QStringLiteral("Odd"), 120));
    }
};

QTEST_GUILESS_MAIN(TestRecurringFormula)
#include "tst_recurringformula.moc"
