#pragma once

#include <QDialog>

class CalendarPage;
class QLineEdit;

// Asks for a title that replaces the page's generated one; an empty text
// brings the generated title back.
class TUserTitleForm : public QDialog
{
    Q_OBJECT

public:
    explicit TUserTitleForm(QWidget *parent = nullptr);

    [[nodiscard]] QLineEdit *titleText() const { return TitleText; }

    // Fills the field from the page, and after OK stores it on the page.
    void loadFrom(const CalendarPage &page);
    void applyTo(CalendarPage &page) const;

private:
    QLineEdit *TitleText;
};
