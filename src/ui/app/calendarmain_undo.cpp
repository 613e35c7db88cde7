// The undo history of the calendar shown: steps are recorded after the
// command that made them, named by it, and undone or redone whole.
#include "app/calendarmain.h"

#include "richtext/celleditbridge.h"
#include "surface/calendarpanel32.h"
#include "surface/vhandle.h"

#include <QAction>
#include <QApplication>
#include <QTimer>

#include <utility>

namespace {
constexpr int kModalRecheckMs = 50;
}

void TCalendarMain::setupUndo()
{
    DocumentHistory &history = m_document->history();
    connect(&history, &DocumentHistory::aboutToRestore, this,
        [this] { CalendarPanel->handle().ClearSelection(); });
    connect(&history, &DocumentHistory::restored, this, &TCalendarMain::historyRestored);
    connect(&history.stack(), &QUndoStack::indexChanged, this, &TCalendarMain::updateUndoActions);
    // Undone back to what is on disk: nothing to save; any other step: changed.
    connect(&history.stack(), &QUndoStack::cleanChanged, this, [this](bool clean) { SetModified(!clean); });
    connect(m_menus.mnuUndo, &QAction::triggered, this, &TCalendarMain::UndoClick);
    connect(m_menus.mnuRedo, &QAction::triggered, this, &TCalendarMain::RedoClick);
    connect(m_cellEditing, &CellEditBridge::cellStored, this, [this] {
        nameNextChange(tr("Typing"));
        scheduleRecord();
        updateUndoActions(); // the editor's own undo has ended
    });
    updateUndoActions();
}

void TCalendarMain::nameNextChange(const QString &name)
{
    if (m_pendingChange.isEmpty())
        m_pendingChange = name;
}

void TCalendarMain::scheduleRecord()
{
    if (std::exchange(m_recordScheduled, true))
        return;
    QTimer::singleShot(0, this, [this] {
        if (m_recordScheduled)
            recordChange();
    });
}

void TCalendarMain::recordChange()
{
    // A change that asks on (placing a label asks for its text) is one step
    // with the answer: record once the dialog has closed.
    if (QApplication::activeModalWidget()) {
        QTimer::singleShot(kModalRecheckMs, this, [this] {
            if (m_recordScheduled)
                recordChange();
        });
        return;
    }
    m_recordScheduled = false;
    const TVBasePanel::ChangeName surface = CalendarPanel->takeChangeName();
    QString name = std::exchange(m_pendingChange, QString());
    const DocumentHistory::Burst burst = name.isEmpty() ? surface.burst : DocumentHistory::NoBurst;
    if (name.isEmpty())
        name = surface.name.isEmpty() ? tr("Change") : surface.name;
    if (pageShown())
        m_document->history().record(name, burst);
}

void TCalendarMain::startHistory(bool saved)
{
    m_recordScheduled = false;
    m_pendingChange.clear();
    static_cast<void>(CalendarPanel->takeChangeName()); // a name left from before is dropped
    m_document->history().reset();
    // A new calendar was never saved: undoing back to its start leaves it
    // as unsaved as it was.
    if (!saved)
        m_document->history().stack().resetClean();
}

void TCalendarMain::UndoClick()
{
    if (m_cellEditing->EditingCell())
        return;
    if (m_recordScheduled)
        recordChange();
    m_document->history().stack().undo();
}

void TCalendarMain::RedoClick()
{
    if (m_cellEditing->EditingCell())
        return;
    m_document->history().stack().redo();
}

void TCalendarMain::historyRestored()
{
    CalendarPanel->HookAllObjects();
    CalendarPanel->update();
    CheckFloaterStatus();
    SetButtons();
    SetCaption();
}

void TCalendarMain::updateUndoActions()
{
    const QUndoStack &stack = m_document->history().stack();
    const bool free = pageShown() && !m_cellEditing->EditingCell();
    m_menus.mnuUndo->setEnabled(free && stack.canUndo());
    m_menus.mnuRedo->setEnabled(free && stack.canRedo());
    m_menus.mnuUndo->setText(stack.canUndo() ? tr("&Undo %1").arg(stack.undoText()) : tr("&Undo"));
    m_menus.mnuRedo->setText(stack.canRedo() ? tr("&Redo %1").arg(stack.redoText()) : tr("&Redo"));
    m_menus.mnuUndo->setToolTip(m_menus.mnuUndo->text().remove(QLatin1Char('&')));
    m_menus.mnuRedo->setToolTip(m_menus.mnuRedo->text().remove(QLatin1Char('&')));
}
