// Undo and redo through the real main window: each kind of step, made with
// the mouse, the keys and the menus, comes back byte for byte and goes
// forward again; the modified state follows the saved one.
#include "mainwindowfixture.h"

#include "calendar/calendarfile.h"
#include "objects/vplabel.h"
#include "richtext/celleditbridge.h"
#include "richtext/wprichtext.h"
#include "surface/calendarpanel32.h"
#include "surface/objectmenu.h"
#include "surface/surfaceclipboard.h"

#include <QBuffer>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

QByteArray bytesOf(TCalendarMain &main)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    CalendarFile::write(buffer, main.document().page(), &main.document().objects(), nullptr);
    return buffer.data();
}

void trigger(QMenu *menu, const QString &caption)
{
    for (QAction *action : menu->actions())
        if (action->text() == caption)
            action->trigger();
}

} // namespace

class TestUndo : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void everyStepComesBackAndGoesForward_data();
    void everyStepComesBackAndGoesForward();
    void undoBelongsToTheOpenCellEditor();
    void editMenuWorksOnTheOpenCellEditor();

private:
    void settle() { QTest::qWait(1); }
    [[nodiscard]] QPoint centreOf(int index) const
    {
        const auto *object
            = dynamic_cast<TVGraphicControl *>(m_main->placedObjects().children().at(size_t(index)));
        return object->displayRect(m_main->calendarPanel()->scale()).center();
    }
    void send(QEvent::Type type, const QPoint &at, Qt::MouseButton button, Qt::MouseButtons held)
    {
        TCalendarPanel32 *panel = m_main->calendarPanel();
        QMouseEvent event(type, at, panel->mapToGlobal(at), button, held, {});
        QCoreApplication::sendEvent(panel, &event);
    }
    // A press, the pause of a hand that means to drag, two moves, the release.
    void drag(const QPoint &from, const QPoint &to)
    {
        send(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
        QTest::qWait(200);
        send(QEvent::MouseMove, (from + to) / 2, Qt::NoButton, Qt::LeftButton);
        send(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
    }
    // The next modal dialog is filled in by fill and accepted, as a user would.
    void answerDialog(std::function<void(QDialog &)> fill)
    {
        auto *poll = new QTimer(this);
        connect(poll, &QTimer::timeout, this, [poll, fill = std::move(fill)] {
            if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
                poll->stop();
                poll->deleteLater();
                fill(*dialog);
                dialog->accept();
            }
        });
        poll->start(20);
    }
    // Opened, so its entries are enabled by what is selected, and chosen.
    void fromEditMenu(QAction *action)
    {
        QMenu *menu = m_main->menus().EditMenu;
        menu->popup(QPoint());
        QVERIFY(action->isEnabled());
        action->trigger();
        menu->hide();
    }
    // A click, then the pause a hand takes before the next key.
    void click(const QPoint &at)
    {
        QTest::mouseClick(m_main->calendarPanel(), Qt::LeftButton, {}, at);
        QTest::qWait(200);
    }

    std::unique_ptr<MainWindowEnvironment> m_env;
    std::unique_ptr<TCalendarMain> m_main;
};

void TestUndo::init()
{
    m_env = std::make_unique<MainWindowEnvironment>();
    // Two labels over empty cells of a month with typed text.
    CalendarPage page;
    page.resetToDefaultStyle();
    page.setMainCalMonth(3);
    page.setMainCalYear(2027);
    page.setCellContents(9, QByteArrayLiteral("{\\rtf1\\ansi Dentist\\par}"));
    TComponent objects;
    for (const int left : { 120, 420 }) {
        auto *label = new TVPLabel(&objects);
        label->setParent(&objects);
        label->setCaption(QStringLiteral("Label"));
        label->setBounds(left, left / 3, 120, 40);
    }
    const QString file = m_env->path(QStringLiteral("Undo.DWF"));
    QVERIFY(CalendarFile::save(file, page, &objects, nullptr));
    m_main = std::make_unique<TCalendarMain>();
    QVERIFY(showSettled(*m_main));
    m_main->OpenCalendarFile(file);
    QFile::remove(SurfaceClipboard::fileName());
    m_env->dialogs.messages.clear();
}

void TestUndo::cleanup()
{
    m_main.reset();
    m_env.reset();
}

