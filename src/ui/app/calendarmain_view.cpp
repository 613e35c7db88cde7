#include "app/calendarmain.h"

#include "app/recoverykeeper.h"
#include "base/zoom.h"
#include "richtext/celleditbridge.h"
#include "richtext/wprichtext.h"
#include "richtext/wptoolbar.h"
#include "surface/calendarpanel32.h"

#include <QApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QScrollArea>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>

// --- state shown in the window -------------------------------------------------

bool TCalendarMain::pageShown() const
{
    return !CalendarPanel->isHidden();
}

void TCalendarMain::showPage(bool shown)
{
    CalendarPanel->setVisible(shown);
    m_noCalendarHint->setVisible(!shown);
    fitScrollArea();
}

void TCalendarMain::fitScrollArea()
{
    QWidget *holder = ScrollBox2->widget();
    holder->layout()->activate();
    holder->adjustSize();
    // The hint stays in the middle of whatever the window shows.
    if (!m_noCalendarHint->isHidden())
        holder->resize(holder->size().expandedTo(ScrollBox2->viewport()->size()));
}

void TCalendarMain::SetModified(bool modified)
{
    if (modified)
        scheduleRecord();
    else if (m_recovery)
        m_recovery->discard(); // saved, reopened or given up: the copy goes
    m_document->setModified(modified);
    if (modified == isWindowModified())
        return;
    setWindowModified(modified);
    SetButtons();
}

void TCalendarMain::SetButtons()
{
    const MainMenus &m = m_menus;
    const bool shown = pageShown();
    const bool dayCells = shown && CalendarPanel->page().layoutHasDayCells();
    const bool named = !m_document->fileName().isEmpty();
    m.mnuFillCalendarwithRecurringDates->setEnabled(dayCells);
    m.mnuFillFromICalendar->setEnabled(dayCells);
    m.mnuUserTitle->setEnabled(dayCells);
    m.mnuClearAllCellContents->setEnabled(dayCells);
    m.ShowHideIconTool->setEnabled(dayCells);
    m.mnuSave->setEnabled(named);
    // Never both enabled: two actions on one key would both be ignored.
    m.SaveNewKey->setEnabled(shown && !named);
    WPToolBar1->setEnabled(shown && m_cellEditing->EditingCell());
    for (QAction *action : { m.mnuSaveAs, m.mnuProperties, m.PropertiesButton, m.mnuPrintSetup,
             m.ZoomMinusButton, m.ZoomPlusButton, m.mnuSaveAsBitmap, m.mnuSaveAsJPG, m.mnuExportPdf,
             m.mnuExportPng, m.mnuPreviousMonth, m.mnuNextMonth, m.mnuExportMonthsPdf, m.mnuExportMonthsPng })
        action->setEnabled(shown);
    m.mnuPrintCalendar->setEnabled(shown && m_printerReady);
    m.Printbutton->setEnabled(m.mnuPrintCalendar->isEnabled());
    m.mnuPrintMonths->setEnabled(m.mnuPrintCalendar->isEnabled());
    m.mnuCancelChanges->setEnabled(shown && named);
    updateUndoActions();
    m.Savebutton->setVisible(m_document->isModified());
    m.CancelButton->setVisible(m_document->isModified() && named);
    m.ShowHideIconTool->setText(
        iconToolShowing() ? QStringLiteral("Hide Icon Tool") : QStringLiteral("Show Icon Tool"));
}

void TCalendarMain::SetCaption()
{
    // "[*]" shows the platform's unsaved-changes mark while modified.
    QString caption = QStringLiteral("Datewright[*]");
    if (!m_document->fileName().isEmpty())
        caption += QStringLiteral("  [%1]").arg(QFileInfo(m_document->fileName()).fileName());
    caption += QStringLiteral("    [%1%]").arg(Zoom(CalendarPanel->scale()).shownPercent());
    setWindowTitle(caption);
}

// --- zoom and keys -------------------------------------------------------------

void TCalendarMain::ZoomPlusButtonClick()
{
    stepZoom(+1);
}

void TCalendarMain::ZoomMinusButtonClick()
{
    stepZoom(-1);
}

void TCalendarMain::stepZoom(int direction)
{
    // From a hair above 50% up to a hair above 100%, in steps of 0.1.
    const float scale = CalendarPanel->scale();
    if (direction > 0 ? scale > 0.95f : scale <= 0.6f)
        return;
    closeCellEditor();
    CalendarPanel->SetScale(scale + (direction > 0 ? 0.1f : -0.1f));
    SetCaption();
}

void TCalendarMain::zoomToActualSize()
{
    if (!m_menus.ZoomPlusButton->isEnabled())
        return;
    closeCellEditor();
    CalendarPanel->SetScale(Zoom::fromStoredPercent(100).scale());
    SetCaption();
}

bool TCalendarMain::pageAreaEvent(QWidget *watched, QEvent *event)
{
    if (watched != ScrollBox2 && !ScrollBox2->isAncestorOf(watched))
        return false;
    if (event->type() == QEvent::MouseButtonPress && watched != CalendarPanel
        && !CalendarPanel->isAncestorOf(watched)) {
        closeCellEditor();
        return false;
    }
    if (event->type() != QEvent::Wheel)
        return false;
    const auto *wheel = static_cast<QWheelEvent *>(event);
    if (!(wheel->modifiers() & Qt::ControlModifier) || wheel->angleDelta().y() == 0)
        return false;
    if (m_menus.ZoomPlusButton->isEnabled())
        stepZoom(wheel->angleDelta().y() > 0 ? +1 : -1);
    return true; // Ctrl+wheel never scrolls
}

bool TCalendarMain::eventFilter(QObject *watched, QEvent *event)
{
    // Hints off: no tool tips anywhere in the program.
    if (event->type() == QEvent::ToolTip && !m_menus.mnuShowHint->isChecked())
        return true;
    // Undo belongs to the cell editor while it is open.
    if (watched == WPRichText1 && (event->type() == QEvent::Show || event->type() == QEvent::Hide))
        updateUndoActions();
    if (event->type() == QEvent::Paint && m_printerCheckPending && watched->isWidgetType()
        && static_cast<QWidget *>(watched)->window() == this) {
        m_printerCheckPending = false;
        QTimer::singleShot(0, this, [this] {
            m_printerReady = CheckPrinters();
            SetButtons();
        });
    }
    if (watched->isWidgetType() && pageAreaEvent(static_cast<QWidget *>(watched), event))
        return true;
    // Page Down and Page Up zoom wherever the focus is in this window, and
    // the focused control still gets the key. A key event passes the filter
    // once per widget it propagates to: act on its first stop only.
    if (event->type() != QEvent::KeyPress || !isActiveWindow())
        return false;
    QWidget *firstStop = QApplication::focusWidget() ? QApplication::focusWidget() : this;
    if (watched != firstStop)
        return false;
    const auto *keyEvent = static_cast<QKeyEvent *>(event);
    // With Ctrl the keys go to another month.
    if (keyEvent->modifiers() & Qt::ControlModifier)
        return false;
    const int key = keyEvent->key();
    if (key == Qt::Key_PageDown)
        ZoomPlusButtonClick();
    else if (key == Qt::Key_PageUp)
        ZoomMinusButtonClick();
    return false;
}
