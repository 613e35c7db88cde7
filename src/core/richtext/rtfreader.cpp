#include "richtext/rtfreader.h"

#include "base/pageresolution.h"
#include "richtext/richtextimages.h"
#include "richtext/richtextrenderer.h"
#include "richtext/rtfparser.h"
#include "richtext/rtfpicturedecoder.h"

#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QTextTable>

#include <algorithm>

namespace {

// The face readers assume when a text names no font.
const QString kFallbackFace = QStringLiteral("Times New Roman");

class DocumentBuilder : public RtfParser::Handler
{
public:
    explicit DocumentBuilder(QTextDocument &document)
        : m_document(document)
        , m_cursor(&document)
    {
    }

    void setParser(const RtfParser *parser) { m_parser = parser; }

    void text(const QString &text, const RtfCharState &chr) override
    {
        enterRow();
        m_cursor.insertText(text, charFormat(chr));
    }

    void paragraphEnd(const RtfParaState &para, const RtfCharState &chr) override
    {
        enterRow();
        finishBlock(para, chr);
        m_cursor.insertBlock();
    }

    void rowStart() override { m_rowPending = true; }

    void cellEnd(const RtfParaState &para, const RtfCharState &chr) override
    {
        enterRow();
        if (!m_table || !m_inRow) {
            paragraphEnd(para, chr); // a cell outside any row reads as a paragraph
            return;
        }
        const QTextTableCell cell = m_table->cellAt(m_cursor);
        // Writers that end each paragraph with \par leave an empty one before \cell.
        if (m_cursor.block().length() == 1 && m_cursor.block().position() > cell.firstPosition())
            m_cursor.deletePreviousChar();
        else
            finishBlock(para, chr);
        if (m_column + 1 < m_table->columns())
            m_cursor = m_table->cellAt(m_row, ++m_column).firstCursorPosition();
    }

    void rowEnd() override
    {
        if (!m_table || !m_inRow)
            return;
        m_inRow = false;
        m_cursor = m_table->lastCursorPosition();
        m_cursor.movePosition(QTextCursor::NextBlock);
    }

    void picture(const RtfPicture &picture, const RtfCharState &chr) override
    {
        enterRow();
        const RtfPictureDecoder::Picture decoded = RtfPictureDecoder::decode(picture);
        if (decoded.image.isNull() || decoded.size.isEmpty())
            return; // unreadable pictures are skipped, the text around them stays
        QTextImageFormat format;
        format.merge(charFormat(chr));
        format.setName(RichTextImages::add(m_document, decoded.image));
        format.setWidth(decoded.size.width());
        format.setHeight(decoded.size.height());
        m_cursor.insertImage(format);
    }

    void documentEnd(const RtfParaState &para, const RtfCharState &chr) override { finishBlock(para, chr); }

private:
    // Content after \trowd opens a row: a new table, or one more row of the
    // table just ended. Content after \row without a \trowd ends the table.
    void enterRow()
    {
        if (!m_rowPending) {
            if (!m_inRow)
                m_table = nullptr;
            return;
        }
        m_rowPending = false;
        const QVector<int> &rights = m_parser->cellRights();
        const int columns = std::max(1, int(rights.size()));
        if (m_table && m_table->rows() * m_table->columns() >= kMaxTableCells)
            return; // a hostile text's further rows run on in the last cell
        m_inRow = true;
        if (!m_table) {
            m_table = m_cursor.insertTable(1, columns, tableFormat(rights));
        } else {
            m_table->appendRows(1);
            if (m_table->columns() < columns)
                m_table->appendColumns(columns - m_table->columns());
        }
        m_row = m_table->rows() - 1;
        m_column = 0;
        m_cursor = m_table->cellAt(m_row, 0).firstCursorPosition();
    }

    static QTextTableFormat tableFormat(const QVector<int> &rights)
    {
        QTextTableFormat format;
        format.setBorder(1);
        format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        format.setBorderCollapse(true);
        format.setCellSpacing(0);
        format.setCellPadding(2);
        QList<QTextLength> widths;
        int left = 0;
        for (const int right : rights) {
            widths.append(QTextLength(QTextLength::FixedLength, std::max(1, right - left) / kTwipsPerPixel));
            left = std::max(left, right);
        }
        format.setColumnWidthConstraints(widths);
        return format;
    }

    static void setTabs(QTextBlockFormat &format, const QVector<RtfParaState::Tab> &tabs)
    {
        if (tabs.isEmpty())
            return;
        QList<QTextOption::Tab> positions;
        QList<QVariant> leaders; // Qt draws no leaders; kept so writing gives them back
        for (const RtfParaState::Tab &tab : tabs) {
            const auto type = tab.kind == RtfParaState::Tab::Right ? QTextOption::RightTab
                : tab.kind == RtfParaState::Tab::Center            ? QTextOption::CenterTab
                                                                   : QTextOption::LeftTab;
            positions.append(QTextOption::Tab(tab.position / kTwipsPerPixel, type));
            leaders.append(tab.dotLeader);
        }
        format.setTabPositions(positions);
        format.setProperty(RtfParaState::kTabLeadersProperty, leaders);
    }

