#include "calendarmain.h"

#include "celleditbridge.h"
#include "richtext/wprichtext.h"
#include "richtext/wptoolbar.h"
#include "surface/calendarpanel32.h"
#include "zoomsteps.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QCoreApplication>
#include <QMenuBar>
#include <QScrollArea>
#include <QToolBar>
#include <QVBoxLayout>

#include <cmath>

namespace {

// Holds the page at (5, 5) inside the scroll area.
QWidget *pageHolder(QWidget *page)
{
    auto *holder = new QWidget;
    holder->setAutoFillBackground(true);
    holder->setBackgroundRole(QPalette::Dark);
    auto *layout = new QVBoxLayout(holder);
    layout->setContentsMargins(5, 5, 5, 5);
    layout->addWidget(page, 0, Qt::AlignLeft | Qt::AlignTop);
    return holder;
}

} // namespace

TCalendarMain::TCalendarMain(QWidget *parent)
    : QMainWindow(parent)
    , CalendarPanel(new TCalendarPanel32)
    , m_scrollBox(new QScrollArea(this))
{
    CalendarPanel->setObjectName(QStringLiteral("CalendarPanel"));
    CalendarPanel->page().resetToDefaultStyle();
    CalendarPanel->SetScale(PercentToZoom(60));
    m_scrollBox->setWidget(pageHolder(CalendarPanel));
    m_scrollBox->setWidgetResizable(false);
    m_scrollBox->setBackgroundRole(QPalette::Dark);
    setCentralWidget(m_scrollBox);
    // The page changes size with the scale and with the orientation of its
    // layout; the scrolled area must follow both ways, shrinking included.
    connect(&CalendarPanel->page(), &CalendarPage::layoutChanged, this, &TCalendarMain::fitScrollArea);
    setupZoomActions();
    setupCellEditing();
    qApp->installEventFilter(this);
    resize(1000, 760);
    SetCaption();
}

void TCalendarMain::fitScrollArea()
{
    QWidget *holder = m_scrollBox->widget();
    holder->layout()->activate();
    holder->adjustSize();
}

void TCalendarMain::setupZoomActions()
{
    ZoomPlusButton = new QAction(QIcon::fromTheme(QStringLiteral("zoom-in")), tr("Zoom &In"), this);
    ZoomPlusButton->setToolTip(QStringLiteral("Zoom In"));
    connect(ZoomPlusButton, &QAction::triggered, this, &TCalendarMain::ZoomPlusButtonClick);

    ZoomMinusButton = new QAction(QIcon::fromTheme(QStringLiteral("zoom-out")), tr("Zoom &Out"), this);
    ZoomMinusButton->setToolTip(QStringLiteral("Zoom Out"));
    connect(ZoomMinusButton, &QAction::triggered, this, &TCalendarMain::ZoomMinusButtonClick);

    QMenu *view = menuBar()->addMenu(tr("&View"));
    view->addAction(ZoomPlusButton);
    view->addAction(ZoomMinusButton);
    QToolBar *tools = addToolBar(tr("Tools"));
    tools->setObjectName(QStringLiteral("Panel3"));
    tools->addAction(ZoomPlusButton);
    tools->addAction(ZoomMinusButton);
}

void TCalendarMain::setupCellEditing()
{
    WPToolBar1 = new TWPToolBar(this);
    addToolBarBreak();
    addToolBar(Qt::TopToolBarArea, WPToolBar1);
    WPRichText1 = new TWPRichText(CalendarPanel);
    WPRichText1->setObjectName(QStringLiteral("WPRichText1"));
    // Rich-text labels find this one by name and lay their text out with it.
    MASTERWPRICHTEXT = new TWPRichText(this);
    MASTERWPRICHTEXT->setObjectName(QStringLiteral("MASTERWPRICHTEXT"));
    MASTERWPRICHTEXT->setTabChangesFocus(false);
    MASTERWPRICHTEXT->setFrameStyle(QFrame::NoFrame);
    MASTERWPRICHTEXT->resize(31, 25);
    m_cellEditing = new TCellEditBridge(CalendarPanel, WPRichText1, WPToolBar1, this);
    connect(m_cellEditing, &TCellEditBridge::modified, this, [this] { SetModified(true); });
    QAction *clearCells = new QAction(QStringLiteral("Clear &All Cell Contents"), this);
    clearCells->setObjectName(QStringLiteral("mnuClearAllCellContents"));
    connect(clearCells, &QAction::triggered, m_cellEditing, &TCellEditBridge::mnuClearAllCellContentsClick);
    menuBar()->addMenu(tr("&File"))->addAction(clearCells);
}

void TCalendarMain::SetModified(bool modified)
{
    m_modified = modified;
}

bool TCalendarMain::eventFilter(QObject *watched, QEvent *event)
{
    // Page Down and Page Up zoom wherever the focus is in this window, and
    // the focused control still gets the key. A key event passes the filter
    // once per widget it propagates to: act on its first stop only.
    if (event->type() != QEvent::KeyPress || !isActiveWindow())
        return false;
    QWidget *firstStop = QApplication::focusWidget() ? QApplication::focusWidget() : this;
    if (watched != firstStop)
        return false;
    const int key = static_cast<QKeyEvent *>(event)->key();
    if (key == Qt::Key_PageDown)
        ZoomPlusButtonClick();
    else if (key == Qt::Key_PageUp)
        ZoomMinusButtonClick();
    return false;
}

void TCalendarMain::ZoomPlusButtonClick()
{
    if (m_zoomBusy)
        return;
    m_zoomBusy = true;
    m_cellEditing->DoSaveRichtext();
    const float scale = CalendarPanel->scale();
    if (scale <= 0.95f) {
        CalendarPanel->SetScale(scale + 0.1f);
        SetCaption();
    }
    m_zoomBusy = false;
}

void TCalendarMain::ZoomMinusButtonClick()
{
    if (m_zoomBusy)
        return;
    m_zoomBusy = true;
    m_cellEditing->DoSaveRichtext();
    const float scale = CalendarPanel->scale();
    if (scale > 0.6f) {
        CalendarPanel->SetScale(scale - 0.1f);
        SetCaption();
    }
    m_zoomBusy = false;
}

void TCalendarMain::SetCaption()
{
    const double percent = std::nearbyint(double(CalendarPanel->scale()) * 100.0); // ties to even
    setWindowTitle(QStringLiteral("Datewright    [%1%]").arg(int(percent)));
    QCoreApplication::processEvents();
}
