#pragma once

#include <QColor>
#include <QPushButton>

// A button that shows a colour and lets the user pick another one through
// the common colour dialog.
class ColorButton : public QPushButton
{
    Q_OBJECT

public:
    explicit ColorButton(QWidget *parent = nullptr);
    explicit ColorButton(const QString &text, QWidget *parent = nullptr);

    [[nodiscard]] QColor color() const { return m_color; }
    // Shows the colour; emits colorChanged only when it differs.
    void setColor(const QColor &color);

    [[nodiscard]] QSize sizeHint() const override;

signals:
    void colorChanged(const QColor &color);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void pickColor();

    QColor m_color = Qt::white;
};
