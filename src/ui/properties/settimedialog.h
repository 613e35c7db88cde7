#pragma once

#include <QDialog>
#include <QTime>
#include <QToolButton>

#include <array>

// Picks the day planners' starting time with one click on an hour cell
// (AM and PM blocks) and one on a minute cell.
class TSetTimeDialog : public QDialog
{
    Q_OBJECT

public:
    explicit TSetTimeDialog(QWidget *parent = nullptr);

    // The time shown when the dialog opens and, after OK, the one chosen
    // (seconds always 0).
    void setTime(const QTime &time);
    [[nodiscard]] QTime time() const { return m_time; }

    [[nodiscard]] int hour() const { return m_hour; }
    [[nodiscard]] int minute() const { return m_minute; }
    [[nodiscard]] QAbstractButton *hourCell(int hour) const { return m_hourCells.at(hour); }
    [[nodiscard]] QAbstractButton *minuteCell(int minute) const { return m_minuteCells.at(minute); }

    // "hh:mm am/pm" on the 12-hour clock: 20:30 gives "08:30 pm".
    [[nodiscard]] static QString formatAmPm(const QTime &time);

public slots:
    void HourClick(int hour);
    void MinuteClick(int minute);

protected:
    void showEvent(QShowEvent *event) override;

private:
    QWidget *createHourPanel();
    QWidget *createMinutePanel();
    QToolButton *createCell(const QString &text, const QString &hint);
    void refresh();

    QTime m_time = QTime(8, 0);
    int m_hour = 8;
    int m_minute = 0;
    std::array<QToolButton *, 24> m_hourCells {};
    std::array<QToolButton *, 60> m_minuteCells {};
};
