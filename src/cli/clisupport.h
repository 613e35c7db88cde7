#pragma once

#include <QCommandLineParser>
#include <QString>

class CalendarPage;

// Helpers the commands share.
namespace CliSupport {

// Prints the message as one line on standard error; returns the exit status.
int fail(const QString &message);
// Default style plus the page options given.
bool prepareNewPage(const QCommandLineParser &parser, CalendarPage &page, QString *error);

} // namespace CliSupport
