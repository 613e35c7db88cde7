// Every file the command-line tool writes, when it cannot be written, and
// every file it reads, when it is no file to read: one line naming the file
// and the system's reason, a failing exit status, and nothing of what was
// there before is lost.
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

#include "clirunner.h"
#include "fulldisk.h"
#include "iconlibraries.h"
#include "testfiles.h"

class TestCliSaves : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_home;
    QTemporaryDir m_dir;

    QString path(const QString &name) const { return m_dir.filePath(name); }

    static void checkOneLine(const CliRun &run, const QString &expected)
    {
        QVERIFY(run.exitCode > 0);
        QCOMPARE(QString::fromUtf8(run.err), expected + QLatin1Char('\n'));
    }

private slots:
    void initTestCase()
    {
        QCOMPARE(
            runCli({ "new", path("cal.dwf"), "--month", "7", "--year", "2026" }, m_home.path()).exitCode, 0);
        writeFile(path("list.dax"), QByteArray("Rent").leftJustified(120, ' ') + "@0001     \r\n");
        QVERIFY(writeIconLibrary(path("icons.icl"), 2));
    }

    void failedSavesSayWhyAndKeepTheOldFile_data()
    {
        QTest::addColumn<QStringList>("arguments"); // OUT stands for the file written
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("place");
        QTest::addColumn<QString>("reason");
        const QList<std::pair<QStringList, QString>> commands {
            { { "new", "OUT.dwf" }, "Cannot create file" },
            { { "fill", "CAL", "LIST", "--out", "OUT.dwf" }, "Cannot create file" },
            { { "render", "OUT.png" }, "Unable to write" },
            { { "render", "OUT.bmp" }, "Unable to write" },
            { { "render", "OUT.jpg" }, "Unable to write" },
            { { "render", "CAL", "OUT.pdf" }, "Unable to write" },
            { { "icons", "ICONS", "--extract", "1", "OUT.png" }, "Unable to write" },
        };
        const QList<std::pair<QString, QString>> places {
            { "file", "Not a directory" },
            { "folder", "Is a directory" },
            { "device", "Is a device, not a file" },
            { "full", "No space left on device" },
        };
        for (const auto &[arguments, message] : commands) {
            for (const auto &[place, reason] : places)
                QTest::addRow("%s %s, %s", qPrintable(arguments.first()), qPrintable(arguments.last()),
                    qPrintable(place))
                    << arguments << message << place << reason;
        }
        QTest::newRow("fill in place, full")
            << QStringList { "fill", "OUT.dwf", "LIST" } << "Cannot create file"
            << "full"
            << "No space left on device";
    }

    void failedSavesSayWhyAndKeepTheOldFile()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        QFETCH(QString, place);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        FullDisk disk(256);
        if (place == QLatin1String("full") && !disk.mounted())
            QSKIP("No permission to mount a small file system here");
        const QString folder = place == QLatin1String("full") ? disk.path() : dir.path();
        QString target;
        QString old;
        for (QString &argument : arguments) {
            if (argument == QLatin1String("CAL")) {
                argument = path("cal.dwf");
            } else if (argument == QLatin1String("LIST")) {
                argument = path("list.dax");
            } else if (argument == QLatin1String("ICONS")) {
                argument = path("icons.icl");
            } else if (argument.startsWith(QLatin1String("OUT"))) {
                old = QDir(folder).filePath(QStringLiteral("old") + argument.mid(3));
                QVERIFY(QFile::copy(path("cal.dwf"), old)); // a calendar, for fill in place
                target = place == QLatin1String("file") ? old + QStringLiteral("/x") + argument.mid(3) : old;
                argument = target;
            }
        }
        const QByteArray before = readFile(old);
        if (place == QLatin1String("folder"))
            QVERIFY(QFile::remove(old) && QDir().mkpath(old + QStringLiteral("/inside")));
        if (place == QLatin1String("device"))
            QVERIFY(QFile::remove(old) && QFile::link(QStringLiteral("/dev/full"), old));
        if (place == QLatin1String("full"))
            disk.fill();
        const QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::System);

        const CliRun run = runCli(arguments, m_home.path());
        checkOneLine(run, QStringLiteral("%1 %2: %3").arg(message, target, reason));
        QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::System), entries);
        if (place == QLatin1String("file") || place == QLatin1String("full"))
            QCOMPARE(readFile(old), before);
        struct stat info;
        QVERIFY(::stat("/dev/full", &info) == 0 && S_ISCHR(info.st_mode));
    }

    // The results printed go to a full device: the tool says so and fails,
    // where the stream's flush at exit used to drop them unreported.
    void printedResultsThatCannotBeWrittenFail_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("info") << QStringList { "info", path("cal.dwf") };
        QTest::newRow("recurring") << QStringList { "recurring", path("list.dax"), "--year", "2026",
            "--month", "7" };
    }

    void printedResultsThatCannotBeWrittenFail()
    {
        QFETCH(QStringList, arguments);
        QVERIFY(!runCli(arguments, m_home.path()).out.isEmpty());
        const CliRun run = runCli(arguments, m_home.path(), QStringLiteral("/dev/full"));
        checkOneLine(run, QStringLiteral("Unable to write the output: No space left on device"));
    }

    void noFileToReadIsRefusedAtOnce_data()
    {
        QTest::addColumn<QStringList>("arguments"); // IN stands for the file read
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("message");
        const QString device = QStringLiteral("/dev/zero");
        for (const QString &command : { QStringLiteral("recurring"), QStringLiteral("fill") }) {
            const QStringList arguments = command == QLatin1String("fill")
                ? QStringList { "fill", "CAL", "IN" }
                : QStringList { "recurring", "IN", "--year", "2026", "--month", "7" };
            QTest::addRow("%s endless device", qPrintable(command))
                << arguments << device << "Unable to read /dev/zero: Is a device, not a file";
            QTest::addRow("%s pipe", qPrintable(command)) << arguments << "pipe"
                                                          << "Unable to read PATH: Is a pipe, not a file";
            QTest::addRow("%s folder", qPrintable(command)) << arguments << "folder"
                                                            << "Unable to read PATH: Is a directory";
            QTest::addRow("%s too large", qPrintable(command))
                << arguments << "large"
                << "Unable to read PATH: File too large (over 16 MB)";
        }
        QTest::newRow("info of a pipe") << QStringList { "info", "IN" } << "pipe.dwf"
                                        << "Unable to open PATH: Is a pipe, not a file";
        QTest::newRow("calendar that is a device") << QStringList { "render", "IN", "OUT.png" } << "zero.dwf"
                                                   << "Unable to open PATH: Is a device, not a file";
        QTest::newRow("style sheet that is a folder")
            << QStringList { "new", "OUT.dwf", "--style", "IN" } << "folder.dws"
            << "Unable to open PATH: Is a directory";
    }

    void noFileToReadIsRefusedAtOnce()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, source);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString in = source.startsWith(QLatin1Char('/')) ? source : dir.filePath(source);
        if (source.startsWith(QLatin1String("pipe")))
            QVERIFY(::mkfifo(QFile::encodeName(in).constData(), 0600) == 0);
        if (source.startsWith(QLatin1String("folder")))
            QVERIFY(QDir().mkpath(in));
        if (source == QLatin1String("zero.dwf"))
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), in));
        if (source == QLatin1String("large"))
            writeFile(in, QByteArray((16 << 20) + 1, '\n'));
        const QString calendar = dir.filePath(QStringLiteral("cal.dwf"));
        QVERIFY(QFile::copy(path("cal.dwf"), calendar));
        const QByteArray before = readFile(calendar);
        for (QString &argument : arguments) {
            if (argument == QLatin1String("IN"))
                argument = in;
            else if (argument == QLatin1String("CAL"))
                argument = calendar;
            else if (argument.startsWith(QLatin1String("OUT")))
                argument = dir.filePath(argument);
        }
        checkOneLine(runCli(arguments, m_home.path()), QString(message).replace(QLatin1String("PATH"), in));
        QCOMPARE(readFile(calendar), before);
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("OUT.png"))));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("OUT.dwf"))));
    }
};

QTEST_GUILESS_MAIN(TestCliSaves)
#include "tst_cli_saves.moc"
