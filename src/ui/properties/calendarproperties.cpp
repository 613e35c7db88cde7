#include "properties/calendarproperties.h"

#include "properties/previewarea.h"
#include "properties/propertytables.h"
#include "surface/calendarpanel32.h"
#include "widgets/colorbutton.h"
#include "widgets/commondialogs.h"
#include "widgets/formplacement.h"

#include "base/zoom.h"
#include "calendar/calendarpage.h"
#include "platform/datafolder.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

// Sets a flag for the length of a scope and puts the old value back.
class FlagGuard
{
public:
    explicit FlagGuard(bool &flag)
        : m_flag(flag)
        , m_old(flag)
    {
        m_flag = true;
    }
    ~FlagGuard() { m_flag = m_old; }

private:
    bool &m_flag;
    bool m_old;
};

// Nested layouts keep their size hints until each is told.
void invalidateLayouts(QLayout *layout)
{
    layout->invalidate();
    for (int i = 0; i < layout->count(); ++i) {
        if (QLayout *inner = layout->itemAt(i)->layout())
            invalidateLayouts(inner);
    }
}

} // namespace

TCalendarProperties::TCalendarProperties(CalendarPage &page, QWidget *parent)
    : QDialog(parent)
    , m_page(page)
{
    setWindowTitle(QStringLiteral("Calendar Properties"));
    setSizeGripEnabled(true);
    createPages();
    QWidget *previewPane = createPreviewPane();

    auto *top = new QHBoxLayout;
    top->addWidget(TabSet1);
    top->addWidget(Notebook);
    top->addWidget(previewPane, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(createButtonRow());

    // Page switching from the keyboard wherever the focus is.
    const auto step = [this](int by) {
        TabSet1->setCurrentRow(
            (TabSet1->currentRow() + by + PropertyTables::kPageCount) % PropertyTables::kPageCount);
    };
    for (const QKeySequence &key :
        { QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown) })
        connect(new QShortcut(key, this), &QShortcut::activated, this, [step] { step(1); });
    for (const QKeySequence &key :
        { QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), QKeySequence(Qt::CTRL | Qt::Key_PageUp) })
        connect(new QShortcut(key, this), &QShortcut::activated, this, [step] { step(-1); });

    setPreviewScale(Zoom::fromStoredPercent(30).scale());
    preview().copyAttributesFrom(page);
    OpeningLayoutKind = page.layoutKind();
    WarnOnLayoutKindChange = page.anyCellHasContents();
    FillBorderList();
}

CalendarPage &TCalendarProperties::preview() const
{
    return m_example->page();
}

float TCalendarProperties::previewScale() const
{
    return m_example->scale();
}

void TCalendarProperties::setPreviewScale(float scale)
{
    m_example->SetScale(scale);
}

int TCalendarProperties::helpContext() const
{
    return PropertyTables::pages()[Notebook->currentIndex()].helpContext;
}

void TCalendarProperties::TabSet1Click()
{
    Notebook->setCurrentIndex(TabSet1->currentRow());
}

void TCalendarProperties::FillBorderList()
{
    const QString folder
        = DataFolder::findCaseInsensitive(preview().borderFolder(), QStringLiteral("Borders"));
    BorderFiles->clear();
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
        BorderFiles->setEnabled(false);
        return;
    }
    QStringList names;
    const QStringList files = QDir(folder).entryList(
        { QStringLiteral("*.wls") }, QDir::Files | QDir::Hidden | QDir::System, QDir::NoSort);
    for (const QString &file : files) {
        const QString name = file.section(QLatin1Char('.'), 0, 0);
        if (!name.isEmpty() && !names.contains(name, Qt::CaseInsensitive))
            names << name;
    }
    std::sort(names.begin(), names.end(),
        [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    // The leading blank keeps this entry first, as a sorted list would.
    BorderFiles->addItem(QStringLiteral(" [No Special Border]"));
    BorderFiles->addItems(names);
}

void TCalendarProperties::showEvent(QShowEvent *event)
{
    if (!m_activated && !testAttribute(Qt::WA_Resized))
        sizeForPreview();
    QDialog::showEvent(event);
    // Later showings, such as after a font dialog, leave the controls alone.
    if (!m_activated) {
        m_activated = true;
        FormActivate();
    }
}

void TCalendarProperties::sizeForPreview()
{
    // A square room shows a portrait and a landscape page alike, each filling
    // it one way; it may grow to the page's size at 100%, as far as the screen
    // leaves room beside the controls.
    const QSize page = preview().controlSizeAt(1.0f);
    const QSize screen
        = this->screen() ? this->screen()->availableGeometry().size() * 9 / 10 : QSize(1280, 900);
    int side = std::max(page.width(), page.height()) + 2 * m_previewArea->frameWidth();
    for (int pass = 0; pass < 3; ++pass) {
        m_previewArea->setPreferredSize(QSize(side, side));
        invalidateLayouts(layout());
        const QSize wanted = sizeHint();
        const int over = std::max(wanted.width() - screen.width(), wanted.height() - screen.height());
        if (over <= 0)
            break;
        side = std::max(m_previewArea->minimumWidth(), side - over);
    }
    resize(sizeHint().boundedTo(screen).expandedTo(minimumSizeHint()));
}

void TCalendarProperties::fitPreview()
{
    const QSize page = preview().controlSizeAt(1.0f);
    if (page.isEmpty())
        return;
    m_fittedPage = page;
    // A few pixels of the pane's ground stay visible around the paper.
    constexpr int kGap = 4;
    const QSize room = m_previewArea->maximumViewportSize() - QSize(2 * kGap, 2 * kGap);
    const double fit = std::min(double(room.width()) / page.width(), double(room.height()) / page.height());
    // Whole percents from 10 to 100, a hair above as the zoom steps keep them.
    const int percent = std::clamp(int(std::floor(fit * 100.0)), 10, 100);
    setPreviewScale(float(percent / 100.0 + 0.001));
    showZoom();
}

void TCalendarProperties::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    // The layout has given the preview its new room already. Only the
    // window's size counts: scroll bars coming and going after a zoom step
    // shift the room a little, and must not undo the step.
    fitPreview();
}

