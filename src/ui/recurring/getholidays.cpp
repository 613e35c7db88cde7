#include "recurring/getholidays.h"

#include "recurring/holidaytable.h"

TGetHolidays::TGetHolidays(QWidget *parent)
    : RecurringCheckList(QStringLiteral("Holidays"), QSize(417, 273), parent)
{
    setEntries(HolidayTable::entries(), true);
}
