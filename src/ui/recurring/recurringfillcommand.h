#pragma once

#include <QString>

#include <functional>

class CalendarDocument;
class QWidget;
struct CalendarFont;

// What the fill command needs from the window that hosts the cell editor.
// Any hook may be left empty.
struct CellEditorHook
{
    std::function<int()> currentCell; // the cell last opened, 0 for none
    std::function<void()> closeEditor; // store the editor's text into its cell and hide it
    std::function<void(int cell)> openEditor; // open the editor on a cell again
    std::function<void(bool visible)> showIconTool;
};

// "Fill Calendar with Recurring Dates": offers the entries of the user's
// list that may fall in the month the page shows, and appends each chosen
// event as a paragraph of its own to the cells of its days.
namespace RecurringFillCommand {

// True when the page's cells were changed (the document is then modified).
// A missing list does nothing at all; a list with nothing for the month says so.
bool run(QWidget *parent, CalendarDocument &document, const CalendarFont &defaultFont,
    const CellEditorHook &hook, const QString &folder = QString());

// The step after the dialog: stores the edited cell first, applies the
// entries in order, then reopens the editor on the cell it was on.
int apply(CalendarDocument &document, const QStringList &entries, const CalendarFont &defaultFont,
    const CellEditorHook &hook);

} // namespace RecurringFillCommand
