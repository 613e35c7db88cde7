#include "calendar/calendarpage.h"

#include "platform/datafolder.h"
#include "platform/localenames.h"
#include "richtext/richtextcellpainter.h"

#include <QFileInfo>

#include <cmath>

CalendarPage::CalendarPage(QObject *parent)
    : QObject(parent)
    , m_cellPainter(std::make_shared<RichTextCellPainter>())
{
    loadSystemNames();
    relayout(true);
}

CalendarPage::~CalendarPage() = default;

template <typename T> void CalendarPage::assignAndRedraw(T &field, const T &value, RedrawWhen when)
{
    if (when == RedrawWhen::Changed && field == value)
        return;
    field = value;
    emit redrawRequested();
}

template <typename T> void CalendarPage::assignAndRelayout(T &field, const T &value)
{
    if (field == value)
        return;
    field = value;
    relayout();
}

void CalendarPage::setCalendarLayout(int layout)
{
    if (!isValidLayout(layout) || layout == m_attr.calendarLayout)
        return;
    m_attr.calendarLayout = layout;
    relayout();
    // The orientation may have turned: load the border drawn for it.
    if (!m_attr.wmfBorderFile.isEmpty())
        setWMFBorderFile(m_attr.wmfBorderFile);
}

void CalendarPage::setCalendarOrientation(TCalendarOrientation orientation)
{
    // Relayout derives the orientation from the layout again.
    assignAndRelayout(m_attr.calendarOrientation, orientation);
}

void CalendarPage::setCalendarLineLayout(TCalendarLineLayout lineLayout)
{
    if (lineLayout == m_attr.calendarLineLayout || lineLayout > llCellsOnly)
        return;
    m_attr.calendarLineLayout = lineLayout;
    applyLineLayoutPreset();
    emit redrawRequested();
}

void CalendarPage::setMiniCalendarLineLayout(TMiniCalendarLineLayout lineLayout)
{
    if (lineLayout == m_attr.miniCalendarLineLayout || lineLayout > mllMinimal)
        return;
    m_attr.miniCalendarLineLayout = lineLayout;
    applyMiniLineLayoutPreset();
    emit redrawRequested();
}

namespace {

// The border styles a line layout stands for: outer box, header row, cells.
struct BorderPreset
{
    TCalBorderStyle outer, headers, cells;
};

const BorderPreset kLinePresets[] = {
    { cbAll, cbAll, cbAll }, // llFull
    { cbNone, cbAll, cbAll }, // llHeadersAndCells
    { cbNone, cbNone, cbAll }, // llCellsOnly
};

const BorderPreset kMiniLinePresets[] = {
    { cbAll, cbAll, cbAll }, // mllFull
    { cbAll, cbTopBottom, cbNone }, // mllBoxed
    { cbNone, cbTop, cbNone }, // mllMinimal
};

} // namespace

void CalendarPage::applyLineLayoutPreset()
{
    const BorderPreset &preset = kLinePresets[m_attr.calendarLineLayout];
    m_attr.calendarBorder = preset.outer;
    m_attr.headersBorder = preset.headers;
    m_attr.cellBorder = preset.cells;
}

void CalendarPage::applyMiniLineLayoutPreset()
{
    const BorderPreset &preset = kMiniLinePresets[m_attr.miniCalendarLineLayout];
    m_attr.miniCalBorder = preset.outer;
    m_attr.miniHeadersBorder = preset.headers;
    m_attr.miniCellBorder = preset.cells;
}

