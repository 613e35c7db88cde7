#include "textobjects/supertextbrushimagebrowser.h"

#include "textobjects/supertextcopy.h"
#include "widgets/commondialogs.h"
#include "widgets/dialogbuttons.h"
#include "widgets/formplacement.h"
#include "widgets/objectpreview.h"
#include "widgets/picturefolderview.h"

#include "objects/vsupertext.h"
#include "pictures/picturefile.h"
#include "platform/datafolder.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

constexpr int kHelpTopic = 40012;

} // namespace

TSuperTextBrushImageBrowser::TSuperTextBrushImageBrowser(
    const TVSuperText &example, const QString &lastFile, QWidget *parent)
    : QDialog(parent)
    , m_example(std::make_unique<TVSuperText>())
{
    setWindowTitle(QStringLiteral("Load Texture Image"));
    m_example->setName(QStringLiteral("SuperTextExample"));
    m_example->setBounds(8, 8, 100, 100);
    SuperTextCopy::toPreview(example, *m_example);
    m_example->setSurfaceType(stBrushImage); // keeps the example's texture

    m_folders = new PictureFolderView(extensions());
    m_folders->addPlace(QStringLiteral("Textures"),
        DataFolder::findCaseInsensitive(DataFolder::path(), QStringLiteral("Textures")));
    m_folders->setWhatsThis(QStringLiteral("Choose a folder, then a picture file to try as the texture."));
    connect(m_folders, &PictureFolderView::fileChosen, this, &TSuperTextBrushImageBrowser::selectFile);
    QScrollArea *preview = scrolledPreview(*m_example, QSize(300, 200));
    preview->setWhatsThis(QStringLiteral("The SuperText with the chosen texture."));

    auto *columns = new QHBoxLayout;
    columns->addWidget(m_folders, 1);
    columns->addWidget(preview, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addLayout(DialogButtons::row(*this, kHelpTopic));
    resize(680, 440);

    setFolder(startFolder(lastFile));
    if (QFileInfo(lastFile).isFile())
        m_folders->setCurrentFile(QFileInfo(lastFile).fileName());
}

TSuperTextBrushImageBrowser::~TSuperTextBrushImageBrowser() = default;

QStringList TSuperTextBrushImageBrowser::extensions()
{
    QStringList list = PictureFile::extensions();
    list.removeAll(QStringLiteral(".WMF")); // a texture is a bitmap
    return list;
}

QString TSuperTextBrushImageBrowser::startFolder(const QString &lastFile)
{
    if (!lastFile.isEmpty() && QFileInfo(lastFile).isFile())
        return QFileInfo(lastFile).absolutePath();
    const QString data = DataFolder::path();
    for (const QString &sub : { QStringLiteral("bmbrush"), QStringLiteral("Textures") }) {
        const QString found = DataFolder::findCaseInsensitive(data, sub);
        if (!found.isEmpty() && QFileInfo(found).isDir())
            return found;
    }
    return data;
}

QImage TSuperTextBrushImageBrowser::textureOf(const QString &fileName)
{
    Picture picture;
    if (!PictureFile::load(fileName, &picture))
        return {};
    return picture.image();
}

QImage TSuperTextBrushImageBrowser::startTexture(const QString &lastFile)
{
    QImage texture = textureOf(lastFile);
    const QDir folder(startFolder(QString()));
    QStringList masks;
    for (const QString &extension : extensions())
        masks << QLatin1Char('*') + extension;
    const QStringList names = folder.entryList(masks, QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (int i = 0; texture.isNull() && i < names.size(); ++i)
        texture = textureOf(folder.filePath(names[i]));
    return texture;
}

void TSuperTextBrushImageBrowser::setFolder(const QString &path)
{
    m_folders->setFolder(path);
}

QString TSuperTextBrushImageBrowser::folder() const
{
    return m_folders->folder();
}

QStringList TSuperTextBrushImageBrowser::fileNames() const
{
    return m_folders->fileNames();
}

bool TSuperTextBrushImageBrowser::selectFile(const QString &name)
{
    m_selected = QDir(folder()).filePath(name);
    {
        const QSignalBlocker quiet(m_folders);
        m_folders->setCurrentFile(name);
    }
    const QImage image = textureOf(m_selected);
    const bool ok = !image.isNull();
    StoredBitmap texture;
    if (ok)
        texture.setImage(image);
    else if (QFileInfo(name).suffix().toUpper() == QLatin1String("BMP"))
        CommonDialogs::current().warning(
            this, QStringLiteral("Error"), QStringLiteral("Error loading file!"));
    m_example->setImage(texture);
    if (QWidget *list = m_folders->findChild<QWidget *>(QStringLiteral("FileListBox1")))
        list->setFocus();
    return ok;
}

QImage TSuperTextBrushImageBrowser::texture() const
{
    return m_example->image().image();
}

void TSuperTextBrushImageBrowser::showEvent(QShowEvent *event)
{
    FormPlacement::CenterForm(this);
    QDialog::showEvent(event);
}
