#pragma once

// Pascal-case members are the program's documented names and stay as
// documented; everything else follows Qt naming.

#include "app/mainmenus.h"
#include "document/calendardocument.h"
#include "platform/preferences.h"
#include "recurring/recurringfillcommand.h"
#include "stream/component.h"
#include "widgets/commondialogs.h"

#include <QMainWindow>
#include <QString>

#include <memory>

class PrintCommands;
class RecoveryKeeper;
namespace RecoveryCopy {
struct Copy;
}
class QLabel;
class QScrollArea;
class TCalendarPanel32;
class TFloatingPalette;
class CellEditBridge;
class TMRUFileList;
class TWPRichText;
class TWPToolBar;

// The program's one main window: the calendar page in a scroll box, the
// cell editor over it, the menus and tool bar, the document commands and
// the recent files, and the preferences in DW.ini.
//
// The page stays hidden until a calendar exists: after New is accepted, or
// a file was opened (at start the newest recent file opens by itself).
class TCalendarMain : public QMainWindow
{
    Q_OBJECT

public:
    explicit TCalendarMain(QWidget *parent = nullptr);
    ~TCalendarMain() override;

    [[nodiscard]] TCalendarPanel32 *calendarPanel() const { return CalendarPanel; }
    [[nodiscard]] const MainMenus &menus() const { return m_menus; }
    [[nodiscard]] QAction *zoomInAction() const { return m_menus.ZoomPlusButton; }
    [[nodiscard]] QAction *zoomOutAction() const { return m_menus.ZoomMinusButton; }
    [[nodiscard]] TWPRichText *cellEditor() const { return WPRichText1; }
    [[nodiscard]] TWPToolBar *cellToolBar() const { return WPToolBar1; }
    [[nodiscard]] CellEditBridge *cellEditing() const { return m_cellEditing; }
    [[nodiscard]] TMRUFileList *recentFiles() const { return RecentFiles; }
    // The calendar shown: its page, its placed objects (their owner and
    // parent) and its undo history.
    [[nodiscard]] CalendarDocument &document() { return *m_document; }
    [[nodiscard]] TComponent &placedObjects() { return m_document->objects(); }

    [[nodiscard]] bool Modified() const { return m_document->isModified(); }
    [[nodiscard]] const QString &CalendarFileName() const { return m_document->fileName(); }
    [[nodiscard]] bool pageShown() const;
    [[nodiscard]] bool PrinterReady() const { return m_printerReady; }
    [[nodiscard]] bool IconToolWanted() const { return m_iconToolWanted; }
    [[nodiscard]] bool iconToolShowing() const;
    [[nodiscard]] TFloatingPalette *iconTool() const { return IconTool; }
    [[nodiscard]] const Preferences &preferences() const { return m_preferences; }
    // Print Calendar, Print Setup and the PDF and PNG exports, with the
    // printer kept for the run.
    [[nodiscard]] PrintCommands &printing() const { return *m_printing; }
    // The recovery copy of unsaved changes.
    [[nodiscard]] RecoveryKeeper &recovery() const { return *m_recovery; }

    // A calendar named on the command line: opened at start instead of the
    // newest recent file.
    void setStartupFile(const QString &fileName) { m_startupFile = fileName; }
    // Another start of the program asked this copy to come forward, maybe
    // with a calendar to open.
    void activateFromOtherStart(const QStringList &files);

public slots:
    // Document commands.
    void New1Click();
    void Open1Click();
    void mnuSaveClick();
    void mnuSaveAsClick();
    void SavebuttonClick();
    void mnuCancelChangesClick();
    void Exit1Click();
    void OpenCalendarFile(const QString &fileName);
    // False when the file could not be written (the user was told why).
    bool SaveCalendarFile(const QString &fileName);
    // Offers to save unsaved changes; false when that save failed, so the
    // command that asked must stop instead of dropping the changes.
    bool CheckSaveNeeded();

    // Other commands.
    void mnuPropertiesClick();
    void mnuUserTitleClick();
    void DefaultEditorFont1Click();
    void mnuPreferencesClick();
    void mnuShowHintClick();
    void mnuEditrecurringDatesClick();
    void mnuFillCalendarwithRecurringDatesClick();
    // The first file offered is the given one, else the one used last.
    void mnuFillFromICalendarClick(const QString &fileName = QString());
    void ShowHideIconToolClick();
    void VisitOurInternetW1Click();
    void Contents1Click();
    void ConfigurationInformation1Click();
    void About1Click();
    // View > Previous Month and Next Month (direction -1 or +1): the page
    // shows the neighbouring month, each month keeping its typed cells.
    void stepMonth(int direction);
    void ZoomPlusButtonClick();
    void ZoomMinusButtonClick();
    // Edit > Undo and Redo; nothing while the cell editor is open, which
    // has its own.
    void UndoClick();
    void RedoClick();

