#pragma once

#include <QStringList>

// The well-known holidays the user can add to the list, as complete entries
// (event text padded to 120 characters, formula padded to 10 except for the
// Easter-based ones, which keep their bare names).
namespace HolidayTable {

[[nodiscard]] QStringList entries();

} // namespace HolidayTable
