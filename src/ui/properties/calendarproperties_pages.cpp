// Building the properties dialog: the tab strip with its eleven pages, the
// preview with its zoom buttons and the row of dialog buttons.
#include "properties/calendarproperties.h"

#include "properties/previewarea.h"

#include "properties/propertytables.h"
#include "surface/calendarpanel32.h"
#include "widgets/colorbutton.h"
#include "widgets/dialogbuttons.h"

#include "calendar/calendarpage.h"

#include <QButtonGroup>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QShortcut>
#include <QStackedWidget>
#include <QVBoxLayout>

void TCalendarProperties::createPages()
{
    TabSet1 = new QListWidget(this);
    TabSet1->setObjectName(QStringLiteral("TabSet1"));
    Notebook = new QStackedWidget(this);
    Notebook->setObjectName(QStringLiteral("Notebook"));

    QWidget *pages[] = { createLayoutPage(), createDatePage(), createFontsPage(), createMiniFontsPage(),
        createHeadersPage(), createLinesPage(), createPlannersPage(), createLanguagePage(),
        createMarginsPage() };
    for (int i = 0; i < 9; ++i) {
        TabSet1->addItem(QString::fromLatin1(PropertyTables::pages()[i].tabText));
        Notebook->addWidget(pages[i]);
    }
    // The borders page comes last, after the pages of the form itself.
    TabSet1->addItem(QString::fromLatin1(PropertyTables::pages()[PropertyTables::kBordersPage].tabText));
    Notebook->addWidget(createBordersPage());
    TabSet1->addItem(QString::fromLatin1(PropertyTables::pages()[PropertyTables::kExtrasPage].tabText));
    Notebook->addWidget(createExtrasPage());

    // Width the dialog gains goes to the preview; the pages keep their own.
    Notebook->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
    TabSet1->setCurrentRow(0);
    TabSet1->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    TabSet1->setFixedWidth(TabSet1->sizeHintForColumn(0) + 2 * TabSet1->frameWidth() + 8);
    connect(TabSet1, &QListWidget::currentRowChanged, this, &TCalendarProperties::TabSet1Click);
}

static QWidget *newPage(QWidget *parent, const QString &name)
{
    auto *page = new QWidget(parent);
    page->setObjectName(name);
    return page;
}

QGroupBox *TCalendarProperties::createChoiceGroup(
    const QString &title, const QStringList &items, std::array<QRadioButton *, 2> &buttons)
{
    auto *group = new QGroupBox(title, this);
    auto *layout = new QVBoxLayout(group);
    auto *exclusive = new QButtonGroup(group);
    for (int i = 0; i < 2; ++i) {
        buttons[i] = new QRadioButton(items[i], group);
        exclusive->addButton(buttons[i], i);
        layout->addWidget(buttons[i]);
    }
    buttons[0]->setChecked(true);
    return group;
}

QWidget *TCalendarProperties::createLayoutPage()
{
    QWidget *page = newPage(this, QStringLiteral("LayoutPage"));
    LayoutList = new QListWidget(page);
    LayoutList->setObjectName(QStringLiteral("LayoutList"));
    LayoutList->addItems(PropertyTables::layoutEntries());
    // All thirteen entries and no more: a tall dialog leaves no empty list.
    LayoutList->setFixedHeight(
        LayoutList->sizeHintForRow(0) * PropertyTables::kLayoutEntryCount + 2 * LayoutList->frameWidth());
    LayoutList->setMinimumWidth(LayoutList->sizeHintForColumn(0) + 2 * LayoutList->frameWidth() + 4);
    rOrientation = createChoiceGroup(QStringLiteral("Orientation"),
        { QStringLiteral("Portrait"), QStringLiteral("Landscape") }, m_orientation);
    rOrientation->setObjectName(QStringLiteral("rOrientation"));
    PaperSize = createChoiceGroup(
        QStringLiteral("Paper Size"), { QStringLiteral("Letter"), QStringLiteral("A4") }, m_paper);
    PaperSize->setObjectName(QStringLiteral("PaperSize"));

    auto *label = new QLabel(QStringLiteral("Calendar &layout:"), page);
    label->setBuddy(LayoutList);
    auto *choices = new QHBoxLayout;
    choices->addWidget(rOrientation);
    choices->addWidget(PaperSize);
    choices->addStretch();
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(label);
    layout->addWidget(LayoutList);
    layout->addLayout(choices);
    layout->addStretch();

    connect(LayoutList, &QListWidget::currentRowChanged, this, &TCalendarProperties::LayoutListClick);
    for (QRadioButton *button : { m_orientation[0], m_orientation[1], m_paper[0], m_paper[1] })
        connect(button, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                LayoutListClick();
        });
    return page;
}

