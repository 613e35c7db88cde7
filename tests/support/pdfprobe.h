#pragma once

// PDFs read back with poppler's tools (poppler-utils, from the install script).
#include <QImage>
#include <QProcess>
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

} // namespace PdfProbe
