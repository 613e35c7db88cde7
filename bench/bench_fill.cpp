// Filling a month from a long recurring-date list: 4,000 entries of every
// formula kind that places text each month, about 6,000 texts in all, some
// 200 in each day cell. Should stay well under a second.
#include "base/calendarfont.h"
#include "calendar/calendarpage.h"
#include "recurring/recurringfill.h"
#include "recurring/recurringformula.h"

#include <QtTest>

namespace {

constexpr int kEntries = 4000;

QStringList longList()
{
    using namespace RecurringFormula;
    QStringList entries;
    for (int i = 0; i < kEntries; ++i) {
        const QString event = QStringLiteral("Event number %1").arg(i);
        switch (i % 3) {
        case 0:
            entries << BuildEntry(event, BuildDayOfMonthFormula(1 + i % 28, kEachMonth));
            break;
        case 1:
            entries << BuildEntry(event, kDaysOfWeek + QString::number(1 + i % 7));
            break;
        default:
            entries << BuildEntry(event, BuildSpecialFormula(1 + i % 4, 1 + i % 7, kEachMonth));
        }
    }
    return entries;
}

} // namespace

class BenchFill : public QObject
{
    Q_OBJECT

private slots:
    void fillFromALongList();
};

void BenchFill::fillFromALongList()
{
    const QStringList entries = longList();
    CalendarFont font;
    font.name = QStringLiteral("Arial");
    font.size = 10;
    int placed = 0;
    QBENCHMARK
    {
        CalendarPage page;
        page.resetToDefaultStyle(QDate(2026, 7, 1));
        placed = RecurringFill::ApplyEntries(page, entries, font);
    }
    QVERIFY(placed > 5000);
}

QTEST_MAIN(BenchFill)
#include "bench_fill.moc"
