#include "objects/placedobjects.h"

#include "objects/vgraphiccontrol.h"

#include <QPainter>

namespace PlacedObjects {

void paint(QPainter &painter, const TComponent &parent, float scale)
{
    for (const TComponent *child : parent.children()) {
        if (const auto *object = dynamic_cast<const TVGraphicControl *>(child))
            object->paint(painter, scale);
    }
}

void layOut(TComponent &parent)
{
    for (TComponent *child : parent.children()) {
        if (auto *object = dynamic_cast<TVGraphicControl *>(child))
            object->layOut();
    }
}

TVGraphicControl *at(const TComponent &parent, const QPoint &point, float scale)
{
    const auto &children = parent.children();
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        auto *object = dynamic_cast<TVGraphicControl *>(*it);
        if (object && object->displayRect(scale).contains(point))
            return object;
    }
    return nullptr;
}

} // namespace PlacedObjects
