#pragma once

#include <QDialog>
#include <QStringList>

class QListWidget;
class QPushButton;

// A dialog that offers recurring-date entries as check rows (each click
// toggles a row) with "&Ok", "&All", "&None" and "&Cancel". OK with nothing
// chosen beeps and keeps the dialog open. The selection dialog of the fill
// command and the holiday chooser are both this.
class RecurringCheckList : public QDialog
{
    Q_OBJECT

public:
    [[nodiscard]] QListWidget *list() const { return m_list; }
    [[nodiscard]] QPushButton *okButton() const { return okbutton; }
    [[nodiscard]] QPushButton *allButton() const { return Allbutton; }
    [[nodiscard]] QPushButton *noneButton() const { return Nonebutton; }
    [[nodiscard]] QPushButton *cancelButton() const { return CancelButton; }

    // The entries of the chosen rows, top to bottom.
    [[nodiscard]] QStringList selectedEntries() const;

public slots:
    void AllbuttonClick();
    void NonebuttonClick();
    void okbuttonClick();
    void CancelButtonClick();

protected:
    RecurringCheckList(const QString &caption, const QSize &clientSize, QWidget *parent);
    // Fills the list; sorted lists order the entries ignoring letter case.
    void setEntries(const QStringList &entries, bool sorted);

private:
    QListWidget *m_list;
    QPushButton *okbutton = nullptr;
    QPushButton *Allbutton = nullptr;
    QPushButton *Nonebutton = nullptr;
    QPushButton *CancelButton = nullptr;
};
