// The properties dialog's handlers that open other dialogs or rewrite
// several controls: fonts, names and languages, the starting time.
#include "properties/calendarproperties.h"

#include "properties/settimedialog.h"
#include "surface/calendarpanel32.h"
#include "widgets/commondialogs.h"

#include "calendar/calendarpage.h"
#include "calendar/languagetables.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTextCursor>

#include <cmath>

void TCalendarProperties::chooseFont(
    const CalendarFont &(CalendarPage::*get)() const, void (CalendarPage::*set)(const CalendarFont &))
{
    CalendarFont font = (preview().*get)();
    if (CommonDialogs::chooseCalendarFont(this, font))
        (preview().*set)(font);
    m_example->update();
}

// The lines of a box as a list of lines counts them: no line for an empty
// box, none for the break that ends the text.
static QStringList boxLines(const QPlainTextEdit *box)
{
    QString text = box->toPlainText();
    text.remove(QLatin1Char('\r'));
    if (text.isEmpty())
        return {};
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text.split(QLatin1Char('\n'));
}

void TCalendarProperties::applyNames(
    QPlainTextEdit *box, int count, void (CalendarPage::*set)(int, const QString &))
{
    const QStringList lines = boxLines(box);
    // Lines past the last name are ignored; names past the last line stay.
    for (int i = 0; i < count && i < lines.size(); ++i)
        (preview().*set)(i + 1, lines.at(i));
    m_example->update();
}

void TCalendarProperties::MonthNamesExit()
{
    applyNames(MonthNames, 12, &CalendarPage::setMonthName);
}

void TCalendarProperties::DayNamesExit()
{
    applyNames(DayNames, 7, &CalendarPage::setDayName);
}

void TCalendarProperties::fillNameBoxes()
{
    QStringList months;
    for (int i = 1; i <= 12; ++i) {
        QString name;
        preview().monthName(i, name);
        months << name;
    }
    QStringList days;
    for (int i = 1; i <= 7; ++i) {
        QString name;
        preview().dayName(i, name);
        days << name;
    }
    MonthNames->setPlainText(months.join(QLatin1Char('\n')));
    DayNames->setPlainText(days.join(QLatin1Char('\n')));
}

void TCalendarProperties::applyLanguage(int language)
{
    const auto which = CalendarLanguage(language);
    DayNames->setPlainText(LanguageTables::dayNames(which).join(QLatin1Char('\n')));
    DayNamesExit();
    MonthNames->setPlainText(LanguageTables::monthNames(which).join(QLatin1Char('\n')));
    MonthNamesExit();
    if (which == CalendarLanguage::English) {
        for (QPlainTextEdit *box : { DayNames, MonthNames })
            box->moveCursor(QTextCursor::Start);
    }
}

static double dayFraction(const QTime &time)
{
    return time.msecsSinceStartOfDay() / 86400000.0;
}

void TCalendarProperties::StartingtimeButtonClick()
{
    QTime time = QLocale().toTime(TimeLabel->text(), QLocale::ShortFormat);
    if (!time.isValid()) {
        TimeLabel->setText(QLocale().toString(QTime::currentTime(), QLocale::ShortFormat));
        time = QLocale().toTime(TimeLabel->text(), QLocale::ShortFormat);
    }
    TSetTimeDialog dialog(this);
    dialog.setTime(time);
    if (dialog.exec() == QDialog::Accepted) {
        TimeLabel->setText(QLocale().toString(dialog.time(), QLocale::ShortFormat));
        preview().setStartingTime(dayFraction(dialog.time()));
    }
}
