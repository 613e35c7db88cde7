// Selecting, arranging and placing objects on a real calendar page with the
// mouse, the keys and the context menu. Each row is a short script of user
// steps and the state it must leave.
#include "mainwindowfixture.h"
#include "modaldialogcanceller.h"
#include "scripteddialogs.h"
#include "surfacefixture.h"

#include "app/mainmenus.h"
#include "objects/vplabel.h"
#include "objects/vprichbaselabel.h"
#include "richtext/celleditbridge.h"
#include "richtext/rtfreader.h"
#include "richtext/wprichtext.h"
#include "surface/objectmenu.h"
#include "surface/richtextlabeleditor.h"
#include "surface/surfaceclipboard.h"

#include <QActionGroup>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QTextDocument>
#include <QtTest>

#include <memory>

namespace {

QAction *menuEntry(const TVBasePanel &panel, const QString &caption)
{
    for (QAction *action : panel.contextMenu()->actions())
        if (action->text() == caption)
            return action;
    return nullptr;
}

QPoint pointOf(const QString &text)
{
    const QStringList xy = text.split(',');
    return { xy.value(0).toInt(), xy.value(1).toInt() };
}

// Steps: "click A", "shift-click A", "click 5,5", "band 90,90 110,110",
// "shift-band ...", "menu Align Left", "key Delete", "key Ctrl+Delete",
// "key Shift+Left", "objmenu A Clone", "dblclick A", "edit-hook" (A has an
// edit step), "wait" (each step comes half a second after the last).
bool run(SurfaceFixture &s, const QString &step)
{
    const QString verb = step.section(' ', 0, 0), rest = step.section(' ', 1);
    const auto at
        = [&s](const QString &target) { return target.contains(',') ? pointOf(target) : s.centreOf(target); };
    s.clock += 500;
    if (verb == "click" || verb == "shift-click") {
        s.click(at(rest), verb == "click" ? Qt::NoModifier : Qt::ShiftModifier);
    } else if (verb == "band" || verb == "shift-band") {
        const Qt::KeyboardModifiers shift = verb == "band" ? Qt::NoModifier : Qt::ShiftModifier;
        s.drag(pointOf(step.section(' ', 1, 1)), pointOf(step.section(' ', 2, 2)), 200, shift);
    } else if (verb == "menu") {
        QAction *entry = menuEntry(s.panel, rest);
        if (!entry)
            return false;
        entry->trigger();
    } else if (verb == "key") {
        const QKeySequence key(rest);
        QTest::keyClick(&s.panel, Qt::Key(key[0].key()), key[0].keyboardModifiers());
    } else if (verb == "objmenu") {
        std::unique_ptr<QMenu> menu(s.panel.objectMenu().build(*s.named(step.section(' ', 1, 1))));
        const QString caption = step.section(' ', 2);
        for (QAction *action : menu->actions())
            if (action->text() == caption)
                action->trigger();
    } else if (verb == "dblclick") {
        s.click(at(rest));
        s.send(QEvent::MouseButtonDblClick, at(rest), Qt::LeftButton, Qt::LeftButton);
        s.release(at(rest));
    } else if (verb == "edit-hook") {
        s.panel.setEditEvent([](TVGraphicControl &o) { return o.name() == "A"; });
    } else if (verb != "wait") {
        return false;
    }
    return true;
}

// "selection=A,B", "order=B,A,C" (bottom to top), "A=100,140,40,30" (bounds
// at scale 1), "changed=true", "enabled:Lock All=false".
QString check(SurfaceFixture &s, const QString &expectation)
{
    const QString key = expectation.section('=', 0, 0), want = expectation.section('=', 1);
    QString got;
    if (key == "selection") {
        got = s.selection();
    } else if (key == "order") {
        QStringList names;
        for (const TComponent *child : s.objects.children())
            names << child->name();
        got = names.join(',');
    } else if (key == "objectMenuOpen") {
        got = "false";
        for (const QMenu *menu : s.panel.findChildren<QMenu *>(QStringLiteral("ObjectMenu")))
            got = menu->isVisible() ? "true" : got;
    } else if (key == "lockedMark") {
        std::unique_ptr<QMenu> menu(s.panel.objectMenu().build(*s.named("A")));
        for (const QAction *action : menu->actions())
            if (action->text() == "Locked")
                got = action->isChecked() ? "true" : "false";
    } else if (key == "changed") {
        got = s.changes.isEmpty() ? "false" : "true";
    } else if (key.startsWith("enabled:")) {
        s.panel.contextMenu()->aboutToShow();
        const QAction *entry = menuEntry(s.panel, key.mid(8));
        got = entry ? (entry->isEnabled() ? "true" : "false") : "missing";
    } else {
        const QRect r = s.named(key) ? s.bounds(key) : QRect();
        got = s.named(key)
            ? QStringLiteral("%1,%2,%3,%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height())
            : "deleted";
    }
    return got == want ? QString() : key + ": got " + got + ", want " + want;
}

// The drawing tool of that object name, as its tool bar button chooses it.
void chooseTool(TCalendarMain &main, const QString &tool)
{
    for (QAction *action : main.menus().drawingTools->actions())
        if (action->objectName() == tool)
            action->trigger();
}

// A drag over the band with the chosen tool, as the mouse draws it.
void drawBand(QWidget *panel, const QRect &band)
{
    QTest::mousePress(panel, Qt::LeftButton, {}, band.topLeft());
    QTest::mouseMove(panel, band.center());
    QTest::mouseRelease(panel, Qt::LeftButton, {}, band.topLeft() + QPoint(band.width(), band.height()));
}

} // namespace

class TestSurfaceCommands : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { m_environment = std::make_unique<MainWindowEnvironment>(); }
    void cleanupTestCase() { m_environment.reset(); }
    void script_data();
    void script();
    void desktopClipboard_data();
    void desktopClipboard();
    void placing_data();
    void placing();
    void placedAtTheCornerStaysOnThePage_data();
    void placedAtTheCornerStaysOnThePage();
    void newRichLabelStartsInTheCellsDefaultFont();
    void kindMenuEntries_data();
    void kindMenuEntries();
    void zoomingAndSelectingNeverMoveObjects();
    void fontGoesToTheSelection_data();
    void fontGoesToTheSelection();
    void lockEntriesNeedAChildControl_data();
    void lockEntriesNeedAChildControl();

private:
    // The window shown, with a September 2026 month grid of that file name open.
    bool openMonth(TCalendarMain &main, const QString &name)
    {
        if (!showSettled(main))
            return false;
        main.OpenCalendarFile(m_environment->writeCalendar(name, 0, 9, 2026));
        return main.pageShown();
    }

