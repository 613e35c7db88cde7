#include "recurring/recurringchecklist.h"

#include "recurring/recurringmessages.h"
#include "recurring/recurringrowdelegate.h"
#include "recurring/recurringsort.h"
#include "widgets/dialogbuttons.h"
#include "widgets/helpviewer.h"

#include "recurring/recurringdescription.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

RecurringCheckList::RecurringCheckList(const QString &caption, const QSize &clientSize, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_list(new QListWidget(this))
{
    const DialogButtons::OkCancel buttons
        = DialogButtons::okCancel(*this, QStringLiteral("&Ok"), QStringLiteral("&Cancel"),
            DialogButtons::Answer::Own, { QStringLiteral("&All"), QStringLiteral("&None") });
    okbutton = buttons.ok;
    Allbutton = buttons.actions[0];
    Nonebutton = buttons.actions[1];
    CancelButton = buttons.cancel;

    setWindowTitle(caption);
    setFont(QFont(QStringLiteral("Arial"), 8));
    m_list->setFont(QFont(QStringLiteral("Arial"), 9));
    m_list->setSelectionMode(QAbstractItemView::MultiSelection);
    m_list->setUniformItemSizes(true);
    m_list->setItemDelegate(new RecurringRowDelegate(RecurringRowDelegate::Style::Checks, m_list));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->addWidget(m_list, 1);
    layout->addWidget(buttons.box);
    resize(clientSize);

    connect(okbutton, &QPushButton::clicked, this, &RecurringCheckList::okbuttonClick);
    connect(Allbutton, &QPushButton::clicked, this, &RecurringCheckList::AllbuttonClick);
    connect(Nonebutton, &QPushButton::clicked, this, &RecurringCheckList::NonebuttonClick);
    connect(CancelButton, &QPushButton::clicked, this, &RecurringCheckList::CancelButtonClick);
    HelpViewer::addHelpKey(this, [] { HelpViewer::ShowHelpPage(QStringLiteral("recurring.html")); });
}

void RecurringCheckList::setEntries(const QStringList &entries, bool sorted)
{
    m_list->clear();
    for (const QString &entry : sorted ? RecurringSort::sorted(entries) : entries) {
        auto *item = new QListWidgetItem(RecurringDescription::EntryDisplayText(entry).trimmed(), m_list);
        item->setData(Qt::UserRole, entry);
    }
}

QStringList RecurringCheckList::selectedEntries() const
{
    QStringList entries;
    for (int row = 0; row < m_list->count(); ++row) {
        if (m_list->item(row)->isSelected())
            entries << m_list->item(row)->data(Qt::UserRole).toString();
    }
    return entries;
}

void RecurringCheckList::AllbuttonClick()
{
    m_list->selectAll();
}

void RecurringCheckList::NonebuttonClick()
{
    m_list->clearSelection();
}

void RecurringCheckList::okbuttonClick()
{
    if (selectedEntries().isEmpty()) {
        RecurringMessages::Beep();
        return;
    }
    accept();
}

void RecurringCheckList::CancelButtonClick()
{
    reject();
}
