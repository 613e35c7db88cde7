#pragma once

// PDFs read back with poppler's tools (poppler-utils, from the install script).
#include <QImage>
#include <QProcess>
#include <QString>

namespace PdfProbe {

// The first page at dpi, in grey; null when pdftoppm cannot read the file.
inline QImage rasterOf(const QString &pdf, int dpi)
{
    const QString stem = pdf + QStringLiteral("-raster");
    QProcess::execute(QStringLiteral("pdftoppm"),
        { QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-gray"), QStringLiteral("-png"),
            QStringLiteral("-singlefile"), QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
            QStringLiteral("1"), pdf, stem });
    return QImage(stem + QStringLiteral(".png")).convertToFormat(QImage::Format_Grayscale8);
}

// The text pdftotext finds, in reading order.
inline QString textOf(const QString &pdf)
{
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"), { pdf, QStringLiteral("-") });
    tool.waitForFinished(20000);
    return QString::fromUtf8(tool.readAllStandardOutput());
}

} // namespace PdfProbe
