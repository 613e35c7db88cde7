#pragma once

#include "calendar/monthcells.h"

#include <QString>

class CalendarPage;
class QIODevice;
class TComponent;

// The calendar file (.DWF): every attribute of the page, the 42 day cells,
// the user title and the placed objects, in the typed value stream.
//
// Placed objects are components: saving writes the children() of
// objectParent, bottom to top; loading replaces the components of
// objectOwner with the file's objects (created through the class registry,
// named "Component0" to "Component1000", past that by their stored name
// unless another has it, and given objectParent, or the owner when none is
// given, as parent). Without an owner the object list is not read, so a
// command that loads, changes and saves a file passes one to keep the
// objects:
//
//   CalendarPage page; TComponent objects;
//   CalendarFile::load(path, page, &objects, &error);   // then change page
//   CalendarFile::save(path, page, &objects, &error);
//
//   QString error;
//   if (!CalendarFile::load(path, page, &objects, &error)) show(error);
//   if (!CalendarFile::save(path, page, &objects, &error)) show(error);
//
// A failure returns false with the stream's message ("Cannot open file %s:
// reason", "Invalid property value", "Stream read error", ...). A file that
// fails before its object list changes neither the page nor the objects; a
// failure inside the object list keeps the objects read before it and
// succeeds, and the report says the file is damaged.
namespace CalendarFile {

// Version 4 unless the page uses an extra (week numbers, shaded weekends,
// neighbouring days, moon phases) or other months hold text: then version 5,
// the version 4 contents followed by the extras block and, when other months
// hold text, their cells; so a file without either is written as before,
// byte for byte.
constexpr int kVersion = 4;
constexpr int kExtrasVersion = 5;
constexpr int kKind = 1;
// Cells and objects may carry pictures (a placed picture up to the 64 MB a
// picture file may have); several large ones fit, anything beyond is not a
// calendar.
constexpr qint64 kMaxFileSize = 256 * 1024 * 1024;

// What a successful read found besides the page.
struct ReadReport
{
    int version = 0;
    // The object list broke off (cut short or a bad record): only
    // objectsRead objects were read, the rest of the file is lost.
    bool damaged = false;
    int objectsRead = 0;
    // A version 5 file whose extras block could not be read: the calendar
    // was kept, the extras left off.
    bool extrasRefused = false;
    // Cell texts of months other than the page's own (version 5).
    MonthCells otherMonths;
    // They were there but damaged, and were left off.
    bool otherMonthsRefused = false;
};

// "The calendar file NAME is damaged: only N placed objects could be read."
[[nodiscard]] QString damagedMessage(const QString &fileName, int objectsRead);

// "The page extras in the calendar file NAME are damaged: ..."
[[nodiscard]] QString extrasRefusedMessage(const QString &fileName);
// "The cell texts of other months in the calendar file NAME are damaged: ..."
[[nodiscard]] QString otherMonthsRefusedMessage(const QString &fileName);

// otherMonths: cell texts typed into other months, written (in a version 5
// file) only when there are any.
bool save(const QString &fileName, const CalendarPage &page, const TComponent *objectParent, QString *error,
    const MonthCells *otherMonths = nullptr);
bool load(const QString &fileName, CalendarPage &page, TComponent *objectOwner, QString *error,
    TComponent *objectParent = nullptr, ReadReport *report = nullptr);

// The same over an open device. keepStoredNames: the objects keep the
// names they were written with (undo brings back a state exactly).
bool write(QIODevice &device, const CalendarPage &page, const TComponent *objectParent, QString *error,
    const MonthCells *otherMonths = nullptr);
bool read(QIODevice &device, CalendarPage &page, TComponent *objectOwner, QString *error,
    TComponent *objectParent = nullptr, ReadReport *report = nullptr, bool keepStoredNames = false);

} // namespace CalendarFile
