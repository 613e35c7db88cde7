#include "recurring/editrecurringdateformula.h"

#include "recurring/recurringmessages.h"
#include "widgets/dialogbuttons.h"
#include "widgets/helpviewer.h"

#include "platform/codepage1252.h"
#include "recurring/recurringformula.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

using namespace RecurringFormula;

namespace {

QStringList monthItems()
{
    return { "Each Month", "January", "February", "March", "April", "May", "June", "July", "August",
        "September", "October", "November", "December" };
}

QFrame *separator(QWidget *parent)
{
    auto *line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

QComboBox *dropDown(const QStringList &items, const QString &hint, QWidget *parent)
{
    auto *box = new QComboBox(parent);
    box->addItems(items);
    box->setToolTip(hint);
    return box;
}

} // namespace

TEditRecurringDateFormula::TEditRecurringDateFormula(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint)
{
    setWindowTitle(QStringLiteral("Recurring Date - Formulas"));
    QFont font(QStringLiteral("Arial"), 8);
    setFont(font);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, Qt::black);
    setPalette(colours);
    buildControls();
    resize(407, 334);
    FormCreate();
    HelpViewer::addHelpKey(this, [] { HelpViewer::ShowHelpPage(QStringLiteral("recurring.html")); });
}

void TEditRecurringDateFormula::buildControls()
{
    rbDayOfMonth = new QRadioButton(QStringLiteral("Day of the &Month"), this);
    rbDayOfMonth->setToolTip(
        QStringLiteral("Check here to choose a 'Day of the Month' \nstyle Repeating Reminder"));
    DayOfMonthDay = new QSpinBox(this);
    DayOfMonthDay->setRange(1, 31);
    DayOfMonthDay->setValue(1);
    DayOfMonthDay->setToolTip(QStringLiteral("Select the day of the month (1-31)"));
    DayOfMonthMonth = dropDown(
        monthItems(), QStringLiteral("Select the month, or choose \"of Each Month\"\nfor all months"), this);
    DayOfMonthMonth->setMaxVisibleItems(14);

    rbDayOfweek = new QRadioButton(QStringLiteral("Day of the &Week"), this);
    rbDayOfweek->setToolTip(
        QStringLiteral("Check here to choose a 'Days of the Week' \nstyle Repeating Reminder"));
    const QString dayHint = QStringLiteral("Check to use this reminder on this day of \neach week");
    Monday = new QCheckBox(QStringLiteral("Mon"), this);
    Tuesday = new QCheckBox(QStringLiteral("Tues"), this);
    Wednesday = new QCheckBox(QStringLiteral("Wed"), this);
    Thursday = new QCheckBox(QStringLiteral("Thu"), this);
    Friday = new QCheckBox(QStringLiteral("Fri"), this);
    Saturday = new QCheckBox(QStringLiteral("Sat"), this);
    Sunday = new QCheckBox(QStringLiteral("Sun"), this);
    for (QCheckBox *day : { Monday, Tuesday, Wednesday, Thursday, Friday, Saturday, Sunday })
        day->setToolTip(dayHint);
    for (QCheckBox *day : { Monday, Tuesday, Wednesday, Thursday, Friday })
        day->setChecked(true);
    AllDaysCheck = new QCheckBox(QStringLiteral("All Days"), this);
    AllDaysCheck->setToolTip(QStringLiteral("Check to include all days"));

    rbSpecial = new QRadioButton(QStringLiteral("&Special"), this);
    rbSpecial->setToolTip(
        QStringLiteral("Check here to choose a 'nth Day of Month' \nstyle Repeating Reminder"));
    SpecialOccurrance = dropDown({ "1st", "2nd", "3rd", "4th", "5th", "Last" },
        QStringLiteral("Select the occurrance: First, 2nd, 3rd, 4th, 5th\nor Last"), this);
    SpecialDayOfWeek = dropDown(
        { "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Day (any day)" },
        QStringLiteral("Select the weekday (Sun-Sat), or select  \"Day\" \nfor any day."), this);
    SpecialMonth = dropDown(monthItems(), DayOfMonthMonth->toolTip(), this);
    SpecialMonth->setMaxVisibleItems(14);

    Event = new QLineEdit(this);
    Event->setFixedWidth(377);
    const DialogButtons::OkCancel buttons = DialogButtons::okCancel(
        *this, QStringLiteral("&Ok"), QStringLiteral("&Cancel"), DialogButtons::Answer::Own);
    Okbutton = buttons.ok;
    CancelButton = buttons.cancel;

    auto *dayOfMonthRow = new QHBoxLayout;
    dayOfMonthRow->addSpacing(20);
    dayOfMonthRow->addWidget(DayOfMonthDay);
    dayOfMonthRow->addWidget(new QLabel(QStringLiteral("of"), this));
    dayOfMonthRow->addWidget(DayOfMonthMonth);
    dayOfMonthRow->addStretch();

    auto *weekGrid = new QGridLayout;
    weekGrid->setColumnMinimumWidth(0, 20);
    const QList<QCheckBox *> days { Monday, Tuesday, Wednesday, Thursday, Friday, Saturday, Sunday };
    for (int i = 0; i < days.size(); ++i)
        weekGrid->addWidget(days[i], i / 4, 1 + i % 4);
    weekGrid->addWidget(AllDaysCheck, 1, 4);
    weekGrid->setColumnStretch(5, 1);

    auto *specialRow = new QHBoxLayout;
    specialRow->addSpacing(20);
    specialRow->addWidget(SpecialOccurrance);
    specialRow->addWidget(SpecialDayOfWeek);
    specialRow->addWidget(new QLabel(QStringLiteral("of"), this));
    specialRow->addWidget(SpecialMonth);
    specialRow->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(15, 10, 15, 10);
    layout->addWidget(rbDayOfMonth);
    layout->addLayout(dayOfMonthRow);
    layout->addWidget(separator(this));
    layout->addWidget(rbDayOfweek);
    layout->addLayout(weekGrid);
    layout->addWidget(separator(this));
    layout->addWidget(rbSpecial);
    layout->addLayout(specialRow);
    layout->addWidget(separator(this));
    layout->addWidget(new QLabel(QStringLiteral("Recurring event (birthday, anniversary, etc)"), this));
    layout->addWidget(Event);
    layout->addStretch();
    layout->addWidget(buttons.box);

    for (QRadioButton *radio : { rbDayOfMonth, rbDayOfweek, rbSpecial })
        connect(radio, &QRadioButton::toggled, this, &TEditRecurringDateFormula::SetRecurType);
    connect(AllDaysCheck, &QCheckBox::clicked, this, &TEditRecurringDateFormula::AllDaysCheckClick);
    connect(Okbutton, &QPushButton::clicked, this, &TEditRecurringDateFormula::OkbuttonClick);
    connect(CancelButton, &QPushButton::clicked, this, &TEditRecurringDateFormula::CancelButtonClick);
}

