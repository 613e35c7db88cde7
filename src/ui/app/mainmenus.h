#pragma once

class QAction;
class QActionGroup;
class QMainWindow;
class QMenu;
class QToolBar;
class QToolButton;

// The main window's menus and its tool bar "Panel3", with their exact
// captions, separators, shortcuts and hints. Building them apart from the
// window keeps the window's file about what the commands do.
struct MainMenus
{
    QMenu *FileMenu = nullptr;
    QAction *New1 = nullptr;
    QAction *Open1 = nullptr;
    QAction *mnuSave = nullptr;
    // Save's key on a calendar without a file, where Save is disabled: it
    // asks for a name as the Save button does. In no menu.
    QAction *SaveNewKey = nullptr;
    QAction *mnuSaveAs = nullptr;
    QAction *mnuSaveAsBitmap = nullptr;
    QAction *mnuSaveAsJPG = nullptr;
    // The printed page as a file, for desktops without a printer.
    QAction *mnuExportPdf = nullptr;
    QAction *mnuExportPng = nullptr;
    // One design for a run of months: printed as one job, or as a PDF, or a
    // picture per month.
    QAction *mnuPrintMonths = nullptr;
    QAction *mnuExportMonthsPdf = nullptr;
    QAction *mnuExportMonthsPng = nullptr;
    QAction *mnuProperties = nullptr;
    QAction *mnuUserTitle = nullptr;
    QAction *mnuCancelChanges = nullptr;
    QAction *mnuClearAllCellContents = nullptr;
    QAction *DefaultEditorFont1 = nullptr;
    QAction *mnuPreferences = nullptr;
    QAction *mnuFillCalendarwithRecurringDates = nullptr;
    QAction *mnuEditrecurringDates = nullptr;
    // The cells filled from an iCalendar file or a shipped holiday calendar.
    QAction *mnuFillFromICalendar = nullptr;
    QAction *mnuPrintCalendar = nullptr;
    QAction *mnuPrintSetup = nullptr;
    QAction *Exit1 = nullptr;
    QMenu *EditMenu = nullptr;
    // Undo and redo of the calendar's last change ("Undo Move"); also on the tool bar.
    QAction *mnuUndo = nullptr;
    QAction *mnuRedo = nullptr;
    // On the text of the cell being edited, else on the page's objects.
    QAction *mnuCut = nullptr;
    QAction *mnuCopy = nullptr;
    QAction *mnuPaste = nullptr;
    QAction *mnuDelete = nullptr;
    QAction *mnuSelectAll = nullptr;
    QMenu *ViewMenu = nullptr;
    // The page shows the month before or after, each month keeping its cells.
    QAction *mnuPreviousMonth = nullptr;
    QAction *mnuNextMonth = nullptr;
    QMenu *mnuOnLine = nullptr;
    QAction *VisitOurInternetW1 = nullptr;
    QMenu *Help1 = nullptr;
    QAction *Contents1 = nullptr;
    QAction *About1 = nullptr;
    QAction *mnuShowHint = nullptr;
    QAction *ConfigurationInformation1 = nullptr;

    QToolBar *Panel3 = nullptr;
    QAction *ZoomPlusButton = nullptr;
    QAction *ZoomMinusButton = nullptr;
    // Ctrl+0: back to 100%; a window shortcut without a button.
    QAction *zoomActualSize = nullptr;
    QAction *PropertiesButton = nullptr;
    QAction *Printbutton = nullptr;
    QToolButton *ShowHideIconTool = nullptr;
    // The six drawing tools, mutually exclusive, in PanelState order.
    QActionGroup *drawingTools = nullptr;
    QAction *Pointerbutton = nullptr;
    QAction *DrawLabelButton = nullptr;
    QAction *DrawImageButton = nullptr;
    QAction *DrawRichText = nullptr;
    QAction *DrawSuperText = nullptr;
    QAction *PSpeedButton1 = nullptr;
    QAction *Savebutton = nullptr; // hidden until there are changes
    QAction *CancelButton = nullptr;

    // Creates everything in the window's menu bar and a tool bar on top.
    static MainMenus build(QMainWindow *window);
};
