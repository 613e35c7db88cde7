// The events command and filling from an iCalendar file, run as separate
// processes on real files.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

#include "clirunner.h"
#include "testfiles.h"

namespace {

const QByteArray kCalendar
    = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//t//t//EN\r\n"
      "BEGIN:VEVENT\r\nUID:a\r\nDTSTART;TZID=America/New_York:20260305T093000\r\n"
      "DTEND;TZID=America/New_York:20260305T100000\r\nSUMMARY:Dentist\r\nEND:VEVENT\r\n"
      "BEGIN:VEVENT\r\nUID:b\r\nDTSTART;VALUE=DATE:20260305\r\nSUMMARY:Holiday\r\nEND:VEVENT\r\n"
      "BEGIN:VEVENT\r\nUID:c\r\nDTSTART:20260330T230000Z\r\nDTEND:20260401T010000Z\r\n"
      "SUMMARY:Long night\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";

const QByteArray kHeader = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//t//t//EN\r\n";

// One meeting in a zone that repeats its standard time by the rule, from the start.
QByteArray zoneRepeating(const QByteArray &rule, const QByteArray &start)
{
    return kHeader + "BEGIN:VTIMEZONE\r\nTZID:Z\r\nBEGIN:STANDARD\r\nDTSTART:" + start
        + "\r\nTZOFFSETFROM:+0100\r\nTZOFFSETTO:+0100\r\nRRULE:" + rule
        + "\r\nEND:STANDARD\r\nEND:VTIMEZONE\r\nBEGIN:VEVENT\r\nUID:m\r\n"
          "DTSTART;TZID=Z:20260305T100000\r\nSUMMARY:Meeting\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";
}

} // namespace

class TestCliEvents : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_home;

    QString path(const QString &name) const { return m_home.filePath(name); }