void TCalendarProperties::done(int result)
{
    if (m_placementIni && m_activated)
        FormPlacement::SaveWindowPlacement(this, *m_placementIni);
    QDialog::done(result);
}

void TCalendarProperties::FormActivate()
{
    showZoom();
    if (m_placementIni)
        FormPlacement::RestoreWindowPlacement(this, *m_placementIni);
    if (ResetToDefaults)
        preview().resetToDefaultStyle();
    DetermineSettings();
    Updating = false;
    LayoutListClick();
    selectBorderOfPreview();
    m_opening = captureGeometry();
}

void TCalendarProperties::selectBorderOfPreview()
{
    if (BorderFiles->count() == 0)
        return;
    int row = 0;
    const QString border = preview().wmfBorderFile();
    for (int i = 1; !border.isEmpty() && i < BorderFiles->count(); ++i) {
        if (BorderFiles->item(i)->text().compare(border, Qt::CaseInsensitive) == 0) {
            row = i;
            break;
        }
    }
    // Showing the border is not choosing it: the name keeps its letters.
    const QSignalBlocker quiet(BorderFiles);
    BorderFiles->setCurrentRow(row);
}

static QString shortTime(double dayFraction)
{
    const int msecs = int(std::lround(dayFraction * 86400000.0)) % 86400000;
    return QLocale().toString(QTime::fromMSecsSinceStartOfDay(qMax(msecs, 0)), QLocale::ShortFormat);
}

void TCalendarProperties::DetermineSettings()
{
    CalendarPage &page = preview();
    const int layout = page.calendarLayout();
    LayoutList->setCurrentRow(PropertyTables::entryOfLayout(layout));
    m_orientation[PropertyTables::layoutIsLandscape(layout) ? 1 : 0]->setChecked(true);
    m_paper[page.paperSize() == PaperSize::A4 ? 1 : 0]->setChecked(true);

    if (layout > loMC60MonthLS)
        StartingDateMode = true;
    SelectMonthYearLabel->setText(
        StartingDateMode ? QStringLiteral("Select Starting Date") : QStringLiteral("Select Month & Year"));

    // Day 1 first, so that a month shorter than the old day still takes.
    const QDate monthStart(page.mainCalYear(), page.mainCalMonth(), 1);
    if (monthStart.isValid()) {
        const QDate exact(page.mainCalYear(), page.mainCalMonth(), page.mainCalDay());
        Calendar->setSelectedDate(exact.isValid() ? exact : monthStart);
    }

    fillNameBoxes();
    m_weekStart[page.startOfWeek() == 1 ? 0 : 1]->setChecked(true);
    Calendar->setFirstDayOfWeek(page.startOfWeek() == 1 ? Qt::Sunday : Qt::Monday);
    TitleBGColor->setColor(toQColor(page.titleBGColor()));
    HeaderBGColor->setColor(toQColor(page.headersBGColor()));
    MiniHeadersBGColorButton->setColor(toQColor(page.miniHeadersBGColor()));
    MiniCalBGColorButton->setColor(toQColor(page.miniCalBGColor()));
    CalHeaderStyleCombo->setCurrentIndex(page.headersStyle());
    MiniHeadersStyleCombo->setCurrentIndex(page.miniHeadersStyle());
    CalendarLineLayoutCombo->setCurrentIndex(page.calendarLineLayout());
    MiniCalendarLineLayoutCombo->setCurrentIndex(page.miniCalendarLineLayout());

    DateLabel->setText(QLocale().toString(Calendar->selectedDate(), QStringLiteral("MMMM yyyy")));
    TimeLabel->setText(shortTime(page.startingTime()));
    TitleShowYearCheck->setChecked(page.titleShowYear());
    MiniShowYearCheck->setChecked(page.miniShowYear());
    showExtras();
    SetMarginComboxFromValues();
}

