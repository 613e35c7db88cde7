#include "properties/usertitleform.h"

#include "calendar/calendarpage.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TUserTitleForm::TUserTitleForm(QWidget *parent)
    : QDialog(parent)
    , TitleText(new QLineEdit(this))
{
    setWindowTitle(QStringLiteral("User Defined Title"));
    TitleText->setObjectName(QStringLiteral("TitleText"));
    auto *prompt = new QLabel(QStringLiteral("Enter calendar title (leave blank for default):"), this);
    prompt->setBuddy(TitleText);

    auto *ok = new QPushButton(QStringLiteral("Ok"), this);
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(ok, QDialogButtonBox::AcceptRole);
    buttons->addButton(cancel, QDialogButtonBox::RejectRole);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(TitleText);
    layout->addWidget(buttons);
    TitleText->setMinimumWidth(prompt->sizeHint().width());
}

void TUserTitleForm::loadFrom(const CalendarPage &page)
{
    TitleText->setText(page.userTitle());
}

void TUserTitleForm::applyTo(CalendarPage &page) const
{
    page.setUserTitle(TitleText->text());
}
