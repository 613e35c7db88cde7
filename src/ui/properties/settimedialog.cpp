#include "properties/settimedialog.h"

#include "widgets/dialogbuttons.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

TSetTimeDialog::TSetTimeDialog(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    const DialogButtons::OkCancel buttons
        = DialogButtons::okCancel(*this, QStringLiteral("&Ok"), QStringLiteral("&Cancel"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(createHourPanel());
    layout->addWidget(createMinutePanel());
    layout->addWidget(buttons.box);
    setTime(m_time);
}

static QLabel *panelHeading(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, palette.color(QPalette::Highlight));
    label->setPalette(palette);
    return label;
}

QToolButton *TSetTimeDialog::createCell(const QString &text, const QString &hint)
{
    auto *cell = new QToolButton(this);
    cell->setText(text);
    cell->setToolTip(hint);
    cell->setFocusPolicy(Qt::StrongFocus);
    // All cells as wide as the widest, two digits.
    cell->setMinimumWidth(cell->fontMetrics().horizontalAdvance(QStringLiteral("00")) + 16);
    return cell;
}

QWidget *TSetTimeDialog::createHourPanel()
{
    auto *HourPanel = new QGroupBox(this);
    HourPanel->setObjectName(QStringLiteral("HourPanel"));
    auto *grid = new QGridLayout(HourPanel);
    grid->addWidget(panelHeading(QStringLiteral("  Hour"), HourPanel), 0, 0, 1, 7);
    const QString hint = QStringLiteral("Click to set the hours portion of the time");
    for (int half = 0; half < 2; ++half) {
        const int top = 1 + half * 2;
        grid->addWidget(new QLabel(half == 0 ? QStringLiteral("AM") : QStringLiteral("PM"), HourPanel), top,
            0, 2, 1, Qt::AlignVCenter);
        for (int i = 0; i < 12; ++i) {
            const int hour = half * 12 + i;
            auto *cell = createCell(QString::number(i == 0 ? 12 : i), hint);
            cell->setObjectName(QStringLiteral("Hour%1").arg(hour));
            connect(cell, &QToolButton::clicked, this, [this, hour] { HourClick(hour); });
            m_hourCells[hour] = cell;
            grid->addWidget(cell, top + i / 6, 1 + i % 6);
        }
    }
    return HourPanel;
}

QWidget *TSetTimeDialog::createMinutePanel()
{
    auto *MinutePanel = new QGroupBox(this);
    MinutePanel->setObjectName(QStringLiteral("MinutePanel"));
    auto *grid = new QGridLayout(MinutePanel);
    grid->addWidget(panelHeading(QStringLiteral("  Minute"), MinutePanel), 0, 0, 1, 10);
    const QString hint = QStringLiteral("Click to set the minutes portion of the time");
    for (int minute = 0; minute < 60; ++minute) {
        auto *cell = createCell(QStringLiteral("%1").arg(minute, 2, 10, QLatin1Char('0')), hint);
        cell->setObjectName(QStringLiteral("Minute%1").arg(minute));
        connect(cell, &QToolButton::clicked, this, [this, minute] { MinuteClick(minute); });
        m_minuteCells[minute] = cell;
        grid->addWidget(cell, 1 + minute / 10, minute % 10);
    }
    return MinutePanel;
}

void TSetTimeDialog::setTime(const QTime &time)
{
    m_time = time.isValid() ? QTime(time.hour(), time.minute()) : QTime(0, 0);
    m_hour = m_time.hour();
    m_minute = m_time.minute();
    refresh();
}

void TSetTimeDialog::showEvent(QShowEvent *event)
{
    // The cells follow the time handed in, whenever the dialog opens.
    setTime(m_time);
    QDialog::showEvent(event);
}

void TSetTimeDialog::HourClick(int hour)
{
    m_hour = hour;
    refresh();
}

void TSetTimeDialog::MinuteClick(int minute)
{
    m_minute = minute;
    refresh();
}

QString TSetTimeDialog::formatAmPm(const QTime &time)
{
    const int hour12 = time.hour() % 12 == 0 ? 12 : time.hour() % 12;
    return QStringLiteral("%1:%2 %3")
        .arg(hour12, 2, 10, QLatin1Char('0'))
        .arg(time.minute(), 2, 10, QLatin1Char('0'))
        .arg(time.hour() < 12 ? QStringLiteral("am") : QStringLiteral("pm"));
}

static void highlight(QToolButton *cell, bool on)
{
    QPalette palette = cell->parentWidget()->palette();
    if (on) {
        palette.setColor(QPalette::Button, Qt::yellow);
        palette.setColor(QPalette::ButtonText, Qt::black);
    }
    cell->setPalette(palette);
}

void TSetTimeDialog::refresh()
{
    m_time = QTime(m_hour, m_minute);
    setWindowTitle(QStringLiteral("Set Time As: ") + formatAmPm(m_time));
    for (int hour = 0; hour < 24; ++hour)
        highlight(m_hourCells[hour], hour == m_hour);
    for (int minute = 0; minute < 60; ++minute)
        highlight(m_minuteCells[minute], minute == m_minute);
}
