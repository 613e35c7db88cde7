#pragma once

#include <QDialog>
#include <QStringList>

class QListWidget;
class QPushButton;

// "Recurring Dates": the user's list, sorted, with commands to edit, add and
// delete entries and to add well-known holidays. Changes stay in the dialog
// until OK writes the whole list back to its file; Cancel writes nothing.
class TEditRecurringDates : public QDialog
{
    Q_OBJECT

public:
    // The list is the one in the given folder (the data folder by default).
    explicit TEditRecurringDates(const QString &folder = QString(), QWidget *parent = nullptr);

    [[nodiscard]] QStringList entries() const { return m_entries; }
    // The entry of the selected row, empty when none is selected.
    [[nodiscard]] QString selectedEntry() const;

    QListWidget *DatesList;
    QPushButton *okbutton;
    QPushButton *Editbutton;
    QPushButton *Newbutton;
    QPushButton *DeleteButton;
    QPushButton *Holidaysbutton;
    QPushButton *CancelButton;

public slots:
    void FormActivate();
    void okbuttonClick();
    void CancelButtonClick();
    void NewbuttonClick();
    void EditbuttonClick();
    void DeleteButtonClick();
    void HolidaysbuttonClick();
    void setbuttons();
    void DoEditRecurringFormula();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormCreate();
    void buildControls();
    // Puts the entry at its sorted place and returns its row.
    int addEntry(const QString &entry);
    void removeRow(int row);
    void selectRow(int row);
    [[nodiscard]] int selectedRow() const;

    QString m_folder;
    QStringList m_entries; // in list order, sorted
    bool m_listUnreadable = false;
};
