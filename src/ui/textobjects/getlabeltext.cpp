#include "textobjects/getlabeltext.h"

#include "widgets/dialogbuttons.h"
#include "widgets/formplacement.h"

#include "objects/vplabel.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

constexpr int kHelpTopic = 40004;

} // namespace

TGetLabelText::TGetLabelText(const QString &text, QWidget *parent)
    : QDialog(parent)
    , m_text(new QLineEdit(text))
{
    setWindowTitle(QStringLiteral("Text"));
    m_text->setObjectName(QStringLiteral("LabelText"));
    m_text->setWhatsThis(QStringLiteral("The text the label shows, on one line."));
    m_text->setMinimumWidth(320);
    m_text->selectAll();
    auto *prompt = new QLabel(QStringLiteral("Enter Text"));
    prompt->setBuddy(m_text);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(m_text);
    layout->addLayout(DialogButtons::row(*this, kHelpTopic));
}

QString TGetLabelText::text() const
{
    return m_text->text();
}

void TGetLabelText::showEvent(QShowEvent *event)
{
    FormPlacement::CenterForm(this);
    QDialog::showEvent(event);
}

bool TGetLabelText::EditText(TVPLabel &label, QWidget *parent)
{
    TGetLabelText dialog(label.caption(), parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    label.setCaption(dialog.text());
    label.fitToText();
    return true;
}
