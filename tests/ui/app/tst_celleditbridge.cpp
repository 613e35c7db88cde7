// The day-cell editing bridge on a real main window: the editor over a
// cell, storing on close, Tab between cells, the default font of empty
// cells, pictures dropped on cells, clearing all cells.
#include "app/calendarmain.h"
#include "mainwindowfixture.h"
#include "richtext/celleditbridge.h"
#include "richtext/rtfreader.h"
#include "richtext/wprichtext.h"
#include "richtext/wptoolbar.h"
#include "surface/calendarpanel32.h"

#include <QMimeData>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QtTest>

namespace {

const QByteArray kTimesBold = "{\\rtf1{\\fonttbl{\\f0 Times New Roman;}}\\f0\\fs28\\b Party}";

QTextCharFormat firstCharFormat(const QByteArray &rtf)
{
    QTextDocument document;
    RtfReader::read(rtf, document);
    QTextCursor cursor(&document);
    cursor.setPosition(1);
    return cursor.charFormat();
}

QTextCharFormat lastCharFormat(const QByteArray &rtf)
{
    QTextDocument document;
    RtfReader::read(rtf, document);
    QTextCursor cursor(&document);
    cursor.movePosition(QTextCursor::End);
    return cursor.charFormat();
}

} // namespace

class TestCellEditBridge : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<MainWindowEnvironment> m_environment;
    std::unique_ptr<TCalendarMain> m_window;
    TCalendarPanel32 *panel() const { return m_window->calendarPanel(); }
    CalendarPage &page() const { return panel()->page(); }
    CellEditBridge *bridge() const { return m_window->cellEditing(); }
    TWPRichText *editor() const { return m_window->cellEditor(); }

    void focusEditor()
    {
        // The offscreen platform gives focus only to an active window; the
        // editor's enter event is what matters here.
        QFocusEvent focusIn(QEvent::FocusIn, Qt::OtherFocusReason);
        QApplication::sendEvent(editor(), &focusIn);
    }

