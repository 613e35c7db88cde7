#include "document/monthrun.h"

#include "calendar/calendarfile.h"
#include "calendar/pagelayout.h"
#include "events/icalendarfile.h"
#include "recurring/recurringlistfile.h"
#include "recurring/recurringplacements.h"

#include <QBuffer>
#include <QRegularExpression>

namespace {

bool parseMonth(const QString &text, int *year, int *month)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d{4})-(\\d{1,2})$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return false;
    *year = match.captured(1).toInt();
    *month = match.captured(2).toInt();
    return *year >= kFirstYear && *year <= kLastYear && *month >= 1 && *month <= 12;
}

} // namespace

bool MonthRange::parse(const QString &text, MonthRange *range, QString *error)
{
    const QStringList ends = text.split(QLatin1Char(':'));
    int fromYear = 0, fromMonth = 0, toYear = 0, toMonth = 0;
    if (ends.size() != 2 || !parseMonth(ends[0], &fromYear, &fromMonth)
        || !parseMonth(ends[1], &toYear, &toMonth)) {
        *error = QStringLiteral("--months must be FROM:TO, each a year and month such as 2027-01, not \"%1\"")
                     .arg(text);
        return false;
    }
    const int count = (toYear * 12 + toMonth) - (fromYear * 12 + fromMonth) + 1;
    if (count < 1) {
        *error = QStringLiteral("--months %1 ends before it starts").arg(text);
        return false;
    }
    if (count > kMostMonths) {
        *error = QStringLiteral("--months %1 covers %2 months; a run has at most %3")
                     .arg(text)
                     .arg(count)
                     .arg(kMostMonths);
        return false;
    }
    *range = { fromYear, fromMonth, count };
    return true;
}

FillSources::FillSources() = default;
FillSources::~FillSources() = default;

bool FillSources::add(const QString &fileName, QString *error)
{
    const bool calendar = ICalendarFile::isICalendarFile(fileName);
    if (calendar) {
        auto events = std::make_unique<ICalendarFile>();
        if (!events->load(fileName, error))
            return false;
        m_calendars.push_back(std::move(events));
    } else {
        QStringList entries;
        if (!RecurringListFile::read(fileName, &entries, error))
            return false;
        m_lists.push_back(entries);
    }
    m_isCalendar.push_back(calendar);
    return true;
}

int FillSources::fillInto(CalendarDocument &document, const CalendarFont &defaultFont) const
{
    const int year = document.page().mainCalYear();
    const int month = document.page().mainCalMonth();
    int placed = 0;
    size_t list = 0, calendar = 0;
    for (const bool isCalendar : m_isCalendar) {
        if (isCalendar)
            placed
                += document.fillOccurrences(m_calendars[calendar++]->occurrences(year, month), defaultFont);
        else
            placed += document.fillEntries(
                RecurringPlacements::CandidatesForMonth(m_lists[list++], year, month), defaultFont);
    }
    return placed;
}

MonthRun::MonthRun(CalendarDocument &design, const MonthRange &range, const FillSources *fills,
    const CalendarFont &defaultFont)
    : m_range(range)
    , m_fills(fills)
    , m_defaultFont(defaultFont)
    , m_typed(design.otherMonths())
{
    const QMap<int, QByteArray> own = design.cellsByDay();
    if (!own.isEmpty())
        m_typed.insert(monthCellsKey(design.page().mainCalYear(), design.page().mainCalMonth()), own);
    // The page is a copy of the design made through its file form, so it
    // holds the same objects without sharing any.
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    QString error;
    CalendarFile::write(buffer, design.page(), &design.objects(), &error);
    buffer.seek(0);
    m_page.page().setDisplayScale(design.page().displayScale());
    CalendarFile::read(buffer, m_page.page(), &m_page.objects(), &error, nullptr, nullptr, true);
    m_page.setRunStart(range.firstYear, range.firstMonth);
}

CalendarDocument &MonthRun::page(int index)
{
    const int year = m_range.yearAt(index);
    const int month = m_range.monthAt(index);
    m_page.showMonth(year, month, m_typed.value(monthCellsKey(year, month)));
    if (m_fills)
        m_fills->fillInto(m_page, m_defaultFont);
    return m_page;
}
