#include "textobjects/supertextproperties.h"

#include "textobjects/supertextbrushimagebrowser.h"
#include "textobjects/supertextcopy.h"
#include "widgets/colorbutton.h"
#include "widgets/describedcontrol.h"
#include "widgets/dialogbuttons.h"
#include "widgets/objectpreview.h"

#include "objects/vsupertext.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kHelpTopic = 40014;
constexpr int kRefitMs = 200;

QSpinBox *spinner(const char *name, const QString &whatsThis)
{
    auto *spin = described(new QSpinBox, name, whatsThis);
    spin->setRange(0, 10);
    return spin;
}

ColorButton *colorButton(const char *name, const QString &text, const QString &whatsThis)
{
    return described(new ColorButton(text), name, whatsThis);
}

QPushButton *button(const char *name, const QString &text, const QString &whatsThis)
{
    auto *push = described(new QPushButton(text), name, whatsThis);
    push->setAutoDefault(false);
    return push;
}

} // namespace

TSuperTextProperties::TSuperTextProperties(const TVSuperText &object, QWidget *parent)
    : QDialog(parent)
    , m_preview(std::make_unique<TVSuperText>())
{
    setWindowTitle(QStringLiteral("SuperText Properties"));
    m_preview->setName(QStringLiteral("Preview"));
    m_preview->setBounds(8, 8, 100, 100);
    SuperTextCopy::toPreview(object, *m_preview);
    m_thumbnail = m_preview->image().image();
    if (m_thumbnail.isNull())
        m_thumbnail = TSuperTextBrushImageBrowser::startTexture(m_preview->lastBitmapFileNameandPath());
    buildControls();
    loadControls();
    connectControls();
    m_updating = false;
    // What OK would leave: a text cut short is fitted.
    const float zoom = m_preview->displayScale();
    if (m_preview->shownCaption(m_preview->layoutAt(zoom), zoom) != m_preview->caption())
        refit();
    m_refitTimer.setInterval(kRefitMs);
    connect(&m_refitTimer, &QTimer::timeout, this, [this] {
        if (m_refitPending)
            refit();
    });
    m_refitTimer.start();
}

TSuperTextProperties::~TSuperTextProperties() = default;

void TSuperTextProperties::buildControls()
{
    QScrollArea *preview = scrolledPreview(*m_preview, QSize(600, 180));
    preview->setObjectName(QStringLiteral("PreviewPanel"));
    preview->setWhatsThis(QStringLiteral("The SuperText as the settings draw it."));
    auto *left = new QVBoxLayout;
    left->addWidget(preview, 1);
    left->addWidget(buildTextControls());
    QWidget *fill = buildFillControls();
    QWidget *lines = buildLineControls();
    // As wide as the widest surface group, so switching types never
    // changes the dialog's width.
    const int width = qMax(fill->sizeHint().width(), lines->sizeHint().width());
    auto *controls = new QWidget;
    controls->setFixedWidth(width);
    auto *right = new QVBoxLayout(controls);
    right->setContentsMargins(0, 0, 0, 0);
    right->addWidget(fill);
    right->addWidget(lines);
    right->addStretch();
    auto *columns = new QHBoxLayout;
    columns->addLayout(left, 1);
    columns->addWidget(controls);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addLayout(DialogButtons::row(*this, kHelpTopic));
}

