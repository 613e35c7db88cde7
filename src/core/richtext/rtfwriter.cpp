#include "richtext/rtfwriter.h"

#include "base/pageresolution.h"
#include "platform/codepage1252.h"
#include "richtext/richtextimages.h"
#include "richtext/richtextrenderer.h"
#include "richtext/richtexttables.h"
#include "richtext/rtfparser.h"

#include <QBuffer>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QTextTable>

#include <cmath>

namespace {

int twips(double pixels)
{
    return int(std::lround(pixels * kTwipsPerPixel));
}

void appendText(QByteArray &out, const QString &text)
{
    static const char hex[] = "0123456789abcdef";
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == '\\' || u == '{' || u == '}') {
            out += '\\';
            out += char(u);
        } else if (u == '\t') {
            out += "\\tab ";
        } else if (u == QChar::LineSeparator || u == '\n') {
            out += "\\line ";
        } else if (u == 0x00A0) {
            out += "\\~";
        } else if (u < 0x20 || u == QChar::ObjectReplacementCharacter) {
            continue;
        } else if (u < 0x80) {
            out += char(u);
        } else {
            unsigned char byte = 0;
            if (CodePage1252::encode(c, &byte) && byte >= 0x80) {
                out += "\\'";
                out += hex[byte >> 4];
                out += hex[byte & 15];
            } else {
                out += "\\u";
                out += QByteArray::number(int(qint16(u)));
                out += '?';
            }
        }
    }
}

class Writer
{
public:
    explicit Writer(const QTextDocument &document)
        : m_document(document)
    {
    }

    QByteArray run()
    {
        QByteArray body;
        for (QTextBlock block = m_document.begin(); block.isValid(); block = block.next()) {
            const QTextTable *table = QTextCursor(block).currentTable();
            const QTextTableCell cell = table ? table->cellAt(block.position()) : QTextTableCell();
            if (!table && emptyBeforeTable(block))
                continue;
            if (cell.isValid() && cell.column() == 0 && block.position() == cell.firstPosition())
                rowDefinition(body, *table);
            body += cell.isValid() ? "\\pard\\intbl" : "\\pard";
            paragraphProperties(body, block.blockFormat());
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextFragment fragment = it.fragment();
                if (fragment.isValid())
                    writeFragment(body, fragment);
            }
            body += "\\plain";
            characterProperties(body, block.charFormat());
            body += paragraphEnd(block, table, cell);
        }
        QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\deff0";
        const int defaultTab = twips(m_document.defaultTextOption().tabStopDistance());
        if (defaultTab != twips(RichTextRenderer::kDefaultTabStop))
            out += "\\deftab" + QByteArray::number(defaultTab);
        out += "\\uc1\n{\\fonttbl";
        for (int i = 0; i < m_fonts.size(); ++i) {
            out += "{\\f" + QByteArray::number(i) + "\\fnil\\fcharset0 ";
            // A semicolon ends a name in the table and has no escape.
            appendText(out, QString(m_fonts.at(i)).remove(QLatin1Char(';')));
            out += ";}";
        }
        out += "}\n{\\colortbl;";
        for (const QRgb rgb : qAsConst(m_colors)) {
            out += "\\red" + QByteArray::number(qRed(rgb)) + "\\green" + QByteArray::number(qGreen(rgb))
                + "\\blue" + QByteArray::number(qBlue(rgb)) + ';';
        }
        out += "}\n";
        out += body;
        out += "}";
        return out;
    }