void TEditRecurringDateFormula::FormCreate()
{
    for (QComboBox *box : { SpecialOccurrance, SpecialDayOfWeek, SpecialMonth, DayOfMonthMonth })
        box->setCurrentIndex(0);
    rbDayOfMonth->setChecked(true);
    m_formula = QString(kDayOfMonth);
    SetRecurType();
}

QString TEditRecurringDateFormula::eventText() const
{
    return Event->text();
}

void TEditRecurringDateFormula::setEventText(const QString &text)
{
    Event->setText(text);
}

QList<QCheckBox *> TEditRecurringDateFormula::weekdayBoxes() const
{
    return { Sunday, Monday, Tuesday, Wednesday, Thursday, Friday, Saturday };
}

void TEditRecurringDateFormula::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormActivate();
}

void TEditRecurringDateFormula::FormActivate()
{
    Event->setFocus();
    SetEmUp();
}

void TEditRecurringDateFormula::SetEmUp()
{
    const QChar kind = m_formula.isEmpty() ? QLatin1Char(' ') : m_formula.at(0);
    if (kind == kSpecial) {
        int occurrence = 0, weekday = 0, month = 0;
        if (ParseSpecialFormula(m_formula, &occurrence, &weekday, &month)) {
            rbSpecial->setChecked(true);
            SpecialOccurrance->setCurrentIndex(occurrence);
            SpecialDayOfWeek->setCurrentIndex(weekday);
            SpecialMonth->setCurrentIndex(month);
        }
    } else if (kind == kDayOfMonth) {
        int month = 0, day = 0;
        if (ParseDayOfMonthFormula(m_formula, &month, &day)) {
            rbDayOfMonth->setChecked(true);
            DayOfMonthDay->setValue(day);
            DayOfMonthMonth->setCurrentIndex(month);
        }
    } else {
        rbDayOfweek->setChecked(true);
        const QList<QCheckBox *> boxes = weekdayBoxes();
        for (int day = 1; day <= 7; ++day)
            boxes[day - 1]->setChecked(m_formula.contains(QChar(u'0' + day)));
    }
    SetRecurType();
}

