#include "objects/vflatcalendar.h"

#include "objects/flatcalendarmonth.h"
#include "objects/flatcalendarpainter.h"

#include "calendar/languagetables.h"
#include "stream/recordtable.h"

#include <QPainter>

namespace {

// The fonts keep the platform's default colour and style until changed.
CalendarFont arial(int points)
{
    CalendarFont font;
    font.name = QStringLiteral("Arial");
    font.size = points;
    font.color = clWindowText;
    return font;
}

} // namespace

TVFlatCalendar::TVFlatCalendar(TComponent *owner, const QDate &today)
    : TVGraphicControl(owner)
    , m_month(today.month())
    , m_year(today.year())
    , m_titleFont(arial(8))
    , m_dayNameFont(arial(8))
    , m_cellFont(arial(7))
{
}

void TVFlatCalendar::setStartOfWeek(int day)
{
    if (day < 1 || day > 2)
        return;
    assign(m_startOfWeek, TFCDayOfWeek(day));
}

void TVFlatCalendar::setShadowDepth(int depth)
{
    if (depth > 10)
        return;
    assign(m_shadowDepth, depth);
}

// clang-format off
void TVFlatCalendar::setMonth(int month) { assign(m_month, month); }
void TVFlatCalendar::setYear(int year) { assign(m_year, year); }
void TVFlatCalendar::setTitleFont(const CalendarFont &font) { assign(m_titleFont, font); }
void TVFlatCalendar::setDayNameFont(const CalendarFont &font) { assign(m_dayNameFont, font); }
void TVFlatCalendar::setCellFont(const CalendarFont &font) { assign(m_cellFont, font); }
void TVFlatCalendar::setShowYear(bool show) { assign(m_showYear, show); }
void TVFlatCalendar::setFollowsPage(bool follows) { assign(m_followsPage, follows); }
void TVFlatCalendar::setDayNameBGColor(TColor color) { assign(m_dayNameBGColor, color); }
void TVFlatCalendar::setCalendarBorderStyle(TFlatCalBorderStyle style) { assign(m_calendarBorderStyle, style); }
void TVFlatCalendar::setDayNameBorderStyle(TFlatCalBorderStyle style) { assign(m_dayNameBorderStyle, style); }
void TVFlatCalendar::setCellBorderStyle(TFlatCalBorderStyle style) { assign(m_cellBorderStyle, style); }
void TVFlatCalendar::setDayNameStyle(TFlatCalHeadersStyle style) { assign(m_dayNameStyle, style); }
void TVFlatCalendar::setTitleBGcolor(TColor color) { assign(m_titleBGcolor, color); }
void TVFlatCalendar::setBackgroundcolor(TColor color) { assign(m_backgroundcolor, color); }
void TVFlatCalendar::setShadowColor(TColor color) { assign(m_shadowColor, color); }
void TVFlatCalendar::setShadowPosition(TFlatShadowPosition position) { assign(m_shadowPosition, position); }
void TVFlatCalendar::setLanguage(TFlatCalLanguage language) { assign(m_language, language); }
void TVFlatCalendar::setCalTransparent(bool transparent) { assign(m_calTransparent, transparent); }
// clang-format on

QStringList TVFlatCalendar::monthNames() const
{
    return LanguageTables::monthNames(CalendarLanguage(m_language));
}

QStringList TVFlatCalendar::dayNames() const
{
    return LanguageTables::dayNames(CalendarLanguage(m_language));
}

QString TVFlatCalendar::titleText() const
{
    const QString month = m_month >= 1 && m_month <= 12 ? monthNames().at(m_month - 1) : QString();
    return m_showYear ? month + QLatin1Char(' ') + QString::number(m_year) : month;
}

QString TVFlatCalendar::dayNameText(int column) const
{
    if (column < 0 || column > 6)
        return {};
    // Sunday first, or Monday first with Sunday in the last column.
    const int day = m_startOfWeek == 1 ? column : (column + 1) % 7;
    const QString name = dayNames().at(day);
    switch (m_dayNameStyle) {
    case fdsFirstChar:
        return name.left(1);
    case fdsThreeChars:
        return name.left(3);
    case fdsWhole:
        break;
    }
    return name;
}

