#include "widgets/dialogbuttons.h"

#include "widgets/helpviewer.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QToolButton>
#include <QWhatsThis>

namespace DialogButtons {

QHBoxLayout *row(QDialog &dialog, int helpTopic)
{
    const bool help = helpTopic > 0;
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel
        | (help ? QDialogButtonBox::Help : QDialogButtonBox::NoButton));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto *layout = new QHBoxLayout;
    if (help) {
        QObject::connect(buttons, &QDialogButtonBox::helpRequested, &dialog,
            [helpTopic] { HelpViewer::ShowHelpContext(helpTopic); });
        auto *whatsThis = new QToolButton;
        whatsThis->setObjectName(QStringLiteral("HelpCursorButton"));
        whatsThis->setIcon(QIcon::fromTheme(QStringLiteral("help-contextual")));
        whatsThis->setText(QStringLiteral("?"));
        whatsThis->setToolTip(QStringLiteral("Click here, then on a control, to see what it does"));
        QObject::connect(whatsThis, &QToolButton::clicked, &dialog, [] { QWhatsThis::enterWhatsThisMode(); });
        layout->addWidget(whatsThis);
    }
    layout->addStretch();
    layout->addWidget(buttons);
    return layout;
}

QDialogButtonBox *box(const QDialog &dialog)
{
    return dialog.findChild<QDialogButtonBox *>();
}

} // namespace DialogButtons
