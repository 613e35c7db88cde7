// The main window's menus and tool bar as the user sees them.
#include "app/mainmenus.h"

#include <QAction>
#include <QActionGroup>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

namespace {

QStringList captions(const QMenu *menu)
{
    QStringList result;
    for (const QAction *action : menu->actions())
        result << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return result;
}

} // namespace

class TestMainMenus : public QObject
{
    Q_OBJECT

private slots:
    void menusHaveTheirCaptionsAndSeparators()
    {
        QMainWindow window;
        const MainMenus menus = MainMenus::build(&window);
        QCOMPARE(captions(menus.FileMenu),
            QStringList({ "&New ", "&Open", "-", "&Save ", "Save &As...", "Save As Bitmap File",
                "Save As JPG File", "Export as PD&F...", "Export as P&NG...", "-", "&Properties",
                "User Defined Title", "&Cancel Changes", "Clear &All Cell Contents", "&Default Editor Font",
                "-", "Fill Calendar with Recurring Dates", "Edit Recurring Dates", "-", "P&rint Calendar",
                "Print Set&up", "-", "E&xit" }));
        QCOMPARE(menus.mnuSave->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
        QCOMPARE(captions(menus.mnuOnLine), QStringList({ "Visit Our Internet Website" }));
        QCOMPARE(captions(menus.Help1),
            QStringList({ "&Contents", "&About", "&Show Hints", "Configuration Information" }));
        QVERIFY(menus.mnuShowHint->isChecked());
        QStringList topLevel;
        for (const QAction *action : window.menuBar()->actions())
            topLevel << action->text();
        QCOMPARE(topLevel, QStringList({ "&File", "&Online", "&Help" }));
    }

    void toolBarHintsAndTheExclusiveDrawingTools()
    {
        QMainWindow window;
        const MainMenus menus = MainMenus::build(&window);
        QCOMPARE(menus.ZoomPlusButton->toolTip(), QStringLiteral("Zoom In"));
        QCOMPARE(menus.PropertiesButton->toolTip(), QStringLiteral("Set/change Properties for the calendar"));
        QCOMPARE(
            menus.DrawRichText->toolTip(), QStringLiteral("Rich Text tool \nMixed fonts, colors and styles"));
        QCOMPARE(menus.ShowHideIconTool->text(), QStringLiteral("Show Icon Tool"));
        QVERIFY(menus.ShowHideIconTool->minimumWidth() >= 96);

        QCOMPARE(menus.drawingTools->actions().size(), 6);
        QVERIFY(menus.Pointerbutton->isChecked());
        menus.DrawSuperText->trigger();
        QVERIFY(!menus.Pointerbutton->isChecked());
        QCOMPARE(menus.drawingTools->checkedAction()->data().toInt(), 4);
        QCOMPARE(menus.PSpeedButton1->data().toInt(), 5);

        QVERIFY(!menus.Savebutton->isVisible());
        QVERIFY(!menus.CancelButton->isVisible());
        auto *save = qobject_cast<QToolButton *>(menus.Panel3->widgetForAction(menus.Savebutton));
        QVERIFY(save);
        QVERIFY(save->font().bold());
        QCOMPARE(save->palette().color(QPalette::ButtonText), QColor(0, 128, 0));
        QCOMPARE(menus.Panel3->widgetForAction(menus.CancelButton)->palette().color(QPalette::ButtonText),
            QColor(255, 0, 0));
    }
};

QTEST_MAIN(TestMainMenus)
#include "tst_mainmenus.moc"
