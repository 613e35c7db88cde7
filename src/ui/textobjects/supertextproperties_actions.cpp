// The properties dialog's buttons and its OK.
#include "textobjects/supertextbrushimagebrowser.h"
#include "textobjects/supertextcopy.h"
#include "textobjects/supertextgetsymbol.h"
#include "textobjects/supertextproperties.h"
#include "widgets/commondialogs.h"
#include "widgets/formplacement.h"

#include "objects/supertextlayout.h"
#include "objects/vsupertext.h"

#include <QLineEdit>

void TSuperTextProperties::stepFontSize(bool up)
{
    CalendarFont font = m_preview->font();
    const int size = superTextFontSizeStep(font.size, up);
    if (size == font.size)
        return;
    font.size = size;
    m_preview->setFont(font);
    refit();
    showCaptionFace();
}

void TSuperTextProperties::chooseFont()
{
    CalendarFont font = m_preview->font();
    if (!CommonDialogs::chooseCalendarFont(this, font, CommonDialogs::FontFaces::Scalable))
        return;
    m_preview->setFont(font);
    refit();
    showCaptionFace();
}

void TSuperTextProperties::chooseSymbol()
{
    QString family;
    QString text;
    if (!TSuperTextGetSymbol::pickSymbol(this, &family, &text))
        return;
    CalendarFont font = m_preview->font();
    font.name = family;
    m_preview->setFont(font);
    // Only a face chosen: the text stays and shows in it.
    if (!text.isEmpty()) {
        const QSignalBlocker quiet(m_caption);
        m_caption->setText(text);
        m_preview->setCaption(text);
    }
    refit();
    showCaptionFace();
}

void TSuperTextProperties::loadTexture()
{
    TSuperTextBrushImageBrowser browser(*m_preview, m_preview->lastBitmapFileNameandPath(), this);
    if (browser.exec() != QDialog::Accepted || browser.selectedFile().isEmpty())
        return;
    setThumbnail(browser.texture());
    StoredBitmap texture;
    texture.setImage(browser.texture());
    m_preview->setImage(texture);
    m_preview->setLastBitmapFileNameandPath(browser.selectedFile());
    refit();
}

void TSuperTextProperties::accept()
{
    if (m_caption->text().isEmpty()) {
        CommonDialogs::ShowInformation(this, QStringLiteral("Please enter some text"));
        m_caption->setFocus();
        return;
    }
    QDialog::accept();
}

void TSuperTextProperties::showEvent(QShowEvent *event)
{
    FormPlacement::CenterForm(this);
    QDialog::showEvent(event);
}

bool TSuperTextProperties::editProperties(TVSuperText &object, QWidget *parent)
{
    TSuperTextProperties dialog(object, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    SuperTextCopy::fromPreview(dialog.preview(), object);
    object.layOut();
    object.notifyModified();
    return true;
}
