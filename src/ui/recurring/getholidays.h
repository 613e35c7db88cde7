#pragma once

#include "recurring/recurringchecklist.h"

// "Holidays": the built-in table of well-known holidays, sorted, none
// chosen at first; OK hands back the chosen entries.
class TGetHolidays : public RecurringCheckList
{
    Q_OBJECT

public:
    explicit TGetHolidays(QWidget *parent = nullptr);

    [[nodiscard]] QListWidget *Holidays() const { return list(); }
};
