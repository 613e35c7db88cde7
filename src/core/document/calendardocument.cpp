#include "document/calendardocument.h"

#include "calendar/stylesheetfile.h"
#include "events/eventfill.h"
#include "events/icalendarfile.h"
#include "objects/placedobjects.h"
#include "objects/vflatcalendar.h"
#include "objects/vimage.h"
#include "platform/safefilereader.h"
#include "recurring/recurringfill.h"
#include "recurring/recurringlistfile.h"
#include "recurring/recurringplacements.h"

#include <QBuffer>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QPainter>

namespace {

// The whole file, or the message saying why not.
bool readWhole(const QString &fileName, bool styleSheet, QByteArray *bytes, QString *error)
{
    QString reason;
    if (SafeFileReader::read(
            fileName, styleSheet ? StyleSheetFile::kMaxFileSize : CalendarFile::kMaxFileSize, bytes, &reason))
        return true;
    *error = CalendarDocument::openFailedMessage(fileName, reason, styleSheet);
    return false;
}

} // namespace

CalendarDocument::CalendarDocument() = default;

bool CalendarDocument::isStyleSheetName(const QString &fileName)
{
    return fileName.toUpper().endsWith(QLatin1String(".DWS"));
}

QString CalendarDocument::openFailedMessage(const QString &fileName, const QString &reason, bool styleSheet)
{
    const QString name = QDir::toNativeSeparators(fileName);
    if (!reason.isEmpty())
        return QStringLiteral("Unable to open %1: %2").arg(name, reason);
    return QStringLiteral("Unable to open %1. Possibly corrupted, possibly not a %2")
        .arg(name, styleSheet ? QStringLiteral("Calendar Style file") : QStringLiteral("Calendar file"));
}

bool CalendarDocument::open(const QString &fileName, QString *error, CalendarFile::ReadReport *report)
{
    QByteArray bytes;
    if (!readWhole(fileName, false, &bytes, error))
        return false;
    return openBytes(bytes, fileName, error, report);
}

QByteArray CalendarDocument::fileBytes() const
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QString error;
    if (!CalendarFile::write(buffer, m_page, &m_objects, &error, &m_otherMonths))
        return {};
    return buffer.data();
}

bool CalendarDocument::openBytes(
    const QByteArray &bytes, const QString &fileName, QString *error, CalendarFile::ReadReport *report)
{
    QByteArray data = bytes;
    QBuffer file(&data);
    file.open(QIODevice::ReadOnly);
    CalendarFile::ReadReport found;
    QString reason;
    // A file that fails before its object list leaves page and objects alone.
    if (!CalendarFile::read(file, m_page, &m_objects, &reason, nullptr, &found)) {
        *error = openFailedMessage(fileName, QString(), false);
        return false;
    }
    if (report)
        *report = found;
    m_fileName = fileName;
    m_modified = false;
    m_otherMonths = found.otherMonths;
    followPage();
    m_history.reset();
    return true;
}

bool CalendarDocument::applyStyleSheet(
    const QString &fileName, QString *error, CalendarFile::ReadReport *report)
{
    QByteArray bytes;
    if (!readWhole(fileName, true, &bytes, error))
        return false;
    QBuffer file(&bytes);
    file.open(QIODevice::ReadOnly);
    CalendarFile::ReadReport found;
    QString reason;
    if (!StyleSheetFile::read(file, m_page, &reason, &found.version, &found.extrasRefused)) {
        *error = openFailedMessage(fileName, QString(), true);
        return false;
    }
    if (report)
        *report = found;
    return true;
}

bool CalendarDocument::save(QString *error)
{
    return saveAs(m_fileName, error);
}

bool CalendarDocument::saveAs(const QString &fileName, QString *error)
{
    if (!CalendarFile::save(fileName, m_page, &m_objects, error, &m_otherMonths))
        return false;
    m_fileName = fileName;
    m_modified = false;
    m_history.markSaved();
    return true;
}

int CalendarDocument::fillEntries(const QStringList &entries, const CalendarFont &defaultFont)
{
    return RecurringFill::ApplyEntries(m_page, entries, defaultFont);
}

int CalendarDocument::fillOccurrences(
    const QList<EventOccurrence> &occurrences, const CalendarFont &defaultFont)
{
    return EventFill::apply(m_page, occurrences, defaultFont);
}