    std::unique_ptr<MainWindowEnvironment> m_environment;
};

void TestSurfaceCommands::script_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("expected");
    // A and B side by side, C unselectable far below.
    auto row = [](const char *name, const QStringList &steps, const QStringList &expected) {
        QTest::newRow(name) << steps << expected;
    };
    row("click on empty surface clears", { "click A", "click 5,5" }, { "selection=" });
    row("Shift-click on empty surface keeps", { "click A", "shift-click 5,5" }, { "selection=A" });
    row("click on another object replaces", { "click A", "click B" }, { "selection=B" });
    row("Shift-click adds", { "click A", "shift-click B" }, { "selection=A,B", "changed=false" });
    row("Shift-click on one of two selected leaves the other",
        { "click A", "shift-click B", "shift-click A" }, { "selection=B" });
    row("band touching a corner", { "band 90,90 101,101" }, { "selection=A" });
    row("reversed band", { "band 101,101 90,90" }, { "selection=A" });
    row("band ending on an object's edge misses it", { "band 50,50 100,100" }, { "selection=" });
    row("band over both, scanned from the top", { "band 90,90 350,140" }, { "selection=B,A" });
    row("reversed band over both", { "band 370,140 90,90" }, { "selection=B,A" });
    row("Shift band toggles", { "click A", "shift-band 90,90 350,140" }, { "selection=B" });
    row("unselectable: a click starts a band", { "click A", "click C" }, { "selection=" });
    row("unselectable: skipped by a band", { "band 90,90 560,450" }, { "selection=B,A" });
    row("unselectable: skipped by Select All", { "menu Select All" }, { "selection=A,B" });
    row("marking unselectable drops the selection", { "click A", "menu Mark All Unselectable" },
        { "selection=", "changed=true" });
    row("nothing selected: selection entries off", {},
        { "enabled:Bring To Front=false", "enabled:Delete=false", "enabled:Align Right=false",
            "enabled:Center Vertically=false", "enabled:Select All=true", "enabled:Lock All=true" });
    row("selection entries on", { "click A" },
        { "enabled:Send To Back=true", "enabled:Align Bottoms=true", "enabled:Center Horizontally=true" });
    row("Delete key", { "click A", "shift-click B", "key Delete" },
        { "A=deleted", "B=deleted", "order=C", "changed=true", "selection=" });
    row("Ctrl+Delete deletes nothing", { "click A", "key Ctrl+Delete" },
        { "A=100,100,40,30", "changed=false" });
    row("Delete entry", { "click B", "menu Delete" }, { "B=deleted", "order=A,C" });
    row("Align Right with one object stays", { "click A", "menu Align Right" }, { "A=100,100,40,30" });
    row("Align Left", { "click A", "shift-click B", "menu Align Left" },
        { "A=100,100,40,30", "B=100,120,60,50", "changed=true" });
    row("Align Right", { "click A", "shift-click B", "menu Align Right" },
        { "A=320,100,40,30", "B=300,120,60,50" });
    row("Align Tops", { "click B", "shift-click A", "menu Align Tops" },
        { "A=100,100,40,30", "B=300,100,60,50" });
    row("Align Bottoms", { "click A", "shift-click B", "menu Align Bottoms" }, { "A=100,140,40,30" });
    row("Bring To Front", { "click A", "menu Bring To Front" },
        { "order=B,C,A", "selection=A", "changed=true" });
    row("Send To Back clears the selection", { "click B", "menu Send To Back" },
        { "order=B,A,C", "selection=" });
    // The page is 816 x 1056 at scale 1.
    row("Center Horizontally", { "click A", "menu Center Horizontally" }, { "A=388,100,40,30" });
    row("Center Vertically", { "click A", "menu Center Vertically" }, { "A=100,513,40,30" });
    row("two pastes within a second paste once", { "click A", "key Ctrl+C", "key Ctrl+V", "key Ctrl+V" },
        { "order=A,B,C,Component0", "Component0=115,115,40,30", "selection=A", "changed=true" });
    row("a paste a second later pastes again",
        { "click A", "key Ctrl+C", "key Ctrl+V", "wait", "key Ctrl+V" },
        { "order=A,B,C,Component0,Component1", "Component1=115,115,40,30" });
    row("copy and paste keep the selection order", { "click B", "shift-click A", "menu Copy", "menu Paste" },
        { "order=A,B,C,Component0,Component1", "Component0=315,135,60,50", "Component1=115,115,40,30" });
    row("cut", { "click A", "key Ctrl+X" }, { "A=deleted", "changed=true", "enabled:Paste=true" });
    row("no clipboard file, no Paste", {},
        { "enabled:Paste=false", "enabled:Copy=false", "enabled:Cut=false" });
    row("copying nothing writes nothing", { "key Ctrl+C" }, { "enabled:Paste=false" });
    row("Clone moves the selection to the copy", { "click A", "objmenu A Clone" },
        { "order=A,B,C,Component0", "Component0=100,125,40,30", "selection=Component0", "changed=true" });
    row("Clone of an unselected object keeps the selection", { "click B", "objmenu A Clone" },
        { "selection=B", "Component0=100,125,40,30", "A=100,100,40,30" });
    row("Locked entry and its check mark", { "objmenu A Locked" }, { "lockedMark=true", "changed=true" });
    row("Locked entry toggles", { "objmenu A Locked", "objmenu A Locked" }, { "lockedMark=false" });
    row("object Delete on a selected object deletes the selection",
        { "click A", "shift-click B", "objmenu A Delete" }, { "A=deleted", "B=deleted", "order=C" });
    row("object Delete on an unselected object deletes it alone", { "click B", "objmenu A Delete" },
        { "A=deleted", "selection=B", "changed=true" });
    row("object Copy on an unselected object copies it alone", { "click B", "objmenu A Copy", "key Ctrl+V" },
        { "order=A,B,C,Component0", "Component0=115,115,40,30" });
    row("object Unselectable leaves the selection", { "click A", "objmenu A Unselectable" },
        { "selection=" });
    row("object Send To Back clears the selection", { "click B", "objmenu B Send To Back" },
        { "order=B,A,C", "selection=" });
    row("double-click opens the object's menu", { "dblclick A" },
        { "objectMenuOpen=true", "A=100,100,40,30" });
    row("double-click with two selected does nothing", { "click B", "shift-click A", "dblclick A" },
        { "objectMenuOpen=false" });
    row("double-click runs the kind's edit step instead", { "edit-hook", "dblclick A" },
        { "objectMenuOpen=false" });
    row("a kind without an edit step opens the menu", { "edit-hook", "dblclick B" },
        { "objectMenuOpen=true" });
    row("a locked object stays under the arrow keys", { "menu Lock All", "click A", "key Right" },
        { "A=100,100,40,30" });
    row("Unlock All frees it", { "menu Lock All", "menu Unlock All", "click A", "key Right" },
        { "A=101,100,40,30" });
}

