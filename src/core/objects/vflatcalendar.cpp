#include "objects/vflatcalendar.h"

#include "objects/flatcalendarmonth.h"

#include "calendar/languagetables.h"
#include "stream/fontproperty.h"
#include "stream/propertyio.h"
#include "stream/reader.h"

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

template <typename T> void TVFlatCalendar::store(T &field, const T &value)
{
    if (field == value)
        return;
    field = value;
    invalidate();
}

void TVFlatCalendar::setStartOfWeek(int day)
{
    if (day < 1 || day > 2)
        return;
    store(m_startOfWeek, TFCDayOfWeek(day));
}

void TVFlatCalendar::setShadowDepth(int depth)
{
    if (depth > 10)
        return;
    store(m_shadowDepth, depth);
}

// clang-format off
void TVFlatCalendar::setMonth(int month) { store(m_month, month); }
void TVFlatCalendar::setYear(int year) { store(m_year, year); }
void TVFlatCalendar::setTitleFont(const CalendarFont &font) { store(m_titleFont, font); }
void TVFlatCalendar::setDayNameFont(const CalendarFont &font) { store(m_dayNameFont, font); }
void TVFlatCalendar::setCellFont(const CalendarFont &font) { store(m_cellFont, font); }
void TVFlatCalendar::setShowYear(bool show) { store(m_showYear, show); }
void TVFlatCalendar::setDayNameBGColor(TColor color) { store(m_dayNameBGColor, color); }
void TVFlatCalendar::setCalendarBorderStyle(TFlatCalBorderStyle style) { store(m_calendarBorderStyle, style); }
void TVFlatCalendar::setDayNameBorderStyle(TFlatCalBorderStyle style) { store(m_dayNameBorderStyle, style); }
void TVFlatCalendar::setCellBorderStyle(TFlatCalBorderStyle style) { store(m_cellBorderStyle, style); }
void TVFlatCalendar::setDayNameStyle(TFlatCalHeadersStyle style) { store(m_dayNameStyle, style); }
void TVFlatCalendar::setTitleBGcolor(TColor color) { store(m_titleBGcolor, color); }
void TVFlatCalendar::setBackgroundcolor(TColor color) { store(m_backgroundcolor, color); }
void TVFlatCalendar::setShadowColor(TColor color) { store(m_shadowColor, color); }
void TVFlatCalendar::setShadowPosition(TFlatShadowPosition position) { store(m_shadowPosition, position); }
void TVFlatCalendar::setLanguage(TFlatCalLanguage language) { store(m_language, language); }
void TVFlatCalendar::setCalTransparent(bool transparent) { store(m_calTransparent, transparent); }
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
    setStartOfWeek(other.m_startOfWeek);
    setLanguage(other.m_language);
    setCalTransparent(other.m_calTransparent);
}

QString TVFlatCalendar::className() const
{
    return QStringLiteral("TVFlatCalendar");
}

void TVFlatCalendar::writeProperties(TWriter &writer) const
{
    using namespace PropertyIO;
    TVGraphicControl::writeProperties(writer);
    writeInteger(writer, "StartOfWeek", m_startOfWeek);
    writeInteger(writer, "Month", m_month);
    writeInteger(writer, "Year", m_year);
    writeFont(writer, "TitleFont", m_titleFont, m_fontPitch[0]);
    writeFont(writer, "DayNameFont", m_dayNameFont, m_fontPitch[1]);
    writeFont(writer, "CellFont", m_cellFont, m_fontPitch[2]);
    writeBoolean(writer, "ShowYear", m_showYear);
    writeColor(writer, "DayNameBGColor", m_dayNameBGColor);
    writeEnum(writer, "CalendarBorderStyle", m_calendarBorderStyle, flatCalBorderStyleNames());
    writeEnum(writer, "DayNameBorderStyle", m_dayNameBorderStyle, flatCalBorderStyleNames());
    writeEnum(writer, "CellBorderStyle", m_cellBorderStyle, flatCalBorderStyleNames());
    writeEnum(writer, "DayNameStyle", m_dayNameStyle, flatCalHeadersStyleNames());
    writeColor(writer, "TitleBGcolor", m_titleBGcolor);
    writeColor(writer, "Backgroundcolor", m_backgroundcolor);
    writeColor(writer, "ShadowColor", m_shadowColor);
    writeInteger(writer, "ShadowDepth", m_shadowDepth);
    writeEnum(writer, "ShadowPosition", m_shadowPosition, flatShadowPositionNames());
    writeEnum(writer, "Language", m_language, flatCalLanguageNames());
    writeBoolean(writer, "CalTransparent", m_calTransparent);
}

TPropertyRead TVFlatCalendar::readFontProperty(const QString &path, TReader &reader, bool *handled)
{
    static const char *const prefixes[] = { "TitleFont", "DayNameFont", "CellFont" };
    CalendarFont *fonts[] = { &m_titleFont, &m_dayNameFont, &m_cellFont };
    for (int i = 0; i < 3; ++i) {
        if (!PropertyIO::hasPrefix(path, prefixes[i]))
            continue;
        *handled = true;
        CalendarFont font = *fonts[i];
        const TPropertyRead result
            = PropertyIO::readFont(reader, PropertyIO::subPath(path), font, &m_fontPitch[i]);
        store(*fonts[i], font);
        return result;
    }
    *handled = false;
    return TPropertyRead::NotFound;
}

TPropertyRead TVFlatCalendar::readProperty(const QString &path, TReader &reader)
{
    using PropertyIO::is;
    bool isFont = false;
    const TPropertyRead fontResult = readFontProperty(path, reader, &isFont);
    if (isFont)
        return fontResult;
    if (is(path, "StartOfWeek"))
        setStartOfWeek(reader.readInteger());
    else if (is(path, "Month"))
        setMonth(reader.readInteger());
    else if (is(path, "Year"))
        setYear(reader.readInteger());
    else if (is(path, "ShowYear"))
        setShowYear(reader.readBoolean());
    else if (is(path, "DayNameBGColor"))
        setDayNameBGColor(reader.readColor());
    else if (is(path, "CalendarBorderStyle"))
        setCalendarBorderStyle(TFlatCalBorderStyle(reader.readEnum(flatCalBorderStyleNames())));
    else if (is(path, "DayNameBorderStyle"))
        setDayNameBorderStyle(TFlatCalBorderStyle(reader.readEnum(flatCalBorderStyleNames())));
    else if (is(path, "CellBorderStyle"))
        setCellBorderStyle(TFlatCalBorderStyle(reader.readEnum(flatCalBorderStyleNames())));
    else if (is(path, "DayNameStyle"))
        setDayNameStyle(TFlatCalHeadersStyle(reader.readEnum(flatCalHeadersStyleNames())));
    else if (is(path, "TitleBGcolor"))
        setTitleBGcolor(reader.readColor());
    else if (is(path, "Backgroundcolor"))
        setBackgroundcolor(reader.readColor());
    else if (is(path, "ShadowColor"))
        setShadowColor(reader.readColor());
    else if (is(path, "ShadowDepth"))
        setShadowDepth(reader.readInteger());
    else if (is(path, "ShadowPosition"))
        setShadowPosition(TFlatShadowPosition(reader.readEnum(flatShadowPositionNames())));
    else if (is(path, "Language"))
        setLanguage(TFlatCalLanguage(reader.readEnum(flatCalLanguageNames())));
    else if (is(path, "CalTransparent"))
        setCalTransparent(reader.readBoolean());
    else
        return TVGraphicControl::readProperty(path, reader);
    return TPropertyRead::Done;
}
