#include "surface/imagebrowser.h"

#include "widgets/commondialogs.h"
#include "widgets/dialogbuttons.h"
#include "widgets/picturefolderview.h"

#include "objects/vimage.h"
#include "pictures/picturefile.h"
#include "platform/datafolder.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

constexpr int kHelpTopic = 40003;

QString &lastFolder()
{
    static QString folder;
    return folder;
}

// The picture drawn at a size, on white.
QPixmap rendered(const Picture &picture, QSize size)
{
    QImage image(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    picture.draw(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    return QPixmap::fromImage(image);
}

} // namespace

TVImageBrowser::TVImageBrowser(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Load Image File "));
    buildControls();
    setFolder(rememberedFolder());
}

void TVImageBrowser::buildControls()
{
    m_folders = new PictureFolderView(PictureFile::extensions());
    m_folders->addPlace(QStringLiteral("Clip art"),
        DataFolder::findCaseInsensitive(DataFolder::path(), QStringLiteral("ClipArt")));
    connect(m_folders, &PictureFolderView::fileChosen, this, &TVImageBrowser::selectFile);
    m_preview = new QLabel;
    m_preview->setObjectName(QStringLiteral("Image1"));
    m_previewBox = new QScrollArea;
    m_previewBox->setWidget(m_preview);
    m_previewBox->setMinimumSize(220, 200);
    m_previewBox->setBackgroundRole(QPalette::Dark);

    QDialogButtonBox *buttons = DialogButtons::standardBox(*this, kHelpTopic);

    auto *right = new QVBoxLayout;
    right->addWidget(m_previewBox, 1);
    right->addWidget(buildOptions());
    auto *columns = new QHBoxLayout;
    columns->addWidget(m_folders, 1);
    columns->addLayout(right, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(buttons);
    resize(620, 440);
}

QWidget *TVImageBrowser::buildOptions()
{
    auto *options = new QGroupBox(QStringLiteral("Options"));
    m_stretch = new QCheckBox(QStringLiteral("Stretch"));
    m_stretch->setToolTip(QStringLiteral("Stretch image to max display size"));
    m_autoSize = new QCheckBox(QStringLiteral("AutoSize"));
    m_autoSize->setToolTip(QStringLiteral("AutoSize TImage"));
    // Ticking one clears the other; the preview follows either.
    connect(m_stretch, &QCheckBox::clicked, this, [this](bool on) {
        if (on)
            m_autoSize->setChecked(false);
        showPreview();
    });
    connect(m_autoSize, &QCheckBox::clicked, this, [this](bool on) {
        if (on)
            m_stretch->setChecked(false);
        showPreview();
    });
    auto *layout = new QHBoxLayout(options);
    layout->addWidget(m_stretch);
    layout->addWidget(m_autoSize);
    return options;
}

void TVImageBrowser::setFolder(const QString &path)
{
    m_folders->setFolder(path);
}

QString TVImageBrowser::folder() const
{
    return m_folders->folder();
}

QStringList TVImageBrowser::fileNames() const
{
    return m_folders->fileNames();
}

bool TVImageBrowser::selectFile(const QString &name)
{
    m_selected = QDir(folder()).filePath(name);
    m_picture = Picture();
    {
        // Shows the choice in the list without choosing it a second time.
        const QSignalBlocker quiet(m_folders);
        m_folders->setCurrentFile(name);
    }
    QString error;
    const bool ok = PictureFile::load(m_selected, &m_picture, &error);
    const QString extension = QFileInfo(name).suffix().toUpper();
    if (!ok && (extension == QLatin1String("BMP") || extension == QLatin1String("WMF")))
        CommonDialogs::current().warning(
            this, QStringLiteral("Error"), QStringLiteral("Error loading file!"));
    showPreview();
    return ok;
}

bool TVImageBrowser::stretch() const
{
    return m_stretch->isChecked();
}

void TVImageBrowser::setStretch(bool stretch)
{
    m_stretch->setChecked(stretch);
    showPreview();
}

bool TVImageBrowser::autoSize() const
{
    return m_autoSize->isChecked();
}

void TVImageBrowser::setAutoSize(bool autoSize)
{
    m_autoSize->setChecked(autoSize);
    showPreview();
}

void TVImageBrowser::showPreview()
{
    if (m_picture.isEmpty()) {
        m_preview->clear();
        m_preview->resize(0, 0);
        return;
    }
    // Stretched unless auto-sized: the preview fills the box.
    const QSize size = m_autoSize->isChecked() || !m_stretch->isChecked() ? m_picture.size()
                                                                          : m_previewBox->viewport()->size();
    m_preview->setPixmap(rendered(m_picture, size));
    m_preview->resize(size);
}

void TVImageBrowser::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    showPreview();
}

QString TVImageBrowser::rememberedFolder()
{
    if (!lastFolder().isEmpty() && QDir(lastFolder()).exists())
        return lastFolder();
    const QString clipArt = DataFolder::findCaseInsensitive(DataFolder::path(), QStringLiteral("ClipArt"));
    return clipArt.isEmpty() ? QDir::homePath() : clipArt;
}

bool TVImageBrowser::LoadImageFromDisk(TVImage &image, QWidget *parent)
{
    TVImageBrowser browser(parent);
    browser.setStretch(image.stretch());
    browser.setAutoSize(image.autoSize());
    if (browser.exec() != QDialog::Accepted)
        return false;
    if (browser.selectedFile().isEmpty())
        return true;
    lastFolder() = browser.folder();
    image.takePicture(browser.picture(), browser.stretch(), browser.autoSize());
    return true;
}
