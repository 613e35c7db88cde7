#include "recurring/editrecurringdates.h"

#include "recurring/editrecurringdateformula.h"
#include "recurring/getholidays.h"
#include "recurring/recurringmessages.h"
#include "recurring/recurringrowdelegate.h"
#include "recurring/recurringsort.h"
#include "widgets/dialogbuttons.h"
#include "widgets/helpviewer.h"

#include "platform/datafolder.h"
#include "recurring/recurringdescription.h"
#include "recurring/recurringformula.h"
#include "recurring/recurringlistfile.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

using namespace RecurringFormula;

TEditRecurringDates::TEditRecurringDates(const QString &folder, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_folder(folder.isEmpty() ? DataFolder::path() : folder)
{
    setWindowTitle(QStringLiteral("Recurring Dates"));
    setFont(QFont(QStringLiteral("Arial"), 8));
    buildControls();
    resize(477, 321);
    FormCreate();
    HelpViewer::addHelpKey(this, [] { HelpViewer::ShowHelpPage(QStringLiteral("recurring.html")); });
}

void TEditRecurringDates::buildControls()
{
    DatesList = new QListWidget(this);
    DatesList->setFont(QFont(QStringLiteral("Arial"), 9));
    DatesList->setMinimumSize(445, 244);
    DatesList->setUniformItemSizes(true);
    DatesList->setItemDelegate(new RecurringRowDelegate(RecurringRowDelegate::Style::Plain, DatesList));
    const DialogButtons::OkCancel buttons = DialogButtons::okCancel(*this, QStringLiteral("Ok"),
        QStringLiteral("Cancel"), DialogButtons::Answer::Own,
        { QStringLiteral("Edit"), QStringLiteral("New"), QStringLiteral("Delete"),
            QStringLiteral("Holidays") });
    okbutton = buttons.ok;
    Editbutton = buttons.actions[0];
    Newbutton = buttons.actions[1];
    DeleteButton = buttons.actions[2];
    Holidaysbutton = buttons.actions[3];
    CancelButton = buttons.cancel;
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->addWidget(DatesList, 1);
    layout->addWidget(buttons.box);

    connect(okbutton, &QPushButton::clicked, this, &TEditRecurringDates::okbuttonClick);
    connect(Editbutton, &QPushButton::clicked, this, &TEditRecurringDates::EditbuttonClick);
    connect(Newbutton, &QPushButton::clicked, this, &TEditRecurringDates::NewbuttonClick);
    connect(DeleteButton, &QPushButton::clicked, this, &TEditRecurringDates::DeleteButtonClick);
    connect(Holidaysbutton, &QPushButton::clicked, this, &TEditRecurringDates::HolidaysbuttonClick);
    connect(CancelButton, &QPushButton::clicked, this, &TEditRecurringDates::CancelButtonClick);
}

void TEditRecurringDates::FormCreate()
{
    setbuttons();
    const QString path = RecurringListFile::listPath(m_folder);
    if (!QFileInfo::exists(path))
        return;
    QStringList lines;
    QString error;
    if (!RecurringListFile::read(path, &lines, &error)) {
        // Writing an empty list over a file that could not be read would lose it.
        m_listUnreadable = true;
        okbutton->setEnabled(false);
        RecurringMessages::ShowError(this, error);
        return;
    }
    for (const QString &line : RecurringSort::sorted(lines))
        addEntry(line);
    if (!m_entries.isEmpty())
        selectRow(0);
}

void TEditRecurringDates::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormActivate();
}

void TEditRecurringDates::FormActivate()
{
    setbuttons();
}

int TEditRecurringDates::addEntry(const QString &entry)
{
    const int row = RecurringSort::insertPosition(m_entries, entry);
    m_entries.insert(row, entry);
    auto *item = new QListWidgetItem(RecurringDescription::EntryDisplayText(entry).trimmed());
    item->setData(Qt::UserRole, entry);
    DatesList->insertItem(row, item);
    return row;
}

