#pragma once

#include <QStringList>

// The order of sorted recurring-date lists: entries compared ignoring
// letter case, equal ones in their original order.
namespace RecurringSort {

[[nodiscard]] bool lessThan(const QString &a, const QString &b);
[[nodiscard]] QStringList sorted(QStringList entries);
// Where an entry goes in a sorted list: after every entry that is not greater.
[[nodiscard]] int insertPosition(const QStringList &sortedEntries, const QString &entry);

} // namespace RecurringSort
