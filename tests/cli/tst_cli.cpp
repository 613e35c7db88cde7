// The command-line tool, run as a separate process the way scripts use it.
#include <QProcess>
#include <QtTest>

class TestCli : public QObject
{
    Q_OBJECT

private slots:
    void unknownCommandFails()
    {
        QProcess cli;
        cli.start(QStringLiteral(DW_CLI), {QStringLiteral("bogus")});
        QVERIFY(cli.waitForFinished(30000));
        QVERIFY(cli.exitCode() != 0);
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
