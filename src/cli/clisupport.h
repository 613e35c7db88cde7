#pragma once

#include "calendar/calendarpage.h"
#include "stream/component.h"

#include <QCommandLineParser>
#include <QString>

// A page the commands work on, with the placed objects it carries.
struct CliDocument
{
    CalendarPage page;
    TComponent objects; // owner and parent of the placed objects, bottom to top
    QString kind = QStringLiteral("calendar"); // or "style"
    int version = 4;
    // The calendar file's object list broke off after objectsRead objects.
    bool damaged = false;
    int objectsRead = 0;
};

// Helpers the commands share.
namespace CliSupport {

// Prints the message as one line on standard error; returns the exit status.
int fail(const QString &message);
// Default style plus the page options given.
bool prepareNewPage(const QCommandLineParser &parser, CalendarPage &page, QString *error);
// The whole of a calendar file or style sheet, or the message saying why not.
bool readSource(const QString &fileName, bool styleSheet, QByteArray *bytes, QString *error);
// The source file (a calendar file, or a style sheet when its name ends in
// .DWS; the default style when empty), then the page options given.
bool prepareDocument(
    const QCommandLineParser &parser, const QString &source, CliDocument &document, QString *error);
// The damaged-file message as a line on standard error, when it applies.
void warnIfDamaged(const CliDocument &document, const QString &source);
[[nodiscard]] bool isStyleSheetName(const QString &fileName);
// "Unable to open NAME. Possibly corrupted, possibly not a Calendar file"
// (or "... Calendar Style file").
[[nodiscard]] QString unableToOpen(const QString &fileName, bool styleSheet);

} // namespace CliSupport
