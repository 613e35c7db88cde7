#include "icons/viconlistbox.h"

namespace {

// The standard icon and a 1-pixel margin around it.
constexpr int kCellSide = 32 + 2;

} // namespace

TVIconListBox::TVIconListBox(QWidget *parent)
    : IconListBase(kCellSide, parent)
{
    setFlow(QListView::TopToBottom);
    setWrapping(false);
}

void TVIconListBox::setOrientation(TListBoxOrientation orientation)
{
    m_orientation = orientation;
    viewport()->update();
}
