#pragma once

#include <QJsonObject>

class CalendarPage;

// Describes a page as one JSON object: its attributes, its cells and its
// geometry at zoom 1 after drawing.
namespace InfoJson {

[[nodiscard]] QJsonObject describe(CalendarPage &page, const QString &kind, int version);

} // namespace InfoJson
