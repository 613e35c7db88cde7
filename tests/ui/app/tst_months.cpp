// Going from month to month in the main window: each month keeps the text
// typed into it, through undo and through a save. And one design printed or
// exported for a run of months, the calendar on screen left alone.
#include "mainwindowfixture.h"
#include "pdfprobe.h"

#include "app/printcommands.h"
#include "app/printmonthsdialog.h"
#include "objects/vimage.h"
#include "properties/calendarproperties.h"
#include "richtext/celleditbridge.h"
#include "richtext/wprichtext.h"
#include "surface/calendarpanel32.h"
#include "surface/objectmenu.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QMenu>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QtTest>

#include <memory>

class TestMonths : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void eachMonthKeepsItsTypedCells_data();
    void eachMonthKeepsItsTypedCells();
    void runOfMonthsLeavesTheCalendarAlone_data();
    void runOfMonthsLeavesTheCalendarAlone();
    void cancelledExportWritesNothing_data();
    void cancelledExportWritesNothing();
    void unreadableListWritesNothing();
    void pictureChangesWithTheMonth();

private:
    [[nodiscard]] CalendarPage &page() const { return m_main->calendarPanel()->page(); }
    // The text of the cell of that day, as stored.
    [[nodiscard]] QByteArray dayText(int day) const
    {
        page().recordCellTable(m_main->calendarPanel()->scale());
        return page().cellContents(page().cellOfDay(day));
    }
    void type(int day, const QString &text)
    {
        page().recordCellTable(m_main->calendarPanel()->scale());
        page().raiseForCell(page().cellOfDay(day));
        QVERIFY(m_main->cellEditor()->isVisible());
        QTest::keyClicks(m_main->cellEditor(), text);
    }
    // One month on or back, the way the row says.
    void step(const QString &way, int direction)
    {
        if (way == QLatin1String("menu")) {
            (direction > 0 ? m_main->menus().mnuNextMonth : m_main->menus().mnuPreviousMonth)->trigger();
        } else if (way == QLatin1String("keys")) {
            m_main->activateWindow();
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : m_main.get(),
                direction > 0 ? Qt::Key_PageDown : Qt::Key_PageUp, Qt::ControlModifier);
        } else {
            // The Properties dialog's date buttons; no question about cells.
            QTimer::singleShot(0, this, [direction] {
                auto *dialog = qobject_cast<TCalendarProperties *>(QApplication::activeModalWidget());
                QVERIFY(dialog);
                for (QPushButton *button : dialog->findChildren<QPushButton *>())
                    if (button->text() == (direction > 0 ? QStringLiteral(">") : QStringLiteral("<")))
                        button->click();
                dialog->OkButton->click();
            });
            m_main->menus().mnuProperties->trigger();
        }
        QTest::qWait(1);
    }

    // The months dialog, when it opens, asks for count months from February
    // 2027, filled from the given list (added through its Add button).
    void answerRun(int count, const QString &list = {}, int resolution = -1)
    {
        auto *poll = new QTimer(this);
        connect(poll, &QTimer::timeout, this, [poll, count, list, resolution, this] {
            auto *dialog = qobject_cast<PrintMonthsDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            poll->deleteLater();
            // It starts at the calendar's month with a year of pages.
            m_dialogStart = dialog->range();
            dialog->Month->setCurrentIndex(1);
            dialog->Year->setValue(2027);
            dialog->Count->setValue(count);
            if (resolution >= 0 && dialog->Resolution)
                dialog->Resolution->setCurrentIndex(resolution);
            if (!list.isEmpty()) {
                m_env->dialogs.openNames << list;
                dialog->AddButton->click();
            }
            dialog->Buttons->button(QDialogButtonBox::Ok)->click();
        });
        poll->start(10);
    }
    void typeAndSave()
    {
        type(10, QStringLiteral("Dentist"));
        QTest::keyClick(m_main->cellEditor(), Qt::Key_Escape);
        QTest::qWait(1);
        QVERIFY(m_main->SaveCalendarFile(m_file));
        QVERIFY(!m_main->Modified());
    }

    std::unique_ptr<MainWindowEnvironment> m_env;
    MonthRange m_dialogStart;
    std::unique_ptr<TCalendarMain> m_main;
    QString m_file;
};

