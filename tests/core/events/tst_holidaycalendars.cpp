// The shipped holiday calendars: known facts of 2027 and later, taken from
// the laws that made them (not from the data the calendars come from), and
// every file read clean.
#include "events/icalendarfile.h"

#include <QDirIterator>
#include <QtTest>

namespace {

QString shipped(const QString &name)
{
    return QStringLiteral(DATEWRIGHT_SOURCE_RESOURCES "/Holidays/") + name;
}

// The summaries of the events on a day.
QStringList summariesOn(const QString &file, const QDate &date)
{
    ICalendarFile calendar;
    QString error;
    if (!calendar.load(shipped(file), &error))
        return { QStringLiteral("unreadable: ") + error };
    QStringList summaries;
    for (const EventOccurrence &occurrence : calendar.occurrences(date.year(), date.month())) {
        if (occurrence.date == date)
            summaries << occurrence.summary;
    }
    return summaries;
}

} // namespace

class TestHolidayCalendars : public QObject
{
    Q_OBJECT

private slots:
    void knownDays_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("summary"); // empty: no holiday that day
        QTest::newRow("Juneteenth") << "United States.ics" << QDate(2027, 6, 19) << "Juneteenth";
        QTest::newRow("Store bededag abolished") << "Denmark.ics" << QDate(2027, 4, 23) << "";
        QTest::newRow("Ukraine's Christmas moved") << "Ukraine.ics" << QDate(2027, 12, 25) << "Різдво";
        QTest::newRow("no Ukrainian holiday on 7 January") << "Ukraine.ics" << QDate(2027, 1, 7) << "";
        QTest::newRow("Poland's Christmas Eve") << "Poland.ics" << QDate(2027, 12, 24) << "Wigilia";
        QTest::newRow("Mexico's change of government") << "Mexico.ics" << QDate(2030, 10, 1) << "Transmisión";
        QTest::newRow("not in December any more") << "Mexico.ics" << QDate(2030, 12, 1) << "";
        QTest::newRow("Epiphany in Bavaria") << "Germany/Bayern.ics" << QDate(2027, 1, 6) << "Heilige Drei";
        QTest::newRow("not nationally") << "Germany.ics" << QDate(2027, 1, 6) << "";
        QTest::newRow("nor in Berlin") << "Germany/Berlin.ics" << QDate(2027, 1, 6) << "";
        QTest::newRow("Québec's national holiday")
            << "Canada/Quebec.ics" << QDate(2027, 6, 24) << "National Holiday";
        QTest::newRow("Coming of Age Day") << "Japan.ics" << QDate(2027, 1, 11) << "成人の日";
        QTest::newRow("Chinese New Year") << "China.ics" << QDate(2027, 2, 6) << "春节";
        QTest::newRow("Eid al-Fitr") << "Indonesia.ics" << QDate(2027, 3, 10) << "Idul Fitri";
    }

    void knownDays()
    {
        QFETCH(QString, file);
        QFETCH(QDate, date);
        QFETCH(QString, summary);
        const QStringList found = summariesOn(file, date);
        if (summary.isEmpty()) {
            QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1String(", "))));
            return;
        }
        QVERIFY2(found.filter(summary).size() == 1, qPrintable(found.join(QLatin1String(", "))));
    }

    void everyFileReadsClean()
    {
        int countries = 0;
        QDirIterator it(
            shipped(QString()), { QStringLiteral("*.ics") }, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            ICalendarFile calendar;
            QString error;
            QVERIFY2(calendar.load(path, &error), qPrintable(error));
            QVERIFY2(calendar.eventCount() > 0, qPrintable(path));
            (void)calendar.occurrences(2027, 5);
            if (it.fileInfo().dir().dirName() == QLatin1String("Holidays")
                && !path.endsWith(QLatin1String(" observances.ics")))
                ++countries;
        }
        QVERIFY2(countries >= 150, qPrintable(QString::number(countries)));
    }
};

QTEST_GUILESS_MAIN(TestHolidayCalendars)
#include "tst_holidaycalendars.moc"
