#pragma once

#include <QtGlobal>

class QTextDocument;

// Tables from word processors are sized for a sheet of paper; a day cell
// is a fraction of that. Tables wider than the text are laid out at the
// text's width with their columns in the same proportions, and their cells'
// text wraps. The widths the table came with stay on the table, so writing
// it out gives them back unchanged.
namespace RichTextTables {

// The table-format property that keeps the columns' own widths (a list of
// doubles, layout units) while the table is fitted.
constexpr int kColumnWidthsProperty = 0x100000 + 2; // QTextFormat::UserProperty + 2

// Fits every table wider than width to it; a table that fits, or fits
// again at a new width, keeps its own column widths.
void fitToWidth(QTextDocument &document, qreal width);

} // namespace RichTextTables
