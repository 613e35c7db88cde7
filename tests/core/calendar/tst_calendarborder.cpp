#include "calendar/calendarpage.h"
#include "calendartesthelpers.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "testfiles.h"

// Border pictures are looked up in a real folder on disk. The files here
// are not metafiles, so every one found counts as unreadable.

namespace {

// Sets the name the way a calendar file does, without looking for the file.
void loadBorderName(CalendarPage &page, const QString &name)
{
    CalendarAttributes attributes = page.attributes();
    attributes.wmfBorderFile = name;
    page.loadAttributes(attributes);
}

} // namespace

class TestCalendarBorder : public QObject
{
    Q_OBJECT

private slots:
    void borderPicture();
    void borderExtensionFollowsOrientation();
    void layoutChangeReloadsBorder();
    void namesCannotLeaveTheBordersFolder();
};

void TestCalendarBorder::borderPicture()
{
    QTemporaryDir folder;
    writeFile(folder.filePath("borders/HOLLY.WPO"), "not a metafile");
    CalendarPage page;
    page.setBorderFolder(folder.path());

    // A missing file leaves the previous name alone.
    loadBorderName(page, "Ivy");
    page.setWMFBorderFile("Rose");
    QCOMPARE(page.wmfBorderFile(), QStringLiteral("Ivy"));
    QVERIFY(!page.borderError().isEmpty());

    // Found whatever the case, but it cannot be read: the name goes.
    QSignalSpy layouts(&page, &CalendarPage::layoutChanged);
    page.setWMFBorderFile("Holly");
    QVERIFY(page.wmfBorderFile().isEmpty());
    QVERIFY(page.borderPicture().isEmpty());
    QVERIFY(!page.borderError().isEmpty());
    QCOMPARE(layouts.count(), 1);
    QCOMPARE(page.layout().calendarRect, (TRect { 26, 26, 790, 1030 })); // no border inset left

    // An empty name clears.
    loadBorderName(page, "Ivy");
    page.setWMFBorderFile(QString());
    QVERIFY(page.wmfBorderFile().isEmpty());
}

void TestCalendarBorder::borderExtensionFollowsOrientation()
{
    QTemporaryDir folder;
    writeFile(folder.filePath("Borders/Wave.wls"), "landscape only");
    CalendarPage page;
    page.setBorderFolder(folder.path());

    loadBorderName(page, "Old");
    page.setWMFBorderFile("Wave"); // portrait looks for Wave.wpo
    QCOMPARE(page.wmfBorderFile(), QStringLiteral("Old"));

    page.setCalendarLayout(LOFullCalendarLS);
    loadBorderName(page, "Old");
    page.setWMFBorderFile("Wave"); // landscape finds Wave.wls
    QVERIFY(page.wmfBorderFile().isEmpty());
}

void TestCalendarBorder::layoutChangeReloadsBorder()
{
    QTemporaryDir folder;
    writeFile(folder.filePath("Borders/Wave.wls"), "landscape only");
    CalendarPage page;
    page.setBorderFolder(folder.path());
    loadBorderName(page, "Wave");

    // Still portrait: Wave.wpo is missing and the name stays.
    page.setCalendarLayout(loFCMinisInTitle);
    QCOMPARE(page.wmfBorderFile(), QStringLiteral("Wave"));
    // Turning landscape loads Wave.wls, which cannot be read.
    page.setCalendarLayout(loFCMinisInTitleLS);
    QVERIFY(page.wmfBorderFile().isEmpty());
}

void TestCalendarBorder::namesCannotLeaveTheBordersFolder()
{
    QTemporaryDir folder;
    writeFile(folder.filePath("Borders/Frame.wpo"), "inside");
    writeFile(folder.filePath("Secret.wpo"), "outside the Borders folder");
    CalendarPage page;
    page.setBorderFolder(folder.path());
    for (const QString &name :
        { QStringLiteral("../Secret"), QStringLiteral("..\\Secret"), QStringLiteral("..") }) {
        loadBorderName(page, "Old");
        page.setWMFBorderFile(name);
        QCOMPARE(page.wmfBorderFile(), QStringLiteral("Old")); // treated as missing: nothing changes
        QVERIFY(page.borderError().contains(name));
    }
}

QTEST_MAIN(TestCalendarBorder)
#include "tst_calendarborder.moc"