QWidget *TCalendarProperties::createDatePage()
{
    QWidget *page = newPage(this, QStringLiteral("DatePage"));
    SelectMonthYearLabel = new QLabel(QStringLiteral("Select Month & Year"), page);
    SelectMonthYearLabel->setTextFormat(Qt::PlainText);
    Calendar = new QCalendarWidget(page);
    Calendar->setObjectName(QStringLiteral("Calendar"));
    Calendar->setDateRange(QDate(kFirstYear, 1, 1), QDate(kLastYear, 12, 31));
    // The five buttons below move the month; the grid's own bar would repeat them.
    Calendar->setNavigationBarVisible(false);
    Calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    DateLabel = new QLabel(page);
    DateLabel->setObjectName(QStringLiteral("DateLabel"));
    DateLabel->setAlignment(Qt::AlignCenter);
    QFont bold = DateLabel->font();
    bold.setBold(true);
    DateLabel->setFont(bold);

    auto *moves = new QHBoxLayout;
    const struct
    {
        const char *text;
        const char *tip;
        int months; // 0 for today
    } steps[] = { { "<<", "Previous year", -12 }, { "<", "Previous month", -1 }, { "Now", "Today", 0 },
        { ">", "Next month", 1 }, { ">>", "Next year", 12 } };
    for (const auto &step : steps) {
        auto *button = new QPushButton(QString::fromLatin1(step.text), page);
        button->setToolTip(QString::fromLatin1(step.tip));
        button->setAutoDefault(false);
        const int months = step.months;
        connect(button, &QPushButton::clicked, this, [this, months] { moveCalendar(months); });
        moves->addWidget(button);
    }

    WeekStartsOn = createChoiceGroup(QStringLiteral("Week Starts On"),
        { QStringLiteral("Sunday"), QStringLiteral("Monday") }, m_weekStart);
    WeekStartsOn->setObjectName(QStringLiteral("WeekStartsOn"));
    for (int i = 0; i < 2; ++i)
        connect(m_weekStart[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                Calendar->setFirstDayOfWeek(i == 0 ? Qt::Sunday : Qt::Monday);
            if (on && !Updating)
                preview().setStartOfWeek(i + 1);
        });

    auto *layout = new QVBoxLayout(page);
    layout->addWidget(SelectMonthYearLabel);
    layout->addWidget(DateLabel);
    layout->addLayout(moves);
    layout->addWidget(Calendar, 1);
    layout->addWidget(WeekStartsOn);
    connect(Calendar, &QCalendarWidget::selectionChanged, this, &TCalendarProperties::CalendarChange);
    return page;
}

QPushButton *TCalendarProperties::createFontButton(const QString &text,
    const CalendarFont &(CalendarPage::*get)() const, void (CalendarPage::*set)(const CalendarFont &))
{
    auto *button = new QPushButton(text, this);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, get, set] { chooseFont(get, set); });
    return button;
}

ColorButton *TCalendarProperties::createColorButton(const QString &text, void (CalendarPage::*set)(TColor))
{
    auto *button = new ColorButton(text, this);
    button->setAutoDefault(false);
    connect(button, &ColorButton::colorChanged, this, [this, set](const QColor &color) {
        if (!Updating)
            (preview().*set)(fromQColor(color));
    });
    return button;
}

// One column of buttons as wide as the widest, at the page's left.
static QWidget *buttonColumn(QWidget *page, const QList<QWidget *> &widgets)
{
    auto *column = new QVBoxLayout;
    for (QWidget *widget : widgets) {
        widget->setParent(page);
        column->addWidget(widget);
    }
    column->addStretch();
    auto *layout = new QHBoxLayout(page);
    layout->addLayout(column);
    layout->addStretch();
    return page;
}

QWidget *TCalendarProperties::createFontsPage()
{
    TitleFontbutton = createFontButton(
        QStringLiteral("&Title Font..."), &CalendarPage::titleFont, &CalendarPage::setTitleFont);
    HeaderFontButton = createFontButton(
        QStringLiteral("&Header Font..."), &CalendarPage::headersFont, &CalendarPage::setHeadersFont);
    NumberFontButton = createFontButton(
        QStringLiteral("&Number Font..."), &CalendarPage::cellFont, &CalendarPage::setCellFont);
    TitleBGColor = createColorButton(QStringLiteral("Title &Background"), &CalendarPage::setTitleBGColor);
    HeaderBGColor = createColorButton(QStringLiteral("Header Back&ground"), &CalendarPage::setHeadersBGColor);
    TitleShowYearCheck = new QCheckBox(QStringLiteral("Show &Year in Title"), this);
    connect(TitleShowYearCheck, &QCheckBox::toggled, this, [this](bool on) {
        if (!Updating)
            preview().setTitleShowYear(on);
    });
    return buttonColumn(newPage(this, QStringLiteral("FontsPage")),
        { TitleFontbutton, HeaderFontButton, NumberFontButton, TitleBGColor, HeaderBGColor,
            TitleShowYearCheck });
}