void TestMonths::init()
{
    m_env = std::make_unique<MainWindowEnvironment>();
    m_file = m_env->writeCalendar(QStringLiteral("Months.DWF"), 0, 3, 2027);
    m_main = std::make_unique<TCalendarMain>();
    QVERIFY(showSettled(*m_main));
    m_main->OpenCalendarFile(m_file);
    QVERIFY(m_main->pageShown());
    m_env->dialogs.messages.clear();
}

void TestMonths::cleanup()
{
    m_main.reset();
    m_env.reset();
}

void TestMonths::eachMonthKeepsItsTypedCells_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<QString>("stepName"); // as the undo command names it
    QTest::newRow("menu") << "menu"
                          << "Next Month";
    QTest::newRow("keys") << "keys"
                          << "Next Month";
    QTest::newRow("properties dialog") << "properties"
                                       << "Calendar Properties";
}

void TestMonths::eachMonthKeepsItsTypedCells()
{
    QFETCH(QString, way);
    QFETCH(QString, stepName);
    QVERIFY(m_main->menus().mnuNextMonth->isEnabled());
    type(10, QStringLiteral("Dentist"));
    // Still typing: the text is stored in March before the move.
    step(way, 1);
    QCOMPARE(page().mainCalMonth(), 4);
    QVERIFY(!m_main->cellEditor()->isVisible());
    QVERIFY(m_main->Modified());
    QTRY_COMPARE(m_main->menus().mnuUndo->text(), QStringLiteral("&Undo ") + stepName);
    QVERIFY(!page().anyCellHasContents());
    QVERIFY(m_env->messageTexts().isEmpty());

    type(12, QStringLiteral("Piano"));
    QTest::keyClick(m_main->cellEditor(), Qt::Key_Escape);
    QTest::qWait(1);
    step(way, -1);
    QCOMPARE(page().mainCalMonth(), 3);
    QCOMPARE(page().mainCalYear(), 2027);
    QVERIFY(dayText(10).contains("Dentist"));
    QVERIFY(!dayText(12).contains("Piano"));

    // One step back is April again, with its own text.
    m_main->menus().mnuUndo->trigger();
    QTest::qWait(1);
    QCOMPARE(page().mainCalMonth(), 4);
    QVERIFY(dayText(12).contains("Piano"));
    QVERIFY(!dayText(10).contains("Dentist"));

    QVERIFY(m_main->SaveCalendarFile(m_file));
    m_main = std::make_unique<TCalendarMain>();
    QVERIFY(showSettled(*m_main));
    m_main->OpenCalendarFile(m_file);
    QCOMPARE(page().mainCalMonth(), 4);
    QVERIFY(dayText(12).contains("Piano"));
    m_main->menus().mnuPreviousMonth->trigger();
    QCOMPARE(page().mainCalMonth(), 3);
    QVERIFY(dayText(10).contains("Dentist"));
    QTRY_COMPARE(m_main->menus().mnuUndo->text(), QStringLiteral("&Undo Previous Month"));
}

void TestMonths::runOfMonthsLeavesTheCalendarAlone_data()
{
    QTest::addColumn<QString>("output");
    QTest::newRow("pdf") << "pdf";
    QTest::newRow("print") << "print";
    QTest::newRow("png") << "png";
}

