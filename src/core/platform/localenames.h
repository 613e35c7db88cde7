#pragma once

#include <QStringList>

// The user's long month and day names from the system locale.
namespace LocaleNames {

[[nodiscard]] QStringList monthNames(); // 12, January first
[[nodiscard]] QStringList dayNames(); // 7, Sunday first

} // namespace LocaleNames