void TestSurfaceCommands::script()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, expected);
    QFile::remove(SurfaceClipboard::fileName());
    QGuiApplication::clipboard()->clear();
    SurfaceFixture s;
    s.add(QRect(100, 100, 40, 30));
    s.add(QRect(300, 120, 60, 50));
    s.add(QRect(500, 400, 40, 30))->setUnselectable(true);
    s.changes.clear();
    for (const QString &step : steps)
        QVERIFY2(run(s, step), qPrintable("cannot run " + step));
    for (const QString &expectation : expected) {
        const QString misfit = check(s, expectation);
        QVERIFY2(misfit.isEmpty(), qPrintable(misfit));
    }
}

void TestSurfaceCommands::desktopClipboard_data()
{
    // What another Datewright left on the desktop's clipboard after this
    // page copied A into the clipboard file, and what a paste then brings.
    QTest::addColumn<QString>("desktop");
    QTest::addColumn<bool>("fileKept");
    QTest::addColumn<QString>("pasted");
    QTest::newRow("our own copy pastes from the file") << "own" << true << "115,115,40,30";
    QTest::newRow("the file gone, the desktop copy pastes") << "own" << false << "115,115,40,30";
    QTest::newRow("a newer copy of B wins") << "B newer" << true << "315,135,60,50";
    QTest::newRow("an older copy of B loses") << "B older" << true << "115,115,40,30";
    QTest::newRow("damaged records are reported") << "damaged" << false << "message";
}

