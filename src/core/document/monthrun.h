#pragma once

#include "base/calendarfont.h"
#include "calendar/monthcells.h"
#include "document/calendardocument.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class ICalendarFile;

// The months a run of pages covers: 1 to 120 consecutive months.
struct MonthRange
{
    static constexpr int kMostMonths = 120;

    int firstYear = 0;
    int firstMonth = 0;
    int count = 0;

    // "YYYY-MM:YYYY-MM"; false with a message naming what is wrong.
    static bool parse(const QString &text, MonthRange *range, QString *error);
    [[nodiscard]] int yearAt(int index) const { return (firstYear * 12 + firstMonth - 1 + index) / 12; }
    [[nodiscard]] int monthAt(int index) const { return (firstMonth - 1 + index) % 12 + 1; }
};

// Lists a run fills every month from, each read once: recurring-date lists
// (every entry used) and iCalendar files (every occurrence used), told apart
// by content.
class FillSources
{
public:
    FillSources();
    ~FillSources();
    FillSources(const FillSources &) = delete;
    FillSources &operator=(const FillSources &) = delete;

    // False with the reader's message when the file cannot be read.
    bool add(const QString &fileName, QString *error);
    [[nodiscard]] bool isEmpty() const { return m_lists.empty() && m_calendars.empty(); }
    // Appends what each list has for the page's month, in the order the
    // lists were added; returns how many texts were placed.
    int fillInto(CalendarDocument &document, const CalendarFont &defaultFont) const;

private:
    std::vector<QStringList> m_lists;
    std::vector<std::unique_ptr<ICalendarFile>> m_calendars;
    std::vector<bool> m_isCalendar; // in the order added
};

// The pages of one design for a run of months, made one at a time: the same
// layout, style, objects and extras on every page, each page showing the
// cells typed into its month, then the fills. The design itself is left
// alone.
//
//   MonthRun run(document, range, &fills, font);
//   for (int i = 0; i < run.count(); ++i)
//       draw(run.page(i));
class MonthRun
{
public:
    MonthRun(CalendarDocument &design, const MonthRange &range, const FillSources *fills,
        const CalendarFont &defaultFont);

    [[nodiscard]] int count() const { return m_range.count; }
    // The page of the index-th month, valid until the next call.
    [[nodiscard]] CalendarDocument &page(int index);

private:
    MonthRange m_range;
    const FillSources *m_fills;
    CalendarFont m_defaultFont;
    MonthCells m_typed; // every month's own cells, the design's month included
    CalendarDocument m_page;
};
