// DW.ini: the INI rules, the preferences, recent files and window placement.
#include "platform/inifile.h"
#include "platform/preferences.h"
#include "platform/recentfilelist.h"
#include "platform/windowplacement.h"

#include "fulldisk.h"
#include "testfiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

class TestPreferences : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString iniPath(const QString &name = QStringLiteral("DW.ini")) const { return m_dir.filePath(name); }

private slots:
    void init() { QFile::remove(iniPath()); }

    void readsValuesAsTheWindowsReaderDoes()
    {
        writeFile(iniPath(),
            "; comment\r\n[zooming]\r\n  MAIN = 0x50 \r\nProp=abc\r\n"
            "[Default Font]\nName=\"  Spaced  \"\nSize=-3\nBold=7\nItalic=0\n"
            "[Long]\rValue="
                + QByteArray(1500, 'x') + "\r");
        const IniFile ini(iniPath());
        QCOMPARE(ini.readInteger("Zooming", "Main", 60), 0x50);
        QCOMPARE(ini.readInteger("Zooming", "Prop", 30), 30); // unreadable: default
        QCOMPARE(ini.readInteger("Zooming", "Missing", 11), 11);
        QCOMPARE(ini.readInteger("No Such Section", "Main", 12), 12);
        QCOMPARE(ini.readString("Default Font", "Name", "Arial"), QStringLiteral("  Spaced  "));
        QCOMPARE(ini.readInteger("Default Font", "Size", 10), -3);
        QVERIFY(ini.readBool("Default Font", "Bold", false));
        QVERIFY(!ini.readBool("Default Font", "Italic", true));
        QCOMPARE(ini.readString("Long", "Value", {}).size(), 1023);
        // "0x" alone is not hexadecimal and not a number.
        writeFile(iniPath(), "[S]\nA=0x\nB=0XfF\nC=0xFFFFFFFF\n");
        QCOMPARE(ini.readInteger("S", "A", 5), 5);
        QCOMPARE(ini.readInteger("S", "B", 5), 255);
        QCOMPARE(ini.readInteger("S", "C", 5), -1);
    }

    void writesKeyByKeyKeepingTheRestOfTheFile()
    {
        writeFile(iniPath(), "; kept\r\n[Zooming]\r\nMain=60\r\n\r\n[Other]\r\nX=1\r\n");
        IniFile ini(iniPath());
        QVERIFY(ini.writeInteger("zooming", "main", 80));
        QVERIFY(ini.writeInteger("Zooming", "Prop", 40));
        QVERIFY(ini.writeString("New Section", "Key", "Value"));
        QCOMPARE(readFile(iniPath()),
            QByteArray("; kept\r\n[Zooming]\r\nMain=80\r\nProp=40\r\n\r\n[Other]\r\nX=1\r\n"
                       "[New Section]\r\nKey=Value\r\n"));
        QVERIFY(ini.eraseSection("OTHER"));
        QVERIFY(!ini.hasSection("Other"));
        QCOMPARE(ini.readInteger("Zooming", "Prop", 0), 40);
    }

    // Every save syncs the disk, so a batch writes once and a write that
    // changes nothing does not write at all; a new file (a new inode) shows
    // each real write.
    void batchesWriteOnceAndOnlyWhatChanged()
    {
        writeFile(iniPath(), "[Zooming]\r\nMain=60\r\n");
        IniFile ini(iniPath());
        const auto inode = [this] {
            struct stat info
            {
            };
            return ::stat(QFile::encodeName(iniPath()).constData(), &info) == 0 ? info.st_ino : ino_t(0);
        };
        const auto first = inode();
        QVERIFY(ini.writeInteger("Zooming", "Main", 60));
        QCOMPARE(inode(), first);
        {
            IniFile::Batch dropped(ini);
            QVERIFY(ini.writeInteger("Zooming", "Main", 90));
            QCOMPARE(ini.readInteger("Zooming", "Main", 0), 60); // nothing on disk yet
        }
        QCOMPARE(readFile(iniPath()), QByteArray("[Zooming]\r\nMain=60\r\n"));
        IniFile::Batch batch(ini);
        QVERIFY(ini.eraseSection("Zooming"));
        QVERIFY(ini.writeInteger("Zooming", "Main", 60)); // back where it started
        QVERIFY(batch.commit());
        QCOMPARE(inode(), first);
        Preferences preferences;
        preferences.load(ini);
        preferences.mainZoomPercent = 80;
        QVERIFY(preferences.save(ini));
        QVERIFY(inode() != first);
        QCOMPARE(IniFile(iniPath()).readInteger("Zooming", "Main", 0), 80);
        QCOMPARE(IniFile(iniPath()).readBool("Hints", "On", false), preferences.hintsOn);
    }

    void aFailedWriteReportsAndKeepsTheOldFile_data()
    {
        QTest::addColumn<QString>("place");
        QTest::addColumn<QString>("reason");
        QTest::newRow("folder in the way") << "folder"
                                           << "Is a directory";
        QTest::newRow("under a regular file") << "file"
                                              << "Not a directory";
        // What cannot be read whole must not be written back from the part read.
        QTest::newRow("too large to read") << "large"
                                           << "File too large (over 1 MB)";
        QTest::newRow("full disk") << "full"
                                   << "No space left on device";
    }

    void aFailedWriteReportsAndKeepsTheOldFile()
    {
        QFETCH(QString, place);
        QFETCH(QString, reason);
        FullDisk disk(64);
        if (place == QLatin1String("full") && !disk.mounted())
            QSKIP("No permission to mount a small file system here");
        const QString path = place == QLatin1String("full") ? disk.path(QStringLiteral("DW.ini")) : iniPath();
        const QByteArray old = place == QLatin1String("large")
            ? "[Zooming]\r\nMain=70\r\n" + QByteArray(2 << 20, ';')
            : QByteArray("[Zooming]\r\nMain=70\r\n");
        writeFile(path, old);
        QString target = path;
        if (place == QLatin1String("file"))
            target += QStringLiteral("/DW.ini");
        if (place == QLatin1String("folder")) {
            target = iniPath(QStringLiteral("blocked.ini"));
            QDir().mkpath(target);
        }
        if (place == QLatin1String("full"))
            disk.fill();
        IniFile ini(target);
        QVERIFY(!ini.writeInteger("Zooming", "Main", 90));
        QCOMPARE(ini.error(), QStringLiteral("Unable to write to %1: %2").arg(target, reason));
        QCOMPARE(readFile(path), old);
        QVERIFY(place != QLatin1String("folder") || QFileInfo(target).isDir());
    }

    void preferencesStartFromTheDefaultsAndSurviveARestart()
    {
        IniFile ini(iniPath());
        Preferences preferences;
        preferences.load(ini);
        QCOMPARE(preferences.mainZoomPercent, 60);
        QCOMPARE(preferences.previewZoomPercent, 30);
        QCOMPARE(preferences.defaultEditorFont.name, QStringLiteral("Arial"));
        QCOMPARE(preferences.defaultEditorFont.size, 10);
        QVERIFY(preferences.iconToolWanted);
        QVERIFY(preferences.hintsOn);
        QVERIFY(preferences.iconFileName.endsWith(QLatin1String("MISC1.ICL")));

        preferences.mainZoomPercent = 90;
        preferences.defaultEditorFont.strikeout = true;
        preferences.defaultEditorFont.italic = true;
        preferences.defaultEditorFont.color = 0x0000FF;
        preferences.hintsOn = false;
        QVERIFY(preferences.save(ini));
        Preferences reread;
        reread.load(IniFile(iniPath()));
        QCOMPARE(reread.mainZoomPercent, 90);
        QVERIFY(reread.defaultEditorFont.strikeout);
        QVERIFY(reread.defaultEditorFont.italic);
        QVERIFY(!reread.defaultEditorFont.bold);
        QCOMPARE(reread.defaultEditorFont.color, TColor(0x0000FF));
        QVERIFY(!reread.hintsOn);
        // Booleans as "1"/"0", the keys in the file's order.
        const QByteArray text = readFile(iniPath());
        QVERIFY(
            text.contains("[Default Font]\r\nName=Arial\r\nSize=10\r\nBold=0\r\nItalic=1\r\nUnderline=0\r\n"
                          "Strikeout=1\r\nColor=255\r\n"));
        QVERIFY(text.indexOf("Visible=1") < text.indexOf("[Hints]"));
    }

    void recoveryIntervalReadAndWritten_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("seconds");
        QTest::newRow("missing") << QByteArray() << 120;
        QTest::newRow("off") << QByteArray("[Recovery]\r\nInterval=0\r\n") << 0;
        QTest::newRow("set") << QByteArray("[recovery]\r\ninterval=30\r\n") << 30;
        QTest::newRow("negative is off") << QByteArray("[Recovery]\r\nInterval=-5\r\n") << 0;
        QTest::newRow("unreadable") << QByteArray("[Recovery]\r\nInterval=soon\r\n") << 120;
    }
    void recoveryIntervalReadAndWritten()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, seconds);
        if (!file.isNull())
            writeFile(iniPath(), file);
        IniFile ini(iniPath());
        Preferences preferences;
        preferences.load(ini);
        QCOMPARE(preferences.recoveryIntervalSeconds, seconds);
        preferences.recoveryIntervalSeconds = seconds + 1;
        QVERIFY(preferences.save(ini));
        QCOMPARE(IniFile(iniPath()).readInteger("Recovery", "Interval", -1), seconds + 1);
    }

    void recentFilesKeepTheNewestFiveWithoutDuplicates()
    {
        RecentFileList list;
        for (const char *name : { "/c/a.DWF", "/c/b.DWF", "/c/c.DWF", "/c/d.DWF", "/c/e.DWF" })
            list.add(name);
        list.add("/C/B.dwf"); // same file in other letters: moves to the top
        QCOMPARE(list.files(), QStringList({ "/C/B.dwf", "/c/e.DWF", "/c/d.DWF", "/c/c.DWF", "/c/a.DWF" }));
        list.add("/c/f.DWF"); // a sixth pushes the oldest out
        QCOMPARE(list.files().size(), 5);
        QVERIFY(!list.files().contains("/c/a.DWF"));

        IniFile ini(iniPath());
        ini.writeString("MRU", "F7", "/stale.DWF");
        ini.writeString("Hints", "On", "1");
        QVERIFY(list.save(ini, "MRU"));
        QCOMPARE(IniFile(iniPath()).sectionLines("MRU"),
            QStringList({ "F0=/c/f.DWF", "F1=/C/B.dwf", "F2=/c/e.DWF", "F3=/c/d.DWF", "F4=/c/c.DWF" }));
        RecentFileList reread;
        QVERIFY(reread.load(IniFile(iniPath()), "MRU"));
        QCOMPARE(reread.files(), list.files());

        reread.setMaximum(2);
        QCOMPARE(reread.files(), QStringList({ "/c/f.DWF", "/C/B.dwf" }));
        writeFile(iniPath(), "[MRU]\nF0=/x=y.DWF\nF1=\n");
        QVERIFY(!reread.load(IniFile(iniPath()), "MRU")); // an empty name
        QCOMPARE(reread.files(), QStringList({ "/x=y.DWF" }));
    }

    void placementIsKeptPerResolutionAndFittedToTheScreen()
    {
        QCOMPARE(
            WindowPlacement::sectionName("TCalendarMain", 96), QStringLiteral("TCalendarMain_Placement"));
        QCOMPARE(
            WindowPlacement::sectionName("TCalendarMain", 120), QStringLiteral("TCalendarMain_Placement120"));

        WindowPlacement placement;
        placement.left = 100;
        placement.top = 50;
        placement.right = 1500; // 1400 wide on a 1024-wide screen
        placement.bottom = 500;
        QCOMPARE(placement.fittedTo({ 1024, 768 }), QRect(QPoint(-376, 50), QPoint(1023, 499)));
        placement.bottom = 900;
        QCOMPARE(placement.fittedTo({ 1600, 768 }).top(), 50 - 132);

        IniFile ini(iniPath());
        writeFile(iniPath(), "[TCalendarMain_Placement]\nLeft=10\nTop=20\nRight=300\nBottom=0\n");
        WindowPlacement stored;
        stored.load(ini, "TCalendarMain_Placement", true);
        QVERIFY(!stored.hasRectangle()); // Bottom 0 centres, whatever else is set
        QVERIFY(stored.maximized); // absent: the window's current state
        stored.bottom = 400;
        stored.maximized = false;
        QVERIFY(stored.save(ini, WindowPlacement::sectionName("TCalendarMain", 120)));
        QCOMPARE(ini.readInteger("TCalendarMain_Placement", "Bottom", -1), 0); // the 96 ppi section untouched
        QCOMPARE(ini.readInteger("TCalendarMain_Placement120", "Bottom", -1), 400);
    }
};

QTEST_GUILESS_MAIN(TestPreferences)
#include "tst_preferences.moc"
