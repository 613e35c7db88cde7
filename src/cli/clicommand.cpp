#include "clicommand.h"

#include <algorithm>

namespace {

std::vector<CliCommand> &registry()
{
    static std::vector<CliCommand> commands;
    return commands;
}

} // namespace

CliCommandRegistration::CliCommandRegistration(CliCommand command)
{
    auto &commands = registry();
    const auto position = std::lower_bound(commands.begin(), commands.end(), command,
        [](const CliCommand &a, const CliCommand &b) { return a.name < b.name; });
    commands.insert(position, std::move(command));
}

namespace CliCommands {

const std::vector<CliCommand> &all()
{
    return registry();
}

const CliCommand *find(const QString &name)
{
    for (const CliCommand &command : registry()) {
        if (command.name == name)
            return &command;
    }
    return nullptr;
}

QString usage()
{
    QString text;
    for (const CliCommand &command : registry()) {
        text += text.isEmpty() ? QStringLiteral("Usage: ") : QStringLiteral("       ");
        text += QStringLiteral("datewright-cli ") + command.synopsis + QLatin1Char('\n');
    }
    return text + QStringLiteral("Run datewright-cli --help for the options.");
}

} // namespace CliCommands
