#pragma once

#include <QMainWindow>

class QAction;
class QScrollArea;
class TCalendarPanel32;

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

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

public slots:
    void ZoomPlusButtonClick();
    void ZoomMinusButtonClick();
    void SetCaption();

private:
    void setupZoomActions();
    void fitScrollArea();

    TCalendarPanel32 *CalendarPanel;
    QScrollArea *m_scrollBox;
    QAction *ZoomPlusButton = nullptr;
    QAction *ZoomMinusButton = nullptr;
    bool m_zoomBusy = false;
};
