#pragma once

#include "calendar/calendartypes.h"

#include <QCursor>

// The design surface's mouse cursors. Qt's own shapes serve wherever they
// say the same thing (hands, sizing arrows) and follow the desktop's cursor
// theme; the placing tools have no standard shape and get a cross with the
// tool's picture beside it.
namespace SurfaceCursors {

// Where a placing tool's rectangle starts: the hot spot is the cross's centre.
[[nodiscard]] QCursor placing(TLPanelState tool);
// Over the selection frame: the sizing arrows of grips 1 to 8 (corners
// diagonal, edge middles straight), the grabbing hand for a move (0).
[[nodiscard]] QCursor forGrip(int grip);
// Over a placed object with the selection tool.
[[nodiscard]] QCursor pointing();

// The picture of the tool's button; empty for the selection tool.
[[nodiscard]] QString toolPicture(TLPanelState tool);

} // namespace SurfaceCursors
