// Recovery copies: what is written comes back byte for byte, only copies
// of programs no longer running are offered, and a copy that cannot be read
// is moved aside and reported, never deleted.
#include "document/calendardocument.h"
#include "document/recoverycopy.h"
#include "objects/vplabel.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

namespace {

QByteArray cellText(const QString &text)
{
    return QStringLiteral("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 %1\\par}").arg(text).toLatin1();
}

// A calendar with two objects, a typed cell and another month's cell.
void fillDocument(CalendarDocument &document)
{
    document.page().resetToDefaultStyle(QDate(2026, 3, 1));
    document.page().setUserTitle(QStringLiteral("Family"));
    CalendarPage &page = document.page();
    page.recordCellTable(1.0f);
    page.setCellContents(page.cellOfDay(5), cellText(QStringLiteral("Dentist")));
    document.moveToMonth(2026, 4);
    page.recordCellTable(1.0f);
    page.setCellContents(page.cellOfDay(9), cellText(QStringLiteral("Walk")));
    for (int i = 0; i < 2; ++i) {
        auto *label = new TVPLabel(&document.objects());
        label->setParent(&document.objects());
        label->setName(QStringLiteral("Component%1").arg(i)); // as placing names them
    }
}

// The PID of a process that has finished and been reaped.
qint64 finishedPid()
{
    QProcess process;
    process.start(QStringLiteral("true"), {});
    if (!process.waitForStarted())
        return 0;
    const qint64 pid = process.processId();
    process.waitForFinished();
    return pid;
}

QString writeCopy(const RecoveryCopy::Header &header, const QByteArray &calendar, const QString &name)
{
    const QString path = QDir(RecoveryCopy::folder()).filePath(name);
    QString error;
    if (!RecoveryCopy::write(path, RecoveryCopy::encode(header, calendar), &error))
        qWarning("%s", qPrintable(error));
    return path;
}

} // namespace

class TestRecoveryCopy : public QObject
{
    Q_OBJECT

    QTemporaryDir m_home;

private slots:
    void init()
    {
        qputenv("DATEWRIGHT_HOME", m_home.path().toUtf8());
        QDir(RecoveryCopy::folder()).removeRecursively();
    }

    void roundTrip_data()
    {
        QTest::addColumn<QString>("originalName");
        QTest::newRow("saved calendar") << QStringLiteral("/home/ann/Family.DWF");
        QTest::newRow("new calendar") << QString();
        QTest::newRow("odd name") << QStringLiteral("/tmp/a b%20\nc/Überweg 100%.dwf");
    }
    void roundTrip()
    {
        QFETCH(QString, originalName);
        CalendarDocument document;
        fillDocument(document);
        const QByteArray calendar = document.fileBytes();
        QVERIFY(!calendar.isEmpty());

        RecoveryCopy::Header header = RecoveryCopy::ownHeader(originalName);
        header.pid = finishedPid();
        QVERIFY(header.pid > 0);
        header.written = QDateTime(QDate(2026, 12, 8), QTime(12, 30, 5), Qt::UTC);
        const QString path = writeCopy(header, calendar, QStringLiteral("gone.dwr"));

        QStringList damaged;
        const QList<RecoveryCopy::Copy> copies = RecoveryCopy::abandoned(&damaged);
        QVERIFY2(damaged.isEmpty(), qPrintable(damaged.join('\n')));
        QCOMPARE(copies.size(), 1);
        QCOMPARE(copies[0].path, path);
        QCOMPARE(copies[0].header.originalFileName, originalName);
        QCOMPARE(copies[0].header.pid, header.pid);
        QCOMPARE(copies[0].header.written, header.written);

        CalendarDocument restored;
        QString error;
        QVERIFY2(RecoveryCopy::restore(copies[0], restored, &error), qPrintable(error));
        QCOMPARE(restored.fileBytes(), calendar);
        QCOMPARE(restored.fileName(), originalName);
        QVERIFY(restored.isModified());
        QCOMPARE(restored.otherMonths().size(), 1);

        QVERIFY(RecoveryCopy::remove(path, &error));
        QVERIFY(!QFile::exists(path));
        QVERIFY(RecoveryCopy::remove(path, &error)); // gone already: no failure
        QVERIFY(RecoveryCopy::abandoned(&damaged).isEmpty());
    }