void CalendarPage::setCalendarBorder(TCalBorderStyle style)
{
    assignAndRedraw(m_attr.calendarBorder, style);
}
void CalendarPage::setHeadersBorder(TCalBorderStyle style)
{
    assignAndRedraw(m_attr.headersBorder, style);
}
void CalendarPage::setCellBorder(TCalBorderStyle style)
{
    assignAndRedraw(m_attr.cellBorder, style);
}
void CalendarPage::setMiniCalBorder(TCalBorderStyle style)
{
    assignAndRedraw(m_attr.miniCalBorder, style);
}
void CalendarPage::setMiniHeadersBorder(TCalBorderStyle style)
{
    assignAndRedraw(m_attr.miniHeadersBorder, style);
}
void CalendarPage::setMiniCellBorder(TCalBorderStyle style)
{
    assignAndRedraw(m_attr.miniCellBorder, style);
}
void CalendarPage::setHeadersStyle(TCalHeadersStyle style)
{
    assignAndRedraw(m_attr.headersStyle, style);
}
void CalendarPage::setMiniHeadersStyle(TCalHeadersStyle style)
{
    assignAndRedraw(m_attr.miniHeadersStyle, style);
}
void CalendarPage::setNumberPosition(TCalendarNumberPosition position)
{
    assignAndRedraw(m_attr.numberPosition, position);
}
void CalendarPage::setTitleShowYear(bool show)
{
    assignAndRedraw(m_attr.titleShowYear, show);
}
void CalendarPage::setMiniShowYear(bool show)
{
    assignAndRedraw(m_attr.miniShowYear, show);
}
void CalendarPage::setTitleBGColor(TColor color)
{
    assignAndRedraw(m_attr.titleBGColor, color);
}
void CalendarPage::setHeadersBGColor(TColor color)
{
    assignAndRedraw(m_attr.headersBGColor, color);
}
void CalendarPage::setMiniHeadersBGColor(TColor color)
{
    assignAndRedraw(m_attr.miniHeadersBGColor, color);
}
void CalendarPage::setMiniCalBGColor(TColor color)
{
    assignAndRedraw(m_attr.miniCalBGColor, color);
}
void CalendarPage::setStartOfWeek(int day)
{
    assignAndRedraw(m_attr.startOfWeek, day);
}
void CalendarPage::setUserTitle(const QString &title)
{
    assignAndRedraw(m_attr.userTitle, title);
}
void CalendarPage::setExtras(const PageExtras &extras)
{
    // Week numbers take a column from the grid, so the cells move.
    assignAndRelayout(m_attr.extras, extras);
}

void CalendarPage::setTitleFont(const CalendarFont &font)
{
    assignAndRedraw(m_attr.titleFont, font, RedrawWhen::Always);
}
void CalendarPage::setHeadersFont(const CalendarFont &font)
{
    assignAndRedraw(m_attr.headersFont, font, RedrawWhen::Always);
}
void CalendarPage::setCellFont(const CalendarFont &font)
{
    assignAndRedraw(m_attr.cellFont, font, RedrawWhen::Always);
}
void CalendarPage::setMiniTitleFont(const CalendarFont &font)
{
    assignAndRedraw(m_attr.miniTitleFont, font, RedrawWhen::Always);
}
void CalendarPage::setMiniHeadersFont(const CalendarFont &font)
{
    assignAndRedraw(m_attr.miniHeadersFont, font, RedrawWhen::Always);
}
void CalendarPage::setMiniCellFont(const CalendarFont &font)
{
    assignAndRedraw(m_attr.miniCellFont, font, RedrawWhen::Always);
}

void CalendarPage::setMainCalDay(int day)
{
    assignAndRelayout(m_attr.mainCalDay, day);
}

void CalendarPage::setMainCalMonth(int month)
{
    if (month >= 1 && month <= 12)
        assignAndRelayout(m_attr.mainCalMonth, month);
}

void CalendarPage::setMainCalYear(int year)
{
    if (year >= kFirstYear && year <= kLastYear)
        assignAndRelayout(m_attr.mainCalYear, year);
}

static bool isUsableMargin(float inches)
{
    return std::isfinite(inches) && inches >= 0.0f && inches < 5.0f;
}

void CalendarPage::setLeftMarginInch(float inches)
{
    if (isUsableMargin(inches))
        assignAndRelayout(m_attr.leftMarginInch, inches);
}

