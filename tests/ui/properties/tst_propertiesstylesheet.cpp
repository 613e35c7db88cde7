// Style sheets from the properties dialog: the extension checks before any
// file is touched, a round trip through a real file, and a file that is not
// a style sheet.
#include "calendar/calendarpage.h"
#include "properties/calendarproperties.h"
#include "scripteddialogs.h"
#include "testfiles.h"

#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

class TestPropertiesStyleSheet : public QObject
{
    Q_OBJECT

private slots:
    void saveRefusesOtherExtensions_data();
    void saveRefusesOtherExtensions();
    void loadRefusesOtherExtensions();
    void savedStyleLoadsBack();
    void unreadableStyleSheetIsReported();
    void cancelledDialogsDoNothing();
};

void TestPropertiesStyleSheet::saveRefusesOtherExtensions_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("calendar file") << "style.DWF";
    QTest::newRow("no extension") << "style";
    QTest::newRow("dws inside the name") << "style.dws.bak";
}

void TestPropertiesStyleSheet::saveRefusesOtherExtensions()
{
    QFETCH(QString, name);
    QTemporaryDir folder;
    ScriptedDialogs dialogs;
    CommonDialogs::Override install(dialogs);
    CalendarPage page;
    TCalendarProperties dialog(page);
    dialog.show();
    dialogs.saveNames << folder.filePath(name);
    dialog.SaveAsStyleSheetButton->click();
    QCOMPARE(dialogs.fileRequests.size(), 1);
    QCOMPARE(dialogs.fileRequests[0].title, QStringLiteral("Save As Calendar Style Sheet"));
    QCOMPARE(dialogs.fileRequests[0].fileName, QStringLiteral("MyStyle.DWS"));
    QCOMPARE(dialogs.fileRequests[0].defaultSuffix, QStringLiteral("DWS"));
    QVERIFY(dialogs.fileRequests[0].confirmOverwrite);
    QCOMPARE(dialogs.messages.size(), 1);
    QCOMPARE(dialogs.messages[0].title, QStringLiteral("Information"));
    QCOMPARE(dialogs.messages[0].text, QStringLiteral("Must save as a Calendar Style Sheet (*.DWS)"));
    QVERIFY(!QFile::exists(folder.filePath(name)));
}

void TestPropertiesStyleSheet::loadRefusesOtherExtensions()
{
    QTemporaryDir folder;
    const QString name = folder.filePath(QStringLiteral("style.txt"));
    writeFile(name, "whatever");
    ScriptedDialogs dialogs;
    CommonDialogs::Override install(dialogs);
    CalendarPage page;
    TCalendarProperties dialog(page);
    dialog.show();
    CalendarPage before;
    before.copyAttributesFrom(dialog.preview());
    dialogs.openNames << name;
    dialog.LoadStyleSheetButton->click();
    QCOMPARE(dialogs.fileRequests[0].title, QStringLiteral("Open Calendar Style Sheet"));
    QCOMPARE(dialogs.messages.size(), 1);
    QCOMPARE(dialogs.messages[0].text, QStringLiteral("Must be a Calendar Style Sheet (*.DWS)"));
    QVERIFY(dialog.preview().sameAttributes(before));
}

void TestPropertiesStyleSheet::savedStyleLoadsBack()
{
    QTemporaryDir folder;
    const QString name
        = folder.filePath(QStringLiteral("Blue.dws")); // the case of the extension does not matter
    ScriptedDialogs dialogs;
    CommonDialogs::Override install(dialogs);
    CalendarPage page;
    page.setCalendarLayout(loFullCalendar);
    page.setMainCalMonth(5);
    TCalendarProperties dialog(page);
    dialog.show();
    // Edited but not applied: this is what the style sheet holds.
    dialog.LayoutList->setCurrentRow(5);
    dialog.LeftMarginInchcombo->setCurrentIndex(4);
    dialog.CalHeaderStyleCombo->setCurrentIndex(0);
    dialogs.saveNames << name;
    dialog.SaveAsStyleSheetButton->click();
    QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.messages.value(0).text));
    QVERIFY(QFile::exists(name));
    QCOMPARE(page.calendarLayout(), int(loFullCalendar));

    CalendarPage other;
    other.setMainCalMonth(9);
    TCalendarProperties second(other);
    second.show();
    dialogs.openNames << name;
    second.LoadStyleSheetButton->click();
    QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.messages.value(0).text));
    QCOMPARE(second.preview().calendarLayout(), int(loMC12Month));
    QCOMPARE(second.preview().leftMarginInch(), 1.25f);
    QCOMPARE(second.preview().mainCalMonth(), 9); // a style sheet holds no date
    // The controls follow the loaded style.
    QCOMPARE(second.LayoutList->currentRow(), 5);
    QCOMPARE(second.LeftMarginInchcombo->currentText(), QStringLiteral("1¼ Inch"));
    QCOMPARE(second.CalHeaderStyleCombo->currentIndex(), 0);
    QVERIFY(!second.updating());
}

void TestPropertiesStyleSheet::unreadableStyleSheetIsReported()
{
    QTemporaryDir folder;
    const QString name = folder.filePath(QStringLiteral("Broken.DWS"));
    writeFile(name, QByteArray("TPF0\x05junk", 9));
    ScriptedDialogs dialogs;
    CommonDialogs::Override install(dialogs);
    CalendarPage page;
    page.setCalendarLayout(lopMC6Month);
    TCalendarProperties dialog(page);
    dialog.show();
    dialogs.openNames << name;
    dialog.LoadStyleSheetButton->click();
    QCOMPARE(dialogs.messages.size(), 1);
    QCOMPARE(dialogs.messages[0].title, QStringLiteral("Information"));
    QCOMPARE(dialogs.messages[0].text,
        QStringLiteral("Unable to open ") + QDir::toNativeSeparators(name)
            + QStringLiteral(". Possibly corrupted, possibly not a Calendar Style file"));
    QVERIFY(dialog.isVisible());
    QVERIFY(!dialog.updating());
    QCOMPARE(dialog.preview().calendarLayout(), int(lopMC6Month));
    QCOMPARE(dialog.LayoutList->currentRow(), 4);
}

void TestPropertiesStyleSheet::cancelledDialogsDoNothing()
{
    ScriptedDialogs dialogs;
    CommonDialogs::Override install(dialogs);
    CalendarPage page;
    TCalendarProperties dialog(page);
    dialog.show();
    CalendarPage before;
    before.copyAttributesFrom(dialog.preview());
    dialog.SaveAsStyleSheetButton->click();
    dialog.LoadStyleSheetButton->click();
    QCOMPARE(dialogs.fileRequests.size(), 2);
    QVERIFY(dialogs.messages.isEmpty());
    QVERIFY(dialog.preview().sameAttributes(before));
}

QTEST_MAIN(TestPropertiesStyleSheet)
#include "tst_propertiesstylesheet.moc"
