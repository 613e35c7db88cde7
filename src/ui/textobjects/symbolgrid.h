#pragma once

#include <QFont>
#include <QWidget>

#include <vector>

// Characters of one font in a grid of 15 columns, each drawn 24 pixels high
// in that font alone (a character the font lacks leaves its cell empty,
// never borrowed from another font). A click chooses a character, a
// double click or Enter also activates it; the arrow keys move the choice.
class SymbolGrid : public QWidget
{
    Q_OBJECT

public:
    static constexpr int columns = 15;
    static constexpr int cellSize = 32;

    explicit SymbolGrid(QWidget *parent = nullptr);

    // Shows the codes in the face; the choice is cleared.
    void setSymbols(const QString &family, const std::vector<char32_t> &codes);
    [[nodiscard]] const std::vector<char32_t> &codes() const { return m_codes; }
    [[nodiscard]] QString family() const { return m_font.family(); }
    // -1 while nothing is chosen.
    [[nodiscard]] int currentIndex() const { return m_current; }
    void setCurrentIndex(int index);
    // The chosen character; empty while nothing is chosen.
    [[nodiscard]] QString currentText() const;
    // The cell of a code's index, in the grid's pixels.
    [[nodiscard]] QRect cellRect(int index) const;

    [[nodiscard]] QSize sizeHint() const override;

signals:
    void currentChanged(const QString &text);
    void activated();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    [[nodiscard]] int indexAt(const QPoint &point) const;

    QFont m_font;
    std::vector<char32_t> m_codes;
    std::vector<bool> m_present;
    int m_current = -1;
};
