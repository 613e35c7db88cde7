#pragma once

#include <QString>
#include <QStringList>

// The built-in month and day names of the five languages the program offers.
enum class CalendarLanguage { English, German, French, Italian, Spanish };

namespace LanguageTables {

[[nodiscard]] QStringList monthNames(CalendarLanguage language); // 12, January first
[[nodiscard]] QStringList dayNames(CalendarLanguage language); // 7, Sunday first
// "english", "german", ... as the command line names them; false when unknown.
bool fromName(const QString &name, CalendarLanguage *language);

} // namespace LanguageTables
