// Filling a page's month: every event a paragraph of its own in its day's cell.
#include <QTextBlock>
#include <QTextDocument>
#include <QtTest>

#include "calendar/calendarpage.h"
#include "recurring/celltextappender.h"
#include "recurring/holidaytable.h"
#include "recurring/recurringfill.h"
#include "recurring/recurringformula.h"
#include "recurring/recurringplacements.h"
#include "richtext/rtfreader.h"
#include "richtext/rtfwriter.h"
#include "richtextprobe.h"

using RecurringFormula::BuildEntry;

namespace {

CalendarFont editorFont()
{
    CalendarFont font;
    font.name = QStringLiteral("Arial");
    font.size = 12;
    font.bold = true;
    font.color = 0x0000FF; // red, low byte first
    return font;
}

QByteArray richText(const QString &text, const QString &family, int points, bool italic)
{
    QTextDocument document;
    QTextCursor cursor(&document);
    QTextCharFormat format;
    format.setFontFamilies(QStringList { family });
    format.setFontPointSize(points);
    format.setFontItalic(italic);
    cursor.insertText(text, format);
    return RtfWriter::write(document);
}

void showMonth(CalendarPage &page, int year, int month)
{
    page.resetToDefaultStyle(QDate(year, month, 1));
    page.setMainCalMonth(month);
    page.setMainCalYear(year);
}

} // namespace

class TestRecurringFill : public QObject
{
    Q_OBJECT

private slots:
    void emptyCellGetsTheEditorFont()
    {
        TWPRtfStorage storage;
        CellTextAppender::appendParagraph(storage, QStringLiteral("Birthday"), editorFont());
        QCOMPARE(paragraphs(storage.rtf()), (QStringList { "Birthday", "" }));
        QTextDocument document;
        RtfReader::read(storage.rtf(), document);
        const QTextCharFormat format = document.begin().begin().fragment().charFormat();
        QCOMPARE(format.fontFamilies().toStringList().value(0), QStringLiteral("Arial"));
        QCOMPARE(format.fontPointSize(), 12.0);
        QCOMPARE(format.fontWeight(), int(QFont::Bold));
        QCOMPARE(format.foreground().color(), QColor(255, 0, 0));
    }

    void existingTextStaysAndSetsTheFormat()
    {
        TWPRtfStorage storage;
        storage.setRtf(richText(QStringLiteral("Dentist"), QStringLiteral("Times New Roman"), 9, true));
        CellTextAppender::appendParagraph(storage, QStringLiteral("Birthday"), editorFont());
        CellTextAppender::appendParagraph(storage, QStringLiteral("Party"), editorFont());
        QCOMPARE(paragraphs(storage.rtf()), (QStringList { "Dentist", "Birthday", "Party", "" }));
        QTextDocument document;
        RtfReader::read(storage.rtf(), document);
        const QTextCharFormat format = document.begin().next().begin().fragment().charFormat();
        QCOMPARE(format.fontPointSize(), 9.0);
        QVERIFY(format.fontItalic());
        QVERIFY(format.fontWeight() != QFont::Bold);
    }

    void fillingTwiceAppendsTwice()
    {
        CalendarPage page;
        showMonth(page, 2026, 7);
        const QStringList entries { BuildEntry(QStringLiteral("Independence Day"), QStringLiteral("@0704")),
            BuildEntry(QStringLiteral("Fireworks"), QStringLiteral("@0704")),
            BuildEntry(QStringLiteral("Rent"), QStringLiteral("@0001")) };
        QCOMPARE(RecurringFill::ApplyEntries(page, entries, editorFont()), 3);
        QCOMPARE(RecurringFill::ApplyEntries(page, entries, editorFont()), 3);
        page.recordCellTable(1.0f);
        const int cell = page.cellOfDay(4);
        QCOMPARE(paragraphs(page.cellContents(cell)),
            (QStringList { "Independence Day", "Fireworks", "Independence Day", "Fireworks", "" }));
        QCOMPARE(page.cellStorage(page.cellOfDay(1))->plainText(), QStringLiteral("Rent\nRent"));
        QVERIFY(page.cellStorage(page.cellOfDay(2))->isEmpty());
    }