void TestUndo::everyStepComesBackAndGoesForward_data()
{
    QTest::addColumn<QString>("step");
    QTest::addColumn<QString>("caption");
    QTest::newRow("arrow keys, one burst") << "keys"
                                           << "Move";
    QTest::newRow("align from the page menu") << "align"
                                              << "Align Tops";
    QTest::newRow("z-order from the page menu") << "front"
                                                << "Bring To Front";
    QTest::newRow("lock all") << "lock"
                              << "Lock All";
    QTest::newRow("delete key") << "delete"
                                << "Delete";
    QTest::newRow("copy and paste") << "paste"
                                    << "Paste";
    QTest::newRow("clone") << "clone"
                           << "Clone";
    QTest::newRow("Edit menu: cut") << "menu cut"
                                    << "Cut";
    QTest::newRow("Edit menu: copy and paste") << "menu paste"
                                               << "Paste";
    QTest::newRow("Edit menu: select all, delete") << "menu delete all"
                                                   << "Delete";
    QTest::newRow("clear all cells") << "clear"
                                     << "Clear All Cell Contents";
    QTest::newRow("typing in a cell") << "type"
                                      << "Typing";
    QTest::newRow("drag with the mouse") << "drag"
                                         << "Move";
    QTest::newRow("place a label and type its text") << "place"
                                                     << "Place Label";
    QTest::newRow("user title") << "title"
                                << "User Defined Title";
    QTest::newRow("calendar properties") << "properties"
                                         << "Calendar Properties";
}