QWidget *TSuperTextProperties::buildTextControls()
{
    m_caption = new QLineEdit;
    m_caption->setObjectName(QStringLiteral("CaptionText"));
    m_caption->setWhatsThis(QStringLiteral("The text, shown in its font."));
    m_sizeDown = new QToolButton;
    m_sizeDown->setObjectName(QStringLiteral("FontSizeDown"));
    m_sizeDown->setArrowType(Qt::DownArrow);
    m_sizeDown->setToolTip(QStringLiteral("5 points smaller"));
    m_sizeUp = new QToolButton;
    m_sizeUp->setObjectName(QStringLiteral("FontSizeUp"));
    m_sizeUp->setArrowType(Qt::UpArrow);
    m_sizeUp->setToolTip(QStringLiteral("5 points larger"));
    m_fontSize = new QLabel;
    m_fontSize->setObjectName(QStringLiteral("FontSizeLabel"));
    QPushButton *font = button("SelectFontButton", QStringLiteral("Select Font"),
        QStringLiteral("Choose an outline font for the text."));
    QPushButton *symbol = button("SelectSymbolButton", QStringLiteral("Select Symbol"),
        QStringLiteral("Use one character of a symbol font as the text."));
    connect(font, &QPushButton::clicked, this, &TSuperTextProperties::chooseFont);
    connect(symbol, &QPushButton::clicked, this, &TSuperTextProperties::chooseSymbol);
    connect(m_sizeDown, &QToolButton::clicked, this, [this] { stepFontSize(false); });
    connect(m_sizeUp, &QToolButton::clicked, this, [this] { stepFontSize(true); });

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(font);
    buttons->addWidget(m_sizeDown);
    buttons->addWidget(m_sizeUp);
    buttons->addWidget(m_fontSize);
    buttons->addStretch();
    buttons->addWidget(symbol);
    auto *group = new QGroupBox(QStringLiteral("Text"));
    auto *layout = new QVBoxLayout(group);
    layout->addWidget(m_caption);
    layout->addLayout(buttons);
    return group;
}

QWidget *TSuperTextProperties::buildFillControls()
{
    m_surfaceType = describedComboBox("SurfaceTypeCombo",
        { QStringLiteral("Normal"), QStringLiteral("Transparent"), QStringLiteral("Texture"),
            QStringLiteral("Gradient Fill") },
        QStringLiteral("What fills the letters: the font colour, nothing, a texture picture or a gradient."));
    m_fillDirection = describedComboBox("FillDirectionCombo",
        { QStringLiteral("Up"), QStringLiteral("Down"), QStringLiteral("Left"), QStringLiteral("Right") },
        QStringLiteral("The way the gradient runs from its first colour to its second."));
    m_gradientFrom = colorButton(
        "GradientFromcolorButton", QStringLiteral("From"), QStringLiteral("The gradient's first colour."));
    m_gradientTo = colorButton(
        "GradientToColorButton", QStringLiteral("To"), QStringLiteral("The gradient's second colour."));
    m_fontColor = colorButton(
        "FontColorButton", QStringLiteral("Font Color"), QStringLiteral("The colour of the letters."));
    m_lastUsedImage = new QLabel;
    m_lastUsedImage->setObjectName(QStringLiteral("LastUsedImage"));
    m_lastUsedImage->setFixedSize(64, 64);
    m_lastUsedImage->setFrameShape(QFrame::StyledPanel);
    m_lastUsedImage->setAlignment(Qt::AlignCenter);
    m_lastUsedImage->setWhatsThis(QStringLiteral("The texture the letters are filled with."));
    QPushButton *load = button(
        "LoadTextureButton", QStringLiteral("Load Texture"), QStringLiteral("Choose a texture picture."));
    connect(load, &QPushButton::clicked, this, &TSuperTextProperties::loadTexture);

    m_gradientGroup = new QGroupBox(QStringLiteral("Gradient"));
    auto *gradient = new QFormLayout(m_gradientGroup);
    gradient->addRow(QStringLiteral("Direction"), m_fillDirection);
    auto *colors = new QHBoxLayout;
    colors->addWidget(m_gradientFrom);
    colors->addWidget(m_gradientTo);
    gradient->addRow(QStringLiteral("Colors"), colors);
    m_textureGroup = new QGroupBox(QStringLiteral("Load Texture"));
    auto *texture = new QHBoxLayout(m_textureGroup);
    texture->addWidget(m_lastUsedImage);
    texture->addWidget(load);
    m_fontColorGroup = new QGroupBox(QStringLiteral("Font Color"));
    auto *fontColor = new QHBoxLayout(m_fontColorGroup);
    fontColor->addWidget(m_fontColor);

    // One page per surface type, in the type's order; "Transparent" has
    // nothing to set. The stack keeps the size of its largest page.
    m_surfaceGroups = new QStackedWidget;
    m_surfaceGroups->addWidget(m_fontColorGroup);
    m_surfaceGroups->addWidget(new QWidget);
    m_surfaceGroups->addWidget(m_textureGroup);
    m_surfaceGroups->addWidget(m_gradientGroup);
    auto *group = new QGroupBox(QStringLiteral("Surface"));
    auto *layout = new QVBoxLayout(group);
    layout->addWidget(m_surfaceType);
    layout->addWidget(m_surfaceGroups);
    return group;
}

