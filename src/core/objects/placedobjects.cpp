#include "objects/placedobjects.h"

#include "objects/vgraphiccontrol.h"

#include "calendar/calendarpage.h"

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

void paintPage(QPainter &painter, const CalendarPage &page, const TComponent *objects, float zoom,
    const PagePaintOptions &options)
{
    page.render(painter, zoom, options);
    if (objects)
        paint(painter, *objects, zoom);
}

QImage renderPage(const CalendarPage &page, const TComponent *objects, float zoom)
{
    QImage image(page.controlSizeAt(zoom), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintPage(painter, page, objects, zoom);
    return image;
}

} // namespace PlacedObjects
