#include "app/calendarmain.h"

#include "app/celleditbridge.h"
#include "app/configurationinfo.h"
#include "app/mrufilelist.h"
#include "platform/datafolder.h"
#include "platform/inifile.h"
#include "properties/calendarproperties.h"
#include "properties/usertitleform.h"
#include "recurring/editrecurringdates.h"
#include "recurring/recurringfillcommand.h"
#include "recurring/recurringlistfile.h"
#include "richtext/wprichtext.h"
#include "richtext/wptoolbar.h"
#include "surface/calendarpanel32.h"
#include "widgets/commondialogs.h"
#include "widgets/formplacement.h"
#include "widgets/helpviewer.h"
#include "calendar/zoomsteps.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QPrinterInfo>
#include <QScrollArea>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include <cmath>

namespace {

const QString kVersion = QStringLiteral("3.2g");
const QString kWebsite = QStringLiteral("https://datewright.org/");

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
    noCalendar->setText(QStringLiteral("No calendar is open.\n\n"
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
    , CalendarPanel(new TCalendarPanel32)
    , ScrollBox2(new QScrollArea(this))
{
    setObjectName(QStringLiteral("CalendarMain"));
    setWindowTitle(QStringLiteral("Datewright"));
    setAcceptDrops(true);
    CalendarPanel->setObjectName(QStringLiteral("CalendarPanel"));
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
    connectCommands();
    FormPlacement::setMainWindow(this);
    qApp->installEventFilter(this);
    resize(1000, 760);
    FormCreate();
}

TCalendarMain::~TCalendarMain()
{
    qApp->removeEventFilter(this);
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
    m_cellEditing = new TCellEditBridge(CalendarPanel, WPRichText1, WPToolBar1, this);
    connect(m_cellEditing, &TCellEditBridge::modified, this, [this] { SetModified(true); });
}

void TCalendarMain::connectCommands()
{
    const MainMenus &m = m_menus;
    connect(m.New1, &QAction::triggered, this, &TCalendarMain::New1Click);
    connect(m.Open1, &QAction::triggered, this, &TCalendarMain::Open1Click);
    connect(m.mnuSave, &QAction::triggered, this, &TCalendarMain::mnuSaveClick);
    connect(m.mnuSaveAs, &QAction::triggered, this, &TCalendarMain::mnuSaveAsClick);
    connect(m.mnuSaveAsBitmap, &QAction::triggered, this, [this] { saveImageAs(false); });
    connect(m.mnuSaveAsJPG, &QAction::triggered, this, [this] { saveImageAs(true); });
    connect(m.mnuProperties, &QAction::triggered, this, &TCalendarMain::mnuPropertiesClick);
    connect(m.mnuUserTitle, &QAction::triggered, this, &TCalendarMain::mnuUserTitleClick);
    connect(m.mnuCancelChanges, &QAction::triggered, this, &TCalendarMain::mnuCancelChangesClick);
    connect(m.mnuClearAllCellContents, &QAction::triggered, m_cellEditing,
            &TCellEditBridge::mnuClearAllCellContentsClick);
    connect(m.DefaultEditorFont1, &QAction::triggered, this, &TCalendarMain::DefaultEditorFont1Click);
    connect(m.mnuFillCalendarwithRecurringDates, &QAction::triggered, this,
            &TCalendarMain::mnuFillCalendarwithRecurringDatesClick);
    connect(m.mnuEditrecurringDates, &QAction::triggered, this, &TCalendarMain::mnuEditrecurringDatesClick);
    connect(m.Exit1, &QAction::triggered, this, &TCalendarMain::Exit1Click);
    connect(m.VisitOurInternetW1, &QAction::triggered, this, &TCalendarMain::VisitOurInternetW1Click);
    connect(m.Contents1, &QAction::triggered, this, &TCalendarMain::Contents1Click);
    connect(m.About1, &QAction::triggered, this, &TCalendarMain::About1Click);
    connect(m.mnuShowHint, &QAction::triggered, this, &TCalendarMain::mnuShowHintClick);
    connect(m.ZoomPlusButton, &QAction::triggered, this, &TCalendarMain::ZoomPlusButtonClick);
    connect(m.ZoomMinusButton, &QAction::triggered, this, &TCalendarMain::ZoomMinusButtonClick);
    connect(m.PropertiesButton, &QAction::triggered, this, &TCalendarMain::mnuPropertiesClick);
    connect(m.ShowHideIconTool, &QToolButton::clicked, this, &TCalendarMain::ShowHideIconToolClick);
    connect(m.Savebutton, &QAction::triggered, this, &TCalendarMain::SavebuttonClick);
    connect(m.CancelButton, &QAction::triggered, this, &TCalendarMain::mnuCancelChangesClick);
    connect(m.drawingTools, &QActionGroup::triggered, this, [this](QAction *tool) {
        CalendarPanel->page().setPanelState(static_cast<TLPanelState>(tool->data().toInt()));
    });
    connect(m.ConfigurationInformation1, &QAction::triggered, this, &TCalendarMain::ConfigurationInformation1Click);
}

// --- start and close --------------------------------------------------------

void TCalendarMain::FormCreate()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_zoomBusy = false;
    m_calendarFileName.clear();
    m_newCalendarPending = false;
    showPage(false);
    m_firstActivation = true;
    LoadPreferences();
    m_modified = true; // so that SetModified(false) below takes effect
    SetModified(false);
    CalendarPanel->SetScale(PercentToZoom(m_preferences.mainZoomPercent));
    CalendarPanel->page().setCalendarLayout(1);

    RecentFiles = new TMRUFileList(this);
    RecentFiles->setFileMenu(m_menus.FileMenu);
    RecentFiles->setRemoveOnClick(true);
    RecentFiles->setMaximum(5);
    connect(RecentFiles, &TMRUFileList::OnMRUItemClick, this,
            [this](QAction *, const QString &fileName) { OpenRecentFile(fileName); });
    RecentFiles->setAutoSaveName(preferencesFileName());
    RecentFiles->setAutoSaveKey(QStringLiteral("MRU"));
    RecentFiles->setAutoSave(false);
    RecentFiles->Load();

    m_menus.mnuShowHint->setChecked(m_preferences.hintsOn);
    // A delivered starting list becomes the recurring-date list, once.
    QString error;
    if (!RecurringListFile::convertStartingList(DataFolder::path(), &error))
        CommonDialogs::current().warning(this, QStringLiteral("Datewright"), error);
    m_menus.mnuOnLine->menuAction()->setVisible(true);
    SetCaption();
    // The busy cursor stays until the first activation has finished.
}

void TCalendarMain::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_firstActivation)
        FormActivate();
}

