#include "calendar/languagetables.h"

namespace LanguageTables {

QStringList monthNames(CalendarLanguage language)
{
    switch (language) {
    case CalendarLanguage::English:
        return { "January", "February", "March", "April", "May", "June", "July", "August", "September",
            "October", "November", "December" };
    case CalendarLanguage::German:
        return { "Januar", "Februar", "März", "April", "Mai", "Juni", "Juli", "August", "September",
            "Oktober", "November", "Dezember" };
    case CalendarLanguage::French:
        return { "Janvier", "Février", "Mars", "Avril", "Mai", "Juin", "Juillet", "Août", "Septembre",
            "Octobre", "Novembre", "Décembre" };
    case CalendarLanguage::Italian:
        return { "Gennaio", "Febbraio", "Marzo", "Aprile", "Maggio", "Giugno", "Luglio", "Agosto",
            "Settembre", "Ottobre", "Novembre", "Dicembre" };
    case CalendarLanguage::Spanish:
        return { "Enero", "Febrero", "Marzo", "Abril", "Mayo", "Junio", "Julio", "Agosto", "Septiembre",
            "Octubre", "Noviembre", "Diciembre" };
    }
    return {};
}

QStringList dayNames(CalendarLanguage language)
{
    switch (language) {
    case CalendarLanguage::English:
        return { "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday" };
    case CalendarLanguage::German:
        // The trailing blank of "Freitag " is part of the table as shipped.
        return { "Sonntag", "Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag ", "Samstag" };
    case CalendarLanguage::French:
        return { "Dimanche", "Lundi", "Mardi", "Mercredi", "Jeudi", "Vendredi", "Samedi" };
    case CalendarLanguage::Italian:
        return { "Domenica", "Lunedì", "Martedì", "Mercoledì", "Giovedì", "Venerdì", "Sabato" };
    case CalendarLanguage::Spanish:
        return { "Domingo", "Lunes", "Martes", "Miércoles", "Jueves", "Viernes", "Sábado" };
    }
    return {};
}

bool fromName(const QString &name, CalendarLanguage *language)
{
    static const struct
    {
        const char *name;
        CalendarLanguage language;
    } names[] = { { "english", CalendarLanguage::English }, { "german", CalendarLanguage::German },
        { "french", CalendarLanguage::French }, { "italian", CalendarLanguage::Italian },
        { "spanish", CalendarLanguage::Spanish } };
    for (const auto &entry : names) {
        if (name.compare(QLatin1String(entry.name), Qt::CaseInsensitive) == 0) {
            *language = entry.language;
            return true;
        }
    }
    return false;
}

} // namespace LanguageTables
