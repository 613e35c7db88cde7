#include "app/mainmenus.h"

#include "widgets/pictures.h"

#include <QAction>
#include <QActionGroup>
#include <QIcon>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>

namespace {

QAction *addItem(QMenu *menu, const char *objectName, const QString &caption, const char *picture = nullptr)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QLatin1String(objectName));
    if (picture)
        Pictures::set(action, QLatin1String(picture));
    return action;
}

QAction *toolAction(
    QToolBar *bar, const char *objectName, const QString &picture, const QString &text, const QString &hint)
{
    QAction *action = bar->addAction(Pictures::icon(picture), text);
    action->setObjectName(QLatin1String(objectName));
    // Hints mark their line breaks with a carriage return.
    action->setToolTip(QString(hint).replace(QLatin1Char('\r'), QLatin1Char('\n')));
    return action;
}

// A captioned button in bold Arial of one colour (Save green, Cancel red),
// with its picture beside the caption.
QAction *textButton(QToolBar *bar, const char *objectName, const QString &caption, const QString &hint,
    const QColor &color, const QString &picture)
{
    QAction *action = bar->addAction(Pictures::icon(picture), caption);
    action->setObjectName(QLatin1String(objectName));
    action->setToolTip(hint);
    auto *button = qobject_cast<QToolButton *>(bar->widgetForAction(action));
    button->setObjectName(QLatin1String(objectName));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    button->setFont(font);
    QPalette palette = button->palette();
    palette.setColor(QPalette::ButtonText, color);
    button->setPalette(palette);
    return action;
}

// The icon tool's button shows its picture and "Show Icon Tool" or "Hide
// Icon Tool" beside it, at the width of the wider caption, so the buttons
// after it stay put when the caption changes.
QToolButton *iconToolButton(QToolBar *bar)
{
    auto *button = new QToolButton(bar);
    button->setObjectName(QStringLiteral("ShowHideIconTool"));
    button->setIcon(Pictures::icon(QStringLiteral("datewright-icon-tool")));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    const auto fit = [button](const QSize &iconSize) {
        // Its picture is as large as its neighbours'.
        button->setIconSize(iconSize);
        const QString shown = button->text();
        int width = 96;
        for (const QString &caption :
            { QStringLiteral("Hide Icon Tool"), QStringLiteral("Show Icon Tool") }) {
            button->setText(caption);
            width = std::max(width, button->sizeHint().width());
        }
        button->setText(shown.isEmpty() ? QStringLiteral("Show Icon Tool") : shown);
        button->setFixedWidth(width);
    };
    fit(bar->iconSize());
    QObject::connect(bar, &QToolBar::iconSizeChanged, button, fit);
    bar->addWidget(button);
    return button;
}

} // namespace