void TestSurfaceCommands::desktopClipboard()
{
    QFETCH(QString, desktop);
    QFETCH(bool, fileKept);
    QFETCH(QString, pasted);
    ScriptedDialogs dialogs;
    CommonDialogs::Override install(dialogs);
    QClipboard *clipboard = QGuiApplication::clipboard();
    QFile::remove(SurfaceClipboard::fileName());
    clipboard->clear();
    SurfaceFixture s;
    s.add(QRect(100, 100, 40, 30));
    s.add(QRect(300, 120, 60, 50));
    QVERIFY(run(s, "click B") && run(s, "key Ctrl+C"));
    const QByteArray recordsOfB = clipboard->mimeData()->data(SurfaceClipboard::kObjectsMimeType);
    QVERIFY(run(s, "click A") && run(s, "key Ctrl+C"));

    // Other programs get the copied objects as a picture of their size.
    const QImage picture = qvariant_cast<QImage>(clipboard->mimeData()->imageData());
    QCOMPARE(picture.size(), QSize(40, 30));
    const qint64 fileTime = QFileInfo(SurfaceClipboard::fileName()).lastModified().toMSecsSinceEpoch();
    if (desktop != "own") {
        auto *data = new QMimeData;
        data->setData(SurfaceClipboard::kObjectsMimeType, desktop == "damaged" ? "not records" : recordsOfB);
        data->setData(SurfaceClipboard::kCopiedAtMimeType,
            QByteArray::number(fileTime + (desktop == "B older" ? -5000 : 5000)));
        clipboard->setMimeData(data);
    }
    if (!fileKept)
        QFile::remove(SurfaceClipboard::fileName());
    QVERIFY(SurfaceClipboard::canPaste());
    QVERIFY(run(s, "key Ctrl+V"));
    if (pasted == "message") {
        QCOMPARE(dialogs.messages.size(), 1);
        QCOMPARE(s.objects.children().size(), size_t(2));
    } else {
        QVERIFY(dialogs.messages.isEmpty());
        QVERIFY(s.named("Component0"));
        QCOMPARE(check(s, "Component0=" + pasted), QString());
    }
    QFile::remove(SurfaceClipboard::fileName());
    clipboard->clear();
}