    void finishBlock(const RtfParaState &para, const RtfCharState &chr)
    {
        QTextBlockFormat format;
        switch (para.alignment) {
        case RtfParaState::Left:
            format.setAlignment(Qt::AlignLeft);
            break;
        case RtfParaState::Center:
            format.setAlignment(Qt::AlignHCenter);
            break;
        case RtfParaState::Right:
            format.setAlignment(Qt::AlignRight);
            break;
        case RtfParaState::Justify:
            format.setAlignment(Qt::AlignJustify);
            break;
        }
        format.setLeftMargin(para.leftIndent / kTwipsPerPixel);
        format.setRightMargin(para.rightIndent / kTwipsPerPixel);
        format.setTextIndent(para.firstIndent / kTwipsPerPixel);
        format.setTopMargin(para.spaceBefore / kTwipsPerPixel);
        format.setBottomMargin(para.spaceAfter / kTwipsPerPixel);
        setTabs(format, para.tabs);
        m_cursor.setBlockFormat(format);
        m_cursor.setBlockCharFormat(charFormat(chr));
    }

    const QTextCharFormat &charFormat(const RtfCharState &chr)
    {
        if (m_haveFormat && chr == m_lastState)
            return m_lastFormat;
        QTextCharFormat format;
        const int fontNumber = chr.font >= 0 ? chr.font : m_parser->defaultFont();
        const auto font = m_parser->fonts().constFind(fontNumber);
        format.setFontFamilies(
            QStringList { font != m_parser->fonts().constEnd() ? font->name : kFallbackFace });
        format.setFontPointSize(chr.halfPoints / 2.0);
        format.setFontWeight(chr.bold ? QFont::Bold : QFont::Normal);
        format.setFontItalic(chr.italic);
        format.setFontUnderline(chr.underline);
        format.setFontStrikeOut(chr.strike);
        const QColor foreground = m_parser->color(chr.foreground);
        if (foreground.isValid())
            format.setForeground(foreground);
        const QColor background = chr.background > 0 ? m_parser->color(chr.background) : QColor();
        if (background.isValid())
            format.setBackground(background);
        if (chr.vertical != 0)
            format.setVerticalAlignment(
                chr.vertical > 0 ? QTextCharFormat::AlignSuperScript : QTextCharFormat::AlignSubScript);
        m_lastFormat = format;
        m_lastState = chr;
        m_haveFormat = true;
        return m_lastFormat;
    }

    static constexpr int kMaxTableCells = 4096;

    QTextDocument &m_document;
    QTextCursor m_cursor;
    const RtfParser *m_parser = nullptr;
    QTextTable *m_table = nullptr; // the table whose rows are being read
    bool m_rowPending = false; // \trowd seen, no content yet
    bool m_inRow = false;
    int m_row = 0;
    int m_column = 0;
    bool m_haveFormat = false;
    RtfCharState m_lastState;
    QTextCharFormat m_lastFormat;
};

class TextCollector : public RtfParser::Handler
{
public:
    void text(const QString &text, const RtfCharState &) override { m_text += text; }
    void paragraphEnd(const RtfParaState &, const RtfCharState &) override { m_text += QLatin1Char('\n'); }
    void cellEnd(const RtfParaState &, const RtfCharState &) override { m_text += QLatin1Char('\t'); }
    void rowEnd() override { m_text += QLatin1Char('\n'); }
    void picture(const RtfPicture &picture, const RtfCharState &) override
    {
        if (!picture.data.isEmpty())
            m_pictures = true;
    }
    void documentEnd(const RtfParaState &, const RtfCharState &) override { }

    QString m_text;
    bool m_pictures = false;
};

} // namespace

namespace RtfReader {

bool read(const QByteArray &rtf, QTextDocument &document, QString *error)
{
    const bool undo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    document.clear();
    bool ok = true;
    int defaultTab = 0;
    if (RtfParser::looksLikeRtf(rtf)) {
        DocumentBuilder builder(document);
        RtfParser parser(builder);
        builder.setParser(&parser);
        parser.parse(rtf);
        defaultTab = parser.defaultTabTwips();
    } else {
        document.setPlainText(QString::fromUtf8(rtf));
        ok = rtf.isEmpty();
        if (!ok && error)
            *error = QStringLiteral("The text is not in Rich Text Format");
    }
    // Every text sets the stops, so none is left from the text read before.
    QTextOption option = document.defaultTextOption();
    option.setTabStopDistance(
        defaultTab > 0 ? defaultTab / kTwipsPerPixel : RichTextRenderer::kDefaultTabStop);
    document.setDefaultTextOption(option);
    document.setUndoRedoEnabled(undo);
    return ok;
}

QString plainText(const QByteArray &rtf)
{
    QString text;
    if (RtfParser::looksLikeRtf(rtf)) {
        TextCollector collector;
        RtfParser parser(collector);
        parser.parse(rtf);
        text = collector.m_text;
        text.replace(QChar(QChar::LineSeparator), QLatin1Char('\n'));
    } else {
        text = QString::fromUtf8(rtf);
    }
    while (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text;
}

bool hasContent(const QByteArray &rtf)
{
    if (!RtfParser::looksLikeRtf(rtf))
        return !QString::fromUtf8(rtf).trimmed().isEmpty();
    TextCollector collector;
    RtfParser parser(collector);
    parser.parse(rtf);
    if (collector.m_pictures)
        return true;
    for (const QChar c : collector.m_text) {
        if (!c.isSpace())
            return true;
    }
    return false;
}

} // namespace RtfReader
