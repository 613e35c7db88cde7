// Drawing the page: one routine for the screen, images and the command line.
#include "calendarpage.h"

#include "calendarpainter.h"
#include "pageframe.h"

#include <QImage>
#include <QPainter>

void CalendarPage::paint(QPainter &painter, float zoom)
{
    const PageFrame frame = computePageFrame(m_attr, m_layout, zoom);
    if (frame.grid) {
        recordCellTable(frame.grid->cells, true, kCellCount);
        m_titleHit = frame.grid->titleHit;
        m_daysAreaHit = frame.grid->headerRow;
    } else if (frame.planner) {
        CellTable cells {};
        const auto &used = frame.planner->cells;
        std::copy(used.begin(), used.end(), cells.begin());
        recordCellTable(cells, !frame.isWeekPlanner, int(used.size()));
        m_titleHit = frame.planner->titleBand;
        m_daysAreaHit = {};
    }
    const TRect &first = m_cellTable[0].free;
    m_referenceCell = {first.left, first.top, first.right + 5, first.bottom + 5};

    painter.save();
    painter.fillRect(QRect(QPoint(0, 0), controlSizeAt(zoom)), Qt::white);
    const CalendarPainter::CellSource cells {&m_cells, m_cellPainter.get()};
    const Metafile *border = m_attr.wmfBorderFile.isEmpty() ? nullptr : &m_borderPicture;
    CalendarPainter::paintPage(painter, frame, border, m_cellTable, cells);
    painter.restore();
}

QSize CalendarPage::controlSizeAt(float zoom) const
{
    return QSize(int(float(m_layout.pageWidth) * zoom), int(float(m_layout.pageHeight) * zoom));
}

QImage CalendarPage::renderImage(float zoom)
{
    QImage image(controlSizeAt(zoom), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paint(painter, zoom);
    return image;
}
