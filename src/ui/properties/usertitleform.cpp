#include "properties/usertitleform.h"

#include "calendar/calendarpage.h"
#include "widgets/dialogbuttons.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

TUserTitleForm::TUserTitleForm(QWidget *parent)
    : QDialog(parent)
    , TitleText(new QLineEdit(this))
{
    setWindowTitle(QStringLiteral("User Defined Title"));
    TitleText->setObjectName(QStringLiteral("TitleText"));
    auto *prompt = new QLabel(QStringLiteral("Enter calendar title (leave blank for default):"), this);
    prompt->setBuddy(TitleText);

    const DialogButtons::OkCancel buttons
        = DialogButtons::okCancel(*this, QStringLiteral("Ok"), QStringLiteral("Cancel"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(TitleText);
    layout->addWidget(buttons.box);
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