void TestMonths::runOfMonthsLeavesTheCalendarAlone()
{
    QFETCH(QString, output);
    typeAndSave();
    const QString list = m_env->path(QStringLiteral("pay.ics"));
    QFile ics(list);
    QVERIFY(ics.open(QIODevice::WriteOnly));
    ics.write("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//t//t//EN\r\nBEGIN:VEVENT\r\nUID:1\r\n"
              "DTSTART;VALUE=DATE:20270101\r\nRRULE:FREQ=MONTHLY;BYMONTHDAY=1\r\nSUMMARY:Payday\r\n"
              "END:VEVENT\r\nEND:VCALENDAR\r\n");
    ics.close();
    const QByteArray before = QByteArray(m_main->document().cellsByDay().value(10));

    const QString out = m_env->path(
        output == QLatin1String("png") ? QStringLiteral("Year.png") : QStringLiteral("Year.pdf"));
    answerRun(3, list, 0);
    QVERIFY(m_main->menus().mnuExportMonthsPdf->isEnabled());
    QVERIFY(m_main->menus().mnuExportMonthsPng->isEnabled());
    if (output == QLatin1String("pdf")) {
        m_env->dialogs.saveNames << out;
        m_main->menus().mnuExportMonthsPdf->trigger();
    } else if (output == QLatin1String("print")) {
        m_env->dialogs.printAnswers << [out](QPrinter &printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(out);
            return true;
        };
        m_main->printing().printMonthsClick();
    } else {
        m_env->dialogs.saveNames << out;
        m_main->menus().mnuExportMonthsPng->trigger();
    }
    QCOMPARE(m_dialogStart.firstMonth, 3);
    QCOMPARE(m_dialogStart.firstYear, 2027);
    QCOMPARE(m_dialogStart.count, 12);

    if (output == QLatin1String("png")) {
        QImage pages[3];
        for (int i = 0; i < 3; ++i) {
            pages[i] = QImage(m_env->path(QStringLiteral("Year-0%1.png").arg(i + 1)));
            QVERIFY(!pages[i].isNull());
            // The whole sheet at 150 dots per inch.
            QVERIFY(pages[i].width() >= 150 * 8);
        }
        QVERIFY(pages[0] != pages[1] && pages[1] != pages[2]);
        QVERIFY(!QFile::exists(m_env->path(QStringLiteral("Year-04.png"))));
        QVERIFY(!QFile::exists(out));
    } else {
        const QString months[] = { "February 2027", "March 2027", "April 2027" };
        for (int page = 1; page <= 3; ++page) {
            const QString text = PdfProbe::textOf(out, page);
            QVERIFY2(text.contains(months[page - 1]), qPrintable(text + m_env->messageTexts().join('|')));
            QVERIFY(text.contains(QLatin1String("Payday")));
            QCOMPARE(text.contains(QLatin1String("Dentist")), page == 2);
        }
        QVERIFY(PdfProbe::textOf(out, 4).isEmpty());
    }
    QCOMPARE(m_env->dialogs.messages.last().kind, QStringLiteral("information"));
    // The calendar is as it was saved.
    QVERIFY(!m_main->Modified());
    QCOMPARE(page().mainCalMonth(), 3);
    QCOMPARE(m_main->document().cellsByDay().value(10), before);
    QVERIFY(!m_main->document().cellsByDay().value(1).contains("Payday"));
}

void TestMonths::cancelledExportWritesNothing_data()
{
    QTest::addColumn<bool>("oldFile");
    QTest::newRow("no file before") << false;
    QTest::newRow("old file kept") << true;
}

void TestMonths::cancelledExportWritesNothing()
{
    QFETCH(bool, oldFile);
    const QString out = m_env->path(QStringLiteral("Year.pdf"));
    if (oldFile) {
        QFile file(out);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("old");
    }
    answerRun(3);
    m_env->dialogs.saveNames << out;
    // The user cancels once the first page is done.
    int pagesSeen = 0;
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [this, &pagesSeen] {
        auto *progress = m_main->findChild<QProgressDialog *>(QStringLiteral("RunProgress"));
        if (progress && progress->value() >= 1 && !progress->wasCanceled()) {
            pagesSeen = progress->value();
            progress->cancel();
        }
    });
    poll.start(0);
    m_main->menus().mnuExportMonthsPdf->trigger();
    poll.stop();
    QCOMPARE(pagesSeen, 1);
    if (oldFile) {
        QFile file(out);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("old"));
    } else {
        QVERIFY(!QFile::exists(out));
    }
    QVERIFY(m_env->messageTexts().isEmpty());
    QVERIFY(m_main->findChildren<QProgressDialog *>().isEmpty());
}

