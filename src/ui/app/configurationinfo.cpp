#include "app/configurationinfo.h"

#include "widgets/commondialogs.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {
const QString kCaption = QStringLiteral("Configuration Information");
}

ConfigurationReport::Facts currentConfiguration(const QWidget *window, const Preferences &preferences)
{
    ConfigurationReport::Facts facts;
    facts.today = QDate::currentDate();
    facts.system = SystemInformation::current();
    facts.userLocale = QLocale::system();
    facts.systemLocale
        = facts.system.systemLocaleName.isEmpty() ? facts.userLocale : QLocale(facts.system.systemLocaleName);
    if (const QScreen *screen = window ? window->screen() : QGuiApplication::primaryScreen()) {
        facts.screenSize = screen->size();
        facts.screenDepth = screen->depth();
        facts.logicalDpi = qRound(screen->logicalDotsPerInch());
    }
    facts.preferences = preferences;
    return facts;
}

TConfigurationInfo::TConfigurationInfo(const QStringList &report, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , Label1(new QLabel(this))
    , Memo1(new QPlainTextEdit(this))
    , Button1(new QPushButton(QStringLiteral("Copy to Clipboard"), this))
    , Button2(new QPushButton(QStringLiteral("OK"), this))
{
    setWindowTitle(kCaption);
    Label1->setObjectName(QStringLiteral("Label1"));
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2->setObjectName(QStringLiteral("Button2"));

    Label1->setWordWrap(true);
    Label1->setText(QStringLiteral(
        "The information below describes this program, your computer and your settings. It helps technical "
        "support find out what went wrong. Press \"Copy to Clipboard\" to copy it, then paste it into a "
        "mail or a document."));
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Tabs line the values up after their labels.
    Memo1->setTabStopDistance(Memo1->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 14);
    Memo1->setPlainText(report.join(QLatin1Char('\n')));
    Button2->setDefault(true);
    connect(Button2, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button1, &QPushButton::clicked, this, &TConfigurationInfo::Button1Click);

    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(Button1, QDialogButtonBox::ActionRole);
    buttons->addButton(Button2, QDialogButtonBox::AcceptRole);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(Memo1, 1);
    layout->addWidget(buttons);
    resize(420, 373);
}

QString TConfigurationInfo::reportText() const
{
    return Memo1->toPlainText();
}

void TConfigurationInfo::Button1Click()
{
    QGuiApplication::clipboard()->setText(reportText());
    CommonDialogs::current().information(
        this, kCaption, QStringLiteral("Information copied to Windows clipboard"));
}

void TConfigurationInfo::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // The report is read from its first line.
    Memo1->moveCursor(QTextCursor::Start);
    Memo1->verticalScrollBar()->setValue(0);
}
