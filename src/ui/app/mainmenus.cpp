#include "app/mainmenus.h"

#include <QAction>
#include <QActionGroup>
#include <QIcon>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

namespace {

QAction *addItem(QMenu *menu, const char *objectName, const QString &caption)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QLatin1String(objectName));
    return action;
}

QAction *toolAction(
    QToolBar *bar, const char *objectName, const QString &themeIcon, const QString &text, const QString &hint)
{
    QAction *action = bar->addAction(QIcon::fromTheme(themeIcon), text);
    action->setObjectName(QLatin1String(objectName));
    // Hints mark their line breaks with a carriage return.
    action->setToolTip(QString(hint).replace(QLatin1Char('\r'), QLatin1Char('\n')));
    return action;
}

// A text button in bold Arial of one colour (Save green, Cancel red).
QAction *textButton(
    QToolBar *bar, const char *objectName, const QString &caption, const QString &hint, const QColor &color)
{
    QAction *action = bar->addAction(caption);
    action->setObjectName(QLatin1String(objectName));
    action->setToolTip(hint);
    QWidget *button = bar->widgetForAction(action);
    button->setObjectName(QLatin1String(objectName));
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    button->setFont(font);
    QPalette palette = button->palette();
    palette.setColor(QPalette::ButtonText, color);
    button->setPalette(palette);
    return action;
}

} // namespace

MainMenus MainMenus::build(QMainWindow *window)
{
    MainMenus m;
    QMenuBar *bar = window->menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    m.FileMenu = bar->addMenu(QStringLiteral("&File"));
    m.FileMenu->setObjectName(QStringLiteral("FileMenu"));
    m.New1 = addItem(m.FileMenu, "New1", QStringLiteral("&New "));
    m.Open1 = addItem(m.FileMenu, "Open1", QStringLiteral("&Open"));
    m.FileMenu->addSeparator();
    m.mnuSave = addItem(m.FileMenu, "mnuSave", QStringLiteral("&Save "));
    m.mnuSave->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    m.mnuSaveAs = addItem(m.FileMenu, "mnuSaveAs", QStringLiteral("Save &As..."));
    m.mnuSaveAsBitmap = addItem(m.FileMenu, "mnuSaveAsBitmap", QStringLiteral("Save As Bitmap File"));
    m.mnuSaveAsJPG = addItem(m.FileMenu, "mnuSaveAsJPG", QStringLiteral("Save As JPG File"));
    m.mnuExportPdf = addItem(m.FileMenu, "mnuExportPdf", QStringLiteral("Export as PD&F..."));
    m.mnuExportPng = addItem(m.FileMenu, "mnuExportPng", QStringLiteral("Export as P&NG..."));
    m.FileMenu->addSeparator();
    m.mnuProperties = addItem(m.FileMenu, "mnuProperties", QStringLiteral("&Properties"));
    m.mnuUserTitle = addItem(m.FileMenu, "mnuUserTitle", QStringLiteral("User Defined Title"));
    m.mnuCancelChanges = addItem(m.FileMenu, "mnuCancelChanges", QStringLiteral("&Cancel Changes"));
    m.mnuClearAllCellContents
        = addItem(m.FileMenu, "mnuClearAllCellContents", QStringLiteral("Clear &All Cell Contents"));
    m.DefaultEditorFont1 = addItem(m.FileMenu, "DefaultEditorFont1", QStringLiteral("&Default Editor Font"));
    m.FileMenu->addSeparator();
    m.mnuFillCalendarwithRecurringDates = addItem(m.FileMenu, "mnuFillCalendarwithRecurringDates",
        QStringLiteral("Fill Calendar with Recurring Dates"));
    m.mnuEditrecurringDates
        = addItem(m.FileMenu, "mnuEditrecurringDates", QStringLiteral("Edit Recurring Dates"));
    m.FileMenu->addSeparator();
    m.mnuPrintCalendar = addItem(m.FileMenu, "mnuPrintCalendar", QStringLiteral("P&rint Calendar"));
    m.mnuPrintSetup = addItem(m.FileMenu, "mnuPrintSetup", QStringLiteral("Print Set&up"));
    m.FileMenu->addSeparator();
    m.Exit1 = addItem(m.FileMenu, "Exit1", QStringLiteral("E&xit"));
    m.Exit1->setMenuRole(QAction::QuitRole);

    m.mnuOnLine = bar->addMenu(QStringLiteral("&Online"));
    m.mnuOnLine->setObjectName(QStringLiteral("mnuOnLine"));
    m.VisitOurInternetW1
        = addItem(m.mnuOnLine, "VisitOurInternetW1", QStringLiteral("Visit Our Internet Website"));

    m.Help1 = bar->addMenu(QStringLiteral("&Help"));
    m.Help1->setObjectName(QStringLiteral("Help1"));
    m.Contents1 = addItem(m.Help1, "Contents1", QStringLiteral("&Contents"));
    m.Contents1->setShortcut(QKeySequence::HelpContents);
    m.About1 = addItem(m.Help1, "About1", QStringLiteral("&About"));
    m.mnuShowHint = addItem(m.Help1, "mnuShowHint", QStringLiteral("&Show Hints"));
    m.mnuShowHint->setCheckable(true);
    m.mnuShowHint->setChecked(true);
    m.ConfigurationInformation1
        = addItem(m.Help1, "ConfigurationInformation1", QStringLiteral("Configuration Information"));

    m.Panel3 = window->addToolBar(QStringLiteral("Tools"));
    m.Panel3->setObjectName(QStringLiteral("Panel3"));
    m.Panel3->setMovable(false);
    m.Panel3->setFloatable(false);
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
    m.ShowHideIconTool = new QToolButton(m.Panel3);
    m.ShowHideIconTool->setObjectName(QStringLiteral("ShowHideIconTool"));
    m.ShowHideIconTool->setText(QStringLiteral("Show Icon Tool"));
    m.ShowHideIconTool->setMinimumWidth(96);
    m.Panel3->addWidget(m.ShowHideIconTool);
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
        { &m.DrawLabelButton, "DrawLabelButton", "insert-text", "Label", "Label tool" },
        { &m.DrawImageButton, "DrawImageButton", "insert-image", "Clip Art", "Clip Art Tool" },
        { &m.DrawRichText, "DrawRichText", "format-text-bold", "Rich Text",
            "Rich Text tool \rMixed fonts, colors and styles" },
        { &m.DrawSuperText, "DrawSuperText", "format-text-color", "SuperText",
            "SuperText tool \rSpecial Effects Text - fill with gradients or bitmaps" },
        { &m.PSpeedButton1, "PSpeedButton1", "view-calendar", "Floating Calendar",
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
        QStringLiteral("Save changes to the calendar"), QColor(0, 128, 0));
    m.CancelButton = textButton(m.Panel3, "CancelButton", QStringLiteral("&Cancel"),
        QStringLiteral("Cancel all changes"), QColor(255, 0, 0));
    m.Savebutton->setVisible(false);
    m.CancelButton->setVisible(false);
    return m;
}
