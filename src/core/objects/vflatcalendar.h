#pragma once

#include "objects/objecttypes.h"
#include "objects/vgraphiccontrol.h"

#include <QDate>

// A small free-standing month calendar drawn from its own properties only.
class TVFlatCalendar : public TVGraphicControl
{
    Q_OBJECT

public:
    // Month and year start at today's.
    explicit TVFlatCalendar(TComponent *owner = nullptr, const QDate &today = QDate::currentDate());

    [[nodiscard]] TFCDayOfWeek startOfWeek() const { return m_startOfWeek; }
    // 1 (Sunday first) or 2 (Monday first); anything else is refused.
    void setStartOfWeek(int day);
    [[nodiscard]] int month() const { return m_month; }
    // Not range-checked, as the record may hold any number.
    void setMonth(int month);
    [[nodiscard]] int year() const { return m_year; }
    void setYear(int year);
    [[nodiscard]] const CalendarFont &titleFont() const { return m_titleFont; }
    void setTitleFont(const CalendarFont &font);
    [[nodiscard]] const CalendarFont &dayNameFont() const { return m_dayNameFont; }
    void setDayNameFont(const CalendarFont &font);
    [[nodiscard]] const CalendarFont &cellFont() const { return m_cellFont; }
    void setCellFont(const CalendarFont &font);
    // Shows the page's month, moving with it (in a run of months too),
    // instead of its own stored month.
    [[nodiscard]] bool followsPage() const { return m_followsPage; }
    void setFollowsPage(bool follows);
    [[nodiscard]] bool showYear() const { return m_showYear; }
    void setShowYear(bool show);
    [[nodiscard]] TColor dayNameBGColor() const { return m_dayNameBGColor; }
    void setDayNameBGColor(TColor color);
    [[nodiscard]] TFlatCalBorderStyle calendarBorderStyle() const { return m_calendarBorderStyle; }
    void setCalendarBorderStyle(TFlatCalBorderStyle style);
    [[nodiscard]] TFlatCalBorderStyle dayNameBorderStyle() const { return m_dayNameBorderStyle; }
    void setDayNameBorderStyle(TFlatCalBorderStyle style);
    [[nodiscard]] TFlatCalBorderStyle cellBorderStyle() const { return m_cellBorderStyle; }
    void setCellBorderStyle(TFlatCalBorderStyle style);
    [[nodiscard]] TFlatCalHeadersStyle dayNameStyle() const { return m_dayNameStyle; }
    void setDayNameStyle(TFlatCalHeadersStyle style);
    [[nodiscard]] TColor titleBGcolor() const { return m_titleBGcolor; }
    void setTitleBGcolor(TColor color);
    [[nodiscard]] TColor backgroundcolor() const { return m_backgroundcolor; }
    void setBackgroundcolor(TColor color);
    [[nodiscard]] TColor shadowColor() const { return m_shadowColor; }
    void setShadowColor(TColor color);
    [[nodiscard]] int shadowDepth() const { return m_shadowDepth; }
    // Depths above 10 are refused; below 1 means no shadow.
    void setShadowDepth(int depth);
    [[nodiscard]] TFlatShadowPosition shadowPosition() const { return m_shadowPosition; }
    void setShadowPosition(TFlatShadowPosition position);
    [[nodiscard]] TFlatCalLanguage language() const { return m_language; }
    void setLanguage(TFlatCalLanguage language);
    [[nodiscard]] bool calTransparent() const { return m_calTransparent; }
    void setCalTransparent(bool transparent);

    // The built-in names of the calendar's language: 12 months from
    // January, 7 days from Sunday.
    [[nodiscard]] QStringList monthNames() const;
    [[nodiscard]] QStringList dayNames() const;
    // The month name, with a blank and the year when ShowYear is set; a
    // month outside 1 to 12 has no name.
    [[nodiscard]] QString titleText() const;
    // The day name over column 0-6 as DayNameStyle shortens it.
    [[nodiscard]] QString dayNameText(int column) const;
    // The day number in row 0-5, column 0-6; 0 for an empty cell.
    [[nodiscard]] int dayAt(int row, int column) const;

    // Every property the editor copies to its preview and back (all but the
    // size and the common ones).
    void copyCalendarPropertiesFrom(const TVFlatCalendar &other);

    // The shadow and the month from the object's own properties.
    void paint(QPainter &painter, float scale) const override;

    [[nodiscard]] QString className() const override;
    [[nodiscard]] const RecordTable &records() const override;

private:
    TFCDayOfWeek m_startOfWeek = 1;
    int m_month = 1;
    int m_year = 2000;
    CalendarFont m_titleFont;
    CalendarFont m_dayNameFont;
    CalendarFont m_cellFont;
    // kept only to be written back as they were read
    int m_titleFontPitch = 0;
    int m_dayNameFontPitch = 0;
    int m_cellFontPitch = 0;
    bool m_showYear = false;
    bool m_followsPage = false;
    TColor m_dayNameBGColor = clWhite;
    TFlatCalBorderStyle m_calendarBorderStyle = fcbAll;
    TFlatCalBorderStyle m_dayNameBorderStyle = fcbAll;
    TFlatCalBorderStyle m_cellBorderStyle = fcbNone;
    TFlatCalHeadersStyle m_dayNameStyle = fdsFirstChar;
    TColor m_titleBGcolor = clWhite;
    TColor m_backgroundcolor = clWhite;
    TColor m_shadowColor = clBlack;
    int m_shadowDepth = 0;
    TFlatShadowPosition m_shadowPosition = fcpLowerRight;
    TFlatCalLanguage m_language = fclEnglish;
    bool m_calTransparent = false;
};
