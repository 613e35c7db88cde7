#include "document/calendardocument.h"

#include "objects/placedobjects.h"

CalendarDocument::CalendarDocument() = default;

void CalendarDocument::render(QPainter &painter, float zoom) const
{
    PlacedObjects::paintPage(painter, m_page, &m_objects, zoom);
}

QImage CalendarDocument::renderImage(float zoom) const
{
    return PlacedObjects::renderPage(m_page, &m_objects, zoom);
}