MainMenus MainMenus::build(QMainWindow *window)
{
    MainMenus m;
    QMenuBar *bar = window->menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    m.FileMenu = bar->addMenu(QStringLiteral("&File"));
    m.FileMenu->setObjectName(QStringLiteral("FileMenu"));
    m.New1 = addItem(m.FileMenu, "New1", QStringLiteral("&New "), "document-new");
    m.New1->setShortcut(QKeySequence::New);
    m.Open1 = addItem(m.FileMenu, "Open1", QStringLiteral("&Open"), "document-open");
    m.Open1->setShortcut(QKeySequence::Open);
    m.FileMenu->addSeparator();
    m.mnuSave = addItem(m.FileMenu, "mnuSave", QStringLiteral("&Save "), "document-save");
    m.mnuSave->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    m.SaveNewKey = new QAction(window);
    m.SaveNewKey->setObjectName(QStringLiteral("SaveNewKey"));
    m.SaveNewKey->setShortcut(m.mnuSave->shortcut());
    m.SaveNewKey->setEnabled(false);
    window->addAction(m.SaveNewKey);
    m.mnuSaveAs = addItem(m.FileMenu, "mnuSaveAs", QStringLiteral("Save &As..."), "document-save-as");
    m.mnuSaveAs->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    m.mnuSaveAsBitmap = addItem(
        m.FileMenu, "mnuSaveAsBitmap", QStringLiteral("Save As Bitmap File"), "datewright-save-picture");
    m.mnuSaveAsJPG
        = addItem(m.FileMenu, "mnuSaveAsJPG", QStringLiteral("Save As JPG File"), "datewright-save-picture");
    m.mnuExportPdf
        = addItem(m.FileMenu, "mnuExportPdf", QStringLiteral("Export as PD&F..."), "datewright-export-pdf");
    m.mnuExportPng
        = addItem(m.FileMenu, "mnuExportPng", QStringLiteral("Export as P&NG..."), "datewright-save-picture");
    m.mnuPrintMonths
        = addItem(m.FileMenu, "mnuPrintMonths", QStringLiteral("Print &Months..."), "document-print");
    m.mnuExportMonthsPdf = addItem(
        m.FileMenu, "mnuExportMonthsPdf", QStringLiteral("Export Months as PDF..."), "datewright-export-pdf");
    m.mnuExportMonthsPng = addItem(m.FileMenu, "mnuExportMonthsPng",
        QStringLiteral("Export Months as PNG..."), "datewright-save-picture");
    m.FileMenu->addSeparator();
    m.mnuProperties
        = addItem(m.FileMenu, "mnuProperties", QStringLiteral("&Properties"), "document-properties");
    m.mnuUserTitle
        = addItem(m.FileMenu, "mnuUserTitle", QStringLiteral("User Defined Title"), "datewright-user-title");
    m.mnuCancelChanges
        = addItem(m.FileMenu, "mnuCancelChanges", QStringLiteral("&Cancel Changes"), "document-revert");
    m.mnuClearAllCellContents = addItem(
        m.FileMenu, "mnuClearAllCellContents", QStringLiteral("Clear &All Cell Contents"), "edit-clear");
    m.DefaultEditorFont1 = addItem(
        m.FileMenu, "DefaultEditorFont1", QStringLiteral("&Default Editor Font"), "preferences-desktop-font");
    m.mnuPreferences
        = addItem(m.FileMenu, "mnuPreferences", QStringLiteral("Pr&eferences..."), "preferences-other");
    m.mnuPreferences->setMenuRole(QAction::PreferencesRole);
    m.FileMenu->addSeparator();
    m.mnuFillCalendarwithRecurringDates = addItem(m.FileMenu, "mnuFillCalendarwithRecurringDates",
        QStringLiteral("Fill Calendar with Recurring Dates"), "datewright-recurring-fill");
    m.mnuEditrecurringDates = addItem(m.FileMenu, "mnuEditrecurringDates",
        QStringLiteral("Edit Recurring Dates"), "datewright-recurring-edit");
    m.mnuFillFromICalendar = addItem(m.FileMenu, "mnuFillFromICalendar",
        QStringLiteral("Fill from iCalendar File..."), "datewright-recurring-fill");
    m.FileMenu->addSeparator();
    m.mnuPrintCalendar
        = addItem(m.FileMenu, "mnuPrintCalendar", QStringLiteral("P&rint Calendar"), "document-print");
    m.mnuPrintCalendar->setShortcut(QKeySequence::Print);
    m.mnuPrintSetup
        = addItem(m.FileMenu, "mnuPrintSetup", QStringLiteral("Print Set&up"), "document-page-setup");
    m.FileMenu->addSeparator();
    m.Exit1 = addItem(m.FileMenu, "Exit1", QStringLiteral("E&xit"), "application-exit");
    m.Exit1->setMenuRole(QAction::QuitRole);
    m.Exit1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    m.EditMenu = bar->addMenu(QStringLiteral("&Edit"));
    m.EditMenu->setObjectName(QStringLiteral("EditMenu"));
    m.mnuUndo = addItem(m.EditMenu, "mnuUndo", QStringLiteral("&Undo"), "edit-undo");
    m.mnuUndo->setShortcut(QKeySequence::Undo);
    m.mnuRedo = addItem(m.EditMenu, "mnuRedo", QStringLiteral("&Redo"), "edit-redo");
    m.mnuRedo->setShortcuts(
        { QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y) });
    m.EditMenu->addSeparator();
    m.mnuCut = addItem(m.EditMenu, "mnuCut", QStringLiteral("Cu&t"), "edit-cut");
    m.mnuCopy = addItem(m.EditMenu, "mnuCopy", QStringLiteral("&Copy"), "edit-copy");
    m.mnuPaste = addItem(m.EditMenu, "mnuPaste", QStringLiteral("&Paste"), "edit-paste");
    m.mnuDelete = addItem(m.EditMenu, "mnuDelete", QStringLiteral("&Delete"), "edit-delete");
    m.EditMenu->addSeparator();
    m.mnuSelectAll = addItem(m.EditMenu, "mnuSelectAll", QStringLiteral("Select &All"), "edit-select-all");
    // The keys are the editor's and the page's own; the menu only shows them.
    const std::pair<QAction *, QKeySequence::StandardKey> keys[] = { { m.mnuCut, QKeySequence::Cut },
        { m.mnuCopy, QKeySequence::Copy }, { m.mnuPaste, QKeySequence::Paste },
        { m.mnuDelete, QKeySequence::Delete }, { m.mnuSelectAll, QKeySequence::SelectAll } };
    for (const auto &[action, key] : keys) {
        action->setShortcut(key);
        action->setShortcutContext(Qt::WidgetShortcut);
    }

    m.ViewMenu = bar->addMenu(QStringLiteral("&View"));
    m.ViewMenu->setObjectName(QStringLiteral("ViewMenu"));
    m.mnuPreviousMonth
        = addItem(m.ViewMenu, "mnuPreviousMonth", QStringLiteral("&Previous Month"), "go-previous");
    m.mnuPreviousMonth->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageUp));
    m.mnuNextMonth = addItem(m.ViewMenu, "mnuNextMonth", QStringLiteral("&Next Month"), "go-next");
    m.mnuNextMonth->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageDown));

    m.mnuOnLine = bar->addMenu(QStringLiteral("&Online"));
    m.mnuOnLine->setObjectName(QStringLiteral("mnuOnLine"));
    m.VisitOurInternetW1 = addItem(m.mnuOnLine, "VisitOurInternetW1",
        QStringLiteral("Visit Our Internet Website"), "internet-web-browser");

    m.Help1 = bar->addMenu(QStringLiteral("&Help"));
    m.Help1->setObjectName(QStringLiteral("Help1"));
    m.Contents1 = addItem(m.Help1, "Contents1", QStringLiteral("&Contents"), "help-contents");
    m.Contents1->setShortcut(QKeySequence::HelpContents);
    m.About1 = addItem(m.Help1, "About1", QStringLiteral("&About"), "help-about");
    m.mnuShowHint = addItem(m.Help1, "mnuShowHint", QStringLiteral("&Show Hints"));
    m.mnuShowHint->setCheckable(true);
    m.mnuShowHint->setChecked(true);
    m.ConfigurationInformation1 = addItem(
        m.Help1, "ConfigurationInformation1", QStringLiteral("Configuration Information"), "computer");

    m.Panel3 = window->addToolBar(QStringLiteral("Tools"));
    m.Panel3->setObjectName(QStringLiteral("Panel3"));
    m.Panel3->setMovable(false);
    m.Panel3->setFloatable(false);
    // Picture buttons: their words are in the hints.
    m.Panel3->setToolButtonStyle(Qt::ToolButtonIconOnly);
    m.ZoomPlusButton = toolAction(m.Panel3, "ZoomPlusButton", QStringLiteral("zoom-in"),
        QStringLiteral("Zoom &In"), QStringLiteral("Zoom In"));
    m.ZoomMinusButton = toolAction(m.Panel3, "ZoomMinusButton", QStringLiteral("zoom-out"),
        QStringLiteral("Zoom &Out"), QStringLiteral("Zoom Out"));
    m.ZoomPlusButton->setShortcuts({ QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal) });
    m.ZoomMinusButton->setShortcuts(QKeySequence::ZoomOut);
    m.zoomActualSize = new QAction(QStringLiteral("Actual Size"), window);
    m.zoomActualSize->setObjectName(QStringLiteral("zoomActualSize"));
    m.zoomActualSize->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    window->addAction(m.zoomActualSize);
    m.PropertiesButton = toolAction(m.Panel3, "PropertiesButton", QStringLiteral("document-properties"),
        QStringLiteral("Properties"), QStringLiteral("Set/change Properties for the calendar"));
    m.Printbutton = toolAction(m.Panel3, "Printbutton", QStringLiteral("document-print"),
        QStringLiteral("Print"), QStringLiteral("Print the calendar"));
    m.Panel3->addAction(m.mnuUndo);
    m.Panel3->addAction(m.mnuRedo);
    m.ShowHideIconTool = iconToolButton(m.Panel3);
    m.Panel3->addSeparator();

    m.drawingTools = new QActionGroup(window);
    m.drawingTools->setExclusive(true);
    const struct
    {
        QAction **action;
        const char *name;
        const char *icon;
        const char *text;
        const char *hint;
    } tools[] = {
        { &m.Pointerbutton, "Pointerbutton", "edit-select", "Select", "Selection tool" },
        { &m.DrawLabelButton, "DrawLabelButton", "datewright-tool-label", "Label", "Label tool" },
        { &m.DrawImageButton, "DrawImageButton", "datewright-tool-clipart", "Clip Art", "Clip Art Tool" },
        { &m.DrawRichText, "DrawRichText", "datewright-tool-richtext", "Rich Text",
            "Rich Text tool \rMixed fonts, colors and styles" },
        { &m.DrawSuperText, "DrawSuperText", "datewright-tool-supertext", "SuperText",
            "SuperText tool \rSpecial Effects Text - fill with gradients or bitmaps" },
        { &m.PSpeedButton1, "PSpeedButton1", "datewright-tool-calendar", "Floating Calendar",
            "Floating Calendar tool \rMini Calendar that you can place anywhere" },
    };
    int state = 0;
    for (const auto &tool : tools) {
        QAction *action = toolAction(m.Panel3, tool.name, QLatin1String(tool.icon), QLatin1String(tool.text),
            QString::fromLatin1(tool.hint));
        action->setCheckable(true);
        action->setData(state++);
        m.drawingTools->addAction(action);
        *tool.action = action;
    }
    m.Pointerbutton->setChecked(true);
    m.Panel3->addSeparator();

    m.Savebutton = textButton(m.Panel3, "Savebutton", QStringLiteral("&Save"),
        QStringLiteral("Save changes to the calendar"), QColor(0, 128, 0), QStringLiteral("document-save"));
    m.CancelButton = textButton(m.Panel3, "CancelButton", QStringLiteral("&Cancel"),
        QStringLiteral("Cancel all changes"), QColor(255, 0, 0), QStringLiteral("document-revert"));
    m.Savebutton->setVisible(false);
    m.CancelButton->setVisible(false);
    return m;
}
