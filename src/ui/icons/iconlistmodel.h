#pragma once

#include "icons/iconcollection.h"

#include <QAbstractListModel>
#include <QImage>
#include <QList>

// The entries of an icon list: entry i reads "i" and holds icon i of the
// collection, at the standard icon size, once it has been extracted.
// Extraction happens when an entry is first asked for its icon (or for all
// entries at once when loading without caching); the list keeps each icon
// until it is cleared or reloaded.
class IconListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    using QAbstractListModel::QAbstractListModel;

    // Every icon is drawn at this size, as the system's standard icon.
    static constexpr int kStandardIconSide = 32;

    void load(IconCollection collection, bool extractAll);
    void clear();

    [[nodiscard]] QImage icon(int row) const;
    [[nodiscard]] bool isExtracted(int row) const;
    [[nodiscard]] int extractedCount() const { return m_extractedCount; }

    [[nodiscard]] int rowCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex &index, int role) const override;
    [[nodiscard]] Qt::ItemFlags flags(const QModelIndex &index) const override;
    // A dragged entry carries its icon as a picture, which the day cells
    // and the cell editor take.
    [[nodiscard]] QStringList mimeTypes() const override;
    [[nodiscard]] QMimeData *mimeData(const QModelIndexList &indexes) const override;

private:
    IconCollection m_collection;
    mutable QList<QImage> m_icons;
    mutable QList<bool> m_extracted;
    mutable int m_extractedCount = 0;
};
