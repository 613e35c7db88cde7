#include "textobjects/supertextgetsymbol.h"

#include "textobjects/symbolgrid.h"
#include "widgets/commondialogs.h"
#include "widgets/dialogbuttons.h"
#include "widgets/formplacement.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QRawFont>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

// "D050000L [urw]" -> "D050000L": the foundry only tells copies apart.
QString withoutFoundry(const QString &family)
{
    const int bracket = family.indexOf(QLatin1String(" ["));
    return bracket < 0 ? family : family.left(bracket);
}

QStringList scalableFaces(bool symbolOnly)
{
    QStringList faces;
    for (const QString &family : QFontDatabase::families()) {
        if (!QFontDatabase::isSmoothlyScalable(family) || QFontDatabase::isPrivateFamily(family))
            continue;
        if (symbolOnly && !QFontDatabase::writingSystems(family).contains(QFontDatabase::Symbol))
            continue;
        faces << withoutFoundry(family);
    }
    faces.removeDuplicates();
    faces.sort(Qt::CaseInsensitive);
    return faces;
}

} // namespace

QStringList TSuperTextGetSymbol::symbolFonts()
{
    return scalableFaces(true);
}

QStringList TSuperTextGetSymbol::allFonts()
{
    return scalableFaces(false);
}

std::vector<char32_t> TSuperTextGetSymbol::codesOf(const QString &family, bool symbolFace)
{
    std::vector<char32_t> codes;
    if (symbolFace) {
        for (char32_t code = 32; code <= 255; ++code)
            codes.push_back(code);
        return codes;
    }
    QFont font(family);
    font.setStyleStrategy(QFont::NoFontMerging);
    const QRawFont raw = QRawFont::fromFont(font);
    for (char32_t code = 32; code <= 0xFFFD; ++code) {
        const bool control = code >= 0x7F && code < 0xA0;
        const bool surrogate = code >= 0xD800 && code < 0xE000;
        if (!control && !surrogate && raw.supportsCharacter(code))
            codes.push_back(code);
    }
    return codes;
}

TSuperTextGetSymbol::TSuperTextGetSymbol(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Symbol Selector"));
    m_fonts = new QComboBox;
    m_fonts->setObjectName(QStringLiteral("SymbolSets"));
    m_fonts->setWhatsThis(QStringLiteral("The font whose characters the grid shows."));
    m_all = new QCheckBox(QStringLiteral("Show all fonts"));
    m_all->setObjectName(QStringLiteral("AllFonts"));
    m_all->setWhatsThis(QStringLiteral("List every outline font, not only the symbol fonts; the grid then "
                                       "shows every character of the chosen font."));
    m_note = new QLabel;
    m_chosen = new QLabel;
    m_chosen->setObjectName(QStringLiteral("ChosenSymbol"));
    m_chosen->setAlignment(Qt::AlignCenter);
    m_chosen->setFixedSize(72, 72);
    m_chosen->setFrameShape(QFrame::StyledPanel);
    m_chosen->setBackgroundRole(QPalette::Base);
    m_chosen->setAutoFillBackground(true);
    m_grid = new SymbolGrid;
    m_grid->setObjectName(QStringLiteral("SymbolList"));
    m_grid->setWhatsThis(QStringLiteral("Click a character to choose it; a double click also closes the "
                                        "dialog."));
    m_scroll = new QScrollArea;
    m_scroll->setWidget(m_grid);
    m_scroll->setMinimumSize(SymbolGrid::columns * SymbolGrid::cellSize + 24, 8 * SymbolGrid::cellSize);
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    connect(m_fonts, &QComboBox::currentTextChanged, this, &TSuperTextGetSymbol::showFont);
    connect(m_all, &QCheckBox::toggled, this, &TSuperTextGetSymbol::fillFonts);
    connect(m_grid, &SymbolGrid::activated, this, &QDialog::accept);
    connect(m_grid, &SymbolGrid::currentChanged, this, [this](const QString &text) {
        m_chosen->setText(text);
        const QRect cell = m_grid->cellRect(m_grid->currentIndex());
        if (!cell.isNull())
            m_scroll->ensureVisible(cell.center().x(), cell.center().y(), 0, SymbolGrid::cellSize);
    });

    auto *top = new QHBoxLayout;
    top->addWidget(m_fonts, 1);
    top->addWidget(m_all);
    auto *middle = new QHBoxLayout;
    middle->addWidget(m_scroll, 1);
    auto *side = new QVBoxLayout;
    side->addWidget(m_chosen);
    side->addStretch();
    middle->addLayout(side);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_note);
    layout->addLayout(middle, 1);
    layout->addLayout(DialogButtons::row(*this, 0));

    // Asking every installed face for its encodings takes a moment.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    m_symbolFonts = symbolFonts();
    QGuiApplication::restoreOverrideCursor();
    m_all->setChecked(m_symbolFonts.isEmpty());
    m_all->setEnabled(!m_symbolFonts.isEmpty());
    fillFonts();
}

