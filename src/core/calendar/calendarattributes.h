#pragma once

#include "base/calendarfont.h"
#include "calendar/calendartypes.h"
#include "calendar/pageextras.h"

#include <QString>
#include <QStringList>

// Every attribute of a calendar page, as plain values. The page owns one of
// these and applies the setter rules; files and the properties dialog move
// whole sets of them around.
struct CalendarAttributes
{
    int calendarLayout = loFullCalendar;
    TCalendarOrientation calendarOrientation = coPortrait;
    TCalendarLineLayout calendarLineLayout = llFull;
    TMiniCalendarLineLayout miniCalendarLineLayout = mllFull;
    TCalBorderStyle calendarBorder = cbAll;
    TCalBorderStyle headersBorder = cbAll;
    TCalBorderStyle cellBorder = cbAll;
    TCalBorderStyle miniCalBorder = cbAll;
    TCalBorderStyle miniHeadersBorder = cbBottom;
    TCalBorderStyle miniCellBorder = cbNone;
    TCalHeadersStyle headersStyle = dsThreeChars;
    TCalHeadersStyle miniHeadersStyle = dsFirstChar;
    TCalendarNumberPosition numberPosition = cnpUpperRight;
    bool titleShowYear = true;
    bool miniShowYear = true;
    TColor titleBGColor = clWhite;
    TColor headersBGColor = clWhite;
    TColor miniHeadersBGColor = clWhite;
    TColor miniCalBGColor = clWhite;
    CalendarFont titleFont { QStringLiteral("Times New Roman"), 26, true };
    CalendarFont headersFont { QStringLiteral("Times New Roman"), 16, true };
    CalendarFont cellFont { QStringLiteral("Times New Roman"), 16, true };
    CalendarFont miniTitleFont { QStringLiteral("Times New Roman"), 6, true };
    CalendarFont miniHeadersFont { QStringLiteral("Times New Roman"), 8, false, false, false, false,
        clWhite };
    CalendarFont miniCellFont { QStringLiteral("Times New Roman"), 6 };
    int mainCalDay = 0;
    int mainCalMonth = 1;
    int mainCalYear = 1997;
    int startOfWeek = 1; // 1 = Sunday, anything else = Monday
    float leftMarginInch = 0.25f;
    float topMarginInch = 0.25f;
    float rightMarginInch = 0.25f;
    float bottomMarginInch = 0.25f;
    QString userTitle;
    QString wmfBorderFile;
    PaperSize paperSize = PaperSize::Letter;
    double startingTime = 8.0 / 24.0; // fraction of a day
    QStringList monthNames; // 12, January first
    QStringList dayNames; // 7, Sunday first
    PageExtras extras;

    // The comparison the main window uses to decide whether the properties
    // dialog changed anything: fonts by look only, extras by every field, cells and the six border
    // properties and the number position not at all.
    [[nodiscard]] bool sameAttributes(const CalendarAttributes &other) const;
};
