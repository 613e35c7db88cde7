// Reading a large iCalendar file and expanding one month of it: 10,000
// events in about 5 MB, 200 of them recurring (daily, weekly, monthly and
// yearly rules, with exceptions), in several time zones. The whole process
// of "datewright-cli events" on such a file should take under 300 ms; set
// DW_BENCH_ICS to keep the generated file there and time the tool on it:
//
//   DW_BENCH_ICS=/tmp/big.ics build/bench/bench_icalendar
//   /usr/bin/time -v build/src/cli/datewright-cli events /tmp/big.ics --year 2026 --month 3
#include "events/icalendarfile.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr int kEvents = 10000;
constexpr int kRules = 200;

QByteArray rule(int i)
{
    switch (i % 5) {
    case 0:
        return "RRULE:FREQ=DAILY;INTERVAL=" + QByteArray::number(1 + i % 4) + "\r\n";
    case 1:
        return "RRULE:FREQ=WEEKLY;BYDAY=MO,WE,FR\r\nEXDATE:20260304T100000Z\r\n";
    case 2:
        return "RRULE:FREQ=MONTHLY;BYDAY=" + QByteArray::number(1 + i % 4) + "TU\r\n";
    case 3:
        return "RRULE:FREQ=YEARLY;BYMONTH=3;BYMONTHDAY=" + QByteArray::number(1 + i % 28) + "\r\n";
    default:
        return "RRULE:FREQ=WEEKLY;INTERVAL=2;UNTIL=20301231T000000Z;BYDAY=TH\r\n";
    }
}

QByteArray bigCalendar()
{
    QByteArray out
        = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Datewright//bench//EN\r\nX-WR-CALNAME:Big\r\n";
    const QByteArray filler = QByteArray(380, 'x');
    for (int i = 0; i < kEvents; ++i) {
        // Spread over 2020-2031, one day in twelve in any month.
        const QDate date = QDate(2020, 1, 1).addDays((i * 37) % 4380);
        const QByteArray day = date.toString(QStringLiteral("yyyyMMdd")).toLatin1();
        out += "BEGIN:VEVENT\r\nUID:event-" + QByteArray::number(i)
            + "@bench\r\nDTSTAMP:20260101T000000Z\r\n";
        if (i % 7 == 0)
            out += "DTSTART;VALUE=DATE:" + day + "\r\n";
        else if (i % 3 == 0)
            out += "DTSTART;TZID=America/New_York:" + day + "T0930" + "00\r\nDURATION:PT1H\r\n";
        else
            out += "DTSTART:" + day + "T100000Z\r\nDTEND:" + day + "T113000Z\r\n";
        if (i < kRules)
            out += rule(i);
        out += "SUMMARY:Event " + QByteArray::number(i) + "\r\nCATEGORIES:Work,Bench\r\nDESCRIPTION:" + filler
            + "\r\nEND:VEVENT\r\n";
    }
    return out + "END:VCALENDAR\r\n";
}

} // namespace

class BenchICalendar : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_folder;
    QString m_path;

private slots:
    void initTestCase()
    {
        const QByteArray bytes = bigCalendar();
        m_path = qEnvironmentVariableIsSet("DW_BENCH_ICS") ? qEnvironmentVariable("DW_BENCH_ICS")
                                                           : m_folder.filePath(QStringLiteral("big.ics"));
        QFile file(m_path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), qint64(bytes.size()));
        qInfo(
            "%s: %.1f MB, %d events, %d with rules", qPrintable(m_path), bytes.size() / 1e6, kEvents, kRules);
    }

    void readFile()
    {
        QBENCHMARK
        {
            ICalendarFile file;
            QVERIFY(file.load(m_path, nullptr));
        }
    }

    void monthOfOccurrences()
    {
        ICalendarFile file;
        QVERIFY(file.load(m_path, nullptr));
        QCOMPARE(file.eventCount(), kEvents);
        qsizetype count = 0;
        QBENCHMARK
        {
            count = file.occurrences(2026, 3).size();
        }
        qInfo("March 2026: %lld occurrences", qlonglong(count));
        QVERIFY(count > 0);
    }
};

QTEST_GUILESS_MAIN(BenchICalendar)
#include "bench_icalendar.moc"