void TestSurfaceCommands::placing_data()
{
    QTest::addColumn<QString>("tool");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<float>("zoom");
    QTest::addColumn<QRect>("band"); // display pixels
    QTest::addColumn<QRect>("expected"); // at scale 1
    QTest::addColumn<QString>("editStep"); // the dialog placing opens, cancelled here
    // Placed text kinds hug their text even when their dialog is cancelled:
    // a 20-point label is at most 1.2 lines high, a 48-point SuperText at
    // least one.
    QTest::newRow("label") << "DrawLabelButton"
                           << "TVPLabel" << 1.f << QRect(200, 300, 120, 40) << QRect(200, 300, 120, 37)
                           << "Text";
    QTest::newRow("image, narrow and low")
        << "DrawImageButton"
        << "TVImage" << 1.f << QRect(200, 300, 10, 5) << QRect(200, 300, 50, 15) << "Load Image File ";
    QTest::newRow("rich label at 50%") << "DrawRichText"
                                       << "TVPRichBaseLabel" << 0.5f << QRect(100, 150, 40, 30)
                                       << QRect(200, 300, 80, 60) << "Rich Text Editor";
    QTest::newRow("SuperText at 50%") << "DrawSuperText"
                                      << "TVSuperText" << 0.5f << QRect(100, 150, 60, 30)
                                      << QRect(200, 300, 120, 72) << "SuperText Properties";
    QTest::newRow("floating calendar")
        << "PSpeedButton1"
        << "TVFlatCalendar" << 1.f << QRect(200, 300, 150, 120) << QRect(200, 300, 150, 120) << QString();
}

void TestSurfaceCommands::placing()
{
    QFETCH(QString, tool);
    QFETCH(QString, kind);
    QFETCH(float, zoom);
    QFETCH(QRect, band);
    QFETCH(QRect, expected);
    QFETCH(QString, editStep);
    TCalendarMain main;
    QVERIFY(openMonth(main, QStringLiteral("Place.DWF")));
    ModalDialogCanceller dialogs;
    int editorZoom = 0; // the rich text editor shows the label as the surface does
    dialogs.inspect([&editorZoom](QDialog &dialog) {
        if (auto *editor = qobject_cast<TRichTextLabelEditor *>(&dialog))
            editorZoom = editor->editor().zoom();
    });
    TCalendarPanel32 *panel = main.calendarPanel();
    panel->SetScale(zoom);
    main.SetModified(false);
    const MainMenus &m = main.menus();
    chooseTool(main, tool);
    QVERIFY(!panel->pointing());

    drawBand(panel, band);

    QCOMPARE(dialogs.opened(), editStep);
    if (kind == QLatin1String("TVPRichBaseLabel"))
        QCOMPARE(editorZoom, qRound(zoom * 100));
    QCOMPARE(int(main.placedObjects().children().size()), 1);
    const auto *object = dynamic_cast<const TVGraphicControl *>(main.placedObjects().children().front());
    QCOMPARE(object->className(), kind);
    QCOMPARE(object->name(), QStringLiteral("Special1"));
    QCOMPARE(QRect(object->left(), object->top(), object->width(), object->height()), expected);
    QVERIFY(panel->pointing());
    QVERIFY(m.Pointerbutton->isChecked());
    QCOMPARE(panel->page().panelState(), psPointing);
    QVERIFY(main.Modified());
    QVERIFY(main.cellEditor()->isHidden());
    QCOMPARE(panel->handle().SelectionCount(), 0);

    // A change made on the surface marks the calendar modified too.
    main.SetModified(false);
    QTest::mouseClick(panel, Qt::LeftButton, {}, object->displayRect(zoom).center());
    QCOMPARE(panel->handle().SelectionCount(), 1);
    QTest::keyClick(panel, Qt::Key_Down);
    QCOMPARE(object->top(), expected.top() + (zoom == 1.f ? 1 : 2));
    QVERIFY(main.Modified());
}

