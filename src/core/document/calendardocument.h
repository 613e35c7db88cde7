#pragma once

#include "calendar/calendarfile.h"
#include "calendar/calendarpage.h"
#include "calendar/monthcells.h"
#include "calendar/pagepaintoptions.h"
#include "document/documenthistory.h"
#include "events/eventoccurrence.h"

#include "stream/component.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

struct CalendarFont;
class QPainter;

// A calendar: the page with its cells, the placed objects over it, the file
// it belongs to, whether it changed since, and its undo history. It is
// opened, filled, moved to another month, drawn and saved here, so the
// program, the command-line tool and the tests do each the same way.
//
// The objects' owner is also their parent, so its children are the stacking
// order, bottom to top, which is the order files store them in.
//
//   CalendarDocument document;
//   QString error;
//   if (!document.open(path, &error)) show(error);   // the document as it was
//   document.fill(listPath, font, nullptr, &error);  // a .DAX list or an .ics file
//   if (!document.save(&error)) show(error);          // the file as it was
class CalendarDocument
{
public:
    // What a fill found and did.
    struct FillResult
    {
        bool events = false; // the list was an iCalendar file
        int candidates = 0; // entries or occurrences that fall in the month
        int placed = 0; // texts placed into cells
        // What an iCalendar file's reader left out or read otherwise (a
        // sentence a line, naming the file); empty when nothing.
        QString note;
    };

    CalendarDocument();
    CalendarDocument(const CalendarDocument &) = delete;
    CalendarDocument &operator=(const CalendarDocument &) = delete;

    [[nodiscard]] CalendarPage &page() { return m_page; }
    [[nodiscard]] const CalendarPage &page() const { return m_page; }
    [[nodiscard]] TComponent &objects() { return m_objects; }
    [[nodiscard]] const TComponent &objects() const { return m_objects; }
    [[nodiscard]] DocumentHistory &history() { return m_history; }

    // The file the calendar was opened from or last saved to; empty for a
    // new one.
    [[nodiscard]] const QString &fileName() const { return m_fileName; }
    void setFileName(const QString &fileName) { m_fileName = fileName; }
    [[nodiscard]] bool isModified() const { return m_modified; }
    void setModified(bool modified) { m_modified = modified; }

    // Style sheets (.DWS) hold the page's look; everything else is a calendar.
    [[nodiscard]] static bool isStyleSheetName(const QString &fileName);
    // "Unable to open NAME: REASON" when the system gave a reason, else the
    // message that the file may be damaged or of another kind, naming the
    // kind it should be (a calendar or a style sheet).
    [[nodiscard]] static QString openFailedMessage(
        const QString &fileName, const QString &reason, bool styleSheet);

    // The calendar file replaces page, cells and objects; it becomes the
    // document's file, unmodified, with a fresh history. On failure nothing
    // changes and error holds the message. A file whose object list broke
    // off opens with the objects read before the break (see the report).
    bool open(const QString &fileName, QString *error, CalendarFile::ReadReport *report = nullptr);
    // The same from a calendar file's bytes already read; fileName becomes
    // the document's file and names it in the message.
    bool openBytes(const QByteArray &bytes, const QString &fileName, QString *error,
        CalendarFile::ReadReport *report = nullptr);
    // The calendar file's bytes as save would write them, other months'
    // cells included; empty when the writer fails.
    [[nodiscard]] QByteArray fileBytes() const;
    // The look of a style sheet over the page; cells, objects and the
    // document's file stay. On failure nothing changes.
    bool applyStyleSheet(const QString &fileName, QString *error, CalendarFile::ReadReport *report = nullptr);
    // Writes the calendar to its own file, or to fileName, which then
    // becomes its file; the file on disk is replaced only by a whole one.
    bool save(QString *error);
    bool saveAs(const QString &fileName, QString *error);

    // Appends texts to the cells of the page's month, each cell written
    // once; return how many texts were placed.
    int fillEntries(const QStringList &entries, const CalendarFont &defaultFont);
    int fillOccurrences(const QList<EventOccurrence> &occurrences, const CalendarFont &defaultFont);
    // Every entry of a recurring-date list, or every occurrence of an
    // iCalendar file (told by content), that falls in the page's month.
    // False with the reader's message when the list cannot be read.
    bool fill(const QString &listFile, const CalendarFont &defaultFont, FillResult *result, QString *error);

    // The page shows another month. What was typed into the cells of the
    // month it leaves is kept, and a month that was shown before gets its
    // own cells back; a month never shown starts empty.
    void moveToMonth(int year, int month);
    // Cell texts of months other than the page's own that hold text.
    [[nodiscard]] const MonthCells &otherMonths() const { return m_otherMonths; }
    void setOtherMonths(const MonthCells &months) { m_otherMonths = months; }
    // The cell texts of the page's own month by day.
    [[nodiscard]] QMap<int, QByteArray> cellsByDay();
    // The page shows another month with these cells (by day) and no others;
    // nothing of the month it leaves is kept. Floating calendars that follow
    // the page move with it.
    void showMonth(int year, int month, const QMap<int, QByteArray> &cells);

    // The first month of the run of pages the document is drawn in, which
    // pictures that change with the month count from; a page on its own
    // counts from January of its year.
    void setRunStart(int year, int month);

    // The page with its objects at a zoom: the one drawing the screen,
    // picture export, print and PDF share.
    void paint(QPainter &painter, float zoom, const PagePaintOptions &options = {}) const;
    // The same into a new picture of the page's size at the zoom.
    [[nodiscard]] QImage renderImage(float zoom) const;

private:
    // Floating calendars that follow the page take its month, and pictures
    // that change with the month show its picture.
    void followPage();

    QString m_fileName;
    bool m_modified = false;
    MonthCells m_otherMonths;
    int m_runStart = 0; // year * 12 + month - 1; 0: January of the page's year
    CalendarPage m_page;
    TComponent m_objects; // after the page, so the objects go first
    DocumentHistory m_history { m_page, m_objects,
        &m_otherMonths }; // last: its steps go before what they restore into
};
