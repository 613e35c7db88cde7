// The icon tool: its File menu and check marks, bonus sets, "Other..." with
// a program without icons, the main window showing and hiding it and
// remembering its file, and an icon dragged from it into a day cell that
// is saved, reopened and exported.
#include "document/calendardocument.h"
#include "icons/floatingpalette.h"
#include "icons/iconlistbox.h"

#include "document/pageexport.h"
#include "iconlibraries.h"
#include "mainwindowfixture.h"
#include "platform/inifile.h"
#include "richtext/celleditbridge.h"
#include "surface/calendarpanel32.h"

#include <QMenu>
#include <QMimeData>
#include <QToolButton>
#include <QtTest>

namespace {

QStringList checkedEntries(const TFloatingPalette &palette)
{
    QStringList checked;
    for (QAction *entry : palette.FileMenu->actions() + palette.mnuBonusIconSets->actions()) {
        if (entry->isChecked())
            checked << entry->text();
    }
    return checked;
}

int magentaPixels(const QImage &image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == QColor(Qt::magenta).rgb();
    }
    return count;
}

} // namespace

class TestFloatingPalette : public QObject
{
    Q_OBJECT

private slots:
    void standardEntriesCheckThemselves()
    {
        MainWindowEnvironment env;
        TFloatingPalette palette(nullptr);
        QCOMPARE(palette.windowTitle(), QStringLiteral("Icons"));
        QVERIFY(palette.IconListBox->FileName().endsWith(QStringLiteral("/activity.icl")));
        QVERIFY(palette.IconListBox->NumberOfIcons() >= 30);
        QVERIFY(QFileInfo(env.path(QStringLiteral("BonusIcons"))).isDir()); // made at first start, empty
        QCOMPARE(palette.mnuBonusIconSets->actions().size(), 0);
        palette.mnuHolidaysICL->trigger();
        QCOMPARE(checkedEntries(palette), QStringList { "Holidays" });
        QCOMPARE(palette.IconListBox->FileName(), env.path(QStringLiteral("holiday.icl")));
        // A remembered name in other letters finds the file and its entry.
        palette.SelectIconFile(env.path(QStringLiteral("MISC2.ICL")));
        QCOMPARE(checkedEntries(palette), QStringList { "Miscellaneous #2" });
        QCOMPARE(palette.IconListBox->FileName(), env.path(QStringLiteral("misc2.icl")));
        // A missing standard library: its entry checked, the list empty and off.
        QVERIFY(QFile::remove(env.path(QStringLiteral("events.icl"))));
        palette.mnuEventsICL->trigger();
        QCOMPARE(checkedEntries(palette), QStringList { "Events" });
        QCOMPARE(palette.IconListBox->NumberOfIcons(), -1);
        QVERIFY(!palette.IconListBox->isEnabled());
    }

    void bonusSetsAndOtherFiles()
    {
        MainWindowEnvironment env;
        QVERIFY(QDir().mkpath(env.path(QStringLiteral("BonusIcons"))));
        const QString longName = QString(70, QLatin1Char('x'));
        for (const QString &name : { QStringLiteral("Sports"), QStringLiteral("animals.v2"), longName })
            QVERIFY(writeIconLibrary(env.path(QStringLiteral("BonusIcons/%1.icl").arg(name)), 3));
        const QString other = env.path(QStringLiteral("mine.ico.icl"));
        QVERIFY(writeIconLibrary(other, 4));
        TFloatingPalette palette(nullptr);
        QStringList captions;
        for (QAction *entry : palette.mnuBonusIconSets->actions())
            captions << entry->text();
        QCOMPARE(captions, QStringList({ "animals", "Sports", QString(64, QLatin1Char('x')) }));
        palette.mnuBonusIconSets->actions().at(1)->trigger();
        QCOMPARE(checkedEntries(palette), QStringList { "Sports" });
        QCOMPARE(palette.IconListBox->NumberOfIcons(), 3);
        // Cut names still open their own file.
        palette.mnuBonusIconSets->actions().at(0)->trigger();
        QVERIFY(palette.IconListBox->FileName().endsWith(QStringLiteral("animals.v2.icl")));
        palette.mnuBonusIconSets->actions().at(2)->trigger();
        QCOMPARE(palette.IconListBox->NumberOfIcons(), 3);
        palette.SelectIconFile(other);
        QCOMPARE(checkedEntries(palette), QStringList { "Other..." });
        QCOMPARE(palette.IconListBox->FileName(), other);
    }

