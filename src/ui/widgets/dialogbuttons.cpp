#include "widgets/dialogbuttons.h"

#include "widgets/helpviewer.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QToolButton>
#include <QWhatsThis>

namespace DialogButtons {

QDialogButtonBox *standardBox(QDialog &dialog, int helpTopic)
{
    const bool help = helpTopic > 0;
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel
        | (help ? QDialogButtonBox::Help : QDialogButtonBox::NoButton));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    if (help) {
        QObject::connect(buttons, &QDialogButtonBox::helpRequested, &dialog,
            [helpTopic] { HelpViewer::ShowHelpContext(helpTopic); });
    }
    return buttons;
}

QHBoxLayout *row(QDialog &dialog, int helpTopic)
{
    QDialogButtonBox *buttons = standardBox(dialog, helpTopic);
    auto *layout = new QHBoxLayout;
    if (helpTopic > 0) {
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

OkCancel okCancel(QDialog &dialog, const QString &okText, const QString &cancelText, Answer answer,
    const QStringList &actions)
{
    OkCancel row;
    row.ok = new QPushButton(okText, &dialog);
    for (const QString &text : actions)
        row.actions << new QPushButton(text, &dialog);
    row.cancel = new QPushButton(cancelText, &dialog);
    row.ok->setDefault(true);
    if (answer == Answer::Closes) {
        QObject::connect(row.ok, &QPushButton::clicked, &dialog, &QDialog::accept);
        QObject::connect(row.cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    }

    row.box = new QDialogButtonBox(&dialog);
    row.box->addButton(row.ok, QDialogButtonBox::AcceptRole);
    for (QPushButton *action : row.actions)
        row.box->addButton(action, QDialogButtonBox::ActionRole);
    row.box->addButton(row.cancel, QDialogButtonBox::RejectRole);
    return row;
}

} // namespace DialogButtons
