#pragma once

#include <QFile>
#include <QString>

#include <functional>
#include <memory>

class TWriter;

// Files for the stream, failing with the stream's own messages.
//
//   QString error;
//   bool ok = FileStreams::save(path, [&](TWriter &w) { w.writeListBegin(); ... }, &error);
//
//   auto file = FileStreams::openForReading(path); // throws EStreamError
//   TReader reader(*file);
namespace FileStreams {

// Throws EStreamError "Cannot open file %s".
[[nodiscard]] std::unique_ptr<QFile> openForReading(const QString &fileName);

// Writes through a temporary file that replaces the old one only when
// complete, so a failure leaves the old file as it was. False with the
// message: "Cannot create file %s", "Stream write error" or any EStreamError
// the body throws.
bool save(const QString &fileName, const std::function<void(TWriter &)> &body, QString *error);

} // namespace FileStreams
