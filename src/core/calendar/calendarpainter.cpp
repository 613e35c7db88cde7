#include "calendar/calendarpainter.h"

#include "base/zoom.h"
#include "calendar/extraspainter.h"
#include "calendar/papertext.h"
#include "metafile/metafile.h"
#include "richtext/cellcontentpainter.h"
#include "richtext/wprtfstorage.h"

#include <QPainter>
#include <QPolygon>

#include <algorithm>

namespace CalendarPainter {

namespace {

void fill(QPainter &p, const TRect &r, TColor color)
{
    if (!r.isEmpty())
        p.fillRect(r.toQRect(), toQColor(color));
}

// Lines are filled one-pixel runs, so they land on exact pixels at any zoom
// and on any device.
void horizontalLine(QPainter &p, int x1, int x2, int y)
{
    if (x2 > x1)
        p.fillRect(x1, y, x2 - x1, 1, Qt::black);
}

void verticalLine(QPainter &p, int x, int y1, int y2)
{
    if (y2 > y1)
        p.fillRect(x, y1, 1, y2 - y1, Qt::black);
}

// Building a QFont and finding its engine costs as much as laying out a
// short text, so loops over many texts set the font once.
void useFont(QPainter &p, const CalendarFont &font, float zoom)
{
    p.setFont(font.toQFont(zoom));
    p.setPen(toQColor(font.color));
}

void drawTextIn(QPainter &p, const TRect &box, int alignment, const QString &text)
{
    if (!text.isEmpty() && !box.isEmpty())
        p.drawText(box.toQRect(), alignment | Qt::TextSingleLine, text);
}

// A title wider than its room is drawn at the largest pixel size that fits,
// never larger than its font, so it is neither cut nor drawn over a mini.
void drawFittedText(QPainter &p, const TRect &room, const QString &text, const CalendarFont &font, float zoom)
{
    if (text.isEmpty() || room.isEmpty())
        return;
    QFont face = font.toQFont(zoom);
    p.setFont(face);
    p.setPen(toQColor(font.color));
    const qreal wanted = p.fontMetrics().horizontalAdvance(text);
    int width = room.right - room.left;
    if (wanted > width) {
        // A shrunk title keeps a little air at both ends rather than touching
        // the band's lines or the minis.
        width -= 2 * std::max(2, width / 50);
        int size = std::max(1, int(face.pixelSize() * width / wanted));
        face.setPixelSize(size);
        p.setFont(face);
        while (size > 1 && p.fontMetrics().horizontalAdvance(text) > width) {
            face.setPixelSize(--size);
            p.setFont(face);
        }
    }
    drawTextIn(p, room, Qt::AlignCenter, text);
}

// The outline a rectangle primitive draws: inside (L, T, R, B), exclusive.
void rectangleOutline(QPainter &p, const TRect &r)
{
    paintBorderLines(p, { r.left, r.top, r.right - 1, r.bottom - 1 }, cbAll);
}

void paintHeaders(QPainter &p, const MonthGridFrame &f, const GridStyle &s, float zoom)
{
    const TRect &row = f.headerRow;
    fill(p, { row.left, row.top, row.right, row.bottom + 1 }, s.headerBackground);
    paintBorderLines(p, row, s.headerBorder);
    useFont(p, s.headerFont, zoom);
    for (int j = 0; j < 7; ++j) {
        const QString name
            = CalendarTexts::nameAt(s.dayNames, CalendarTexts::weekdayOfColumn(j, s.startOfWeek));
        drawTextIn(p, f.headerBoxes[size_t(j)], Qt::AlignCenter,
            CalendarTexts::shortenedDayName(name, s.headerStyle));
    }
}

void paintCellLines(QPainter &p, const MonthGridFrame &f, TCalBorderStyle style)
{
    const int x0 = f.gridLeft, x1 = f.bounds.right, y1 = f.bounds.bottom;
    int first = 0, last = 6;
    switch (style) {
    case cbNone:
        return;
    case cbAll:
    case cbTopBottom:
        break;
    case cbTop:
        last = 5;
        break;
    case cbBottom:
        first = 1;
        break;
    }
    for (int i = first; i <= last; ++i)
        horizontalLine(p, x0, x1 - 1, i == 6 ? y1 - 1 : f.daysTop + i * f.rowHeight);
    if (style != cbAll)
        return;
    for (int j = 0; j <= 7; ++j)
        verticalLine(p, j == 7 ? x1 - 1 : x0 + j * f.columnWidth, f.daysTop, y1 - 1);
}

void paintDayNumbers(QPainter &p, const MonthGridFrame &f, const GridStyle &s, float zoom)
{
    const int alignment
        = s.numberPosition == cnpCenter ? int(Qt::AlignCenter) : int(Qt::AlignRight | Qt::AlignTop);
    useFont(p, s.cellFont, zoom);
    for (const DayCell &cell : f.cells) {
        if (cell.day > 0)
            drawTextIn(p, cell.rect, alignment, QString::number(cell.day));
    }
}

} // namespace

void paintBorderLines(QPainter &p, const TRect &r, TCalBorderStyle style)
{
    const bool top = style == cbAll || style == cbTop || style == cbTopBottom;
    const bool bottom = style == cbAll || style == cbBottom || style == cbTopBottom;
    if (top)
        horizontalLine(p, r.left, r.right, r.top);
    if (bottom)
        horizontalLine(p, r.left + (style == cbAll ? 1 : 0), r.right + (style == cbAll ? 1 : 0), r.bottom);
    if (style == cbAll) {
        verticalLine(p, r.right, r.top, r.bottom);
        verticalLine(p, r.left, r.top + 1, r.bottom + 1);
    }
}

void paintMonthGrid(QPainter &p, const MonthGridFrame &f, const GridStyle &s, float zoom, bool paper)
{
    const TRect &b = f.bounds;
    fill(p, b, s.background);
    // Paper is white already; a white band is left unprinted.
    if (!paper || s.titleBackground != clWhite)
        fill(p, { b.left, b.top + 1, b.right - 1, f.titleBand.bottom + 1 }, s.titleBackground);
    ExtrasPainter::paintWeekendShading(p, f, s);
    const QString title
        = CalendarTexts::monthGridTitle(s.userTitle, s.monthNames, s.month, s.year, s.showYear);
    if (paper) {
        const TRect &row = f.headerRow;
        fill(p, { row.left, row.top, row.right, row.bottom + 1 }, s.headerBackground);
        paintBorderLines(p, row, s.headerBorder);
        paintCellLines(p, f, s.cellBorder);
        PaperText::paintMonthGridTexts(p, f, s, title, zoom);
        ExtrasPainter::paintTexts(p, f, s, zoom, true);
    } else {
        drawFittedText(p, f.titleRoom, title, s.titleFont, zoom);
        paintHeaders(p, f, s, zoom);
        paintCellLines(p, f, s.cellBorder);
        paintDayNumbers(p, f, s, zoom);
        ExtrasPainter::paintTexts(p, f, s, zoom, false);
    }
    paintBorderLines(p, f.working, s.outerBorder);
}

void paintPlanner(QPainter &p, const PageFrame &page)
{
    const PlannerFrame &f = *page.planner;
    const GridStyle &s = page.mainStyle;
    fill(p, f.bounds, clWhite);
    if (!page.paper)
        drawFittedText(p, f.titleBand, page.plannerTitle, s.titleFont, page.zoom);
    fill(p, f.box, clWhite);
    rectangleOutline(p, f.box);
    fill(p, { f.box.left + 1, f.box.top + 1, f.labelRight, f.box.bottom - 1 }, s.headerBackground);
    if (page.paper) {
        PaperText::paintPlannerTexts(p, f, s, page.plannerTitle, page.plannerLabels, page.zoom);
    } else {
        useFont(p, s.headerFont, page.zoom);
        for (size_t q = 0; q < f.rows.size() && q < page.plannerLabels.size(); ++q) {
            drawTextIn(
                p, f.rows[q].upperLabel, Qt::AlignHCenter | Qt::AlignBottom, page.plannerLabels[q].first);
            drawTextIn(
                p, f.rows[q].lowerLabel, Qt::AlignHCenter | Qt::AlignTop, page.plannerLabels[q].second);
        }
    }
    verticalLine(p, f.labelRight, f.box.top, f.box.bottom);
    for (size_t q = 1; q < f.rows.size(); ++q)
        horizontalLine(p, f.box.left, f.box.right, f.box.top + int(q) * f.rowHeight);
    // On paper the outline goes over the labels once more.
    if (page.paper)
        rectangleOutline(p, f.box);
}

void paintOverflowSign(QPainter &p, const QRect &cell, float zoom)
{
    // A dark red corner triangle: seen at a glance, small enough to leave the
    // last line readable.
    const int side = std::max(4, int(7 * zoom + 0.5f));
    if (cell.width() < side || cell.height() < side)
        return;
    const QPoint corner = cell.bottomRight();
    const QPolygon triangle(
        { corner + QPoint(1, 1), corner + QPoint(1 - side, 1), corner + QPoint(1, 1 - side) });
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(176, 0, 0));
    p.drawPolygon(triangle);
    p.restore();
}

