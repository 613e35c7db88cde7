// The two check-row dialogs: choosing the dates to fill a month with, and
// choosing holidays to add to the list.
#include <QListWidget>
#include <QPainter>
#include <QPushButton>

#include "dialoghelpers.h"
#include "recurring/getholidays.h"
#include "recurring/holidaytable.h"
#include "recurring/recurringformula.h"
#include "recurring/recurringrowdelegate.h"
#include "recurring/selectrecurringdates.h"

using RecurringFormula::BuildEntry;
using RecurringFormula::PadRight;

namespace {

QStringList sampleEntries()
{
    return { BuildEntry(QStringLiteral("Zoo day"), QStringLiteral("@0704")),
        BuildEntry(QStringLiteral("Armed Forces Day"), QStringLiteral("$2 6 5")),
        BuildEntry(QStringLiteral("Gym"), QStringLiteral("%246")),
        PadRight(QStringLiteral("Easter"), 120) + QStringLiteral("#EASTER") };
}

// Darkest pixel of a row's check area (its first 16 pixels).
int darkestInCheckArea(const QImage &image, const QRect &row)
{
    int darkest = 255;
    for (int y = row.top(); y <= row.bottom(); ++y) {
        for (int x = row.left(); x < row.left() + 16; ++x)
            darkest = qMin(darkest, qGray(image.pixel(x, y)));
    }
    return darkest;
}

} // namespace

