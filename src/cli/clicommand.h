#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <vector>

// One sub-command of datewright-cli. Each command lives in its own file and
// registers itself with a static CliCommandRegistration, so adding a command
// touches no other file.
struct CliCommand
{
    QString name;
    QString synopsis; // one usage line, without the program name
    void (*addOptions)(QCommandLineParser &) = nullptr; // options only this command reads
    int (*run)(const QCommandLineParser &, const QStringList &arguments) = nullptr;
};

namespace CliCommands {

[[nodiscard]] const std::vector<CliCommand> &all();
[[nodiscard]] const CliCommand *find(const QString &name);
[[nodiscard]] QString usage();

} // namespace CliCommands

struct CliCommandRegistration
{
    explicit CliCommandRegistration(CliCommand command);
};
