#pragma once

#include <QByteArray>
#include <QString>

class QIODevice;

// Every file the user keeps is written through here, so that a save leaves
// either the complete new file or the old one untouched, never an empty or
// half-written one. The bytes go to a temporary file beside the target;
// each step is checked (the write, the flush of Qt's buffer, the device's
// error state, the sync to disk) before the temporary file takes the
// target's place. QSaveFile alone does not do this: its buffered bytes
// reach the disk inside commit(), which renames the file even when that
// last write fails on a full disk.
//
// Writers that produce a file as they go (the stream writer, QImageWriter,
// QPdfWriter) write into a QBuffer and hand over the bytes, so a failure
// inside them cannot touch the target either.
//
//   QString reason;
//   if (!SafeFileWriter::write(path, bytes, &reason))
//       *error = QStringLiteral("Unable to write %1: %2").arg(path, reason);
//
// The reason is the system's own text ("No space left on device",
// "Permission denied", "Read-only file system") or says why the target
// cannot be replaced ("Is a directory", "Is a device, not a file").
namespace SafeFileWriter {

// Refuses a target that exists and is not a regular file before anything
// is created.
bool write(const QString &fileName, const QByteArray &bytes, QString *reason);

// Writes all the bytes to an open device and flushes it, checking each
// step; false with the device's reason when any fails.
bool writeAll(QIODevice &device, const QByteArray &bytes, QString *reason);

} // namespace SafeFileWriter