class TestRecurringCheckLists : public QObject
{
    Q_OBJECT

private slots:
    void selectionDialogOffersEntriesInListOrderAllChosen()
    {
        TSelectRecurringDates dialog(sampleEntries());
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Select Recurring Dates To Use"));
        QCOMPARE(dialog.Dates()->count(), 4);
        QCOMPARE(dialog.Dates()->item(0)->data(Qt::UserRole).toString(), sampleEntries()[0]);
        QCOMPARE(dialog.Dates()->item(1)->text(), QStringLiteral("Armed Forces Day (3rd Sat of May)"));
        QVERIFY(dialog.selectedEntries().isEmpty());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.selectedEntries(), sampleEntries());
        QCOMPARE(dialog.Dates()->visualItemRect(dialog.Dates()->item(0)).height(), 16);
        QCOMPARE(dialog.Dates()->font().family(), QStringLiteral("Arial"));
        QCOMPARE(dialog.Dates()->font().pointSize(), 9);
        QCOMPARE(dialog.okButton()->text(), QStringLiteral("&Ok"));
        QVERIFY(dialog.okButton()->isDefault());
        screenshot(&dialog, QStringLiteral("selectrecurringdates"));
    }

    void clicksToggleSingleRows()
    {
        TSelectRecurringDates dialog(sampleEntries());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        clickRow(dialog.Dates(), 1);
        QStringList expected = sampleEntries();
        expected.removeAt(1);
        QCOMPARE(dialog.selectedEntries(), expected);
        clickRow(dialog.Dates(), 1);
        QCOMPARE(dialog.selectedEntries(), sampleEntries());
    }

    void okWithNothingChosenBeepsAndStaysOpen()
    {
        MessageRecorder messages;
        TSelectRecurringDates dialog(sampleEntries());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::mouseClick(dialog.noneButton(), Qt::LeftButton);
        QVERIFY(dialog.selectedEntries().isEmpty());
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        QCOMPARE(messages.beeps, 1);
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QTest::mouseClick(dialog.allButton(), Qt::LeftButton);
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        QCOMPARE(messages.beeps, 1);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void cancelEndsWithCancel()
    {
        TSelectRecurringDates dialog(sampleEntries());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }

    void rowsShowChecksAndTheFocusedRowInverted()
    {
        TSelectRecurringDates dialog(sampleEntries());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QApplication::setActiveWindow(&dialog);
        dialog.Dates()->setFocus();
        dialog.Dates()->setCurrentRow(2, QItemSelectionModel::NoUpdate);
        clickRow(dialog.Dates(), 3); // row 3 unchecked and focused
        QVERIFY(!dialog.Dates()->item(3)->isSelected());
        QTRY_VERIFY(dialog.Dates()->hasFocus());
        const QImage image = dialog.Dates()->viewport()->grab().toImage();
        const QRect checked = dialog.Dates()->visualItemRect(dialog.Dates()->item(0));
        const QRect focused = dialog.Dates()->visualItemRect(dialog.Dates()->item(3));
        // A checked row: white ground, a dark tick in its first 16 pixels.
        QCOMPARE(qGray(image.pixel(checked.right() - 2, checked.center().y())), 255);
        QVERIFY(darkestInCheckArea(image, checked) < 80);
        // The focused row is black; it is unchecked, so no tick: all black there.
        QCOMPARE(qGray(image.pixel(focused.right() - 2, focused.center().y())), 0);
        // Its text is drawn in white after the check area.
        int brightest = 0;
        for (int x = focused.left() + 21; x < focused.left() + 80; ++x)
            brightest = qMax(brightest, qGray(image.pixel(x, focused.center().y())));
        QVERIFY(brightest > 180);
        QCOMPARE(darkestInCheckArea(image, focused), 0);
        // ... but its empty box shows, in white, before anything is checked.
        QCOMPARE(qGray(image.pixel(focused.left() + 1, focused.top() + 8)), 255);
        QCOMPARE(qGray(image.pixel(focused.left() + 6, focused.top() + 11)), 0);
        screenshot(dialog.Dates()->viewport(), QStringLiteral("selectrecurringdates-rows"));
    }

    void checkPictures()
    {
        RecurringRowDelegate rows(RecurringRowDelegate::Style::Checks);
        QCOMPARE(rows.checkBmp().size(), QSize(16, 16));
        QCOMPARE(rows.revCheckBmp().size(), QSize(16, 16));
        const QImage check = rows.checkBmp().toImage();
        const QImage reverse = rows.revCheckBmp().toImage();
        QCOMPARE(qAlpha(check.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(check.pixel(6, 11)), 255);
        QCOMPARE(qGray(check.pixel(6, 11)), 0);
        QCOMPARE(qGray(reverse.pixel(6, 11)), 255);

        // An unchecked row that has no focus shows an empty box.
        QListWidget list;
        auto *item = new QListWidgetItem(QStringLiteral("Dentist"), &list);
        item->setData(Qt::UserRole, QStringLiteral("Dentist"));
        QStyleOptionViewItem option;
        option.initFrom(&list);
        option.rect = QRect(0, 0, 200, RecurringRowDelegate::kRowHeight);
        option.state &= ~(QStyle::State_Selected | QStyle::State_HasFocus);
        QImage row(200, RecurringRowDelegate::kRowHeight, QImage::Format_RGB32);
        row.fill(Qt::white);
        QPainter painter(&row);
        rows.paint(&painter, option, list.model()->index(0, 0));
        painter.end();
        QCOMPARE(qGray(row.pixel(1, 8)), 0); // the box's left edge
        QCOMPARE(qGray(row.pixel(6, 11)), 255); // no tick inside
    }

    void holidaysAreTheTableSortedNoneChosen()
    {
        MessageRecorder messages;
        TGetHolidays dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Holidays"));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.Holidays()->count(), 26);
        QVERIFY(dialog.selectedEntries().isEmpty());
        QStringList shown;
        for (int row = 0; row < dialog.Holidays()->count(); ++row)
            shown << dialog.Holidays()->item(row)->data(Qt::UserRole).toString();
        QStringList names;
        for (const QString &entry : shown)
            names << entry.left(120).trimmed();
        QCOMPARE(names.first(), QStringLiteral("April Fools's Day"));
        QCOMPARE(names.at(5), QStringLiteral("Easter"));
        QCOMPARE(names.last(), QStringLiteral("Washington's Birthday"));
        QStringList table = HolidayTable::entries();
        std::sort(table.begin(), table.end(),
            [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
        QCOMPARE(shown, table);
        QCOMPARE(dialog.Holidays()->item(5)->text(), PadRight(QStringLiteral("Easter"), 120).trimmed());
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        QCOMPARE(messages.beeps, 1);
        QVERIFY(dialog.isVisible());
        clickRow(dialog.Holidays(), 5);
        clickRow(dialog.Holidays(), 0);
        screenshot(&dialog, QStringLiteral("getholidays"));
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.selectedEntries(), (QStringList { shown[0], shown[5] }));
    }

    void holidayEntriesExactlyAsListed()
    {
        const QStringList table = HolidayTable::entries();
        QVERIFY(
            table.contains(PadRight(QStringLiteral("Armed Forces Day"), 120) + QStringLiteral("$2 6 5    ")));
        QVERIFY(
            table.contains(PadRight(QStringLiteral("Thanksgiving Day"), 120) + QStringLiteral("$3 4 11   ")));
        QVERIFY(table.contains(
            PadRight(QStringLiteral("April Fools's Day"), 120) + QStringLiteral("@0401     ")));
        QVERIFY(table.contains(PadRight(QStringLiteral("Good Friday"), 120) + QStringLiteral("#GOODFRIDAY")));
        QVERIFY(table.contains(PadRight(QStringLiteral("Palm Sunday"), 120) + QStringLiteral("#PALMSUNDAY")));
        QVERIFY(table.contains(
            PadRight(QStringLiteral("Daylight Savings time begins"), 120) + QStringLiteral("$1 0 3    ")));
        QVERIFY(table.contains(
            PadRight(QStringLiteral("Daylight Savings Time ends"), 120) + QStringLiteral("$0 0 11   ")));
    }
};

QTEST_MAIN(TestRecurringCheckLists)
#include "tst_recurringchecklists.moc"
