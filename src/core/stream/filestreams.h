#pragma once

#include <QIODevice>
#include <QString>

#include <functional>
#include <memory>

class TWriter;

// Files for the stream, failing with the stream's own messages followed by
// the system's reason.
//
//   QString error;
//   bool ok = FileStreams::save(path, [&](TWriter &w) { w.writeListBegin(); ... }, &error);
//
//   auto file = FileStreams::openForReading(path, kMaxFileSize); // throws StreamError
//   TReader reader(*file);
namespace FileStreams {

// The whole file, read at once and refused when it is not a regular file or
// holds more than maxSize bytes. Throws StreamError "Cannot open file %s: reason".
[[nodiscard]] std::unique_ptr<QIODevice> openForReading(const QString &fileName, qint64 maxSize);

// The body writes into memory; the file is replaced only by the complete
// result (see SafeFileWriter), so a failure leaves the old file as it was.
// False with the message: "Cannot create file %s: reason" or any
// StreamError the body throws.
bool save(const QString &fileName, const std::function<void(TWriter &)> &body, QString *error);

} // namespace FileStreams
