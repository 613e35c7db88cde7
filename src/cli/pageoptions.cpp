#include "pageoptions.h"

#include "calendar/calendarpage.h"
#include "calendar/languagetables.h"
#include "calendar/stylesheetfile.h"
#include "document/calendardocument.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace PageOptions {

namespace {

const QString kLayout = QStringLiteral("layout");
const QString kPaper = QStringLiteral("paper");
const QString kMonth = QStringLiteral("month");
const QString kYear = QStringLiteral("year");
const QString kDay = QStringLiteral("day");
const QString kWeekStart = QStringLiteral("week-start");
const QString kLanguage = QStringLiteral("language");
const QString kMargins = QStringLiteral("margins");
const QString kBorder = QStringLiteral("border");
const QString kTitle = QStringLiteral("title");
const QString kStyle = QStringLiteral("style");
const QString kWeekNumbers = QStringLiteral("week-numbers");
const QString kShadeWeekends = QStringLiteral("shade-weekends");
const QString kNeighbourDays = QStringLiteral("neighbour-days");
const QString kMoon = QStringLiteral("moon");

// The border names the page can show in its orientation, for a message.
QString borderNames(const CalendarPage &page)
{
    const QString extension
        = page.calendarOrientation() == coPortrait ? QStringLiteral("wpo") : QStringLiteral("wls");
    QStringList names;
    const QDir folder(page.borderFolder() + QStringLiteral("/Borders"));
    for (const QFileInfo &file : folder.entryInfoList(QDir::Files, QDir::Name | QDir::IgnoreCase))
        if (file.suffix().compare(extension, Qt::CaseInsensitive) == 0)
            names << file.completeBaseName();
    return names.isEmpty() ? QStringLiteral("the Borders folder is empty")
                           : QStringLiteral("the Borders folder holds ") + names.join(QStringLiteral(", "));
}

bool wholeNumber(
    const QCommandLineParser &parser, const QString &option, int low, int high, int *value, QString *error)
{
    bool ok = false;
    const QString text = parser.value(option);
    *value = text.toInt(&ok);
    if (ok && *value >= low && *value <= high)
        return true;
    *error = QStringLiteral("--%1 must be a whole number from %2 to %3, not \"%4\"")
                 .arg(option)
                 .arg(low)
                 .arg(high)
                 .arg(text);
    return false;
}

bool margins(const QCommandLineParser &parser, float values[4], QString *error)
{
    const QString text = parser.value(kMargins);
    const QStringList parts = text.split(QLatin1Char(','));
    bool ok = parts.size() == 4;
    for (int i = 0; ok && i < 4; ++i) {
        values[i] = parts[i].trimmed().toFloat(&ok);
        ok = ok && values[i] >= 0.0f && values[i] <= 3.0f;
    }
    if (!ok)
        *error = QStringLiteral(
            "--margins takes four numbers of inches from 0 to 3 as LEFT,TOP,RIGHT,BOTTOM, not \"%1\"")
                     .arg(text);
    return ok;
}

struct Values
{
    int layout = -1, month = 0, year = 0, day = -1, startOfWeek = 0;
    PaperSize paper = PaperSize::Letter;
    bool paperGiven = false, languageGiven = false, marginsGiven = false;
    CalendarLanguage language = CalendarLanguage::English;
    float margins[4] {};
};

// Every value is checked before the page is touched.
bool collect(const QCommandLineParser &p, Values &v, QString *error)
{
    if (p.isSet(kLayout) && !wholeNumber(p, kLayout, 0, kLayoutCount - 1, &v.layout, error))
        return false;
    if (p.isSet(kMonth) && !wholeNumber(p, kMonth, 1, 12, &v.month, error))
        return false;
    if (p.isSet(kYear) && !wholeNumber(p, kYear, kFirstYear, kLastYear, &v.year, error))
        return false;
    if (p.isSet(kDay) && !wholeNumber(p, kDay, 1, 31, &v.day, error))
        return false;
    if (p.isSet(kPaper)) {
        const QString paper = p.value(kPaper).toLower();
        if (paper != QLatin1String("letter") && paper != QLatin1String("a4")) {
            *error = QStringLiteral("--paper must be letter or a4, not \"%1\"").arg(p.value(kPaper));
            return false;
        }
        v.paper = paper == QLatin1String("a4") ? PaperSize::A4 : PaperSize::Letter;
        v.paperGiven = true;
    }
    if (p.isSet(kWeekStart)) {
        const QString start = p.value(kWeekStart).toLower();
        if (start != QLatin1String("sunday") && start != QLatin1String("monday")) {
            *error = QStringLiteral("--week-start must be sunday or monday, not \"%1\"")
                         .arg(p.value(kWeekStart));
            return false;
        }
        v.startOfWeek = start == QLatin1String("sunday") ? 1 : 2;
    }
    if (p.isSet(kLanguage)) {
        if (!LanguageTables::fromName(p.value(kLanguage), &v.language)) {
            *error
                = QStringLiteral("--language must be english, german, french, italian or spanish, not \"%1\"")
                      .arg(p.value(kLanguage));
            return false;
        }
        v.languageGiven = true;
    }
    if (p.isSet(kMargins)) {
        if (!margins(p, v.margins, error))
            return false;
        v.marginsGiven = true;
    }
    return true;
}

void applyNames(CalendarPage &page, CalendarLanguage language)
{
    const QStringList months = LanguageTables::monthNames(language);
    const QStringList days = LanguageTables::dayNames(language);
    for (int i = 1; i <= 12; ++i)
        page.setMonthName(i, months[i - 1]);
    for (int i = 1; i <= 7; ++i)
        page.setDayName(i, days[i - 1]);
}

} // namespace

