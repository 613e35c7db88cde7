#include "textobjects/symbolgrid.h"

#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QRawFont>

SymbolGrid::SymbolGrid(QWidget *parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

void SymbolGrid::setSymbols(const QString &family, const std::vector<char32_t> &codes)
{
    m_font = QFont(family);
    m_font.setPixelSize(24);
    // A missing character stays missing instead of coming from another face.
    m_font.setStyleStrategy(QFont::NoFontMerging);
    m_codes = codes;
    const QRawFont raw = QRawFont::fromFont(m_font);
    m_present.clear();
    for (char32_t code : m_codes)
        m_present.push_back(raw.supportsCharacter(code));
    m_current = -1;
    resize(sizeHint());
    updateGeometry();
    update();
    emit currentChanged(QString());
}

void SymbolGrid::setCurrentIndex(int index)
{
    if (index < -1 || index >= int(m_codes.size()) || index == m_current)
        return;
    update(cellRect(m_current));
    m_current = index;
    update(cellRect(m_current));
    emit currentChanged(currentText());
}

QString SymbolGrid::currentText() const
{
    if (m_current < 0)
        return {};
    const char32_t code = m_codes[size_t(m_current)];
    return QString::fromUcs4(&code, 1);
}

QRect SymbolGrid::cellRect(int index) const
{
    if (index < 0)
        return {};
    return { (index % columns) * cellSize, (index / columns) * cellSize, cellSize, cellSize };
}

QSize SymbolGrid::sizeHint() const
{
    const int rows = (int(m_codes.size()) + columns - 1) / columns;
    return { columns * cellSize + 1, qMax(rows, 1) * cellSize + 1 };
}

void SymbolGrid::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.setFont(m_font);
    const QPalette &colors = palette();
    const int first = qMax(0, event->rect().top() / cellSize * columns);
    const int last = qMin(int(m_codes.size()), (event->rect().bottom() / cellSize + 1) * columns);
    for (int i = first; i < last; ++i) {
        const QRect cell = cellRect(i);
        const bool chosen = i == m_current;
        if (chosen)
            painter.fillRect(cell, colors.highlight());
        painter.setPen(colors.mid().color());
        painter.drawRect(cell);
        if (!m_present[size_t(i)])
            continue;
        painter.setPen(chosen ? colors.highlightedText().color() : colors.text().color());
        const char32_t code = m_codes[size_t(i)];
        painter.drawText(cell, Qt::AlignCenter, QString::fromUcs4(&code, 1));
    }
}

int SymbolGrid::indexAt(const QPoint &point) const
{
    if (point.x() < 0 || point.y() < 0 || point.x() >= columns * cellSize)
        return -1;
    const int index = point.y() / cellSize * columns + point.x() / cellSize;
    return index < int(m_codes.size()) ? index : -1;
}

void SymbolGrid::mousePressEvent(QMouseEvent *event)
{
    const int index = indexAt(event->pos());
    if (index >= 0)
        setCurrentIndex(index);
}

void SymbolGrid::mouseDoubleClickEvent(QMouseEvent *event)
{
    const int index = indexAt(event->pos());
    if (index < 0)
        return;
    setCurrentIndex(index);
    emit activated();
}

void SymbolGrid::keyPressEvent(QKeyEvent *event)
{
    int step = 0;
    switch (event->key()) {
    case Qt::Key_Left:
        step = -1;
        break;
    case Qt::Key_Right:
        step = 1;
        break;
    case Qt::Key_Up:
        step = -columns;
        break;
    case Qt::Key_Down:
        step = columns;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (m_current >= 0)
            emit activated();
        return;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    const int next = m_current < 0 ? 0 : m_current + step;
    if (next >= 0 && next < int(m_codes.size()))
        setCurrentIndex(next);
}
