#include "richtext/wprichtext.h"

#include "base/pageresolution.h"
#include "richtext/richtextimages.h"
#include "richtext/richtextrenderer.h"
#include "richtext/richtextscaler.h"
#include "richtext/richtexttables.h"
#include "richtext/rtfreader.h"
#include "richtext/rtfwriter.h"
#include "richtext/wprtfstorage.h"

#include <QAbstractTextDocumentLayout>
#include <QFontDatabase>
#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextImageFormat>
#include <QUrl>

#include <cmath>
#include <memory>

namespace {

// The face and size the editor starts in.
QFont startFont()
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8);
    return font;
}

} // namespace

TWPRichText::TWPRichText(QWidget *parent)
    : QTextEdit(parent)
    , m_fonts(QFontDatabase::families())
{
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    QPalette colors = palette();
    colors.setColor(QPalette::Base, Qt::white);
    colors.setColor(QPalette::Text, Qt::black);
    setPalette(colors);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setTabChangesFocus(true); // Tab moves between cells, it is not text
    setAcceptRichText(true);
    RichTextRenderer::prepare(*document());
    setTabStopDistance(RichTextRenderer::kDefaultTabStop); // until a text brings its own
    document()->setDefaultFont(startFont());
    hide();
}

void TWPRichText::copyFrom(const TWPRtfStorage &storage)
{
    setRtf(storage.rtf());
}

void TWPRichText::copyTo(TWPRtfStorage &storage) const
{
    storage.setRtf(rtf());
}

QByteArray TWPRichText::rtf() const
{
    std::unique_ptr<QTextDocument> copy(document()->clone());
    RichTextScaler::scale(*copy, 1.0 / zoomFactor());
    copy->setDefaultFont(startFont());
    return RtfWriter::write(*copy);
}

void TWPRichText::setRtf(const QByteArray &rtf)
{
    QTextDocument &doc = *document();
    RtfReader::read(rtf, doc);
    RichTextScaler::scale(doc, zoomFactor());
    applyZoomToDefaultFont();
    fitTables();
    moveCursor(QTextCursor::Start);
    // Undo reaches back to the text as loaded, never to an empty editor.
    doc.clearUndoRedoStacks();
}

void TWPRichText::setPageSizeTwips(int width, int height)
{
    m_pageWidth = std::max(0, width);
    m_pageHeight = std::max(0, height);
    applyWrapWidth();
}

void TWPRichText::setZoom(int percent)
{
    percent = std::clamp(percent, 1, 1000);
    if (percent == m_zoom)
        return;
    const double factor = double(percent) / m_zoom;
    RichTextScaler::scale(*document(), factor);
    m_zoom = percent;
    applyZoomToDefaultFont();
    applyWrapWidth();
    // Rescaling announced the formats while the old zoom still held; what
    // shows the attributes reads them again at the new one.
    emit currentCharFormatChanged(currentCharFormat());
}

void TWPRichText::applyZoomToDefaultFont()
{
    QFont font = startFont();
    font.setPointSizeF(font.pointSizeF() * zoomFactor());
    document()->setDefaultFont(font);
}

void TWPRichText::applyWrapWidth()
{
    if (m_pageWidth <= 0) {
        setLineWrapMode(QTextEdit::WidgetWidth);
        return;
    }
    setLineWrapMode(QTextEdit::FixedPixelWidth);
    setLineWrapColumnOrWidth(int(std::lround(m_pageWidth / kTwipsPerPixel * zoomFactor())));
    fitTables();
}

void TWPRichText::fitTables()
{
    // Tables wider than the page are shown as the page draws them.
    if (lineWrapMode() == QTextEdit::FixedPixelWidth)
        RichTextTables::fitToWidth(*document(), lineWrapColumnOrWidth());
}

int TWPRichText::fontIndexOf(const QString &face) const
{
    for (int i = 0; i < m_fonts.size(); ++i) {
        if (m_fonts.at(i).compare(face, Qt::CaseInsensitive) == 0)
            return i;
    }
    m_fonts.append(face);
    return int(m_fonts.size()) - 1;
}

const QVector<QColor> &TWPRichText::colorTable()
{
    static const QVector<QColor> table { QColor(0, 0, 0), QColor(128, 0, 0), QColor(0, 128, 0),
        QColor(128, 128, 0), QColor(0, 0, 128), QColor(128, 0, 128), QColor(0, 128, 128),
        QColor(128, 128, 128), QColor(192, 192, 192), QColor(255, 0, 0), QColor(0, 255, 0),
        QColor(255, 255, 0), QColor(0, 0, 255), QColor(255, 0, 255), QColor(0, 255, 255),
        QColor(255, 255, 255) };
    return table;
}

int TWPRichText::colorIndexOf(const QColor &color)
{
    const QVector<QColor> &table = colorTable();
    for (int i = int(table.size()) - 1; i >= 0; --i) {
        if (table.at(i).rgb() == color.rgb())
            return i;
    }
    return -1;
}

CharAttributes TWPRichText::currentAttributes() const
{
    const QTextCharFormat format = currentCharFormat();
    CharAttributes attributes;
    const QStringList families = format.fontFamilies().toStringList();
    const QString face = families.isEmpty() ? document()->defaultFont().family() : families.first();
    attributes.fontIndex = fontIndexOf(face);
    const double size
        = format.fontPointSize() > 0 ? format.fontPointSize() : document()->defaultFont().pointSizeF();
    attributes.size = size / zoomFactor();
    attributes.styles = (format.fontWeight() > QFont::Medium ? Bold : 0) | (format.fontItalic() ? Italic : 0)
        | (format.fontUnderline() ? Underline : 0) | (format.fontStrikeOut() ? StrikeOut : 0);
    const QColor color
        = format.foreground().style() == Qt::NoBrush ? QColor(Qt::black) : format.foreground().color();
    attributes.colorIndex = std::max(0, colorIndexOf(color));
    return attributes;
}

