#include "app/calendarmain.h"

#include "app/mrufilelist.h"
#include "app/recoverykeeper.h"
#include "base/zoom.h"
#include "document/recoverycopy.h"
#include "icons/floatingpalette.h"
#include "icons/iconlistbox.h"
#include "platform/datafolder.h"
#include "platform/inifile.h"
#include "recurring/recurringlistfile.h"
#include "richtext/celleditbridge.h"
#include "surface/calendarpanel32.h"
#include "widgets/commondialogs.h"
#include "widgets/formplacement.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QPrinterInfo>

// --- start and close -----------------------------------------------------------

void TCalendarMain::FormCreate()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_document->setFileName(QString());
    m_newCalendarPending = false;
    showPage(false);
    m_firstActivation = true;
    createIconTool();
    LoadPreferences();
    setWindowModified(true); // so that SetModified(false) below takes effect
    SetModified(false);
    CalendarPanel->SetScale(Zoom::fromStoredPercent(m_preferences.mainZoomPercent).scale());
    CalendarPanel->page().setCalendarLayout(1);

    RecentFiles = new TMRUFileList(this);
    RecentFiles->setFileMenu(m_menus.FileMenu);
    RecentFiles->setRemoveOnClick(true);
    RecentFiles->setMaximum(5);
    connect(RecentFiles, &TMRUFileList::OnMRUItemClick, this,
        [this](QAction *, const QString &fileName) { OpenRecentFile(fileName); });
    RecentFiles->setAutoSaveName(preferencesFileName());
    RecentFiles->setAutoSaveKey(QStringLiteral("MRU"));
    RecentFiles->setAutoSave(false);
    RecentFiles->Load();

    m_menus.mnuShowHint->setChecked(m_preferences.hintsOn);
    // A delivered starting list becomes the recurring-date list, once.
    QString error;
    if (!RecurringListFile::convertStartingList(DataFolder::path(), &error))
        CommonDialogs::current().warning(this, QStringLiteral("Datewright"), error);
    m_menus.mnuOnLine->menuAction()->setVisible(true);
    SetCaption();
    // The busy cursor stays until the first activation has finished.
}

void TCalendarMain::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_firstActivation)
        FormActivate();
}

void TCalendarMain::FormActivate()
{
    if (!m_firstActivation)
        return;
    IconTool->SelectIconFile(m_preferences.iconFileName.isEmpty()
            ? TFloatingPalette::standardFile(QStringLiteral("MISC1.ICL"))
            : m_preferences.iconFileName);
    IniFile ini(preferencesFileName());
    FormPlacement::RestoreWindowPlacement(this, ini);
    // Asked once the window has been drawn (see eventFilter), so its
    // message sits over the page rather than over an empty screen.
    m_printerCheckPending = true;
    CalendarPanel->page().resetToDefaultStyle();
    // Work a run lost comes before any file: a recovered calendar is the one
    // shown, unsaved.
    const bool recovered = offerRecoveryCopies();
    if (!recovered && !m_startupFile.isEmpty())
        OpenCalendarFile(m_startupFile);
    else if (!recovered && !RecentFiles->files().isEmpty() && QFileInfo::exists(RecentFiles->files().first()))
        OpenCalendarFile(RecentFiles->files().first());
    showPage(recovered || !m_document->fileName().isEmpty());
    m_menus.mnuSave->setEnabled(false);
    SetModified(recovered);
    m_firstActivation = false;
    SetButtons();
    SetCaption();
    QApplication::restoreOverrideCursor();
    CheckFloaterStatus();
    if (m_iconToolWanted)
        showIconTool(true);
    SetButtons();
    CalendarPanel->setSuspendPainting(false);
    CalendarPanel->update();
}

bool TCalendarMain::offerRecoveryCopies()
{
    QStringList damaged;
    const QList<RecoveryCopy::Copy> copies = RecoveryCopy::abandoned(&damaged);
    for (const QString &message : damaged)
        CommonDialogs::current().warning(this, QStringLiteral("Datewright"), message);
    for (const RecoveryCopy::Copy &copy : copies) {
        const QString calendar = copy.header.originalFileName.isEmpty()
            ? QStringLiteral("a new calendar that was never saved")
            : QDir::toNativeSeparators(copy.header.originalFileName);
        const QString when = QLocale().toString(copy.header.written.toLocalTime(), QLocale::ShortFormat);
        const QString text = QStringLiteral("Datewright ended without saving the changes to %1.\n"
                                            "A recovery copy written %2 was kept.\n\n"
                                            "Recover it, discard it, or decide at a later start?")
                                 .arg(calendar, when);
        const int answer = CommonDialogs::current().choose(this, QStringLiteral("Recover Calendar"), text,
            { QStringLiteral("&Recover"), QStringLiteral("&Discard"), QStringLiteral("&Later") }, 0);
        if (answer == 0) {
            // One calendar is shown at a time: the others wait for a later start.
            if (recoverCopy(copy))
                return true;
        } else if (answer == 1) {
            QString error;
            if (!RecoveryCopy::remove(copy.path, &error))
                CommonDialogs::current().warning(this, QStringLiteral("Datewright"), error);
        }
    }
    return false;
}

