// The list dialog over a real list file: loading, the commands, and what OK
// and Cancel leave on disk.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>

#include "dialoghelpers.h"
#include "recurring/editrecurringdateformula.h"
#include "recurring/editrecurringdates.h"
#include "recurring/getholidays.h"
#include "recurring/recurringformula.h"
#include "recurring/recurringlistfile.h"
#include "testfiles.h"

using RecurringFormula::BuildEntry;
using RecurringFormula::PadRight;

namespace {

const QString kZoo = BuildEntry(QStringLiteral("Zoo day"), QStringLiteral("%135"));
const QString kArmed = BuildEntry(QStringLiteral("Armed Forces Day"), QStringLiteral("$2 6 5"));
const QString kConverted = PadRight(QStringLiteral("Independence Day"), 120) + QStringLiteral("@0704      ");
const QString kEaster = PadRight(QStringLiteral("Easter"), 120) + QStringLiteral("#EASTER");

QStringList onDisk(const QTemporaryDir &dir)
{
    return RecurringListFile::splitLines(readFile(dir.filePath(QStringLiteral("DWRECUR.DAX"))));
}

void writeList(const QTemporaryDir &dir, const QStringList &entries)
{
    writeFile(dir.filePath(QStringLiteral("DWRECUR.DAX")), RecurringListFile::joinLines(entries));
}

int rowOf(const TEditRecurringDates &dialog, const QString &entry)
{
    return int(dialog.entries().indexOf(entry));
}

} // namespace

class TestEditRecurringDates : public QObject
{
    Q_OBJECT

private slots:
    void loadsSortedAndSelectsTheFirst()
    {
        QTemporaryDir dir;
        const QString bare = PadRight(QStringLiteral("Bare line"), 120);
        writeList(dir, { kZoo, kArmed, bare, kConverted });
        TEditRecurringDates dialog(dir.path());
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Recurring Dates"));
        QCOMPARE(dialog.entries(), (QStringList { kArmed, bare, kConverted, kZoo }));
        QCOMPARE(dialog.DatesList->item(0)->text(), QStringLiteral("Armed Forces Day (3rd Sat of May)"));
        QCOMPARE(dialog.DatesList->item(1)->text(), QStringLiteral("Bare line"));
        QCOMPARE(dialog.DatesList->item(2)->text(), QStringLiteral("Independence Day (4th of July)"));
        QCOMPARE(dialog.DatesList->item(3)->text(), QStringLiteral("Zoo day (Sun,Tue,Thu)"));
        QCOMPARE(dialog.selectedEntry(), kArmed);
        QStringList captions;
        for (QPushButton *button : { dialog.okbutton, dialog.Editbutton, dialog.Newbutton,
                 dialog.DeleteButton, dialog.Holidaysbutton, dialog.CancelButton })
            captions << button->text();
        QCOMPARE(captions, (QStringList { "Ok", "Edit", "New", "Delete", "Holidays", "Cancel" }));
        dialog.show(); // activation sets the buttons
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(dialog.Editbutton->isEnabled());
        QVERIFY(dialog.DeleteButton->isEnabled());
        QVERIFY(dialog.okbutton->x() < dialog.CancelButton->x());
        QCOMPARE(dialog.DatesList->visualItemRect(dialog.DatesList->item(0)).height(), 16);
        screenshot(&dialog, QStringLiteral("editrecurringdates"));
    }

