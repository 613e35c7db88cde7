#include "icons/iconlistmodel.h"

#include <QMimeData>

void IconListModel::load(IconCollection collection, bool extractAll)
{
    beginResetModel();
    m_collection = std::move(collection);
    m_icons = QList<QImage>(m_collection.count());
    m_extracted = QList<bool>(m_collection.count(), false);
    m_extractedCount = 0;
    endResetModel();
    if (extractAll) {
        for (int row = 0; row < m_collection.count(); ++row)
            (void)icon(row);
    }
}

void IconListModel::clear()
{
    load(IconCollection(), false);
}

QImage IconListModel::icon(int row) const
{
    if (row < 0 || row >= m_icons.size())
        return {};
    if (!m_extracted[row]) {
        QImage image = m_collection.icon(row);
        const QSize standard(kStandardIconSide, kStandardIconSide);
        // Served at the standard size whatever size was nearest to it.
        if (!image.isNull() && image.size() != standard)
            image = image.scaled(standard, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        m_icons[row] = image;
        m_extracted[row] = true;
        ++m_extractedCount;
    }
    return m_icons[row];
}

bool IconListModel::isExtracted(int row) const
{
    return row >= 0 && row < m_extracted.size() && m_extracted[row];
}

int IconListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_icons.size());
}

QVariant IconListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_icons.size())
        return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return QString::number(index.row());
    return {};
}

Qt::ItemFlags IconListModel::flags(const QModelIndex &index) const
{
    return QAbstractListModel::flags(index) | Qt::ItemIsDragEnabled;
}

QStringList IconListModel::mimeTypes() const
{
    return { QStringLiteral("application/x-qt-image") };
}

QMimeData *IconListModel::mimeData(const QModelIndexList &indexes) const
{
    if (indexes.isEmpty())
        return nullptr;
    const QImage image = icon(indexes.first().row());
    if (image.isNull())
        return nullptr;
    auto *data = new QMimeData;
    data->setImageData(image);
    return data;
}