void TCalendarMain::FormActivate()
{
    if (!m_firstActivation)
        return;
    IniFile ini(preferencesFileName());
    FormPlacement::RestoreWindowPlacement(this, ini);
    // Asked once the window has been drawn (see eventFilter), so its
    // message sits over the page rather than over an empty screen.
    m_printerCheckPending = true;
    CalendarPanel->page().resetToDefaultStyle();
    if (!m_startupFile.isEmpty())
        OpenCalendarFile(m_startupFile);
    else if (!RecentFiles->files().isEmpty() && QFileInfo::exists(RecentFiles->files().first()))
        OpenCalendarFile(RecentFiles->files().first());
    showPage(!m_calendarFileName.isEmpty());
    m_menus.mnuSave->setEnabled(false);
    SetModified(false);
    m_firstActivation = false;
    SetButtons();
    SetCaption();
    QApplication::restoreOverrideCursor();
    CheckFloaterStatus();
    if (m_iconToolWanted)
        m_iconToolShowing = true;
    SetButtons();
    CalendarPanel->setSuspendPainting(false);
    CalendarPanel->update();
}

bool TCalendarMain::CheckPrinters()
{
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        CommonDialogs::ShowInformation(
            this, QStringLiteral("There are no installed printers.\r\nUnable to perform printer related operations"));
        return false;
    }
    if (QPrinterInfo::defaultPrinterName().isEmpty()) {
        CommonDialogs::ShowInformation(
            this,
            QStringLiteral("There is no default printer selected.\r\nUnable to perform printer related operations"));
        return false;
    }
    return true;
}

