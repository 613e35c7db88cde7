#include "app/calendarmain.h"

#include "app/mrufilelist.h"
#include "app/printcommands.h"
#include "app/recoverykeeper.h"
#include "richtext/celleditbridge.h"
#include "richtext/wprichtext.h"
#include "richtext/wptoolbar.h"
#include "surface/calendarpanel32.h"
#include "surface/objecteditors.h"
#include "widgets/commondialogs.h"
#include "widgets/formplacement.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMimeData>
#include <QScrollArea>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {

// Holds the page at (5, 5) inside the scroll box, and in its place, while
// no calendar is open, a word on how to start one.
QWidget *pageHolder(QWidget *page, QLabel *noCalendar)
{
    auto *holder = new QWidget;
    holder->setAutoFillBackground(true);
    holder->setBackgroundRole(QPalette::Dark);
    auto *layout = new QVBoxLayout(holder);
    layout->setContentsMargins(5, 5, 5, 5);
    layout->addWidget(page, 0, Qt::AlignLeft | Qt::AlignTop);
    noCalendar->setObjectName(QStringLiteral("NoCalendarHint"));
    noCalendar->setText(
        QStringLiteral("No calendar is open.\n\n"
                       "Choose File > New to design one, or File > Open to open a saved one."));
    noCalendar->setAlignment(Qt::AlignCenter);
    noCalendar->setForegroundRole(QPalette::BrightText);
    noCalendar->setMargin(40);
    layout->addWidget(noCalendar, 0, Qt::AlignCenter);
    return holder;
}

} // namespace

TCalendarMain::TCalendarMain(QWidget *parent)
    : QMainWindow(parent)
    , m_document(std::make_unique<CalendarDocument>())
    , CalendarPanel(new TCalendarPanel32(nullptr, m_document.get()))
    , ScrollBox2(new QScrollArea(this))
{
    setObjectName(QStringLiteral("CalendarMain"));
    setWindowTitle(QStringLiteral("Datewright"));
    setAcceptDrops(true);
    CalendarPanel->setObjectName(QStringLiteral("CalendarPanel"));
    CalendarPanel->setPlacedObjects(&m_document->objects());
    ScrollBox2->setObjectName(QStringLiteral("ScrollBox2"));
    ScrollBox2->setWidget(pageHolder(CalendarPanel, m_noCalendarHint = new QLabel));
    ScrollBox2->setWidgetResizable(false);
    ScrollBox2->setBackgroundRole(QPalette::Dark);
    setCentralWidget(ScrollBox2);
    // The page changes size with the scale and with the orientation of its
    // layout; the scrolled area must follow both ways, shrinking included.
    connect(&CalendarPanel->page(), &CalendarPage::layoutChanged, this, &TCalendarMain::fitScrollArea);
    m_menus = MainMenus::build(this);
    setupCellEditing();
    ObjectEditors::install(*CalendarPanel);
    m_printing = new PrintCommands(*this);
    m_recovery = new RecoveryKeeper(*m_document, this);
    connect(m_recovery, &RecoveryKeeper::failed, this, [this](const QString &message) {
        // Said once: a full disk would otherwise interrupt every interval.
        if (m_recoveryWarned)
            return;
        m_recoveryWarned = true;
        CommonDialogs::current().warning(this, QStringLiteral("Datewright"), message);
    });
    connectCommands();
    setupUndo();
    setupEditCommands();
    FormPlacement::setMainWindow(this);
    qApp->installEventFilter(this);
    resize(1000, 760);
    FormCreate();
}

TCalendarMain::~TCalendarMain()
{
    qApp->removeEventFilter(this);
    // Leaving cleanly leaves no copy behind; the keeper goes before the
    // document it copies.
    m_recovery->discard();
    delete m_recovery;
    // The page widget goes before the document whose page and objects it shows.
    CalendarPanel->setPlacedObjects(nullptr);
    delete takeCentralWidget();
    if (FormPlacement::mainWindow() == this)
        FormPlacement::setMainWindow(nullptr);
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
    MASTERWPRICHTEXT->hide();
    m_cellEditing = new CellEditBridge(CalendarPanel, WPRichText1, WPToolBar1, this);
    connect(m_cellEditing, &CellEditBridge::modified, this, [this] { SetModified(true); });
}

