#include "app/calendarmain.h"

#include "app/preferencesdialog.h"
#include "app/recoverykeeper.h"
#include "base/zoom.h"
#include "icons/floatingpalette.h"
#include "platform/inifile.h"
#include "properties/calendarproperties.h"
#include "properties/usertitleform.h"
#include "recurring/editrecurringdates.h"
#include "recurring/eventfillcommand.h"
#include "recurring/recurringfillcommand.h"
#include "richtext/celleditbridge.h"
#include "surface/calendarpanel32.h"
#include "widgets/commondialogs.h"
#include "widgets/formplacement.h"
#include "widgets/helpviewer.h"

TCalendarMain::IconToolAside::IconToolAside(TCalendarMain &window)
    : m_window(window)
{
    if (m_window.m_iconToolWanted)
        m_window.showIconTool(false);
}

TCalendarMain::IconToolAside::~IconToolAside()
{
    if (m_window.m_iconToolWanted)
        m_window.showIconTool(true);
}

// --- tools, hints, icon tool, fonts --------------------------------------------

void TCalendarMain::createIconTool()
{
    IconTool = new TFloatingPalette(this);
    // The caption of the show/hide button follows the palette however it
    // went; closed by the user, it is no longer wanted.
    connect(IconTool, &TFloatingPalette::hidden, this, &TCalendarMain::SetButtons);
    connect(IconTool, &TFloatingPalette::closedByUser, this, [this] { m_iconToolWanted = false; });
}

bool TCalendarMain::iconToolShowing() const
{
    return IconTool && IconTool->isVisible();
}

void TCalendarMain::showIconTool(bool shown)
{
    IconTool->setVisible(shown);
}

void TCalendarMain::closeCellEditor()
{
    m_cellEditing->DoSaveRichtext();
}

void TCalendarMain::CheckFloaterStatus()
{
    if (!CalendarPanel->HasDayCells()) {
        m_iconToolWanted = false;
        showIconTool(false);
    } else if (m_iconToolWanted && !iconToolShowing()) {
        showIconTool(true);
    }
}

void TCalendarMain::ShowHideIconToolClick()
{
    m_iconToolWanted = !iconToolShowing();
    showIconTool(m_iconToolWanted);
    SetButtons();
}

void TCalendarMain::mnuShowHintClick()
{
    // The action toggled its own check mark already.
    m_preferences.hintsOn = m_menus.mnuShowHint->isChecked();
    SavePreferences();
}

void TCalendarMain::DefaultEditorFont1Click()
{
    LoadPreferences();
    CalendarFont font = m_preferences.defaultEditorFont;
    if (CommonDialogs::chooseCalendarFont(this, font)) {
        m_cellEditing->setDefaultFont(font);
        SavePreferences();
    }
    SetDefaultFontNow();
}

