// The formula dialog: its starting state, filling the controls from a
// formula, and building one from them with the messages for what is missing.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "dialoghelpers.h"
#include "recurring/editrecurringdateformula.h"

namespace {

QList<QCheckBox *> days(const TEditRecurringDateFormula &d)
{
    return { d.Sunday, d.Monday, d.Tuesday, d.Wednesday, d.Thursday, d.Friday, d.Saturday };
}

QString checkedDays(const TEditRecurringDateFormula &d)
{
    QString digits;
    for (int i = 0; i < 7; ++i) {
        if (days(d)[i]->isChecked())
            digits += QChar(u'1' + i);
    }
    return digits;
}

} // namespace

class TestEditRecurringDateFormula : public QObject
{
    Q_OBJECT

private slots:
    void startsAsADayOfTheMonth()
    {
        TEditRecurringDateFormula dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Recurring Date - Formulas"));
        QCOMPARE(dialog.formula(), QStringLiteral("@"));
        QVERIFY(dialog.rbDayOfMonth->isChecked());
        QCOMPARE(dialog.DayOfMonthDay->value(), 1);
        QCOMPARE(dialog.DayOfMonthDay->minimum(), 1);
        QCOMPARE(dialog.DayOfMonthDay->maximum(), 31);
        QCOMPARE(dialog.DayOfMonthMonth->count(), 13);
        QCOMPARE(dialog.DayOfMonthMonth->itemText(0), QStringLiteral("Each Month"));
        QCOMPARE(dialog.DayOfMonthMonth->itemText(12), QStringLiteral("December"));
        QCOMPARE(dialog.SpecialDayOfWeek->itemText(7), QStringLiteral("Day (any day)"));
        QCOMPARE(dialog.SpecialOccurrance->itemText(5), QStringLiteral("Last"));
        QCOMPARE(checkedDays(dialog), QStringLiteral("23456")); // Monday to Friday
        QCOMPARE(dialog.Tuesday->text(), QStringLiteral("Tues"));
        for (QComboBox *box : { dialog.SpecialOccurrance, dialog.SpecialDayOfWeek, dialog.SpecialMonth })
            QCOMPARE(box->currentIndex(), 0);
        // Only the checked group's controls can be used; its caption is bold.
        QVERIFY(dialog.DayOfMonthDay->isEnabled());
        QVERIFY(!dialog.Monday->isEnabled());
        QVERIFY(!dialog.AllDaysCheck->isEnabled());
        QVERIFY(!dialog.SpecialMonth->isEnabled());
        QVERIFY(dialog.rbDayOfMonth->font().bold());
        QVERIFY(!dialog.rbDayOfweek->font().bold());
        QVERIFY(!dialog.rbSpecial->font().bold());
    }

    void hints()
    {
        TEditRecurringDateFormula dialog;
        QCOMPARE(dialog.DayOfMonthDay->toolTip(), QStringLiteral("Select the day of the month (1-31)"));
        QCOMPARE(dialog.DayOfMonthMonth->toolTip(),
            QStringLiteral("Select the month, or choose \"of Each Month\"\nfor all months"));
        QCOMPARE(dialog.SpecialDayOfWeek->toolTip(),
            QStringLiteral("Select the weekday (Sun-Sat), or select  \"Day\" \nfor any day."));
        QCOMPARE(dialog.AllDaysCheck->toolTip(), QStringLiteral("Check to include all days"));
        QCOMPARE(dialog.Friday->toolTip(),
            QStringLiteral("Check to use this reminder on this day of \neach week"));
    }