void TestSurfaceCommands::placedAtTheCornerStaysOnThePage_data()
{
    QTest::addColumn<QString>("tool");
    QTest::addColumn<float>("zoom");
    // An image grows to its least size past the edge; a SuperText grows to
    // its 48-point text in its dialog.
    QTest::newRow("image") << "DrawImageButton" << 1.f;
    QTest::newRow("SuperText at 50%") << "DrawSuperText" << 0.5f;
}

void TestSurfaceCommands::placedAtTheCornerStaysOnThePage()
{
    QFETCH(QString, tool);
    QFETCH(float, zoom);
    TCalendarMain main;
    QVERIFY(openMonth(main, QStringLiteral("Corner.DWF")));
    ModalDialogCanceller dialogs;
    TCalendarPanel32 *panel = main.calendarPanel();
    panel->SetScale(zoom);
    chooseTool(main, tool);
    const QSize shown = panel->page().controlSizeAt(zoom);
    QTest::mouseClick(panel, Qt::LeftButton, {}, QPoint(shown.width() - 3, shown.height() - 3));

    QCOMPARE(int(main.placedObjects().children().size()), 1);
    const auto *object = dynamic_cast<const TVGraphicControl *>(main.placedObjects().children().front());
    const QSize page = panel->page().controlSizeAt(1.f);
    QVERIFY2(object->width() > 6 && object->height() > 6, "grown past the corner");
    QCOMPARE(object->left() + object->width(), page.width());
    QCOMPARE(object->top() + object->height(), page.height());
}

// Typing into a newly placed rich label starts where typing into an empty
// day cell does, not in the text engine's 8-point face.
void TestSurfaceCommands::newRichLabelStartsInTheCellsDefaultFont()
{
    TCalendarMain main;
    QVERIFY(openMonth(main, QStringLiteral("Rich.DWF")));
    CalendarFont font;
    font.name = QStringLiteral("Courier New");
    font.size = 16;
    font.bold = true;
    main.cellEditing()->setDefaultFont(font);
    QTimer typist;
    QObject::connect(&typist, &QTimer::timeout, [] {
        if (auto *dialog = qobject_cast<TRichTextLabelEditor *>(QApplication::activeModalWidget())) {
            QTest::keyClicks(&dialog->editor(), QStringLiteral("Party"));
            dialog->accept();
        }
    });
    typist.start(20);
    chooseTool(main, QStringLiteral("DrawRichText"));
    drawBand(main.calendarPanel(), QRect(100, 150, 200, 100));

    QCOMPARE(int(main.placedObjects().children().size()), 1);
    const auto *label = dynamic_cast<const TVPRichBaseLabel *>(main.placedObjects().children().front());
    QVERIFY(label);
    QCOMPARE(label->rtfText().plainText().trimmed(), QStringLiteral("Party"));
    QTextDocument document;
    RtfReader::read(label->rtfText().rtf(), document);
    QTextCursor cursor(&document);
    cursor.setPosition(1);
    QCOMPARE(cursor.charFormat().fontFamilies().toStringList().value(0), font.name);
    QCOMPARE(cursor.charFormat().fontPointSize(), 16.0);
    QCOMPARE(cursor.charFormat().fontWeight(), int(QFont::Bold));
}

