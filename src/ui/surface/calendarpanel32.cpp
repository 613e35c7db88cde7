#include "surface/calendarpanel32.h"

#include "objects/placedobjects.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QTextEdit>

TCalendarPanel32::TCalendarPanel32(QWidget *parent)
    : TVBasePanel(parent)
    , m_page(new CalendarPage(this))
{
    connect(m_page, &CalendarPage::redrawRequested, this, qOverload<>(&QWidget::update));
    connect(m_page, &CalendarPage::layoutChanged, this, &TCalendarPanel32::fitToPage);
    connect(m_page, &CalendarPage::panelStateChanged, this, &TCalendarPanel32::applyPanelState);
    fitToPage();
}

void TCalendarPanel32::SetScale(float scale)
{
    TVBasePanel::SetScale(scale);
    m_page->setDisplayScale(this->scale());
}

bool TCalendarPanel32::HasDayCells() const
{
    return isVisible() && m_page->layoutHasDayCells();
}

void TCalendarPanel32::fitToPage()
{
    setFixedSize(m_page->controlSize());
    update();
}

void TCalendarPanel32::applyPanelState(TLPanelState state)
{
    setPointing(state == psPointing);
    // The placing cursor shows wherever the mouse goes until the tool is put down.
    if (state != psPointing && !m_overrideCursor) {
        QGuiApplication::setOverrideCursor(Qt::DragCopyCursor);
        m_overrideCursor = true;
    } else if (state == psPointing && m_overrideCursor) {
        QGuiApplication::restoreOverrideCursor();
        m_overrideCursor = false;
    }
}

void TCalendarPanel32::paintEvent(QPaintEvent *)
{
    if (m_painting || suspendPainting() || !isVisible())
        return;
    m_painting = true;
    // The cell table recorded here is the one clicks are looked up in.
    m_page->recordCellTable(scale());
    QPainter painter(this);
    PagePaintOptions options;
    options.screen = true;
    PlacedObjects::paintPage(painter, *m_page, placedObjects(), scale(), options);
    paintEditorOutlines(painter);
    m_painting = false;
}

void TCalendarPanel32::paintEditorOutlines(QPainter &painter) const
{
    // The editor sits one pixel inside the cell's free rectangle, so the
    // outline takes the rectangle's edge and every grid line stays drawn.
    for (const QTextEdit *editor : findChildren<QTextEdit *>(Qt::FindDirectChildrenOnly)) {
        if (editor->isVisible())
            painter.fillRect(editor->geometry().adjusted(-1, -1, 1, 1), QColor(0, 96, 208));
    }
}

void TCalendarPanel32::childEvent(QChildEvent *event)
{
    TVBasePanel::childEvent(event);
    if (event->added() && event->child()->isWidgetType())
        event->child()->installEventFilter(this);
}

bool TCalendarPanel32::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::Move:
    case QEvent::Resize:
        if (qobject_cast<QTextEdit *>(watched))
            update();
        break;
    default:
        break;
    }
    return TVBasePanel::eventFilter(watched, event);
}

void TCalendarPanel32::mousePressEvent(QMouseEvent *event)
{
    // A press on an object belongs to the object, wherever it is released.
    m_pressed = event->button() == Qt::LeftButton && !ObjectAtPoint(event->pos());
    TVBasePanel::mousePressEvent(event);
}

void TCalendarPanel32::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->pos());
    m_pressed = false;
    TVBasePanel::mouseReleaseEvent(event);
    if (click) {
        const QPoint at = event->pos();
        m_page->click(at.x(), at.y(), ObjectAtPoint(at));
    }
}

void TCalendarPanel32::mouseDoubleClickEvent(QMouseEvent *)
{
    // The page ignores double clicks: a second click must not reach the cells twice.
}