void TCalendarMain::closeEvent(QCloseEvent *event)
{
    // Closing proceeds unless unsaved changes could not be saved: losing
    // them silently would be worse than staying open.
    if (!CheckSaveNeeded()) {
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
}

void TCalendarMain::FormClose()
{
    m_preferences.mainZoomPercent = ZoomToPercent(CalendarPanel->scale());
    SavePreferences();
    IniFile ini(preferencesFileName());
    FormPlacement::SaveWindowPlacement(this, ini);
    m_iconToolShowing = false;
}

void TCalendarMain::Exit1Click()
{
    close();
}

// --- preferences ------------------------------------------------------------

QString TCalendarMain::preferencesFileName() const
{
    return Preferences::fileName();
}

void TCalendarMain::LoadPreferences()
{
    m_preferences.load(IniFile(preferencesFileName()));
    m_iconToolWanted = m_preferences.iconToolWanted;
    m_menus.mnuShowHint->setChecked(m_preferences.hintsOn);
    m_cellEditing->setDefaultFont(m_preferences.defaultEditorFont);
}

bool TCalendarMain::SavePreferences()
{
    m_preferences.defaultEditorFont = m_cellEditing->defaultFont();
    m_preferences.iconToolWanted = m_iconToolShowing;
    m_preferences.hintsOn = m_menus.mnuShowHint->isChecked();
    IniFile ini(preferencesFileName());
    if (m_preferences.save(ini))
        return true;
    CommonDialogs::current().warning(this, QStringLiteral("Datewright"), ini.error());
    return false;
}

// --- state shown in the window ----------------------------------------------

bool TCalendarMain::pageShown() const
{
    return !CalendarPanel->isHidden();
}

void TCalendarMain::showPage(bool shown)
{
    CalendarPanel->setVisible(shown);
    m_noCalendarHint->setVisible(!shown);
    fitScrollArea();
}

void TCalendarMain::fitScrollArea()
{
    QWidget *holder = ScrollBox2->widget();
    holder->layout()->activate();
    holder->adjustSize();
    // The hint stays in the middle of whatever the window shows.
    if (!m_noCalendarHint->isHidden())
        holder->resize(holder->size().expandedTo(ScrollBox2->viewport()->size()));
}

void TCalendarMain::SetModified(bool modified)
{
    if (modified == m_modified)
        return;
    m_modified = modified;
    setWindowModified(modified);
    SetButtons();
}

void TCalendarMain::SetButtons()
{
    const MainMenus &m = m_menus;
    const bool shown = pageShown();
    const bool dayCells = shown && CalendarPanel->page().layoutHasDayCells();
    const bool named = !m_calendarFileName.isEmpty();
    m.mnuFillCalendarwithRecurringDates->setEnabled(dayCells);
    m.mnuUserTitle->setEnabled(dayCells);
    m.mnuClearAllCellContents->setEnabled(dayCells);
    m.ShowHideIconTool->setEnabled(dayCells);
    m.mnuSave->setEnabled(named);
    WPToolBar1->setEnabled(shown && WPRichText1->hasFocus());
    for (QAction *action : {m.mnuSaveAs, m.mnuProperties, m.PropertiesButton, m.mnuPrintSetup, m.ZoomMinusButton,
                            m.ZoomPlusButton, m.mnuSaveAsBitmap, m.mnuSaveAsJPG})
        action->setEnabled(shown);
    // Printing has no window of its own yet: its commands stay off.
    m.mnuPrintSetup->setEnabled(false);
    m.mnuPrintCalendar->setEnabled(false);
    m.Printbutton->setEnabled(m.mnuPrintCalendar->isEnabled());
    m.mnuCancelChanges->setEnabled(shown && named);
    m.Savebutton->setVisible(m_modified);
    m.CancelButton->setVisible(m_modified && named);
    m.ShowHideIconTool->setText(m_iconToolShowing ? QStringLiteral("Hide Icon Tool")
                                                  : QStringLiteral("Show Icon Tool"));
}

void TCalendarMain::SetCaption()
{
    // "[*]" shows the platform's unsaved-changes mark while modified.
    QString caption = QStringLiteral("Datewright[*]");
    if (!m_calendarFileName.isEmpty())
        caption += QStringLiteral("  [%1]").arg(QFileInfo(m_calendarFileName).fileName());
    const double percent = std::nearbyint(double(CalendarPanel->scale()) * 100.0); // ties to even
    caption += QStringLiteral("    [%1%]").arg(int(percent));
    setWindowTitle(caption);
    QCoreApplication::processEvents();
}

// --- zoom and keys ----------------------------------------------------------

void TCalendarMain::ZoomPlusButtonClick()
{
    if (m_zoomBusy)
        return;
    m_zoomBusy = true;
    const float scale = CalendarPanel->scale();
    if (scale <= 0.95f) {
        closeCellEditor();
        QCoreApplication::processEvents();
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
    const float scale = CalendarPanel->scale();
    if (scale > 0.6f) {
        closeCellEditor();
        QCoreApplication::processEvents();
        CalendarPanel->SetScale(scale - 0.1f);
        SetCaption();
    }
    m_zoomBusy = false;
}

bool TCalendarMain::eventFilter(QObject *watched, QEvent *event)
{
    // Hints off: no tool tips anywhere in the program.
    if (event->type() == QEvent::ToolTip && !m_menus.mnuShowHint->isChecked())
        return true;
    if (event->type() == QEvent::Paint && m_printerCheckPending && watched->isWidgetType()
        && static_cast<QWidget *>(watched)->window() == this) {
        m_printerCheckPending = false;
        QTimer::singleShot(0, this, [this] {
            m_printerReady = CheckPrinters();
            SetButtons();
        });
    }
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

// --- tools, hints, icon tool, fonts -----------------------------------------

void TCalendarMain::closeCellEditor()
{
    m_cellEditing->DoSaveRichtext();
}

void TCalendarMain::CheckFloaterStatus()
{
    if (!CalendarPanel->HasDayCells()) {
        m_iconToolWanted = false;
        m_iconToolShowing = false;
    } else if (m_iconToolWanted && !m_iconToolShowing) {
        m_iconToolShowing = true;
    }
}

void TCalendarMain::ShowHideIconToolClick()
{
    m_iconToolShowing = !m_iconToolShowing;
    m_iconToolWanted = m_iconToolShowing;
    SetButtons();
}

void TCalendarMain::mnuShowHintClick()
{
    // The action toggled its own check mark already.
    m_preferences.hintsOn = m_menus.mnuShowHint->isChecked();
    SavePreferences();
}

void TCalendarMain::DefaultEditorFont1Click()
{
    LoadPreferences();
    CalendarFont font = m_preferences.defaultEditorFont;
    if (CommonDialogs::chooseCalendarFont(this, font)) {
        m_cellEditing->setDefaultFont(font);
        SavePreferences();
    }
    SetDefaultFontNow();
}

void TCalendarMain::SetDefaultFontNow()
{
    m_cellEditing->SetDefaultFontNow();
}

void TCalendarMain::VisitOurInternetW1Click()
{
    QDesktopServices::openUrl(QUrl(kWebsite));
}

void TCalendarMain::Contents1Click()
{
    THelpViewer::ShowHelpContents();
}

void TCalendarMain::ConfigurationInformation1Click()
{
    // The preferences as they are now, not as last saved.
    Preferences shown = m_preferences;
    shown.defaultEditorFont = m_cellEditing->defaultFont();
    shown.iconToolWanted = m_iconToolWanted;
    shown.hintsOn = m_menus.mnuShowHint->isChecked();
    TConfigurationInfo dialog(ConfigurationReport::lines(currentConfiguration(this, shown)), this);
    dialog.exec();
}

void TCalendarMain::About1Click()
{
    CommonDialogs::current().information(
        this, QStringLiteral("About Datewright"),
        QStringLiteral("Datewright\nVersion %1\n\nDesign and print calendar pages.").arg(kVersion));
}

// --- properties, title, recurring dates ---------------------------------------

void TCalendarMain::mnuPropertiesClick()
{
    if (m_iconToolWanted)
        m_iconToolShowing = false;
    closeCellEditor();
    CalendarPage &page = CalendarPanel->page();

    // The dialog takes its place (stored, or centred) when it first shows.
    TCalendarProperties dialog(page, this);
    IniFile placement(preferencesFileName());
    dialog.setPlacementFile(&placement);
    dialog.setPreviewScale(PercentToZoom(m_preferences.previewZoomPercent));
    if (m_newCalendarPending) {
        dialog.ResetToDefaults = true;
        dialog.WarnOnLayoutKindChange = false;
        dialog.WarnOnGeometryChange = false;
    } else if (pageShown()) {
        dialog.WarnOnGeometryChange = !m_placedObjects.children().empty();
    } else {
        dialog.WarnOnLayoutKindChange = false;
    }
    connect(&dialog, &TCalendarProperties::helpRequested, this, &THelpViewer::ShowHelpContext);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    m_propertiesAccepted = false;
    m_preferences.previewZoomPercent = ZoomToPercent(dialog.previewScale());
    if (accepted) {
        if (dialog.applyToPage(pageShown()))
            SetModified(true);
        m_propertiesAccepted = true;
    }
    m_newCalendarPending = false;
    CalendarPanel->update();
    CheckFloaterStatus();
    if (m_iconToolWanted)
        m_iconToolShowing = true;
    SetButtons();
    SavePreferences();
}

void TCalendarMain::mnuUserTitleClick()
{
    TUserTitleForm form(this);
    form.loadFrom(CalendarPanel->page());
    FormPlacement::CenterForm(&form);
    if (form.exec() == QDialog::Accepted) {
        form.applyTo(CalendarPanel->page());
        SetModified(true);
    }
}

void TCalendarMain::mnuEditrecurringDatesClick()
{
    if (m_iconToolWanted)
        m_iconToolShowing = false;
    TEditRecurringDates dialog(QString(), this);
    FormPlacement::CenterForm(&dialog);
    dialog.exec();
    if (m_iconToolWanted)
        m_iconToolShowing = true;
}

void TCalendarMain::mnuFillCalendarwithRecurringDatesClick()
{
    CellEditorHook hook;
    hook.currentCell = [this] { return m_cellEditing->CurrentCell(); };
    hook.closeEditor = [this] { closeCellEditor(); };
    hook.openEditor = [this](int cell) { CalendarPanel->page().raiseForCell(cell); };
    hook.showIconTool = [this](bool visible) {
        if (m_iconToolWanted)
            m_iconToolShowing = visible;
    };
    if (RecurringFillCommand::run(this, CalendarPanel->page(), m_cellEditing->defaultFont(), hook)) {
        SetModified(true);
        CalendarPanel->update();
    }
}

// --- calendars from outside: another start, a drop ---------------------------

void TCalendarMain::activateFromOtherStart(const QStringList &files)
{
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
    if (!files.isEmpty() && CheckSaveNeeded())
        OpenCalendarFile(QFileInfo(files.first()).absoluteFilePath());
}

void TCalendarMain::dragEnterEvent(QDragEnterEvent *event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() == 1 && urls.first().isLocalFile()
        && urls.first().toLocalFile().endsWith(QLatin1String(".DWF"), Qt::CaseInsensitive))
        event->acceptProposedAction();
}

void TCalendarMain::dropEvent(QDropEvent *event)
{
    const QString fileName = event->mimeData()->urls().first().toLocalFile();
    event->acceptProposedAction();
    // After the drop has finished, so a message box does not block the drag.
    QMetaObject::invokeMethod(
        this,
        [this, fileName] {
            if (CheckSaveNeeded())
                OpenCalendarFile(fileName);
        },
        Qt::QueuedConnection);
}

void TCalendarMain::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    fitScrollArea();
}