void CalendarPage::setTopMarginInch(float inches)
{
    if (isUsableMargin(inches))
        assignAndRelayout(m_attr.topMarginInch, inches);
}

void CalendarPage::setRightMarginInch(float inches)
{
    if (isUsableMargin(inches))
        assignAndRelayout(m_attr.rightMarginInch, inches);
}

void CalendarPage::setBottomMarginInch(float inches)
{
    if (isUsableMargin(inches))
        assignAndRelayout(m_attr.bottomMarginInch, inches);
}

void CalendarPage::setPaperSize(PaperSize paper)
{
    assignAndRelayout(m_attr.paperSize, paper);
}
void CalendarPage::setStartingTime(double dayFraction)
{
    assignAndRelayout(m_attr.startingTime, dayFraction);
}

void CalendarPage::setPanelState(TLPanelState state)
{
    m_panelState = state;
    emit panelStateChanged(state);
}

QString CalendarPage::borderFolder() const
{
    return m_borderFolder.isEmpty() ? DataFolder::path() : m_borderFolder;
}

void CalendarPage::setWMFBorderFile(const QString &name)
{
    const QString extension
        = m_attr.calendarOrientation == coPortrait ? QStringLiteral(".wpo") : QStringLiteral(".wls");
    m_borderError.clear();
    if (name.isEmpty()) {
        m_attr.wmfBorderFile.clear();
        m_borderPicture.clear();
    } else if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\'))
        || name == QLatin1String("..")) {
        // A name from a file must not reach outside the Borders folder.
        m_borderError = QStringLiteral("The border picture name %1 is not valid").arg(name);
    } else {
        const QString file
            = DataFolder::findCaseInsensitive(borderFolder(), QStringLiteral("Borders/") + name + extension);
        if (file.isEmpty()) {
            m_borderError = QStringLiteral("The border picture %1 does not exist").arg(name + extension);
        } else {
            m_attr.wmfBorderFile = name;
            if (!m_borderPicture.load(file, &m_borderError))
                m_attr.wmfBorderFile.clear();
        }
    }
    relayout();
}

void CalendarPage::monthName(int index, QString &output) const
{
    if (index >= 1 && index <= 12 && index <= m_attr.monthNames.size())
        output = m_attr.monthNames.at(index - 1);
}

void CalendarPage::setMonthName(int index, const QString &name)
{
    if (index >= 1 && index <= 12)
        m_attr.monthNames[index - 1] = name;
}

void CalendarPage::dayName(int index, QString &output) const
{
    if (index >= 1 && index <= 7 && index <= m_attr.dayNames.size())
        output = m_attr.dayNames.at(index - 1);
}

void CalendarPage::setDayName(int index, const QString &name)
{
    if (index >= 1 && index <= 7)
        m_attr.dayNames[index - 1] = name;
}

void CalendarPage::loadSystemNames()
{
    m_attr.monthNames = LocaleNames::monthNames();
    m_attr.dayNames = LocaleNames::dayNames();
}

void CalendarPage::loadAttributes(const CalendarAttributes &attributes)
{
    m_attr = attributes;
    // Name tables always hold 12 and 7 entries, whatever a file gave.
    while (m_attr.monthNames.size() < 12)
        m_attr.monthNames << QString();
    while (m_attr.dayNames.size() < 7)
        m_attr.dayNames << QString();
    m_attr.monthNames = m_attr.monthNames.mid(0, 12);
    m_attr.dayNames = m_attr.dayNames.mid(0, 7);
    relayout();
}

