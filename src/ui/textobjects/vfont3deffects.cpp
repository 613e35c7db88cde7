#include "textobjects/vfont3deffects.h"

#include "widgets/colorcombobox.h"
#include "widgets/describedcontrol.h"
#include "widgets/dialogbuttons.h"
#include "widgets/formplacement.h"
#include "widgets/objectpreview.h"

#include "objects/vplabel.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

constexpr int kHelpTopic = 40008;

QStringList depths()
{
    QStringList items;
    for (int depth = 0; depth <= 10; ++depth)
        items << QString::number(depth);
    return items;
}

ColorComboBox *colorList(const char *name, const QString &whatsThis)
{
    return described(new ColorComboBox, name, whatsThis);
}

} // namespace

void copyLabelEffects(const TVBaseLabel &from, TVBaseLabel &to)
{
    to.setFont(from.font());
    to.setDirectionShadow(from.directionShadow());
    to.setDepthShadow(from.depthShadow());
    to.setColorShadow(from.colorShadow());
    to.setDirectionHighlight(from.directionHighlight());
    to.setDepthHighlight(from.depthHighlight());
    to.setColorHighlight(from.colorHighlight());
}

TVFont3DEffects::TVFont3DEffects(const TVBaseLabel &label, QWidget *parent)
    : QDialog(parent)
    , m_sample(std::make_unique<TVPLabel>())
{
    setWindowTitle(QStringLiteral("Text 3D Effects"));
    m_sample->setName(QStringLiteral("Sample"));
    m_sample->setCaption(QStringLiteral("Text"));
    m_sample->setBounds(8, 8, 240, 60);
    copyLabelEffects(label, *m_sample);
    refit();
    buildControls();
    loadControls();
    connectControls();
}

TVFont3DEffects::~TVFont3DEffects() = default;

void TVFont3DEffects::buildControls()
{
    m_shadowDirection = describedComboBox("ShadowDirection",
        { QStringLiteral("None"), QStringLiteral("Right"), QStringLiteral("Left"),
            QStringLiteral("Lower Right"), QStringLiteral("Lower Left"), QStringLiteral("Down") },
        QStringLiteral("Where the shadow falls behind the text."));
    m_shadowDepth = describedComboBox(
        "ShadowDepth", depths(), QStringLiteral("How far, in pixels, the shadow is moved."));
    m_shadowColor = colorList("ShadowColorCombo", QStringLiteral("The colour of the shadow."));
    m_highlightDirection = describedComboBox("HighlightDirection",
        { QStringLiteral("None"), QStringLiteral("Right"), QStringLiteral("Left"),
            QStringLiteral("Upper Right"), QStringLiteral("Upper Left"), QStringLiteral("Up") },
        QStringLiteral("Where the highlight shows behind the text."));
    m_highlightDepth = describedComboBox(
        "HighLightDepth", depths(), QStringLiteral("How far, in pixels, the highlight is moved."));
    m_highlightColor = colorList("HighLightColorCombo", QStringLiteral("The colour of the highlight."));
    m_fontColor = colorList("FontColorCombo", QStringLiteral("The colour of the text itself."));

    auto *shadow = new QGroupBox(QStringLiteral("Shadow"));
    auto *shadowForm = new QFormLayout(shadow);
    shadowForm->addRow(QStringLiteral("Shadow Direction"), m_shadowDirection);
    shadowForm->addRow(QStringLiteral("Shadow Depth"), m_shadowDepth);
    shadowForm->addRow(QStringLiteral("Shadow Color"), m_shadowColor);
    auto *highlight = new QGroupBox(QStringLiteral("Highlight"));
    auto *highlightForm = new QFormLayout(highlight);
    highlightForm->addRow(QStringLiteral("Highlight Direction"), m_highlightDirection);
    highlightForm->addRow(QStringLiteral("Highlight Depth"), m_highlightDepth);
    highlightForm->addRow(QStringLiteral("Highlight Color"), m_highlightColor);
    auto *fontRow = new QHBoxLayout;
    auto *fontLabel = new QLabel(QStringLiteral("Font Color"));
    fontLabel->setBuddy(m_fontColor);
    fontRow->addWidget(fontLabel);
    fontRow->addWidget(m_fontColor);
    fontRow->addStretch();

    QScrollArea *preview = scrolledPreview(*m_sample, QSize(300, 110));
    preview->setObjectName(QStringLiteral("SamplePanel"));
    preview->setWhatsThis(QStringLiteral("The label as the settings draw it."));

    auto *groups = new QHBoxLayout;
    groups->addWidget(shadow);
    groups->addWidget(highlight);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addLayout(fontRow);
    layout->addWidget(preview, 1);
    layout->addLayout(DialogButtons::row(*this, kHelpTopic));
}

void TVFont3DEffects::loadControls()
{
    const TVPLabel &s = *m_sample;
    m_shadowDirection->setCurrentIndex(s.directionShadow());
    m_shadowDepth->setCurrentIndex(qBound(0, s.depthShadow(), 10));
    m_shadowColor->setColor(toQColor(s.colorShadow()));
    m_highlightDirection->setCurrentIndex(s.directionHighlight());
    m_highlightDepth->setCurrentIndex(qBound(0, s.depthHighlight(), 10));
    m_highlightColor->setColor(toQColor(s.colorHighlight()));
    m_fontColor->setColor(toQColor(s.font().color));
}

void TVFont3DEffects::connectControls()
{
    const auto index = &QComboBox::currentIndexChanged;
    TVPLabel &s = *m_sample;
    const auto apply = [this](auto change) {
        return [this, change](auto value) {
            change(value);
            refit();
        };
    };
    connect(
        m_shadowDirection, index, this, apply([&s](int i) { s.setDirectionShadow(TShadowDirection(i)); }));
    connect(m_shadowDepth, index, this, apply([&s](int i) { s.setDepthShadow(i); }));
    connect(m_highlightDirection, index, this,
        apply([&s](int i) { s.setDirectionHighlight(THighlightDirection(i)); }));
    connect(m_highlightDepth, index, this, apply([&s](int i) { s.setDepthHighlight(i); }));
    connect(m_shadowColor, &ColorComboBox::colorChanged, this,
        apply([&s](const QColor &c) { s.setColorShadow(fromQColor(c)); }));
    connect(m_highlightColor, &ColorComboBox::colorChanged, this,
        apply([&s](const QColor &c) { s.setColorHighlight(fromQColor(c)); }));
    connect(m_fontColor, &ColorComboBox::colorChanged, this, apply([&s](const QColor &c) {
        CalendarFont font = s.font();
        font.color = fromQColor(c);
        s.setFont(font);
    }));
}

void TVFont3DEffects::refit()
{
    m_sample->fitToText();
    m_sample->layOut();
}

void TVFont3DEffects::showEvent(QShowEvent *event)
{
    FormPlacement::CenterForm(this);
    QDialog::showEvent(event);
}

bool TVFont3DEffects::editEffects(TVBaseLabel &label, QWidget *parent)
{
    TVFont3DEffects dialog(label, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    copyLabelEffects(dialog.sample(), label);
    label.notifyModified();
    return true;
}