void addTo(QCommandLineParser &parser)
{
    parser.addOptions({
        { kLayout, QStringLiteral("Page layout, 0 to 21."), QStringLiteral("N") },
        { kPaper, QStringLiteral("Paper size: letter or a4."), QStringLiteral("SIZE") },
        { kMonth, QStringLiteral("Month shown, 1 to 12."), QStringLiteral("M") },
        { kYear, QStringLiteral("Year shown."), QStringLiteral("Y") },
        { kDay, QStringLiteral("Day the planners start on."), QStringLiteral("D") },
        { kWeekStart, QStringLiteral("First day of the week: sunday or monday."), QStringLiteral("DAY") },
        { kLanguage, QStringLiteral("Month and day names: english, german, french, italian or spanish."),
            QStringLiteral("LANG") },
        { kMargins, QStringLiteral("Margins in inches."), QStringLiteral("L,T,R,B") },
        { kBorder, QStringLiteral("Border picture name from the Borders folder."), QStringLiteral("NAME") },
        { kTitle, QStringLiteral("A title of your own instead of the month."), QStringLiteral("TEXT") },
        { kStyle, QStringLiteral("Style sheet to start from."), QStringLiteral("FILE.DWS") },
        { kWeekNumbers, QStringLiteral("Week numbers (ISO 8601) left of the month grid and the minis.") },
        { kShadeWeekends, QStringLiteral("Saturday and Sunday cells shaded.") },
        { kNeighbourDays, QStringLiteral("The neighbouring months' days in the blank cells.") },
        { kMoon, QStringLiteral("New, first-quarter, full and last-quarter moons in the day cells.") },
    });
}

bool apply(const QCommandLineParser &p, CalendarDocument &document, QString *error)
{
    CalendarPage &page = document.page();
    Values v;
    if (!collect(p, v, error))
        return false;
    const int kind = page.layoutKind(), month = page.mainCalMonth(), year = page.mainCalYear();
    // The style sheet first, so the other options change what it gave.
    if (p.isSet(kStyle)) {
        const QString style = p.value(kStyle);
        CalendarFile::ReadReport report;
        if (!document.applyStyleSheet(style, error, &report))
            return false;
        if (report.extrasRefused)
            std::fprintf(stderr, "%s\n", qPrintable(StyleSheetFile::extrasRefusedMessage(style)));
    }
    if (v.paperGiven)
        page.setPaperSize(v.paper);
    if (v.layout >= 0 && v.layout != page.calendarLayout()) {
        page.setCalendarLayout(v.layout);
        page.relayout(true); // a chosen layout brings its own mini font sizes
    }
    // Another month shows the cells typed into it, as the program's month
    // move does; the month's own day comes after.
    if (v.month > 0 || v.year > 0)
        document.moveToMonth(v.year > 0 ? v.year : year, v.month > 0 ? v.month : month);
    if (v.day > 0)
        page.setMainCalDay(v.day);
    // As the program does: text written for another kind of page is not shown on this one.
    if (!page.cellsStillFit(kind, page.mainCalMonth(), page.mainCalYear()))
        page.clearAllCells();
    if (v.startOfWeek > 0)
        page.setStartOfWeek(v.startOfWeek);
    if (v.languageGiven)
        applyNames(page, v.language);
    if (v.marginsGiven) {
        page.setLeftMarginInch(v.margins[0]);
        page.setTopMarginInch(v.margins[1]);
        page.setRightMarginInch(v.margins[2]);
        page.setBottomMarginInch(v.margins[3]);
    }
    if (p.isSet(kBorder)) {
        // A name typed with its file's extension means the same picture.
        QString name = p.value(kBorder);
        if (name.endsWith(QLatin1String(".wpo"), Qt::CaseInsensitive)
            || name.endsWith(QLatin1String(".wls"), Qt::CaseInsensitive))
            name.chop(4);
        page.setWMFBorderFile(name);
        if (page.wmfBorderFile() != name) {
            *error = page.borderError() + QStringLiteral("; ") + borderNames(page);
            return false;
        }
    }
    if (p.isSet(kTitle))
        page.setUserTitle(p.value(kTitle));
    // The switches only add to what the source or style sheet shows.
    PageExtras extras = page.extras();
    extras.weekNumbers |= p.isSet(kWeekNumbers);
    extras.shadeWeekends |= p.isSet(kShadeWeekends);
    extras.neighbourDays |= p.isSet(kNeighbourDays);
    extras.moonPhases |= p.isSet(kMoon);
    page.setExtras(extras);
    return true;
}

} // namespace PageOptions