void CalendarPage::resetToDefaultStyle(const QDate &today)
{
    m_attr.paperSize = PaperSize::Letter;
    setUserTitle(QString());
    m_attr.calendarLayout = loFCMinisInTitleLS;
    m_attr.startOfWeek = 1;
    loadSystemNames();
    m_attr.mainCalDay = today.day();
    m_attr.mainCalMonth = today.month();
    m_attr.mainCalYear = today.year();
    m_attr.titleBGColor = clWhite;
    m_attr.headersBGColor = clWhite;
    m_attr.miniCalBGColor = clWhite;
    m_attr.miniHeadersFont.color = clBlack;
    m_attr.miniHeadersBGColor = clWhite;
    m_attr.miniHeadersStyle = dsFirstChar;
    m_attr.titleShowYear = true;
    m_attr.miniShowYear = true;
    m_attr.leftMarginInch = m_attr.topMarginInch = m_attr.rightMarginInch = m_attr.bottomMarginInch = 0.5f;
    m_attr.startingTime = 8.0 / 24.0;
    m_attr.extras = PageExtras();
    setCalendarLineLayout(llFull);
    setMiniCalendarLineLayout(mllBoxed);
    setWMFBorderFile(QString());
    relayout(true);
}

void CalendarPage::copyAttributesFrom(const CalendarPage &other)
{
    const CalendarAttributes &o = other.m_attr;
    m_attr.paperSize = o.paperSize;
    m_attr.calendarLayout = o.calendarLayout;
    m_attr.calendarOrientation = o.calendarOrientation;
    m_attr.startOfWeek = o.startOfWeek;
    m_attr.monthNames = o.monthNames;
    m_attr.dayNames = o.dayNames;
    m_attr.mainCalDay = o.mainCalDay;
    m_attr.mainCalMonth = o.mainCalMonth;
    m_attr.mainCalYear = o.mainCalYear;
    m_attr.titleFont = o.titleFont;
    m_attr.titleBGColor = o.titleBGColor;
    m_attr.headersFont = o.headersFont;
    m_attr.headersBGColor = o.headersBGColor;
    m_attr.headersStyle = o.headersStyle;
    m_attr.cellFont = o.cellFont;
    m_attr.miniCalBGColor = o.miniCalBGColor;
    m_attr.miniTitleFont = o.miniTitleFont;
    m_attr.miniHeadersFont = o.miniHeadersFont;
    m_attr.miniHeadersBGColor = o.miniHeadersBGColor;
    m_attr.miniHeadersStyle = o.miniHeadersStyle;
    m_attr.miniCellFont = o.miniCellFont;
    m_attr.titleShowYear = o.titleShowYear;
    m_attr.miniShowYear = o.miniShowYear;
    m_attr.leftMarginInch = o.leftMarginInch;
    m_attr.topMarginInch = o.topMarginInch;
    m_attr.rightMarginInch = o.rightMarginInch;
    m_attr.bottomMarginInch = o.bottomMarginInch;
    m_attr.startingTime = o.startingTime;
    m_attr.extras = o.extras;
    setCalendarLineLayout(o.calendarLineLayout);
    setMiniCalendarLineLayout(o.miniCalendarLineLayout);
    setUserTitle(o.userTitle);
    if (!other.m_borderFolder.isEmpty())
        m_borderFolder = other.m_borderFolder;
    setWMFBorderFile(o.wmfBorderFile);
    relayout();
}

bool CalendarPage::sameAttributes(const CalendarPage &other) const
{
    return m_attr.sameAttributes(other.m_attr);
}

void CalendarPage::applyMiniFontSizes(int size)
{
    m_attr.miniTitleFont.size = size;
    m_attr.miniHeadersFont.size = int(size * 0.8);
    m_attr.miniCellFont.size = int(size * 0.8);
}

void CalendarPage::relayout(bool applyMiniFontSizes)
{
    m_layout = computePageLayout(m_attr, m_layout.calendarRect);
    m_attr.calendarOrientation = m_layout.orientation;
    if (applyMiniFontSizes && m_layout.miniFontSize > 0)
        this->applyMiniFontSizes(m_layout.miniFontSize);
    emit layoutChanged();
}

void CalendarPage::setDisplayScale(float scale)
{
    if (scale == m_scale || !(scale > 0.0f))
        return;
    m_scale = scale;
    emit layoutChanged();
}
