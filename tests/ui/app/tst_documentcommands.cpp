// New, Open, Save, Save As, Cancel Changes, the recent files and the
// preferences of the main window, driven as a user would, with scripted
// answers to its questions and real files on disk.
#include "app/calendarmain.h"
#include "app/mrufilelist.h"
#include "mainwindowfixture.h"
#include "objects/vplabel.h"
#include "platform/inifile.h"
#include "platform/preferences.h"
#include "properties/calendarproperties.h"
#include "richtext/celleditbridge.h"
#include "surface/calendarpanel32.h"

#include "modaldialogcanceller.h"
#include "testfiles.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {

QAction *recentEntry(const TCalendarMain &main, int position)
{
    for (QAction *action : main.menus().FileMenu->actions()) {
        if (action->property("mruPosition").toInt() == position)
            return action;
    }
    return nullptr;
}

// Notes when any widget of a window is first drawn.
class PaintWatch : public QObject
{
public:
    explicit PaintWatch(QWidget *window)
        : m_window(window)
    {
        qApp->installEventFilter(this);
    }
    bool painted = false;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType()
            && static_cast<QWidget *>(watched)->window() == m_window)
            painted = true;
        return false;
    }

private:
    QWidget *m_window;
};

// Records, for each message, whether the window behind it had been drawn.
class PaintCheckingDialogs : public ScriptedDialogs
{
public:
    const PaintWatch *watch = nullptr;
    QList<bool> drawnBeforeMessage;

    void information(QWidget *parent, const QString &title, const QString &text) override
    {
        drawnBeforeMessage << (watch && watch->painted);
        ScriptedDialogs::information(parent, title, text);
    }
    bool informationWithOptOut(QWidget *parent, const QString &title, const QString &text) override
    {
        drawnBeforeMessage << (watch && watch->painted);
        return ScriptedDialogs::informationWithOptOut(parent, title, text);
    }
};

} // namespace

class TestDocumentCommands : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<MainWindowEnvironment> m_env;

    IniFile ini() const { return IniFile(Preferences::fileName()); }

