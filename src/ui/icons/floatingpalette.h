#pragma once

#include <QWidget>

class QAction;
class QMenu;
class QMenuBar;
class TIconListBox;

// The icon tool: a small window that stays above the main window and shows
// one icon collection in a 3 x 3 icon list, from which icons are dragged
// into day cells. Its File menu chooses the collection: the five standard
// libraries of the data folder, the bonus sets in its "BonusIcons" folder,
// or any file through "Other...". The entry of the collection shown is
// checked. Its place on the screen is kept in DW.ini.
class TFloatingPalette : public QWidget
{
    Q_OBJECT

public:
    explicit TFloatingPalette(QWidget *mainWindow);
    ~TFloatingPalette() override;

    // Checks the File menu's entry for the file, loads it when it exists
    // and is not shown already, and falls back to "Misc1.icl" when the
    // loaded file holds no icons.
    void SelectIconFile(const QString &fileName);
    void mnuOtherIconFileClick();

    // The data folder's file of that name, found whatever its letter case.
    [[nodiscard]] static QString standardFile(const QString &name);

    TIconListBox *IconListBox;
    QMenuBar *MainMenu;
    QMenu *FileMenu;
    QAction *mnuActivitiesICL;
    QAction *mnuEventsICL;
    QAction *mnuHolidaysICL;
    QAction *mnuMisc1ICL;
    QAction *mnuMisc2ICL;
    QMenu *mnuBonusIconSets;
    QAction *mnuOtherIconFile;

signals:
    // Hidden for any reason: the main window's button caption follows.
    void hidden();
    // Closed by the user through the window manager.
    void closedByUser();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QAction *addStandardEntry(const QString &caption, const QString &fileName);
    void addBonusSets();
    void loadFile(const QString &fileName);

    bool m_placed = false;
};
