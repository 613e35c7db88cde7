#include "surface/imagebrowser.h"

#include "widgets/commondialogs.h"
#include "widgets/helpviewer.h"

#include "graphics/picturefile.h"
#include "objects/vimage.h"
#include "platform/datafolder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileSystemModel>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QScrollArea>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QTreeView>
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
    fillPlaces();
    setFolder(rememberedFolder());
}

void TVImageBrowser::buildControls()
{
    m_places = new QComboBox;
    m_places->setObjectName(QStringLiteral("DriveComboBox1"));
    m_model = new QFileSystemModel(this);
    m_model->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    m_model->setRootPath(QDir::rootPath());
    m_folders = new QTreeView;
    m_folders->setObjectName(QStringLiteral("DirectoryListBox1"));
    m_folders->setModel(m_model);
    for (int column = 1; column < m_model->columnCount(); ++column)
        m_folders->hideColumn(column);
    m_folders->header()->hide();
    m_files = new QListWidget;
    m_files->setObjectName(QStringLiteral("FileListBox1"));
    m_preview = new QLabel;
    m_preview->setObjectName(QStringLiteral("Image1"));
    m_previewBox = new QScrollArea;
    m_previewBox->setWidget(m_preview);
    m_previewBox->setMinimumSize(220, 200);
    m_previewBox->setBackgroundRole(QPalette::Dark);

    // The model reads folders in the background: show the current one as
    // soon as the folders leading to it are known.
    connect(m_model, &QFileSystemModel::directoryLoaded, this, [this](const QString &loaded) {
        if (m_folder.startsWith(loaded))
            showFolderInTree();
    });
    connect(m_places, &QComboBox::activated, this, [this] { setFolder(m_places->currentData().toString()); });
    connect(m_folders, &QTreeView::clicked, this,
        [this](const QModelIndex &index) { setFolder(m_model->filePath(index)); });
    connect(m_files, &QListWidget::currentTextChanged, this, [this](const QString &name) {
        if (!name.isEmpty())
            selectFile(name);
    });

    auto *buttons
        = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this, [] { HelpViewer::ShowHelpContext(kHelpTopic); });

    auto *left = new QVBoxLayout;
    left->addWidget(m_places);
    left->addWidget(m_folders, 1);
    left->addWidget(new QLabel(PictureFile::nameFilter()));
    left->addWidget(m_files, 1);
    auto *right = new QVBoxLayout;
    right->addWidget(m_previewBox, 1);
    right->addWidget(buildOptions());
    auto *columns = new QHBoxLayout;
    columns->addLayout(left, 1);
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

void TVImageBrowser::fillPlaces()
{
    m_places->addItem(QStringLiteral("Home"), QDir::homePath());
    m_places->addItem(QStringLiteral("Computer"), QDir::rootPath());
    const QString clipArt = DataFolder::findCaseInsensitive(DataFolder::path(), QStringLiteral("ClipArt"));
    if (!clipArt.isEmpty())
        m_places->addItem(QStringLiteral("Clip art"), clipArt);
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        const QString root = volume.rootPath();
        if (volume.isValid() && volume.isReady() && root != QDir::rootPath()
            && (root.startsWith(QLatin1String("/media/")) || root.startsWith(QLatin1String("/mnt/"))
                || root.startsWith(QLatin1String("/run/media/"))))
            m_places->addItem(volume.displayName(), root);
    }
}

void TVImageBrowser::setFolder(const QString &path)
{
    m_folder = QDir(path).absolutePath();
    showPlace();
    showFolderInTree();
    listFiles();
}

// The place the folder lies in, the innermost when places nest.
void TVImageBrowser::showPlace()
{
    int best = -1;
    qsizetype bestLength = -1;
    for (int i = 0; i < m_places->count(); ++i) {
        const QString place = QDir(m_places->itemData(i).toString()).absolutePath();
        const bool inside = m_folder == place
            || m_folder.startsWith(place.endsWith(QLatin1Char('/')) ? place : place + QLatin1Char('/'));
        if (inside && place.size() > bestLength) {
            best = i;
            bestLength = place.size();
        }
    }
    const QSignalBlocker quiet(m_places);
    m_places->setCurrentIndex(best);
}

void TVImageBrowser::showFolderInTree()
{
    const QModelIndex index = m_model->index(m_folder);
    m_folders->setCurrentIndex(index);
    m_folders->scrollTo(index, QAbstractItemView::PositionAtCenter);
}

QStringList TVImageBrowser::fileNames() const
{
    QStringList names;
    for (int row = 0; row < m_files->count(); ++row)
        names << m_files->item(row)->text();
    return names;
}

void TVImageBrowser::listFiles()
{
    QStringList masks;
    for (const QString &extension : PictureFile::extensions())
        masks << QLatin1Char('*') + extension;
    // Name filters ignore letter case unless asked not to.
    const QStringList names = QDir(m_folder).entryList(masks, QDir::Files, QDir::Name | QDir::IgnoreCase);
    const QSignalBlocker quiet(m_files);
    m_files->clear();
    m_files->addItems(names);
}

bool TVImageBrowser::selectFile(const QString &name)
{
    m_selected = QDir(m_folder).filePath(name);
    m_picture = Picture();
    {
        const QList<QListWidgetItem *> items = m_files->findItems(name, Qt::MatchExactly);
        const QSignalBlocker quiet(m_files);
        m_files->setCurrentItem(items.isEmpty() ? nullptr : items.first());
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