void TCalendarMain::connectCommands()
{
    const MainMenus &m = m_menus;
    connect(m.New1, &QAction::triggered, this, &TCalendarMain::New1Click);
    connect(m.Open1, &QAction::triggered, this, &TCalendarMain::Open1Click);
    connect(m.mnuSave, &QAction::triggered, this, &TCalendarMain::mnuSaveClick);
    connect(m.mnuSaveAs, &QAction::triggered, this, &TCalendarMain::mnuSaveAsClick);
    connect(m.SaveNewKey, &QAction::triggered, this, &TCalendarMain::mnuSaveAsClick);
    connect(m.mnuSaveAsBitmap, &QAction::triggered, this, [this] { saveImageAs(false); });
    connect(m.mnuSaveAsJPG, &QAction::triggered, this, [this] { saveImageAs(true); });
    connect(m.mnuExportPdf, &QAction::triggered, m_printing, &PrintCommands::exportPdfClick);
    connect(m.mnuExportPng, &QAction::triggered, m_printing, &PrintCommands::exportPngClick);
    connect(m.mnuPrintCalendar, &QAction::triggered, m_printing, &PrintCommands::mnuPrintCalendarClick);
    connect(m.Printbutton, &QAction::triggered, m_printing, &PrintCommands::mnuPrintCalendarClick);
    connect(m.mnuPreviousMonth, &QAction::triggered, this, [this] { stepMonth(-1); });
    connect(m.mnuNextMonth, &QAction::triggered, this, [this] { stepMonth(1); });
    connect(m.mnuPrintMonths, &QAction::triggered, m_printing, &PrintCommands::printMonthsClick);
    connect(m.mnuExportMonthsPdf, &QAction::triggered, m_printing, &PrintCommands::exportMonthsPdfClick);
    connect(m.mnuExportMonthsPng, &QAction::triggered, m_printing, &PrintCommands::exportMonthsPngClick);
    connect(m.mnuPrintSetup, &QAction::triggered, m_printing, &PrintCommands::mnuPrintSetupClick);
    connect(m.mnuProperties, &QAction::triggered, this, &TCalendarMain::mnuPropertiesClick);
    connect(m.mnuUserTitle, &QAction::triggered, this, &TCalendarMain::mnuUserTitleClick);
    connect(m.mnuCancelChanges, &QAction::triggered, this, &TCalendarMain::mnuCancelChangesClick);
    connect(m.mnuClearAllCellContents, &QAction::triggered, this, [this] {
        nameNextChange(tr("Clear All Cell Contents"));
        m_cellEditing->mnuClearAllCellContentsClick();
    });
    connect(m.DefaultEditorFont1, &QAction::triggered, this, &TCalendarMain::DefaultEditorFont1Click);
    connect(m.mnuPreferences, &QAction::triggered, this, &TCalendarMain::mnuPreferencesClick);
    connect(m.mnuFillCalendarwithRecurringDates, &QAction::triggered, this,
        &TCalendarMain::mnuFillCalendarwithRecurringDatesClick);
    connect(m.mnuFillFromICalendar, &QAction::triggered, this, [this] { mnuFillFromICalendarClick(); });
    connect(m.mnuEditrecurringDates, &QAction::triggered, this, &TCalendarMain::mnuEditrecurringDatesClick);
    connect(m.Exit1, &QAction::triggered, this, &TCalendarMain::Exit1Click);
    connect(m.VisitOurInternetW1, &QAction::triggered, this, &TCalendarMain::VisitOurInternetW1Click);
    connect(m.Contents1, &QAction::triggered, this, &TCalendarMain::Contents1Click);
    connect(m.About1, &QAction::triggered, this, &TCalendarMain::About1Click);
    connect(m.mnuShowHint, &QAction::triggered, this, &TCalendarMain::mnuShowHintClick);
    connect(m.ZoomPlusButton, &QAction::triggered, this, &TCalendarMain::ZoomPlusButtonClick);
    connect(m.ZoomMinusButton, &QAction::triggered, this, &TCalendarMain::ZoomMinusButtonClick);
    connect(m.zoomActualSize, &QAction::triggered, this, &TCalendarMain::zoomToActualSize);
    connect(m.PropertiesButton, &QAction::triggered, this, &TCalendarMain::mnuPropertiesClick);
    connect(m.ShowHideIconTool, &QToolButton::clicked, this, &TCalendarMain::ShowHideIconToolClick);
    connect(m.Savebutton, &QAction::triggered, this, &TCalendarMain::SavebuttonClick);
    connect(m.CancelButton, &QAction::triggered, this, &TCalendarMain::mnuCancelChangesClick);
    connect(m.drawingTools, &QActionGroup::triggered, this, [this](QAction *tool) {
        CalendarPanel->page().setPanelState(static_cast<TLPanelState>(tool->data().toInt()));
    });
    connect(m.ConfigurationInformation1, &QAction::triggered, this,
        &TCalendarMain::ConfigurationInformation1Click);
    connect(CalendarPanel, &TVBasePanel::labelChanged, this, &TCalendarMain::CalendarPanelLabelChangedEvent);
    connect(
        CalendarPanel, &TVBasePanel::droppedObject, this, &TCalendarMain::CalendarPanelDroppedObjectEvent);
}

void TCalendarMain::CalendarPanelLabelChangedEvent()
{
    SetModified(true);
}

void TCalendarMain::CalendarPanelDroppedObjectEvent()
{
    SetModified(true);
    m_menus.Pointerbutton->setChecked(true);
}

// --- calendars from outside: another start, a drop -----------------------------

void TCalendarMain::activateFromOtherStart(const QStringList &files)
{
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
    if (!files.isEmpty() && CheckSaveNeeded())
        OpenCalendarFile(QFileInfo(files.first()).absoluteFilePath());
}

namespace {

bool isICalendarName(const QString &fileName)
{
    return fileName.endsWith(QLatin1String(".ics"), Qt::CaseInsensitive)
        || fileName.endsWith(QLatin1String(".ical"), Qt::CaseInsensitive);
}

} // namespace

void TCalendarMain::dragEnterEvent(QDragEnterEvent *event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() != 1 || !urls.first().isLocalFile())
        return;
    const QString fileName = urls.first().toLocalFile();
    if (fileName.endsWith(QLatin1String(".DWF"), Qt::CaseInsensitive)
        || (isICalendarName(fileName) && pageShown()))
        event->acceptProposedAction();
}

void TCalendarMain::dropEvent(QDropEvent *event)
{
    const QString fileName = event->mimeData()->urls().first().toLocalFile();
    event->acceptProposedAction();
    // After the drop has finished, so a dialog does not block the drag. A
    // calendar file dropped on the page offers its events for the month.
    QMetaObject::invokeMethod(
        this,
        [this, fileName] {
            if (isICalendarName(fileName))
                mnuFillFromICalendarClick(fileName);
            else if (CheckSaveNeeded())
                OpenCalendarFile(fileName);
        },
        Qt::QueuedConnection);
}

void TCalendarMain::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    fitScrollArea();
}
