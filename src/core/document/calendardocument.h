#pragma once

#include "calendar/calendarpage.h"
#include "document/documenthistory.h"

#include "stream/component.h"

#include <QImage>

class QPainter;

// A calendar: the page with its cells and the placed objects over it. The
// objects' owner is also their parent, so its children are the stacking
// order, bottom to top, which is the order files store them in.
class CalendarDocument
{
public:
    CalendarDocument();
    CalendarDocument(const CalendarDocument &) = delete;
    CalendarDocument &operator=(const CalendarDocument &) = delete;

    [[nodiscard]] CalendarPage &page() { return m_page; }
    [[nodiscard]] const CalendarPage &page() const { return m_page; }
    [[nodiscard]] TComponent &objects() { return m_objects; }
    [[nodiscard]] const TComponent &objects() const { return m_objects; }
    [[nodiscard]] DocumentHistory &history() { return m_history; }

    // The page with its objects at a zoom, as the screen shows it.
    void render(QPainter &painter, float zoom) const;
    [[nodiscard]] QImage renderImage(float zoom) const;

private:
    CalendarPage m_page;
    TComponent m_objects; // after the page, so the objects go first
    DocumentHistory m_history { m_page, m_objects }; // last: its steps go before what they restore into
};