void TestSurfaceCommands::kindMenuEntries_data()
{
    QTest::addColumn<QString>("tool");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QString>("opens"); // the dialog the entry opens, cancelled here
    QTest::newRow("clip art border") << "DrawImageButton"
                                     << "Border" << true << QString();
    QTest::newRow("no bitmap, no flip") << "DrawImageButton"
                                        << "Flip" << false << QString();
    QTest::newRow("clip art picture") << "DrawImageButton"
                                      << "Load Image From Disk" << true << "Load Image File ";
    QTest::newRow("rich label transparent") << "DrawRichText"
                                            << "Transparent" << true << QString();
    QTest::newRow("rich label edit") << "DrawRichText"
                                     << "Edit" << true << "Rich Text Editor";
    QTest::newRow("floating calendar") << "PSpeedButton1"
                                       << "Properties" << true << "Floating Calendar Properties";
    QTest::newRow("label text") << "DrawLabelButton"
                                << "Text" << true << "Text";
    QTest::newRow("label 3D effects") << "DrawLabelButton"
                                      << "3D Effects" << true << "Text 3D Effects";
    QTest::newRow("label border") << "DrawLabelButton"
                                  << "Border" << true << QString();
    QTest::newRow("SuperText properties") << "DrawSuperText"
                                          << "Properties" << true << "SuperText Properties";
    QTest::newRow("SuperText transparent") << "DrawSuperText"
                                           << "Transparent" << true << QString();
}

void TestSurfaceCommands::kindMenuEntries()
{
    QFETCH(QString, tool);
    QFETCH(QString, entry);
    QFETCH(bool, enabled);
    QFETCH(QString, opens);
    TCalendarMain main;
    QVERIFY(openMonth(main, QStringLiteral("Menus.DWF")));
    ModalDialogCanceller dialogs;
    TCalendarPanel32 *panel = main.calendarPanel();
    chooseTool(main, tool);
    drawBand(panel, QRect(200, 300, 120, 100));
    auto *object = dynamic_cast<TVGraphicControl *>(main.placedObjects().children().front());
    QVERIFY(object);
    dialogs.clear();
    QTRY_VERIFY(main.menus().mnuUndo->isEnabled()); // the placing's step is recorded
    main.SetModified(false);
    const QRect before(object->left(), object->top(), object->width(), object->height());
    std::unique_ptr<QMenu> menu(panel->objectMenu().build(*object));
    QAction *action = nullptr;
    for (QAction *candidate : menu->actions())
        if (candidate->text() == entry)
            action = candidate;
    QVERIFY2(action, qPrintable(entry));
    QCOMPARE(action->isEnabled(), enabled);
    if (!enabled)
        return;
    action->trigger();
    QCOMPARE(dialogs.opened(), opens);
    // A toggle is a change; a cancelled dialog is none.
    QCOMPARE(main.Modified(), opens.isEmpty());
    QCOMPARE(QRect(object->left(), object->top(), object->width(), object->height()), before);
}