void TCalendarProperties::SetMarginComboxFromValues()
{
    const CalendarPage &page = preview();
    LeftMarginInchcombo->setCurrentIndex(PropertyTables::stepOfMargin(page.leftMarginInch()));
    TopMarginInchcombo->setCurrentIndex(PropertyTables::stepOfMargin(page.topMarginInch()));
    RightMarginInchcombo->setCurrentIndex(PropertyTables::stepOfMargin(page.rightMarginInch()));
    BottomMarginInchcombo->setCurrentIndex(PropertyTables::stepOfMargin(page.bottomMarginInch()));
}

void TCalendarProperties::LayoutListClick()
{
    if (Updating)
        return;
    StartingDateMode = false;
    CalendarPage &page = preview();
    page.setPaperSize(m_paper[1]->isChecked() ? PaperSize::A4 : PaperSize::Letter);
    int layout = page.calendarLayout();
    if (LayoutList->currentRow() >= 0)
        layout = PropertyTables::layoutOfEntry(LayoutList->currentRow(), m_orientation[1]->isChecked());
    if (layout > loMC60MonthLS)
        StartingDateMode = true;
    CalendarChange();
    page.setCalendarLayout(layout);
    page.relayout();
    // Another paper or orientation is fitted to the preview afresh.
    if (page.controlSizeAt(1.0f) != m_fittedPage)
        fitPreview();
    m_example->update();
    SetButtons();
}

void TCalendarProperties::CalendarChange()
{
    const QDate date = Calendar->selectedDate();
    DateLabel->setText(StartingDateMode ? QLocale().toString(date, QLocale::LongFormat)
                                        : QLocale().toString(date, QStringLiteral("MMMM yyyy")));
    if (Updating)
        return;
    preview().setMainCalMonth(date.month());
    preview().setMainCalYear(date.year());
    preview().setMainCalDay(date.day());
}

void TCalendarProperties::moveCalendar(int months)
{
    Calendar->setSelectedDate(
        months == 0 ? QDate::currentDate() : Calendar->selectedDate().addMonths(months));
}

void TCalendarProperties::SetButtons()
{
    const int L = preview().calendarLayout();
    const int K = preview().layoutKind();
    rOrientation->setEnabled(K == 0 || K == 1);
    WeekStartsOn->setEnabled(L < loWeek);
    for (QWidget *control :
        { static_cast<QWidget *>(TitleShowYearCheck), static_cast<QWidget *>(TitleBGColor),
            static_cast<QWidget *>(NumberFontButton), static_cast<QWidget *>(CalendarLineLayoutCombo) })
        control->setEnabled(L < lopMC6Month);
    for (QWidget *control :
        { static_cast<QWidget *>(TitleFontbutton), static_cast<QWidget *>(HeaderFontButton),
            static_cast<QWidget *>(HeaderBGColor), static_cast<QWidget *>(CalHeaderStyleCombo) })
        control->setEnabled(L < lopMC6Month || L > loMC60MonthLS);
    const bool minis = L >= loFCMinisInTitle && L <= loMC60MonthLS;
    for (QWidget *control : { static_cast<QWidget *>(MiniShowYearCheck),
             static_cast<QWidget *>(Minititlefontbutton), static_cast<QWidget *>(MiniHeaderFontButton),
             static_cast<QWidget *>(MiniHeadersBGColorButton), static_cast<QWidget *>(MiniCellFontButton),
             static_cast<QWidget *>(MiniCalBGColorButton), static_cast<QWidget *>(MiniHeadersStyleCombo),
             static_cast<QWidget *>(MiniCalendarLineLayoutCombo) })
        control->setEnabled(minis);
    StartingtimeButton->setEnabled(K == 4 || K == 5);
    SelectMonthYearLabel->setText(
        L < loWeek ? QStringLiteral("Select Month & Year") : QStringLiteral("Select Starting Date"));
}

