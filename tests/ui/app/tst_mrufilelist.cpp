// The recent files at the end of the File menu and in the preferences file.
#include "app/mrufilelist.h"

#include "platform/inifile.h"

#include "testfiles.h"

#include <QAction>
#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QStringList captions(const QMenu &menu)
{
    QStringList result;
    for (const QAction *action : menu.actions())
        result << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return result;
}

} // namespace

class TestMruFileList : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

private slots:
    void entriesFollowTheFileMenusOwnItems()
    {
        QMenu fileMenu;
        fileMenu.addAction("&Open");
        fileMenu.addAction("E&xit");
        TMRUFileList recent;
        recent.setAutoSave(false);
        recent.setFileMenu(&fileMenu);
        QCOMPARE(captions(fileMenu), QStringList({ "&Open", "E&xit" })); // empty: no separator

        recent.Add("/home/a/One.DWF");
        recent.Add("/home/a/R&D.DWF");
        QCOMPARE(captions(fileMenu),
            QStringList({ "&Open", "E&xit", "-", "&1 /home/a/R&&D.DWF", "&2 /home/a/One.DWF" }));
        recent.Add("/HOME/A/one.dwf");
        QCOMPARE(captions(fileMenu),
            QStringList({ "&Open", "E&xit", "-", "&1 /HOME/A/one.dwf", "&2 /home/a/R&&D.DWF" }));

        recent.setUseSubmenu(true);
        QCOMPARE(captions(fileMenu), QStringList({ "&Open", "E&xit", "-", "Reopen" }));
        recent.setUseSubmenu(false);

        recent.BeginUpdate();
        recent.Add("/x.DWF");
        QCOMPARE(captions(fileMenu).size(), 5); // held until EndUpdate
        recent.EndUpdate();
        QCOMPARE(captions(fileMenu).size(), 6);
    }

    void aChosenEntryLeavesTheListBeforeTheHandlerRuns()
    {
        QMenu fileMenu;
        fileMenu.addAction("E&xit");
        TMRUFileList recent;
        recent.setAutoSave(false);
        recent.setFileMenu(&fileMenu);
        recent.Add("/gone.DWF");
        recent.Add("/kept.DWF");
        QStringList seenInHandler;
        connect(&recent, &TMRUFileList::OnMRUItemClick, this,
            [&](QAction *, const QString &name) { seenInHandler = QStringList(recent.files()) << name; });
        fileMenu.actions().at(3)->trigger(); // "&2 /gone.DWF"
        QCOMPARE(seenInHandler, QStringList({ "/kept.DWF", "/gone.DWF" }));
        QCOMPARE(captions(fileMenu), QStringList({ "E&xit", "-", "&1 /kept.DWF" }));
    }

    void storedAsF0ToF4InItsSection()
    {
        const QString ini = m_dir.filePath("DW.ini");
        writeFile(ini, "[Hints]\r\nOn=1\r\n[MRU]\r\nF0=/old.DWF\r\nF9=/older.DWF\r\n");
        QMenu fileMenu;
        TMRUFileList recent;
        recent.setAutoSave(false);
        recent.setAutoSaveName(ini);
        recent.setAutoSaveKey("MRU");
        recent.setFileMenu(&fileMenu);
        QVERIFY(recent.Load());
        QCOMPARE(recent.files(), QStringList({ "/old.DWF", "/older.DWF" }));
        for (int i = 1; i <= 6; ++i)
            recent.Add(QStringLiteral("/cal%1.DWF").arg(i));
        QVERIFY(recent.Save());
        QCOMPARE(IniFile(ini).sectionLines("MRU"),
            QStringList({ "F0=/cal6.DWF", "F1=/cal5.DWF", "F2=/cal4.DWF", "F3=/cal3.DWF", "F4=/cal2.DWF" }));
        QCOMPARE(IniFile(ini).readInteger("Hints", "On", 0), 1);

        // The list stores itself at destruction only when asked to.
        {
            TMRUFileList automatic;
            automatic.setAutoSaveName(ini);
            automatic.setAutoSaveKey("MRU");
            automatic.Add("/auto.DWF");
        }
        QCOMPARE(IniFile(ini).sectionLines("MRU"), QStringList({ "F0=/auto.DWF" }));
    }
};

QTEST_MAIN(TestMruFileList)
#include "tst_mrufilelist.moc"
