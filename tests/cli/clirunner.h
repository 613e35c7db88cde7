#pragma once

// Runs datewright-cli as a separate process, the way scripts use it, with its
// data folder in the given directory; its standard output goes to
// outputFile when one is named.
#include <QByteArray>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

struct CliRun
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

inline CliRun runCli(const QStringList &arguments, const QString &home, const QString &outputFile = {})
{
    QProcess cli;
    if (!outputFile.isEmpty())
        cli.setStandardOutputFile(outputFile);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DATEWRIGHT_HOME"), home);
    cli.setProcessEnvironment(environment);
    cli.start(QStringLiteral(DW_CLI), arguments);
    if (!cli.waitForFinished(60000))
        return {};
    return { cli.exitStatus() == QProcess::NormalExit ? cli.exitCode() : -1, cli.readAllStandardOutput(),
        cli.readAllStandardError() };
}