int TVFlatCalendar::dayAt(int row, int column) const
{
    return FlatCalendarMonth::dayAt(m_month, m_year, m_startOfWeek, row, column);
}

void TVFlatCalendar::copyCalendarPropertiesFrom(const TVFlatCalendar &other)
{
    setMonth(other.m_month);
    setYear(other.m_year);
    setTitleFont(other.m_titleFont);
    setDayNameFont(other.m_dayNameFont);
    setCellFont(other.m_cellFont);
    setDayNameBGColor(other.m_dayNameBGColor);
    setTitleBGcolor(other.m_titleBGcolor);
    setBackgroundcolor(other.m_backgroundcolor);
    setCalendarBorderStyle(other.m_calendarBorderStyle);
    setDayNameBorderStyle(other.m_dayNameBorderStyle);
    setCellBorderStyle(other.m_cellBorderStyle);
    setShadowColor(other.m_shadowColor);
    setShadowDepth(other.m_shadowDepth);
    setShadowPosition(other.m_shadowPosition);
    setDayNameStyle(other.m_dayNameStyle);
    setShowYear(other.m_showYear);
    setFollowsPage(other.m_followsPage);
    setStartOfWeek(other.m_startOfWeek);
    setLanguage(other.m_language);
    setCalTransparent(other.m_calTransparent);
}

void TVFlatCalendar::paint(QPainter &painter, float scale) const
{
    const QRect rect = displayRect(scale);
    if (rect.isEmpty())
        return;
    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    painter.translate(rect.topLeft());
    FlatCalendarPainter(*this, painter, scale).paint(rect.size());
    painter.restore();
}

QString TVFlatCalendar::className() const
{
    return QStringLiteral("TVFlatCalendar");
}

const RecordTable &TVFlatCalendar::records() const
{
    using C = TVFlatCalendar;
    using namespace Records;
    static const RecordTable table(TVGraphicControl::records(),
        {
            record("StartOfWeek", &C::startOfWeek, &C::setStartOfWeek, integer),
            record("Month", &C::month, &C::setMonth, integer),
            record("Year", &C::year, &C::setYear, integer),
            fontRecord("TitleFont", &C::titleFont, &C::setTitleFont, &C::m_titleFontPitch),
            fontRecord("DayNameFont", &C::dayNameFont, &C::setDayNameFont, &C::m_dayNameFontPitch),
            fontRecord("CellFont", &C::cellFont, &C::setCellFont, &C::m_cellFontPitch),
            record("ShowYear", &C::showYear, &C::setShowYear, boolean),
            record("DayNameBGColor", &C::dayNameBGColor, &C::setDayNameBGColor, color),
            record("CalendarBorderStyle", &C::calendarBorderStyle, &C::setCalendarBorderStyle,
                enumeration(flatCalBorderStyleNames())),
            record("DayNameBorderStyle", &C::dayNameBorderStyle, &C::setDayNameBorderStyle,
                enumeration(flatCalBorderStyleNames())),
            record("CellBorderStyle", &C::cellBorderStyle, &C::setCellBorderStyle,
                enumeration(flatCalBorderStyleNames())),
            record("DayNameStyle", &C::dayNameStyle, &C::setDayNameStyle,
                enumeration(flatCalHeadersStyleNames())),
            record("TitleBGcolor", &C::titleBGcolor, &C::setTitleBGcolor, color),
            record("Backgroundcolor", &C::backgroundcolor, &C::setBackgroundcolor, color),
            record("ShadowColor", &C::shadowColor, &C::setShadowColor, color),
            record("ShadowDepth", &C::shadowDepth, &C::setShadowDepth, integer),
            record("ShadowPosition", &C::shadowPosition, &C::setShadowPosition,
                enumeration(flatShadowPositionNames())),
            record("Language", &C::language, &C::setLanguage, enumeration(flatCalLanguageNames())),
            record("CalTransparent", &C::calTransparent, &C::setCalTransparent, boolean),
            record("FollowsPage", &C::followsPage, &C::setFollowsPage, boolean, unlessDefault(0)),
        });
    return table;
}
