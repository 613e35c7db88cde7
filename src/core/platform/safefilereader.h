#pragma once

#include <QByteArray>
#include <QString>

// Reads a whole file the user named, never more than its format can hold.
// What is not a regular file (a folder, a device such as /dev/zero, a pipe,
// a socket) is refused before it is opened, so nothing waits on a pipe and
// nothing grows with endless input; a file whose size the system does not
// know (those in /proc) is read only up to the limit.
//
//   QByteArray bytes;
//   QString reason;
//   if (!SafeFileReader::read(path, kMaxListSize, &bytes, &reason))
//       *error = QStringLiteral("Unable to read %1: %2").arg(path, reason);
//
// The reason is the system's own text ("No such file or directory",
// "Permission denied") or says what is wrong with the file ("Is a pipe, not
// a file", "File too large (over 16 MB)").
namespace SafeFileReader {

bool read(const QString &fileName, qint64 maxSize, QByteArray *bytes, QString *reason);

// Why an existing path can be neither read nor replaced as a file (a
// folder, a device, a pipe, a socket); empty for a regular file or nothing.
[[nodiscard]] QString notAFileReason(const QString &fileName);

// The system's text for an errno value; never "Unknown error".
[[nodiscard]] QString systemReason(int errorNumber);

} // namespace SafeFileReader
