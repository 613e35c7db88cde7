#pragma once

#include <QString>
#include <QStringList>

#include <array>

// The fixed choices of the calendar properties dialog: its pages with their
// help topics, the layout list, and the six margin steps with their two
// labellings.
namespace PropertyTables {

struct PageEntry
{
    const char *tabText;
    int helpContext;
};

inline constexpr int kPageCount = 11;
inline constexpr int kBordersPage = 9;
inline constexpr int kExtrasPage = 10; // after the borders: beyond the form's own pages
// Tab texts and help topics, by page index.
[[nodiscard]] const std::array<PageEntry, kPageCount> &pages();

inline constexpr int kLayoutEntryCount = 13;
[[nodiscard]] QStringList layoutEntries();
// The layout number of a list entry: entries 0-8 have a portrait and a
// landscape layout, the four planners one each. -1 for an entry outside.
[[nodiscard]] int layoutOfEntry(int entry, bool landscape);
// The list entry and orientation showing a layout number.
[[nodiscard]] int entryOfLayout(int layout);
[[nodiscard]] bool layoutIsLandscape(int layout);

inline constexpr int kMarginStepCount = 6;
[[nodiscard]] QStringList inchLabels(); // "¼ Inch" ... "1½ Inch"
[[nodiscard]] QStringList millimetreLabels(); // "6 mm" ... "38 mm"
// Inches of a step; 0 for an index outside the six steps.
[[nodiscard]] float marginOfStep(int index);
// The step a margin shows as: the highest step not above it, and the
// lowest step for anything below half an inch.
[[nodiscard]] int stepOfMargin(float inches);

} // namespace PropertyTables