QWidget *TCalendarProperties::createMiniFontsPage()
{
    Minititlefontbutton = createFontButton(
        QStringLiteral("Mini &Title Font..."), &CalendarPage::miniTitleFont, &CalendarPage::setMiniTitleFont);
    MiniHeaderFontButton = createFontButton(QStringLiteral("Mini &Header Font..."),
        &CalendarPage::miniHeadersFont, &CalendarPage::setMiniHeadersFont);
    MiniCellFontButton = createFontButton(
        QStringLiteral("Mini &Number Font..."), &CalendarPage::miniCellFont, &CalendarPage::setMiniCellFont);
    MiniHeadersBGColorButton
        = createColorButton(QStringLiteral("Mini Header &Background"), &CalendarPage::setMiniHeadersBGColor);
    MiniCalBGColorButton
        = createColorButton(QStringLiteral("Mini &Calendar Background"), &CalendarPage::setMiniCalBGColor);
    MiniShowYearCheck = new QCheckBox(QStringLiteral("Show &Year in Mini Titles"), this);
    connect(MiniShowYearCheck, &QCheckBox::toggled, this, [this](bool on) {
        if (!Updating)
            preview().setMiniShowYear(on);
    });
    return buttonColumn(newPage(this, QStringLiteral("MiniFontsPage")),
        { Minititlefontbutton, MiniHeaderFontButton, MiniCellFontButton, MiniHeadersBGColorButton,
            MiniCalBGColorButton, MiniShowYearCheck });
}

QComboBox *TCalendarProperties::createEnumCombo(
    const QStringList &items, const std::function<void(CalendarPage &, int)> &set)
{
    auto *combo = new QComboBox(this);
    combo->addItems(items);
    connect(combo, &QComboBox::currentIndexChanged, this, [this, set](int index) {
        if (!Updating && index >= 0)
            set(preview(), index);
    });
    return combo;
}

static QWidget *formPage(QWidget *page, const QList<QPair<QString, QWidget *>> &rows)
{
    auto *form = new QFormLayout;
    for (const auto &row : rows) {
        row.second->setParent(page);
        auto *label = new QLabel(row.first, page);
        label->setBuddy(row.second);
        form->addRow(label, row.second);
    }
    auto *layout = new QVBoxLayout(page);
    layout->addLayout(form);
    layout->addStretch();
    return page;
}

QWidget *TCalendarProperties::createHeadersPage()
{
    const QStringList styles = { QStringLiteral("First Character"), QStringLiteral("First Three Characters"),
        QStringLiteral("Whole Word") };
    CalHeaderStyleCombo = createEnumCombo(
        styles, [](CalendarPage &page, int index) { page.setHeadersStyle(TCalHeadersStyle(index)); });
    MiniHeadersStyleCombo = createEnumCombo(
        styles, [](CalendarPage &page, int index) { page.setMiniHeadersStyle(TCalHeadersStyle(index)); });
    return formPage(newPage(this, QStringLiteral("HeadersPage")),
        { { QStringLiteral("&Calendar day headers:"), CalHeaderStyleCombo },
            { QStringLiteral("&Mini calendar day headers:"), MiniHeadersStyleCombo } });
}

QWidget *TCalendarProperties::createLinesPage()
{
    CalendarLineLayoutCombo = createEnumCombo(
        { QStringLiteral("Full"), QStringLiteral("Headers & Cells"), QStringLiteral("Cells Only") },
        [](CalendarPage &page, int index) { page.setCalendarLineLayout(TCalendarLineLayout(index)); });
    MiniCalendarLineLayoutCombo
        = createEnumCombo({ QStringLiteral("Full"), QStringLiteral("Boxed"), QStringLiteral("Minimal") },
            [](CalendarPage &page, int index) {
                page.setMiniCalendarLineLayout(TMiniCalendarLineLayout(index));
            });
    return formPage(newPage(this, QStringLiteral("LinesPage")),
        { { QStringLiteral("&Calendar lines:"), CalendarLineLayoutCombo },
            { QStringLiteral("&Mini calendar lines:"), MiniCalendarLineLayoutCombo } });
}

