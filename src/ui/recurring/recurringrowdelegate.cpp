#include "recurring/recurringrowdelegate.h"

#include "recurring/recurringdescription.h"

#include <QPainter>
#include <QPainterPath>

namespace {

// A box, with a tick in it when checked, on a transparent ground so the row
// colour shows around it. Every row shows its box, so the list reads as a
// list of choices before anything is chosen.
QPixmap checkPicture(const QColor &color, bool ticked)
{
    QPixmap picture(RecurringRowDelegate::kRowHeight, RecurringRowDelegate::kRowHeight);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setPen(QPen(color, 1));
    painter.drawRect(QRectF(1.5, 1.5, 12, 12));
    if (!ticked)
        return picture;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(color, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath tick;
    tick.moveTo(3.5, 8.5);
    tick.lineTo(6.5, 11.5);
    tick.lineTo(12.5, 4.0);
    painter.drawPath(tick);
    return picture;
}

} // namespace

QString RecurringRowDelegate::rowText(const QModelIndex &index)
{
    const QVariant own = index.data(kOwnTextRole);
    if (own.isValid())
        return own.toString();
    return RecurringDescription::EntryDisplayText(index.data(Qt::UserRole).toString());
}

RecurringRowDelegate::RecurringRowDelegate(Style style, QObject *parent)
    : QStyledItemDelegate(parent)
    , m_style(style)
    , CheckBmp(checkPicture(Qt::black, true))
    , RevCheckBmp(checkPicture(Qt::white, true))
    , m_box(checkPicture(Qt::black, false))
    , m_reversedBox(checkPicture(Qt::white, false))
{
}

void RecurringRowDelegate::paint(
    QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const QRect row = option.rect;
    const bool selected = option.state & QStyle::State_Selected;
    QColor ground = option.palette.color(QPalette::Base);
    QColor ink = Qt::black;
    int textLeft = row.left();
    if (m_style == Style::Checks) {
        if (option.state & QStyle::State_HasFocus) {
            ground = Qt::black;
            ink = Qt::white;
        }
        textLeft += CheckBmp.width() + 5;
    } else if (selected) {
        ground = option.palette.color(QPalette::Highlight);
        ink = option.palette.color(QPalette::HighlightedText);
    }
    painter->save();
    painter->fillRect(row, ground);
    if (m_style == Style::Checks) {
        const bool reversed = ink == Qt::white;
        painter->drawPixmap(row.topLeft(),
            selected ? (reversed ? RevCheckBmp : CheckBmp) : (reversed ? m_reversedBox : m_box));
    }
    painter->setPen(ink);
    painter->setFont(option.font);
    painter->drawText(QRect(textLeft, row.top(), row.right() - textLeft + 1, row.height()),
        Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, rowText(index));
    painter->restore();
}

QSize RecurringRowDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    return { QStyledItemDelegate::sizeHint(option, index).width(), kRowHeight };
}
