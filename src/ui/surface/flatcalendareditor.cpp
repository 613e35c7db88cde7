#include "surface/flatcalendareditor.h"

#include "widgets/colorbutton.h"
#include "widgets/commondialogs.h"
#include "widgets/dialogbuttons.h"
#include "widgets/objectpreview.h"

#include "objects/vflatcalendar.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QVBoxLayout>

#include <array>
#include <cmath>

namespace {

constexpr int kHelpTopic = 40015;

QComboBox *combo(const char *name, const QStringList &items)
{
    auto *box = new QComboBox;
    box->setObjectName(QLatin1String(name));
    box->addItems(items);
    return box;
}

QStringList borderItems()
{
    return { QStringLiteral("None"), QStringLiteral("All"), QStringLiteral("Top"), QStringLiteral("Bottom"),
        QStringLiteral("Top & Bottom") };
}

QStringList monthItems()
{
    QStringList months;
    for (int m = 1; m <= 12; ++m)
        months << QLocale::c().standaloneMonthName(m);
    return months;
}

ColorButton *colorButton(const char *name, const QString &text)
{
    auto *button = new ColorButton(text);
    button->setObjectName(QLatin1String(name));
    return button;
}

} // namespace

TFlatCalendarEditor::TFlatCalendarEditor(const TVFlatCalendar &object, QWidget *parent)
    : QDialog(parent)
    , m_sample(std::make_unique<TVFlatCalendar>())
{
    setWindowTitle(QStringLiteral("Floating Calendar Properties"));
    m_sample->copyCalendarPropertiesFrom(object);
    const float scale = object.displayScale();
    m_sample->setBounds(
        8, 8, int(std::trunc(object.width() / scale)), int(std::trunc(object.height() / scale)));
    buildControls();
    loadControls();
    connectControls();
    m_updating = false;
}

TFlatCalendarEditor::~TFlatCalendarEditor() = default;

void TFlatCalendarEditor::buildControls()
{
    m_showYear = new QCheckBox(QStringLiteral("Show year in title"));
    m_showYear->setObjectName(QStringLiteral("ShowtitleInyearCheck"));
    m_month = combo("MonthCombo", monthItems());
    m_year = new QSpinBox;
    m_year->setObjectName(QStringLiteral("YearSpinner"));
    m_year->setRange(1950, 2500);
    m_year->setValue(QDate::currentDate().isValid() ? QDate::currentDate().year() : 1998);
    m_weekStart = combo("WeekStartsOn", { QStringLiteral("Sunday"), QStringLiteral("Monday") });
    m_headersStyle = combo("HeadersStyleCombo",
        { QStringLiteral("First Character"), QStringLiteral("First Three Characters"),
            QStringLiteral("Whole Word") });
    m_calendarBorder = combo("CalendarBorderCombo", borderItems());
    m_headerBorder = combo("HeaderBorderCombo", borderItems());
    m_cellBorder = combo("CellBorderCombo", borderItems());
    m_titleBackground = colorButton("TitleBackgroundbutton", QStringLiteral("Title"));
    m_headerBackground = colorButton("HeaderBackgroundButton", QStringLiteral("Header"));
    m_bodyBackground = colorButton("Bodybackgroundbutton", QStringLiteral("Body"));
    m_shadowColor = colorButton("ShadowColorButton", QStringLiteral("Shadow"));
    m_shadowOrientation = combo("ShadowOrientationCombo",
        { QStringLiteral("Lower Right"), QStringLiteral("Lower Left"), QStringLiteral("UpperRight"),
            QStringLiteral("UpperLeft") });
    m_shadowDepth = new QSpinBox;
    m_shadowDepth->setObjectName(QStringLiteral("ShadowDepthSpinner"));
    m_shadowDepth->setRange(0, 10);
    m_language = combo("LanguageCombo",
        { QStringLiteral("English"), QStringLiteral("Deutsch"), QStringLiteral("Français"),
            QStringLiteral("L'italiano"), QStringLiteral("Español") });
    m_transparent = new QCheckBox(QStringLiteral("Transparent"));
    m_transparent->setObjectName(QStringLiteral("TransparentCheck"));
    layoutControls();
}

QFormLayout *TFlatCalendarEditor::controlsForm()
{
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Month"), m_month);
    form->addRow(QStringLiteral("Year"), m_year);
    form->addRow(QString(), m_showYear);
    form->addRow(QStringLiteral("Week starts on"), m_weekStart);
    form->addRow(QStringLiteral("Day names"), m_headersStyle);
    form->addRow(QStringLiteral("Language"), m_language);
    form->addRow(QStringLiteral("Calendar border"), m_calendarBorder);
    form->addRow(QStringLiteral("Header border"), m_headerBorder);
    form->addRow(QStringLiteral("Cell border"), m_cellBorder);
    auto *colors = new QHBoxLayout;
    for (ColorButton *button : { m_titleBackground, m_headerBackground, m_bodyBackground })
        colors->addWidget(button);
    form->addRow(QStringLiteral("Backgrounds"), colors);
    form->addRow(QStringLiteral("Shadow"), m_shadowOrientation);
    auto *shadow = new QHBoxLayout;
    shadow->addWidget(m_shadowDepth);
    shadow->addWidget(m_shadowColor);
    form->addRow(QStringLiteral("Shadow depth"), shadow);
    form->addRow(QString(), m_transparent);
    auto *fonts = new QHBoxLayout;
    const char *fontNames[] = { "Title Font", "Header Font", "Cell Font" };
    for (int i = 0; i < 3; ++i) {
        auto *button = new QPushButton(QLatin1String(fontNames[i]));
        connect(button, &QPushButton::clicked, this, [this, i] { chooseFont(i); });
        fonts->addWidget(button);
    }
    form->addRow(QStringLiteral("Fonts"), fonts);
    return form;
}

