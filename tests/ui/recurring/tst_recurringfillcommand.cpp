// The fill command from the list file to the cells, with a real editor
// open on a cell while it runs.
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>

#include "calendar/calendarpage.h"
#include "dialoghelpers.h"
#include "document/calendardocument.h"
#include "recurring/recurringfillcommand.h"
#include "recurring/recurringformula.h"
#include "recurring/recurringlistfile.h"
#include "recurring/selectrecurringdates.h"
#include "richtext/rtfreader.h"
#include "richtext/rtfwriter.h"
#include "richtextprobe.h"
#include "testfiles.h"
#include "widgets/commondialogs.h"

using RecurringFormula::BuildEntry;

namespace {

const QString kIndependence = BuildEntry(QStringLiteral("Independence Day"), QStringLiteral("@0704"));
const QString kFirstMonday = BuildEntry(QStringLiteral("Book club"), QStringLiteral("$0 1 0"));
const QString kSundays = BuildEntry(QStringLiteral("Church"), QStringLiteral("%1"));
const QString kChristmas = BuildEntry(QStringLiteral("Christmas Day"), QStringLiteral("@1225"));

// A cell editor as the main window keeps one: open on a cell, holding typed
// text that reaches the cell only when the editor closes.
struct Editor
{
    CalendarPage *page = nullptr;
    QTextEdit widget;
    int current = 0;
    bool open = false;
    QStringList calls;

    void openOn(int cell)
    {
        current = cell;
        QTextDocument document;
        RtfReader::read(page->cellContents(cell), document);
        widget.setHtml(document.toHtml());
        open = true;
        calls << QStringLiteral("open %1").arg(cell);
    }

    CellEditorHook hook()
    {
        CellEditorHook hook;
        hook.currentCell = [this] { return current; };
        hook.closeEditor = [this] {
            calls << QStringLiteral("close");
            if (!open)
                return;
            page->setCellContents(current, RtfWriter::write(*widget.document()));
            open = false;
        };
        hook.openEditor = [this](int cell) { openOn(cell); };
        hook.showIconTool = [this](bool visible) {
            calls << (visible ? QStringLiteral("icons shown") : QStringLiteral("icons hidden"));
        };
        return hook;
    }
};

CalendarFont editorFont()
{
    CalendarFont font;
    font.name = QStringLiteral("Arial");
    font.size = 10;
    return font;
}

} // namespace

class TestRecurringFillCommand : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    CalendarDocument m_document;
    CalendarPage &m_page = m_document.page();

    int cellOfDay(int day)
    {
        m_page.recordCellTable(1.0f);
        return m_page.cellOfDay(day);
    }

