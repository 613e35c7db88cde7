#pragma once

#include "document/monthrun.h"

#include <QDialog>
#include <QStringList>

class QComboBox;
class QDialogButtonBox;
class QListWidget;
class QPushButton;
class QSpinBox;

// What a run of months is made of: the first month, how many months, and
// the lists every page is filled from (shipped holiday calendars to tick,
// and .ics or .DAX files the user adds). For pictures also the resolution.
class PrintMonthsDialog : public QDialog
{
    Q_OBJECT

public:
    enum class Output { Print, Pdf, Png };

    // Starts at the calendar's own month; the holiday calendars come from
    // the data folder's "Holidays" folder.
    PrintMonthsDialog(
        Output output, int year, int month, const QString &dataFolder, QWidget *parent = nullptr);

    [[nodiscard]] MonthRange range() const;
    // The ticked lists, in the order shown.
    [[nodiscard]] QStringList fillFiles() const;
    // Dots per inch of the pictures (PNG only).
    [[nodiscard]] int resolution() const;

    // Controls, for the tests that fill the dialog in.
    QComboBox *Month = nullptr;
    QSpinBox *Year = nullptr;
    QSpinBox *Count = nullptr;
    QListWidget *Sources = nullptr;
    QPushButton *AddButton = nullptr;
    QPushButton *RemoveButton = nullptr;
    QComboBox *Resolution = nullptr; // PNG only
    QDialogButtonBox *Buttons = nullptr;

    // Adds a list file, ticked; one already listed is ticked instead.
    void addFile(const QString &fileName);

private:
    void addClicked();
    void removeClicked();
};
