#include "infojson.h"

#include "calendar/calendarpage.h"
#include "document/calendardocument.h"
#include "richtext/wprtfstorage.h"
#include "stream/component.h"
#include "stream/recordproperties.h"

#include <QJsonArray>

#include <cmath>

namespace InfoJson {

namespace {

QJsonArray rect(const TRect &r)
{
    return { r.left, r.top, r.right, r.bottom };
}

QJsonObject font(const CalendarFont &f)
{
    return { { "name", f.name }, { "size", f.size }, { "bold", f.bold }, { "italic", f.italic },
        { "underline", f.underline }, { "strikeout", f.strikeout }, { "color", qint64(f.color) } };
}

QString startTime(double dayFraction)
{
    const int minutes = int(std::lround(dayFraction * 24 * 60)) % (24 * 60);
    return QStringLiteral("%1:%2")
        .arg(minutes / 60, 2, 10, QLatin1Char('0'))
        .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QJsonObject attributes(const CalendarPage &page)
{
    const CalendarAttributes &a = page.attributes();
    return {
        { "paperSize", int(a.paperSize) },
        { "orientation", int(a.calendarOrientation) },
        { "layout", a.calendarLayout },
        { "margins",
            QJsonObject { { "left", double(a.leftMarginInch) }, { "top", double(a.topMarginInch) },
                { "right", double(a.rightMarginInch) }, { "bottom", double(a.bottomMarginInch) } } },
        { "border", a.wmfBorderFile },
        { "date",
            QJsonObject { { "day", a.mainCalDay }, { "month", a.mainCalMonth }, { "year", a.mainCalYear } } },
        { "startOfWeek", a.startOfWeek },
        { "startTime", startTime(a.startingTime) },
        { "userTitle", a.userTitle },
        { "monthNames", QJsonArray::fromStringList(a.monthNames) },
        { "dayNames", QJsonArray::fromStringList(a.dayNames) },
        { "calendarBorder", int(a.calendarBorder) },
        { "headersBorder", int(a.headersBorder) },
        { "cellBorder", int(a.cellBorder) },
        { "miniCalBorder", int(a.miniCalBorder) },
        { "miniHeadersBorder", int(a.miniHeadersBorder) },
        { "miniCellBorder", int(a.miniCellBorder) },
        { "calendarLineLayout", int(a.calendarLineLayout) },
        { "miniCalendarLineLayout", int(a.miniCalendarLineLayout) },
        { "headersStyle", int(a.headersStyle) },
        { "miniHeadersStyle", int(a.miniHeadersStyle) },
        { "numberPosition", int(a.numberPosition) },
        { "titleShowYear", a.titleShowYear },
        { "miniShowYear", a.miniShowYear },
        { "colors",
            QJsonObject { { "titleBG", qint64(a.titleBGColor) }, { "headersBG", qint64(a.headersBGColor) },
                { "miniHeadersBG", qint64(a.miniHeadersBGColor) },
                { "miniCalBG", qint64(a.miniCalBGColor) } } },
        { "fonts",
            QJsonObject { { "title", font(a.titleFont) }, { "headers", font(a.headersFont) },
                { "cell", font(a.cellFont) }, { "miniTitle", font(a.miniTitleFont) },
                { "miniHeaders", font(a.miniHeadersFont) }, { "miniCell", font(a.miniCellFont) } } },
        { "extras",
            QJsonObject { { "weekNumbers", a.extras.weekNumbers },
                { "shadeWeekends", a.extras.shadeWeekends }, { "neighbourDays", a.extras.neighbourDays },
                { "moonPhases", a.extras.moonPhases }, { "shadeColor", qint64(a.extras.shadeColor) } } },
    };
}

QJsonArray cells(CalendarPage &page)
{
    QJsonArray out;
    for (int i = 1; i <= kCellCount; ++i) {
        const TWPRtfStorage *storage = page.cellStorage(i);
        if (storage->isEmpty())
            continue;
        out.append(
            QJsonObject { { "index", i }, { "day", page.dayOfCell(i) }, { "text", storage->plainText() } });
    }
    return out;
}

QJsonValue jsonValue(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Int:
        return value.toInt();
    case QMetaType::Double:
        return value.toDouble();
    case QMetaType::Bool:
        return value.toBool();
    case QMetaType::QString:
        return value.toString();
    case QMetaType::QStringList:
        return QJsonArray::fromStringList(value.toStringList());
    case QMetaType::QByteArray: // pictures and rich text: their size only
        return QJsonObject { { "size", value.toByteArray().size() } };
    case QMetaType::QVariantList: {
        QJsonArray items;
        for (const QVariant &item : value.toList())
            items.append(jsonValue(item));
        return items;
    }
    default:
        return QJsonValue::Null;
    }
}

// Class, name and bounds first, then every other stored property by the
// name its record gives it.
QJsonArray objects(const TComponent *parent)
{
    QJsonArray out;
    if (!parent)
        return out;
    const char *const bounds[] = { "Left", "Top", "Width", "Height" };
    for (const TComponent *object : parent->children()) {
        QJsonObject entry { { "class", object->className() }, { "name", object->name() }, { "left", 0 },
            { "top", 0 }, { "width", 0 }, { "height", 0 } };
        for (const RecordProperties::Property &property : RecordProperties::of(*object)) {
            QString key = property.first;
            for (const char *bound : bounds) {
                if (key == QLatin1String(bound))
                    key = key.toLower();
            }
            entry.insert(key, jsonValue(property.second));
        }
        out.append(entry);
    }
    return out;
}

QJsonObject geometry(const CalendarPage &page)
{
    const PageLayout &layout = page.layout();
    QJsonArray minis;
    if (layout.showsMinis) {
        for (int k = 0; k < layout.miniCount; ++k) {
            const MiniCalendarSlot &mini = layout.minis[size_t(k)];
            minis.append(QJsonObject {
                { "rect", rect(mini.rect) }, { "month", mini.month.month }, { "year", mini.month.year } });
        }
    }
    QJsonArray cells;
    for (int i = 1; i <= kCellCount; ++i) {
        const DayCell &cell = page.cellTable()[size_t(i - 1)];
        cells.append(QJsonObject {
            { "index", i }, { "rect", rect(cell.rect) }, { "free", rect(cell.free) }, { "day", cell.day } });
    }
    return { { "pageWidth", layout.pageWidth }, { "pageHeight", layout.pageHeight },
        { "pageRect", rect(layout.pageRect) }, { "calendarRect", rect(layout.calendarRect) },
        { "minis", minis }, { "cells", cells } };
}

// The cell texts typed into months other than the page's own, month by month.
QJsonArray otherMonths(const MonthCells &months)
{
    QJsonArray out;
    for (auto month = months.begin(); month != months.end(); ++month) {
        QJsonArray cells;
        for (auto day = month->begin(); day != month->end(); ++day) {
            TWPRtfStorage storage;
            storage.setRtf(day.value());
            cells.append(QJsonObject { { "day", day.key() }, { "text", storage.plainText() } });
        }
        out.append(QJsonObject {
            { "year", month.key() / 12 }, { "month", month.key() % 12 + 1 }, { "cells", cells } });
    }
    return out;
}

} // namespace

QJsonObject describe(CalendarDocument &document, const QString &kind, int version)
{
    CalendarPage &page = document.page();
    page.recordCellTable(1.0f);
    QJsonObject out = attributes(page);
    out.insert("kind", kind);
    out.insert("version", version);
    out.insert("cells", cells(page));
    out.insert("objects", objects(&document.objects()));
    out.insert("geometry", geometry(page));
    if (!document.otherMonths().isEmpty())
        out.insert("otherMonths", otherMonths(document.otherMonths()));
    return out;
}

} // namespace InfoJson
