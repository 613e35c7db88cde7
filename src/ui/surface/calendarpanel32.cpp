#include "surface/calendarpanel32.h"

#include "document/calendardocument.h"
#include "objects/vflatcalendar.h"
#include "objects/vimage.h"
#include "objects/vplabel.h"
#include "objects/vprichbaselabel.h"
#include "objects/vsupertext.h"
#include "surface/surfacecursors.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QTextEdit>

namespace {

// A new object of the tool's kind with the tool's starting settings.
// The step placing adds to the undo history.
QString placingName(TLPanelState tool)
{
    switch (tool) {
    case psLabel:
        return TCalendarPanel32::tr("Place Label");
    case psImage:
        return TCalendarPanel32::tr("Place Clip Art");
    case psRichLabel:
        return TCalendarPanel32::tr("Place Rich Text");
    case psSuperText:
        return TCalendarPanel32::tr("Place SuperText");
    default:
        return TCalendarPanel32::tr("Place Floating Calendar");
    }
}

TVGraphicControl *createForTool(TLPanelState tool, TComponent *owner)
{
    switch (tool) {
    case psLabel: {
        auto *label = new TVPLabel(owner);
        label->setCaption(QStringLiteral("Enter text..."));
        CalendarFont font;
        font.size = 20;
        label->setFont(font);
        label->setTransparent(false);
        label->setBorderStyle(bsSingle);
        return label;
    }
    case psImage:
        return new TVImage(owner);
    case psRichLabel: {
        auto *label = new TVPRichBaseLabel(owner);
        label->setTransparent(false);
        label->setBorderStyle(bsSingle);
        return label;
    }
    case psSuperText: {
        auto *text = new TVSuperText(owner);
        text->setBorderStyle(bsSingle);
        text->setControlTransparent(false);
        text->setBGColor(clWhite);
        return text;
    }
    case psFlatCalendar:
        return new TVFlatCalendar(owner);
    default:
        return nullptr;
    }
}

} // namespace

TCalendarPanel32::TCalendarPanel32(QWidget *parent, CalendarDocument *document)
    : TVBasePanel(parent)
    , m_ownDocument(document ? nullptr : std::make_unique<CalendarDocument>())
    , m_document(document ? document : m_ownDocument.get())
    , m_page(&m_document->page())
{
    connect(m_page, &CalendarPage::redrawRequested, this, qOverload<>(&QWidget::update));
    connect(m_page, &CalendarPage::layoutChanged, this, &TCalendarPanel32::fitToPage);
    connect(m_page, &CalendarPage::panelStateChanged, this, &TCalendarPanel32::applyPanelState);
    fitToPage();
}

TCalendarPanel32::~TCalendarPanel32() = default;

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
    if (state == psPointing) {
        if (m_overrideCursor)
            QGuiApplication::restoreOverrideCursor();
        m_overrideCursor = false;
        return;
    }
    setPlacingCursor(SurfaceCursors::placing(state));
    if (m_overrideCursor) {
        QGuiApplication::changeOverrideCursor(placingCursor());
    } else {
        QGuiApplication::setOverrideCursor(placingCursor());
        m_overrideCursor = true;
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
    m_document->paint(painter, scale(), options);
    paintEditorOutlines(painter);
    paintOverlays(painter);
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
    // A press on an object or the frame belongs to them, wherever it is released.
    m_pressed = event->button() == Qt::LeftButton && !pressTakenAt(event->pos());
    TVBasePanel::mousePressEvent(event);
}

void TCalendarPanel32::mouseReleaseEvent(QMouseEvent *event)
{
    // Checked before the surface sees the release: placing puts the tool down.
    const bool click
        = m_pressed && pointing() && event->button() == Qt::LeftButton && rect().contains(event->pos());
    m_pressed = false;
    TVBasePanel::mouseReleaseEvent(event);
    if (click) {
        const QPoint at = event->pos();
        m_page->click(at.x(), at.y(), ObjectAtPoint(at));
    }
}

void TCalendarPanel32::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The page itself ignores double clicks (a second click must not reach
    // the cells twice); objects and the frame take theirs.
    TVBasePanel::mouseDoubleClickEvent(event);
}

void TCalendarPanel32::RectangleDrawn(QRect &r)
{
    if (m_placing || !objectOwner())
        return;
    m_placing = true;
    // Narrow and low rectangles grow to a usable size.
    if (r.width() < 25)
        r.setWidth(50);
    if (r.height() < 15)
        r.setHeight(15);
    const TLPanelState tool = m_page->panelState();
    TVGraphicControl *object = createForTool(tool, objectOwner());
    if (object) {
        nameNextChange(placingName(tool));
        PlaceObject(object, r);
    }
    m_page->setPanelState(psPointing);
    QPointer<TVGraphicControl> placed(object);
    if (placed && m_editStep)
        m_editStep(*placed);
    if (placed)
        keepOnPage(*placed);
    m_placing = false;
}

void TCalendarPanel32::keepOnPage(TVGraphicControl &object)
{
    // Its dialog may have made it wider or taller than the room beside the
    // click; it moves back onto the page as far as it fits there.
    const QSize page = m_page->controlSizeAt(object.displayScale());
    const int left = std::max(0, std::min(object.left(), page.width() - object.width()));
    const int top = std::max(0, std::min(object.top(), page.height() - object.height()));
    if (left == object.left() && top == object.top())
        return;
    object.setBounds(left, top, object.width(), object.height());
    update();
}