void paintCellContents(QPainter &p, const PageFrame &page, const CellTable &table, const CellSource &source,
    const PagePaintOptions &options)
{
    if (!source.cells)
        return;
    const int zoomPercent = Zoom(page.zoom).layoutPercent();
    for (size_t i = 0; i < table.size(); ++i) {
        const TWPRtfStorage &storage = (*source.cells)[i];
        if (page.planner && page.isWeekPlanner && storage.isEmpty())
            continue;
        const TRect &r = table[i].free;
        if (r.isNull() || r.right < r.left || r.bottom < r.top)
            continue;
        // The free rectangle's right and bottom edges belong to the cell here.
        const QRect target(r.left, r.top, r.right - r.left + 1, r.bottom - r.top + 1);
        // Paper has its sheet and the weekend shade under the lines already.
        // Filled again after the lines, a free rectangle a few printer
        // pixels off a line would cover it wherever the sheet is shown or
        // printed coarser than it was drawn.
        if (!page.paper) {
            const TColor background
                = page.grid ? ExtrasPainter::cellBackground(page.mainStyle, int(i)) : clWhite;
            p.fillRect(target, toQColor(background));
        }
        if (source.painter && !storage.isEmpty()) {
            p.save();
            p.setClipRect(target);
            bool overflows = false;
            if (source.atFullSize) {
                const TRect &full = (*source.atFullSize)[i].free;
                const QSize laidOut(full.right - full.left + 1, full.bottom - full.top + 1);
                if (!laidOut.isEmpty()) {
                    p.translate(target.topLeft());
                    p.scale(
                        double(target.width()) / laidOut.width(), double(target.height()) / laidOut.height());
                    source.painter->paint(p, storage, QRect(QPoint(0, 0), laidOut), 100);
                }
            } else {
                overflows = source.painter->paint(p, storage, target, zoomPercent);
            }
            p.restore();
            if (overflows && options.screen)
                paintOverflowSign(p, target, page.zoom);
        }
    }
}

void paintPage(QPainter &p, const PageFrame &page, const Metafile *border, const CellTable &table,
    const CellSource &source, const PagePaintOptions &options)
{
    if (border && !border->isEmpty())
        border->draw(p, page.pageRect.toQRect());
    if (page.planner)
        paintPlanner(p, page);
    else if (page.grid)
        paintMonthGrid(p, *page.grid, page.mainStyle, page.zoom, page.paper);
    if (page.paper && page.grid)
        paintCellContents(
            p, page, PaperText::printedCells(*page.grid, page.mainStyle, page.zoom), source, options);
    else if (page.planner || page.grid)
        paintCellContents(p, page, table, source, options);
    if (page.grid)
        ExtrasPainter::paintMoonPhases(p, *page.grid, page.mainStyle, page.zoom);
    for (const PageFrame::Mini &mini : page.minis)
        paintMonthGrid(p, mini.frame, mini.style, page.zoom, page.paper);
}

} // namespace CalendarPainter
