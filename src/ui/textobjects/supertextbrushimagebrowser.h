#pragma once

// Pascal-case object names (SuperTextExample, FileListBox1) are the
// dialog's documented control names.

#include <QDialog>
#include <QImage>

#include <memory>

class PictureFolderView;
class TVSuperText;

// "Load Texture Image": the picture files of a folder, each one tried as the
// texture of a copy of the SuperText being edited.
class TSuperTextBrushImageBrowser : public QDialog
{
    Q_OBJECT

public:
    // Opens where the last texture came from, else in the data folder's
    // "bmbrush" or "Textures" folder, else the data folder itself.
    TSuperTextBrushImageBrowser(
        const TVSuperText &example, const QString &lastFile, QWidget *parent = nullptr);
    ~TSuperTextBrushImageBrowser() override;

    // ".BMP", ".DIB", ".JPG", ".JIF", ".PCX", ".RLE", ".TGA", ".ICO".
    [[nodiscard]] static QStringList extensions();
    [[nodiscard]] static QString startFolder(const QString &lastFile);
    // The texture a picture file holds; null when it does not load.
    [[nodiscard]] static QImage textureOf(const QString &fileName);
    // What "Texture" starts with before any is chosen: the last texture
    // file, else the first picture of the start folder; null for none.
    [[nodiscard]] static QImage startTexture(const QString &lastFile);

    void setFolder(const QString &path);
    [[nodiscard]] QString folder() const;
    [[nodiscard]] QStringList fileNames() const;
    // Loads a file of the folder as the example's texture; a file that does
    // not load empties the texture (a BMP file also says so). False then.
    bool selectFile(const QString &name);
    [[nodiscard]] const QString &selectedFile() const { return m_selected; }
    [[nodiscard]] QImage texture() const;
    [[nodiscard]] TVSuperText &example() { return *m_example; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    std::unique_ptr<TVSuperText> m_example;
    PictureFolderView *m_folders = nullptr;
    QString m_selected;
};
