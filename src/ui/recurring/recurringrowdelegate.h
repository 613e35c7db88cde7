#pragma once

#include <QPixmap>
#include <QStyledItemDelegate>

// Draws one row of a recurring-date list, 16 pixels high, with the readable
// text of the entry the item holds (Qt::UserRole). In check lists a chosen
// row carries a check mark before the text and the focused row is drawn
// white on black; plain lists highlight the chosen row.
class RecurringRowDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    enum class Style { Plain, Checks };
    static constexpr int kRowHeight = 16;
    // Rows that hold something else than a recurring-date entry (an event
    // of an iCalendar file) carry the text to draw in this role.
    static constexpr int kOwnTextRole = Qt::UserRole + 1;

    // The text the row at index is drawn with.
    [[nodiscard]] static QString rowText(const QModelIndex &index);

    explicit RecurringRowDelegate(Style style, QObject *parent = nullptr);

    void paint(
        QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    [[nodiscard]] QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

    // The check pictures: black on white for normal rows, white on black for the focused row.
    [[nodiscard]] const QPixmap &checkBmp() const { return CheckBmp; }
    [[nodiscard]] const QPixmap &revCheckBmp() const { return RevCheckBmp; }

private:
    Style m_style;
    QPixmap CheckBmp;
    QPixmap RevCheckBmp;
    QPixmap m_box; // an unchecked row's empty box
    QPixmap m_reversedBox;
};