private:
    // A cell's last paragraph ends with \cell, a row's last cell with \row.
    static QByteArray paragraphEnd(
        const QTextBlock &block, const QTextTable *table, const QTextTableCell &cell)
    {
        if (!cell.isValid() || block.position() + block.length() - 1 < cell.lastPosition())
            return block.next().isValid() ? "\\par\n" : "\n";
        return cell.column() + cell.columnSpan() >= table->columns() ? "\\cell\\row\n" : "\\cell\n";
    }

    // A table always follows a block; an empty one is the reader's own, made
    // again on reading, so writing it would add a paragraph on each save.
    static bool emptyBeforeTable(const QTextBlock &block)
    {
        return block.length() == 1 && block.next().isValid() && QTextCursor(block.next()).currentTable();
    }

    static void rowDefinition(QByteArray &out, const QTextTable &table)
    {
        out += "\\trowd";
        // A table fitted to a cell keeps the widths it came with.
        const QList<QVariant> own = table.format().property(RichTextTables::kColumnWidthsProperty).toList();
        const QList<QTextLength> widths = table.format().columnWidthConstraints();
        int right = 0;
        for (int column = 0; column < table.columns(); ++column) {
            const bool fixed = column < widths.size() && widths[column].type() == QTextLength::FixedLength;
            right += column < own.size() ? twips(own[column].toReal())
                : fixed                  ? twips(widths[column].rawValue())
                                         : 1440;
            out += "\\cellx" + QByteArray::number(right);
        }
        out += '\n';
    }

    void writeFragment(QByteArray &out, const QTextFragment &fragment)
    {
        const QTextCharFormat format = fragment.charFormat();
        const QString text = fragment.text();
        if (format.isImageFormat()) {
            for (const QChar c : text) {
                if (c == QChar::ObjectReplacementCharacter)
                    writePicture(out, format.toImageFormat());
            }
            return;
        }
        out += "\\plain";
        characterProperties(out, format);
        out += ' ';
        appendText(out, text);
    }

    void writePicture(QByteArray &out, const QTextImageFormat &format)
    {
        const QImage image = RichTextImages::image(m_document, format.name());
        if (image.isNull())
            return;
        double width = format.width();
        double height = format.height();
        if (width <= 0 && height <= 0) {
            width = image.width();
            height = image.height();
        } else if (width <= 0) {
            width = height * image.width() / image.height();
        } else if (height <= 0) {
            height = width * image.height() / image.width();
        }
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        out += "{\\pict\\pngblip\\picw" + QByteArray::number(image.width()) + "\\pich"
            + QByteArray::number(image.height()) + "\\picwgoal" + QByteArray::number(twips(width))
            + "\\pichgoal" + QByteArray::number(twips(height)) + '\n';
        const QByteArray hex = png.toHex();
        for (qsizetype i = 0; i < hex.size(); i += 128) {
            out += hex.mid(i, 128);
            out += '\n';
        }
        out += '}';
    }

    QString family(const QTextCharFormat &format) const
    {
        const QStringList families = format.fontFamilies().toStringList();
        if (!families.isEmpty() && !families.first().isEmpty())
            return families.first();
        const QString single = format.stringProperty(QTextFormat::FontFamily);
        return single.isEmpty() ? m_document.defaultFont().family() : single;
    }

    double pointSize(const QTextCharFormat &format) const
    {
        if (format.hasProperty(QTextFormat::FontPointSize) && format.fontPointSize() > 0)
            return format.fontPointSize();
        if (format.hasProperty(QTextFormat::FontPixelSize)
            && format.intProperty(QTextFormat::FontPixelSize) > 0)
            return format.intProperty(QTextFormat::FontPixelSize) * (72.0 / kScreenPpi);
        const QFont font = m_document.defaultFont();
        return font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * (72.0 / kScreenPpi);
    }

    void characterProperties(QByteArray &out, const QTextCharFormat &format)
    {
        out += "\\f" + QByteArray::number(fontIndex(family(format)));
        out += "\\fs" + QByteArray::number(std::max(1L, std::lround(pointSize(format) * 2)));
        if (format.fontWeight() > QFont::Medium)
            out += "\\b";
        if (format.fontItalic())
            out += "\\i";
        if (format.fontUnderline())
            out += "\\ul";
        if (format.fontStrikeOut())
            out += "\\strike";
        if (format.foreground().style() != Qt::NoBrush)
            out += "\\cf" + QByteArray::number(colorIndex(format.foreground().color()));
        if (format.background().style() != Qt::NoBrush)
            out += "\\highlight" + QByteArray::number(colorIndex(format.background().color()));
        if (format.verticalAlignment() == QTextCharFormat::AlignSuperScript)
            out += "\\super";
        else if (format.verticalAlignment() == QTextCharFormat::AlignSubScript)
            out += "\\sub";
    }

    static void paragraphProperties(QByteArray &out, const QTextBlockFormat &format)
    {
        const Qt::Alignment alignment = format.alignment() & Qt::AlignHorizontal_Mask;
        if (alignment & Qt::AlignHCenter)
            out += "\\qc";
        else if (alignment & Qt::AlignRight)
            out += "\\qr";
        else if (alignment & Qt::AlignJustify)
            out += "\\qj";
        const auto length = [&out](const char *word, double pixels) {
            const int value = twips(pixels);
            if (value != 0)
                out += QByteArray(word) + QByteArray::number(value);
        };
        length("\\li", format.leftMargin());
        length("\\ri", format.rightMargin());
        length("\\fi", format.textIndent());
        length("\\sb", format.topMargin());
        length("\\sa", format.bottomMargin());
        tabStops(out, format);
    }

    static void tabStops(QByteArray &out, const QTextBlockFormat &format)
    {
        const QList<QTextOption::Tab> tabs = format.tabPositions();
        const QList<QVariant> leaders = format.property(RtfParaState::kTabLeadersProperty).toList();
        for (int i = 0; i < tabs.size(); ++i) {
            if (i < leaders.size() && leaders[i].toBool())
                out += "\\tldot";
            if (tabs[i].type == QTextOption::RightTab)
                out += "\\tqr";
            else if (tabs[i].type == QTextOption::CenterTab)
                out += "\\tqc";
            out += "\\tx" + QByteArray::number(twips(tabs[i].position));
        }
    }

    int fontIndex(const QString &name)
    {
        int index = int(m_fonts.indexOf(name));
        if (index < 0) {
            index = int(m_fonts.size());
            m_fonts.append(name);
        }
        return index;
    }

    // Entry 0 of the table is the automatic colour, so indexes start at 1.
    int colorIndex(const QColor &color)
    {
        const QRgb rgb = color.rgb() | 0xff000000u;
        int index = int(m_colors.indexOf(rgb));
        if (index < 0) {
            index = int(m_colors.size());
            m_colors.append(rgb);
        }
        return index + 1;
    }

    const QTextDocument &m_document;
    QStringList m_fonts;
    QList<QRgb> m_colors;
};

} // namespace

namespace RtfWriter {

QByteArray write(const QTextDocument &document)
{
    return Writer(document).run();
}

} // namespace RtfWriter
