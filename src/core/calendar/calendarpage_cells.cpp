// The 42 day cells of the page: contents, lookup by day and by point, and
// the click rules that turn a mouse click into a cell event.
#include "calendar/calendarpage.h"

static bool isCellIndex(int index)
{
    return index >= 1 && index <= kCellCount;
}

QByteArray CalendarPage::cellContents(int index, const QByteArray &fallback) const
{
    return isCellIndex(index) ? m_cells[size_t(index - 1)].rtf() : fallback;
}

void CalendarPage::setCellContents(int index, const QByteArray &rtf)
{
    if (!isCellIndex(index))
        return;
    m_cells[size_t(index - 1)].setRtf(rtf);
    emit redrawRequested();
}

TWPRtfStorage *CalendarPage::cellStorage(int index)
{
    return isCellIndex(index) ? &m_cells[size_t(index - 1)] : nullptr;
}

int CalendarPage::dayOfCell(int index) const
{
    return isCellIndex(index) ? m_cellTable[size_t(index - 1)].day : 0;
}

int CalendarPage::cellOfDay(int day) const
{
    for (int i = 1; i <= kCellCount; ++i) {
        if (m_cellTable[size_t(i - 1)].day == day)
            return i;
    }
    return -1;
}

int CalendarPage::cellAtPoint(int x, int y) const
{
    for (int i = 1; i <= kCellCount; ++i) {
        if (m_cellTable[size_t(i - 1)].rect.contains(x, y))
            return i;
    }
    return 0;
}

bool CalendarPage::cellTakesEvents(int index) const
{
    // A cell showing a neighbouring month's day belongs to that month.
    return isCellIndex(index)
        && !(m_attr.extras.neighbourDays && layoutKind() == 0 && m_cellTable[size_t(index - 1)].day == 0);
}

void CalendarPage::raiseForCell(int index)
{
    if (!cellTakesEvents(index) || !ClickedInCellEvent)
        return;
    const DayCell &cell = m_cellTable[size_t(index - 1)];
    ClickedInCellEvent(cell.rect, cell.free, index, cell.day, m_cells[size_t(index - 1)]);
}

void CalendarPage::dropIntoCell(int x, int y)
{
    const int cell = cellAtPoint(x, y);
    if (cell != 0)
        raiseForCell(cell);
}

void CalendarPage::previousCell(int index)
{
    if (index <= 1 || index > kCellCount)
        return;
    if (!m_cellTable[size_t(index - 2)].free.isNull())
        raiseForCell(index - 1);
}

void CalendarPage::nextCell(int index)
{
    if (index < 1 || index >= kCellCount)
        return;
    if (!m_cellTable[size_t(index)].free.isNull())
        raiseForCell(index + 1);
}

void CalendarPage::clearAllCells()
{
    for (size_t i = 0; i < m_cells.size(); ++i) {
        m_cells[i].copyFrom(m_blankCell);
        m_cellTable[i].rect = {};
        m_cellTable[i].free = {};
    }
}

bool CalendarPage::cellsStillFit(int kind, int month, int year) const
{
    return layoutKind() == kind
        && (!layoutHasDayCells() || (mainCalMonth() == month && mainCalYear() == year));
}

bool CalendarPage::anyCellHasContents() const
{
    return std::any_of(
        m_cells.begin(), m_cells.end(), [](const TWPRtfStorage &cell) { return !cell.isEmpty(); });
}

void CalendarPage::click(int x, int y, bool objectUnderPoint)
{
    if (m_panelState != psPointing)
        return;
    const int cell = cellAtPoint(x, y);
    if (m_titleHit.contains(x, y) && OnClickedHeader)
        OnClickedHeader();
    if (m_daysAreaHit.contains(x, y) && OnClickedDaysArea)
        OnClickedDaysArea();
    if (cell != 0 && layoutHasDayCells()) {
        if (ClickedInCellEvent && !objectUnderPoint)
            raiseForCell(cell);
        return;
    }
    if (OnClick)
        OnClick();
}
