#include "richtext/richtextscaler.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>

namespace {

void scaleCharFormat(QTextCharFormat &format, double factor)
{
    if (format.hasProperty(QTextFormat::FontPointSize))
        format.setFontPointSize(format.fontPointSize() * factor);
    if (format.isImageFormat()) {
        QTextImageFormat image = format.toImageFormat();
        if (image.width() > 0)
            image.setWidth(image.width() * factor);
        if (image.height() > 0)
            image.setHeight(image.height() * factor);
        format = image;
    }
}

} // namespace

namespace RichTextScaler {

void scale(QTextDocument &document, double factor)
{
    if (factor <= 0 || qFuzzyCompare(factor, 1.0))
        return;
    // Formats are collected first: changing them merges fragments under a
    // running iterator.
    struct Run
    {
        int position;
        int length;
        QTextCharFormat format;
    };
    QVector<Run> runs;
    QVector<QTextBlock> blocks;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        blocks.append(block);
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.isValid())
                runs.append({ fragment.position(), fragment.length(), fragment.charFormat() });
        }
    }
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    for (const QTextBlock &block : qAsConst(blocks)) {
        QTextBlockFormat blockFormat = block.blockFormat();
        blockFormat.setLeftMargin(blockFormat.leftMargin() * factor);
        blockFormat.setRightMargin(blockFormat.rightMargin() * factor);
        blockFormat.setTextIndent(blockFormat.textIndent() * factor);
        blockFormat.setTopMargin(blockFormat.topMargin() * factor);
        blockFormat.setBottomMargin(blockFormat.bottomMargin() * factor);
        QTextCharFormat blockChar = block.charFormat();
        scaleCharFormat(blockChar, factor);
        cursor.setPosition(block.position());
        cursor.setBlockFormat(blockFormat);
        cursor.setBlockCharFormat(blockChar);
    }
    for (Run &run : runs) {
        scaleCharFormat(run.format, factor);
        cursor.setPosition(run.position);
        cursor.setPosition(run.position + run.length, QTextCursor::KeepAnchor);
        cursor.setCharFormat(run.format);
    }
    cursor.endEditBlock();
}

} // namespace RichTextScaler
