#include "recurring/celltextappender.h"

#include "base/calendarfont.h"
#include "richtext/rtfreader.h"
#include "richtext/rtfwriter.h"
#include "richtext/wprtfstorage.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace CellTextAppender {

namespace {

QTextCharFormat formatOf(const CalendarFont &font)
{
    QTextCharFormat format;
    format.setFontFamilies(QStringList { font.name });
    format.setFontPointSize(font.size);
    format.setFontWeight(font.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(font.italic);
    format.setFontUnderline(font.underline);
    format.setFontStrikeOut(font.strikeout);
    format.setForeground(toQColor(font.color));
    return format;
}

} // namespace

void appendParagraph(TWPRtfStorage &storage, const QString &text, const CalendarFont &defaultFont)
{
    appendParagraphs(storage, QStringList { text }, defaultFont);
}

void appendParagraphs(TWPRtfStorage &storage, const QStringList &texts, const CalendarFont &defaultFont)
{
    if (texts.isEmpty())
        return;
    QTextDocument document;
    if (!storage.rtf().isEmpty())
        RtfReader::read(storage.rtf(), document);
    // The format at the start of the text, as an editor shows it right after loading.
    QTextCursor cursor(&document);
    QTextCharFormat format = cursor.charFormat();
    cursor.movePosition(QTextCursor::End);
    for (const QString &text : texts) {
        if (document.isEmpty()) {
            format = formatOf(defaultFont);
            cursor.setBlockCharFormat(format);
        } else if (!cursor.block().text().isEmpty()) {
            cursor.insertBlock();
        }
        cursor.insertText(text, format);
        cursor.insertBlock();
    }
    storage.setRtf(RtfWriter::write(document));
}

} // namespace CellTextAppender