QWidget *TSuperTextProperties::buildLineControls()
{
    m_outlineColor = colorButton(
        "OutlineColorButton", QStringLiteral("Color"), QStringLiteral("The colour of the letters' outline."));
    m_outlineStyle = describedComboBox("OutlineStyleCombo",
        { QStringLiteral("Solid Line"), QStringLiteral("Dash Line"), QStringLiteral("Dotted Line"),
            QStringLiteral("DashDot Line"), QStringLiteral("DashDotDot Line"), QStringLiteral("Clear") },
        QStringLiteral("The line drawn round the letters; Clear draws none."));
    m_outlineWidth = spinner("OutLineWidthSpinner", QStringLiteral("The outline's width in pixels."));
    m_shadowColor = colorButton(
        "ShadowColorButton", QStringLiteral("Color"), QStringLiteral("The colour of the shadow."));
    m_shadowOrientation = describedComboBox("ShadowOrientationCombo",
        { QStringLiteral("None"), QStringLiteral("Right"), QStringLiteral("Left"),
            QStringLiteral("Down and Right"), QStringLiteral("Down and Left"), QStringLiteral("Down") },
        QStringLiteral("Where the shadow falls."));
    m_shadowDepth = spinner("ShadowDepthSpinner", QStringLiteral("How far, in pixels, the shadow falls."));

    auto *outline = new QGroupBox(QStringLiteral("Outline"));
    auto *outlineForm = new QFormLayout(outline);
    outlineForm->addRow(QStringLiteral("Style"), m_outlineStyle);
    outlineForm->addRow(QStringLiteral("Width"), m_outlineWidth);
    outlineForm->addRow(QString(), m_outlineColor);
    auto *shadow = new QGroupBox(QStringLiteral("Shadow"));
    auto *shadowForm = new QFormLayout(shadow);
    shadowForm->addRow(QStringLiteral("Direction"), m_shadowOrientation);
    shadowForm->addRow(QStringLiteral("Depth"), m_shadowDepth);
    shadowForm->addRow(QString(), m_shadowColor);
    auto *box = new QWidget;
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(outline);
    layout->addWidget(shadow);
    return box;
}

void TSuperTextProperties::loadControls()
{
    const TVSuperText &p = *m_preview;
    m_surfaceType->setCurrentIndex(p.surfaceType());
    m_fillDirection->setCurrentIndex(p.fillDirection());
    m_gradientFrom->setColor(toQColor(p.gradientFromColor()));
    m_gradientTo->setColor(toQColor(p.gradientToColor()));
    m_fontColor->setColor(toQColor(p.font().color));
    m_outlineColor->setColor(toQColor(p.outlineColor()));
    m_outlineStyle->setCurrentIndex(p.outlineStyle() == psInsideFrame ? int(psSolid) : int(p.outlineStyle()));
    m_outlineWidth->setValue(p.outlineWidth());
    m_shadowColor->setColor(toQColor(p.shadowcolor()));
    m_shadowOrientation->setCurrentIndex(p.shadowOrientation());
    m_shadowDepth->setValue(p.shadowDepth());
    setThumbnail(m_thumbnail);
    m_caption->setText(p.caption());
    showCaptionFace();
    showSurfaceGroups();
}

