#pragma once

// Pascal-case names (LoadImageFromDisk, the controls' object names) are the
// documented ones.

#include "pictures/picture.h"

#include <QDialog>

class PictureFolderView;
class QCheckBox;
class QLabel;
class QScrollArea;
class TVImage;

// "Load Image File ": a folder tree below the places of this computer (home,
// the root, mounted volumes), the picture files of the chosen folder, and a
// preview of the chosen one, stretched or at its own size.
class TVImageBrowser : public QDialog
{
    Q_OBJECT

public:
    explicit TVImageBrowser(QWidget *parent = nullptr);

    // Shows a folder in the tree and lists its picture files.
    void setFolder(const QString &path);
    [[nodiscard]] QString folder() const;
    [[nodiscard]] QStringList fileNames() const;
    // Loads a file of the list into the preview, as clicking it does; an
    // unreadable BMP or WMF file is reported, every failure clears the preview.
    bool selectFile(const QString &name);
    [[nodiscard]] const QString &selectedFile() const { return m_selected; }
    [[nodiscard]] const Picture &picture() const { return m_picture; }

    [[nodiscard]] bool stretch() const;
    void setStretch(bool stretch);
    [[nodiscard]] bool autoSize() const;
    void setAutoSize(bool autoSize);

    // The folder the browser opens in: the last one a picture came from, at
    // first the data folder's clip art.
    [[nodiscard]] static QString rememberedFolder();

    // The clip-art command: on OK with a file chosen the object takes the
    // picture, Stretch and AutoSize. True on OK.
    static bool LoadImageFromDisk(TVImage &image, QWidget *parent = nullptr);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildControls();
    [[nodiscard]] QWidget *buildOptions();
    void showPreview();

    PictureFolderView *m_folders = nullptr;
    QScrollArea *m_previewBox = nullptr;
    QLabel *m_preview = nullptr;
    QCheckBox *m_stretch = nullptr;
    QCheckBox *m_autoSize = nullptr;
    QString m_selected;
    Picture m_picture;
};