QTextCharFormat TWPRichText::formatOf(const CharAttributes &attributes) const
{
    QTextCharFormat format;
    if (attributes.fontIndex >= 0 && attributes.fontIndex < m_fonts.size())
        format.setFontFamilies(QStringList { m_fonts.at(attributes.fontIndex) });
    if (attributes.size > 0)
        format.setFontPointSize(attributes.size * zoomFactor());
    format.setFontWeight(attributes.styles & Bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(attributes.styles & Italic);
    format.setFontUnderline(attributes.styles & Underline);
    format.setFontStrikeOut(attributes.styles & StrikeOut);
    const QVector<QColor> &table = colorTable();
    format.setForeground(table.at(std::clamp(attributes.colorIndex, 0, int(table.size()) - 1)));
    return format;
}

void TWPRichText::setCurrentAttributes(const CharAttributes &attributes)
{
    // With a selection the selected text takes the attributes; without one
    // only the text typed next does, and the document stays unchanged.
    setCurrentCharFormat(formatOf(attributes));
}

void TWPRichText::setTypingFont(const CalendarFont &font)
{
    CharAttributes attributes = currentAttributes();
    attributes.fontIndex = fontIndexOf(font.name);
    attributes.size = font.size;
    attributes.styles = (font.bold ? Bold : 0) | (font.italic ? Italic : 0) | (font.underline ? Underline : 0)
        | (font.strikeout ? StrikeOut : 0);
    attributes.colorIndex = std::max(0, colorIndexOf(toQColor(font.color)));
    setCurrentAttributes(attributes);
}

bool TWPRichText::isEmptyText() const
{
    return toPlainText().trimmed().isEmpty();
}

void TWPRichText::selectAllText()
{
    selectAll();
}

void TWPRichText::moveToEnd()
{
    moveCursor(QTextCursor::End);
}

void TWPRichText::newParagraph()
{
    QTextCursor cursor = textCursor();
    cursor.insertBlock();
    setTextCursor(cursor);
}

void TWPRichText::insertTextWithAttributes(const QString &text, const CharAttributes &attributes)
{
    QTextCursor cursor = textCursor();
    cursor.insertText(text, formatOf(attributes));
    setTextCursor(cursor);
}

void TWPRichText::reformat()
{
    document()->documentLayout()->documentSize(); // lays out what changed
    viewport()->update();
}

void TWPRichText::insertPicture(const QImage &picture)
{
    if (picture.isNull())
        return;
    // Text typed after the picture, or where a click puts the cursor behind
    // it, goes on in the font chosen before it: the picture carries that font.
    const QTextCharFormat typing = currentCharFormat();
    QTextImageFormat format;
    format.merge(typing);
    format.setName(RichTextImages::add(*document(), picture));
    format.setWidth(picture.width() * zoomFactor());
    format.setHeight(picture.height() * zoomFactor());
    QTextCursor cursor = textCursor();
    cursor.insertImage(format);
    setTextCursor(cursor);
    setCurrentCharFormat(typing);
}

void TWPRichText::renderTo(QPainter &painter, const QRect &rect) const
{
    std::unique_ptr<QTextDocument> copy(document()->clone());
    RichTextScaler::scale(*copy, 1.0 / zoomFactor());
    RichTextRenderer::prepare(*copy);
    RichTextRenderer::draw(painter, *copy, rect, m_zoom);
}

QColor TWPRichText::backgroundColor() const
{
    return palette().color(QPalette::Base);
}

void TWPRichText::setBackgroundColor(const QColor &color)
{
    QPalette colors = palette();
    colors.setColor(QPalette::Base, color);
    setPalette(colors);
}

void TWPRichText::focusAtStart()
{
    moveCursor(QTextCursor::Start);
    setFocus();
}

namespace {

// Word processors offer their text as RTF beside HTML; only RTF carries tab
// stops with their leaders, so it is taken first.
const char *const kRtfTypes[] = { "text/rtf", "application/rtf", "text/richtext" };

} // namespace

bool TWPRichText::canInsertFromMimeData(const QMimeData *source) const
{
    for (const char *type : kRtfTypes) {
        if (source->hasFormat(QLatin1String(type)))
            return true;
    }
    return source->hasImage() || QTextEdit::canInsertFromMimeData(source);
}

void TWPRichText::insertFromMimeData(const QMimeData *source)
{
    if (source->hasImage()) {
        insertPicture(qvariant_cast<QImage>(source->imageData()));
        return;
    }
    for (const char *type : kRtfTypes) {
        if (source->hasFormat(QLatin1String(type)) && insertRtf(source->data(QLatin1String(type))))
            return;
    }
    QTextEdit::insertFromMimeData(source);
}

bool TWPRichText::insertRtf(const QByteArray &rtf)
{
    QTextDocument pasted;
    RichTextRenderer::prepare(pasted);
    // Some programs put other text under an RTF name ("text/richtext").
    if (!RtfReader::read(rtf, pasted) || pasted.isEmpty())
        return false;
    RichTextScaler::scale(pasted, zoomFactor());
    // Pictures live as resources of the document that holds them.
    for (QTextBlock block = pasted.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (format.isImageFormat()) {
                const QString name = format.toImageFormat().name();
                document()->addResource(
                    QTextDocument::ImageResource, QUrl(name), RichTextImages::image(pasted, name));
            }
        }
    }
    QTextCursor cursor = textCursor();
    cursor.insertFragment(QTextDocumentFragment(&pasted));
    setTextCursor(cursor);
    fitTables();
    return true;
}
