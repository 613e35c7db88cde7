#include "richtext/wptoolbar.h"

#include "richtext/wprichtext.h"
#include "widgets/pictures.h"

#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QFontComboBox>
#include <QIntValidator>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>
#include <QTextBlock>
#include <QTextCursor>

namespace {

constexpr int kSizes[] = { 8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72 };

QIcon swatch(const QColor &color)
{
    QPixmap pixmap(16, 12);
    pixmap.fill(color);
    QPainter painter(&pixmap);
    painter.setPen(Qt::gray);
    painter.drawRect(0, 0, 15, 11);
    return QIcon(pixmap);
}

} // namespace

TWPToolBar::TWPToolBar(QWidget *parent)
    : QToolBar(parent)
    , m_fontList(new QFontComboBox(this))
    , m_sizeList(new QComboBox(this))
    , m_colorList(new QComboBox(this))
{
    setObjectName(QStringLiteral("WPToolBar1"));
    setWindowTitle(tr("Formatting"));
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    m_fontList->setFontFilters(QFontComboBox::ScalableFonts | QFontComboBox::NonScalableFonts);
    m_fontList->setToolTip(QStringLiteral("Font"));
    addWidget(m_fontList);
    m_sizeList->setEditable(true);
    m_sizeList->setValidator(new QIntValidator(1, 1638, m_sizeList));
    for (int size : kSizes)
        m_sizeList->addItem(QString::number(size));
    m_sizeList->setToolTip(QStringLiteral("Font Size"));
    addWidget(m_sizeList);
    const QVector<QColor> &colors = TWPRichText::colorTable();
    for (int i = 0; i < colors.size(); ++i)
        m_colorList->addItem(swatch(colors.at(i)), QString(), i);
    m_colorList->setToolTip(QStringLiteral("Font Color"));
    addWidget(m_colorList);
    addSeparator();
    m_bold = addCommand(QStringLiteral("format-text-bold"), tr("B"), QStringLiteral("Bold Font"), true);
    m_italic = addCommand(QStringLiteral("format-text-italic"), tr("I"), QStringLiteral("Italic Font"), true);
    m_underline = addCommand(
        QStringLiteral("format-text-underline"), tr("U"), QStringLiteral("Underlined Font"), true);
    addSeparator();
    m_left = addCommand(
        QStringLiteral("format-justify-left"), tr("Left"), QStringLiteral("Left Justify Text"), true);
    m_right = addCommand(
        QStringLiteral("format-justify-right"), tr("Right"), QStringLiteral("Right Justify Text"), true);
    m_center = addCommand(
        QStringLiteral("format-justify-center"), tr("Center"), QStringLiteral("Center Text "), true);
    auto *alignments = new QActionGroup(this);
    alignments->addAction(m_left);
    alignments->addAction(m_right);
    alignments->addAction(m_center);
    addSeparator();
    m_copy = addCommand(QStringLiteral("edit-copy"), tr("Copy"), QStringLiteral("Copy Text"), false);
    m_cut = addCommand(QStringLiteral("edit-cut"), tr("Cut"), QStringLiteral("Cut Text"), false);
    m_paste = addCommand(QStringLiteral("edit-paste"), tr("Paste"), QStringLiteral("Paste Text"), false);
    m_selectAll
        = addCommand(QStringLiteral("edit-select-all"), tr("All"), QStringLiteral("Select All"), false);

    connect(m_fontList, &QFontComboBox::currentFontChanged, this, [this](const QFont &font) {
        QTextCharFormat format;
        format.setFontFamilies(QStringList { font.family() });
        mergeFormat(format);
    });
    connect(m_sizeList, &QComboBox::textActivated, this, &TWPToolBar::applySize);
    connect(m_colorList, qOverload<int>(&QComboBox::activated), this, [this](int index) {
        QTextCharFormat format;
        format.setForeground(TWPRichText::colorTable().value(index));
        mergeFormat(format);
    });
    connect(m_bold, &QAction::triggered, this, [this](bool on) {
        QTextCharFormat format;
        format.setFontWeight(on ? QFont::Bold : QFont::Normal);
        mergeFormat(format);
    });
    connect(m_italic, &QAction::triggered, this, [this](bool on) {
        QTextCharFormat format;
        format.setFontItalic(on);
        mergeFormat(format);
    });
    connect(m_underline, &QAction::triggered, this, [this](bool on) {
        QTextCharFormat format;
        format.setFontUnderline(on);
        mergeFormat(format);
    });
    connect(m_left, &QAction::triggered, this, [this] { setAlignment(Qt::AlignLeft); });
    connect(m_right, &QAction::triggered, this, [this] { setAlignment(Qt::AlignRight); });
    connect(m_center, &QAction::triggered, this, [this] { setAlignment(Qt::AlignHCenter); });
    connect(m_copy, &QAction::triggered, this, [this] {
        if (m_editor)
            m_editor->copy();
    });
    connect(m_cut, &QAction::triggered, this, [this] {
        if (m_editor)
            m_editor->cut();
    });
    connect(m_paste, &QAction::triggered, this, [this] {
        if (m_editor)
            m_editor->paste();
    });
    connect(m_selectAll, &QAction::triggered, this, [this] {
        if (m_editor)
            m_editor->selectAllText();
    });
    setEnabled(false);
}