bool TCalendarMain::recoverCopy(const RecoveryCopy::Copy &copy)
{
    CalendarPanel->setSuspendPainting(true);
    const float restoreScale = CalendarPanel->scale();
    if (restoreScale != 1.0f)
        CalendarPanel->SetScale(1.0f);
    CalendarPanel->setLoading(true);
    QString error;
    const bool restored = RecoveryCopy::restore(copy, *m_document, &error);
    CalendarPanel->HookAllObjects();
    CalendarPanel->setLoading(false);
    if (restoreScale != 1.0f)
        CalendarPanel->SetScale(restoreScale);
    CalendarPanel->setSuspendPainting(false);
    if (!restored) {
        CommonDialogs::current().warning(this, QStringLiteral("Datewright"), error);
        return false;
    }
    m_openedDamaged = false; // a copy that opens is a whole calendar
    // Undo stops at the recovered state, which is still unsaved.
    startHistory(false);
    SetModified(true);
    // The old copy goes only once this run's own is on disk.
    m_recovery->keepNow(copy.path);
    SetButtons();
    SetCaption();
    CalendarPanel->update();
    return true;
}

bool TCalendarMain::CheckPrinters()
{
    const QString unable = QStringLiteral("\r\nUnable to perform printer related operations");
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        // Many desktops never have a printer; the exports work without one,
        // so the user may silence this message for good.
        const QString section = QStringLiteral("Printing"), key = QStringLiteral("HideNoPrinterMessage");
        IniFile ini(preferencesFileName());
        if (ini.readBool(section, key, false))
            return false;
        if (CommonDialogs::current().informationWithOptOut(this, QStringLiteral("Information"),
                QStringLiteral("There are no installed printers.") + unable)
            && !ini.writeBool(section, key, true))
            CommonDialogs::current().warning(this, QStringLiteral("Datewright"), ini.error());
        return false;
    }
    // A printer without a default is something to set up, not to silence.
    if (QPrinterInfo::defaultPrinterName().isEmpty()) {
        CommonDialogs::ShowInformation(
            this, QStringLiteral("There is no default printer selected.") + unable);
        return false;
    }
    return true;
}

void TCalendarMain::closeEvent(QCloseEvent *event)
{
    // Closing proceeds unless unsaved changes could not be saved: losing
    // them silently would be worse than staying open.
    if (!CheckSaveNeeded()) {
        event->ignore();
        return;
    }
    FormClose();
    // Closing without saving gives the changes up, and the copy with them.
    m_recovery->discard();
    m_recovery->waitForWorker();
    event->accept();
}

void TCalendarMain::FormClose()
{
    m_preferences.mainZoomPercent = Zoom(CalendarPanel->scale()).storedPercent();
    SavePreferences();
    IniFile ini(preferencesFileName());
    FormPlacement::SaveWindowPlacement(this, ini);
    showIconTool(false);
}

void TCalendarMain::Exit1Click()
{
    close();
}

// --- preferences ---------------------------------------------------------------

QString TCalendarMain::preferencesFileName() const
{
    return Preferences::fileName();
}

void TCalendarMain::LoadPreferences()
{
    m_preferences.load(IniFile(preferencesFileName()));
    m_iconToolWanted = m_preferences.iconToolWanted;
    m_menus.mnuShowHint->setChecked(m_preferences.hintsOn);
    m_cellEditing->setDefaultFont(m_preferences.defaultEditorFont);
    m_recovery->setInterval(m_preferences.recoveryIntervalSeconds);
}

bool TCalendarMain::SavePreferences()
{
    m_preferences.defaultEditorFont = m_cellEditing->defaultFont();
    m_preferences.iconToolWanted = iconToolShowing();
    m_preferences.iconFileName = IconTool->IconListBox->FileName();
    m_preferences.hintsOn = m_menus.mnuShowHint->isChecked();
    IniFile ini(preferencesFileName());
    if (m_preferences.save(ini))
        return true;
    CommonDialogs::current().warning(this, QStringLiteral("Datewright"), ini.error());
    return false;
}
