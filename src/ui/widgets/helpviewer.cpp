#include "widgets/helpviewer.h"

#include "platform/datafolder.h"
#include "widgets/pictures.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace {

QString helpFolder()
{
    return QDir(DataFolder::bundledResourcesPath()).filePath(QStringLiteral("help"));
}

// Pages show a button's picture with <img src="picture:NAME">: the very
// picture the button shows, drawn for the screen's pixel ratio.
class HelpBrowser : public QTextBrowser
{
public:
    using QTextBrowser::QTextBrowser;

protected:
    QVariant loadResource(int type, const QUrl &name) override
    {
        if (type != QTextDocument::ImageResource || name.scheme() != QLatin1String("picture"))
            return QTextBrowser::loadResource(type, name);
        return Pictures::icon(name.path()).pixmap(QSize(16, 16), devicePixelRatioF()).toImage();
    }
};

} // namespace

HelpViewer::HelpViewer(QWidget *parent)
    : QDialog(parent)
    , m_browser(new HelpBrowser(this))
{
    setWindowTitle(QStringLiteral("Datewright Help"));
    m_browser->setOpenExternalLinks(true);
    auto *back = new QPushButton(Pictures::icon(QStringLiteral("go-previous")), QStringLiteral("&Back"));
    auto *contents = new QPushButton(Pictures::icon(QStringLiteral("go-home")), QStringLiteral("C&ontents"));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    back->setEnabled(false);
    connect(contents, &QPushButton::clicked, this, [this] { showFile(contentsFile()); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::hide);

    auto *navigation = new QHBoxLayout;
    navigation->addWidget(back);
    navigation->addWidget(contents);
    navigation->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(navigation);
    layout->addWidget(m_browser);
    layout->addWidget(buttons);
    resize(560, 480);
}

HelpViewer &HelpViewer::instance()
{
    static QPointer<HelpViewer> viewer;
    if (!viewer)
        viewer = new HelpViewer;
    return *viewer;
}

QString HelpViewer::contentsFile()
{
    const QString file = QDir(helpFolder()).filePath(QStringLiteral("index.html"));
    return QFileInfo::exists(file) ? file : QString();
}

QString HelpViewer::topicFile(int topic)
{
    const QString file = QDir(helpFolder()).filePath(QStringLiteral("topic-%1.html").arg(topic));
    return QFileInfo::exists(file) ? file : contentsFile();
}

void HelpViewer::showFile(const QString &fileName)
{
    if (fileName.isEmpty())
        m_browser->setHtml(QStringLiteral("<p>The help pages are not installed. They belong in %1.</p>")
                               .arg(QDir::toNativeSeparators(helpFolder()).toHtmlEscaped()));
    else
        m_browser->setSource(QUrl::fromLocalFile(fileName));
    show();
    raise();
    activateWindow();
}

QString HelpViewer::currentFile() const
{
    return m_browser->source().toLocalFile();
}

void HelpViewer::ShowHelpContext(int topic)
{
    instance().showFile(topicFile(topic));
}

void HelpViewer::ShowHelpContents()
{
    instance().showFile(contentsFile());
}
