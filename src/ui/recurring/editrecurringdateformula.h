#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

// One recurring date: the event text and a formula of one of three kinds,
// a day of the month, days of the week, or the n-th weekday of a month.
// Callers set the event text, the formula and the caption, and after OK
// read the event text and the formula back.
class TEditRecurringDateFormula : public QDialog
{
    Q_OBJECT

public:
    explicit TEditRecurringDateFormula(QWidget *parent = nullptr);

    [[nodiscard]] QString formula() const { return m_formula; }
    void setFormula(const QString &formula) { m_formula = formula; }
    [[nodiscard]] QString eventText() const;
    void setEventText(const QString &text);

    QRadioButton *rbDayOfMonth;
    QSpinBox *DayOfMonthDay;
    QComboBox *DayOfMonthMonth;
    QRadioButton *rbDayOfweek;
    QCheckBox *Monday;
    QCheckBox *Tuesday;
    QCheckBox *Wednesday;
    QCheckBox *Thursday;
    QCheckBox *Friday;
    QCheckBox *Saturday;
    QCheckBox *Sunday;
    QCheckBox *AllDaysCheck;
    QRadioButton *rbSpecial;
    QComboBox *SpecialOccurrance;
    QComboBox *SpecialDayOfWeek;
    QComboBox *SpecialMonth;
    QLineEdit *Event;
    QPushButton *Okbutton;
    QPushButton *CancelButton;

public slots:
    void FormActivate();
    void OkbuttonClick();
    void CancelButtonClick();
    void AllDaysCheckClick();
    void SetRecurType();
    // Sets the controls from the formula.
    void SetEmUp();
    // Builds the formula from the controls; false, with a message, when they
    // do not make one.
    bool DetermineFormulaString();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildControls();
    void FormCreate();
    // Sunday first, as the formula's digits count.
    [[nodiscard]] QList<QCheckBox *> weekdayBoxes() const;

    QString m_formula;
};
