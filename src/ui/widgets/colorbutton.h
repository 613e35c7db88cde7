#pragma once

#include <QColor>
#include <QPushButton>

// A button that shows a colour and lets the user pick another one through
// the common colour dialog.
class ColorButton : public QPushButton
{
    Q_OBJECT

public:
    // Picks a colour; true, with the colour changed, when the user accepts.
    using Chooser = bool (*)(QWidget *parent, QColor &color);
    // The system's colour dialog, which every colour button uses unless
    // another chooser is set (CommonDialogs::Override sets one, so the
    // buttons need not know the common dialogs, which sit above them).
    static bool systemColorDialog(QWidget *parent, QColor &color);
    // Returns the chooser it replaces; nullptr sets the system's dialog back.
    static Chooser setChooser(Chooser chooser);

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