QAction *TWPToolBar::addCommand(const QString &icon, const QString &text, const QString &hint, bool checkable)
{
    QAction *action = addAction(Pictures::icon(icon), text);
    action->setToolTip(hint);
    action->setStatusTip(hint);
    action->setCheckable(checkable);
    // Clicking a tool button must leave the focus in the editor.
    if (QWidget *button = widgetForAction(action))
        button->setFocusPolicy(Qt::NoFocus);
    return action;
}

void TWPToolBar::attachEditor(TWPRichText *editor)
{
    if (m_editor == editor)
        return;
    for (const auto &connection : qAsConst(m_connections))
        disconnect(connection);
    m_connections.clear();
    if (m_editor)
        m_editor->removeEventFilter(this);
    m_editor = editor;
    if (!editor)
        return;
    editor->installEventFilter(this);
    m_connections.append(
        connect(editor, &QTextEdit::currentCharFormatChanged, this, &TWPToolBar::showAttributes));
    m_connections.append(
        connect(editor, &QTextEdit::cursorPositionChanged, this, &TWPToolBar::showAttributes));
    showAttributes();
}

bool TWPToolBar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_editor
        || (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride))
        return QToolBar::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->modifiers() != Qt::ControlModifier)
        return false;
    QAction *style = key->key() == Qt::Key_B ? m_bold
        : key->key() == Qt::Key_I            ? m_italic
        : key->key() == Qt::Key_U            ? m_underline
                                             : nullptr;
    if (!style)
        return false;
    // Claimed before any window shortcut of the same keys can take them.
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return false;
    }
    style->trigger();
    return true;
}

void TWPToolBar::showAttributes()
{
    if (!m_editor)
        return;
    m_updating = true;
    const QTextCharFormat format = m_editor->currentCharFormat();
    const CharAttributes attributes = m_editor->currentAttributes();
    const QStringList families = format.fontFamilies().toStringList();
    if (!families.isEmpty())
        m_fontList->setCurrentFont(QFont(families.first()));
    m_sizeList->setEditText(QString::number(std::lround(attributes.size)));
    m_colorList->setCurrentIndex(attributes.colorIndex);
    m_bold->setChecked(attributes.styles & TWPRichText::Bold);
    m_italic->setChecked(attributes.styles & TWPRichText::Italic);
    m_underline->setChecked(attributes.styles & TWPRichText::Underline);
    const Qt::Alignment alignment = m_editor->alignment() & Qt::AlignHorizontal_Mask;
    m_center->setChecked(alignment & Qt::AlignHCenter);
    m_right->setChecked(alignment & Qt::AlignRight);
    m_left->setChecked(!(alignment & (Qt::AlignHCenter | Qt::AlignRight)));
    m_updating = false;
}

void TWPToolBar::mergeFormat(const QTextCharFormat &format)
{
    if (!m_editor || m_updating)
        return;
    m_editor->mergeCurrentCharFormat(format);
    m_editor->setFocus();
}

void TWPToolBar::applySize(const QString &text)
{
    bool ok = false;
    const int size = text.toInt(&ok);
    if (!ok || size <= 0 || !m_editor)
        return;
    QTextCharFormat format;
    format.setFontPointSize(size * m_editor->zoom() / 100.0);
    mergeFormat(format);
}

void TWPToolBar::setAlignment(Qt::Alignment alignment)
{
    if (!m_editor || m_updating)
        return;
    m_editor->setAlignment(alignment);
    m_editor->setFocus();
}
