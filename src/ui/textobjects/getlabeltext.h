#pragma once

// Pascal-case names (EditText, LabelText) are the documented ones.

#include <QDialog>

class QLineEdit;
class TVPLabel;

// "Text": the one line a text label shows.
class TGetLabelText : public QDialog
{
    Q_OBJECT

public:
    explicit TGetLabelText(const QString &text, QWidget *parent = nullptr);

    [[nodiscard]] QString text() const;

    // The label's "Text" command and the label tool's step: on OK the label
    // takes the text and grows to hold it (never shrinking). True on OK.
    static bool EditText(TVPLabel &label, QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;

private:
    QLineEdit *m_text;
};
