#pragma once

// PDFs read back with poppler's tools (poppler-utils, from the install script).
#include <QImage>
#include <QList>
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QString>

namespace PdfProbe {

// A page (the first by default) at dpi, in grey; null when pdftoppm cannot
// read the file.
inline QImage rasterOf(const QString &pdf, int dpi, int page = 1)
{
    const QString stem = pdf + QStringLiteral("-raster");
    QProcess::execute(QStringLiteral("pdftoppm"),
        { QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-gray"), QStringLiteral("-png"),
            QStringLiteral("-singlefile"), QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
            QString::number(page), pdf, stem });
    return QImage(stem + QStringLiteral(".png")).convertToFormat(QImage::Format_Grayscale8);
}

// The text pdftotext finds, in reading order: of one page, or of them all.
inline QString textOf(const QString &pdf, int page = 0)
{
    QStringList arguments { pdf, QStringLiteral("-") };
    if (page > 0)
        arguments = QStringList {
            QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"), QString::number(page)
        } + arguments;
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"), arguments);
    tool.waitForFinished(20000);
    return QString::fromUtf8(tool.readAllStandardOutput());
}

// A word pdftotext finds and its box on the page, in points from the top left.
struct Word
{
    QString text;
    QRectF box;
};

// The words of the first page with their boxes.
inline QList<Word> wordsOf(const QString &pdf)
{
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"),
        { QStringLiteral("-bbox"), QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
            QStringLiteral("1"), pdf, QStringLiteral("-") });
    tool.waitForFinished(20000);
    static const QRegularExpression word(
        QStringLiteral("<word xMin=\"([-\\d.]+)\" yMin=\"([-\\d.]+)\" xMax=\"([-\\d.]+)\" "
                       "yMax=\"([-\\d.]+)\">([^<]*)</word>"));
    QList<Word> words;
    const QString page = QString::fromUtf8(tool.readAllStandardOutput());
    for (auto it = word.globalMatch(page); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        words.append({ m.captured(5),
            QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                QPointF(m.captured(3).toDouble(), m.captured(4).toDouble())) });
    }
    return words;
}

} // namespace PdfProbe