void TestUndo::everyStepComesBackAndGoesForward()
{
    QFETCH(QString, step);
    QFETCH(QString, caption);
    TCalendarPanel32 *panel = m_main->calendarPanel();
    const QByteArray before = bytesOf(*m_main);
    QVERIFY(!m_main->Modified());
    if (step == "keys" || step == "align" || step == "front" || step == "lock" || step == "delete"
        || step == "paste" || step == "clone" || step == "menu cut" || step == "menu paste")
        click(centreOf(0));
    if (step == "keys") {
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(panel, Qt::Key_Right);
    } else if (step == "align") {
        QTest::mouseClick(panel, Qt::LeftButton, Qt::ShiftModifier, centreOf(1));
        trigger(panel->contextMenu(), QStringLiteral("Align Tops"));
    } else if (step == "front") {
        trigger(panel->contextMenu(), QStringLiteral("Bring To Front"));
    } else if (step == "lock") {
        trigger(panel->contextMenu(), QStringLiteral("Lock All"));
    } else if (step == "delete") {
        QTest::keyClick(panel, Qt::Key_Delete);
    } else if (step == "paste") {
        QTest::keyClick(panel, Qt::Key_C, Qt::ControlModifier);
        QTest::keyClick(panel, Qt::Key_V, Qt::ControlModifier);
    } else if (step == "clone") {
        auto *object = dynamic_cast<TVGraphicControl *>(m_main->placedObjects().children().at(0));
        std::unique_ptr<QMenu> menu(panel->objectMenu().build(*object));
        trigger(menu.get(), QStringLiteral("Clone"));
    } else if (step == "menu cut") {
        fromEditMenu(m_main->menus().mnuCut);
    } else if (step == "menu paste") {
        fromEditMenu(m_main->menus().mnuCopy);
        fromEditMenu(m_main->menus().mnuPaste);
    } else if (step == "menu delete all") {
        fromEditMenu(m_main->menus().mnuSelectAll);
        fromEditMenu(m_main->menus().mnuDelete);
        QVERIFY(m_main->placedObjects().children().empty());
    } else if (step == "clear") {
        m_main->menus().mnuClearAllCellContents->trigger();
    } else if (step == "drag") {
        drag(centreOf(0), centreOf(0) + QPoint(40, 90));
    } else if (step == "place") {
        // The text asked for while placing belongs to the same step.
        answerDialog(
            [](QDialog &dialog) { dialog.findChild<QLineEdit *>()->setText(QStringLiteral("Dentist")); });
        m_main->menus().DrawLabelButton->trigger();
        const QPoint from(300, 380);
        send(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
        send(QEvent::MouseMove, from + QPoint(60, 20), Qt::NoButton, Qt::LeftButton);
        send(QEvent::MouseMove, from + QPoint(120, 40), Qt::NoButton, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, from + QPoint(120, 40), Qt::LeftButton, Qt::NoButton);
        QTRY_COMPARE(m_main->placedObjects().children().size(), size_t(3));
    } else if (step == "title") {
        answerDialog([](QDialog &dialog) {
            dialog.findChild<QLineEdit *>(QStringLiteral("TitleText"))->setText(QStringLiteral("Our Year"));
        });
        m_main->menus().mnuUserTitle->trigger();
    } else if (step == "properties") {
        answerDialog([](QDialog &dialog) {
            dialog.findChild<QWidget *>(QStringLiteral("WeekStartsOn"))
                ->findChildren<QRadioButton *>()
                .at(1)
                ->click();
        });
        m_main->menus().PropertiesButton->trigger();
    } else if (step == "type") {
        panel->page().raiseForCell(11);
        QVERIFY(m_main->cellEditor()->isVisible());
        QTest::keyClicks(m_main->cellEditor(), QStringLiteral("Piano"));
        QTest::keyClick(m_main->cellEditor(), Qt::Key_Escape);
    }
    settle();
    const QByteArray after = bytesOf(*m_main);
    QVERIFY2(after != before, "the step changed nothing");
    QVERIFY(m_main->Modified());
    // A step whose dialog just closed is recorded a moment later.
    QTRY_COMPARE(m_main->menus().mnuUndo->text(), QStringLiteral("&Undo ") + caption);
    QVERIFY(m_main->menus().mnuUndo->isEnabled());

    m_main->menus().mnuUndo->trigger();
    settle();
    QCOMPARE(bytesOf(*m_main), before);
    // Back where it was opened: nothing left to save.
    QVERIFY(!m_main->Modified());
    QVERIFY(!m_main->menus().mnuUndo->isEnabled());

    m_main->menus().mnuRedo->trigger();
    settle();
    QCOMPARE(bytesOf(*m_main), after);
    QVERIFY(m_main->Modified());
    // The page still works on the objects the history brought back.
    if (!m_main->placedObjects().children().empty() && step != "lock") {
        click(centreOf(0));
        QTest::keyClick(panel, Qt::Key_Down);
        settle();
        QVERIFY(bytesOf(*m_main) != after);
    }
}

void TestUndo::undoBelongsToTheOpenCellEditor()
{
    TCalendarPanel32 *panel = m_main->calendarPanel();
    click(centreOf(0));
    // The first move after opening is a change like any other.
    QTest::keyClick(panel, Qt::Key_Right);
    settle();
    QVERIFY(m_main->Modified());
    QVERIFY(m_main->menus().mnuUndo->isEnabled());
    panel->page().raiseForCell(11);
    settle();
    QVERIFY(m_main->cellEditor()->isVisible());
    QVERIFY(!m_main->menus().mnuUndo->isEnabled());
    const QByteArray before = bytesOf(*m_main);
    m_main->UndoClick();
    QCOMPARE(bytesOf(*m_main), before);
    QTest::keyClick(m_main->cellEditor(), Qt::Key_Escape);
    settle();
    QVERIFY(m_main->menus().mnuUndo->isEnabled());
}

void TestUndo::editMenuWorksOnTheOpenCellEditor()
{
    TCalendarPanel32 *panel = m_main->calendarPanel();
    click(centreOf(0));
    panel->page().raiseForCell(9);
    settle();
    TWPRichText *editor = m_main->cellEditor();
    QVERIFY(editor->isVisible());
    QVERIFY(editor->toPlainText().startsWith(QStringLiteral("Dentist")));
    QMenu *menu = m_main->menus().EditMenu;
    menu->popup(QPoint());
    // Nothing of the text is selected, though an object on the page is.
    QVERIFY(!m_main->menus().mnuCut->isEnabled());
    QVERIFY(m_main->menus().mnuSelectAll->isEnabled());
    menu->hide();
    fromEditMenu(m_main->menus().mnuSelectAll);
    fromEditMenu(m_main->menus().mnuCut);
    QCOMPARE(editor->toPlainText(), QString());
    QCOMPARE(m_main->placedObjects().children().size(), size_t(2));
    fromEditMenu(m_main->menus().mnuPaste);
    fromEditMenu(m_main->menus().mnuPaste);
    QCOMPARE(editor->toPlainText().count(QStringLiteral("Dentist")), 2);
}

QTEST_MAIN(TestUndo)
#include "tst_undo.moc"
