#include "recurring/selectrecurringdates.h"

#include <QListWidget>

TSelectRecurringDates::TSelectRecurringDates(const QStringList &entries, QWidget *parent)
    : RecurringCheckList(QStringLiteral("Select Recurring Dates To Use"), QSize(420, 269), parent)
{
    setEntries(entries, false);
}

void TSelectRecurringDates::FormActivate()
{
    AllbuttonClick();
}

void TSelectRecurringDates::showEvent(QShowEvent *event)
{
    RecurringCheckList::showEvent(event);
    FormActivate();
}
