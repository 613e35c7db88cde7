// Which entries a month offers, and which text goes on which day.
#include <QtTest>

#include "recurring/holidaytable.h"
#include "recurring/recurringformula.h"
#include "recurring/recurringplacements.h"

using namespace RecurringPlacements;
using RecurringFormula::BuildEntry;
using RecurringFormula::PadRight;
using Placements = QList<Placement>;

namespace {

QString holiday(const QString &name)
{
    for (const QString &entry : HolidayTable::entries()) {
        if (entry.left(120).trimmed() == name)
            return entry;
    }
    return {};
}

} // namespace

class TestRecurringPlacements : public QObject
{
    Q_OBJECT

private slots:
    void candidatesKeepListOrder()
    {
        const QStringList entries {
            BuildEntry(QStringLiteral("April fool"), QStringLiteral("@0401")),
            BuildEntry(QStringLiteral("Rent"), QStringLiteral("@0001")),
            BuildEntry(QStringLiteral("Gym"), QStringLiteral("%246")),
            BuildEntry(QStringLiteral("Armed Forces"), QStringLiteral("$2 6 5")),
            BuildEntry(QStringLiteral("Monthly"), QStringLiteral("$0 1 0")),
            PadRight(QStringLiteral("No formula"), 120),
            QStringLiteral("short"),
            BuildEntry(QStringLiteral("Broken"), QStringLiteral("@xx01")),
            BuildEntry(QStringLiteral("Broken special"), QStringLiteral("$a 1 5")),
            BuildEntry(QStringLiteral("Unknown kind"), QStringLiteral("!0401")),
            holiday(QStringLiteral("Easter")),
            holiday(QStringLiteral("Palm Sunday")),
            holiday(QStringLiteral("Good Friday")),
            PadRight(QStringLiteral("Pentecost"), 120) + QStringLiteral("#PENTECOST"),
        };
        // March 2026: Palm Sunday is March 29, Easter and Good Friday fall in April.
        const QStringList march = CandidatesForMonth(entries, 2026, 3);
        QStringList expected = entries;
        expected.removeAll(entries[0]);
        expected.removeAll(entries[3]);
        expected.removeAll(entries[10]);
        expected.removeAll(entries[12]);
        QCOMPARE(march, expected);
        const QStringList april = CandidatesForMonth(entries, 2026, 4);
        QVERIFY(april.contains(entries[0]));
        QVERIFY(april.contains(entries[10]));
        QVERIFY(april.contains(entries[12]));
        QVERIFY(!april.contains(entries[11]));
    }

    void dayOfMonthFor31InA30DayMonthIsOfferedButPlacesNothing()
    {
        const QString entry = BuildEntry(QStringLiteral("Month end"), QStringLiteral("@0031"));
        QCOMPARE(CandidatesForMonth({ entry }, 2026, 4), QStringList { entry });
        QVERIFY(PlacementsOf(entry, 2026, 4).isEmpty());
        QCOMPARE(PlacementsOf(entry, 2026, 5), (Placements { { 31, QStringLiteral("Month end") } }));
    }

    void textsAreTrimmedOnlyForDayOfMonthAndSpecial()
    {
        const QString padded = PadRight(QStringLiteral("  Party"), 120);
        QCOMPARE(PlacementsOf(BuildEntry(QStringLiteral("  Party"), QStringLiteral("@0704")), 2026, 7),
            (Placements { { 4, QStringLiteral("Party") } }));
        QCOMPARE(PlacementsOf(BuildEntry(QStringLiteral("  Party"), QStringLiteral("$0 7 0")), 2026, 7),
            (Placements { { 1, QStringLiteral("Party") } }));
        QCOMPARE(PlacementsOf(BuildEntry(QStringLiteral("  Party"), QStringLiteral("%1")), 2026, 2),
            (Placements { { 1, padded }, { 8, padded }, { 15, padded }, { 22, padded } }));
        const QString easter = holiday(QStringLiteral("Easter"));
        QCOMPARE(PlacementsOf(easter, 2024, 3), (Placements { { 31, easter.left(120) } }));
        QVERIFY(PlacementsOf(PadRight(QStringLiteral("x"), 120), 2026, 7).isEmpty());
        QVERIFY(PlacementsOf(QStringLiteral("x"), 2026, 7).isEmpty());
        QVERIFY(PlacementsOf(BuildEntry(QStringLiteral("x"), QStringLiteral("!0704")), 2026, 7).isEmpty());
    }

    void easterFeastsAcrossMonths()
    {
        const QString easter = holiday(QStringLiteral("Easter"));
        const QString friday = holiday(QStringLiteral("Good Friday"));
        const QString palm = holiday(QStringLiteral("Palm Sunday"));
        // 2024: all three in March.
        QCOMPARE(PlacementsOf(palm, 2024, 3).value(0).day, 24);
        QCOMPARE(PlacementsOf(friday, 2024, 3).value(0).day, 29);
        QCOMPARE(PlacementsOf(easter, 2024, 3).value(0).day, 31);
        // 2025: all three in April.
        QCOMPARE(PlacementsOf(palm, 2025, 4).value(0).day, 13);
        QCOMPARE(PlacementsOf(friday, 2025, 4).value(0).day, 18);
        QCOMPARE(PlacementsOf(easter, 2025, 4).value(0).day, 20);
        // 2026: Palm Sunday in March, the others in April.
        QCOMPARE(PlacementsOf(palm, 2026, 3).value(0).day, 29);
        QVERIFY(PlacementsOf(palm, 2026, 4).isEmpty());
        QCOMPARE(PlacementsOf(friday, 2026, 4).value(0).day, 3);
        QCOMPARE(PlacementsOf(easter, 2026, 4).value(0).day, 5);
        QVERIFY(PlacementsOf(easter, 2026, 3).isEmpty());
    }

    void noCandidateLeftForTheMonth()
    {
        const QStringList entries { holiday(QStringLiteral("Christmas Day")),
            holiday(QStringLiteral("Halloween")) };
        QVERIFY(CandidatesForMonth(entries, 2026, 6).isEmpty());
        QVERIFY(CandidatesForMonth({}, 2026, 6).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestRecurringPlacements)
#include "tst_recurringplacements.moc"
