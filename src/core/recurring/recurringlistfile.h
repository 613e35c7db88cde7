#pragma once

#include <QString>
#include <QStringList>

// The user's recurring-date list "DWRECUR.DAX" and the starting list
// "DWRECUR.DAT" in the data folder. Both are lines of Windows-1252 text,
// written with CR LF; on reading, CR LF, CR or LF ends a line, and a last
// line without an end is read too.
namespace RecurringListFile {

// Where the lists live in a folder: the file as found on disk whatever its
// letter case, or the canonical name when there is none yet.
[[nodiscard]] QString listPath(const QString &folder);
[[nodiscard]] QString startingListPath(const QString &folder);

[[nodiscard]] QStringList splitLines(const QByteArray &bytes);
[[nodiscard]] QByteArray joinLines(const QStringList &lines);

// False with a message naming the file when it cannot be read.
bool read(const QString &path, QStringList *entries, QString *error);
// Replaces the file in one step, so a failed write keeps the old one.
bool write(const QString &path, const QStringList &entries, QString *error);

// A starting-list line "MMDD" + event text as a list entry "@MMDD".
[[nodiscard]] QString convertStartingLine(const QString &line);
// When the folder holds a starting list: converts it into the list, which
// it replaces, and deletes it only once the list is written. True when there
// was nothing to do or the conversion finished.
bool convertStartingList(const QString &folder, QString *error);

} // namespace RecurringListFile