QWidget *TCalendarProperties::createPlannersPage()
{
    QWidget *page = newPage(this, QStringLiteral("PlannersPage"));
    StartingtimeButton = new QPushButton(QStringLiteral("&Starting Time..."), page);
    StartingtimeButton->setAutoDefault(false);
    TimeLabel = new QLabel(page);
    TimeLabel->setObjectName(QStringLiteral("TimeLabel"));
    auto *row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("Day planners start at:"), page));
    row->addWidget(TimeLabel);
    row->addStretch();
    auto *layout = new QVBoxLayout(page);
    layout->addLayout(row);
    layout->addWidget(StartingtimeButton, 0, Qt::AlignLeft);
    layout->addStretch();
    connect(StartingtimeButton, &QPushButton::clicked, this, &TCalendarProperties::StartingtimeButtonClick);
    return page;
}

QWidget *TCalendarProperties::createLanguagePage()
{
    QWidget *page = newPage(this, QStringLiteral("LanguagePage"));
    MonthNames = new QPlainTextEdit(page);
    MonthNames->setObjectName(QStringLiteral("MonthNames"));
    DayNames = new QPlainTextEdit(page);
    DayNames->setObjectName(QStringLiteral("DayNames"));
    for (QPlainTextEdit *box : { MonthNames, DayNames }) {
        box->setLineWrapMode(QPlainTextEdit::NoWrap);
        box->setTabChangesFocus(true);
        box->installEventFilter(this);
    }
    auto *monthLabel = new QLabel(QStringLiteral("&Month names:"), page);
    monthLabel->setBuddy(MonthNames);
    auto *dayLabel = new QLabel(QStringLiteral("&Day names:"), page);
    dayLabel->setBuddy(DayNames);

    auto *boxes = new QGridLayout;
    boxes->addWidget(monthLabel, 0, 0);
    boxes->addWidget(dayLabel, 0, 1);
    boxes->addWidget(MonthNames, 1, 0);
    boxes->addWidget(DayNames, 1, 1);

    auto *languages = new QGridLayout;
    const char *texts[] = { "English", "Deutsch", "Français", "L'italiano", "Español" };
    const char *names[] = { "English", "German", "French", "Italian", "Spanish" };
    for (int i = 0; i < 5; ++i) {
        auto *button = new QPushButton(QString::fromUtf8(texts[i]), page);
        button->setObjectName(QString::fromLatin1(names[i]));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, i] { applyLanguage(i); });
        m_languageButtons[i] = button;
        languages->addWidget(button, i / 3, i % 3);
    }
    auto *layout = new QVBoxLayout(page);
    layout->addLayout(boxes, 1);
    layout->addLayout(languages);
    return page;
}

QComboBox *TCalendarProperties::createMarginCombo(void (CalendarPage::*set)(float))
{
    auto *combo = new QComboBox(this);
    combo->addItems(PropertyTables::inchLabels());
    connect(combo, &QComboBox::currentIndexChanged, this, [this, set](int index) {
        if (!Updating)
            (preview().*set)(PropertyTables::marginOfStep(index));
    });
    return combo;
}

QWidget *TCalendarProperties::createMarginsPage()
{
    QWidget *page = newPage(this, QStringLiteral("MarginsPage"));
    auto *units = new QGroupBox(QStringLiteral("Units"), page);
    useInches = new QRadioButton(QStringLiteral("&Inches"), units);
    useMM = new QRadioButton(QStringLiteral("Milli&meters"), units);
    useInches->setChecked(true);
    auto *unitLayout = new QHBoxLayout(units);
    unitLayout->addWidget(useInches);
    unitLayout->addWidget(useMM);
    connect(useInches, &QRadioButton::toggled, this, &TCalendarProperties::UseInchesClick);

    LeftMarginInchcombo = createMarginCombo(&CalendarPage::setLeftMarginInch);
    TopMarginInchcombo = createMarginCombo(&CalendarPage::setTopMarginInch);
    RightMarginInchcombo = createMarginCombo(&CalendarPage::setRightMarginInch);
    BottomMarginInchcombo = createMarginCombo(&CalendarPage::setBottomMarginInch);
    formPage(page,
        { { QStringLiteral("&Left:"), LeftMarginInchcombo }, { QStringLiteral("&Top:"), TopMarginInchcombo },
            { QStringLiteral("&Right:"), RightMarginInchcombo },
            { QStringLiteral("&Bottom:"), BottomMarginInchcombo } });
    static_cast<QVBoxLayout *>(page->layout())->insertWidget(0, units);
    return page;
}

