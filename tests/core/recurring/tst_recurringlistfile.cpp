// The recurring-date list and the starting list, as real files on disk.
#include <QTemporaryDir>
#include <QtTest>

#include "recurring/recurringformula.h"
#include "recurring/recurringlistfile.h"
#include "testfiles.h"

using namespace RecurringListFile;
using RecurringFormula::PadRight;

class TestRecurringListFile : public QObject
{
    Q_OBJECT

private slots:
    void splitsOnEveryLineEnd_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("empty") << QByteArray() << QStringList {};
        QTest::newRow("crlf") << QByteArray("a\r\nb\r\n") << QStringList { "a", "b" };
        QTest::newRow("lf") << QByteArray("a\nb\n") << QStringList { "a", "b" };
        QTest::newRow("cr") << QByteArray("a\rb\r") << QStringList { "a", "b" };
        QTest::newRow("mixed") << QByteArray("a\r\nb\nc\rd") << QStringList { "a", "b", "c", "d" };
        QTest::newRow("last line without end") << QByteArray("a\r\nb") << QStringList { "a", "b" };
        QTest::newRow("empty lines") << QByteArray("\r\n\r\na\n\n") << QStringList { "", "", "a", "" };
        QTest::newRow("lf cr is two ends") << QByteArray("a\n\rb") << QStringList { "a", "", "b" };
        QTest::newRow("code page") << QByteArray("Caf\xe9 \x80") << QStringList { QStringLiteral(u"Café €") };
    }
    void splitsOnEveryLineEnd()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        QCOMPARE(splitLines(bytes), lines);
    }

    void writesCp1252WithCrLfAndReadsItBack()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("DWRECUR.DAX"));
        const QString entry = RecurringFormula::BuildEntry(QStringLiteral(u"Fête"), QStringLiteral("@0714"));
        const QString bare = PadRight(QStringLiteral("Only text"), 120);
        QString error;
        QVERIFY(write(path, { entry, bare, QString() }, &error));
        const QByteArray bytes = readFile(path);
        QCOMPARE(bytes.size(), 130 + 2 + 120 + 2 + 2);
        QVERIFY(bytes.startsWith("F\xeate "));
        QCOMPARE(bytes.mid(130, 2), QByteArray("\r\n"));
        QStringList entries;
        QVERIFY(read(path, &entries, &error));
        QCOMPARE(entries, (QStringList { entry, bare, QString() }));
    }

    void failedWritesKeepTheOldFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("list/DWRECUR.DAX"));
        QString error;
        QVERIFY(!write(path, { QStringLiteral("x") }, &error)); // the folder does not exist
        QVERIFY(error.contains(QStringLiteral("DWRECUR.DAX")));
        // A folder in the way of the file: nothing is replaced.
        const QString blocked = dir.filePath(QStringLiteral("DWRECUR.DAX"));
        QDir().mkpath(blocked + QStringLiteral("/inside"));
        QVERIFY(!write(blocked, { QStringLiteral("new") }, &error));
        QVERIFY(QFileInfo(blocked + QStringLiteral("/inside")).isDir());
    }

    void missingFileIsAnError()
    {
        QTemporaryDir dir;
        QStringList entries { QStringLiteral("kept") };
        QString error;
        QVERIFY(!read(dir.filePath(QStringLiteral("DWRECUR.DAX")), &entries, &error));
        QVERIFY(error.startsWith(QStringLiteral("Unable to read")));
        QCOMPARE(entries, QStringList { QStringLiteral("kept") });
    }

    void findsTheListWhateverItsCase()
    {
        QTemporaryDir dir;
        QCOMPARE(listPath(dir.path()), dir.filePath(QStringLiteral("DWRECUR.DAX")));
        writeFile(dir.filePath(QStringLiteral("dwrecur.dax")), "a\r\n");
        QCOMPARE(listPath(dir.path()), dir.filePath(QStringLiteral("dwrecur.dax")));
    }

    void convertsAStartingLine()
    {
        const QString line = convertStartingLine(QStringLiteral("0704Independence Day"));
        QCOMPARE(line, PadRight(QStringLiteral("Independence Day"), 120) + QStringLiteral("@0704      "));
        QCOMPARE(line.size(), 131);
        QCOMPARE(convertStartingLine(QStringLiteral("07")),
            QString(120, QLatin1Char(' ')) + QStringLiteral("@07        "));
        QCOMPARE(
            convertStartingLine(QString()), QString(120, QLatin1Char(' ')) + QStringLiteral("@          "));
        // Text past character 154 is dropped, then the rest cut to 120.
        const QString longLine = QStringLiteral("1225") + QString(200, QLatin1Char('x'));
        QCOMPARE(
            convertStartingLine(longLine), QString(120, QLatin1Char('x')) + QStringLiteral("@1225      "));
    }

    void startingListReplacesTheListAndIsDeleted()
    {
        QTemporaryDir dir;
        writeFile(dir.filePath(QStringLiteral("DWRECUR.DAX")), "Users own entry\r\n");
        writeFile(dir.filePath(QStringLiteral("DWRECUR.DAT")), "0704Independence Day\r\n1225Christmas\n0101");
        QString error;
        QVERIFY2(convertStartingList(dir.path(), &error), qPrintable(error));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("DWRECUR.DAT"))));
        QStringList entries;
        QVERIFY(read(dir.filePath(QStringLiteral("DWRECUR.DAX")), &entries, &error));
        QCOMPARE(entries.size(), 3);
        QCOMPARE(
            entries[0], PadRight(QStringLiteral("Independence Day"), 120) + QStringLiteral("@0704      "));
        QCOMPARE(entries[1].mid(120), QStringLiteral("@1225      "));
        QCOMPARE(entries[2], QString(120, QLatin1Char(' ')) + QStringLiteral("@0101      "));
        // Converting again finds no starting list and changes nothing.
        const QByteArray before = readFile(dir.filePath(QStringLiteral("DWRECUR.DAX")));
        QVERIFY(convertStartingList(dir.path(), &error));
        QCOMPARE(readFile(dir.filePath(QStringLiteral("DWRECUR.DAX"))), before);
    }

    void emptyStartingListGivesAnEmptyList()
    {
        QTemporaryDir dir;
        writeFile(dir.filePath(QStringLiteral("dwrecur.dat")), QByteArray());
        QString error;
        QVERIFY(convertStartingList(dir.path(), &error));
        QVERIFY(QFile::exists(dir.filePath(QStringLiteral("DWRECUR.DAX"))));
        QCOMPARE(readFile(dir.filePath(QStringLiteral("DWRECUR.DAX"))), QByteArray());
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("dwrecur.dat"))));
    }

    void startingListStaysWhenTheListCannotBeWritten()
    {
        QTemporaryDir dir;
        writeFile(dir.filePath(QStringLiteral("DWRECUR.DAT")), "0704Independence Day\r\n");
        QDir().mkpath(dir.filePath(QStringLiteral("DWRECUR.DAX"))); // a folder where the list should go
        QString error;
        QVERIFY(!convertStartingList(dir.path(), &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(QFile::exists(dir.filePath(QStringLiteral("DWRECUR.DAT"))));
    }

    void readsA120CharacterLine()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("DWRECUR.DAX"));
        writeFile(path, PadRight(QStringLiteral("No formula"), 120).toLatin1() + "\r\nshort");
        QStringList entries;
        QString error;
        QVERIFY(read(path, &entries, &error));
        QCOMPARE(
            entries, (QStringList { PadRight(QStringLiteral("No formula"), 120), QStringLiteral("short") }));
    }
};

QTEST_GUILESS_MAIN(TestRecurringListFile)
#include "tst_recurringlistfile.moc"
