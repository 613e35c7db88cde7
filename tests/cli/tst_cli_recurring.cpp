// The recurring and fill commands, run as separate processes on real files.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

#include "clirunner.h"
#include "testfiles.h"

namespace {

QByteArray entry(const QByteArray &text, const QByteArray &formula)
{
    return text.leftJustified(120, ' ', true) + formula.leftJustified(10, ' ');
}

QByteArray listOf(const QList<QByteArray> &entries)
{
    QByteArray bytes;
    for (const QByteArray &line : entries)
        bytes += line + "\r\n";
    return bytes;
}

} // namespace

class TestCliRecurring : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_home;

    QString path(const QString &name) const { return m_home.filePath(name); }

    QJsonArray cells(const QString &file)
    {
        const CliRun run = runCli({ QStringLiteral("info"), file }, m_home.path());
        return QJsonDocument::fromJson(run.out).object()[QStringLiteral("cells")].toArray();
    }

    QString textOfDay(const QJsonArray &cells, int day)
    {
        for (const auto &cell : cells) {
            if (cell.toObject()[QStringLiteral("day")].toInt() == day)
                return cell.toObject()[QStringLiteral("text")].toString();
        }
        return {};
    }

private slots:
    void recurringPrintsDaysInListOrder()
    {
        writeFile(path(QStringLiteral("list.dax")),
            listOf({ entry("Easter", "#EASTER"), entry("  Palm Sunday", "#PALMSUNDAY"),
                entry("Caf\xe9 day", "@0015"), entry("Weekends", "%17"), entry("Last day", "$5 7 0"),
                entry("Never", "@0231"), "No formula" })
                + "Short line without end");
        const CliRun run
            = runCli({ "recurring", path(QStringLiteral("list.dax")), "--year", "2026", "--month", "3" },
                m_home.path());
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(QString::fromUtf8(run.out),
            QStringLiteral(
                u"29\t  Palm Sunday\n15\tCafé day\n1\tWeekends\n7\tWeekends\n8\tWeekends\n"
                u"14\tWeekends\n15\tWeekends\n21\tWeekends\n22\tWeekends\n28\tWeekends\n29\tWeekends\n"
                u"31\tLast day\n"));
    }

    void recurringRefusesBadArguments()
    {
        writeFile(path(QStringLiteral("one.dax")), listOf({ entry("x", "@0101") }));
        CliRun run
            = runCli({ "recurring", path(QStringLiteral("one.dax")), "--year", "2026" }, m_home.path());
        QVERIFY(run.exitCode != 0);
        run = runCli({ "recurring", path(QStringLiteral("one.dax")), "--year", "2026", "--month", "13" },
            m_home.path());
        QVERIFY(run.exitCode != 0);
        QVERIFY(run.err.contains("--month"));
        run = runCli({ "recurring", path(QStringLiteral("missing.dax")), "--year", "2026", "--month", "1" },
            m_home.path());
        QVERIFY(run.exitCode != 0);
        QVERIFY(run.err.startsWith("Unable to read"));
        QCOMPARE(run.err.count('\n'), 1);
    }

    void fillAppendsEveryMatchingEntryAndSaves()
    {
        const QString calendar = path(QStringLiteral("july.dwf"));
        QCOMPARE(runCli({ "new", calendar, "--month", "7", "--year", "2026" }, m_home.path()).exitCode, 0);
        writeFile(path(QStringLiteral("july.dax")),
            listOf({ entry("Independence Day", "@0704"), entry("Fireworks", "@0704"),
                entry("Christmas Day", "@1225"), entry("Book club", "$0 1 0") }));
        const QString filled = path(QStringLiteral("filled.dwf"));
        CliRun run
            = runCli({ "fill", calendar, path(QStringLiteral("july.dax")), "--out", filled }, m_home.path());
        QCOMPARE(run.exitCode, 0);
        QJsonArray result = cells(filled);
        QCOMPARE(result.size(), 2);
        QCOMPARE(textOfDay(result, 4), QStringLiteral("Independence Day\nFireworks"));
        QCOMPARE(textOfDay(result, 6), QStringLiteral("Book club"));
        QVERIFY(cells(calendar).isEmpty()); // the source stays as it was
        // Filling again appends again, this time into the file itself.
        run = runCli({ "fill", filled, path(QStringLiteral("july.dax")) }, m_home.path());
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(textOfDay(cells(filled), 4),
            QStringLiteral("Independence Day\nFireworks\nIndependence Day\nFireworks"));
    }

    void fillWithNothingForTheMonthSaysSo()
    {
        const QString calendar = path(QStringLiteral("june.dwf"));
        QCOMPARE(runCli({ "new", calendar, "--month", "6", "--year", "2026" }, m_home.path()).exitCode, 0);
        writeFile(path(QStringLiteral("xmas.dax")), listOf({ entry("Christmas Day", "@1225") }));
        const CliRun run = runCli({ "fill", calendar, path(QStringLiteral("xmas.dax")) }, m_home.path());
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, QByteArray("No predefined dates match the current month\n"));
        QVERIFY(cells(calendar).isEmpty());
    }

    void fillLeavesTheCalendarAloneOnBadInput()
    {
        const QString calendar = path(QStringLiteral("keep.dwf"));
        QCOMPARE(runCli({ "new", calendar }, m_home.path()).exitCode, 0);
        const QByteArray before = readFile(calendar);
        CliRun run = runCli({ "fill", calendar, path(QStringLiteral("nothing.dax")) }, m_home.path());
        QVERIFY(run.exitCode != 0);
        QVERIFY(run.err.startsWith("Unable to read"));
        QCOMPARE(readFile(calendar), before);
        writeFile(path(QStringLiteral("broken.dwf")), "not a calendar");
        writeFile(path(QStringLiteral("one.dax")), listOf({ entry("x", "@0001") }));
        run = runCli(
            { "fill", path(QStringLiteral("broken.dwf")), path(QStringLiteral("one.dax")) }, m_home.path());
        QVERIFY(run.exitCode != 0);
        QVERIFY(run.err.startsWith("Unable to open"));
        QCOMPARE(readFile(path(QStringLiteral("broken.dwf"))), QByteArray("not a calendar"));
        run = runCli(
            { "fill", calendar, path(QStringLiteral("one.dax")), "--out", path(QStringLiteral("x.png")) },
            m_home.path());
        QVERIFY(run.exitCode != 0);
        // A layout without day cells has nothing to fill.
        const QString minis = path(QStringLiteral("minis.dwf"));
        QCOMPARE(runCli({ "new", minis, "--layout", "8" }, m_home.path()).exitCode, 0);
        run = runCli({ "fill", minis, path(QStringLiteral("one.dax")) }, m_home.path());
        QVERIFY(run.exitCode != 0);
        QVERIFY(run.err.contains("no day cells"));
    }
};

QTEST_GUILESS_MAIN(TestCliRecurring)
#include "tst_cli_recurring.moc"
