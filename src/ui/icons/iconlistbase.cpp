#include "icons/iconlistbase.h"

#include "icons/iconlistmodel.h"

#include <QApplication>
#include <QDrag>
#include <QFileInfo>
#include <QPainter>
#include <QStyledItemDelegate>

namespace {

// Draws an entry as its icon alone, centred on the list's background or
// on the selection colour.
class IconDelegate : public QStyledItemDelegate
{
public:
    IconDelegate(IconListBase *list, IconListModel *model)
        : QStyledItemDelegate(list)
        , m_list(list)
        , m_model(model)
    {
    }

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const bool selected = option.state & QStyle::State_Selected;
        painter->fillRect(option.rect, option.palette.brush(selected ? QPalette::Highlight : QPalette::Base));
        const QImage icon = m_model->icon(index.row());
        if (icon.isNull())
            return; // an icon that cannot be read leaves its entry blank
        const QPoint at(option.rect.left() + (option.rect.width() - icon.width()) / 2,
            option.rect.top() + (option.rect.height() - icon.height()) / 2);
        painter->drawImage(at, icon);
    }

    [[nodiscard]] QSize sizeHint(const QStyleOptionViewItem &, const QModelIndex &) const override
    {
        return { m_list->cellSide(), m_list->cellSide() };
    }

private:
    IconListBase *m_list;
    IconListModel *m_model;
};

} // namespace

IconListBase::IconListBase(int cellSide, QWidget *parent)
    : QListView(parent)
    , m_model(new IconListModel(this))
    , m_cellSide(cellSide)
{
    setModel(m_model);
    setItemDelegate(new IconDelegate(this, m_model));
    setUniformItemSizes(true);
    setMovement(QListView::Static);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
    setDefaultDropAction(Qt::CopyAction);
    setFont(QFont(QStringLiteral("Arial")));
    // Scrolling moves a whole entry at a time.
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
}

void IconListBase::setFileName(const QString &fileName)
{
    if (fileName == m_fileName)
        return;
    m_fileName = fileName;
    reload();
    emit OnFileChange();
}

void IconListBase::setAutoDisable(bool autoDisable)
{
    m_autoDisable = autoDisable;
    setEnabled(!m_autoDisable || (!m_fileName.isEmpty() && QFileInfo::exists(m_fileName)));
}

void IconListBase::setEnableCaching(bool enableCaching)
{
    if (enableCaching == m_enableCaching)
        return;
    m_enableCaching = enableCaching;
    if (!enableCaching)
        reload();
}

void IconListBase::reload()
{
    m_model->clear();
    m_numberOfIcons = -1;
    m_loadError.clear();
    const bool exists = !m_fileName.isEmpty() && QFileInfo::exists(m_fileName);
    setEnabled(!m_autoDisable || exists);
    if (!exists)
        return;
    if (!m_enableCaching)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    IconCollection collection = IconCollection::fromFile(m_fileName);
    m_numberOfIcons = collection.count();
    m_loadError = collection.error();
    m_model->load(std::move(collection), !m_enableCaching);
    if (!m_enableCaching)
        QApplication::restoreOverrideCursor();
    if (m_numberOfIcons > 0)
        setCurrentIndex(m_model->index(0));
}

int IconListBase::ItemIndex() const
{
    return currentIndex().isValid() ? currentIndex().row() : -1;
}

QImage IconListBase::iconAt(int index) const
{
    return m_model->icon(index);
}

bool IconListBase::isExtracted(int index) const
{
    return m_model->isExtracted(index);
}

int IconListBase::extractedCount() const
{
    return m_model->extractedCount();
}

void IconListBase::startDrag(Qt::DropActions supportedActions)
{
    const QModelIndexList indexes = selectedIndexes();
    QMimeData *data = m_model->mimeData(indexes);
    if (!data)
        return;
    auto *drag = new QDrag(this);
    drag->setMimeData(data);
    const QImage icon = m_model->icon(indexes.first().row());
    drag->setPixmap(QPixmap::fromImage(icon));
    drag->setHotSpot(QPoint(icon.width() / 2, icon.height() / 2));
    drag->exec(supportedActions & Qt::CopyAction ? Qt::CopyAction : supportedActions, Qt::CopyAction);
}