private slots:
    void eventsPrintsTheMonthAsJson()
    {
        writeFile(path(QStringLiteral("a.ics")), kCalendar);
        const QByteArray old = qgetenv("TZ");
        qputenv("TZ", "Europe/Berlin");
        const CliRun run = runCli(
            { "events", path(QStringLiteral("a.ics")), "--year", "2026", "--month", "3" }, m_home.path());
        qputenv("TZ", old);
        QCOMPARE(run.exitCode, 0);
        const QJsonArray events = QJsonDocument::fromJson(run.out).array();
        QStringList lines;
        for (const auto &value : events) {
            const QJsonObject event = value.toObject();
            lines << QStringLiteral("%1 %2 %3 %4")
                         .arg(event["date"].toString(),
                             event["start"].isNull() ? "null" : event["start"].toString(),
                             event["end"].isNull() ? "null" : event["end"].toString(),
                             event["summary"].toString());
        }
        QCOMPARE(lines,
            QStringList({ "2026-03-05 null null Holiday", "2026-03-05 15:30 16:00 Dentist",
                "2026-03-31 01:00 null Long night" }));
    }

    void fillRecognisesTheFileByContent()
    {
        const QString calendar = path(QStringLiteral("march.dwf"));
        QCOMPARE(runCli({ "new", calendar, "--month", "3", "--year", "2026" }, m_home.path()).exitCode, 0);
        writeFile(path(QStringLiteral("export.txt")), kCalendar);
        const QString filled = path(QStringLiteral("filled.dwf"));
        QCOMPARE(
            runCli({ "fill", calendar, path(QStringLiteral("export.txt")), "--out", filled }, m_home.path())
                .exitCode,
            0);
        const CliRun info = runCli({ QStringLiteral("info"), filled }, m_home.path());
        QStringList texts;
        for (const auto &cell : QJsonDocument::fromJson(info.out).object()["cells"].toArray())
            texts << QStringLiteral("%1:%2")
                         .arg(cell.toObject()["day"].toInt())
                         .arg(cell.toObject()["text"].toString());
        // TZ=UTC in the tests; C locale times.
        QCOMPARE(texts, QStringList({ "5:Holiday\n14:30 Dentist", "30:23:00 Long night", "31:Long night" }));
    }

    // Each ends in good time (a hang or a crash fails the run), with the
    // events read or one line saying why not.
    void hostileFilesEndQuickly_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("message"); // the whole standard error, after the file's name
        QTest::newRow("zone repeating every second")
            << zoneRepeating("FREQ=SECONDLY", "19700101T000000")
            << QByteArray(
                   ": time zone \"Z\": its STANDARD rule FREQ=SECONDLY changes the time more often than a "
                   "real zone does; only its first change is used\n");
        QTest::newRow("zone repeating every hour since 1900")
            << zoneRepeating("FREQ=HOURLY", "19000101T000000")
            << QByteArray(
                   ": time zone \"Z\": its STANDARD rule FREQ=HOURLY changes the time more often than a "
                   "real zone does; only its first change is used\n");
        QTest::newRow("110000 events nested and closed")
            << kHeader + QByteArray("BEGIN:VEVENT\r\n").repeated(110000)
                + QByteArray("END:VEVENT\r\n").repeated(110000) + "END:VCALENDAR\r\n"
            << QByteArray(": line 35: BEGIN:VEVENT is nested 33 deep; calendars nest at most 32 deep\n");
        QTest::newRow("a million events nested, never closed")
            << kHeader + QByteArray("BEGIN:VEVENT\r\n").repeated(1000000)
            << QByteArray(": line 35: BEGIN:VEVENT is nested 33 deep; calendars nest at most 32 deep\n");
    }

    void hostileFilesEndQuickly()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, message);
        const QString list = path(QStringLiteral("hostile.ics"));
        writeFile(list, bytes);
        const bool refused = !message.startsWith(": time zone");
        const QByteArray error = (refused ? "Unable to read " : "") + list.toUtf8() + message;
        CliRun run = runCli({ "events", list, "--year", "2026", "--month", "3" }, m_home.path());
        QCOMPARE(run.exitCode, refused ? 1 : 0);
        QCOMPARE(run.err, error);
        if (!refused) {
            const QJsonArray events = QJsonDocument::fromJson(run.out).array();
            QCOMPARE(events.size(), 1);
            QCOMPARE(events.first()["start"].toString(), QStringLiteral("09:00"));
        }
        const QString calendar = path(QStringLiteral("hostile.dwf"));
        QCOMPARE(runCli({ "new", calendar, "--month", "3", "--year", "2026" }, m_home.path()).exitCode, 0);
        const QByteArray before = readFile(calendar);
        run = runCli({ "fill", calendar, list }, m_home.path());
        QCOMPARE(run.exitCode, refused ? 1 : 0);
        QCOMPARE(run.err, error);
        QCOMPARE(readFile(calendar) == before, refused);
    }

    void leftOutEventsAreReported()
    {
        // One event every second has more than it may; the other, counted
        // from 1970, cannot be followed that far.
        const QString list = path(QStringLiteral("ticks.ics"));
        writeFile(list,
            kHeader
                + "BEGIN:VEVENT\r\nUID:s\r\nDTSTART:20260331T000000Z\r\nRRULE:FREQ=SECONDLY\r\n"
                  "SUMMARY:Tick\r\nEND:VEVENT\r\nBEGIN:VEVENT\r\nUID:m\r\nDTSTART:19700101T000000Z\r\n"
                  "RRULE:FREQ=MINUTELY;COUNT=2000000000\r\nSUMMARY:Tock\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
        const QByteArray message = list.toUtf8()
            + ": not every occurrence in March 2026 was used: 1 event has more than 5000 occurrences in the "
              "month "
              "(only the first 5000 of each are used); 1 event repeats too often to be followed to the end "
              "of the "
              "month.\n";
        CliRun run = runCli({ "events", list, "--year", "2026", "--month", "3" }, m_home.path());
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.err, message);
        QCOMPARE(QJsonDocument::fromJson(run.out).array().size(), 5000);
        const QString calendar = path(QStringLiteral("ticks.dwf"));
        QCOMPARE(runCli({ "new", calendar, "--month", "3", "--year", "2026" }, m_home.path()).exitCode, 0);
        run = runCli({ "fill", calendar, list }, m_home.path());
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.err, message);
    }

    void badCalendarChangesNothing()
    {
        const QString calendar = path(QStringLiteral("keep.dwf"));
        QCOMPARE(runCli({ "new", calendar, "--month", "3", "--year", "2026" }, m_home.path()).exitCode, 0);
        const QByteArray before = readFile(calendar);
        writeFile(path(QStringLiteral("broken.ics")), kCalendar.left(kCalendar.size() / 2));
        CliRun run = runCli({ "fill", calendar, path(QStringLiteral("broken.ics")) }, m_home.path());
        QVERIFY(run.exitCode != 0);
        QVERIFY2(
            run.err.startsWith("Unable to read " + path(QStringLiteral("broken.ics")).toUtf8() + ": line "),
            run.err.constData());
        QCOMPARE(run.err.count('\n'), 1);
        QCOMPARE(readFile(calendar), before);
        run = runCli({ "events", path(QStringLiteral("broken.ics")), "--year", "2026", "--month", "3" },
            m_home.path());
        QVERIFY(run.exitCode != 0);
        QCOMPARE(run.out, QByteArray());
    }
};

QTEST_GUILESS_MAIN(TestCliEvents)
#include "tst_cli_events.moc"
