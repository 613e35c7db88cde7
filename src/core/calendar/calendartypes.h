#pragma once

#include <QtGlobal>

// Enumerations of the calendar page. Their ordinals are stored in calendar
// files and style sheets, so the order of the values must never change.

enum TCalendarLayout : quint8 {
    loFullCalendar,
    LOFullCalendarLS,
    loFCMinisInTitle,
    loFCMinisInTitleLS,
    loFC6Before6After,
    loFC6Before6AfterLS,
    loFC12After,
    loFC12AfterLS,
    lopMC6Month,
    lopMC6MonthLS,
    loMC12Month,
    loMC12MonthLS,
    loMC24Month,
    loMC24MonthLS,
    loMC48Month,
    loMC48MonthLS,
    loMC60Month,
    loMC60MonthLS,
    loWeek,
    lo2Week,
    loDay10,
    loDay15,
};
constexpr int kLayoutCount = 22;

enum TCalendarOrientation : quint8 { coPortrait, coLandscape };
enum TCalendarLineLayout : quint8 { llFull, llHeadersAndCells, llCellsOnly };
enum TMiniCalendarLineLayout : quint8 { mllFull, mllBoxed, mllMinimal };
enum TCalBorderStyle : quint8 { cbNone, cbAll, cbTop, cbBottom, cbTopBottom };
enum TCalHeadersStyle : quint8 { dsFirstChar, dsThreeChars, dsWhole };
enum TCalendarNumberPosition : quint8 { cnpCenter, cnpUpperRight };
enum TLPanelState : quint8 { psPointing, psLabel, psImage, psRichLabel, psSuperText, psFlatCalendar };

enum class PaperSize : quint8 { Letter = 0, A4 = 1 };

// 0 for layouts 0-7, 1 for 8-17, then 2, 3, 4, 5 for the four planners.
[[nodiscard]] constexpr int layoutKind(int layout)
{
    if (layout <= loFC12AfterLS)
        return 0;
    if (layout <= loMC60MonthLS)
        return 1;
    return layout - loWeek + 2;
}

[[nodiscard]] constexpr bool isLandscapeLayout(int layout)
{
    return layout >= LOFullCalendarLS && layout <= loMC60MonthLS && (layout % 2) == 1;
}

[[nodiscard]] constexpr bool layoutHasDayCells(int layout)
{
    return layoutKind(layout) != 1;
}

[[nodiscard]] constexpr bool isValidLayout(int layout)
{
    return layout >= 0 && layout < kLayoutCount;
}
