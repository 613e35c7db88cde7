#pragma once

#include "platform/configurationreport.h"

#include <QDialog>
#include <QStringList>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// Shows the configuration report and copies it to the clipboard for a
// message to technical support. Nothing in it can be edited.
// The facts of the report as they stand now, on the screen the window is on.
[[nodiscard]] ConfigurationReport::Facts currentConfiguration(
    const QWidget *window, const Preferences &preferences);

class TConfigurationInfo : public QDialog
{
    Q_OBJECT

public:
    explicit TConfigurationInfo(const QStringList &report, QWidget *parent = nullptr);

    [[nodiscard]] QString reportText() const;

    void Button1Click(); // "Copy to Clipboard"

protected:
    void showEvent(QShowEvent *event) override;

private:
    QLabel *Label1;
    QPlainTextEdit *Memo1;
    QPushButton *Button1;
    QPushButton *Button2;
};
