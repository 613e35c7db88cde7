#pragma once

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
// named "Component0", "Component1", ... and given objectParent, or the
// owner when none is given, as parent). Without an owner the object list is
// not read, so a command that loads, changes and saves a file passes one to
// keep the objects:
//
//   CalendarPage page; TComponent objects;
//   CalendarFile::load(path, page, &objects, &error);   // then change page
//   CalendarFile::save(path, page, &objects, &error);
//
//   QString error;
//   if (!CalendarFile::load(path, page, &objects, &error)) show(error);
//   if (!CalendarFile::save(path, page, &objects, &error)) show(error);
//
// A failure returns false with the stream's message ("Cannot open file %s",
// "Invalid property value", "Stream read error", ...). A file that fails
// before its object list changes neither the page nor the objects; a failure
// inside the object list keeps the objects read before it and succeeds.
namespace CalendarFile {

constexpr int kVersion = 4;
constexpr int kKind = 1;

bool save(const QString &fileName, const CalendarPage &page, const TComponent *objectParent, QString *error);
bool load(const QString &fileName, CalendarPage &page, TComponent *objectOwner, QString *error,
    TComponent *objectParent = nullptr);

// The same over an open device; the version read is reported when asked.
bool write(QIODevice &device, const CalendarPage &page, const TComponent *objectParent, QString *error);
bool read(QIODevice &device, CalendarPage &page, TComponent *objectOwner, QString *error,
    TComponent *objectParent = nullptr, int *version = nullptr);

} // namespace CalendarFile
