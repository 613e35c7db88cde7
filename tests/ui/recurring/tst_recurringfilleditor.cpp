// Filling while the main window's cell editor is open on a cell: the typed
// text is stored first and the editor comes back on that cell.
#include "app/calendarmain.h"
#include "calendar/calendarpage.h"
#include "mainwindowfixture.h"
#include "recurring/recurringfillcommand.h"
#include "recurring/recurringformula.h"
#include "richtext/celleditbridge.h"
#include "richtext/wprichtext.h"
#include "surface/calendarpanel32.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QtTest>

using RecurringFormula::BuildEntry;

class TestRecurringFillEditor : public QObject
{
    Q_OBJECT

private slots:
    void editedCellKeepsItsTypedTextAndTheEditorReopens()
    {
        MainWindowEnvironment environment;
        TCalendarMain window;
        CalendarPage &page = window.calendarPanel()->page();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.OpenCalendarFile(environment.writeCalendar("July.DWF", 0, 7, 2026));
        QVERIFY(window.pageShown());
        page.recordCellTable(window.calendarPanel()->scale());
        const int fourth = page.cellOfDay(4);
        page.raiseForCell(fourth);
        TWPRichText *editor = window.cellEditor();
        QVERIFY(editor->isVisible());
        editor->setPlainText(QStringLiteral("Picnic")); // typed, not yet in the cell
        QVERIFY(page.cellStorage(fourth)->isEmpty());

        CellEditBridge *bridge = window.cellEditing();
        CellEditorHook hook;
        hook.currentCell = [bridge] { return bridge->CurrentCell(); };
        hook.closeEditor = [bridge] { bridge->DoSaveRichtext(); };
        hook.openEditor = [&page](int cell) { page.raiseForCell(cell); };
        const QStringList entries { BuildEntry(QStringLiteral("Independence Day"), QStringLiteral("@0704")),
            BuildEntry(QStringLiteral("Book club"), QStringLiteral("$0 1 0")) };
        QCOMPARE(RecurringFillCommand::apply(window.document(), entries, bridge->defaultFont(), hook), 2);

        QCOMPARE(page.cellStorage(fourth)->plainText(), QStringLiteral("Picnic\nIndependence Day"));
        QCOMPARE(page.cellStorage(page.cellOfDay(6))->plainText(), QStringLiteral("Book club"));
        QVERIFY(bridge->EditingCell());
        QCOMPARE(bridge->CurrentCell(), fourth);
        QCOMPARE(bridge->EditedCellStorage(), page.cellStorage(fourth));
        QVERIFY(editor->isVisible());
        QCOMPARE(editor->toPlainText().trimmed(), QStringLiteral("Picnic\nIndependence Day"));
    }
};

QTEST_MAIN(TestRecurringFillEditor)
#include "tst_recurringfilleditor.moc"
