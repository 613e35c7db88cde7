#pragma once

#include "recurring/recurringchecklist.h"

// "Select Recurring Dates To Use": the entries that may fall in the month
// being filled, in list order, all chosen when the dialog opens.
class TSelectRecurringDates : public RecurringCheckList
{
    Q_OBJECT

public:
    explicit TSelectRecurringDates(const QStringList &entries, QWidget *parent = nullptr);

    [[nodiscard]] QListWidget *Dates() const { return list(); }

public slots:
    void FormActivate();

protected:
    void showEvent(QShowEvent *event) override;
};