    void otherWithoutIconsAsksAgainThenFallsBack()
    {
        MainWindowEnvironment env;
        // A program without icons, and a file that is none at all.
        const QString program = env.path(QStringLiteral("tool.exe"));
        QFile exe(program);
        QVERIFY(exe.open(QIODevice::WriteOnly));
        exe.write(IconLibraryWriter::write({}, "TOOL"));
        exe.close();
        const QString notes = env.path(QStringLiteral("notes.ico"));
        QFile text(notes);
        QVERIFY(text.open(QIODevice::WriteOnly) && text.write("no icons here") > 0);
        text.close();
        TFloatingPalette palette(nullptr);
        env.dialogs.openNames = QStringList { program, notes };
        palette.mnuOtherIconFile->trigger();
        QCOMPARE(env.dialogs.fileRequests.size(), 3); // asked again after each, then cancelled
        const CommonDialogs::FileRequest &request = env.dialogs.fileRequests.first();
        QVERIFY(request.selectedFilter.startsWith(QStringLiteral("ICL and ICO Files")));
        QCOMPARE(request.folder, env.home.path());
        QCOMPARE(env.messageTexts(),
            QStringList({ "No icons found in " + program,
                "No icons found in " + notes + "\r\nNot an icon file, icon library or program" }));
        QCOMPARE(palette.IconListBox->FileName(), env.path(QStringLiteral("misc1.icl")));
        QCOMPARE(checkedEntries(palette), QStringList { "Miscellaneous #1" });
    }

    void theMainWindowShowsHidesAndRemembersIt()
    {
        MainWindowEnvironment env;
        const QString calendar = env.writeCalendar(QStringLiteral("June.DWF"), 0, 6, 2026);
        {
            TCalendarMain main;
            main.setStartupFile(calendar);
            QVERIFY(showSettled(main));
            TFloatingPalette *palette = main.iconTool();
            QVERIFY(palette->isVisible());
            QCOMPARE(palette->IconListBox->FileName(), env.path(QStringLiteral("misc1.icl")));
            QCOMPARE(main.menus().ShowHideIconTool->text(), QStringLiteral("Hide Icon Tool"));
            main.ShowHideIconToolClick();
            QVERIFY(!palette->isVisible());
            QCOMPARE(main.menus().ShowHideIconTool->text(), QStringLiteral("Show Icon Tool"));
            main.ShowHideIconToolClick();
            QVERIFY(palette->isVisible());
            // Closed by the window manager: the caption follows, no longer wanted.
            palette->close();
            QCOMPARE(main.menus().ShowHideIconTool->text(), QStringLiteral("Show Icon Tool"));
            QVERIFY(!main.IconToolWanted());
            main.ShowHideIconToolClick();
            palette->mnuHolidaysICL->trigger();
            main.close();
        }
        const IniFile ini(Preferences::fileName());
        QCOMPARE(ini.readString(QStringLiteral("Icons"), QStringLiteral("File"), QString()),
            env.path(QStringLiteral("holiday.icl")));
        TCalendarMain again;
        QVERIFY(showSettled(again));
        QCOMPARE(again.iconTool()->IconListBox->FileName(), env.path(QStringLiteral("holiday.icl")));
        QCOMPARE(checkedEntries(*again.iconTool()), QStringList { "Holidays" });
    }

    void anIconDraggedIntoACellIsSavedReopenedAndExported()
    {
        MainWindowEnvironment env;
        const QString calendar = env.writeCalendar(QStringLiteral("May.DWF"), 0, 5, 2026);
        const QString library = env.path(QStringLiteral("magenta.icl"));
        QVERIFY(writeIconLibrary(library, 2));
        {
            TCalendarMain main;
            main.setStartupFile(calendar);
            QVERIFY(showSettled(main));
            TIconListBox *list = main.iconTool()->IconListBox;
            list->setFileName(library);
            QCOMPARE(magentaPixels(PageExport::picture(main.document(), 1.0f)), 0);
            CalendarPage &page = main.calendarPanel()->page();
            page.recordCellTable(main.calendarPanel()->scale());
            const TRect cell = page.cellTable()[9].rect;
            const QPointF inside((cell.left + cell.right) / 2.0, (cell.top + cell.bottom) / 2.0);
            std::unique_ptr<QMimeData> data(
                list->model()->mimeData(list->selectionModel()->selectedIndexes()));
            QVERIFY(data);
            QDragEnterEvent enter(
                inside.toPoint(), Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(main.calendarPanel(), &enter);
            QVERIFY(enter.isAccepted());
            QDropEvent drop(inside, Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(main.calendarPanel(), &drop);
            QVERIFY(drop.isAccepted());
            QVERIFY(main.Modified());
            QVERIFY(main.SaveCalendarFile(calendar));
        }
        TCalendarMain reopened;
        reopened.setStartupFile(calendar);
        QVERIFY(showSettled(reopened));
        QVERIFY(reopened.calendarPanel()->page().cellContents(10).contains("\\pngblip"));
        // The icon is on the exported page (its edge blends into the cell).
        const QImage exported = PageExport::picture(reopened.document(), 1.0f);
        QVERIFY2(magentaPixels(exported) >= 30 * 30, qPrintable(QString::number(magentaPixels(exported))));
    }
};

QTEST_MAIN(TestFloatingPalette)
#include "tst_floatingpalette.moc"
