// Drawing the page: one routine for the screen, images, PDF and the command line.
#include "calendar/calendarpage.h"

#include "calendar/calendarpainter.h"
#include "calendar/pageframe.h"

#include <QImage>
#include <QPainter>

CellTable CalendarPage::cellTableFor(const PageFrame &frame) const
{
    // Month grids and planners own all 42 entries. Planners empty the cells
    // past their rows too, so no day number from an earlier month grid
    // lingers where nothing is drawn.
    CellTable table = m_cellTable;
    if (frame.grid) {
        table = frame.grid->cells;
    } else if (frame.planner) {
        const auto &used = frame.planner->cells;
        for (size_t i = 0; i < table.size(); ++i)
            table[i] = i < used.size() ? used[i] : DayCell();
    }
    return table;
}

void CalendarPage::draw(
    QPainter &painter, const PageFrame &frame, const CellTable &table, const PagePaintOptions &options) const
{
    painter.save();
    painter.fillRect(QRect(QPoint(0, 0), controlSizeAt(frame.zoom)), Qt::white);
    CalendarPainter::CellSource cells { &m_cells, m_cellPainter.get() };
    CellTable atFullSize;
    if (frame.paper) {
        atFullSize = cellTableFor(computePageFrame(m_attr, m_layout, 1.0f));
        cells.atFullSize = &atFullSize;
    }
    const Metafile *border = m_attr.wmfBorderFile.isEmpty() ? nullptr : &m_borderPicture;
    CalendarPainter::paintPage(painter, frame, border, table, cells, options);
    painter.restore();
}

void CalendarPage::paint(QPainter &painter, float zoom, const PagePaintOptions &options)
{
    const PageFrame frame = recordCellTable(zoom);
    draw(painter, frame, m_cellTable, options);
}

PageFrame CalendarPage::recordCellTable(float zoom)
{
    const PageFrame frame = computePageFrame(m_attr, m_layout, zoom);
    m_cellTable = cellTableFor(frame);
    if (frame.grid) {
        m_titleHit = frame.grid->titleHit;
        m_daysAreaHit = frame.grid->headerRow;
    } else if (frame.planner) {
        m_titleHit = frame.planner->titleBand;
        m_daysAreaHit = {};
    }
    const TRect &first = m_cellTable[0].free;
    m_referenceCell = { first.left, first.top, first.right + 5, first.bottom + 5 };
    return frame;
}

void CalendarPage::render(QPainter &painter, float zoom, const PagePaintOptions &options) const
{
    const PageFrame frame = computePageFrame(m_attr, m_layout, zoom, options.paper);
    draw(painter, frame, cellTableFor(frame), options);
}

QSize CalendarPage::controlSizeAt(float zoom) const
{
    return QSize(int(m_layout.pageWidth * double(zoom)), int(m_layout.pageHeight * double(zoom)));
}

QImage CalendarPage::renderImage(float zoom)
{
    QImage image(controlSizeAt(zoom), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paint(painter, zoom);
    return image;
}