private slots:
    void init() { m_env = std::make_unique<MainWindowEnvironment>(); }
    void cleanup() { m_env.reset(); }

    void startsWithoutACalendarUntilOneExists()
    {
        TCalendarMain main;
        main.show();
        QVERIFY(!main.pageShown());
        auto *hint = main.findChild<QLabel *>("NoCalendarHint");
        QVERIFY(hint && hint->isVisible());
        QVERIFY(hint->text().contains("File > New"));
        QCOMPARE(main.windowTitle(), QStringLiteral("Datewright[*]    [60%]"));
        QVERIFY(!main.menus().mnuSaveAs->isEnabled());
        QVERIFY(!main.menus().mnuSave->isEnabled());
        QVERIFY(!main.menus().Savebutton->isVisible());
        // No printer on the machine: said once the window is up, and printing stays off.
        QTest::qWait(50);
        if (!main.PrinterReady()) {
            QCOMPARE(m_env->dialogs.messages.size(), 1);
            QVERIFY(m_env->dialogs.messages.first().text.endsWith(
                "Unable to perform printer related operations"));
        }
        QVERIFY(!main.menus().Printbutton->isEnabled());
    }

    void thePrinterMessageWaitsForTheWindowToBeDrawn()
    {
        PaintCheckingDialogs dialogs;
        CommonDialogs::Override answers(dialogs);
        TCalendarMain main;
        PaintWatch watch(&main);
        dialogs.watch = &watch;
        main.show();
        QTest::qWait(50);
        if (main.PrinterReady())
            QSKIP("This machine has a default printer: no message to wait for.");
        QCOMPARE(dialogs.drawnBeforeMessage, QList<bool> { true });
    }

    void saveAsProposesMonthAndYearWritesAtScaleOneAndTheNewestReopens()
    {
        const QString saved = m_env->path("Dec2026.DWF");
        {
            TCalendarMain main;
            main.show();
            main.OpenCalendarFile(m_env->writeCalendar("Start.DWF", 0, 12, 2026));
            main.SetModified(true);
            QVERIFY(main.menus().Savebutton->isVisible());
            QVERIFY(main.menus().CancelButton->isVisible());
            QFile::remove(m_env->path("Start.DWF"));
            main.OpenCalendarFile(m_env->path("Start.DWF")); // gone: the calendar stays
            QVERIFY(main.pageShown());
            QCOMPARE(main.CalendarFileName(), m_env->path("Start.DWF"));
            QVERIFY(m_env->messageTexts().contains("File " + m_env->path("Start.DWF") + " no longer exists"));

            m_env->dialogs.saveNames << saved;
            QCOMPARE(main.calendarPanel()->scale(), 0.601f);
            main.mnuSaveAsClick();
            QCOMPARE(m_env->dialogs.fileRequests.last().fileName, QStringLiteral("Start.DWF"));
            QCOMPARE(main.CalendarFileName(), saved);
            QVERIFY(!main.Modified());
            QCOMPARE(main.calendarPanel()->scale(), 0.601f); // back to 60% after writing at 1
            QCOMPARE(main.windowTitle(), QStringLiteral("Datewright[*]  [Dec2026.DWF]    [60%]"));
            QCOMPARE(main.recentFiles()->files().first(), saved);
            QCOMPARE(ini().readString("MRU", "F0", {}), saved);
            main.close();
        }
        TCalendarMain again;
        again.show();
        QCOMPARE(again.CalendarFileName(), saved);
        QVERIFY(again.pageShown());
        QCOMPARE(again.calendarPanel()->page().mainCalMonth(), 12);
        QCOMPARE(again.windowTitle(), QStringLiteral("Datewright[*]  [Dec2026.DWF]    [60%]"));
    }

    void aNewCalendarIsProposedByItsMonthNameAndYear()
    {
        TCalendarMain main;
        QVERIFY(showSettled(main));
        QTimer::singleShot(0, [] {
            auto *dialog = qobject_cast<TCalendarProperties *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->preview().setMainCalMonth(3);
            dialog->preview().setMainCalYear(2027);
            QStringList names = dialog->MonthNames->toPlainText().split('\n');
            names[2] = QStringLiteral("März");
            dialog->MonthNames->setPlainText(names.join('\n'));
            dialog->OkButton->click();
        });
        main.New1Click();
        QVERIFY(main.CalendarFileName().isEmpty());
        // Save is disabled without a file; its key asks for a name, as the
        // Save button does. Cancelled here.
        const qsizetype asked = m_env->dialogs.fileRequests.size();
        main.activateWindow(); // as the desktop does when the properties dialog closes
        QVERIFY(QTest::qWaitForWindowActive(&main));
        QTest::keyClick(&main, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(m_env->dialogs.fileRequests.size(), asked + 1);
        QCOMPARE(m_env->dialogs.fileRequests.last().fileName, QStringLiteral("Mär2027.DWF"));
        QCOMPARE(m_env->dialogs.fileRequests.last().title, QStringLiteral("Save Calendar File"));
        QVERIFY(main.Modified());
        // Said Yes to "Save changes?" but cancelled the file dialog: nothing is dropped.
        m_env->dialogs.questionAnswers << QMessageBox::Yes;
        QVERIFY(!main.CheckSaveNeeded());
        QVERIFY(main.Modified());
        // Named, the same key saves without asking.
        m_env->dialogs.saveNames << m_env->path("Named.DWF");
        QTest::keyClick(&main, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(main.CalendarFileName(), m_env->path("Named.DWF"));
        main.SetModified(true);
        QTest::keyClick(&main, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(m_env->dialogs.fileRequests.size(), asked + 3);
        QVERIFY(!main.Modified());
    }

    // Save As starts in the calendar's folder, else in Documents; where
    // that folder does not exist, in the home folder, never in whatever
    // folder the program was started from.
    void saveAsStartsWhereTheUserKeepsFiles()
    {
        QTemporaryDir home;
        const QByteArray realHome = qgetenv("HOME");
        qputenv("HOME", QFile::encodeName(home.path()));
        qunsetenv("XDG_CONFIG_HOME");
        TCalendarMain main;
        main.show();
        const auto askedFolder = [&main, this] {
            main.mnuSaveAsClick(); // cancelled
            return m_env->dialogs.fileRequests.last().folder;
        };
        const QString noDocuments = askedFolder();
        QVERIFY(QDir(home.path()).mkpath(QStringLiteral("Documents")));
        const QString documents = askedFolder();
        QVERIFY(QDir(m_env->path({})).mkpath(QStringLiteral("kept")));
        const QString file = m_env->writeCalendar(QStringLiteral("kept/here.DWF"), 0, 7, 2026);
        main.OpenCalendarFile(file);
        const QString calendars = askedFolder();
        QVERIFY(QDir(QFileInfo(file).absolutePath()).removeRecursively());
        const QString folderGone = askedFolder();
        qputenv("HOME", realHome);
        QCOMPARE(noDocuments, home.path());
        QCOMPARE(documents, home.filePath(QStringLiteral("Documents")));
        QCOMPARE(calendars, QFileInfo(file).absolutePath());
        QCOMPARE(folderGone, home.path());
    }

    void placedObjectsComeWithTheCalendarAndGoWithNew()
    {
        const QString file = m_env->path("labels.DWF");
        {
            CalendarPage page;
            page.resetToDefaultStyle();
            TComponent objects;
            auto *label = new TVPLabel(&objects);
            label->setParent(&objects);
            label->setCaption(QStringLiteral("Party!"));
            label->setBounds(40, 50, 120, 30);
            QString error;
            QVERIFY2(CalendarFile::save(file, page, &objects, &error), qPrintable(error));
        }
        TCalendarMain main;
        main.show();
        main.OpenCalendarFile(file);
        QCOMPARE(main.CalendarFileName(), file);
        QCOMPARE(main.placedObjects().componentCount(), 1);
        auto *label = dynamic_cast<TVPLabel *>(main.placedObjects().components().front());
        QVERIFY(label);
        QCOMPARE(label->caption(), QStringLiteral("Party!"));
        QCOMPARE(label->name(), QStringLiteral("Component0"));

        // Saved again at 60% zoom, the object keeps its place and size.
        m_env->dialogs.saveNames << m_env->path("again.DWF");
        main.mnuSaveAsClick();
        TComponent reread;
        CalendarPage page;
        QString error;
        QVERIFY2(CalendarFile::load(m_env->path("again.DWF"), page, &reread, &error), qPrintable(error));
        QCOMPARE(reread.componentCount(), 1);
        QCOMPARE(
            static_cast<TVGraphicControl *>(reread.components().front())->boundsRect(), label->boundsRect());

        QTimer::singleShot(0, [] {
            auto *dialog = qobject_cast<TCalendarProperties *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->OkButton->click();
        });
        main.New1Click();
        QCOMPARE(main.placedObjects().componentCount(), 0);
    }

    void recentFilesMoveToTheTopWhateverTheirLetterCase()
    {
        TCalendarMain main;
        main.show();
        const QString a = m_env->writeCalendar("a.DWF", 0, 1, 2026);
        const QString b = m_env->writeCalendar("b.DWF", 0, 2, 2026);
        main.OpenCalendarFile(a);
        main.OpenCalendarFile(b);
        QCOMPARE(main.recentFiles()->files(), QStringList({ b, a }));
        main.recentFiles()->Add(a.toUpper());
        QCOMPARE(main.recentFiles()->files(), QStringList({ a.toUpper(), b }));
        QVERIFY(recentEntry(main, 1));
        QCOMPARE(recentEntry(main, 1)->text(), QStringLiteral("&1 ") + a.toUpper());
    }

    void aDeletedRecentFileIsReportedAndLeavesTheMenu()
    {
        TCalendarMain main;
        main.show();
        const QString kept = m_env->writeCalendar("kept.DWF", 0, 5, 2026);
        const QString gone = m_env->writeCalendar("gone.DWF", 0, 6, 2026);
        main.OpenCalendarFile(gone);
        main.OpenCalendarFile(kept);
        QFile::remove(gone);
        recentEntry(main, 2)->trigger();
        QVERIFY(m_env->messageTexts().contains("File " + gone + " no longer exists"));
        QCOMPARE(main.recentFiles()->files(), QStringList({ kept }));
        QVERIFY(!recentEntry(main, 2));
        // The calendar on screen is untouched by the missing file.
        QCOMPARE(main.CalendarFileName(), kept);
        QVERIFY(main.pageShown());
    }

    void choosingARecentFileOffersToSaveFirst()
    {
        TCalendarMain main;
        main.show();
        const QString first = m_env->writeCalendar("first.DWF", 0, 5, 2026);
        const QString second = m_env->writeCalendar("second.DWF", 0, 6, 2026);
        main.OpenCalendarFile(first);
        main.OpenCalendarFile(second);
        main.SetModified(true);
        recentEntry(main, 2)->trigger(); // first.DWF; "Save changes?" answered No
        QCOMPARE(m_env->dialogs.messages.last().text, QStringLiteral("Save changes?"));
        QCOMPARE(main.CalendarFileName(), first);
        QVERIFY(!main.Modified());
    }

    void aCorruptFileKeepsTheCalendarOnScreen_data()
    {
        QTest::addColumn<bool>("saved");
        QTest::newRow("saved calendar") << true;
        QTest::newRow("new calendar, never saved") << false;
    }

    void aCorruptFileKeepsTheCalendarOnScreen()
    {
        QFETCH(bool, saved);
        TCalendarMain main;
        QVERIFY(showSettled(main));
        const QString good = m_env->writeCalendar("good.DWF", 0, 7, 2026, "Summer");
        if (saved) {
            main.OpenCalendarFile(good);
        } else {
            QTimer::singleShot(0, [] {
                if (auto *dialog = qobject_cast<TCalendarProperties *>(QApplication::activeModalWidget()))
                    dialog->OkButton->click();
            });
            main.New1Click();
            main.calendarPanel()->page().setUserTitle(QStringLiteral("Summer"));
        }
        main.SetModified(true);
        const QStringList recent = main.recentFiles()->files();
        const QString bad = m_env->path("bad.DWF");
        writeFile(bad, QByteArray("TPF0 this is not a calendar"));
        main.OpenCalendarFile(bad);
        QCOMPARE(m_env->dialogs.messages.last().text,
            "Unable to open " + bad + ". Possibly corrupted, possibly not a Calendar file");
        QCOMPARE(main.CalendarFileName(), saved ? good : QString());
        QCOMPARE(main.calendarPanel()->page().userTitle(), QStringLiteral("Summer"));
        QVERIFY(main.pageShown());
        QVERIFY(main.Modified());
        QCOMPARE(main.recentFiles()->files(), recent);
    }

    void openRefusesOtherExtensionsAndNoKeepsTheChanges()
    {
        TCalendarMain main;
        main.show();
        main.OpenCalendarFile(m_env->writeCalendar("mine.DWF", 0, 7, 2026));
        main.SetModified(true);
        m_env->dialogs.openNames << m_env->path("style.DWS");
        main.Open1Click(); // "Save changes?" answered No: the command goes on
        QCOMPARE(m_env->dialogs.messages.at(m_env->dialogs.messages.size() - 2).text,
            QStringLiteral("Save changes?"));
        QCOMPARE(m_env->dialogs.messages.last().text, QStringLiteral("Must be a Calendar file (*.DWF)"));
        QCOMPARE(m_env->dialogs.fileRequests.last().title, QStringLiteral("Open Calendar File"));
        QVERIFY(main.Modified());
        QCOMPARE(main.CalendarFileName(), m_env->path("mine.DWF"));
    }

    void aFailedSaveChangesNothingAndStopsTheCommandThatAsked()
    {
        TCalendarMain main;
        main.show();
        const QString file = m_env->writeCalendar("locked.DWF", 0, 8, 2026);
        main.OpenCalendarFile(file);
        main.SetModified(true);
        const QStringList recent = main.recentFiles()->files();

        // Save As into a folder that does not exist.
        const QString nowhere = m_env->path("no/such/folder/x.DWF");
        m_env->dialogs.saveNames << nowhere;
        main.mnuSaveAsClick();
        QCOMPARE(m_env->dialogs.messages.last().kind, QStringLiteral("warning"));
        QVERIFY(m_env->dialogs.messages.last().text.startsWith("Unable to save " + nowhere));
        QCOMPARE(main.CalendarFileName(), file);
        QVERIFY(main.Modified());
        QCOMPARE(main.recentFiles()->files(), recent);

        // Save onto a name that cannot be replaced: Open stops before its dialog.
        QFile::remove(file);
        QDir().mkpath(file);
        m_env->dialogs.questionAnswers << QMessageBox::Yes;
        const int requests = m_env->dialogs.fileRequests.size();
        main.Open1Click();
        QCOMPARE(m_env->dialogs.fileRequests.size(), requests);
        QVERIFY(main.Modified());
        QVERIFY(m_env->dialogs.messages.last().text.startsWith("Unable to save " + file));

        // Closing is refused rather than losing the changes.
        m_env->dialogs.questionAnswers << QMessageBox::Yes;
        QVERIFY(!main.close());
        QVERIFY(main.isVisible());
        m_env->dialogs.questionAnswers << QMessageBox::No;
        QVERIFY(main.close());
    }

    // Cancel at "Save changes?" keeps the calendar and its changes, and the
    // command that asked does nothing; Yes is what Enter means.
    void cancelAtSaveChangesStopsTheCommand_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("New") << "New";
        QTest::newRow("Open") << "Open";
        QTest::newRow("Close") << "Close";
    }

    void cancelAtSaveChangesStopsTheCommand()
    {
        QFETCH(QString, command);
        TCalendarMain main;
        QVERIFY(showSettled(main));
        const QString file = m_env->writeCalendar("kept.DWF", 0, 5, 2026);
        main.OpenCalendarFile(file);
        main.SetModified(true);
        const int requests = m_env->dialogs.fileRequests.size();
        m_env->dialogs.questionAnswers << QMessageBox::Cancel;
        if (command == QLatin1String("New"))
            main.New1Click();
        else if (command == QLatin1String("Open"))
            main.Open1Click();
        else
            QVERIFY(!main.close());
        const ScriptedDialogs::Message &asked = m_env->dialogs.messages.last();
        QCOMPARE(asked.text, QStringLiteral("Save changes?"));
        QCOMPARE(asked.defaultButton, QMessageBox::Yes);
        QCOMPARE(m_env->dialogs.fileRequests.size(), requests);
        QCOMPARE(main.CalendarFileName(), file);
        QVERIFY(main.Modified());
        QVERIFY(main.pageShown());
    }

    void cancelChangesReloadsOrOnlyClearsTheMark()
    {
        TCalendarMain main;
        QVERIFY(showSettled(main));
        const QString file = m_env->writeCalendar("c.DWF", 0, 4, 2026, "Kept");
        main.OpenCalendarFile(file);
        main.calendarPanel()->page().setUserTitle(QStringLiteral("Changed"));
        main.SetModified(true);
        m_env->dialogs.questionAnswers << QMessageBox::Yes;
        main.mnuCancelChangesClick();
        QCOMPARE(m_env->dialogs.messages.last().title, QStringLiteral("CANCEL"));
        QCOMPARE(m_env->dialogs.messages.last().defaultButton, QMessageBox::No);
        QCOMPARE(main.calendarPanel()->page().userTitle(), QStringLiteral("Kept"));
        QVERIFY(!main.Modified());
    }

    void newRunsThePropertiesDialogAndStartsAnUnnamedCalendar()
    {
        TCalendarMain main;
        main.show();
        main.OpenCalendarFile(m_env->writeCalendar("old.DWF", 0, 4, 2026));
        main.calendarPanel()->page().setCellContents(10, QByteArray("{\\rtf1 Old text\\par}"));
        // Cancel first: the old calendar stays.
        QTimer::singleShot(0, [] {
            auto *dialog = qobject_cast<TCalendarProperties *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->CancelButton->click();
        });
        main.New1Click();
        QCOMPARE(main.CalendarFileName(), m_env->path("old.DWF"));
        QVERIFY(!main.calendarPanel()->page().cellStorage(10)->isEmpty());

        QTimer::singleShot(0, [] {
            auto *dialog = qobject_cast<TCalendarProperties *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QVERIFY(dialog->ResetToDefaults);
            dialog->OkButton->click();
        });
        main.New1Click();
        QVERIFY(main.CalendarFileName().isEmpty());
        QVERIFY(main.Modified());
        QVERIFY(main.pageShown());
        QVERIFY(!main.calendarPanel()->page().anyCellHasContents());
        QVERIFY(main.menus().Savebutton->isVisible());
        QVERIFY(!main.menus().CancelButton->isVisible()); // nothing to go back to
        QVERIFY(!main.menus().mnuSave->isEnabled());
    }

    void preferencesSurviveARestart()
    {
        {
            TCalendarMain main;
            main.show();
            main.OpenCalendarFile(m_env->writeCalendar("p.DWF", 0, 4, 2026));
            main.ZoomPlusButtonClick();
            QFont font(QStringLiteral("Liberation Serif"), 14);
            font.setStrikeOut(true);
            m_env->dialogs.fontAnswers << font;
            m_env->dialogs.colorAnswers << QColor(0, 0, 255);
            main.DefaultEditorFont1Click();
            main.menus().mnuShowHint->trigger(); // hints off
            main.close();
        }
        QCOMPARE(ini().readInteger("Zooming", "Main", 0), 70);
        QCOMPARE(ini().readInteger("Hints", "On", 1), 0);
        QCOMPARE(ini().readInteger("Default Font", "Strikeout", 0), 1);
        QCOMPARE(ini().readInteger("Default Font", "Color", 0), 0xFF0000);
        QVERIFY(ini().hasSection("TCalendarMain_Placement"));

        TCalendarMain again;
        QCOMPARE(again.calendarPanel()->scale(), 0.701f);
        QVERIFY(!again.menus().mnuShowHint->isChecked());
        QVERIFY(again.cellEditing()->defaultFont().strikeout);
        QCOMPARE(again.cellEditing()->defaultFont().size, 14);
    }

    void aCalendarFromOutsideOpens()
    {
        TCalendarMain main;
        const QString given = m_env->writeCalendar("given.DWF", 0, 2, 2026);
        main.setStartupFile(given);
        main.show();
        QCOMPARE(main.CalendarFileName(), given);

        const QString other = m_env->writeCalendar("other.DWF", 0, 3, 2026);
        main.activateFromOtherStart({ other });
        QCOMPARE(main.CalendarFileName(), other);

        const QString dropped = m_env->writeCalendar("dropped.DWF", 0, 4, 2026);
        QMimeData data;
        data.setUrls({ QUrl::fromLocalFile(dropped) });
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&main, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&main, &drop);
        QTRY_COMPARE(main.CalendarFileName(), dropped);

        QMimeData picture;
        picture.setUrls({ QUrl::fromLocalFile(m_env->path("photo.png")) });
        QDragEnterEvent refused(QPoint(10, 10), Qt::CopyAction, &picture, Qt::LeftButton, Qt::NoModifier);
        refused.setAccepted(false);
        QApplication::sendEvent(&main, &refused);
        QVERIFY(!refused.isAccepted());

        // An iCalendar file dropped on the page offers its events for the month.
        const QString events = m_env->path("dropped.ics");
        writeFile(events,
            "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//t//t//EN\r\nBEGIN:VEVENT\r\nUID:1@t\r\n"
            "DTSTART;VALUE=DATE:20260410\r\nSUMMARY:Dropped\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
        ModalDialogCanceller dialogs;
        QString offered;
        dialogs.inspect([&offered](QDialog &dialog) {
            if (auto *sources = dialog.findChild<QComboBox *>(QStringLiteral("Sources")))
                offered = sources->currentText();
        });
        QMimeData calendar;
        calendar.setUrls({ QUrl::fromLocalFile(events) });
        QDragEnterEvent enterEvents(
            QPoint(10, 10), Qt::CopyAction, &calendar, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&main, &enterEvents);
        QVERIFY(enterEvents.isAccepted());
        QDropEvent dropEvents(QPointF(10, 10), Qt::CopyAction, &calendar, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&main, &dropEvents);
        QTRY_COMPARE(dialogs.opened(), QStringLiteral("Select Events To Use"));
        QCOMPARE(offered, QStringLiteral("dropped.ics"));
        QCOMPARE(main.CalendarFileName(), dropped); // the calendar stays open
    }
};

QTEST_MAIN(TestDocumentCommands)
#include "tst_documentcommands.moc"
