#pragma once

#include "recurring/recurringchecklist.h"

#include "events/eventoccurrence.h"

#include <QList>

class QComboBox;
class QLabel;
class QListWidgetItem;

// "Select Events To Use": the events an iCalendar file has in the month
// being filled, as check rows like the recurring dates, all chosen at first.
// Above them, where the events come from (the last file, the shipped
// holiday calendars by country, or another file) and their calendars and
// categories, whose ticks choose or drop all their events at once.
class TSelectEvents : public RecurringCheckList
{
    Q_OBJECT

public:
    TSelectEvents(
        int year, int month, const QString &firstFile, const QString &dataFolder, QWidget *parent = nullptr);

    [[nodiscard]] QListWidget *Events() const { return list(); }
    [[nodiscard]] QComboBox *Sources() const { return m_sources; }
    [[nodiscard]] QListWidget *Categories() const { return m_categories; }
    // Why the file shown could not be read; empty when it could.
    [[nodiscard]] QString errorText() const;
    // What the reader left out of the file shown or read otherwise; empty
    // when nothing.
    [[nodiscard]] QString noteText() const;
    // The file whose events are listed.
    [[nodiscard]] QString fileName() const { return m_fileName; }
    [[nodiscard]] QList<EventOccurrence> selectedOccurrences() const;

    // Lists the month's events of a file; false (with the reason shown in
    // the dialog and the list empty) when it cannot be read.
    bool showFile(const QString &fileName);

private:
    void sourceChosen(int index);
    void categoryToggled(QListWidgetItem *item);
    [[nodiscard]] QStringList groupsOf(const EventOccurrence &occurrence) const;

    int m_year;
    int m_month;
    QComboBox *m_sources;
    QListWidget *m_categories;
    QLabel *m_error;
    QLabel *m_note;
    QString m_fileName;
    QList<EventOccurrence> m_occurrences;
    int m_shownSource = 0;
};
