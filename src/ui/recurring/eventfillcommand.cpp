#include "recurring/eventfillcommand.h"

#include "recurring/selectevents.h"

#include "document/calendardocument.h"
#include "platform/datafolder.h"

namespace EventFillCommand {

bool run(QWidget *parent, CalendarDocument &document, const CalendarFont &defaultFont,
    const CellEditorHook &hook, const QString &firstFile, QString *lastFile, const QString &dataFolder)
{
    const CalendarPage &page = document.page();
    if (!page.layoutHasDayCells())
        return false;
    if (hook.showIconTool)
        hook.showIconTool(false);
    TSelectEvents dialog(page.mainCalYear(), page.mainCalMonth(), firstFile,
        dataFolder.isEmpty() ? DataFolder::path() : dataFolder, parent);
    int placed = 0;
    if (dialog.exec() == QDialog::Accepted) {
        const int current = hook.currentCell ? hook.currentCell() : 0;
        if (hook.closeEditor)
            hook.closeEditor();
        placed = document.fillOccurrences(dialog.selectedOccurrences(), defaultFont);
        if (current > 0 && hook.openEditor)
            hook.openEditor(current);
        if (lastFile && !dialog.fileName().isEmpty())
            *lastFile = dialog.fileName();
    }
    if (hook.showIconTool)
        hook.showIconTool(true);
    return placed > 0;
}

} // namespace EventFillCommand