private slots:
    void init()
    {
        m_environment = std::make_unique<MainWindowEnvironment>();
        m_window = std::make_unique<TCalendarMain>();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        m_window->OpenCalendarFile(m_environment->writeCalendar("September.DWF", 0, 9, 2026));
        QVERIFY(m_window->pageShown());
        page().recordCellTable(panel()->scale()); // the cell table a paint records
    }

    void cleanup()
    {
        m_window.reset();
        m_environment.reset();
    }

    void opensOverTheFreeRectangle()
    {
        QVERIFY(editor()->isHidden());
        QVERIFY(!m_window->cellToolBar()->isEnabled());
        page().raiseForCell(10);
        const TRect free = page().cellTable()[9].free;
        // One pixel inside the free rectangle, whose edge holds the focus outline.
        const int w = free.right - free.left - 1;
        const int h = free.bottom - free.top - 1;
        QVERIFY(editor()->isVisible());
        QCOMPARE(editor()->geometry(), QRect(free.left + 1, free.top + 1, w, h));
        QCOMPARE(editor()->parentWidget(), panel());
        QCOMPARE(editor()->zoom(), int(double(panel()->scale()) * 100));
        // The page at 100% is the free rectangle unzoomed, so wrapping matches the painted cell.
        QCOMPARE(editor()->pageWidthTwips(), qRound(w * 15.0 * 100 / editor()->zoom()));
        QCOMPARE(editor()->lineWrapColumnOrWidth(), w);
        QVERIFY(bridge()->EditingCell());
        QCOMPARE(bridge()->EditedCellStorage(), page().cellStorage(10));
        QCOMPARE(bridge()->CurrentCell(), 10);
        QVERIFY(bridge()->EditorArmed());
        focusEditor();
        QVERIFY(m_window->cellToolBar()->isEnabled());
        QCOMPARE(m_window->cellToolBar()->editor(), editor());
    }

    void editingCellKeepsItsGridLinesAndShowsAnOutline_data()
    {
        QTest::addColumn<int>("cell");
        QTest::newRow("inner cell") << 10;
        QTest::newRow("last column") << 14;
        QTest::newRow("fifth row") << 30;
    }

    void editingCellKeepsItsGridLinesAndShowsAnOutline()
    {
        QFETCH(int, cell);
        page().raiseForCell(cell);
        const TRect free = page().cellTable()[size_t(cell - 1)].free;
        const TRect box = page().cellTable()[size_t(cell - 1)].rect;
        const QImage image = panel()->grab().toImage();
        const auto at = [&image](int x, int y) { return image.pixel(x, y) & 0xFFFFFF; };
        const int midX = (free.left + free.right) / 2, midY = (free.top + free.bottom) / 2;
        // The grid lines around the cell: below it and on both sides.
        QCOMPARE(at(midX, box.bottom + 1), 0u);
        QCOMPARE(at(box.left - 5, midY), 0u);
        bool rightLine = false; // the last column's line is the grid's edge, further out
        for (int x = box.right + 1; x < std::min(image.width(), box.right + 12); ++x)
            rightLine = rightLine || at(x, midY) == 0u;
        QVERIFY(rightLine);
        // The outline along the free rectangle's edge, inside the lines.
        const QRgb outline = QColor(0, 96, 208).rgb() & 0xFFFFFF;
        QCOMPARE(at(free.left, midY), outline);
        QCOMPARE(at(free.right, midY), outline);
        QCOMPARE(at(midX, free.top), outline);
        QCOMPARE(at(midX, free.bottom), outline);
        // Ending the edit takes the outline away.
        bridge()->DoSaveRichtext();
        QVERIFY((panel()->grab().toImage().pixel(free.left, midY) & 0xFFFFFF) != outline);
    }

    void loadingDoesNotModify()
    {
        page().setCellContents(12, kTimesBold);
        page().raiseForCell(12);
        QCOMPARE(editor()->toPlainText(), QStringLiteral("Party"));
        QVERIFY(!m_window->Modified());
        QTest::keyClicks(editor(), QStringLiteral("!"));
        QVERIFY(m_window->Modified());
    }

    void secondCellStoresTheFirst()
    {
        page().raiseForCell(10);
        QTest::keyClicks(editor(), QStringLiteral("Dentist"));
        QVERIFY(page().cellStorage(10)->isEmpty()); // stored only when the editor closes
        page().raiseForCell(11);
        QCOMPARE(page().cellStorage(10)->plainText(), QStringLiteral("Dentist"));
        QCOMPARE(bridge()->EditedCellStorage(), page().cellStorage(11));
        QVERIFY(editor()->isEmptyText());
        bridge()->DoSaveRichtext();
        QVERIFY(editor()->isHidden());
        QVERIFY(!bridge()->EditingCell());
        QVERIFY(!m_window->cellToolBar()->isEnabled());
        QCOMPARE(bridge()->CurrentCell(), 11);
    }

    void tabMovesBetweenCells()
    {
        page().raiseForCell(10);
        QTest::keyClick(editor(), Qt::Key_Tab);
        QCOMPARE(bridge()->CurrentCell(), 11);
        QCOMPARE(bridge()->EditedCellStorage(), page().cellStorage(11));
        QTest::keyClick(editor(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(bridge()->CurrentCell(), 10);
        QVERIFY(editor()->toPlainText().isEmpty()); // Tab is never text
    }

    void tabStopsAtTheEnds()
    {
        page().raiseForCell(42);
        QTest::keyClick(editor(), Qt::Key_Tab);
        QCOMPARE(bridge()->CurrentCell(), 42);
        QCOMPARE(bridge()->EditedCellStorage(), page().cellStorage(42));
        QVERIFY(editor()->isVisible());
        page().raiseForCell(1);
        QTest::keyClick(editor(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(bridge()->CurrentCell(), 1);
        QCOMPARE(bridge()->EditedCellStorage(), page().cellStorage(1));
    }

    void tabSkipsNothingWhenTheNextCellHasNoTextArea()
    {
        page().setNumberPosition(cnpCenter); // centred numbers leave no text area
        page().recordCellTable(panel()->scale());
        page().raiseForCell(10);
        QTest::keyClick(editor(), Qt::Key_Tab);
        QCOMPARE(bridge()->CurrentCell(), 10);
    }

    void emptyCellStartsInTheDefaultFont()
    {
        CalendarFont font;
        font.name = QStringLiteral("Courier New");
        font.size = 16;
        font.italic = true;
        font.color = 0x0000FF; // red, low byte first
        bridge()->setDefaultFont(font);
        page().raiseForCell(20);
        focusEditor();
        const CharAttributes attributes = editor()->currentAttributes();
        QCOMPARE(editor()->fontTable().value(attributes.fontIndex), QStringLiteral("Courier New"));
        QCOMPARE(attributes.size, 16.0);
        QCOMPARE(attributes.styles, int(TWPRichText::Italic));
        QCOMPARE(attributes.colorIndex, 9);
        QVERIFY(!m_window->Modified());
        QTest::keyClicks(editor(), QStringLiteral("Gym"));
        bridge()->DoSaveRichtext();
        const QTextCharFormat stored = firstCharFormat(page().cellContents(20));
        QCOMPARE(stored.fontFamilies().toStringList().value(0), QStringLiteral("Courier New"));
        QCOMPARE(stored.fontPointSize(), 16.0);
        QVERIFY(stored.fontItalic());
        QCOMPARE(stored.foreground().color(), QColor(Qt::red));
    }

    // Tab keeps the focus in the editor, so no focus event announces the
    // next cell: opening it must still give an empty cell the default font
    // and the tool bar. A picture dropped into an empty cell must not take
    // the font away from the text typed after it (key 0: a drop).
    void typingAfterTabUsesTheDefaultFont_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<int>("firstCell");
        QTest::addColumn<int>("key");
        QTest::newRow("month, picture dropped first") << 0 << 10 << 0;
        QTest::newRow("month, Tab") << 0 << 10 << int(Qt::Key_Tab);
        QTest::newRow("month, Shift+Tab") << 0 << 10 << int(Qt::Key_Backtab);
        QTest::newRow("week planner, Tab") << int(loWeek) << 1 << int(Qt::Key_Tab);
        QTest::newRow("day planner, Tab") << int(loDay10) << 1 << int(Qt::Key_Tab);
    }

    void typingAfterTabUsesTheDefaultFont()
    {
        QFETCH(int, layout);
        QFETCH(int, firstCell);
        QFETCH(int, key);
        if (layout != 0) {
            m_window->OpenCalendarFile(m_environment->writeCalendar("Planner.DWF", layout, 9, 2026));
            page().recordCellTable(panel()->scale());
        }
        CalendarFont font;
        font.name = QStringLiteral("Courier New");
        font.size = 16;
        font.bold = true;
        bridge()->setDefaultFont(font);
        if (key == 0) {
            QImage icon(16, 16, QImage::Format_RGB32);
            icon.fill(Qt::green);
            QMimeData data;
            data.setImageData(icon);
            const TRect cell = page().cellTable()[size_t(firstCell - 1)].rect;
            bridge()->CalendarPanelDragDrop(
                QPoint((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2), &data);
            QCOMPARE(bridge()->CurrentCell(), firstCell);
            // A click behind the picture puts the cursor there afresh.
            QTextCursor behind = editor()->textCursor();
            behind.setPosition(0);
            behind.setPosition(1);
            editor()->setTextCursor(behind);
        } else {
            page().raiseForCell(firstCell);
            focusEditor();
            QTest::keyClicks(editor(), QStringLiteral("One"));
            const Qt::KeyboardModifiers modifiers
                = key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier;
            QTest::keyClick(editor(), Qt::Key(key), modifiers);
            QVERIFY(bridge()->CurrentCell() != firstCell);
        }
        const int next = bridge()->CurrentCell();
        QVERIFY(m_window->cellToolBar()->isEnabled());
        QTest::keyClicks(editor(), QStringLiteral("Two"));
        QVERIFY(m_window->cellToolBar()->isEnabled()); // typing marks the calendar modified
        bridge()->DoSaveRichtext();
        const QTextCharFormat stored = lastCharFormat(page().cellContents(next));
        QCOMPARE(stored.fontFamilies().toStringList().value(0), QStringLiteral("Courier New"));
        QCOMPARE(stored.fontPointSize(), 16.0);
        QVERIFY(stored.fontWeight() >= QFont::Bold);
    }

    void styleKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Ctrl+B") << int(Qt::Key_B);
        QTest::newRow("Ctrl+I") << int(Qt::Key_I);
        QTest::newRow("Ctrl+U") << int(Qt::Key_U);
    }

    void styleKeys()
    {
        QFETCH(int, key);
        page().raiseForCell(15);
        focusEditor();
        QTest::keyClick(editor(), Qt::Key(key), Qt::ControlModifier);
        QTest::keyClicks(editor(), QStringLiteral("Styled"));
        bridge()->DoSaveRichtext();
        const QTextCharFormat stored = firstCharFormat(page().cellContents(15));
        QCOMPARE(stored.fontWeight() >= QFont::Bold, key == Qt::Key_B);
        QCOMPARE(stored.fontItalic(), key == Qt::Key_I);
        QCOMPARE(stored.fontUnderline(), key == Qt::Key_U);
    }

    // Escape and a press beside the editor end the editing and keep the text,
    // as moving to another cell does.
    void editingEndsKeepingTheText_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("Escape") << "Escape";
        QTest::newRow("press in the page's margin") << "margin";
        QTest::newRow("press in the grey area") << "grey";
    }

    void editingEndsKeepingTheText()
    {
        QFETCH(QString, how);
        page().raiseForCell(16);
        focusEditor();
        QTest::keyClicks(editor(), QStringLiteral("Kept"));
        if (how == QLatin1String("Escape")) {
            QTest::keyClick(editor(), Qt::Key_Escape);
        } else if (how == QLatin1String("margin")) {
            QTest::mouseClick(panel(), Qt::LeftButton, {}, QPoint(3, 3));
        } else {
            QWidget *holder = panel()->parentWidget();
            QTest::mouseClick(holder, Qt::LeftButton, {}, QPoint(panel()->geometry().right() + 3, 3));
        }
        QVERIFY(!bridge()->EditingCell());
        QVERIFY(!editor()->isVisible());
        QVERIFY(page().cellContents(16).contains("Kept"));
        QVERIFY(m_window->Modified());
    }

    // Undo and redo work within one editing of a cell and never undo the
    // loading of its text.
    void undoStaysWithinOneEditing()
    {
        page().setCellContents(12, kTimesBold);
        page().raiseForCell(12);
        focusEditor();
        editor()->moveToEnd();
        QTest::keyClicks(editor(), QStringLiteral("!"));
        QCOMPARE(editor()->toPlainText(), QStringLiteral("Party!"));
        QTest::keyClick(editor(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(editor()->toPlainText(), QStringLiteral("Party"));
        QTest::keyClick(editor(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(editor()->toPlainText(), QStringLiteral("Party"));
        QTest::keyClick(editor(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(editor()->toPlainText(), QStringLiteral("Party!"));
    }

    void cellWithTextKeepsItsFormatting()
    {
        page().setCellContents(12, kTimesBold);
        page().raiseForCell(12);
        focusEditor();
        editor()->moveToEnd();
        const CharAttributes attributes = editor()->currentAttributes();
        QCOMPARE(editor()->fontTable().value(attributes.fontIndex), QStringLiteral("Times New Roman"));
        QCOMPARE(attributes.size, 14.0);
        QCOMPARE(attributes.styles, int(TWPRichText::Bold));
    }

    void ctrlASelectsAll()
    {
        page().setCellContents(12, "{\\rtf1 one\\par two}");
        page().raiseForCell(12);
        QTest::keyClick(editor(), Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(editor()->textCursor().selectedText(), QStringLiteral("one\u2029two"));
    }

    void clearingWhileEditingDiscardsTheEdit()
    {
        page().setCellContents(5, kTimesBold);
        page().raiseForCell(10);
        QTest::keyClicks(editor(), QStringLiteral("typed"));
        m_window->SetModified(false);
        bridge()->mnuClearAllCellContentsClick();
        QVERIFY(editor()->isHidden());
        QVERIFY(!page().anyCellHasContents());
        QVERIFY(m_window->Modified());
    }

    void picturesDropOnCellsOnly()
    {
        QImage icon(16, 16, QImage::Format_RGB32);
        icon.fill(Qt::green);
        QMimeData data;
        data.setImageData(icon);
        const TRect cell = page().cellTable()[14].rect;
        const QPoint inside((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2);
        QVERIFY(bridge()->CalendarPanelDragOver(inside, &data));
        QVERIFY(!bridge()->CalendarPanelDragOver(QPoint(1, 1), &data)); // the page margin
        QMimeData text;
        text.setText(QStringLiteral("words"));
        QVERIFY(!bridge()->CalendarPanelDragOver(inside, &text));

        bridge()->CalendarPanelDragDrop(inside, &data);
        QCOMPARE(bridge()->CurrentCell(), 15);
        QCOMPARE(bridge()->EditedCellStorage(), page().cellStorage(15));
        QVERIFY(m_window->Modified());
        bridge()->DoSaveRichtext();
        QVERIFY(!page().cellStorage(15)->isEmpty());
        QVERIFY(page().cellContents(15).contains("\\pngblip"));
    }

    void realDropEventsReachTheBridge()
    {
        QImage icon(8, 8, QImage::Format_RGB32);
        icon.fill(Qt::blue);
        auto *data = new QMimeData;
        data->setImageData(icon);
        const TRect cell = page().cellTable()[20].rect;
        const QPointF inside((cell.left + cell.right) / 2.0, (cell.top + cell.bottom) / 2.0);
        QDragEnterEvent enter(inside.toPoint(), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(panel(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(inside, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(panel(), &drop);
        QVERIFY(drop.isAccepted());
        QCOMPARE(bridge()->CurrentCell(), 21);
        QDragEnterEvent outside(QPoint(1, 1), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(panel(), &outside);
        QVERIFY(!outside.isAccepted());
        delete data;
    }

    void zoomCommandsCloseTheEditor()
    {
        page().raiseForCell(10);
        QTest::keyClicks(editor(), QStringLiteral("kept"));
        m_window->ZoomPlusButtonClick();
        QVERIFY(editor()->isHidden());
        QCOMPARE(page().cellStorage(10)->plainText(), QStringLiteral("kept"));
    }
};

QTEST_MAIN(TestCellEditBridge)
#include "tst_celleditbridge.moc"
