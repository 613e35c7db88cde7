#include "app/preferencesdialog.h"

#include "platform/preferences.h"
#include "widgets/dialogbuttons.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

PreferencesDialog::PreferencesDialog(const Preferences &preferences, QWidget *parent)
    : QDialog(parent)
    , m_interval(new QSpinBox(this))
{
    setObjectName(QStringLiteral("PreferencesDialog"));
    setWindowTitle(QStringLiteral("Preferences"));
    m_interval->setObjectName(QStringLiteral("RecoveryInterval"));
    m_interval->setRange(0, 24 * 60 * 60);
    m_interval->setSingleStep(30);
    m_interval->setSuffix(QStringLiteral(" seconds"));
    m_interval->setSpecialValueText(QStringLiteral("Never"));
    m_interval->setValue(preferences.recoveryIntervalSeconds);
    m_interval->setToolTip(QStringLiteral("While the calendar has unsaved changes, a copy of it is kept this "
                                          "often, and offered back if Datewright ends without saving."));
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Keep a &recovery copy every:"), m_interval);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addStretch();
    layout->addLayout(DialogButtons::row(*this, 0));
}

void PreferencesDialog::applyTo(Preferences &preferences) const
{
    preferences.recoveryIntervalSeconds = m_interval->value();
}
