// The rich-text label editor: the page the label's size at 100% shown at
// the surface's zoom, the zoom buttons' steps and limits with the panel
// following, and the text, styled from the keyboard too, taken over only on
// OK.
#include "surface/richtextlabeleditor.h"

#include "richtext/wprichtext.h"
#include "richtext/wptoolbar.h"

#include "objects/vprichbaselabel.h"
#include "richtext/rtfreader.h"

#include <QAction>
#include <QSignalSpy>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace {

std::unique_ptr<TVPRichBaseLabel> placedLabel(float scale, int width, int height)
{
    auto label = std::make_unique<TVPRichBaseLabel>();
    label->adoptScale(scale);
    label->setBounds(10, 10, width, height);
    TWPRtfStorage text;
    text.setRtf("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs24 Hello\\par}");
    label->setRTFText(text);
    return label;
}

QAction *button(const TRichTextLabelEditor &dialog, const char *name)
{
    return dialog.findChild<QAction *>(QLatin1String(name));
}

} // namespace

class TestRichTextLabelEditor : public QObject
{
    Q_OBJECT

private slots:
    void pageIsTheLabelAtFullSize_data();
    void pageIsTheLabelAtFullSize();
    void zoomStepsFromForty();
    void okTakesTheTextCancelKeeps_data();
    void okTakesTheTextCancelKeeps();
};

void TestRichTextLabelEditor::pageIsTheLabelAtFullSize_data()
{
    QTest::addColumn<float>("labelScale"); // the scale its bounds are kept at
    QTest::addColumn<float>("surfaceZoom");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("panelWidth"); // on screen, + 1
    QTest::addColumn<int>("pageWidth"); // twips
    QTest::addColumn<int>("zoom");
    QTest::newRow("100%") << 1.0f << 1.0f << 190 << 191 << 2850 << 100;
    QTest::newRow("50%: 100 on screen, 200 at full size") << 0.5f << 0.5f << 100 << 101 << 3000 << 50;
    QTest::newRow("75%, rounded") << 0.75f << 0.75f << 143 << 144 << 2865 << 75;
    QTest::newRow("50% on a surface, bounds at full size") << 1.0f << 0.5f << 200 << 101 << 3000 << 50;
}

void TestRichTextLabelEditor::pageIsTheLabelAtFullSize()
{
    QFETCH(float, labelScale);
    QFETCH(float, surfaceZoom);
    QFETCH(int, width);
    QFETCH(int, panelWidth);
    QFETCH(int, pageWidth);
    QFETCH(int, zoom);
    const auto label = placedLabel(labelScale, width, 40);
    TRichTextLabelEditor dialog;
    dialog.loadLabel(*label, surfaceZoom);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Rich Text Editor"));
    QCOMPARE(dialog.editor().pageWidthTwips(), pageWidth);
    QCOMPARE(dialog.editor().zoom(), zoom);
    QCOMPARE(dialog.panel().size(), QSize(panelWidth, qRound(40 * surfaceZoom / labelScale) + 1));
    QCOMPARE(dialog.editor().toPlainText().trimmed(), QStringLiteral("Hello"));
    QCOMPARE(dialog.toolBar().editor(), &dialog.editor());
    QVERIFY(dialog.toolBar().isEnabled());
}

void TestRichTextLabelEditor::zoomStepsFromForty()
{
    const auto label = placedLabel(0.4f, 80, 20);
    TRichTextLabelEditor dialog;
    dialog.loadLabel(*label, 0.4f);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.editor().zoom(), 40);
    QCOMPARE(button(dialog, "ZoomMinusButton")->toolTip(), QStringLiteral("Zoom Out"));
    button(dialog, "ZoomMinusButton")->trigger();
    QCOMPARE(dialog.editor().zoom(), 40);
    QList<int> steps;
    for (int i = 0; i < 8; ++i) {
        button(dialog, "ZoomPlusButton")->trigger();
        steps << dialog.editor().zoom();
    }
    QCOMPARE(steps, (QList<int> { 50, 60, 70, 80, 90, 100, 100, 100 }));
    // The panel grows with the zoom from its size when shown: 81 x 21 at 40%.
    QCOMPARE(dialog.panel().size(), QSize(202, 52)); // 202.5 and 52.5, ties to even
    button(dialog, "ZoomMinusButton")->trigger();
    QCOMPARE(dialog.editor().zoom(), 90);
    QCOMPARE(dialog.panel().size(), QSize(182, 47)); // 182.25 and 47.25
}

void TestRichTextLabelEditor::okTakesTheTextCancelKeeps_data()
{
    QTest::addColumn<bool>("ok");
    QTest::newRow("ok") << true;
    QTest::newRow("cancel") << false;
}

void TestRichTextLabelEditor::okTakesTheTextCancelKeeps()
{
    QFETCH(bool, ok);
    const auto label = placedLabel(1.0f, 190, 33);
    QSignalSpy modified(label.get(), &TVGraphicControl::modified);
    bool focused = false;
    int caret = -1;
    QTimer::singleShot(0, [ok, &focused, &caret] {
        auto *dialog = qobject_cast<TRichTextLabelEditor *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        focused = dialog->focusWidget() == &dialog->editor();
        caret = dialog->editor().textCursor().position();
        QTest::keyClick(&dialog->editor(), Qt::Key_B, Qt::ControlModifier);
        QTest::keyClicks(&dialog->editor(), QStringLiteral("Say "));
        ok ? dialog->accept() : dialog->reject();
    });
    QCOMPARE(TRichTextLabelEditor::editRichText(*label, 1.0f), ok);
    QCOMPARE(label->rtfText().plainText(), ok ? QStringLiteral("Say Hello") : QStringLiteral("Hello"));
    QTextDocument stored;
    QVERIFY(RtfReader::read(label->rtfText().rtf(), stored));
    QTextCursor first(&stored);
    first.movePosition(QTextCursor::NextCharacter);
    QCOMPARE(first.charFormat().fontWeight() >= QFont::Bold, ok); // Ctrl+B
    QCOMPARE(modified.size(), ok ? 1 : 0);
    QVERIFY(focused);
    QCOMPARE(caret, 0); // the caret at the start
}

QTEST_MAIN(TestRichTextLabelEditor)
#include "tst_richtextlabeleditor.moc"
