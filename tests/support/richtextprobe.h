#pragma once

// For tests: what a rich text holds, read back through the program's reader.
#include "richtext/rtfreader.h"

#include <QList>
#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextImageFormat>

// The plain text of each paragraph of an RTF text.
inline QStringList paragraphs(const QByteArray &rtf)
{
    QTextDocument document;
    RtfReader::read(rtf, document);
    QStringList texts;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        texts << block.text();
    return texts;
}

// The pictures in a document, in reading order.
inline QList<QTextImageFormat> images(const QTextDocument &document)
{
    QList<QTextImageFormat> found;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().isImageFormat())
                found.append(it.fragment().charFormat().toImageFormat());
        }
    }
    return found;
}
