// A run of months: one design printed for a year, each page showing the
// text typed into its month and the fills, drawn as the single page of that
// month is; bad ranges write nothing.
#include "clirunner.h"
#include "document/calendardocument.h"
#include "objects/placedobjectclasses.h"
#include "objects/vflatcalendar.h"
#include "objects/vplabel.h"
#include "pdfprobe.h"
#include "testfiles.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

void typeOnDay(CalendarDocument &document, int day, const QString &text)
{
    CalendarPage &page = document.page();
    page.recordCellTable(1.0f);
    page.setCellContents(page.cellOfDay(day),
        QStringLiteral("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 %1\\par}").arg(text).toLatin1());
}

const QString kHolidays = QStringLiteral("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//t//t//EN\r\n"
                                         "BEGIN:VEVENT\r\nUID:1\r\nDTSTART;VALUE=DATE:20270101\r\n"
                                         "RRULE:FREQ=MONTHLY;BYMONTHDAY=1\r\nSUMMARY:Payday\r\n"
                                         "END:VEVENT\r\nEND:VCALENDAR\r\n");

} // namespace

class TestCliMonths : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_calendar;

    QString path(const QString &name) const { return m_dir.filePath(name); }

private slots:
    void initTestCase()
    {
        registerPlacedObjectClasses();
        CalendarDocument document;
        document.page().resetToDefaultStyle(QDate(2027, 3, 1));
        document.page().setCalendarLayout(0);
        typeOnDay(document, 10, QStringLiteral("Birthday"));
        document.moveToMonth(2027, 6);
        typeOnDay(document, 20, QStringLiteral("Picnic"));
        document.moveToMonth(2027, 3);
        auto *label = new TVPLabel(&document.objects());
        label->setParent(&document.objects());
        label->setCaption(QStringLiteral("Family"));
        label->setBounds(40, 20, 120, 30);
        auto *mini = new TVFlatCalendar(&document.objects());
        mini->setParent(&document.objects());
        mini->setBounds(600, 20, 160, 140);
        mini->setFollowsPage(true);
        mini->setShowYear(true);
        m_calendar = path(QStringLiteral("year.DWF"));
        QString error;
        QVERIFY2(document.saveAs(m_calendar, &error), qPrintable(error));
        writeFile(path(QStringLiteral("pay.ics")), kHolidays.toLatin1());
    }

    void yearOfPagesMatchesTheSinglePages()
    {
        const QString year = path(QStringLiteral("run.pdf"));
        const CliRun run = runCli({ "render", m_calendar, year, "--months", "2027-01:2027-12", "--fill",
                                      path(QStringLiteral("pay.ics")) },
            m_dir.path());
        QVERIFY2(run.exitCode == 0, run.err.constData());
        const QStringList months { "January", "February", "March", "April", "May", "June", "July", "August",
            "September", "October", "November", "December" };
        for (int month = 1; month <= 12; ++month) {
            const QString text = PdfProbe::textOf(year, month);
            // The page's title and the floating calendar both name the month.
            QCOMPARE(text.count(months[month - 1] + QStringLiteral(" 2027")), 2);
            QVERIFY(text.contains(QLatin1String("Payday")) && text.contains(QLatin1String("Family")));
            QCOMPARE(text.contains(QLatin1String("Birthday")), month == 3);
            QCOMPARE(text.contains(QLatin1String("Picnic")), month == 6);
            if (month != 3 && month != 6 && month != 12)
                continue;
            // The single page of the month, moved there by the options, is the same drawing.
            const QString single = path(QStringLiteral("single%1.pdf").arg(month));
            QCOMPARE(runCli({ "render", m_calendar, single, "--month", QString::number(month), "--fill",
                                path(QStringLiteral("pay.ics")) },
                         m_dir.path())
                         .exitCode,
                0);
            QCOMPARE(PdfProbe::textOf(single), text);
            QCOMPARE(PdfProbe::rasterOf(single, 40), PdfProbe::rasterOf(year, 40, month));
        }
    }

    void badRunsWriteNothing_data()
    {
        QTest::addColumn<QStringList>("arguments"); // after the calendar; OUT and NONE in the test's folder
        QTest::addColumn<QString>("message");
        QTest::newRow("backwards") << QStringList { "OUT.pdf", "--months", "2027-05:2027-01" }
                                   << "--months 2027-05:2027-01 ends before it starts";
        QTest::newRow("too long") << QStringList { "OUT.pdf", "--months", "2027-01:2037-02" }
                                  << "--months 2027-01:2037-02 covers 122 months; a run has at most 120";
        QTest::newRow("month 13") << QStringList { "OUT.pdf", "--months", "2027-13:2028-01" }
                                  << "--months must be FROM:TO, each a year and month such as 2027-01, not "
                                     "\"2027-13:2028-01\"";
        QTest::newRow("pictures without {n}")
            << QStringList { "OUT.png", "--months", "2027-01:2027-02" }
            << "A run of months into pictures writes one file per month: put {n} into OUT.png where the page "
               "number goes";
        QTest::newRow("unreadable fill")
            << QStringList { "OUT.pdf", "--months", "2027-01:2027-02", "--fill", "NONE" } << "NONE";
    }

    void badRunsWriteNothing()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        QTemporaryDir dir;
        for (QString &argument : arguments) {
            if (argument.startsWith(QLatin1String("OUT")) || argument == QLatin1String("NONE"))
                argument = dir.filePath(argument);
        }
        message.replace(QRegularExpression(QStringLiteral("\\b(OUT\\.png|NONE)\\b")),
            dir.path() + QStringLiteral("/\\1"));
        const CliRun run = runCli(QStringList { "render", m_calendar } + arguments, m_dir.path());
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(QString::fromUtf8(run.err).trimmed().contains(message), run.err.constData());
        QVERIFY(QDir(dir.path()).entryList(QDir::Files).isEmpty());
    }

    void fillIntoEveryMonthSurvivesSaving()
    {
        const QString filled = path(QStringLiteral("filled.DWF"));
        const CliRun run = runCli({ "fill", m_calendar, path(QStringLiteral("pay.ics")), "--months",
                                      "2027-05:2027-07", "--out", filled },
            m_dir.path());
        QVERIFY2(run.exitCode == 0, run.err.constData());
        CalendarDocument document;
        QString error;
        QVERIFY2(document.open(filled, &error), qPrintable(error));
        QCOMPARE(document.page().mainCalMonth(), 3);
        const MonthCells &months = document.otherMonths();
        QCOMPARE(months.keys(), QList<int>({ 2027 * 12 + 4, 2027 * 12 + 5, 2027 * 12 + 6 }));
        QCOMPARE(months.value(2027 * 12 + 5).keys(), QList<int>({ 1, 20 })); // the picnic kept
        QCOMPARE(document.cellsByDay().keys(), QList<int>({ 10 }));
    }
};

QTEST_MAIN(TestCliMonths)
#include "tst_cli_months.moc"