private slots:
    void init()
    {
        m_page.resetToDefaultStyle(QDate(2026, 7, 1));
        m_page.setMainCalYear(2026);
        m_page.setMainCalMonth(7);
        m_page.clearAllCells();
        QFile::remove(m_dir.filePath(QStringLiteral("DWRECUR.DAX")));
    }

    void missingListDoesNothingAtAll()
    {
        MessageRecorder messages;
        Editor editor;
        editor.page = &m_page;
        QVERIFY(!RecurringFillCommand::run(nullptr, m_document, editorFont(), editor.hook(), m_dir.path()));
        QVERIFY(messages.information.isEmpty());
        QVERIFY(editor.calls.isEmpty());
        QVERIFY(!m_page.anyCellHasContents());
    }

    void nothingForTheMonthIsSaid()
    {
        MessageRecorder messages;
        writeFile(
            m_dir.filePath(QStringLiteral("DWRECUR.DAX")), RecurringListFile::joinLines({ kChristmas }));
        Editor editor;
        editor.page = &m_page;
        QVERIFY(!RecurringFillCommand::run(nullptr, m_document, editorFont(), editor.hook(), m_dir.path()));
        QCOMPARE(messages.information,
            QStringList { QStringLiteral("No predefined dates match the current month") });
        QCOMPARE(editor.calls, (QStringList { "icons hidden", "icons shown" }));
    }

    void messagesReachTheProgramsCommonDialogs()
    {
        struct Answers : CommonDialogs
        {
            QStringList shown;
            void information(QWidget *, const QString &title, const QString &text) override
            {
                shown << title + QLatin1Char('|') + text;
            }
        } answers;
        CommonDialogs::Override use(answers);
        writeFile(
            m_dir.filePath(QStringLiteral("DWRECUR.DAX")), RecurringListFile::joinLines({ kChristmas }));
        Editor editor;
        editor.page = &m_page;
        QVERIFY(!RecurringFillCommand::run(nullptr, m_document, editorFont(), editor.hook(), m_dir.path()));
        QCOMPARE(answers.shown,
            QStringList { QStringLiteral("Information|No predefined dates match the current month") });
    }

    void chosenEntriesGoBelowTheEditedCellsTypedText()
    {
        writeFile(m_dir.filePath(QStringLiteral("DWRECUR.DAX")),
            RecurringListFile::joinLines({ kIndependence, kChristmas, kSundays, kFirstMonday }));
        Editor editor;
        editor.page = &m_page;
        const int fourth = cellOfDay(4);
        editor.openOn(fourth);
        editor.widget.setPlainText(QStringLiteral("Picnic")); // typed, not yet stored
        editor.calls.clear();
        answerNextDialog<TSelectRecurringDates>([](TSelectRecurringDates &dialog) {
            QCOMPARE(dialog.Dates()->count(), 3); // Christmas cannot fall in July
            QCOMPARE(dialog.selectedEntries(), (QStringList { kIndependence, kSundays, kFirstMonday }));
            clickRow(dialog.Dates(), 1); // not the Sundays
            screenshot(&dialog, QStringLiteral("fill-selection"));
            QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        });
        QVERIFY(RecurringFillCommand::run(nullptr, m_document, editorFont(), editor.hook(), m_dir.path()));
        QCOMPARE(editor.calls,
            (QStringList { "icons hidden", "close", QStringLiteral("open %1").arg(fourth), "icons shown" }));
        QCOMPARE(paragraphs(m_page.cellContents(fourth)), (QStringList { "Picnic", "Independence Day", "" }));
        QCOMPARE(paragraphs(m_page.cellContents(cellOfDay(6))), (QStringList { "Book club", "" }));
        QVERIFY(m_page.cellStorage(cellOfDay(5))->isEmpty()); // a Sunday, not chosen
        // The editor is open on its cell again, with everything the cell now holds.
        QVERIFY(editor.open);
        QCOMPARE(editor.widget.toPlainText().trimmed(), QStringLiteral("Picnic\nIndependence Day"));
    }

    void cancelLeavesTheCellsAndTheEditor()
    {
        writeFile(
            m_dir.filePath(QStringLiteral("DWRECUR.DAX")), RecurringListFile::joinLines({ kIndependence }));
        Editor editor;
        editor.page = &m_page;
        editor.openOn(cellOfDay(10));
        editor.calls.clear();
        answerNextDialog<TSelectRecurringDates>(
            [](TSelectRecurringDates &dialog) { QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton); });
        QVERIFY(!RecurringFillCommand::run(nullptr, m_document, editorFont(), editor.hook(), m_dir.path()));
        QCOMPARE(editor.calls, (QStringList { "icons hidden", "icons shown" }));
        QVERIFY(editor.open);
        QVERIFY(!m_page.anyCellHasContents());
    }

    void applyingTwiceAppendsTwiceAndReopensTheLastCell()
    {
        Editor editor;
        editor.page = &m_page;
        editor.current = 3; // opened before, closed since: reopened all the same
        const CellEditorHook hook = editor.hook();
        QCOMPARE(RecurringFillCommand::apply(m_document, { kSundays }, editorFont(), hook), 4);
        QCOMPARE(RecurringFillCommand::apply(m_document, { kSundays }, editorFont(), hook), 4);
        const QString padded = QStringLiteral("Church").leftJustified(120);
        QCOMPARE(paragraphs(m_page.cellContents(cellOfDay(26))), (QStringList { padded, padded, "" }));
        QCOMPARE(editor.calls, (QStringList { "close", "open 3", "close", "open 3" }));
    }
};

QTEST_MAIN(TestRecurringFillCommand)
#include "tst_recurringfillcommand.moc"
