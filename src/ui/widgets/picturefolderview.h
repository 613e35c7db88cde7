#pragma once

// Pascal-case object names (DriveComboBox1, DirectoryListBox1, FileListBox1)
// are the documented control names of the picture browsers.

#include <QStringList>
#include <QWidget>

class QComboBox;
class QFileSystemModel;
class QListWidget;
class QTreeView;

// The left half of a picture browser: a list of places (home, the root,
// mounted volumes and the program's own picture folders), the folder tree
// below them and the files of the chosen folder whose extension is one of
// the given ones, in either letter case.
class PictureFolderView : public QWidget
{
    Q_OBJECT

public:
    // extensions: ".BMP", ".JPG", ...
    explicit PictureFolderView(const QStringList &extensions, QWidget *parent = nullptr);

    // A place of the program's own (clip art, textures), after the root.
    void addPlace(const QString &caption, const QString &path);

    // Shows a folder in the tree and lists its picture files.
    void setFolder(const QString &path);
    [[nodiscard]] QString folder() const { return m_folder; }
    [[nodiscard]] QStringList fileNames() const;
    // Makes the named file the current one of the list (fileChosen follows).
    void setCurrentFile(const QString &name);

signals:
    // The user (or setCurrentFile) made a file of the list the current one.
    void fileChosen(const QString &name);

private:
    void fillPlaces();
    void showPlace();
    void showFolderInTree();
    void listFiles();

    QStringList m_extensions;
    QComboBox *m_places = nullptr;
    QFileSystemModel *m_model = nullptr;
    QTreeView *m_folders = nullptr;
    QListWidget *m_files = nullptr;
    QString m_folder;
};
