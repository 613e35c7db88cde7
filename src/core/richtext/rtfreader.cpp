#include "richtext/rtfreader.h"

#include "richtext/richtextimages.h"
#include "richtext/rtfparser.h"
#include "richtext/rtfpicturedecoder.h"

#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>

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
        m_cursor.insertText(text, charFormat(chr));
    }

    void paragraphEnd(const RtfParaState &para, const RtfCharState &chr) override
    {
        finishBlock(para, chr);
        m_cursor.insertBlock();
    }

    void picture(const RtfPicture &picture, const RtfCharState &chr) override
    {
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
            positions.append(QTextOption::Tab(tab.position / 15.0, type));
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
        format.setLeftMargin(para.leftIndent / 15.0);
        format.setRightMargin(para.rightIndent / 15.0);
        format.setTextIndent(para.firstIndent / 15.0);
        format.setTopMargin(para.spaceBefore / 15.0);
        format.setBottomMargin(para.spaceAfter / 15.0);
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

    QTextDocument &m_document;
    QTextCursor m_cursor;
    const RtfParser *m_parser = nullptr;
    bool m_haveFormat = false;
    RtfCharState m_lastState;
    QTextCharFormat m_lastFormat;
};

class TextCollector : public RtfParser::Handler
{
public:
    void text(const QString &text, const RtfCharState &) override { m_text += text; }
    void paragraphEnd(const RtfParaState &, const RtfCharState &) override { m_text += QLatin1Char('\n'); }
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
    if (RtfParser::looksLikeRtf(rtf)) {
        DocumentBuilder builder(document);
        RtfParser parser(builder);
        builder.setParser(&parser);
        parser.parse(rtf);
    } else {
        document.setPlainText(QString::fromUtf8(rtf));
        ok = rtf.isEmpty();
        if (!ok && error)
            *error = QStringLiteral("The text is not in Rich Text Format");
    }
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
