#include "surface/richtextlabeleditor.h"

#include "richtext/wprichtext.h"
#include "richtext/wptoolbar.h"
#include "widgets/dialogbuttons.h"
#include "widgets/pictures.h"

#include "base/pageresolution.h"
#include "objects/vprichbaselabel.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

constexpr int kHelpTopic = 40013;

QAction *zoomButton(const char *name, const QString &picture, const QString &text, const QString &hint)
{
    auto *action = new QAction(Pictures::icon(picture), text);
    action->setObjectName(QLatin1String(name));
    action->setToolTip(hint);
    return action;
}

} // namespace

TRichTextLabelEditor::TRichTextLabelEditor(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Rich Text Editor"));
    m_toolBar = new TWPToolBar;
    m_toolBar->setObjectName(QStringLiteral("WPToolBar1"));
    m_panel = new QWidget;
    m_panel->setObjectName(QStringLiteral("WPPanel"));
    m_editor = new TWPRichText(m_panel);
    m_editor->setObjectName(QStringLiteral("WPRichText1"));
    m_editor->setFrameShape(QFrame::NoFrame);
    m_editor->show(); // the control starts hidden, as the cells' hidden editor needs
    auto *fill = new QVBoxLayout(m_panel);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(m_editor);
    m_toolBar->attachEditor(m_editor);
    m_toolBar->setEnabled(true); // it starts disabled until a cell is edited
    QAction *plus = zoomButton(
        "ZoomPlusButton", QStringLiteral("zoom-in"), QStringLiteral("+"), QStringLiteral("Zoom In"));
    QAction *minus = zoomButton(
        "ZoomMinusButton", QStringLiteral("zoom-out"), QStringLiteral("-"), QStringLiteral("Zoom Out"));
    plus->setParent(this);
    minus->setParent(this);
    // First on the bar, so a narrow dialog never folds them away.
    QAction *first = m_toolBar->actions().value(0);
    m_toolBar->insertAction(first, plus);
    m_toolBar->insertAction(first, minus);
    m_toolBar->insertSeparator(first);
    connect(plus, &QAction::triggered, this, &TRichTextLabelEditor::zoomIn);
    connect(minus, &QAction::triggered, this, &TRichTextLabelEditor::zoomOut);

    m_scroll = new QScrollArea;
    m_scroll->setWidget(m_panel);
    m_scroll->setMinimumSize(640, 200); // room for the whole tool bar
    QDialogButtonBox *buttons = DialogButtons::standardBox(*this, kHelpTopic);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_toolBar);
    layout->addWidget(m_scroll, 1);
    layout->addWidget(buttons);
}

void TRichTextLabelEditor::loadLabel(const TVPRichBaseLabel &label, float zoom)
{
    m_editor->copyFrom(label.rtfText());
    if (!label.transparent()) {
        QPalette colored = m_panel->palette();
        colored.setColor(QPalette::Window, toQColor(label.bgColor()));
        m_panel->setPalette(colored);
        m_panel->setAutoFillBackground(true);
        m_editor->setBackgroundColor(toQColor(label.bgColor()));
    }
    const QSize onScreen = label.displayRect(zoom).size();
    m_panel->resize(onScreen.width() + 1, onScreen.height() + 1);
    // The page is the label's size at 100%, shown at the surface's zoom.
    const int w1 = roundHalfEven((long double)onScreen.width() / zoom);
    const int h1 = roundHalfEven((long double)onScreen.height() / zoom);
    m_editor->setPageSizeTwips(w1 * 1440 / kScreenPpi, h1 * 1440 / kScreenPpi);
    m_editor->setZoom(roundHalfEven((long double)zoom * 100));
}

bool TRichTextLabelEditor::editRichText(
    TVPRichBaseLabel &label, float zoom, QWidget *parent, const std::optional<CalendarFont> &startFont)
{
    TRichTextLabelEditor dialog(parent);
    dialog.loadLabel(label, zoom);
    if (startFont)
        dialog.setStartFont(*startFont);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    TWPRtfStorage text;
    dialog.editor().copyTo(text);
    label.setRTFText(text);
    return true;
}

void TRichTextLabelEditor::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    rememberStart();
    m_editor->focusAtStart();
    // After the caret is placed: placing it takes the format found there.
    if (m_startFont && m_editor->isEmptyText())
        m_editor->setTypingFont(*m_startFont);
}

void TRichTextLabelEditor::rememberStart()
{
    m_startSize = m_panel->size();
    m_startZoom = m_editor->zoom();
}

void TRichTextLabelEditor::zoomIn()
{
    if (m_editor->zoom() < 100)
        applyZoom(m_editor->zoom() + 10);
}

void TRichTextLabelEditor::zoomOut()
{
    if (m_editor->zoom() > 50)
        applyZoom(m_editor->zoom() - 10);
}

void TRichTextLabelEditor::applyZoom(int zoom)
{
    if (m_startZoom <= 0)
        rememberStart();
    m_editor->setZoom(zoom);
    const long double ratio = (long double)zoom / m_startZoom;
    m_panel->resize(roundHalfEven(ratio * m_startSize.width()), roundHalfEven(ratio * m_startSize.height()));
}