void TCalendarProperties::UseInchesClick()
{
    const FlagGuard quiet(Updating);
    const QStringList labels
        = useInches->isChecked() ? PropertyTables::inchLabels() : PropertyTables::millimetreLabels();
    for (QComboBox *combo :
        { LeftMarginInchcombo, TopMarginInchcombo, RightMarginInchcombo, BottomMarginInchcombo }) {
        const int index = combo->currentIndex();
        combo->clear();
        combo->addItems(labels);
        combo->setCurrentIndex(index);
    }
}

void TCalendarProperties::BorderFilesClick()
{
    const int row = BorderFiles->currentRow();
    if (Updating || row < 0)
        return;
    preview().setWMFBorderFile(row == 0 ? QString() : BorderFiles->item(row)->text());
}

void TCalendarProperties::showZoom()
{
    ZoomLabel->setText(QString::number(Zoom(previewScale()).shownPercent()) + QLatin1Char('%'));
}

void TCalendarProperties::ZoomOutbuttonClick()
{
    const float scale = previewScale();
    if (scale > 0.2f)
        setPreviewScale(scale - 0.1f);
    showZoom();
}

void TCalendarProperties::ZoomInButtonClick()
{
    const float scale = previewScale();
    // A fitted zoom between the steps still stops at 100%.
    if (scale < 1.0f)
        setPreviewScale(std::min(scale + 0.1f, 1.001f));
    showZoom();
}

void TCalendarProperties::DefaultbuttonClick()
{
    {
        const FlagGuard quiet(Updating);
        preview().resetToDefaultStyle();
        DetermineSettings();
    }
    LayoutListClick();
    selectBorderOfPreview();
}

TCalendarProperties::Geometry TCalendarProperties::captureGeometry() const
{
    const CalendarPage &page = preview();
    Geometry geometry;
    geometry.margins[0] = page.leftMarginInch();
    geometry.margins[1] = page.topMarginInch();
    geometry.margins[2] = page.rightMarginInch();
    geometry.margins[3] = page.bottomMarginInch();
    geometry.borderFile = page.wmfBorderFile();
    geometry.layout = page.calendarLayout();
    geometry.paperSize = int(page.paperSize());
    geometry.orientation = int(page.calendarOrientation());
    return geometry;
}

bool TCalendarProperties::geometryChanged() const
{
    const Geometry now = captureGeometry();
    for (int i = 0; i < 4; ++i) {
        if (now.margins[i] != m_opening.margins[i])
            return true;
    }
    // One border picture for another keeps the printable area; adding or
    // removing one does not.
    return now.layout != m_opening.layout || now.paperSize != m_opening.paperSize
        || now.orientation != m_opening.orientation
        || now.borderFile.isEmpty() != m_opening.borderFile.isEmpty();
}

void TCalendarProperties::OkButtonClick()
{
    // Names typed just before OK count even if the box never lost the focus.
    MonthNamesExit();
    DayNamesExit();
    if (WarnOnLayoutKindChange && preview().layoutKind() != OpeningLayoutKind) {
        const QString text = QStringLiteral("Warning: changing to this type of layout\n"
                                            "will erase all text and icons from the current\n"
                                            "calendar. Proceed?");
        if (!CommonDialogs::ConfirmDestructive(this, text, QStringLiteral("WARNING")))
            return;
    }
    if (WarnOnGeometryChange && geometryChanged()) {
        const QString text = QStringLiteral("Warning: The Calendar has one or more items\n"
                                            "placed on it using the Label, Clip Art, RichText,\n"
                                            "SuperText or Floating Calendar tools.\n"
                                            "\n"
                                            "Changing Paper Size, Orientation, Layout, Margins or Border\n"
                                            "means you will have to reposition these items.\n"
                                            "\n"
                                            "Proceed?");
        if (!CommonDialogs::ConfirmDestructive(this, text, QStringLiteral("WARNING")))
            return;
    }
    accept();
}

bool TCalendarProperties::applyToPage(bool pageShown)
{
    const bool changed = !m_page.sameAttributes(preview());
    const int kind = m_page.layoutKind();
    const int month = m_page.mainCalMonth();
    const int year = m_page.mainCalYear();
    m_page.copyAttributesFrom(preview());
    // A page not shown yet has no text on other days to lose.
    if (!m_page.cellsStillFit(kind, month, year) && (pageShown || m_page.layoutKind() != kind))
        m_page.clearAllCells();
    return changed;
}

bool TCalendarProperties::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut) {
        if (watched == MonthNames)
            MonthNamesExit();
        else if (watched == DayNames)
            DayNamesExit();
    }
    return QDialog::eventFilter(watched, event);
}
