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
    // A list narrower than its columns will scroll sideways: room for the
    // scroll bar below the rows, or the last row would be hidden behind it.
    const int frame = 2 * frameWidth();
    const int width = cellSide() * m_xIcons + frame;
    const int rows = cellSide() * m_yIcons + frame;
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    resize(width, this->width() < width ? rows + scrollBar : rows + 1);
}
