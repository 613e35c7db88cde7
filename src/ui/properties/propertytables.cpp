#include "properties/propertytables.h"

#include "calendar/calendartypes.h"

namespace PropertyTables {

const std::array<PageEntry, kPageCount> &pages()
{
    static const std::array<PageEntry, kPageCount> table = { {
        { "Layout", 2100 },
        { "Date", 2101 },
        { "Fonts, Colors", 2102 },
        { "Mini Fonts, Colors", 2103 },
        { "Headers", 2104 },
        { "Lines", 2105 },
        { "Planners", 2106 },
        { "Language", 2107 },
        { "Margins", 2108 },
        { "Borders", 3109 }, // the help file files this page under its own number
        { "Extras", 2110 },
    } };
    return table;
}

QStringList layoutEntries()
{
    // Several entries end in a blank; the texts are kept as they are.
    return {
        QStringLiteral("1 Month Calendar "),
        QStringLiteral("1 Month Calendar, 2 Mini Calendars"),
        QStringLiteral("1 Month Calendar, 6 Mini Calendars Before & After "),
        QStringLiteral("1 Month Calendar, 12 Mini Calendars After "),
        QStringLiteral("6 Month Calendar (Mini Calendars)"),
        QStringLiteral("12 Month Calendar (Mini Calendars)"),
        QStringLiteral("24 Month Calendar (Mini Calendars)"),
        QStringLiteral("48 Month Calendar (Mini Calendars)"),
        QStringLiteral("60 Month Calendar (Mini Calendars)"),
        QStringLiteral("One Week Planner"),
        QStringLiteral("Two Week Planner"),
        QStringLiteral("Day Planner (10 hours) "),
        QStringLiteral("Day Planner (15 hours) "),
    };
}

int layoutOfEntry(int entry, bool landscape)
{
    if (entry < 0 || entry >= kLayoutEntryCount)
        return -1;
    if (entry <= 8)
        return entry * 2 + (landscape ? 1 : 0);
    return entry + 9;
}

int entryOfLayout(int layout)
{
    return layout < loWeek ? layout / 2 : layout - 9;
}

bool layoutIsLandscape(int layout)
{
    return layout < loWeek && layout % 2 == 1;
}

QStringList inchLabels()
{
    return { QStringLiteral("¼ Inch"), QStringLiteral("½ Inch"), QStringLiteral("¾ Inch"),
        QStringLiteral("1 Inch"), QStringLiteral("1¼ Inch"), QStringLiteral("1½ Inch") };
}

QStringList millimetreLabels()
{
    return { QStringLiteral("6 mm"), QStringLiteral("13 mm"), QStringLiteral("19 mm"),
        QStringLiteral("25 mm"), QStringLiteral("32 mm"), QStringLiteral("38 mm") };
}

float marginOfStep(int index)
{
    static const float steps[kMarginStepCount] = { 0.25f, 0.5f, 0.75f, 1.0f, 1.25f, 1.5f };
    return index >= 0 && index < kMarginStepCount ? steps[index] : 0.0f;
}

int stepOfMargin(float inches)
{
    // A margin between two steps shows as the lower one.
    int step = 0;
    for (int i = 1; i < kMarginStepCount; ++i) {
        if (inches >= marginOfStep(i))
            step = i;
    }
    return step;
}

} // namespace PropertyTables