    void missingListStartsEmpty()
    {
        QTemporaryDir dir;
        TEditRecurringDates dialog(dir.path());
        QVERIFY(dialog.entries().isEmpty());
        QVERIFY(!dialog.Editbutton->isEnabled());
        QVERIFY(!dialog.DeleteButton->isEnabled());
        QVERIFY(dialog.Newbutton->isEnabled());
        dialog.CancelButtonClick();
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("DWRECUR.DAX"))));
        dialog.okbuttonClick();
        QVERIFY(QFile::exists(dir.filePath(QStringLiteral("DWRECUR.DAX"))));
        QVERIFY(onDisk(dir).isEmpty());
    }

    void okWritesTheListInOrderCancelWritesNothing()
    {
        QTemporaryDir dir;
        writeList(dir, { kZoo, kArmed });
        const QByteArray before = readFile(dir.filePath(QStringLiteral("DWRECUR.DAX")));
        {
            TEditRecurringDates dialog(dir.path());
            dialog.DeleteButtonClick();
            dialog.CancelButtonClick();
            QCOMPARE(dialog.result(), int(QDialog::Rejected));
        }
        QCOMPARE(readFile(dir.filePath(QStringLiteral("DWRECUR.DAX"))), before);
        TEditRecurringDates dialog(dir.path());
        dialog.okbuttonClick();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(readFile(dir.filePath(QStringLiteral("DWRECUR.DAX"))),
            kArmed.toLatin1() + "\r\n" + kZoo.toLatin1() + "\r\n");
    }

    void newEntryGoesToItsSortedPlace()
    {
        QTemporaryDir dir;
        writeList(dir, { kZoo, kArmed });
        TEditRecurringDates dialog(dir.path());
        answerNextDialog<TEditRecurringDateFormula>([](TEditRecurringDateFormula &formula) {
            QCOMPARE(formula.windowTitle(), QStringLiteral("Add Recurring Date"));
            QCOMPARE(formula.eventText(), QStringLiteral("[Enter event]"));
            QVERIFY(formula.rbDayOfMonth->isChecked());
            QCOMPARE(formula.DayOfMonthDay->value(), 1);
            formula.Event->setText(QStringLiteral("Mum's birthday"));
            formula.DayOfMonthDay->setValue(9);
            formula.DayOfMonthMonth->setCurrentIndex(5);
            QTest::mouseClick(formula.Okbutton, Qt::LeftButton);
        });
        dialog.NewbuttonClick();
        const QString added = BuildEntry(QStringLiteral("Mum's birthday"), QStringLiteral("@0509"));
        QCOMPARE(dialog.entries(), (QStringList { kArmed, added, kZoo }));
        QCOMPARE(dialog.selectedEntry(), added);
        QCOMPARE(added.size(), 130);
    }

    void cancelledNewAddsNothing()
    {
        QTemporaryDir dir;
        TEditRecurringDates dialog(dir.path());
        answerNextDialog<TEditRecurringDateFormula>([](TEditRecurringDateFormula &formula) {
            QTest::mouseClick(formula.CancelButton, Qt::LeftButton);
        });
        dialog.NewbuttonClick();
        QVERIFY(dialog.entries().isEmpty());
        QVERIFY(!dialog.Editbutton->isEnabled());
    }

    void editingAWeekdaySetOpensWithItsDays()
    {
        QTemporaryDir dir;
        writeList(dir, { kZoo, kArmed });
        TEditRecurringDates dialog(dir.path());
        dialog.DatesList->setCurrentRow(rowOf(dialog, kZoo));
        bool seen = false;
        answerNextDialog<TEditRecurringDateFormula>([&seen](TEditRecurringDateFormula &formula) {
            seen = true;
            QCOMPARE(formula.windowTitle(), QStringLiteral("Edit Recurring Date Formula"));
            QCOMPARE(formula.eventText(), PadRight(QStringLiteral("Zoo day"), 120));
            QCOMPARE(formula.formula(), QStringLiteral("%135      "));
            QVERIFY(formula.rbDayOfweek->isChecked());
            QVERIFY(formula.rbDayOfweek->font().bold());
            QVERIFY(
                formula.Sunday->isChecked() && formula.Tuesday->isChecked() && formula.Thursday->isChecked());
            QVERIFY(!formula.Monday->isChecked() && !formula.Wednesday->isChecked()
                && !formula.Friday->isChecked() && !formula.Saturday->isChecked());
            formula.Saturday->setChecked(true);
            QTest::mouseClick(formula.Okbutton, Qt::LeftButton);
        });
        dialog.EditbuttonClick();
        QVERIFY(seen);
        const QString edited = BuildEntry(QStringLiteral("Zoo day"), QStringLiteral("%1357"));
        QCOMPARE(dialog.entries(), (QStringList { kArmed, edited }));
        QCOMPARE(dialog.selectedEntry(), edited);
    }

    void editedConvertedLineIsWrittenBackAs130Characters()
    {
        QTemporaryDir dir;
        writeList(dir, { kConverted });
        TEditRecurringDates dialog(dir.path());
        QCOMPARE(dialog.selectedEntry().size(), 131);
        answerNextDialog<TEditRecurringDateFormula>([](TEditRecurringDateFormula &formula) {
            QVERIFY(formula.rbDayOfMonth->isChecked());
            QCOMPARE(formula.DayOfMonthDay->value(), 4);
            QCOMPARE(formula.DayOfMonthMonth->currentIndex(), 7);
            QTest::mouseClick(formula.Okbutton, Qt::LeftButton);
        });
        dialog.EditbuttonClick();
        dialog.okbuttonClick();
        const QStringList lines = onDisk(dir);
        QCOMPARE(lines.size(), 1);
        QCOMPARE(lines[0].size(), 130);
        QCOMPARE(lines[0], BuildEntry(QStringLiteral("Independence Day"), QStringLiteral("@0704")));
    }

    void untouchedConvertedLineKeepsItsLength()
    {
        QTemporaryDir dir;
        writeList(dir, { kConverted, kArmed });
        TEditRecurringDates dialog(dir.path());
        dialog.okbuttonClick();
        QCOMPARE(onDisk(dir), (QStringList { kArmed, kConverted }));
    }

    void easterFeastsCannotBeEdited()
    {
        MessageRecorder messages;
        QTemporaryDir dir;
        writeList(dir, { kEaster });
        TEditRecurringDates dialog(dir.path());
        dialog.EditbuttonClick();
        QCOMPARE(messages.information, QStringList { QStringLiteral("This entry cannot be edited") });
        QCOMPARE(dialog.entries(), QStringList { kEaster });
    }

    void editWithoutSelectionBeeps()
    {
        MessageRecorder messages;
        QTemporaryDir dir;
        TEditRecurringDates dialog(dir.path());
        dialog.EditbuttonClick();
        dialog.DoEditRecurringFormula();
        QCOMPARE(messages.beeps, 2);
    }

    void lineWithoutFormulaIsListedButNotEdited()
    {
        MessageRecorder messages;
        QTemporaryDir dir;
        const QString bare = PadRight(QStringLiteral("Only a note"), 120);
        writeList(dir, { bare });
        TEditRecurringDates dialog(dir.path());
        QCOMPARE(dialog.DatesList->count(), 1);
        dialog.EditbuttonClick(); // nothing to edit, nothing said
        QVERIFY(messages.information.isEmpty());
        QCOMPARE(messages.beeps, 0);
    }

    void deletingTheLastEntryDisablesEditAndDelete()
    {
        QTemporaryDir dir;
        writeList(dir, { kZoo, kArmed });
        TEditRecurringDates dialog(dir.path());
        dialog.DatesList->setCurrentRow(1);
        dialog.DeleteButtonClick();
        QCOMPARE(dialog.entries(), QStringList { kArmed });
        QCOMPARE(dialog.selectedEntry(), kArmed);
        dialog.DeleteButtonClick();
        QVERIFY(dialog.entries().isEmpty());
        QCOMPARE(dialog.DatesList->count(), 0);
        QVERIFY(!dialog.Editbutton->isEnabled());
        QVERIFY(!dialog.DeleteButton->isEnabled());
        dialog.okbuttonClick();
        QCOMPARE(readFile(dir.filePath(QStringLiteral("DWRECUR.DAX"))), QByteArray());
    }

    void easterFromTheHolidaysTwiceIsKeptOnce()
    {
        QTemporaryDir dir;
        TEditRecurringDates dialog(dir.path());
        auto chooseEaster = [](TGetHolidays &holidays) {
            for (int row = 0; row < holidays.Holidays()->count(); ++row) {
                const QString name
                    = holidays.Holidays()->item(row)->data(Qt::UserRole).toString().left(120).trimmed();
                if (name == QLatin1String("Easter") || name == QLatin1String("Labor Day"))
                    clickRow(holidays.Holidays(), row);
            }
            QTest::mouseClick(holidays.okButton(), Qt::LeftButton);
        };
        answerNextDialog<TGetHolidays>(chooseEaster);
        dialog.HolidaysbuttonClick();
        QCOMPARE(dialog.entries().size(), 2);
        QCOMPARE(dialog.selectedEntry(), dialog.entries().first());
        QVERIFY(dialog.Editbutton->isEnabled());
        answerNextDialog<TGetHolidays>(chooseEaster);
        dialog.HolidaysbuttonClick();
        QCOMPARE(dialog.entries(),
            (QStringList { kEaster, BuildEntry(QStringLiteral("Labor Day"), QStringLiteral("$0 1 9")) }));
    }

    void holidaysCompareIgnoringLetterCase()
    {
        QTemporaryDir dir;
        writeList(dir, { kEaster.toUpper() });
        TEditRecurringDates dialog(dir.path());
        answerNextDialog<TGetHolidays>([](TGetHolidays &holidays) {
            QTest::mouseClick(holidays.allButton(), Qt::LeftButton);
            QTest::mouseClick(holidays.okButton(), Qt::LeftButton);
        });
        dialog.HolidaysbuttonClick();
        QCOMPARE(dialog.entries().size(), 26);
        QVERIFY(dialog.entries().contains(kEaster.toUpper()));
        QVERIFY(!dialog.entries().contains(kEaster));
    }

    void unreadableListIsReportedAndNeverOverwritten()
    {
        MessageRecorder messages;
        QTemporaryDir dir;
        QDir().mkpath(dir.filePath(QStringLiteral("DWRECUR.DAX/keep")));
        TEditRecurringDates dialog(dir.path());
        QCOMPARE(messages.errors.size(), 1);
        QVERIFY(messages.errors[0].contains(QStringLiteral("DWRECUR.DAX")));
        QVERIFY(!dialog.okbutton->isEnabled());
        dialog.okbuttonClick();
        QVERIFY(QFileInfo(dir.filePath(QStringLiteral("DWRECUR.DAX/keep"))).isDir());
    }
};

QTEST_MAIN(TestEditRecurringDates)
#include "tst_editrecurringdates.moc"
