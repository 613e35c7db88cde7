#include "widgets/fontcolordialog.h"

#include "widgets/colorbutton.h"
#include "widgets/dialogbuttons.h"

#include <QDialogButtonBox>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

FontColorDialog::FontColorDialog(const QFont &font, const QColor &color, QWidget *parent)
    : QDialog(parent)
    , m_fontChooser(new QFontDialog(font, this))
    , m_colorButton(new ColorButton(QStringLiteral("&Color..."), this))
{
    setWindowTitle(QStringLiteral("Font"));
    // The font dialog lives inside this one as a plain widget.
    m_fontChooser->setWindowFlags(Qt::Widget);
    m_fontChooser->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    m_colorButton->setColor(color);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_colorButton);
    bottom->addStretch();
    bottom->addWidget(DialogButtons::standardBox(*this, 0));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_fontChooser);
    layout->addLayout(bottom);
}

void FontColorDialog::setScalableOnly(bool scalable)
{
    m_fontChooser->setOption(QFontDialog::ScalableFonts, scalable);
    // The face list is filtered again only when a font is set.
    m_fontChooser->setCurrentFont(m_fontChooser->currentFont());
}

QFont FontColorDialog::selectedFont() const
{
    return m_fontChooser->currentFont();
}

QColor FontColorDialog::selectedColor() const
{
    return m_colorButton->color();
}