bool CalendarDocument::fill(
    const QString &listFile, const CalendarFont &defaultFont, FillResult *result, QString *error)
{
    FillResult done;
    const int year = m_page.mainCalYear();
    const int month = m_page.mainCalMonth();
    done.events = ICalendarFile::isICalendarFile(listFile);
    if (done.events) {
        ICalendarFile events;
        if (!events.load(listFile, error))
            return false;
        ICalendarFile::Shortfall shortfall;
        const QList<EventOccurrence> occurrences = events.occurrences(year, month, &shortfall);
        QStringList notes = events.notes();
        if (!shortfall.isEmpty())
            notes << shortfall.message(listFile, year, month);
        done.note = notes.join(QLatin1Char('\n'));
        done.candidates = int(occurrences.size());
        done.placed = fillOccurrences(occurrences, defaultFont);
    } else {
        QStringList entries;
        if (!RecurringListFile::read(listFile, &entries, error))
            return false;
        const QStringList candidates = RecurringPlacements::CandidatesForMonth(entries, year, month);
        done.candidates = int(candidates.size());
        done.placed = fillEntries(candidates, defaultFont);
    }
    if (done.placed > 0)
        m_modified = true;
    if (result)
        *result = done;
    return true;
}

QMap<int, QByteArray> CalendarDocument::cellsByDay()
{
    QMap<int, QByteArray> cells;
    if (!m_page.layoutHasDayCells())
        return cells;
    m_page.recordCellTable(m_page.displayScale());
    const int days = QDate(m_page.mainCalYear(), m_page.mainCalMonth(), 1).daysInMonth();
    for (int day = 1; day <= days; ++day) {
        const int cell = m_page.cellOfDay(day);
        const TWPRtfStorage *storage = cell > 0 ? m_page.cellStorage(cell) : nullptr;
        if (storage && !storage->isEmpty())
            cells.insert(day, m_page.cellContents(cell));
    }
    return cells;
}

void CalendarDocument::showMonth(int year, int month, const QMap<int, QByteArray> &cells)
{
    m_page.clearAllCells();
    m_page.setMainCalYear(year);
    m_page.setMainCalMonth(month);
    if (!cells.isEmpty()) {
        m_page.recordCellTable(m_page.displayScale());
        for (auto it = cells.begin(); it != cells.end(); ++it) {
            const int cell = m_page.cellOfDay(it.key());
            if (cell > 0)
                m_page.setCellContents(cell, it.value());
        }
    }
    followPage();
}

void CalendarDocument::setRunStart(int year, int month)
{
    m_runStart = year * 12 + month - 1;
    followPage();
}

void CalendarDocument::followPage()
{
    const int shown = m_page.mainCalYear() * 12 + m_page.mainCalMonth() - 1;
    const int start = m_runStart > 0 ? m_runStart : m_page.mainCalYear() * 12;
    for (TComponent *child : m_objects.children()) {
        if (auto *image = dynamic_cast<TVImage *>(child); image && !image->pictureFolder().isEmpty())
            image->showFolderPicture(shown - start);
        auto *calendar = dynamic_cast<TVFlatCalendar *>(child);
        if (calendar && calendar->followsPage()) {
            calendar->setYear(m_page.mainCalYear());
            calendar->setMonth(m_page.mainCalMonth());
        }
    }
}

void CalendarDocument::moveToMonth(int year, int month)
{
    if (year == m_page.mainCalYear() && month == m_page.mainCalMonth())
        return;
    if (month < 1 || month > 12 || year < kFirstYear || year > kLastYear)
        return;
    const QMap<int, QByteArray> leaving = cellsByDay();
    const int leavingKey = monthCellsKey(m_page.mainCalYear(), m_page.mainCalMonth());
    if (leaving.isEmpty())
        m_otherMonths.remove(leavingKey);
    else
        m_otherMonths.insert(leavingKey, leaving);
    showMonth(year, month, m_otherMonths.take(monthCellsKey(year, month)));
    m_modified = true;
}

void CalendarDocument::paint(QPainter &painter, float zoom, const PagePaintOptions &options) const
{
    m_page.render(painter, zoom, options);
    PlacedObjects::paint(painter, m_objects, zoom);
}

QImage CalendarDocument::renderImage(float zoom) const
{
    QImage image(m_page.controlSizeAt(zoom), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paint(painter, zoom);
    return image;
}