void TFlatCalendarEditor::layoutControls()
{
    QScrollArea *preview = scrolledPreview(*m_sample, QSize(260, 240));

    QDialogButtonBox *buttons = DialogButtons::standardBox(*this, kHelpTopic);

    auto *columns = new QHBoxLayout;
    columns->addWidget(preview, 1);
    columns->addLayout(controlsForm());
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(buttons);
}

void TFlatCalendarEditor::loadControls()
{
    const TVFlatCalendar &s = *m_sample;
    m_showYear->setChecked(s.showYear());
    m_month->setCurrentIndex(s.month() - 1);
    m_year->setValue(s.year());
    m_weekStart->setCurrentIndex(s.startOfWeek() - 1);
    m_headersStyle->setCurrentIndex(s.dayNameStyle());
    m_calendarBorder->setCurrentIndex(s.calendarBorderStyle());
    m_headerBorder->setCurrentIndex(s.dayNameBorderStyle());
    m_cellBorder->setCurrentIndex(s.cellBorderStyle());
    m_titleBackground->setColor(toQColor(s.titleBGcolor()));
    m_headerBackground->setColor(toQColor(s.dayNameBGColor()));
    m_bodyBackground->setColor(toQColor(s.backgroundcolor()));
    m_shadowColor->setColor(toQColor(s.shadowColor()));
    m_shadowOrientation->setCurrentIndex(s.shadowPosition());
    m_shadowDepth->setValue(s.shadowDepth());
    m_language->setCurrentIndex(s.language());
    m_transparent->setChecked(s.calTransparent());
}

template <typename Apply> void TFlatCalendarEditor::whenEdited(Apply apply)
{
    if (!m_updating)
        apply(*m_sample);
}

void TFlatCalendarEditor::connectControls()
{
    using C = TVFlatCalendar;
    const auto index = &QComboBox::currentIndexChanged;
    const auto value = &QSpinBox::valueChanged;
    connect(m_month, index, this, [this](int i) { whenEdited([i](C &s) { s.setMonth(i + 1); }); });
    connect(m_year, value, this, [this](int v) { whenEdited([v](C &s) { s.setYear(v); }); });
    connect(m_weekStart, index, this, [this](int i) { whenEdited([i](C &s) { s.setStartOfWeek(i + 1); }); });
    connect(m_headersStyle, index, this,
        [this](int i) { whenEdited([i](C &s) { s.setDayNameStyle(TFlatCalHeadersStyle(i)); }); });
    connect(m_calendarBorder, index, this,
        [this](int i) { whenEdited([i](C &s) { s.setCalendarBorderStyle(TFlatCalBorderStyle(i)); }); });
    connect(m_headerBorder, index, this,
        [this](int i) { whenEdited([i](C &s) { s.setDayNameBorderStyle(TFlatCalBorderStyle(i)); }); });
    connect(m_cellBorder, index, this,
        [this](int i) { whenEdited([i](C &s) { s.setCellBorderStyle(TFlatCalBorderStyle(i)); }); });
    connect(m_shadowOrientation, index, this,
        [this](int i) { whenEdited([i](C &s) { s.setShadowPosition(TFlatShadowPosition(i)); }); });
    connect(m_shadowDepth, value, this, [this](int v) { whenEdited([v](C &s) { s.setShadowDepth(v); }); });
    connect(m_language, index, this,
        [this](int i) { whenEdited([i](C &s) { s.setLanguage(TFlatCalLanguage(i)); }); });
    connect(m_transparent, &QCheckBox::toggled, this,
        [this](bool on) { whenEdited([on](C &s) { s.setCalTransparent(on); }); });
    connect(m_showYear, &QCheckBox::toggled, this,
        [this](bool on) { whenEdited([on](C &s) { s.setShowYear(on); }); });
    connectColors();
}

void TFlatCalendarEditor::connectColors()
{
    using C = TVFlatCalendar;
    const std::pair<ColorButton *, void (C::*)(TColor)> colors[] = {
        { m_titleBackground, &C::setTitleBGcolor },
        { m_headerBackground, &C::setDayNameBGColor },
        { m_bodyBackground, &C::setBackgroundcolor },
        { m_shadowColor, &C::setShadowColor },
    };
    for (const auto &[button, setter] : colors) {
        connect(button, &ColorButton::colorChanged, this, [this, setter = setter](const QColor &color) {
            whenEdited([&](C &s) { (s.*setter)(fromQColor(color)); });
        });
    }
}

void TFlatCalendarEditor::chooseFont(int which)
{
    using C = TVFlatCalendar;
    const auto getters = std::array { &C::titleFont, &C::dayNameFont, &C::cellFont };
    const auto setters = std::array { &C::setTitleFont, &C::setDayNameFont, &C::setCellFont };
    CalendarFont font = (m_sample.get()->*getters[which])();
    if (CommonDialogs::chooseCalendarFont(this, font))
        (m_sample.get()->*setters[which])(font);
}

bool TFlatCalendarEditor::editProperties(TVFlatCalendar &object, QWidget *parent)
{
    TFlatCalendarEditor editor(object, parent);
    if (editor.exec() != QDialog::Accepted)
        return false;
    object.copyCalendarPropertiesFrom(editor.sample());
    object.notifyModified();
    return true;
}
