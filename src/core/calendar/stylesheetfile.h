#pragma once

#include <QString>

class CalendarPage;
class QIODevice;

// The style sheet (.DWS): the look of a calendar alone, the attribute block
// and the border picture name. Dates, cells, the user title and placed
// objects are neither written nor touched when reading.
//
// A failure returns false with the stream's message and leaves the page as
// it was; a calendar file read as a style sheet fails with "Invalid property
// value" at its end-of-list check.
//
// As calendar files, a style sheet whose page uses an extra is written as
// version 5 with the extras block after the version 4 contents; a damaged
// block keeps the rest of the style, leaves the extras off and sets
// *extrasRefused.
namespace StyleSheetFile {

constexpr int kVersion = 4;
constexpr int kExtrasVersion = 5;
constexpr int kKind = 2;
// Attributes, fonts, twelve month and seven day names and a border name
// take a few kilobytes; a megabyte leaves room for long names.
constexpr qint64 kMaxFileSize = 1024 * 1024;

bool save(const QString &fileName, const CalendarPage &page, QString *error);
bool load(const QString &fileName, CalendarPage &page, QString *error, bool *extrasRefused = nullptr);

bool write(QIODevice &device, const CalendarPage &page, QString *error);
bool read(QIODevice &device, CalendarPage &page, QString *error, int *version = nullptr,
    bool *extrasRefused = nullptr);

// "The page extras in the style sheet NAME are damaged: ..."
[[nodiscard]] QString extrasRefusedMessage(const QString &fileName);

} // namespace StyleSheetFile
