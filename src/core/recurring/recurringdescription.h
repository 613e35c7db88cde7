#pragma once

#include <QString>

// Readable texts for recurring dates, with the locale's abbreviated day
// names and full month names: "1st of April", "3rd Sat of May",
// "Last Day Each Month", "Sun,Sat".
namespace RecurringDescription {

// The description of a formula; empty when a parameter cannot be read.
[[nodiscard]] QString FormulaDescription(const QString &formula);
// What a list shows for an entry: "Armed Forces Day (3rd Sat of May)"; the
// event text alone for "#" entries and anything else without a known kind.
[[nodiscard]] QString EntryDisplayText(const QString &entry);

} // namespace RecurringDescription
