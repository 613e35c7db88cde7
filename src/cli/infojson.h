#pragma once

#include <QJsonObject>

class CalendarPage;
class TComponent;

// Describes a page as one JSON object: its attributes, its cells, its placed
// objects (the children of objects, bottom to top) and its geometry at zoom 1
// after drawing.
namespace InfoJson {

[[nodiscard]] QJsonObject describe(
    CalendarPage &page, const QString &kind, int version, const TComponent *objects = nullptr);

} // namespace InfoJson
