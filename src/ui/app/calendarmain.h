#pragma once

#include <QMainWindow>

class QAction;
class QScrollArea;
class TCalendarPanel32;
class TCellEditBridge;
class TWPRichText;
class TWPToolBar;

// The program's main window: the calendar page in a scroll area with the
// zoom commands.
class TCalendarMain : public QMainWindow
{
    Q_OBJECT

public:
    explicit TCalendarMain(QWidget *parent = nullptr);

    [[nodiscard]] TCalendarPanel32 *calendarPanel() const { return CalendarPanel; }
    [[nodiscard]] QAction *zoomInAction() const { return ZoomPlusButton; }
    [[nodiscard]] QAction *zoomOutAction() const { return ZoomMinusButton; }
    [[nodiscard]] TWPRichText *cellEditor() const { return WPRichText1; }
    [[nodiscard]] TWPToolBar *cellToolBar() const { return WPToolBar1; }
    [[nodiscard]] TCellEditBridge *cellEditing() const { return m_cellEditing; }
    [[nodiscard]] bool Modified() const { return m_modified; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

public slots:
    void ZoomPlusButtonClick();
    void ZoomMinusButtonClick();
    void SetCaption();
    void SetModified(bool modified);

private:
    void setupZoomActions();
    void fitScrollArea();
    void setupCellEditing();

    TCalendarPanel32 *CalendarPanel;
    QScrollArea *m_scrollBox;
    QAction *ZoomPlusButton = nullptr;
    QAction *ZoomMinusButton = nullptr;
    bool m_zoomBusy = false;
    bool m_modified = false;
    TWPToolBar *WPToolBar1 = nullptr;
    TWPRichText *WPRichText1 = nullptr;
    TWPRichText *MASTERWPRICHTEXT = nullptr;
    TCellEditBridge *m_cellEditing = nullptr;
};
