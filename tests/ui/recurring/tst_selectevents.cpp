// Choosing events from an iCalendar file and filling the month with them:
// the dialog with its sources and categories, and the command end to end.
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>

#include "calendar/calendarpage.h"
#include "dialoghelpers.h"
#include "document/calendardocument.h"
#include "recurring/eventfillcommand.h"
#include "recurring/recurringrowdelegate.h"
#include "recurring/selectevents.h"
#include "testfiles.h"
#include "widgets/commondialogs.h"

namespace {

const QByteArray kEvents
    = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//t//t//EN\r\nX-WR-CALNAME:Home\r\n"
      "BEGIN:VEVENT\r\nUID:a\r\nDTSTART:20260305T093000Z\r\nSUMMARY:Dentist\r\n"
      "CATEGORIES:Health\r\nEND:VEVENT\r\n"
      "BEGIN:VEVENT\r\nUID:b\r\nDTSTART;VALUE=DATE:20260301\r\nRRULE:FREQ=WEEKLY;COUNT=3\r\n"
      "SUMMARY:Walk\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";

class PickFile : public CommonDialogs
{
public:
    explicit PickFile(QString answer)
        : m_answer(std::move(answer))
    {
    }
    QString openFileName(QWidget *, const FileRequest &request) override
    {
        asked << request.title;
        return m_answer;
    }
    QStringList asked;

private:
    QString m_answer;
};

QStringList rows(const QListWidget *list, bool selectedOnly = false)
{
    QStringList texts;
    for (int row = 0; row < list->count(); ++row) {
        if (!selectedOnly || list->item(row)->isSelected())
            texts << (qobject_cast<RecurringRowDelegate *>(list->itemDelegate()) // as drawn
                    ? RecurringRowDelegate::rowText(list->model()->index(row, 0))
                    : list->item(row)->text());
    }
    return texts;
}

} // namespace

class TestSelectEvents : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_home;

