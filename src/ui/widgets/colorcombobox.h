#pragma once

#include <QColor>
#include <QComboBox>

// A drop-down of colours with a swatch each: the sixteen basic colours,
// any other colour the program or the user sets, and "Custom..." last,
// which opens the common colour dialog.
class ColorComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit ColorComboBox(QWidget *parent = nullptr);

    [[nodiscard]] QColor color() const { return m_color; }
    // Selects the colour, adding an entry when the list lacks it; emits
    // colorChanged only when it differs.
    void setColor(const QColor &color);

    [[nodiscard]] int customEntry() const { return count() - 1; }

signals:
    void colorChanged(const QColor &color);

private:
    void entryChosen(int index);
    int indexOfColor(const QColor &color) const;
    int addColor(const QColor &color, const QString &name);
    void select(int index);

    QColor m_color = Qt::black;
    bool m_selecting = false;
};
