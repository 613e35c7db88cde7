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
