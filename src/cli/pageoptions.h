#pragma once

#include <QCommandLineParser>
#include <QString>

class CalendarDocument;

// The options every command shares that set attributes of the page.
namespace PageOptions {

void addTo(QCommandLineParser &parser);
// Applies the options given, in a fixed order (a --style sheet first); false
// with a message when a value is out of range or cannot be used (values are
// all checked first).
bool apply(const QCommandLineParser &parser, CalendarDocument &document, QString *error);

} // namespace PageOptions
