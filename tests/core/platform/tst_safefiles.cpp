// The one way user files are written and read. A failed write, wherever it
// fails, leaves the old file as it was and says why in the system's words;
// what is not a file, or is larger than allowed, is refused before reading.
// Every failure here is one root cannot get around.
#include "platform/safefilereader.h"
#include "platform/safefilewriter.h"

#include "fulldisk.h"
#include "testfiles.h"

#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

namespace {

// Takes `room` bytes, then fails with the given reason (none when empty).
class FailingDevice : public QIODevice
{
public:
    FailingDevice(qint64 room, QString reason)
        : m_room(room)
        , m_reason(std::move(reason))
    {
        open(QIODevice::WriteOnly);
    }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *, qint64 size) override
    {
        if (m_room == 0) {
            setErrorString(m_reason);
            return -1;
        }
        const qint64 taken = std::min(size, m_room);
        m_room -= taken;
        return taken;
    }

private:
    qint64 m_room;
    QString m_reason;
};

bool isCharacterDevice(const char *path)
{
    struct stat info;
    return ::stat(path, &info) == 0 && S_ISCHR(info.st_mode);
}

} // namespace

class TestSafeFiles : public QObject
{
    Q_OBJECT

private slots:
    void writeReplacesTheFileWhole()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("cal.dwf"));
        writeFile(path, "old contents");
        QString reason;
        QVERIFY2(SafeFileWriter::write(path, "new", &reason), qPrintable(reason));
        QCOMPARE(readFile(path), QByteArray("new"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList { "cal.dwf" });
    }

    void writeRefusesOrFailsAndKeepsWhatWasThere_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("reason");
        QTest::newRow("under a regular file") << "old.dwf/cal.dwf"
                                              << "Not a directory";
        QTest::newRow("folder in the way") << "folder"
                                           << "Is a directory";
        QTest::newRow("missing folder") << "none/cal.dwf"
                                        << "No such file or directory";
        QTest::newRow("pipe") << "pipe"
                              << "Is a pipe, not a file";
        QTest::newRow("link to a device") << "full.png"
                                          << "Is a device, not a file";
        QTest::newRow("device") << "/dev/full"
                                << "Is a device, not a file";
    }

    void writeRefusesOrFailsAndKeepsWhatWasThere()
    {
        QFETCH(QString, target);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        writeFile(dir.filePath(QStringLiteral("old.dwf")), "old contents");
        writeFile(dir.filePath(QStringLiteral("folder/inside")), "inside");
        QVERIFY(::mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("pipe"))).constData(), 0600) == 0);
        QVERIFY(QFile::link(QStringLiteral("/dev/full"), dir.filePath(QStringLiteral("full.png"))));
        const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::System);
        QString got;
        QVERIFY(!SafeFileWriter::write(QDir(dir.path()).filePath(target), "new", &got));
        QCOMPARE(got, reason);
        QCOMPARE(readFile(dir.filePath(QStringLiteral("old.dwf"))), QByteArray("old contents"));
        QCOMPARE(readFile(dir.filePath(QStringLiteral("folder/inside"))), QByteArray("inside"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::System), before);
        // The device keeps its node and gets no temporary file beside it.
        QVERIFY(isCharacterDevice("/dev/full"));
        QCOMPARE(QDir(QStringLiteral("/dev"))
                     .entryList({ QStringLiteral("full?*") }, QDir::AllEntries | QDir::System),
            QStringList());
    }

    void everyStepOfAWriteIsChecked_data()
    {
        QTest::addColumn<QString>("device");
        QTest::addColumn<QString>("reason");
        // Qt keeps small writes in its buffer: only the flush meets the full device.
        QTest::newRow("full device behind Qt's buffer") << "/dev/full"
                                                        << "No space left on device";
        QTest::newRow("device with a reason") << "refuses"
                                              << "Injected failure";
        QTest::newRow("device without a reason") << "silent"
                                                 << "Input/output error";
        QTest::newRow("short write") << "short"
                                     << "Only 3 of 10 bytes were written";
    }

    void everyStepOfAWriteIsChecked()
    {
        QFETCH(QString, device);
        QFETCH(QString, reason);
        std::unique_ptr<QIODevice> out;
        if (device.startsWith(QLatin1Char('/'))) {
            out = std::make_unique<QFile>(device);
            QVERIFY(out->open(QIODevice::WriteOnly));
        } else {
            out = std::make_unique<FailingDevice>(device == QLatin1String("short") ? 3 : 0,
                device == QLatin1String("refuses") ? QStringLiteral("Injected failure") : QString());
        }
        QString got;
        QVERIFY(!SafeFileWriter::writeAll(*out, "0123456789", &got));
        QCOMPARE(got, reason);
    }

    void aDiskThatTakesNothingKeepsTheOldFile_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("reason");
        QTest::newRow("full, fits Qt's buffer") << "full"
                                                << "cal.dwf" << 10 << "No space left on device";
        QTest::newRow("full, larger than the disk") << "full"
                                                    << "cal.dwf" << (1 << 20) << "No space left on device";
        QTest::newRow("read-only, the old file") << "read-only"
                                                 << "cal.dwf" << 10 << "Read-only file system";
        QTest::newRow("read-only, a new file") << "read-only"
                                               << "new.dwf" << 10 << "Read-only file system";
    }

    void aDiskThatTakesNothingKeepsTheOldFile()
    {
        QFETCH(QString, state);
        QFETCH(QString, name);
        QFETCH(int, size);
        QFETCH(QString, reason);
        FullDisk disk(64);
        if (!disk.mounted())
            QSKIP("No permission to mount a small file system here");
        const QString old = disk.path(QStringLiteral("cal.dwf"));
        writeFile(old, "old contents");
        if (state == QLatin1String("full"))
            disk.fill();
        else
            QVERIFY(disk.makeReadOnly());
        QString got;
        QVERIFY(!SafeFileWriter::write(disk.path(name), QByteArray(size, 'n'), &got));
        QCOMPARE(got, reason);
        QCOMPARE(readFile(old), QByteArray("old contents"));
        QCOMPARE(disk.entries(), QStringList { "cal.dwf" });
    }

    void readRefusesWhatIsNoFileOrTooLarge_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<qint64>("limit");
        QTest::addColumn<QString>("reason");
        QTest::newRow("endless device") << "/dev/zero" << qint64(1 << 20) << "Is a device, not a file";
        QTest::newRow("pipe") << "pipe" << qint64(1 << 20) << "Is a pipe, not a file";
        QTest::newRow("folder") << "folder" << qint64(1 << 20) << "Is a directory";
        QTest::newRow("missing") << "none" << qint64(1 << 20) << "No such file or directory";
        QTest::newRow("a byte over") << "file" << qint64(2047) << "File too large (over 1 KB)";
        QTest::newRow("size unknown, over")
            << "/proc/self/maps" << qint64(1024) << "File too large (over 1 KB)";
        QTest::newRow("at the limit") << "file" << qint64(2048) << QString();
        QTest::newRow("size unknown, under") << "/proc/self/maps" << qint64(16 << 20) << QString();
    }

    void readRefusesWhatIsNoFileOrTooLarge()
    {
        QFETCH(QString, source);
        QFETCH(qint64, limit);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        writeFile(dir.filePath(QStringLiteral("file")), QByteArray(2048, 'x'));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
        QVERIFY(::mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("pipe"))).constData(), 0600) == 0);
        QByteArray bytes("kept");
        QString got;
        const bool read = SafeFileReader::read(QDir(dir.path()).filePath(source), limit, &bytes, &got);
        QCOMPARE(read, reason.isEmpty());
        QCOMPARE(got, reason);
        if (!read)
            QCOMPARE(bytes, QByteArray("kept"));
        else if (source == QLatin1String("file"))
            QCOMPARE(bytes, QByteArray(2048, 'x'));
        else
            QVERIFY(bytes.size() > 1024 && bytes.endsWith('\n'));
    }
};

QTEST_GUILESS_MAIN(TestSafeFiles)
#include "tst_safefiles.moc"