    void setEmUp_data()
    {
        QTest::addColumn<QString>("formula");
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("state");
        QTest::newRow("weekday set") << "%135      "
                                     << "week"
                                     << "135";
        QTest::newRow("weekday set, all") << "%7654321"
                                          << "week"
                                          << "1234567";
        QTest::newRow("empty formula") << ""
                                       << "week"
                                       << "";
        QTest::newRow("day of month") << "@1225     "
                                      << "month"
                                      << "25/12";
        QTest::newRow("each month") << "@0015"
                                    << "month"
                                    << "15/0";
        QTest::newRow("converted line") << "@0704     "
                                        << "month"
                                        << "4/7";
        QTest::newRow("new entry") << "@"
                                   << "month"
                                   << "1/0";
        QTest::newRow("special") << "$3 4 11   "
                                 << "special"
                                 << "3/4/11";
        QTest::newRow("last any day") << "$5 7 0    "
                                      << "special"
                                      << "5/7/0";
        QTest::newRow("unreadable special") << "$x 4 11"
                                            << "month"
                                            << "1/0";
    }
    void setEmUp()
    {
        QFETCH(QString, formula);
        QFETCH(QString, group);
        QFETCH(QString, state);
        TEditRecurringDateFormula dialog;
        dialog.setFormula(formula);
        dialog.show(); // activation fills the controls
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.rbDayOfweek->isChecked(), group == QLatin1String("week"));
        QCOMPARE(dialog.rbDayOfMonth->isChecked(), group == QLatin1String("month"));
        QCOMPARE(dialog.rbSpecial->isChecked(), group == QLatin1String("special"));
        QCOMPARE(dialog.rbDayOfweek->font().bold(), group == QLatin1String("week"));
        QCOMPARE(dialog.Sunday->isEnabled(), group == QLatin1String("week"));
        QCOMPARE(dialog.SpecialOccurrance->isEnabled(), group == QLatin1String("special"));
        if (group == QLatin1String("week"))
            QCOMPARE(checkedDays(dialog), state);
        else if (group == QLatin1String("month"))
            QCOMPARE(QStringLiteral("%1/%2")
                         .arg(dialog.DayOfMonthDay->value())
                         .arg(dialog.DayOfMonthMonth->currentIndex()),
                state);
        else
            QCOMPARE(QStringLiteral("%1/%2/%3")
                         .arg(dialog.SpecialOccurrance->currentIndex())
                         .arg(dialog.SpecialDayOfWeek->currentIndex())
                         .arg(dialog.SpecialMonth->currentIndex()),
                state);
        QVERIFY(dialog.Event->hasFocus() || !QApplication::focusWidget());
    }

    void buildsEachKind()
    {
        MessageRecorder messages;
        TEditRecurringDateFormula dialog;
        dialog.DayOfMonthDay->setValue(29);
        dialog.DayOfMonthMonth->setCurrentIndex(2);
        QVERIFY(dialog.DetermineFormulaString());
        QCOMPARE(dialog.formula(), QStringLiteral("@0229"));

        QTest::mouseClick(dialog.rbSpecial, Qt::LeftButton);
        QVERIFY(dialog.rbSpecial->isChecked());
        QVERIFY(dialog.rbSpecial->font().bold());
        QVERIFY(!dialog.rbDayOfMonth->font().bold());
        dialog.SpecialOccurrance->setCurrentIndex(5);
        dialog.SpecialDayOfWeek->setCurrentIndex(1);
        dialog.SpecialMonth->setCurrentIndex(5);
        QVERIFY(dialog.DetermineFormulaString());
        QCOMPARE(dialog.formula(), QStringLiteral("$5 1 5 "));

        dialog.rbDayOfweek->setChecked(true);
        dialog.AllDaysCheck->click();
        QCOMPARE(checkedDays(dialog), QStringLiteral("1234567"));
        QVERIFY(dialog.DetermineFormulaString());
        QCOMPARE(dialog.formula(), QStringLiteral("%1234567"));
        dialog.AllDaysCheck->click();
        QCOMPARE(checkedDays(dialog), QString());
        dialog.Saturday->setChecked(true);
        dialog.Sunday->setChecked(true);
        QVERIFY(dialog.DetermineFormulaString());
        QCOMPARE(dialog.formula(), QStringLiteral("%17"));
        QVERIFY(messages.information.isEmpty());
    }

    void okWithoutADayShowsTheMessageAndStaysOpen()
    {
        MessageRecorder messages;
        TEditRecurringDateFormula dialog;
        dialog.setFormula(QStringLiteral("%135"));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        for (QCheckBox *box : days(dialog))
            box->setChecked(false);
        QTest::mouseClick(dialog.Okbutton, Qt::LeftButton);
        QCOMPARE(messages.information,
            QStringList {
                QStringLiteral("You must select at least one day for this \rreminder to occur on") });
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.formula(), QStringLiteral("%135"));
        screenshot(&dialog, QStringLiteral("editrecurringdateformula"));
        dialog.Thursday->setChecked(true);
        QTest::mouseClick(dialog.Okbutton, Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.formula(), QStringLiteral("%5"));
    }

    void specialOutOfItsListsIsRefused()
    {
        MessageRecorder messages;
        TEditRecurringDateFormula dialog;
        dialog.setFormula(QStringLiteral("$9 1 5"));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(dialog.rbSpecial->isChecked());
        QCOMPARE(dialog.SpecialOccurrance->currentIndex(), -1);
        QVERIFY(!dialog.DetermineFormulaString());
        QCOMPARE(messages.information,
            QStringList { QStringLiteral("Invalid value entered for Special category") });
        QCOMPARE(dialog.formula(), QStringLiteral("$9 1 5"));

        dialog.setFormula(QStringLiteral("@1501"));
        dialog.SetEmUp();
        QVERIFY(dialog.rbDayOfMonth->isChecked());
        QVERIFY(!dialog.DetermineFormulaString());
        QCOMPARE(messages.information.last(), QStringLiteral("Invalid month entered "));
    }

    void eventTextMustFitTheListFile()
    {
        MessageRecorder messages;
        TEditRecurringDateFormula dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.Event->setText(QStringLiteral(u"Tanabata \u4E03\u5915"));
        QTest::mouseClick(dialog.Okbutton, Qt::LeftButton);
        QCOMPARE(messages.information.size(), 1);
        QVERIFY(dialog.isVisible());
        dialog.Event->setText(QStringLiteral(u"F\u00eate \u20ac"));
        QTest::mouseClick(dialog.Okbutton, Qt::LeftButton);
        QCOMPARE(messages.information.size(), 1);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void cancelKeepsTheFormula()
    {
        TEditRecurringDateFormula dialog;
        dialog.setFormula(QStringLiteral("@0704"));
        dialog.setEventText(QStringLiteral("Parade"));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.DayOfMonthDay->setValue(9);
        QTest::mouseClick(dialog.CancelButton, Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(dialog.formula(), QStringLiteral("@0704"));
        QCOMPARE(dialog.eventText(), QStringLiteral("Parade"));
    }
};

QTEST_MAIN(TestEditRecurringDateFormula)
#include "tst_editrecurringdateformula.moc"
