#include "icons/iconlistbox.h"

#include <QScrollBar>
#include <QStyle>

namespace {

// The standard icon and a 3-pixel margin around it.
constexpr int kCellSide = 32 + 6;

} // namespace

TIconListBox::TIconListBox(QWidget *parent)
    : IconListBase(kCellSide, parent)
{
    setFlow(QListView::TopToBottom);
    setWrapping(true);
    setResizeMode(QListView::Adjust);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    resizeToIcons();
}

void TIconListBox::setXIcons(int xIcons)
{
    if (xIcons < 1)
        return;
    m_xIcons = xIcons;
    resizeToIcons();
    fitColumns();
}

void TIconListBox::resizeEvent(QResizeEvent *event)
{
    IconListBase::resizeEvent(event);
    fitColumns();
}

// XIcons columns share the width, each at least a cell wide, so a list
// laid out wider than its cells shows whole columns only.
void TIconListBox::fitColumns()
{
    const QSize grid(std::max(cellSide(), viewport()->width() / m_xIcons), cellSide());
    if (grid != gridSize())
        setGridSize(grid);
}

void TIconListBox::setYIcons(int yIcons)
{
    if (yIcons < 1)
        return;
    m_yIcons = yIcons;
    resizeToIcons();
}

void TIconListBox::resizeToIcons()
{
    // Room below the rows for the sideways scroll bar, which shows as soon
    // as there are more icons than cells: without it the last row would
    // hide behind the bar.
    const int frame = 2 * frameWidth();
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    // The list view takes a row only when one more pixel is free below it.
    resize(cellSide() * m_xIcons + frame, cellSide() * m_yIcons + frame + scrollBar + 1);
}