    // Whose copy is offered: the writer's PID and its start time decide.
    void offeredOnlyWhenWriterGone_data()
    {
        QTest::addColumn<qint64>("pid");
        QTest::addColumn<qint64>("startShift"); // added to the PID's real start time
        QTest::addColumn<bool>("offered");
        const qint64 self = ::getpid();
        QTest::newRow("this process") << self << qint64(0) << false;
        QTest::newRow("PID given to a later process") << self << qint64(-1000) << true;
        QTest::newRow("finished process") << finishedPid() << qint64(0) << true;
        QTest::newRow("no PID") << qint64(0) << qint64(0) << true;
    }
    void offeredOnlyWhenWriterGone()
    {
        QFETCH(qint64, pid);
        QFETCH(qint64, startShift);
        QFETCH(bool, offered);
        CalendarDocument document;
        fillDocument(document);
        RecoveryCopy::Header header = RecoveryCopy::ownHeader(QStringLiteral("/x/Mine.DWF"));
        header.pid = pid;
        header.startTime = RecoveryCopy::processStartTime(pid) + startShift;
        const QString path = writeCopy(header, document.fileBytes(), QStringLiteral("copy.dwr"));

        QStringList damaged;
        const QList<RecoveryCopy::Copy> copies = RecoveryCopy::abandoned(&damaged);
        QVERIFY(damaged.isEmpty());
        QCOMPARE(copies.size(), offered ? 1 : 0);
        QVERIFY(QFile::exists(path)); // listing never removes a readable copy
    }

    // Another process's copy: held back while it runs, offered once it was
    // killed.
    void copyOfKilledProcessOffered()
    {
        QProcess other;
        other.start(QStringLiteral("sleep"), { QStringLiteral("60") });
        QVERIFY(other.waitForStarted());
        CalendarDocument document;
        fillDocument(document);
        RecoveryCopy::Header header = RecoveryCopy::ownHeader(QStringLiteral("/x/Mine.DWF"));
        header.pid = other.processId();
        header.startTime = RecoveryCopy::processStartTime(header.pid);
        QVERIFY(header.startTime > 0);
        writeCopy(header, document.fileBytes(), QStringLiteral("other.dwr"));
        QVERIFY(RecoveryCopy::abandoned(nullptr).isEmpty());
        other.kill();
        QVERIFY(other.waitForFinished());
        QCOMPARE(RecoveryCopy::abandoned(nullptr).size(), 1);
    }

    void ownCopyIsNeverOffered()
    {
        CalendarDocument document;
        fillDocument(document);
        QString error;
        QVERIFY(RecoveryCopy::write(RecoveryCopy::ownPath(),
            RecoveryCopy::encode(RecoveryCopy::ownHeader(QString()), document.fileBytes()), &error));
        QVERIFY(RecoveryCopy::processStartTime(::getpid()) > 0);
        QVERIFY(RecoveryCopy::abandoned(nullptr).isEmpty());
    }

