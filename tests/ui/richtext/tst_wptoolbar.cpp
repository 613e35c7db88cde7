// The formatting tool bar: its lists and hints, and its commands acting on
// the attached editor at the editor's zoom.
#include "picturecheck.h"
#include "richtext/wprichtext.h"
#include "richtext/wptoolbar.h"

#include <QAction>
#include <QComboBox>
#include <QFontComboBox>
#include <QTextBlock>
#include <QToolButton>
#include <QtTest>

class TestWPToolBar : public QObject
{
    Q_OBJECT

private slots:
    void listsAndHints()
    {
        TWPToolBar bar;
        QVERIFY(!bar.isEnabled());
        QCOMPARE(bar.sizeList()->itemText(0), QStringLiteral("8"));
        QCOMPARE(bar.colorList()->count(), 16);
        QCOMPARE(bar.boldAction()->toolTip(), QStringLiteral("Bold Font"));
        QCOMPARE(bar.italicAction()->toolTip(), QStringLiteral("Italic Font"));
        QCOMPARE(bar.underlineAction()->toolTip(), QStringLiteral("Underlined Font"));
        QCOMPARE(bar.leftAction()->toolTip(), QStringLiteral("Left Justify Text"));
        QCOMPARE(bar.rightAction()->toolTip(), QStringLiteral("Right Justify Text"));
        QCOMPARE(bar.centerAction()->toolTip(), QStringLiteral("Center Text "));
        QCOMPARE(bar.copyAction()->toolTip(), QStringLiteral("Copy Text"));
        QCOMPARE(bar.cutAction()->toolTip(), QStringLiteral("Cut Text"));
        QCOMPARE(bar.pasteAction()->toolTip(), QStringLiteral("Paste Text"));
        QCOMPARE(bar.selectAllAction()->toolTip(), QStringLiteral("Select All"));
        QVERIFY(bar.boldAction()->isCheckable() && !bar.copyAction()->isCheckable());
    }

    // Picture buttons, drawn sharp at the display's scale (the suite runs
    // this at 100% and at 200%).
    void buttonsShowSharpPictures()
    {
        TWPToolBar bar;
        bar.setEnabled(true);
        bar.resize(1000, 40);
        bar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bar));
        int checked = 0;
        for (QToolButton *button : bar.findChildren<QToolButton *>()) {
            if (!button->isVisible())
                continue;
            QCOMPARE(button->toolButtonStyle(), Qt::ToolButtonIconOnly);
            const QString fault = PictureCheck::fault(button);
            QVERIFY2(fault.isEmpty(), qPrintable(fault));
            ++checked;
        }
        QCOMPARE(checked, 10);
    }

    void commandsActOnTheEditor()
    {
        TWPToolBar bar;
        TWPRichText editor;
        editor.setZoom(50);
        editor.setRtf("{\\rtf1\\fs20 one two}");
        bar.setEnabled(true);
        bar.attachEditor(&editor);
        bar.selectAllAction()->trigger();
        QCOMPARE(editor.textCursor().selectedText(), QStringLiteral("one two"));
        bar.boldAction()->trigger();
        bar.italicAction()->trigger();
        bar.underlineAction()->trigger();
        bar.centerAction()->trigger();
        bar.sizeList()->setEditText(QStringLiteral("14"));
        emit bar.sizeList()->textActivated(QStringLiteral("14"));
        bar.colorList()->setCurrentIndex(9);
        emit bar.colorList()->activated(9);
        QTextCursor cursor(editor.document());
        cursor.setPosition(2);
        QCOMPARE(cursor.charFormat().fontWeight(), int(QFont::Bold));
        QVERIFY(cursor.charFormat().fontItalic());
        QVERIFY(cursor.charFormat().fontUnderline());
        QCOMPARE(cursor.charFormat().fontPointSize(), 7.0); // 14 pt shown at 50%
        QCOMPARE(cursor.charFormat().foreground().color(), QColor(Qt::red));
        QCOMPARE(editor.document()->begin().blockFormat().alignment() & Qt::AlignHorizontal_Mask,
            Qt::AlignHCenter);
        bar.rightAction()->trigger();
        QCOMPARE(editor.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    }

    void showsTheAttributesAtTheCursor()
    {
        TWPToolBar bar;
        TWPRichText editor;
        editor.setZoom(60);
        editor.setRtf("{\\rtf1{\\fonttbl{\\f0 Arial;}}\\f0\\fs24 plain {\\b\\i\\fs36 strong}}");
        bar.attachEditor(&editor);
        QTextCursor cursor(editor.document());
        cursor.setPosition(9);
        editor.setTextCursor(cursor);
        QVERIFY(bar.boldAction()->isChecked());
        QVERIFY(bar.italicAction()->isChecked());
        QCOMPARE(bar.sizeList()->currentText(), QStringLiteral("18"));
        cursor.setPosition(2);
        editor.setTextCursor(cursor);
        QVERIFY(!bar.boldAction()->isChecked());
        QCOMPARE(bar.sizeList()->currentText(), QStringLiteral("12"));
        QVERIFY(bar.leftAction()->isChecked());
        // Zooming leaves the sizes as they are on paper.
        editor.setZoom(50);
        QCOMPARE(bar.sizeList()->currentText(), QStringLiteral("12"));
        editor.setZoom(100);
        QCOMPARE(bar.sizeList()->currentText(), QStringLiteral("12"));
    }

    void detachedBarDoesNothing()
    {
        TWPToolBar bar;
        TWPRichText editor;
        editor.setRtf("{\\rtf1 text}");
        bar.attachEditor(&editor);
        bar.attachEditor(nullptr);
        editor.selectAll();
        bar.boldAction()->trigger();
        QTextCursor cursor(editor.document());
        cursor.setPosition(2);
        QCOMPARE(cursor.charFormat().fontWeight(), int(QFont::Normal));
    }
};

QTEST_MAIN(TestWPToolBar)
#include "tst_wptoolbar.moc"
