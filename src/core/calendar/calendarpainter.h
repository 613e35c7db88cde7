#pragma once

#include "calendar/calendartexts.h"
#include "calendar/gridframe.h"
#include "calendar/pageframe.h"
#include "calendar/pagepaintoptions.h"

#include <array>

class CellContentPainter;
class Metafile;
class QPainter;
class QRect;
class TWPRtfStorage;

// Draws the boxes a PageFrame describes. Every routine draws into the
// rectangles it is given and invents no coordinate of its own.
namespace CalendarPainter {

// One-pixel black lines along the sides the style names; a line stops one
// pixel short of its end point, so an outline covers (L..R, T..B) exactly.
void paintBorderLines(QPainter &painter, const TRect &rect, TCalBorderStyle style);
void paintMonthGrid(
    QPainter &painter, const MonthGridFrame &frame, const GridStyle &style, float zoom, bool paper = false);
void paintPlanner(QPainter &painter, const PageFrame &page);

struct CellSource
{
    const std::array<TWPRtfStorage, 42> *cells = nullptr;
    const CellContentPainter *painter = nullptr;
    // On paper: the cells at 100%. Each text is laid out in its free
    // rectangle there, as the screen shows it at 100%, and stretched into
    // the printed one, so it breaks its lines where the screen does.
    const CellTable *atFullSize = nullptr;
};
// A cell whose text does not fit gets the overflow sign on screen.
void paintCellContents(QPainter &painter, const PageFrame &page, const CellTable &table,
    const CellSource &source, const PagePaintOptions &options = {});
// The small sign in a cell's bottom-right corner that says its text goes on.
void paintOverflowSign(QPainter &painter, const QRect &cell, float zoom);

// The whole page: background, border picture, main calendar, cells, minis.
void paintPage(QPainter &painter, const PageFrame &page, const Metafile *border, const CellTable &table,
    const CellSource &source, const PagePaintOptions &options = {});

} // namespace CalendarPainter
