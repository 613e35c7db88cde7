#pragma once

// Building formatted documents for the rich-text tests.
#include "richtext/richtextimages.h"

#include <QImage>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>

namespace RichTextTest {

inline QTextCharFormat charFormat(const QString &face, double points, int styles = 0, QColor color = QColor())
{
    QTextCharFormat format;
    format.setFontFamilies({ face });
    format.setFontPointSize(points);
    format.setFontWeight(styles & 1 ? QFont::Bold : QFont::Normal);
    format.setFontItalic(styles & 2);
    format.setFontUnderline(styles & 4);
    format.setFontStrikeOut(styles & 8);
    if (color.isValid())
        format.setForeground(color);
    return format;
}

inline QTextBlockFormat blockFormat(Qt::Alignment alignment)
{
    QTextBlockFormat format;
    format.setAlignment(alignment);
    return format;
}

// A small two-colour picture that survives PNG exactly.
inline QImage testPicture()
{
    QImage image(12, 8, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.fillRect(0, 0, 6, 8, QColor(200, 0, 0));
    return image;
}

// Several faces, sizes, colours, all four styles, three alignments, a picture.
inline void buildSample(QTextDocument &document)
{
    document.clear();
    QTextCursor cursor(&document);
    cursor.setBlockFormat(blockFormat(Qt::AlignLeft));
    cursor.insertText(QStringLiteral("Plain "), charFormat(QStringLiteral("Arial"), 10));
    cursor.insertText(QStringLiteral("bold"), charFormat(QStringLiteral("Arial"), 10, 1));
    cursor.insertText(QStringLiteral(" italic"), charFormat(QStringLiteral("Arial"), 10, 2, Qt::blue));
    cursor.insertBlock(blockFormat(Qt::AlignHCenter));
    cursor.insertText(QStringLiteral("Centred underlined"),
        charFormat(QStringLiteral("Times New Roman"), 14, 4, QColor(0, 128, 0)));
    cursor.insertText(
        QStringLiteral(" struck"), charFormat(QStringLiteral("Times New Roman"), 8.5, 8, Qt::red));
    cursor.insertBlock(blockFormat(Qt::AlignRight));
    cursor.insertText(QStringLiteral("Right: caf\u00e9 \u20ac \u0416 {x}\\ tab\there"),
        charFormat(QStringLiteral("Courier New"), 12, 3));
    QTextImageFormat picture;
    picture.setName(RichTextImages::add(document, testPicture()));
    picture.setWidth(24);
    picture.setHeight(16);
    cursor.insertImage(picture);
    cursor.insertText(QStringLiteral("\u2028after break"), charFormat(QStringLiteral("Arial"), 10));
}

} // namespace RichTextTest