void TEditRecurringDates::removeRow(int row)
{
    m_entries.removeAt(row);
    delete DatesList->takeItem(row);
}

void TEditRecurringDates::selectRow(int row)
{
    DatesList->setCurrentRow(row);
    DatesList->item(row)->setSelected(true);
}

int TEditRecurringDates::selectedRow() const
{
    const QList<QListWidgetItem *> items = DatesList->selectedItems();
    return items.isEmpty() ? -1 : DatesList->row(items.first());
}

QString TEditRecurringDates::selectedEntry() const
{
    const int row = selectedRow();
    return row < 0 ? QString() : m_entries.at(row);
}

void TEditRecurringDates::setbuttons()
{
    const bool selected = selectedRow() >= 0;
    Editbutton->setEnabled(selected);
    DeleteButton->setEnabled(selected);
}

void TEditRecurringDates::okbuttonClick()
{
    if (m_listUnreadable)
        return;
    QString error;
    if (!RecurringListFile::write(RecurringListFile::listPath(m_folder), m_entries, &error)) {
        RecurringMessages::ShowError(this, error); // the dialog stays open with the list
        return;
    }
    accept();
}

void TEditRecurringDates::CancelButtonClick()
{
    reject();
}

void TEditRecurringDates::NewbuttonClick()
{
    TEditRecurringDateFormula dialog(this);
    dialog.setFormula(QString(kDayOfMonth));
    dialog.setEventText(QStringLiteral("[Enter event]"));
    dialog.setWindowTitle(QStringLiteral("Add Recurring Date"));
    if (dialog.exec() == QDialog::Accepted) {
        const int row = addEntry(BuildEntry(dialog.eventText(), dialog.formula()));
        DatesList->clearSelection();
        selectRow(row);
    }
    setbuttons();
}

void TEditRecurringDates::EditbuttonClick()
{
    if (selectedRow() < 0) {
        RecurringMessages::Beep();
        return;
    }
    const QString entry = selectedEntry();
    const QChar kind = KindOf(entry);
    if (kind == kNamed)
        RecurringMessages::ShowInformation(this, QStringLiteral("This entry cannot be edited"));
    else if (kind == kSpecial || kind == kDaysOfWeek || kind == kDayOfMonth)
        DoEditRecurringFormula();
}

void TEditRecurringDates::DoEditRecurringFormula()
{
    const int row = selectedRow();
    if (row < 0) {
        RecurringMessages::Beep();
        return;
    }
    const QString entry = m_entries.at(row);
    TEditRecurringDateFormula dialog(this);
    dialog.setEventText(EventPart(entry));
    dialog.setFormula(entry.mid(kEventWidth, kFormulaWidth));
    dialog.setWindowTitle(QStringLiteral("Edit Recurring Date Formula"));
    if (dialog.exec() == QDialog::Accepted) {
        removeRow(row);
        const int newRow = addEntry(BuildEntry(dialog.eventText(), dialog.formula()));
        DatesList->clearSelection();
        selectRow(newRow);
    }
    setbuttons();
}

void TEditRecurringDates::DeleteButtonClick()
{
    const int row = selectedRow();
    if (row >= 0)
        removeRow(row);
    DatesList->clearSelection();
    if (!m_entries.isEmpty())
        selectRow(0);
    setbuttons();
}

void TEditRecurringDates::HolidaysbuttonClick()
{
    TGetHolidays dialog(this);
    if (dialog.exec() == QDialog::Accepted) {
        for (const QString &holiday : dialog.selectedEntries()) {
            const bool present = std::any_of(m_entries.begin(), m_entries.end(), [&](const QString &entry) {
                return QString::compare(entry, holiday, Qt::CaseInsensitive) == 0;
            });
            if (!present)
                addEntry(holiday);
        }
    }
    if (!m_entries.isEmpty() && selectedRow() < 0)
        selectRow(0);
    setbuttons();
}