QWidget *TCalendarProperties::createBordersPage()
{
    QWidget *page = newPage(this, QStringLiteral("BordersPage"));
    BorderFiles = new QListWidget(page);
    BorderFiles->setObjectName(QStringLiteral("BorderFiles"));
    auto *label = new QLabel(QStringLiteral("&Border picture:"), page);
    label->setBuddy(BorderFiles);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(label);
    layout->addWidget(BorderFiles, 1);
    connect(BorderFiles, &QListWidget::currentRowChanged, this, &TCalendarProperties::BorderFilesClick);
    return page;
}

QWidget *TCalendarProperties::createPreviewPane()
{
    auto *pane = new QWidget(this);
    m_example = new TCalendarPanel32;
    m_example->setObjectName(QStringLiteral("ExampleCalendar"));
    // The preview is only looked at; a design surface with the focus would
    // keep Tab from moving through the dialog.
    m_example->setFocusPolicy(Qt::NoFocus);
    m_previewArea = new PreviewArea(pane);
    m_previewArea->setWidget(m_example);
    m_previewArea->setAlignment(Qt::AlignCenter);
    m_previewArea->setBackgroundRole(QPalette::Dark);
    m_previewArea->setMinimumSize(240, 200);

    ZoomOutbutton = new QPushButton(QStringLiteral("Zoom &Out"), pane);
    ZoomInButton = new QPushButton(QStringLiteral("Zoom &In"), pane);
    ZoomLabel = new QLabel(pane);
    ZoomLabel->setObjectName(QStringLiteral("ZoomLabel"));
    ZoomLabel->setAlignment(Qt::AlignCenter);
    ZoomLabel->setMinimumWidth(ZoomLabel->fontMetrics().horizontalAdvance(QStringLiteral("100%")) + 8);
    for (QPushButton *button : { ZoomOutbutton, ZoomInButton })
        button->setAutoDefault(false);
    connect(ZoomOutbutton, &QPushButton::clicked, this, &TCalendarProperties::ZoomOutbuttonClick);
    connect(ZoomInButton, &QPushButton::clicked, this, &TCalendarProperties::ZoomInButtonClick);

    auto *zoomRow = new QHBoxLayout;
    zoomRow->addStretch();
    zoomRow->addWidget(ZoomOutbutton);
    zoomRow->addWidget(ZoomLabel);
    zoomRow->addWidget(ZoomInButton);
    zoomRow->addStretch();
    auto *layout = new QVBoxLayout(pane);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_previewArea, 1);
    layout->addLayout(zoomRow);
    return pane;
}

QWidget *TCalendarProperties::createButtonRow()
{
    DefaultButton = new QPushButton(QStringLiteral("&Default"), this);
    SaveAsStyleSheetButton = new QPushButton(QStringLiteral("Sa&ve Style..."), this);
    LoadStyleSheetButton = new QPushButton(QStringLiteral("Lo&ad Style..."), this);
    HelpButton = new QPushButton(QStringLiteral("&Help"), this);
    const DialogButtons::OkCancel buttons = DialogButtons::okCancel(
        *this, QStringLiteral("OK"), QStringLiteral("Cancel"), DialogButtons::Answer::Own);
    OkButton = buttons.ok;
    CancelButton = buttons.cancel;
    for (QPushButton *button :
        { DefaultButton, SaveAsStyleSheetButton, LoadStyleSheetButton, HelpButton, CancelButton })
        button->setAutoDefault(false);

    connect(DefaultButton, &QPushButton::clicked, this, &TCalendarProperties::DefaultbuttonClick);
    connect(SaveAsStyleSheetButton, &QPushButton::clicked, this,
        &TCalendarProperties::SaveAsStyleSheetButtonClick);
    connect(
        LoadStyleSheetButton, &QPushButton::clicked, this, &TCalendarProperties::LoadStyleSheetButtonClick);
    connect(HelpButton, &QPushButton::clicked, this, [this] { emit helpRequested(helpContext()); });
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, HelpButton,
        &QPushButton::click);
    connect(OkButton, &QPushButton::clicked, this, &TCalendarProperties::OkButtonClick);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);

    buttons.box->addButton(DefaultButton, QDialogButtonBox::ResetRole);
    buttons.box->addButton(SaveAsStyleSheetButton, QDialogButtonBox::ActionRole);
    buttons.box->addButton(LoadStyleSheetButton, QDialogButtonBox::ActionRole);
    buttons.box->addButton(HelpButton, QDialogButtonBox::HelpRole);
    return buttons.box;
}
