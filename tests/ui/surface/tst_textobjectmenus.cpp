// The text label's and the SuperText's own menu entries and edits on a real
// page: check marks that show the object as it is, every change laid out
// (the stored bounds are the drawn ones) and reported to the page, the
// SuperText's font dialog listing outline faces only, and a double click
// opening each kind's dialog.
#include "modaldialogcanceller.h"
#include "scripteddialogs.h"
#include "surfacefixture.h"

#include "objects/vplabel.h"
#include "objects/vsupertext.h"
#include "surface/objecteditors.h"
#include "surface/objectmenu.h"

#include <QLineEdit>
#include <QMenu>
#include <QtTest>

namespace {

// An entry of the object's menu by caption; "Rotation/90 Degrees" for a
// submenu's entry.
QAction *entry(QMenu &menu, const QString &path)
{
    QMenu *in = &menu;
    const QStringList parts = path.split('/');
    for (int i = 0; i < parts.size(); ++i) {
        QAction *found = nullptr;
        for (QAction *action : in->actions())
            found = action->text() == parts[i] ? action : found;
        if (!found || i + 1 == parts.size())
            return found;
        in = found->menu();
        if (!in)
            return nullptr;
    }
    return nullptr;
}

[[nodiscard]] QSize stored(const TVGraphicControl &o)
{
    return { o.width(), o.height() };
}

} // namespace

class TestTextObjectMenus : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void labelMarks_data();
    void labelMarks();
    void changesAreLaidOutAndReported_data();
    void changesAreLaidOutAndReported();
    void superTextFontIsAnOutlineFace();
    void doubleClickOpensTheKindsDialog_data();
    void doubleClickOpensTheKindsDialog();

private:
    std::unique_ptr<SurfaceFixture> m_surface;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<CommonDialogs::Override> m_answers;
    TVPLabel *m_label = nullptr;
    TVSuperText *m_text = nullptr;
};

void TestTextObjectMenus::init()
{
    m_dialogs = std::make_unique<ScriptedDialogs>();
    m_answers = std::make_unique<CommonDialogs::Override>(*m_dialogs);
    m_surface = std::make_unique<SurfaceFixture>();
    ObjectEditors::install(m_surface->panel);
    TComponent &objects = m_surface->objects;
    m_label = new TVPLabel(&objects);
    m_label->setParent(&objects);
    m_label->setName(QStringLiteral("A"));
    m_label->setCaption(QStringLiteral("Birthday"));
    m_label->setBounds(100, 120, 160, 40);
    m_text = new TVSuperText(&objects);
    m_text->setParent(&objects);
    m_text->setName(QStringLiteral("B"));
    m_text->setBounds(100, 300, 300, 90);
    m_text->setBorderStyle(bsSingle);
    for (TVGraphicControl *o : m_surface->panel.objects()) {
        m_surface->panel.HookObjectEvents(o);
        o->layOut();
    }
    m_surface->changes.clear();
}

void TestTextObjectMenus::cleanup()
{
    m_surface.reset();
    m_answers.reset();
    m_dialogs.reset();
}

void TestTextObjectMenus::labelMarks_data()
{
    QTest::addColumn<int>("angle");
    QTest::addColumn<int>("alignment");
    QTest::addColumn<QStringList>("checked");
    QTest::addColumn<QStringList>("unchecked");
    QTest::newRow("as placed") << 0 << int(taLeftJustify)
                               << QStringList { "Transparent", "Alignment/Left", "Rotation/No Rotation" }
                               << QStringList { "Border", "Alignment/Center", "Rotation/90 Degrees" };
    QTest::newRow("centred") << 0 << int(taCenter) << QStringList { "Alignment/Center" }
                             << QStringList { "Alignment/Left", "Alignment/Right" };
    QTest::newRow("turned") << 270 << int(taCenter)
                            << QStringList { "Rotation/270 Degrees", "Alignment/Left" }
                            << QStringList { "Rotation/No Rotation", "Alignment/Center" };
}

void TestTextObjectMenus::labelMarks()
{
    QFETCH(int, angle);
    QFETCH(int, alignment);
    QFETCH(QStringList, checked);
    QFETCH(QStringList, unchecked);
    m_label->setAlignment(TAlignment(alignment));
    m_label->setAngle(angle); // a turned label is left-aligned
    std::unique_ptr<QMenu> menu(m_surface->panel.objectMenu().build(*m_label));
    for (const QString &caption : checked)
        QVERIFY2(entry(*menu, caption) && entry(*menu, caption)->isChecked(), qPrintable(caption));
    for (const QString &caption : unchecked)
        QVERIFY2(entry(*menu, caption) && !entry(*menu, caption)->isChecked(), qPrintable(caption));
}

