#pragma once

#include "calendar/pagepaintoptions.h"

#include <QImage>
#include <QPoint>

class CalendarPage;
class QPainter;
class TComponent;
class TVGraphicControl;

// The placed objects of a page taken together: drawn in stacking order and
// found under a point from the top down. paintPage() is the one drawing path
// of a page with its objects; the screen, picture export, PDF and the command
// line all draw through it.
namespace PlacedObjects {

// Every placed object among parent's children, bottom to top.
void paint(QPainter &painter, const TComponent &parent, float scale);
// Lets every placed object among parent's children store its layout
// (TVGraphicControl::layOut); the surface runs it before painting.
void layOut(TComponent &parent);
// The topmost placed object whose display rectangle holds the point (device
// pixels at scale); nullptr when none.
[[nodiscard]] TVGraphicControl *at(const TComponent &parent, const QPoint &point, float scale);

// The page at a zoom with its objects over it; objects may be null (a page
// that carries none, such as the properties preview).
void paintPage(QPainter &painter, const CalendarPage &page, const TComponent *objects, float zoom,
    const PagePaintOptions &options = {});
// The same into a new picture of the page's size at the zoom.
[[nodiscard]] QImage renderPage(const CalendarPage &page, const TComponent *objects, float zoom);

} // namespace PlacedObjects