void TestMonths::unreadableListWritesNothing()
{
    const QString out = m_env->path(QStringLiteral("Year.pdf"));
    answerRun(3, m_env->path(QStringLiteral("gone.ics")));
    m_env->dialogs.saveNames << out;
    m_main->menus().mnuExportMonthsPdf->trigger();
    QCOMPARE(m_env->dialogs.messages.size(), 1);
    QCOMPARE(m_env->dialogs.messages.first().kind, QStringLiteral("warning"));
    QVERIFY2(m_env->messageTexts().first().contains(QLatin1String("gone.ics")),
        qPrintable(m_env->messageTexts().first()));
    // Not asked for a file name either.
    QCOMPARE(m_env->dialogs.saveNames.size(), 1);
    QVERIFY(!QFile::exists(out));
}

void TestMonths::pictureChangesWithTheMonth()
{
    const QString folder = m_env->path(QStringLiteral("months"));
    QVERIFY(QDir().mkpath(folder));
    const int widths[] = { 10, 20, 30 };
    for (int i = 0; i < 3; ++i) {
        QImage image(widths[i], 5, QImage::Format_RGB32);
        image.fill(Qt::green);
        QVERIFY(image.save(QDir(folder).filePath(QStringLiteral("%1.bmp").arg(i + 1)), "BMP"));
    }
    {
        CalendarPage page;
        page.resetToDefaultStyle(QDate(2027, 3, 7));
        TComponent objects;
        auto *image = new TVImage(&objects);
        image->setParent(&objects);
        image->setBounds(100, 100, 120, 90);
        QVERIFY(CalendarFile::save(m_file, page, &objects, nullptr));
    }
    m_main->OpenCalendarFile(m_file);
    auto *image = dynamic_cast<TVImage *>(m_main->placedObjects().children().front());
    QVERIFY(image);
    const auto entry = [this, &image] {
        std::unique_ptr<QMenu> menu(m_main->calendarPanel()->objectMenu().build(*image));
        for (QAction *action : menu->actions())
            if (action->text() == QStringLiteral("Picture Changes with the Month...")) {
                const bool checked = action->isChecked();
                action->trigger();
                return checked;
            }
        return true;
    };
    // Any picture of the folder chooses the folder; March shows its third.
    m_env->dialogs.openNames << QDir(folder).filePath(QStringLiteral("1.bmp"));
    QVERIFY(!entry());
    QCOMPARE(image->pictureFolder(), folder);
    QCOMPARE(image->picture().width(), 30);
    QVERIFY(m_main->Modified());
    m_main->menus().mnuNextMonth->trigger();
    QCOMPARE(image->picture().width(), 10);
    QTRY_COMPARE(m_main->menus().mnuUndo->text(), QStringLiteral("&Undo Next Month"));
    m_main->menus().mnuUndo->trigger();
    QTest::qWait(1);
    image = dynamic_cast<TVImage *>(m_main->placedObjects().children().front());
    QCOMPARE(page().mainCalMonth(), 3);
    QCOMPARE(image->picture().width(), 30);
    // Off again: the picture stays as shown and no longer changes.
    QVERIFY(entry());
    QVERIFY(image->pictureFolder().isEmpty());
    m_main->menus().mnuNextMonth->trigger();
    QCOMPARE(image->picture().width(), 30);
}

QTEST_MAIN(TestMonths)
#include "tst_months.moc"
