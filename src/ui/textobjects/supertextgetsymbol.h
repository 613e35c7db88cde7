#pragma once

// Pascal-case object names (SymbolSets, SymbolList) are the dialog's
// documented control names.

#include <QDialog>

#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QScrollArea;
class SymbolGrid;

// "Symbol Selector": a character of a symbol font. The fonts that declare a
// symbol encoding are listed first; since few such fonts come with Linux,
// "Show all fonts" lists every scalable face, whose every character then
// shows in the grid.
class TSuperTextGetSymbol : public QDialog
{
    Q_OBJECT

public:
    explicit TSuperTextGetSymbol(QWidget *parent = nullptr);

    // Installed scalable faces declaring a symbol encoding, and every
    // scalable face, by name without the foundry, sorted.
    [[nodiscard]] static QStringList symbolFonts();
    [[nodiscard]] static QStringList allFonts();
    // The codes a face offers: 32 to 255 for a symbol face (224, as its
    // symbol encoding numbers them); every character from the blank up
    // the face has in the basic plane for any other.
    [[nodiscard]] static std::vector<char32_t> codesOf(const QString &family, bool symbolFace);

    [[nodiscard]] bool hasFonts() const;
    [[nodiscard]] bool showingAllFonts() const;
    void setShowingAllFonts(bool all);
    void selectFont(const QString &family);
    [[nodiscard]] QString chosenFont() const;
    // The chosen character; empty while none is.
    [[nodiscard]] QString chosenText() const;
    [[nodiscard]] SymbolGrid &symbolList() const { return *m_grid; }

    // Runs the dialog; on OK family is the chosen face and text the chosen
    // character (empty when only a face was chosen). With no scalable face
    // at all it says "No Symbol fonts installed" and returns false.
    static bool pickSymbol(QWidget *parent, QString *family, QString *text);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void fillFonts();
    void showFont();

    QStringList m_symbolFonts;
    QComboBox *m_fonts = nullptr;
    QCheckBox *m_all = nullptr;
    QLabel *m_note = nullptr;
    QLabel *m_chosen = nullptr;
    QScrollArea *m_scroll = nullptr;
    SymbolGrid *m_grid = nullptr;
};