void TestTextObjectMenus::changesAreLaidOutAndReported_data()
{
    QTest::addColumn<QString>("object");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QColor>("colorChoice");
    QTest::addColumn<QString>("check"); // what must have changed
    QTest::newRow("label turned") << "A"
                                  << "Rotation/90 Degrees" << QColor() << "upright";
    QTest::newRow("label border") << "A"
                                  << "Border" << QColor() << "border";
    QTest::newRow("label centred") << "A"
                                   << "Alignment/Center" << QColor() << "centred";
    QTest::newRow("label background") << "A"
                                      << "Background Color" << QColor(Qt::red) << "opaque red";
    QTest::newRow("SuperText transparent, border off") << "B"
                                                       << "Border" << QColor() << "shrunk";
    QTest::newRow("SuperText background") << "B"
                                          << "Background Color" << QColor(Qt::red) << "opaque red";
}

void TestTextObjectMenus::changesAreLaidOutAndReported()
{
    QFETCH(QString, object);
    QFETCH(QString, path);
    QFETCH(QColor, colorChoice);
    QFETCH(QString, check);
    TVGraphicControl *o = m_surface->named(object);
    const QSize before = stored(*o);
    if (colorChoice.isValid())
        m_dialogs->colorChoices << colorChoice;
    m_text->setControlTransparent(true); // the border alone keeps its height
    std::unique_ptr<QMenu> menu(m_surface->panel.objectMenu().build(*o));
    QAction *action = entry(*menu, path);
    QVERIFY(action);
    action->trigger();
    QVERIFY(!m_surface->changes.isEmpty());
    // Stored as drawn: laying out again changes nothing.
    const QSize after = stored(*o);
    o->layOut();
    QCOMPARE(stored(*o), after);
    if (check == "upright") {
        QCOMPARE(m_label->angle(), 90);
        QVERIFY(after.height() > after.width());
        QVERIFY(after.height() <= before.width());
    } else if (check == "border") {
        QCOMPARE(m_label->borderStyle(), bsSingle);
        QCOMPARE(after, before);
    } else if (check == "centred") {
        QCOMPARE(m_label->alignment(), taCenter);
    } else if (check == "shrunk") {
        QCOMPARE(m_text->borderStyle(), bsNone);
        QVERIFY(after.height() < before.height());
    } else {
        const bool label = o == m_label;
        QCOMPARE(label ? m_label->backColor() : m_text->bgColor(), TColor(0x0000FF));
        QVERIFY(!(label ? m_label->transparent() : m_text->controlTransparent()));
    }
}

void TestTextObjectMenus::superTextFontIsAnOutlineFace()
{
    QFont chosen(QStringLiteral("Liberation Serif"));
    chosen.setPointSize(72);
    m_dialogs->fontAnswers << chosen;
    std::unique_ptr<QMenu> menu(m_surface->panel.objectMenu().build(*m_text));
    entry(*menu, QStringLiteral("Font"))->trigger();
    QVERIFY(m_dialogs->lastFontFaces == CommonDialogs::FontFaces::Scalable);
    QCOMPARE(m_text->font().name, QStringLiteral("Liberation Serif"));
    QCOMPARE(m_text->font().size, 72);
    // Fitted: the larger text is shown whole.
    QCOMPARE(m_text->shownCaption(m_text->layoutAt(1.f), 1.f), m_text->caption());
    QVERIFY(!m_surface->changes.isEmpty());
}

void TestTextObjectMenus::doubleClickOpensTheKindsDialog_data()
{
    QTest::addColumn<QString>("object");
    QTest::addColumn<QString>("dialog");
    QTest::newRow("label") << "A"
                           << "Text";
    QTest::newRow("SuperText") << "B"
                               << "SuperText Properties";
}

void TestTextObjectMenus::doubleClickOpensTheKindsDialog()
{
    QFETCH(QString, object);
    QFETCH(QString, dialog);
    SurfaceFixture &s = *m_surface;
    const QSize before = stored(*s.named(object));
    ModalDialogCanceller canceller;
    const QPoint at = s.centreOf(object);
    s.click(at);
    s.clock += 100;
    s.send(QEvent::MouseButtonDblClick, at, Qt::LeftButton, Qt::LeftButton);
    s.release(at);
    QCOMPARE(canceller.opened(), dialog);
    QCOMPARE(stored(*s.named(object)), before);
    QVERIFY(s.changes.isEmpty());
}

QTEST_MAIN(TestTextObjectMenus)
#include "tst_textobjectmenus.moc"