void TSuperTextProperties::connectControls()
{
    using S = TVSuperText;
    const auto index = &QComboBox::currentIndexChanged;
    const auto value = &QSpinBox::valueChanged;
    const auto edit = [this](auto change) {
        return [this, change](auto v) {
            if (!m_updating)
                change(*m_preview, v);
        };
    };
    connect(m_surfaceType, index, this, [this](int i) {
        if (!m_updating)
            setSurfaceType(i);
    });
    connect(m_fillDirection, index, this, edit([](S &s, int i) { s.setFillDirection(TFillDirection(i)); }));
    connect(m_outlineStyle, index, this, edit([](S &s, int i) { s.setOutlineStyle(TPenStyle(i)); }));
    connect(m_outlineWidth, value, this, edit([](S &s, int v) { s.setOutlineWidth(v); }));
    connect(m_shadowOrientation, index, this,
        edit([](S &s, int i) { s.setShadowOrientation(TShadowOrientation(i)); }));
    connect(m_shadowDepth, value, this, edit([](S &s, int v) { s.setShadowDepth(v); }));
    connect(m_caption, &QLineEdit::textChanged, this, edit([this](S &s, const QString &text) {
        s.setCaption(text);
        m_refitPending = true;
    }));
    connectColors();
}

void TSuperTextProperties::connectColors()
{
    using S = TVSuperText;
    const std::pair<ColorButton *, void (S::*)(TColor)> colors[] = {
        { m_gradientFrom, &S::setGradientFromColor },
        { m_gradientTo, &S::setGradientToColor },
        { m_outlineColor, &S::setOutlineColor },
        { m_shadowColor, &S::setShadowcolor },
    };
    for (const auto &[button, setter] : colors) {
        connect(button, &ColorButton::colorChanged, this, [this, setter = setter](const QColor &color) {
            if (!m_updating)
                (m_preview.get()->*setter)(fromQColor(color));
        });
    }
    connect(m_fontColor, &ColorButton::colorChanged, this, [this](const QColor &color) {
        if (m_updating)
            return;
        CalendarFont font = m_preview->font();
        font.color = fromQColor(color);
        m_preview->setFont(font);
    });
}

void TSuperTextProperties::showSurfaceGroups()
{
    m_surfaceGroups->setCurrentIndex(m_surfaceType->currentIndex());
}

void TSuperTextProperties::setSurfaceType(int type)
{
    m_preview->setSurfaceType(TSurfaceType(type));
    if (type == stBrushImage) {
        StoredBitmap texture;
        texture.setImage(m_thumbnail);
        m_preview->setImage(texture);
    }
    // Hollow letters may have turned the outline on.
    m_outlineStyle->setCurrentIndex(m_preview->outlineStyle());
    showSurfaceGroups();
    refit();
}

void TSuperTextProperties::setThumbnail(const QImage &image)
{
    m_thumbnail = image;
    if (image.isNull()) {
        m_lastUsedImage->setPixmap(QPixmap());
        m_lastUsedImage->setText(QStringLiteral("(none)"));
        return;
    }
    m_lastUsedImage->setPixmap(QPixmap::fromImage(
        image.scaled(m_lastUsedImage->size() - QSize(4, 4), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

void TSuperTextProperties::showCaptionFace()
{
    QFont face(m_preview->font().name);
    face.setPointSize(qMax(font().pointSize(), 9) * 3 / 2);
    m_caption->setFont(face);
    m_fontSize->setText(QStringLiteral("%1 pt").arg(m_preview->font().size));
    m_sizeDown->setEnabled(m_preview->font().size > 10);
    m_sizeUp->setEnabled(m_preview->font().size < 150);
}

void TSuperTextProperties::refit()
{
    m_refitPending = false;
    m_preview->fitToText();
}