    // Each way a copy can be unreadable: moved aside with its bytes, reported
    // by name, and not offered.
    void unreadableCopyMovedAside_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("reason");
        QTest::newRow("cut short") << QStringLiteral("truncate") << QStringLiteral("bytes");
        QTest::newRow("empty file") << QStringLiteral("empty") << QStringLiteral("header is incomplete");
        QTest::newRow("foreign file") << QStringLiteral("foreign") << QStringLiteral("not a recovery copy");
        QTest::newRow("bad number") << QStringLiteral("badpid") << QStringLiteral("header is damaged");
        QTest::newRow("calendar unreadable") << QStringLiteral("garbage") << QStringLiteral("cannot be read");
        QTest::newRow("objects cut off") << QStringLiteral("objects") << QStringLiteral("cut short");
    }
    void unreadableCopyMovedAside()
    {
        QFETCH(QString, damage);
        QFETCH(QString, reason);
        CalendarDocument document;
        fillDocument(document);
        RecoveryCopy::Header header = RecoveryCopy::ownHeader(QStringLiteral("/x/Mine.DWF"));
        header.pid = 0;
        QByteArray calendar = document.fileBytes();
        QByteArray bytes = RecoveryCopy::encode(header, calendar);
        if (damage == QLatin1String("truncate"))
            bytes.chop(7);
        else if (damage == QLatin1String("empty"))
            bytes.clear();
        else if (damage == QLatin1String("foreign"))
            bytes.replace("Datewright recovery 1", "Something else 1");
        else if (damage == QLatin1String("badpid"))
            bytes.replace("Pid: 0", "Pid: x");
        else if (damage == QLatin1String("garbage"))
            bytes = RecoveryCopy::encode(header, QByteArray(calendar.size(), 'z'));
        else // the object list ends inside its second object, the header's size agreeing
            bytes = RecoveryCopy::encode(header, calendar.left(calendar.lastIndexOf("TPF0") + 12));
        const QString path = QDir(RecoveryCopy::folder()).filePath(QStringLiteral("bad.dwr"));
        QString error;
        QVERIFY(RecoveryCopy::write(path, bytes, &error));

        QStringList damaged;
        QVERIFY(RecoveryCopy::abandoned(&damaged).isEmpty());
        QCOMPARE(damaged.size(), 1);
        QVERIFY2(damaged[0].contains(reason), qPrintable(damaged[0]));
        QVERIFY(damaged[0].contains(path + QStringLiteral(".damaged")));
        QVERIFY(!QFile::exists(path));
        QFile aside(path + QStringLiteral(".damaged"));
        QVERIFY(aside.open(QIODevice::ReadOnly));
        QCOMPARE(aside.readAll(), bytes);
        // Once aside it is not listed again.
        damaged.clear();
        QVERIFY(RecoveryCopy::abandoned(&damaged).isEmpty());
        QVERIFY(damaged.isEmpty());
    }

    // A copy that breaks between the offer and the restore leaves the shown
    // calendar as it was.
    void restoreOfBrokenCopyKeepsDocument()
    {
        CalendarDocument document;
        fillDocument(document);
        RecoveryCopy::Header header = RecoveryCopy::ownHeader(QStringLiteral("/x/Mine.DWF"));
        header.pid = 0;
        const QString path = writeCopy(header, document.fileBytes(), QStringLiteral("late.dwr"));
        const QList<RecoveryCopy::Copy> copies = RecoveryCopy::abandoned(nullptr);
        QCOMPARE(copies.size(), 1);
        QFile file(path);
        QVERIFY(file.resize(file.size() - 3));

        CalendarDocument shown;
        shown.page().setUserTitle(QStringLiteral("Shown"));
        shown.setFileName(QStringLiteral("/x/Shown.DWF"));
        const QByteArray before = shown.fileBytes();
        QString error;
        QVERIFY(!RecoveryCopy::restore(copies[0], shown, &error));
        QVERIFY2(error.contains(QStringLiteral(".damaged")), qPrintable(error));
        QCOMPARE(shown.fileBytes(), before);
        QCOMPARE(shown.fileName(), QStringLiteral("/x/Shown.DWF"));
        QVERIFY(QFile::exists(path + QStringLiteral(".damaged")));
    }

    // The folder cannot be made: a message with the file's name, nothing written.
    void writeFailureSaysWhy()
    {
        QDir(RecoveryCopy::folder()).removeRecursively();
        QFile blocker(RecoveryCopy::folder());
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QString error;
        QVERIFY(!RecoveryCopy::write(RecoveryCopy::ownPath(), "x", &error));
        QVERIFY2(error.startsWith(QStringLiteral("Unable to write the recovery copy ")), qPrintable(error));
        QVERIFY(error.contains(RecoveryCopy::ownPath()));
        QVERIFY(QFile::remove(RecoveryCopy::folder()));
    }
};

QTEST_MAIN(TestRecoveryCopy)
#include "tst_recoverycopy.moc"
