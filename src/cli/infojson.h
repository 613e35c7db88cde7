#pragma once

#include <QJsonObject>

class CalendarDocument;

// Describes a calendar as one JSON object: its page's attributes, its cells,
// its placed objects (bottom to top) and its geometry at zoom 1 after drawing.
namespace InfoJson {

[[nodiscard]] QJsonObject describe(CalendarDocument &document, const QString &kind, int version);

} // namespace InfoJson