void TestSurfaceCommands::zoomingAndSelectingNeverMoveObjects()
{
    // Odd bounds, which every zoom below 100% has to round.
    const QString fileName = m_environment->path(QStringLiteral("Zoom.DWF"));
    {
        CalendarPage page;
        page.resetToDefaultStyle();
        TComponent objects;
        const QList<QRect> bounds { { 101, 97, 33, 17 }, { 333, 211, 77, 55 }, { 517, 403, 9, 13 } };
        for (const QRect &r : bounds) {
            auto *object = new TVPLabel(&objects);
            object->setParent(&objects);
            object->setName(QStringLiteral("Special%1").arg(objects.componentCount()));
            object->setBounds(r.x(), r.y(), r.width(), r.height());
        }
        QString error;
        QVERIFY2(CalendarFile::save(fileName, page, &objects, &error), qPrintable(error));
    }
    TCalendarMain main;
    QVERIFY(showSettled(main));
    main.OpenCalendarFile(fileName);
    main.mnuSaveClick();
    QFile file(fileName);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();

    // At every zoom step, out and back in, each object is clicked and
    // Shift-clicked off again; none of it is a change.
    TCalendarPanel32 *panel = main.calendarPanel();
    const auto clickEach = [&] {
        for (TVGraphicControl *object : panel->objects()) {
            const QPoint at = object->displayRect(panel->scale()).center();
            QTest::mouseClick(panel, Qt::LeftButton, {}, at);
            QTest::mouseClick(panel, Qt::LeftButton, Qt::ShiftModifier, at);
        }
    };
    QList<float> scales;
    for (QAction *zoom : { main.zoomOutAction(), main.zoomInAction() }) {
        for (int steps = 0; zoom->isEnabled() && steps < 20; ++steps) {
            zoom->trigger();
            scales << panel->scale();
            clickEach();
            QVERIFY(panel->handle().SelectionCount() == 0);
        }
    }
    QVERIFY2(scales.size() > 4, qPrintable(QString::number(scales.size())));
    QVERIFY(!main.Modified());
    main.mnuSaveClick();
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
}

void TestSurfaceCommands::fontGoesToTheSelection_data()
{
    QTest::addColumn<bool>("accepted");
    QTest::newRow("OK") << true;
    QTest::newRow("Cancel") << false;
}

void TestSurfaceCommands::fontGoesToTheSelection()
{
    QFETCH(bool, accepted);
    SurfaceFixture s;
    QList<TVPLabel *> labels;
    for (int i = 0; i < 3; ++i) {
        labels << new TVPLabel(&s.objects);
        labels[i]->setParent(&s.objects);
        labels[i]->setBounds(100 + 150 * i, 100, 100, 40);
        s.panel.HookObjectEvents(labels[i]);
    }
    const CalendarFont before = labels[0]->font();
    s.click(labels[0]->displayRect(1.f).center());
    s.clock += 500;
    s.click(labels[2]->displayRect(1.f).center(), Qt::ShiftModifier);
    s.changes.clear();
    m_environment->dialogs.fontAnswers
        << (accepted ? std::optional<QFont>(QFont(QStringLiteral("Arial"), 14)) : std::nullopt);
    menuEntry(s.panel, "Font")->trigger();
    QCOMPARE(m_environment->dialogs.fontAnswers.size(), 0);
    for (int i : { 0, 2 }) {
        QCOMPARE(labels[i]->font().name, accepted ? QStringLiteral("Arial") : before.name);
        QCOMPARE(labels[i]->font().size, accepted ? 14 : before.size);
    }
    QCOMPARE(labels[1]->font(), before);
    QCOMPARE(s.changes.isEmpty(), !accepted);
}

void TestSurfaceCommands::lockEntriesNeedAChildControl_data()
{
    QTest::addColumn<bool>("mainWindowPage"); // holds the cell editor
    QTest::addColumn<int>("objects");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("plain surface, only the frame") << false << 0 << false;
    QTest::newRow("plain surface with an object") << false << 1 << true;
    QTest::newRow("calendar page without objects") << true << 0 << true;
}

void TestSurfaceCommands::lockEntriesNeedAChildControl()
{
    QFETCH(bool, mainWindowPage);
    QFETCH(int, objects);
    QFETCH(bool, enabled);
    TComponent owner;
    for (int i = 0; i < objects; ++i)
        (new TVImage(&owner))->setParent(&owner);
    TVBasePanel plain;
    TCalendarMain main;
    TVBasePanel *panel = mainWindowPage ? main.calendarPanel() : &plain;
    panel->setPlacedObjects(&owner);
    panel->contextMenu()->aboutToShow();
    for (const char *caption : { "Lock All", "Unlock All" })
        QCOMPARE(menuEntry(*panel, caption)->isEnabled(), enabled);
    panel->setPlacedObjects(nullptr);
}

QTEST_MAIN(TestSurfaceCommands)
#include "tst_surfacecommands.moc"
