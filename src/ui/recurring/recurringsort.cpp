#include "recurring/recurringsort.h"

#include <algorithm>

namespace RecurringSort {

bool lessThan(const QString &a, const QString &b)
{
    return QString::compare(a, b, Qt::CaseInsensitive) < 0;
}

QStringList sorted(QStringList entries)
{
    std::stable_sort(entries.begin(), entries.end(), lessThan);
    return entries;
}

int insertPosition(const QStringList &sortedEntries, const QString &entry)
{
    return int(std::upper_bound(sortedEntries.begin(), sortedEntries.end(), entry, lessThan)
        - sortedEntries.begin());
}

} // namespace RecurringSort