    void everyDayOfTheMonthAndNoDayBeyondIt()
    {
        CalendarPage page;
        showMonth(page, 2026, 4);
        const QString everyDay = BuildEntry(QStringLiteral("Walk"), QStringLiteral("%1234567"));
        QCOMPARE(RecurringFill::ApplyEntries(page, { everyDay }, editorFont()), 30);
        QCOMPARE(RecurringFill::ApplyEntries(
                     page, { BuildEntry(QStringLiteral("x"), QStringLiteral("@0031")) }, editorFont()),
            0);
        page.recordCellTable(1.0f);
        for (int index = 1; index <= kCellCount; ++index) {
            const int day = page.dayOfCell(index);
            QCOMPARE(page.cellStorage(index)->isEmpty(), day == 0);
            if (day != 0) // "%" texts keep their blank padding
                QCOMPARE(
                    paragraphs(page.cellContents(index)).value(0), QStringLiteral("Walk").leftJustified(120));
        }
    }

    // Filling writes each cell once; the cells must end byte for byte as
    // placing one text at a time (read the cell, append, write it back) left them.
    void fillingMatchesPlacingOneTextAtATime_data()
    {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QByteArray>("firstDay"); // what day 1 holds before
        const QStringList several { BuildEntry(QStringLiteral("Rent"), QStringLiteral("@0001")),
            BuildEntry(QStringLiteral("Independence Day"), QStringLiteral("@0704")),
            BuildEntry(QStringLiteral("Sundays"), QStringLiteral("%1")),
            BuildEntry(QString(), QStringLiteral("@0704")),
            BuildEntry(QStringLiteral("Fireworks"), QStringLiteral("@0704")),
            BuildEntry(QStringLiteral("Caf\u00e9 \\ {braces}"), QStringLiteral("@0001")),
            BuildEntry(QStringLiteral("Rent"), QStringLiteral("@0001")) };
        QTest::newRow("empty cells") << several << QByteArray();
        QTest::newRow("formatted text first")
            << several << richText(QStringLiteral("Dentist"), QStringLiteral("Times New Roman"), 9, true);
        QTest::newRow("every holiday") << HolidayTable::entries() + several << QByteArray();
    }

    void fillingMatchesPlacingOneTextAtATime()
    {
        QFETCH(QStringList, entries);
        QFETCH(QByteArray, firstDay);
        CalendarPage filled;
        CalendarPage oneByOne;
        for (CalendarPage *page : { &filled, &oneByOne }) {
            showMonth(*page, 2026, 7);
            page->recordCellTable(1.0f);
            page->setCellContents(page->cellOfDay(1), firstDay);
        }
        int placed = 0;
        for (const QString &entry : entries) {
            for (const auto &placement : RecurringPlacements::PlacementsOf(entry, 2026, 7))
                placed += RecurringFill::PuttextOnDay(oneByOne, placement.day, placement.text, editorFont())
                    != 0;
        }
        QVERIFY(placed > 8);
        QCOMPARE(RecurringFill::ApplyEntries(filled, entries, editorFont()), placed);
        for (int index = 1; index <= kCellCount; ++index)
            QCOMPARE(filled.cellContents(index), oneByOne.cellContents(index));
    }

    void redrawsTheCellsItChanges()
    {
        CalendarPage page;
        showMonth(page, 2024, 3);
        QSignalSpy redraws(&page, &CalendarPage::redrawRequested);
        QStringList easter;
        for (const QString &entry : HolidayTable::entries()) {
            if (entry.mid(120).startsWith(QLatin1Char('#')))
                easter << entry;
        }
        QCOMPARE(RecurringFill::ApplyEntries(page, easter, editorFont()), 3);
        QCOMPARE(redraws.count(), 3);
        QCOMPARE(RecurringFill::PuttextOnDay(page, 0, QStringLiteral("none"), editorFont()), 0);
        QCOMPARE(RecurringFill::PuttextOnDay(page, 32, QStringLiteral("none"), editorFont()), 0);
    }
};

QTEST_MAIN(TestRecurringFill)
#include "tst_recurringfill.moc"
