#pragma once

#include <QListView>
#include <QString>

class IconListModel;

// What both icon lists share: the icon collection shown (FileName), its
// entries, one per icon, extracted when first drawn (EnableCaching) or all
// at once, the list disabled while the file is missing (AutoDisable), and
// dragging an entry's icon out as a picture. Entries draw their icon
// alone, centred in a square cell a little larger than the standard icon.
class IconListBase : public QListView
{
    Q_OBJECT

public:
    [[nodiscard]] const QString &FileName() const { return m_fileName; }
    // A different name reloads the list, then OnFileChange is emitted; the
    // same name (compared with letter case) does nothing.
    void setFileName(const QString &fileName);
    [[nodiscard]] bool AutoDisable() const { return m_autoDisable; }
    void setAutoDisable(bool autoDisable);
    [[nodiscard]] bool EnableCaching() const { return m_enableCaching; }
    // Switching caching off reloads the list with every icon extracted.
    void setEnableCaching(bool enableCaching);
    // -1 while no file is loaded, else the count the file gave (0 for none).
    [[nodiscard]] int NumberOfIcons() const { return m_numberOfIcons; }
    // Why the loaded file gave no icons; empty when it simply holds none.
    [[nodiscard]] const QString &loadError() const { return m_loadError; }

    [[nodiscard]] int ItemIndex() const;
    // The icon of an entry, extracted now if it was not yet.
    [[nodiscard]] QImage iconAt(int index) const;
    [[nodiscard]] bool isExtracted(int index) const;
    [[nodiscard]] int extractedCount() const;
    // The side of an entry's square cell.
    [[nodiscard]] int cellSide() const { return m_cellSide; }

signals:
    void OnFileChange();

protected:
    IconListBase(int cellSide, QWidget *parent);
    void startDrag(Qt::DropActions supportedActions) override;

private:
    void reload();

    IconListModel *m_model;
    QString m_fileName;
    QString m_loadError;
    bool m_autoDisable = true;
    bool m_enableCaching = true;
    int m_numberOfIcons = -1;
    int m_cellSide;
};
