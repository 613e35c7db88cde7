#pragma once

#include "document/calendardocument.h"

#include <QCommandLineParser>
#include <QString>

// The calendar the commands work on, with what its source file said of itself.
struct CliDocument
{
    CalendarDocument calendar;
    QString kind = QStringLiteral("calendar"); // or "style"
    int version = 4;
    // The calendar file's object list broke off after objectsRead objects.
    bool damaged = false;
    int objectsRead = 0;
    // The extras block of a version 5 file was damaged and left off.
    bool extrasRefused = false;
};

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
// Default style plus the page options given.
bool prepareNewPage(const QCommandLineParser &parser, CalendarPage &page, QString *error);
// The whole of a calendar file or style sheet, or the message saying why not.
bool readSource(const QString &fileName, bool styleSheet, QByteArray *bytes, QString *error);
// The source file (a calendar file, or a style sheet when its name ends in
// .DWS; the default style when empty), then the page options given.
bool prepareDocument(
    const QCommandLineParser &parser, const QString &source, CliDocument &document, QString *error);
// The damaged-file messages (objects, extras) as lines on standard error,
// when they apply.
void warnIfDamaged(const CliDocument &document, const QString &source);
[[nodiscard]] bool isStyleSheetName(const QString &fileName);
// "Unable to open NAME. Possibly corrupted, possibly not a Calendar file"
// (or "... Calendar Style file").
[[nodiscard]] QString unableToOpen(const QString &fileName, bool styleSheet);

} // namespace CliSupport
