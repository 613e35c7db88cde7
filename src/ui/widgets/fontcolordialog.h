#pragma once

#include <QColor>
#include <QDialog>
#include <QFont>

class QFontDialog;
class ColorButton;

// The font dialog with a colour choice beside it: calendar fonts carry
// their colour, which Qt's font dialog alone does not offer.
class FontColorDialog : public QDialog
{
    Q_OBJECT

public:
    FontColorDialog(const QFont &font, const QColor &color, QWidget *parent = nullptr);

    // Lists only faces that scale to any size (outline fonts).
    void setScalableOnly(bool scalable);

    [[nodiscard]] QFont selectedFont() const;
    [[nodiscard]] QColor selectedColor() const;

private:
    QFontDialog *m_fontChooser;
    ColorButton *m_colorButton;
};
