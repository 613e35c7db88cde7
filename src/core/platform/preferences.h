#pragma once

#include "base/calendarfont.h"

#include <QString>

class IniFile;

// The program's preferences, kept in "DW.ini" in the data folder. Recent
// files and window placements live in the same file but have their own
// readers (RecentFileList, WindowPlacement).
struct Preferences
{
    int mainZoomPercent = 60;
    int previewZoomPercent = 30;
    CalendarFont defaultEditorFont = defaultFont();
    QString iconFileName; // empty: the data folder's "MISC1.ICL"
    bool iconToolWanted = true;
    bool hintsOn = true;
    QString eventsFileName; // the iCalendar file the cells were last filled from
    // Seconds between recovery copies of unsaved changes; 0: none kept.
    int recoveryIntervalSeconds = 120;

    [[nodiscard]] static CalendarFont defaultFont();
    [[nodiscard]] static QString fileName(); // <data folder>/DW.ini

    // Every key, in the file's order; missing keys and a missing file give
    // the defaults above.
    void load(const IniFile &ini);
    // False at the first key that cannot be written; the message is the
    // ini file's error().
    bool save(IniFile &ini) const;
};
