// The Extras page: week numbers, shaded weekends, neighbouring days and
// moon phases, with the shading colour. Each change goes to the preview at
// once, so it shows what OK will give.
#include "properties/calendarproperties.h"

#include "surface/calendarpanel32.h"
#include "widgets/colorbutton.h"

#include "calendar/calendarpage.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

QWidget *TCalendarProperties::createExtrasPage()
{
    auto *page = new QWidget(this);
    page->setObjectName(QStringLiteral("ExtrasPage"));
    const auto check = [this, page](const QString &text, const QString &name) {
        auto *box = new QCheckBox(text, page);
        box->setObjectName(name);
        connect(box, &QCheckBox::toggled, this, &TCalendarProperties::extrasChanged);
        return box;
    };
    WeekNumbersCheck = check(QStringLiteral("&Week numbers"), QStringLiteral("WeekNumbersCheck"));
    WeekNumbersCheck->setToolTip(QStringLiteral("ISO 8601 week numbers left of the month and the mini "
                                                "calendars, in the mini calendars' cell font"));
    ShadeWeekendsCheck = check(QStringLiteral("&Shade weekends"), QStringLiteral("ShadeWeekendsCheck"));
    NeighbourDaysCheck
        = check(QStringLiteral("&Days of the months before and after"), QStringLiteral("NeighbourDaysCheck"));
    MoonPhasesCheck = check(QStringLiteral("&Moon phases"), QStringLiteral("MoonPhasesCheck"));
    MoonPhasesCheck->setToolTip(QStringLiteral("New, first-quarter, full and last-quarter moons in the "
                                               "month's day cells, by this computer's time zone"));
    ShadeColorButton = new ColorButton(QStringLiteral("Shading &Color"), page);
    ShadeColorButton->setObjectName(QStringLiteral("ShadeColorButton"));
    ShadeColorButton->setAutoDefault(false);
    connect(ShadeColorButton, &ColorButton::colorChanged, this, &TCalendarProperties::extrasChanged);

    auto *shading = new QHBoxLayout;
    shading->addSpacing(20);
    shading->addWidget(ShadeColorButton);
    shading->addStretch();
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(WeekNumbersCheck);
    layout->addWidget(ShadeWeekendsCheck);
    layout->addLayout(shading);
    layout->addWidget(NeighbourDaysCheck);
    layout->addWidget(MoonPhasesCheck);
    layout->addStretch();
    return page;
}

void TCalendarProperties::showExtras()
{
    const bool wasUpdating = Updating;
    Updating = true;
    const PageExtras &extras = preview().extras();
    WeekNumbersCheck->setChecked(extras.weekNumbers);
    ShadeWeekendsCheck->setChecked(extras.shadeWeekends);
    NeighbourDaysCheck->setChecked(extras.neighbourDays);
    MoonPhasesCheck->setChecked(extras.moonPhases);
    ShadeColorButton->setColor(toQColor(extras.shadeColor));
    ShadeColorButton->setEnabled(extras.shadeWeekends);
    Updating = wasUpdating;
}

void TCalendarProperties::extrasChanged()
{
    ShadeColorButton->setEnabled(ShadeWeekendsCheck->isChecked());
    if (Updating)
        return;
    PageExtras extras;
    extras.weekNumbers = WeekNumbersCheck->isChecked();
    extras.shadeWeekends = ShadeWeekendsCheck->isChecked();
    extras.neighbourDays = NeighbourDaysCheck->isChecked();
    extras.moonPhases = MoonPhasesCheck->isChecked();
    extras.shadeColor = fromQColor(ShadeColorButton->color());
    preview().setExtras(extras);
}