private slots:
    void initTestCase()
    {
        writeFile(m_home.filePath(QStringLiteral("home.ics")), kEvents);
        writeFile(m_home.filePath(QStringLiteral("Holidays/New Zealand.ics")),
            readFile(QStringLiteral(DATEWRIGHT_SOURCE_RESOURCES "/Holidays/New Zealand.ics")));
        writeFile(m_home.filePath(QStringLiteral("Holidays/Germany.ics")),
            readFile(QStringLiteral(DATEWRIGHT_SOURCE_RESOURCES "/Holidays/Germany.ics")));
        writeFile(m_home.filePath(QStringLiteral("broken.ics")), kEvents.left(100));
        // A meeting in a zone that changes every second, and an event
        // counted from 1970 that cannot be followed into the month.
        writeFile(m_home.filePath(QStringLiteral("ticks.ics")),
            "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//t//t//EN\r\nBEGIN:VTIMEZONE\r\nTZID:Z\r\n"
            "BEGIN:STANDARD\r\nDTSTART:19700101T000000\r\nTZOFFSETFROM:+0100\r\nTZOFFSETTO:+0100\r\n"
            "RRULE:FREQ=SECONDLY\r\nEND:STANDARD\r\nEND:VTIMEZONE\r\nBEGIN:VEVENT\r\nUID:z\r\n"
            "DTSTART;TZID=Z:20260305T100000\r\nSUMMARY:Meeting\r\nEND:VEVENT\r\nBEGIN:VEVENT\r\nUID:m\r\n"
            "DTSTART:19700101T000000Z\r\nRRULE:FREQ=MINUTELY;COUNT=2000000000\r\nSUMMARY:Tock\r\n"
            "END:VEVENT\r\nEND:VCALENDAR\r\n");
    }

    void listsSourcesEventsAndCategories()
    {
        TSelectEvents dialog(2026, 3, m_home.filePath(QStringLiteral("home.ics")), m_home.path());
        QCOMPARE(dialog.Sources()->count(), 4);
        QCOMPARE(dialog.Sources()->itemText(0), QStringLiteral("home.ics"));
        QCOMPARE(dialog.Sources()->itemText(1), QStringLiteral("Holidays: Germany"));
        QCOMPARE(dialog.Sources()->itemText(2), QStringLiteral("Holidays: New Zealand"));
        QCOMPARE(rows(dialog.Events()),
            QStringList({ "Sun 1   Walk", "Thu 5   09:30 Dentist", "Sun 8   Walk", "Sun 15   Walk" }));
        QCOMPARE(rows(dialog.Events(), true).size(), 4);
        QCOMPARE(rows(dialog.Categories()), QStringList({ "Home", "(no category)", "Health" }));
        // Unticking a category drops its events; ticking it takes them again.
        dialog.Categories()->item(2)->setCheckState(Qt::Unchecked);
        QCOMPARE(
            rows(dialog.Events(), true), QStringList({ "Sun 1   Walk", "Sun 8   Walk", "Sun 15   Walk" }));
        dialog.Categories()->item(0)->setCheckState(Qt::Unchecked);
        QVERIFY(rows(dialog.Events(), true).isEmpty());
        dialog.Categories()->item(2)->setCheckState(Qt::Checked);
        QCOMPARE(dialog.selectedOccurrences().size(), 1);
        QCOMPARE(dialog.selectedOccurrences().first().summary, QStringLiteral("Dentist"));
        // A holiday calendar by its country.
        dialog.Sources()->setCurrentIndex(1);
        emit dialog.Sources()->activated(1);
        QVERIFY(rows(dialog.Events()).isEmpty()); // no German holiday in March 2026
        QVERIFY(dialog.errorText().isEmpty());
        // Without a file of one's own, the holidays of one's country come first.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::NewZealand));
        TSelectEvents fresh(2026, 4, QString(), m_home.path());
        QLocale::setDefault(QLocale::c());
        QCOMPARE(fresh.Sources()->currentText(), QStringLiteral("Holidays: New Zealand"));
        QVERIFY(rows(fresh.Events()).join(' ').contains(QStringLiteral("Anzac Day"), Qt::CaseInsensitive));
    }

    void otherFileThatCannotBeReadSaysWhy()
    {
        TSelectEvents dialog(2026, 3, QString(), m_home.path());
        PickFile picker(m_home.filePath(QStringLiteral("broken.ics")));
        const CommonDialogs::Override answering(picker);
        const int other = dialog.Sources()->count() - 1;
        emit dialog.Sources()->activated(other);
        QCOMPARE(picker.asked, QStringList({ "Fill from iCalendar File" }));
        QVERIFY2(
            dialog.errorText().startsWith(QLatin1String("Unable to read ")), qPrintable(dialog.errorText()));
        QVERIFY(dialog.errorText().contains(QLatin1String("broken.ics")));
        QCOMPARE(dialog.Events()->count(), 0);
        QVERIFY(dialog.fileName().isEmpty());
    }

    void eventsLeftOutAreNamedInTheDialog()
    {
        const QString ticks = m_home.filePath(QStringLiteral("ticks.ics"));
        TSelectEvents dialog(2026, 3, ticks, m_home.path());
        QCOMPARE(rows(dialog.Events()), QStringList({ "Thu 5   09:00 Meeting" })); // TZ=UTC
        QCOMPARE(dialog.noteText(),
            ticks
                + QStringLiteral(
                    ": time zone \"Z\": its STANDARD rule FREQ=SECONDLY changes the time more often "
                    "than a real zone does; only its first change is used\n")
                + ticks
                + QStringLiteral(
                    ": not every occurrence in March 2026 was used: 1 event repeats too often to be "
                    "followed to the end of the month."));
        QVERIFY(dialog.errorText().isEmpty());
        // Another file says nothing of the first one's.
        QVERIFY(dialog.showFile(m_home.filePath(QStringLiteral("home.ics"))));
        QVERIFY(dialog.noteText().isEmpty());
    }

    void commandFillsTheChosenEventsAndRemembersTheFile()
    {
        CalendarDocument document;
        CalendarPage &page = document.page();
        page.resetToDefaultStyle(QDate(2026, 3, 1));
        page.setMainCalMonth(3);
        page.setMainCalYear(2026);
        answerNextDialog<TSelectEvents>([](TSelectEvents &dialog) {
            dialog.Events()->item(0)->setSelected(false);
            dialog.okButton()->click();
        });
        QString used;
        CellEditorHook hook;
        QVERIFY(EventFillCommand::run(nullptr, document, CalendarFont(), hook,
            m_home.filePath(QStringLiteral("home.ics")), &used, m_home.path()));
        QCOMPARE(used, m_home.filePath(QStringLiteral("home.ics")));
        QCOMPARE(page.cellStorage(page.cellOfDay(1))->plainText(), QString());
        QCOMPARE(page.cellStorage(page.cellOfDay(5))->plainText(), QStringLiteral("09:30 Dentist"));
        QCOMPARE(page.cellStorage(page.cellOfDay(8))->plainText(), QStringLiteral("Walk"));
        // Cancelled: nothing changes, nothing is remembered.
        answerNextDialog<TSelectEvents>([](TSelectEvents &dialog) { dialog.cancelButton()->click(); });
        used.clear();
        QVERIFY(!EventFillCommand::run(nullptr, document, CalendarFont(), hook,
            m_home.filePath(QStringLiteral("home.ics")), &used, m_home.path()));
        QVERIFY(used.isEmpty());
        QCOMPARE(page.cellStorage(page.cellOfDay(8))->plainText(), QStringLiteral("Walk"));
    }
};

QTEST_MAIN(TestSelectEvents)
#include "tst_selectevents.moc"
