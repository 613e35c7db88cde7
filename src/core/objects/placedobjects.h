#pragma once

#include <QPoint>

class QPainter;
class TComponent;
class TVGraphicControl;

// The placed objects of a page taken together: drawn in stacking order and
// found under a point from the top down. The document draws its page with
// its objects over it through paint().
namespace PlacedObjects {

// Every placed object among parent's children, bottom to top.
void paint(QPainter &painter, const TComponent &parent, float scale);
// Lets every placed object among parent's children store its layout
// (TVGraphicControl::layOut); the surface runs it before painting.
void layOut(TComponent &parent);
// The topmost placed object whose display rectangle holds the point (device
// pixels at scale); nullptr when none.
[[nodiscard]] TVGraphicControl *at(const TComponent &parent, const QPoint &point, float scale);

} // namespace PlacedObjects
