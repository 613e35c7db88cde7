#pragma once

#include <QDate>

// The movable feasts that hang on Easter, in the Gregorian calendar.
namespace EasterDates {

// Western Easter Sunday by the full Gregorian computus (valid for every
// year of the calendar, not only 1900-2099).
[[nodiscard]] QDate easterSunday(int year);
[[nodiscard]] QDate goodFriday(int year); // the Friday before Easter
[[nodiscard]] QDate palmSunday(int year); // the Sunday before Easter

} // namespace EasterDates