bool TSuperTextGetSymbol::hasFonts() const
{
    return m_fonts->count() > 0;
}

bool TSuperTextGetSymbol::showingAllFonts() const
{
    return m_all->isChecked();
}

void TSuperTextGetSymbol::setShowingAllFonts(bool all)
{
    m_all->setChecked(all);
}

void TSuperTextGetSymbol::fillFonts()
{
    const QString before = m_fonts->currentText();
    const QStringList faces = m_all->isChecked() ? allFonts() : m_symbolFonts;
    m_note->setText(m_symbolFonts.isEmpty()
            ? QStringLiteral("No Symbol fonts installed: every font is listed.")
            : QString());
    m_note->setVisible(m_symbolFonts.isEmpty());
    {
        const QSignalBlocker quiet(m_fonts);
        m_fonts->clear();
        m_fonts->addItems(faces);
    }
    int index = faces.indexOf(before);
    for (int i = 0; index < 0 && i < faces.size(); ++i)
        if (faces[i].toUpper().contains(QLatin1String("WINGDING")))
            index = i;
    m_fonts->setCurrentIndex(index < 0 && !faces.isEmpty() ? 0 : index);
    showFont();
}

void TSuperTextGetSymbol::selectFont(const QString &family)
{
    const int index = m_fonts->findText(family, Qt::MatchFixedString);
    if (index >= 0)
        m_fonts->setCurrentIndex(index);
}

void TSuperTextGetSymbol::showFont()
{
    const QString family = m_fonts->currentText();
    m_grid->setSymbols(
        family, family.isEmpty() ? std::vector<char32_t>() : codesOf(family, m_symbolFonts.contains(family)));
    QFont big(family);
    big.setPixelSize(48);
    big.setStyleStrategy(QFont::NoFontMerging);
    m_chosen->setFont(big);
    m_scroll->verticalScrollBar()->setValue(0);
}

QString TSuperTextGetSymbol::chosenFont() const
{
    return m_fonts->currentText();
}

QString TSuperTextGetSymbol::chosenText() const
{
    return m_grid->currentText();
}

void TSuperTextGetSymbol::showEvent(QShowEvent *event)
{
    FormPlacement::CenterForm(this);
    QDialog::showEvent(event);
}

bool TSuperTextGetSymbol::pickSymbol(QWidget *parent, QString *family, QString *text)
{
    TSuperTextGetSymbol dialog(parent);
    if (!dialog.hasFonts()) {
        CommonDialogs::ShowInformation(parent, QStringLiteral("No Symbol fonts installed"));
        return false;
    }
    if (dialog.exec() != QDialog::Accepted || dialog.chosenFont().isEmpty())
        return false;
    *family = dialog.chosenFont();
    *text = dialog.chosenText();
    return true;
}
