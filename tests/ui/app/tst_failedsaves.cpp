// Every file the main window writes, when it cannot be written: the
// program's message with the system's reason, the old file untouched, no
// temporary file left behind, and the calendar's changes still there.
#include "app/calendarmain.h"
#include "mainwindowfixture.h"
#include "objects/vplabel.h"
#include "platform/preferences.h"
#include "properties/calendarproperties.h"
#include "recurring/editrecurringdates.h"
#include "recurring/recurringlistfile.h"
#include "surface/calendarpanel32.h"

#include "fulldisk.h"
#include "testfiles.h"

#include <QAction>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <sys/stat.h>

namespace {

// Runs once the modal dialog of type T is up.
template <typename T> void whenOpen(std::function<void(T *)> act)
{
    QTimer::singleShot(0, [act] {
        auto *dialog = qobject_cast<T *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        act(dialog);
    });
}

} // namespace

class TestFailedSaves : public QObject
{
    Q_OBJECT

private slots:
    void failedSavesSayWhyAndKeepTheOldFile_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("name"); // the file written, in the data folder
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("place");
        QTest::addColumn<QString>("reason");
        const QList<QStringList> commands {
            { "save as", "cal.DWF", "Unable to save %1.\nCannot create file %1: %2" },
            { "save", "cal.DWF", "Unable to save %1.\nCannot create file %1: %2" },
            { "bitmap", "cal.BMP", "Unable to write %1: %2" },
            { "jpeg", "cal.JPG", "Unable to write %1: %2" },
            { "style sheet", "style.DWS", "Cannot create file %1: %2" },
            { "recurring list", "DWRECUR.DAX", "Unable to write %1: %2" },
            { "preferences", "DW.ini", "Unable to write to %1: %2" },
        };
        const QList<QStringList> places { { "file", "Not a directory" }, { "folder", "Is a directory" },
            { "full", "No space left on device" } };
        for (const QStringList &command : commands) {
            for (const QStringList &place : places) {
                // The list and the preferences have fixed places; a list
                // that cannot be read is never written.
                const bool fixed = command[1].startsWith(QLatin1String("D"));
                if ((fixed && place[0] == QLatin1String("file"))
                    || (command[0] == QLatin1String("recurring list") && place[0] == QLatin1String("folder"))
                    || (command[0] == QLatin1String("save") && place[0] == QLatin1String("file")))
                    continue;
                QTest::addRow("%s, %s", qPrintable(command[0]), qPrintable(place[0]))
                    << command[0] << command[1] << command[2] << place[0] << place[1];
            }
        }
    }

    void failedSavesSayWhyAndKeepTheOldFile()
    {
        QFETCH(QString, command);
        QFETCH(QString, name);
        QFETCH(QString, message);
        QFETCH(QString, place);
        QFETCH(QString, reason);
        const bool full = place == QLatin1String("full");
        FullDisk disk(32 * 1024);
        if (full && !disk.mounted())
            QSKIP("No permission to mount a small file system here");
        // The list and the preferences live in the data folder, so it moves
        // onto the full disk for them.
        const bool dataFile = name.startsWith(QLatin1Char('D'));
        MainWindowEnvironment env(full && dataFile ? disk.path() : QString());
        const QString folder = full && !dataFile ? disk.path() : env.home.path();
        TCalendarMain main;
        QVERIFY(showSettled(main));
        const QString old = QDir(folder).filePath(name);
        if (name.endsWith(QLatin1String("DWF")))
            env.writeCalendar(old, 0, 7, 2026);
        else
            writeFile(old, name == QLatin1String("DW.ini") ? "[Hints]\r\nOn=1\r\n" : "Rent  @0001\r\n");
        if (command == QLatin1String("save"))
            main.OpenCalendarFile(old);
        else
            main.OpenCalendarFile(env.writeCalendar(QStringLiteral("start.DWF"), 0, 7, 2026));
        main.SetModified(true);
        QString target = place == QLatin1String("file") ? old + QStringLiteral("/") + name : old;
        if (place == QLatin1String("folder"))
            QVERIFY(QFile::remove(old) && QDir().mkpath(old + QStringLiteral("/inside")));
        const QByteArray before = readFile(old);
        if (full)
            disk.fill();
        const QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::System);

        if (command == QLatin1String("save as") || command == QLatin1String("bitmap")
            || command == QLatin1String("jpeg"))
            env.dialogs.saveNames << target;
        if (command == QLatin1String("save as"))
            main.mnuSaveAsClick();
        else if (command == QLatin1String("save"))
            main.mnuSaveClick();
        else if (command == QLatin1String("bitmap"))
            main.menus().mnuSaveAsBitmap->trigger();
        else if (command == QLatin1String("jpeg"))
            main.menus().mnuSaveAsJPG->trigger();
        else if (command == QLatin1String("preferences"))
            main.menus().mnuShowHint->trigger();
        if (command == QLatin1String("style sheet")) {
            whenOpen<TCalendarProperties>([&env, target](TCalendarProperties *dialog) {
                env.dialogs.saveNames << target;
                dialog->SaveAsStyleSheetButton->click();
                dialog->CancelButton->click();
            });
            main.mnuPropertiesClick();
        }
        if (command == QLatin1String("recurring list")) {
            whenOpen<TEditRecurringDates>([](TEditRecurringDates *dialog) {
                dialog->okbutton->click();
                QVERIFY(dialog->isVisible()); // the list stays open to try again
                dialog->CancelButton->click();
            });
            main.menus().mnuEditrecurringDates->trigger();
        }

        const QString expected = message.arg(target, reason);
        QVERIFY2(
            env.messageTexts().contains(expected), qPrintable(env.messageTexts().join(QLatin1Char('|'))));
        QCOMPARE(readFile(old), before);
        QVERIFY(place != QLatin1String("folder") || QFileInfo(old).isDir());
        QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::System), entries);
        QVERIFY(main.Modified());
        main.SetModified(false);
    }

    void aDamagedCalendarOpensWithAWarning()
    {
        MainWindowEnvironment env;
        const QString file = env.path(QStringLiteral("objects.DWF"));
        CalendarPage page;
        page.resetToDefaultStyle();
        page.setUserTitle(QStringLiteral("Kept"));
        TComponent objects;
        for (const QString &caption : { QStringLiteral("First"), QStringLiteral("Second") }) {
            auto *label = new TVPLabel(&objects);
            label->setParent(&objects);
            label->setCaption(caption);
        }
        QString error;
        QVERIFY2(CalendarFile::save(file, page, &objects, &error), qPrintable(error));
        writeFile(file, readFile(file).chopped(8)); // cut inside the second label
        TCalendarMain main;
        QVERIFY(showSettled(main));
        main.OpenCalendarFile(file);
        QCOMPARE(main.CalendarFileName(), file);
        QCOMPARE(main.calendarPanel()->page().userTitle(), QStringLiteral("Kept"));
        QCOMPARE(main.placedObjects().componentCount(), 1);
        QCOMPARE(env.dialogs.messages.last().kind, QStringLiteral("warning"));
        QVERIFY(env.dialogs.messages.last().text.startsWith(
            QStringLiteral("The calendar file %1 is damaged: only 1 placed object could be read.")
                .arg(file)));
    }

    // A damaged file is never written over by Save: Save As proposes a new
    // name, and only once saved whole does Save go to the calendar's file.
    void aDamagedCalendarIsSavedUnderANewName_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("answered"); // the Save As dialog given a name
        QTest::newRow("save") << QStringLiteral("save") << true;
        QTest::newRow("save cancelled") << QStringLiteral("save") << false;
        QTest::newRow("save as") << QStringLiteral("save as") << true;
        QTest::newRow("close, saving changes") << QStringLiteral("close") << true;
        QTest::newRow("close, name not given") << QStringLiteral("close") << false;
    }
    void aDamagedCalendarIsSavedUnderANewName()
    {
        QFETCH(QString, command);
        QFETCH(bool, answered);
        MainWindowEnvironment env;
        const QString file = env.path(QStringLiteral("objects.DWF"));
        CalendarPage page;
        page.resetToDefaultStyle();
        TComponent objects;
        for (int i = 0; i < 2; ++i)
            (new TVPLabel(&objects))->setParent(&objects);
        QString error;
        QVERIFY2(CalendarFile::save(file, page, &objects, &error), qPrintable(error));
        const QByteArray damaged = readFile(file).chopped(8);
        writeFile(file, damaged);
        const QString repaired = env.path(QStringLiteral("objects (repaired).dwf"));
        TCalendarMain main;
        QVERIFY(showSettled(main));
        main.OpenCalendarFile(file);
        QCOMPARE(main.placedObjects().componentCount(), 1);
        main.calendarPanel()->page().setUserTitle(QStringLiteral("Changed"));
        main.SetModified(true);
        if (answered)
            env.dialogs.saveNames << repaired;
        const int asked = env.dialogs.fileRequests.size();
        if (command == QLatin1String("save"))
            main.mnuSaveClick();
        else if (command == QLatin1String("save as"))
            main.mnuSaveAsClick();
        else {
            env.dialogs.questionAnswers << QMessageBox::Yes; // "Save changes?"
            main.close();
        }
        QCOMPARE(env.dialogs.fileRequests.size(), asked + 1);
        QCOMPARE(env.dialogs.fileRequests.last().fileName, QStringLiteral("objects (repaired).dwf"));
        QCOMPARE(readFile(file), damaged);
        QCOMPARE(QFile::exists(repaired), answered);
        QCOMPARE(main.CalendarFileName(), answered ? repaired : file);
        QCOMPARE(main.Modified(), !answered);
        // A close whose save was not made stays open with the changes.
        QCOMPARE(main.isVisible(), command != QLatin1String("close") || !answered);
        if (answered) {
            // The new file is whole: Save now writes to it without asking.
            main.mnuSaveClick();
            QCOMPARE(env.dialogs.fileRequests.size(), asked + 1);
        }
        main.SetModified(false);
    }

    void noFileToOpenIsRefusedWithTheReason()
    {
        MainWindowEnvironment env;
        TCalendarMain main;
        QVERIFY(showSettled(main));
        main.OpenCalendarFile(
            env.writeCalendar(QStringLiteral("kept.DWF"), 0, 7, 2026, QStringLiteral("Kept")));
        const QString pipe = env.path(QStringLiteral("pipe.DWF"));
        QVERIFY(::mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0);
        main.OpenCalendarFile(pipe);
        QCOMPARE(
            env.messageTexts().last(), QStringLiteral("Unable to open %1: Is a pipe, not a file").arg(pipe));
        QCOMPARE(main.CalendarFileName(), env.path(QStringLiteral("kept.DWF")));
        QCOMPARE(main.calendarPanel()->page().userTitle(), QStringLiteral("Kept"));
    }
};

QTEST_MAIN(TestFailedSaves)
#include "tst_failedsaves.moc"
