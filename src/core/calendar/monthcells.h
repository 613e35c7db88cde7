#pragma once

#include <QByteArray>
#include <QMap>

class TReader;
class TWriter;

// Cell texts typed into months other than the one a page shows, so that a
// calendar holds a whole year of appointments: RTF by day, by month
// (keyed year * 12 + month - 1).
using MonthCells = QMap<int, QMap<int, QByteArray>>;

[[nodiscard]] constexpr int monthCellsKey(int year, int month)
{
    return year * 12 + month - 1;
}

// The block version 5 calendar files carry after the page extras when other
// months hold text: a list of months, each its year, month, and pairs of day
// and cell text.
namespace MonthCellsBlock {

void write(TWriter &writer, const MonthCells &months);
// False, with months left as they were, when the block is cut short or holds
// a month or day no calendar has; nothing is thrown.
[[nodiscard]] bool read(TReader &reader, MonthCells &months);

} // namespace MonthCellsBlock
