#include "widgets/picturefolderview.h"

#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QStorageInfo>
#include <QTreeView>
#include <QVBoxLayout>

PictureFolderView::PictureFolderView(const QStringList &extensions, QWidget *parent)
    : QWidget(parent)
    , m_extensions(extensions)
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

    // The model reads folders in the background: show the current one as
    // soon as the folders leading to it are known. Their rows come in
    // unsorted and are sorted a moment later, which would move the folder
    // out of sight again: sort them first.
    connect(m_model, &QFileSystemModel::directoryLoaded, this, [this](const QString &loaded) {
        if (m_folder.startsWith(loaded)) {
            m_model->sort(0);
            showFolderInTree();
        }
    });
    connect(m_places, &QComboBox::activated, this, [this] { setFolder(m_places->currentData().toString()); });
    connect(m_folders, &QTreeView::clicked, this,
        [this](const QModelIndex &index) { setFolder(m_model->filePath(index)); });
    connect(m_files, &QListWidget::currentTextChanged, this, [this](const QString &name) {
        if (!name.isEmpty())
            emit fileChosen(name);
    });

    QStringList masks;
    for (const QString &extension : m_extensions)
        masks << QLatin1Char('*') + extension;
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_places);
    layout->addWidget(m_folders, 2);
    layout->addWidget(new QLabel(masks.join(QLatin1Char(';'))));
    layout->addWidget(m_files, 1);
    fillPlaces();
}

void PictureFolderView::fillPlaces()
{
    m_places->addItem(QStringLiteral("Home"), QDir::homePath());
    m_places->addItem(QStringLiteral("Computer"), QDir::rootPath());
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        const QString root = volume.rootPath();
        if (volume.isValid() && volume.isReady() && root != QDir::rootPath()
            && (root.startsWith(QLatin1String("/media/")) || root.startsWith(QLatin1String("/mnt/"))
                || root.startsWith(QLatin1String("/run/media/"))))
            m_places->addItem(volume.displayName(), root);
    }
}

void PictureFolderView::addPlace(const QString &caption, const QString &path)
{
    if (!path.isEmpty())
        m_places->insertItem(2, caption, path);
}

void PictureFolderView::setFolder(const QString &path)
{
    m_folder = QDir(path).absolutePath();
    showPlace();
    showFolderInTree();
    listFiles();
}

void PictureFolderView::showPlace()
{
    // The place the folder lies in, the nearest one when places nest.
    int best = -1;
    int bestLength = -1;
    for (int i = 0; i < m_places->count(); ++i) {
        const QString place = QDir(m_places->itemData(i).toString()).absolutePath();
        const bool inside = m_folder == place
            || m_folder.startsWith(place.endsWith(QLatin1Char('/')) ? place : place + QLatin1Char('/'));
        if (inside && place.size() > bestLength) {
            best = i;
            bestLength = int(place.size());
        }
    }
    m_places->setCurrentIndex(best);
}

void PictureFolderView::showFolderInTree()
{
    const QModelIndex index = m_model->index(m_folder);
    m_folders->setCurrentIndex(index);
    m_folders->scrollTo(index, QAbstractItemView::PositionAtCenter);
}

QStringList PictureFolderView::fileNames() const
{
    QStringList names;
    for (int row = 0; row < m_files->count(); ++row)
        names << m_files->item(row)->text();
    return names;
}

void PictureFolderView::setCurrentFile(const QString &name)
{
    const QList<QListWidgetItem *> found = m_files->findItems(name, Qt::MatchFixedString);
    if (!found.isEmpty())
        m_files->setCurrentItem(found.constFirst());
}

void PictureFolderView::listFiles()
{
    QStringList masks;
    for (const QString &extension : m_extensions)
        masks << QLatin1Char('*') + extension;
    // Name filters ignore letter case unless asked not to.
    const QStringList names = QDir(m_folder).entryList(masks, QDir::Files, QDir::Name | QDir::IgnoreCase);
    const QSignalBlocker quiet(m_files);
    m_files->clear();
    m_files->addItems(names);
}
