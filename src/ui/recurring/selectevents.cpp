#include "recurring/selectevents.h"

#include "recurring/recurringrowdelegate.h"
#include "widgets/commondialogs.h"

#include "events/eventfill.h"
#include "events/holidaycalendars.h"
#include "events/icalendarfile.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QSignalBlocker>

namespace {

const QString kNoCategory = QStringLiteral("(no category)");

QString rowText(const EventOccurrence &occurrence)
{
    const QLocale locale;
    return locale.toString(occurrence.date, QStringLiteral("ddd d")) + QStringLiteral("   ")
        + EventFill::cellText(occurrence, locale);
}

} // namespace

TSelectEvents::TSelectEvents(
    int year, int month, const QString &firstFile, const QString &dataFolder, QWidget *parent)
    : RecurringCheckList(QStringLiteral("Select Events To Use"), QSize(460, 420), parent)
    , m_year(year)
    , m_month(month)
    , m_sources(new QComboBox(this))
    , m_categories(new QListWidget(this))
    , m_error(new QLabel(this))
    , m_note(new QLabel(this))
{
    m_sources->setObjectName(QStringLiteral("Sources"));
    m_categories->setObjectName(QStringLiteral("Categories"));
    m_categories->setMaximumHeight(90);
    m_error->setWordWrap(true);
    m_error->hide();
    m_note->setObjectName(QStringLiteral("Note"));
    m_note->setWordWrap(true);
    m_note->hide();
    if (!firstFile.isEmpty())
        m_sources->addItem(QFileInfo(firstFile).fileName(), firstFile);
    for (const HolidayCalendars::Country &country : HolidayCalendars::countries(dataFolder)) {
        if (QFileInfo(country.path) != QFileInfo(firstFile))
            m_sources->addItem(QStringLiteral("Holidays: ") + country.name, country.path);
    }
    m_sources->addItem(QStringLiteral("Other File..."));
    auto *top = static_cast<QBoxLayout *>(layout());
    top->insertWidget(0, m_sources);
    top->insertWidget(1, new QLabel(QStringLiteral("Calendars and categories:"), this));
    top->insertWidget(2, m_categories);
    top->insertWidget(3, m_error);
    top->insertWidget(4, m_note);
    connect(m_sources, qOverload<int>(&QComboBox::activated), this, &TSelectEvents::sourceChosen);
    connect(m_categories, &QListWidget::itemChanged, this, &TSelectEvents::categoryToggled);
    if (m_sources->count() > 1) {
        // Without a file of their own, people start from their country's holidays.
        const QString home = QStringLiteral("Holidays: ") + QLocale::territoryToString(QLocale().territory());
        const int homeIndex = firstFile.isEmpty() ? m_sources->findText(home) : -1;
        m_sources->setCurrentIndex(qMax(homeIndex, 0));
        showFile(m_sources->currentData().toString());
    }
}

QString TSelectEvents::errorText() const
{
    return m_error->isHidden() ? QString() : m_error->text();
}

QString TSelectEvents::noteText() const
{
    return m_note->isHidden() ? QString() : m_note->text();
}

bool TSelectEvents::showFile(const QString &fileName)
{
    list()->clear();
    m_categories->clear();
    m_occurrences.clear();
    m_note->clear();
    m_note->hide();
    ICalendarFile file;
    QString error;
    const bool read = file.load(fileName, &error);
    m_fileName = read ? fileName : QString();
    m_error->setText(error);
    m_error->setHidden(read);
    if (!read)
        return false;
    ICalendarFile::Shortfall shortfall;
    m_occurrences = file.occurrences(m_year, m_month, &shortfall);
    QStringList notes = file.notes();
    if (!shortfall.isEmpty())
        notes << shortfall.message(fileName, m_year, m_month);
    m_note->setText(notes.join(QLatin1Char('\n')));
    m_note->setHidden(notes.isEmpty());
    QStringList groups;
    for (int i = 0; i < m_occurrences.size(); ++i) {
        const QString text = rowText(m_occurrences.at(i));
        auto *item = new QListWidgetItem(text, list());
        item->setData(Qt::UserRole, QString::number(i));
        item->setData(RecurringRowDelegate::kOwnTextRole, text);
        for (const QString &group : groupsOf(m_occurrences.at(i))) {
            if (!groups.contains(group))
                groups << group;
        }
    }
    const QSignalBlocker blocker(m_categories);
    for (const QString &group : groups) {
        auto *item = new QListWidgetItem(group, m_categories);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
    }
    AllbuttonClick();
    return true;
}

QStringList TSelectEvents::groupsOf(const EventOccurrence &occurrence) const
{
    QStringList groups { occurrence.calendar };
    groups << (occurrence.categories.isEmpty() ? QStringList { kNoCategory } : occurrence.categories);
    return groups;
}

QList<EventOccurrence> TSelectEvents::selectedOccurrences() const
{
    QList<EventOccurrence> chosen;
    for (const QString &index : selectedEntries())
        chosen << m_occurrences.value(index.toInt());
    return chosen;
}

void TSelectEvents::sourceChosen(int index)
{
    QString path = m_sources->itemData(index).toString();
    if (path.isEmpty()) {
        CommonDialogs::FileRequest request;
        request.title = QStringLiteral("Fill from iCalendar File");
        request.folder = m_fileName.isEmpty() ? QString() : QFileInfo(m_fileName).absolutePath();
        request.filter = QStringLiteral("iCalendar Files (*.ics *.ICS *.ical *.ifb);;All Files (*)");
        path = CommonDialogs::current().openFileName(this, request);
        if (path.isEmpty()) {
            m_sources->setCurrentIndex(m_shownSource);
            return;
        }
        m_sources->insertItem(0, QFileInfo(path).fileName(), path);
        index = 0;
        m_sources->setCurrentIndex(0);
    }
    m_shownSource = index;
    showFile(path);
}

void TSelectEvents::categoryToggled(QListWidgetItem *item)
{
    const bool take = item->checkState() == Qt::Checked;
    for (int row = 0; row < list()->count(); ++row) {
        const int index = list()->item(row)->data(Qt::UserRole).toString().toInt();
        if (groupsOf(m_occurrences.value(index)).contains(item->text()))
            list()->item(row)->setSelected(take);
    }
}
