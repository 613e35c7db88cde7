#pragma once

#include "objects/objecttypes.h"
#include "objects/vgraphiccontrol.h"

#include "pictures/picture.h"

#include <QString>
#include <QStringList>

// Clip art: one picture fitted to the object's rectangle, optionally
// mirrored, framed, or sizing the object to the picture.
class TVImage : public TVGraphicControl
{
    Q_OBJECT

public:
    explicit TVImage(TComponent *owner = nullptr);

    [[nodiscard]] bool autoSize() const { return m_autoSize; }
    // Always the opposite of stretch().
    void setAutoSize(bool autoSize);
    [[nodiscard]] TBorderStyle borderStyle() const { return m_borderStyle; }
    void setBorderStyle(TBorderStyle style);
    [[nodiscard]] const Picture &picture() const { return m_picture; }
    void setPicture(const Picture &picture);
    [[nodiscard]] bool stretch() const { return m_stretch; }
    void setStretch(bool stretch);
    [[nodiscard]] bool reverse() const { return m_reverse; }
    void setReverse(bool reverse);
    [[nodiscard]] bool flip() const { return m_flip; }
    void setFlip(bool flip);

    // Takes a picture with Stretch and AutoSize as given (both may be off),
    // as the clip-art browser hands them over.
    void takePicture(const Picture &picture, bool stretch, bool autoSize);

    // Loads a picture file by its extension, as the clip-art browser does;
    // on failure the picture is emptied and the message says why.
    bool loadPictureFile(const QString &fileName, QString *error = nullptr);

    // A folder the picture changes with the month from: its pictures in
    // name order, one a month, wrapping. Empty: the picture stays as placed.
    [[nodiscard]] const QString &pictureFolder() const { return m_pictureFolder; }
    void setPictureFolder(const QString &folder) { m_pictureFolder = folder; }
    // The folder's pictures the object can load, in name order.
    [[nodiscard]] QStringList folderPictures() const;
    // The folder's picture of the index-th month (0 the first); false, with
    // the picture kept, when the folder has none that loads.
    bool showFolderPicture(int monthIndex);

    // True when the picture is a bitmap exactly as large as the object.
    [[nodiscard]] bool isOpaque() const { return m_opaque; }
    // Flip and Reverse apply to bitmaps only.
    [[nodiscard]] bool canMirror() const { return m_picture.isBitmap(); }

    // The picture stretched over the object, mirrored as set; an object
    // without a picture is a white box with a black outline.
    void paint(QPainter &painter, float scale) const override;

    [[nodiscard]] QString className() const override;
    [[nodiscard]] const RecordTable &records() const override;

protected:
    void boundsChanged() override;

private:
    void pictureChanged();
    void paintPicture(QPainter &painter, const QRect &rect) const;

    bool m_autoSize = false;
    TBorderStyle m_borderStyle = bsNone;
    Picture m_picture;
    bool m_stretch = true;
    bool m_reverse = false;
    bool m_flip = false;
    bool m_opaque = false;
    QString m_pictureFolder;
};
