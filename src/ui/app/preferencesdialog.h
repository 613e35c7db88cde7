#pragma once

#include <QDialog>

struct Preferences;
class QSpinBox;

// The preferences that have no command of their own: how often a recovery
// copy of unsaved changes is kept.
class PreferencesDialog : public QDialog
{
    Q_OBJECT

public:
    explicit PreferencesDialog(const Preferences &preferences, QWidget *parent = nullptr);

    // The dialog's values into the preferences; the rest stay.
    void applyTo(Preferences &preferences) const;
    [[nodiscard]] QSpinBox *recoveryInterval() const { return m_interval; }

private:
    QSpinBox *m_interval;
};
