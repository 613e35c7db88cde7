// The main window's menus and tool bar as the user sees them.
#include "app/mainmenus.h"
#include "picturecheck.h"

#include <QAction>
#include <QActionGroup>
#include <QLayout>
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
                "Save As JPG File", "Export as PD&F...", "Export as P&NG...", "Print &Months...",
                "Export Months as PDF...", "Export Months as PNG...", "-", "&Properties",
                "User Defined Title", "&Cancel Changes", "Clear &All Cell Contents", "&Default Editor Font",
                "Pr&eferences...", "-", "Fill Calendar with Recurring Dates", "Edit Recurring Dates",
                "Fill from iCalendar File...", "-", "P&rint Calendar", "Print Set&up", "-", "E&xit" }));
        QCOMPARE(menus.mnuSave->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
        QCOMPARE(captions(menus.mnuOnLine), QStringList({ "Visit Our Internet Website" }));
        QCOMPARE(captions(menus.Help1),
            QStringList({ "&Contents", "&About", "&Show Hints", "Configuration Information" }));
        QVERIFY(menus.mnuShowHint->isChecked());
        QStringList topLevel;
        for (const QAction *action : window.menuBar()->actions())
            topLevel << action->text();
        QCOMPARE(topLevel, QStringList({ "&File", "&Edit", "&View", "&Online", "&Help" }));
        QCOMPARE(captions(menus.ViewMenu), QStringList({ "&Previous Month", "&Next Month" }));
        QCOMPARE(menus.mnuNextMonth->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_PageDown));
        QCOMPARE(captions(menus.EditMenu),
            QStringList({ "&Undo", "&Redo", "-", "Cu&t", "&Copy", "&Paste", "&Delete", "-", "Select &All" }));
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

    // Picture buttons, sharp at the display's scale (the suite runs this at
    // 100% and at 200%): each button shows its picture drawn for the pixel
    // ratio, never the 1:1 picture blown up. Only the icon tool, Save and
    // Cancel keep their captions.
    void toolBarShowsSharpPicturesNotWords()
    {
        QMainWindow window;
        const MainMenus menus = MainMenus::build(&window);
        menus.Savebutton->setVisible(true);
        menus.CancelButton->setVisible(true);
        window.resize(1200, 300); // no button folded away
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QStringList captioned { "ShowHideIconTool", "Savebutton", "CancelButton" };
        int checked = 0;
        for (QToolButton *button : menus.Panel3->findChildren<QToolButton *>()) {
            if (!button->isVisible())
                continue;
            const QString name
                = button->defaultAction() ? button->defaultAction()->objectName() : button->objectName();
            QCOMPARE(button->toolButtonStyle(),
                captioned.contains(name) ? Qt::ToolButtonTextBesideIcon : Qt::ToolButtonIconOnly);
            QCOMPARE(button->iconSize(), menus.Panel3->iconSize());
            const QString fault = PictureCheck::fault(button);
            QVERIFY2(fault.isEmpty(), qPrintable(fault));
            ++checked;
        }
        QCOMPARE(checked, 15); // with Undo and Redo
    }

    void iconToolCaptionChangesMoveNothing()
    {
        QMainWindow window;
        const MainMenus menus = MainMenus::build(&window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QToolButton *iconTool = menus.ShowHideIconTool;
        const QWidget *pointer = menus.Panel3->widgetForAction(menus.Pointerbutton);
        const QRect before = pointer->geometry();
        for (const QString &caption :
            { QStringLiteral("Hide Icon Tool"), QStringLiteral("Show Icon Tool") }) {
            iconTool->setText(caption);
            menus.Panel3->layout()->activate();
            QCOMPARE(pointer->geometry(), before);
            // The whole caption fits beside the picture.
            QVERIFY(iconTool->sizeHint().width() <= iconTool->width());
        }
    }

    void menuCommandsShowPictures()
    {
        QMainWindow window;
        const MainMenus menus = MainMenus::build(&window);
        for (const QMenu *menu : { menus.FileMenu, menus.ViewMenu, menus.mnuOnLine, menus.Help1 }) {
            for (const QAction *action : menu->actions()) {
                // A check mark stands where the picture would.
                if (!action->isSeparator() && !action->isCheckable())
                    QVERIFY2(!action->icon().isNull(), qPrintable(action->text()));
            }
        }
        // A command on both shows the same picture in both.
        QCOMPARE(menus.mnuProperties->icon().pixmap(16, 16).toImage(),
            menus.PropertiesButton->icon().pixmap(16, 16).toImage());
    }
};

QTEST_MAIN(TestMainMenus)
#include "tst_mainmenus.moc"
