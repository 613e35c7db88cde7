#pragma once

#include "calendar/calendarfile.h"
#include "document/calendardocument.h"

#include <QCommandLineParser>
#include <QString>

// Helpers the commands share.
namespace CliSupport {

// Prints the message as one line on standard error; returns the exit status.
int fail(const QString &message);
// Writes a command's result to standard output; a full disk or a failing
// device is reported like any other failure. Returns the exit status.
int printOutput(const QByteArray &text);
// Says that standard output refused what was written, with the system's
// reason (errno as the failing call left it); returns the exit status.
int outputFailed();
// The source file opened into the document (a calendar file, or a style
// sheet's look over the default style when its name ends in .DWS; the
// default style alone when empty), then the page options given.
bool prepareDocument(const QCommandLineParser &parser, const QString &source, CalendarDocument &document,
    CalendarFile::ReadReport *report, QString *error);
// The damaged-file messages (objects, extras) as lines on standard error,
// when they apply.
void warnIfDamaged(const CalendarFile::ReadReport &report, const QString &source);

} // namespace CliSupport