void TEditRecurringDateFormula::SetRecurType()
{
    const bool week = rbDayOfweek->isChecked();
    for (QCheckBox *box : weekdayBoxes())
        box->setEnabled(week);
    AllDaysCheck->setEnabled(week);
    DayOfMonthDay->setEnabled(rbDayOfMonth->isChecked());
    DayOfMonthMonth->setEnabled(rbDayOfMonth->isChecked());
    for (QComboBox *box : { SpecialOccurrance, SpecialDayOfWeek, SpecialMonth })
        box->setEnabled(rbSpecial->isChecked());
    for (QRadioButton *radio : { rbDayOfMonth, rbDayOfweek, rbSpecial }) {
        QFont font = radio->font();
        font.setBold(radio->isChecked());
        radio->setFont(font);
    }
}

void TEditRecurringDateFormula::AllDaysCheckClick()
{
    for (QCheckBox *box : weekdayBoxes())
        box->setChecked(AllDaysCheck->isChecked());
}

bool TEditRecurringDateFormula::DetermineFormulaString()
{
    if (rbDayOfMonth->isChecked()) {
        const int day = DayOfMonthDay->value();
        if (day < 1 || day > 31) {
            RecurringMessages::ShowInformation(this, QStringLiteral("Invalid day of month entered "));
            return false;
        }
        if (DayOfMonthMonth->currentIndex() < 0) {
            RecurringMessages::ShowInformation(this, QStringLiteral("Invalid month entered "));
            return false;
        }
        m_formula = BuildDayOfMonthFormula(day, DayOfMonthMonth->currentIndex());
        return true;
    }
    if (rbSpecial->isChecked()) {
        if (SpecialOccurrance->currentIndex() < 0 || SpecialDayOfWeek->currentIndex() < 0
            || SpecialMonth->currentIndex() < 0) {
            RecurringMessages::ShowInformation(
                this, QStringLiteral("Invalid value entered for Special category"));
            return false;
        }
        m_formula = BuildSpecialFormula(SpecialOccurrance->currentIndex(), SpecialDayOfWeek->currentIndex(),
            SpecialMonth->currentIndex());
        return true;
    }
    QString digits;
    const QList<QCheckBox *> boxes = weekdayBoxes();
    for (int day = 1; day <= 7; ++day) {
        if (boxes[day - 1]->isChecked())
            digits += QChar(u'0' + day);
    }
    if (digits.isEmpty()) {
        RecurringMessages::ShowInformation(
            this, QStringLiteral("You must select at least one day for this \rreminder to occur on"));
        return false;
    }
    m_formula = QString(kDaysOfWeek) + digits;
    return true;
}

void TEditRecurringDateFormula::OkbuttonClick()
{
    // The list file holds Windows-1252 text; anything else would turn into "?" on saving.
    if (!CodePage1252::canEncode(Event->text())) {
        RecurringMessages::ShowInformation(this,
            QStringLiteral("The event text contains characters that cannot be "
                           "saved in the list of recurring dates"));
        return;
    }
    if (DetermineFormulaString())
        accept();
}

void TEditRecurringDateFormula::CancelButtonClick()
{
    reject();
}