void TCalendarMain::mnuPreferencesClick()
{
    const IconToolAside aside(*this);
    PreferencesDialog dialog(m_preferences, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    dialog.applyTo(m_preferences);
    m_recovery->setInterval(m_preferences.recoveryIntervalSeconds);
    SavePreferences();
}

void TCalendarMain::SetDefaultFontNow()
{
    m_cellEditing->SetDefaultFontNow();
}

// --- months -----------------------------------------------------------------

void TCalendarMain::stepMonth(int direction)
{
    if (!pageShown())
        return;
    // Typing in the editor belongs to the month it was typed in, and is a
    // step of its own.
    closeCellEditor();
    if (m_recordScheduled)
        recordChange();
    const CalendarPage &page = CalendarPanel->page();
    const int index = page.mainCalYear() * 12 + page.mainCalMonth() - 1 + direction;
    const int year = index / 12;
    const int month = index % 12 + 1;
    m_document->moveToMonth(year, month);
    if (page.mainCalYear() != year || page.mainCalMonth() != month)
        return; // beyond the years a calendar can show
    nameNextChange(direction < 0 ? tr("Previous Month") : tr("Next Month"));
    SetModified(true);
    CalendarPanel->update();
    CheckFloaterStatus();
}

// --- properties, title, recurring dates ----------------------------------------

void TCalendarMain::mnuPropertiesClick()
{
    propertiesDialog();
    SetButtons();
    SavePreferences();
}

void TCalendarMain::propertiesDialog()
{
    const IconToolAside aside(*this);
    closeCellEditor();
    // Typing just ended is a step of its own, before the dialog's.
    if (m_recordScheduled)
        recordChange();
    CalendarPage &page = CalendarPanel->page();

    // The dialog takes its place (stored, or centred) when it first shows.
    TCalendarProperties dialog(page, this);
    IniFile placement(preferencesFileName());
    dialog.setPlacementFile(&placement);
    dialog.setPreviewScale(Zoom::fromStoredPercent(m_preferences.previewZoomPercent).scale());
    if (m_newCalendarPending) {
        dialog.ResetToDefaults = true;
        dialog.WarnOnLayoutKindChange = false;
        dialog.WarnOnGeometryChange = false;
    } else if (pageShown()) {
        dialog.WarnOnGeometryChange = !m_document->objects().children().empty();
    } else {
        dialog.WarnOnLayoutKindChange = false;
    }
    connect(&dialog, &TCalendarProperties::helpRequested, this, &HelpViewer::ShowHelpContext);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    m_propertiesAccepted = false;
    m_preferences.previewZoomPercent = Zoom(dialog.previewScale()).storedPercent();
    if (accepted) {
        nameNextChange(tr("Calendar Properties"));
        // Another month on the same kind of layout: the month left keeps its
        // cells and the one arrived at gets its own back, so nothing is lost.
        const CalendarPage &chosen = dialog.preview();
        if (pageShown() && chosen.layoutKind() == page.layoutKind()
            && (chosen.mainCalMonth() != page.mainCalMonth() || chosen.mainCalYear() != page.mainCalYear())) {
            m_document->moveToMonth(chosen.mainCalYear(), chosen.mainCalMonth());
            SetModified(true);
        }
        if (dialog.applyToPage(pageShown()))
            SetModified(true);
        m_propertiesAccepted = true;
    }
    m_newCalendarPending = false;
    CalendarPanel->update();
    CheckFloaterStatus();
}

void TCalendarMain::mnuUserTitleClick()
{
    TUserTitleForm form(this);
    form.loadFrom(CalendarPanel->page());
    FormPlacement::CenterForm(&form);
    if (form.exec() == QDialog::Accepted) {
        form.applyTo(CalendarPanel->page());
        nameNextChange(tr("User Defined Title"));
        SetModified(true);
    }
}

void TCalendarMain::mnuEditrecurringDatesClick()
{
    const IconToolAside aside(*this);
    TEditRecurringDates dialog(QString(), this);
    FormPlacement::CenterForm(&dialog);
    dialog.exec();
}

CellEditorHook TCalendarMain::fillHook()
{
    CellEditorHook hook;
    hook.currentCell = [this] { return m_cellEditing->CurrentCell(); };
    hook.closeEditor = [this] { closeCellEditor(); };
    hook.openEditor = [this](int cell) { CalendarPanel->page().raiseForCell(cell); };
    hook.showIconTool = [this](bool visible) {
        if (m_iconToolWanted)
            showIconTool(visible);
    };
    return hook;
}

void TCalendarMain::mnuFillCalendarwithRecurringDatesClick()
{
    const CellEditorHook hook = fillHook();
    if (RecurringFillCommand::run(this, *m_document, m_cellEditing->defaultFont(), hook)) {
        nameNextChange(tr("Fill Calendar"));
        SetModified(true);
        CalendarPanel->update();
    }
}

void TCalendarMain::mnuFillFromICalendarClick(const QString &fileName)
{
    if (!pageShown())
        return;
    const CellEditorHook hook = fillHook();
    const QString first = fileName.isEmpty() ? m_preferences.eventsFileName : fileName;
    QString used;
    const bool filled
        = EventFillCommand::run(this, *m_document, m_cellEditing->defaultFont(), hook, first, &used);
    if (!used.isEmpty() && used != m_preferences.eventsFileName) {
        m_preferences.eventsFileName = used;
        SavePreferences();
    }
    if (filled) {
        nameNextChange(tr("Fill from iCalendar File"));
        SetModified(true);
        CalendarPanel->update();
    }
}
