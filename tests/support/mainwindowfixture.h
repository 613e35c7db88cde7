#pragma once

// For main-window tests: a data folder of the test's own (so DW.ini and the
// recent files start empty and nothing touches the user's), scripted answers
// for every message box and file dialog, and calendar files written with
// the real writer.
#include "app/calendarmain.h"
#include "calendar/calendarfile.h"
#include "calendar/calendarpage.h"
#include "platform/datafolder.h"
#include "stream/component.h"

#include "scripteddialogs.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

struct MainWindowEnvironment
{
    QTemporaryDir home;
    ScriptedDialogs dialogs;
    CommonDialogs::Override answers { dialogs };

    // The data folder inside the given folder, or among the temporary files.
    explicit MainWindowEnvironment(const QString &folder = {})
        : home(folder.isEmpty() ? QDir::tempPath() + QStringLiteral("/datewright-XXXXXX")
                                : folder + QStringLiteral("/home-XXXXXX"))
    {
        qputenv("DATEWRIGHT_HOME", home.path().toUtf8());
        DataFolder::ensureInitialized();
    }

    // A name in the data folder; an absolute path stays as it is.
    QString path(const QString &name) const { return QDir(home.path()).filePath(name); }

    // A calendar file of the given layout and month, written by the program's
    // writer. Its day is the 7th, so a planner shows the same week on any date.
    QString writeCalendar(
        const QString &name, int layout, int month, int year, const QString &title = {}) const
    {
        CalendarPage page;
        page.resetToDefaultStyle(QDate(year, month, 7));
        page.setCalendarLayout(layout);
        page.setMainCalMonth(month);
        page.setMainCalYear(year);
        page.setUserTitle(title);
        TComponent objects;
        QString error;
        const QString fileName = path(name);
        if (!CalendarFile::save(fileName, page, &objects, &error))
            qWarning("cannot write %s: %s", qPrintable(fileName), qPrintable(error));
        return fileName;
    }

    QStringList messageTexts() const
    {
        QStringList texts;
        for (const ScriptedDialogs::Message &message : dialogs.messages)
            texts << message.text;
        return texts;
    }
};

// Shows the window and lets its first paint pass, so the message that
// follows it (no printers) is out of the way before the test acts.
inline bool showSettled(TCalendarMain &main)
{
    main.show();
    if (!QTest::qWaitForWindowExposed(&main))
        return false;
    QCoreApplication::processEvents();
    return true;
}