    void SetModified(bool modified);
    // The design surface reports a changed object and a placed one.
    void CalendarPanelLabelChangedEvent();
    void CalendarPanelDroppedObjectEvent();
    void SetButtons();
    void SetCaption();
    void LoadPreferences();
    // False when DW.ini cannot be written; the user is told.
    bool SavePreferences();
    void CheckFloaterStatus();
    void SetDefaultFontNow();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    friend class PrintCommands;

    // Keeps the icon tool out of the way while a dialog is up and brings it
    // back afterwards, if the user wants it.
    class IconToolAside
    {
    public:
        explicit IconToolAside(TCalendarMain &window);
        ~IconToolAside();
        IconToolAside(const IconToolAside &) = delete;
        IconToolAside &operator=(const IconToolAside &) = delete;

    private:
        TCalendarMain &m_window;
    };

    void FormCreate();
    void createIconTool();
    void showIconTool(bool shown);
    void FormActivate();
    void FormClose();
    void setupCellEditing();
    void connectCommands();
    void fitScrollArea();
    // One zoom step in or out (direction +1 or -1), within the window's limits.
    void stepZoom(int direction);
    // Ctrl+0: the 100% step.
    void zoomToActualSize();
    // Ctrl+wheel over the page zooms; a press beside the page ends cell editing.
    bool pageAreaEvent(QWidget *watched, QEvent *event);
    void closeCellEditor();
    // How the fill commands reach the cell editor and the icon tool.
    [[nodiscard]] CellEditorHook fillHook();
    void showPage(bool shown);
    // The undo history: each change the window is told of becomes one step
    // once the command that made it has finished.
    void setupUndo();
    void nameNextChange(const QString &name);
    void scheduleRecord();
    void recordChange();
    void startHistory(bool saved);
    void historyRestored();
    void updateUndoActions();
    void setupEditCommands();
    // Enabled by the editor's selection and clipboard, or by the page's.
    void updateEditActions();
    void OpenRecentFile(const QString &fileName);
    void saveImageAs(bool jpeg);
    // A save dialog's request for an export: the calendar's folder and name
    // (or the month's) with the given extension.
    [[nodiscard]] CommonDialogs::FileRequest exportRequest(
        const QString &title, const QString &extension, const QString &filter) const;
    void propertiesDialog();
    bool CheckPrinters();
    // Copies left by runs that ended without saving: each offered to
    // recover, discard or keep for later; true when one was recovered.
    bool offerRecoveryCopies();
    bool recoverCopy(const RecoveryCopy::Copy &copy);
    [[nodiscard]] QString proposedFileName() const;
    [[nodiscard]] QString preferencesFileName() const;

    // Before the page widget, which shows the document's page.
    std::unique_ptr<CalendarDocument> m_document;
    TCalendarPanel32 *CalendarPanel;
    QScrollArea *ScrollBox2;
    QLabel *m_noCalendarHint = nullptr;
    MainMenus m_menus;
    TWPToolBar *WPToolBar1 = nullptr;
    TWPRichText *WPRichText1 = nullptr;
    TWPRichText *MASTERWPRICHTEXT = nullptr;
    CellEditBridge *m_cellEditing = nullptr;
    TMRUFileList *RecentFiles = nullptr;
    TFloatingPalette *IconTool = nullptr;
    Preferences m_preferences;
    PrintCommands *m_printing = nullptr;
    RecoveryKeeper *m_recovery = nullptr;
    bool m_recoveryWarned = false; // a failed copy is told once a run
    // The calendar's file opened damaged: saves go to a new name, so the
    // file keeps what could not be read.
    bool m_openedDamaged = false;

    QString m_startupFile;
    QString m_pendingChange; // the name of the step being made
    bool m_recordScheduled = false;
    bool m_firstActivation = true;
    bool m_newCalendarPending = false;
    bool m_propertiesAccepted = false;
    bool m_printerReady = false;
    bool m_printerCheckPending = false;
    bool m_iconToolWanted = true;
};
