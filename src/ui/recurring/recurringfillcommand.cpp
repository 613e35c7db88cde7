#include "recurring/recurringfillcommand.h"

#include "recurring/recurringmessages.h"
#include "recurring/selectrecurringdates.h"

#include "document/calendardocument.h"
#include "platform/datafolder.h"
#include "recurring/recurringlistfile.h"
#include "recurring/recurringplacements.h"

#include <QFileInfo>

namespace RecurringFillCommand {

namespace {

void showIconTool(const CellEditorHook &hook, bool visible)
{
    if (hook.showIconTool)
        hook.showIconTool(visible);
}

} // namespace

int apply(CalendarDocument &document, const QStringList &entries, const CalendarFont &defaultFont,
    const CellEditorHook &hook)
{
    const int current = hook.currentCell ? hook.currentCell() : 0;
    if (hook.closeEditor)
        hook.closeEditor();
    const int placed = document.fillEntries(entries, defaultFont);
    if (current > 0 && hook.openEditor)
        hook.openEditor(current);
    return placed;
}

bool run(QWidget *parent, CalendarDocument &document, const CalendarFont &defaultFont,
    const CellEditorHook &hook, const QString &folder)
{
    const CalendarPage &page = document.page();
    const QString path = RecurringListFile::listPath(folder.isEmpty() ? DataFolder::path() : folder);
    if (!QFileInfo::exists(path))
        return false;
    showIconTool(hook, false);
    QStringList entries;
    QString error;
    if (!RecurringListFile::read(path, &entries, &error)) {
        RecurringMessages::ShowError(parent, error);
        showIconTool(hook, true);
        return false;
    }
    const QStringList candidates
        = RecurringPlacements::CandidatesForMonth(entries, page.mainCalYear(), page.mainCalMonth());
    if (candidates.isEmpty()) {
        RecurringMessages::ShowInformation(
            parent, QStringLiteral("No predefined dates match the current month"));
        showIconTool(hook, true);
        return false;
    }
    TSelectRecurringDates dialog(candidates, parent);
    const bool chosen = dialog.exec() == QDialog::Accepted;
    const int placed = chosen ? apply(document, dialog.selectedEntries(), defaultFont, hook) : 0;
    showIconTool(hook, true);
    return placed > 0;
}

} // namespace RecurringFillCommand
