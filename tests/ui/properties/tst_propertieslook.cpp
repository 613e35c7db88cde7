// The properties dialogs on screen: every control of every page gets at
// least the room its text needs. Set DW_SCREENSHOT_DIR to also keep a
// picture of each page (run under a real display server to look at them).
#include "calendar/calendarpage.h"
#include "platform/datafolder.h"
#include "properties/calendarproperties.h"
#include "properties/settimedialog.h"
#include "properties/usertitleform.h"
#include "surface/calendarpanel32.h"
#include "widgets/fontcolordialog.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QStackedWidget>
#include <QtTest>

class TestPropertiesLook : public QObject
{
    Q_OBJECT

private slots:
    void everyPageFits_data();
    void everyPageFits();
    void previewShowsTheBorderInPlace();
    void smallWindowStillFits();
    void smallDialogsFit();
    void fontDialogWithColorFits();
};

static void keepPicture(QWidget &widget, const QString &name)
{
    const QString folder = qEnvironmentVariable("DW_SCREENSHOT_DIR");
    if (!folder.isEmpty())
        QVERIFY(widget.grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png")));
}

// Names of the visible controls given less room than their text needs.
static QStringList clippedControls(QWidget &top)
{
    QStringList clipped;
    for (QWidget *child : top.findChildren<QWidget *>()) {
        if (!child->isVisibleTo(&top) || child->inherits("QScrollBar"))
            continue;
        const bool hasText = qobject_cast<QAbstractButton *>(child) || qobject_cast<QLabel *>(child)
            || qobject_cast<QComboBox *>(child);
        if (!hasText)
            continue;
        const QSize need = child->minimumSizeHint().expandedTo(QSize(0, 0));
        const QSize have = child->size();
        if (have.width() < need.width() || have.height() < need.height()) {
            const QString text = qobject_cast<QAbstractButton *>(child)
                ? qobject_cast<QAbstractButton *>(child)->text()
                : qobject_cast<QLabel *>(child) ? qobject_cast<QLabel *>(child)->text()
                                                : child->objectName();
            clipped << QStringLiteral("%1 \"%2\" %3x%4 < %5x%6")
                           .arg(QString::fromLatin1(child->metaObject()->className()), text)
                           .arg(have.width())
                           .arg(have.height())
                           .arg(need.width())
                           .arg(need.height());
        }
    }
    // List entries must show whole.
    for (QListWidget *list : top.findChildren<QListWidget *>()) {
        if (!list->isVisibleTo(&top))
            continue;
        const int widest = list->sizeHintForColumn(0);
        if (list->viewport()->width() < widest)
            clipped << QStringLiteral("list %1 %2 < %3")
                           .arg(list->objectName())
                           .arg(list->viewport()->width())
                           .arg(widest);
    }
    return clipped;
}

void TestPropertiesLook::everyPageFits_data()
{
    QTest::addColumn<int>("page");
    for (int i = 0; i < 10; ++i)
        QTest::newRow(qPrintable(QString::number(i))) << i;
}

void TestPropertiesLook::everyPageFits()
{
    QFETCH(int, page);
    CalendarPage calendar;
    calendar.resetToDefaultStyle(QDate(2026, 12, 7));
    // The bundled border pictures fill the border list.
    calendar.setBorderFolder(DataFolder::bundledResourcesPath());
    calendar.setWMFBorderFile(QStringLiteral("Holly"));
    TCalendarProperties dialog(calendar);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.preview().wmfBorderFile(), QStringLiteral("Holly"));
    QVERIFY2(!dialog.preview().borderPicture().isEmpty(), qPrintable(dialog.preview().borderError()));
    dialog.TabSet1->setCurrentRow(page);
    QCOMPARE(dialog.Notebook->currentIndex(), page);
    QCoreApplication::processEvents();
    const QStringList clipped = clippedControls(dialog);
    keepPicture(
        dialog, QStringLiteral("properties-%1-%2").arg(page).arg(dialog.TabSet1->currentItem()->text()));
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QStringLiteral("; "))));
}

static int hollyPixels(const QImage &image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            count += qAbs(c.red() - c.green()) > 60;
        }
    }
    return count;
}

void TestPropertiesLook::previewShowsTheBorderInPlace()
{
    // The preview sits inside the dialog: its border picture must land on
    // the preview as it does when the page is drawn alone.
    CalendarPage calendar;
    calendar.resetToDefaultStyle(QDate(2026, 12, 7));
    calendar.setBorderFolder(DataFolder::bundledResourcesPath());
    calendar.setWMFBorderFile(QStringLiteral("Holly"));
    TCalendarProperties dialog(calendar);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVERIFY(!dialog.preview().borderPicture().isEmpty());
    TCalendarPanel32 *preview = dialog.ExampleCalendar();
    const QImage alone = dialog.preview().renderImage(preview->scale());
    const QImage whole = dialog.grab().toImage();
    // Only the part the scroll area shows is compared.
    const QRect shown = preview->visibleRegion().boundingRect();
    const int expected = hollyPixels(alone.copy(shown));
    const int found = hollyPixels(whole.copy(shown.translated(preview->mapTo(&dialog, QPoint(0, 0)))));
    QVERIFY(expected > 500);
    QVERIFY2(qAbs(found - expected) < expected / 20,
        qPrintable(QStringLiteral("%1 against %2").arg(found).arg(expected)));
}

void TestPropertiesLook::smallWindowStillFits()
{
    CalendarPage calendar;
    TCalendarProperties dialog(calendar);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    // As small as the dialog lets itself be: nothing may be cut then either.
    dialog.resize(dialog.minimumSizeHint());
    QVERIFY(dialog.width() <= 1000);
    QVERIFY(dialog.height() <= 700);
    for (int page = 0; page < 10; ++page) {
        dialog.TabSet1->setCurrentRow(page);
        QCoreApplication::processEvents();
        const QStringList clipped = clippedControls(dialog);
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QStringLiteral("; "))));
    }
    keepPicture(dialog, QStringLiteral("properties-small"));

    // Once the pages have their preferred size, room given to the dialog
    // goes to the preview.
    dialog.resize(dialog.sizeHint());
    QCoreApplication::processEvents();
    const QSize before = dialog.ExampleCalendar()->parentWidget()->size();
    dialog.resize(dialog.size() + QSize(200, 150));
    QCoreApplication::processEvents();
    const QSize after = dialog.ExampleCalendar()->parentWidget()->size();
    QCOMPARE(after, before + QSize(200, 150));
}

void TestPropertiesLook::smallDialogsFit()
{
    TSetTimeDialog time;
    time.setTime(QTime(15, 45));
    time.show();
    QVERIFY(QTest::qWaitForWindowExposed(&time));
    QStringList clipped = clippedControls(time);
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QStringLiteral("; "))));
    keepPicture(time, QStringLiteral("settime"));

    TUserTitleForm title;
    title.show();
    QVERIFY(QTest::qWaitForWindowExposed(&title));
    clipped = clippedControls(title);
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QStringLiteral("; "))));
    keepPicture(title, QStringLiteral("usertitle"));
}

void TestPropertiesLook::fontDialogWithColorFits()
{
    // The font buttons of the dialog open this one.
    QFont font(QStringLiteral("Times New Roman"), 26, QFont::Bold);
    font.setFamily(QFontInfo(font).family()); // as the common dialogs hand it in
    FontColorDialog dialog(font, QColor(Qt::white));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QStringList clipped = clippedControls(dialog);
    keepPicture(dialog, QStringLiteral("fontcolor"));
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QStringLiteral("; "))));
}

QTEST_MAIN(TestPropertiesLook)
#include "tst_propertieslook.moc"
