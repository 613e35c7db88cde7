// A second start hands its files to the running copy instead of opening a window.
#include "app/singleinstance.h"

#include <QSignalSpy>
#include <QtTest>

class TestSingleInstance : public QObject
{
    Q_OBJECT

private slots:
    void aSecondCopyPassesItsFilesToTheFirst()
    {
        const QString key = QStringLiteral("datewright-test-%1").arg(QCoreApplication::applicationPid());
        SingleInstance first(key);
        QVERIFY(first.start({}));
        QSignalSpy requests(&first, &SingleInstance::activationRequested);

        SingleInstance second(key);
        QVERIFY(!second.start({ QStringLiteral("/home/me/Dec2026.DWF") }));
        QVERIFY(requests.wait(5000));
        QCOMPARE(
            requests.first().first().toStringList(), QStringList({ QStringLiteral("/home/me/Dec2026.DWF") }));

        SingleInstance third(key);
        QVERIFY(!third.start({}));
        QTRY_COMPARE(requests.size(), 2);
        QVERIFY(requests.last().first().toStringList().isEmpty());
    }

    void aSocketLeftByACrashedCopyIsTakenOver()
    {
        const QString key = QStringLiteral("datewright-stale-%1").arg(QCoreApplication::applicationPid());
        // What a copy that crashed leaves behind: the socket's file, nobody listening.
        QFile leftOver(QDir::temp().filePath(key));
        QVERIFY(leftOver.open(QIODevice::WriteOnly));
        leftOver.close();
        SingleInstance copy(key);
        QVERIFY(copy.start({}));
        SingleInstance later(key);
        QVERIFY(!later.start({}));
    }

    void separateDataFoldersRunSeparately()
    {
        qputenv("DATEWRIGHT_HOME", "/tmp/one");
        const QString one = SingleInstance::defaultKey();
        qputenv("DATEWRIGHT_HOME", "/tmp/two");
        QVERIFY(SingleInstance::defaultKey() != one);
    }
};

QTEST_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
