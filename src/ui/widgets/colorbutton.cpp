#include "widgets/colorbutton.h"

#include <QColorDialog>
#include <QPainter>
#include <QStyleOptionButton>

#include <utility>

static ColorButton::Chooser s_chooser = &ColorButton::systemColorDialog;

bool ColorButton::systemColorDialog(QWidget *parent, QColor &color)
{
    const QColor chosen = QColorDialog::getColor(color, parent);
    if (!chosen.isValid())
        return false;
    color = chosen;
    return true;
}

ColorButton::Chooser ColorButton::setChooser(Chooser chooser)
{
    return std::exchange(s_chooser, chooser ? chooser : &ColorButton::systemColorDialog);
}

ColorButton::ColorButton(QWidget *parent)
    : ColorButton(QString(), parent)
{
}

ColorButton::ColorButton(const QString &text, QWidget *parent)
    : QPushButton(text, parent)
{
    connect(this, &QPushButton::clicked, this, &ColorButton::pickColor);
}

void ColorButton::setColor(const QColor &color)
{
    if (color == m_color)
        return;
    m_color = color;
    update();
    emit colorChanged(m_color);
}

void ColorButton::pickColor()
{
    QColor chosen = m_color;
    if (s_chooser(window(), chosen))
        setColor(chosen);
}

static int swatchWidth(const QFontMetrics &metrics)
{
    return metrics.height() * 2;
}

QSize ColorButton::sizeHint() const
{
    QSize hint = QPushButton::sizeHint();
    hint.rwidth() += swatchWidth(fontMetrics()) + (text().isEmpty() ? 0 : fontMetrics().height() / 2);
    return hint;
}

void ColorButton::paintEvent(QPaintEvent *event)
{
    // The ordinary button face with the text moved right, then the swatch
    // in the space that frees on the left.
    QStyleOptionButton option;
    initStyleOption(&option);
    const int swatch = swatchWidth(fontMetrics());
    const int gap = fontMetrics().height() / 2;
    QPainter painter(this);
    option.text.clear();
    style()->drawControl(QStyle::CE_PushButton, &option, &painter, this);

    const QRect content = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    const int inset = fontMetrics().height() / 5;
    QRect swatchRect(content.left() + inset, content.top() + inset, swatch, content.height() - 2 * inset);
    if (text().isEmpty())
        swatchRect = content.adjusted(inset, inset, -inset, -inset);
    painter.fillRect(
        swatchRect, isEnabled() ? m_color : palette().color(QPalette::Disabled, QPalette::Button));
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawRect(swatchRect.adjusted(0, 0, -1, -1));

    if (!text().isEmpty()) {
        QRect textRect = content;
        textRect.setLeft(swatchRect.right() + gap);
        style()->drawItemText(&painter, textRect, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextShowMnemonic,
            palette(), isEnabled(), text(), QPalette::ButtonText);
    }
    Q_UNUSED(event)
}
