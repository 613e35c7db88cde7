#include "pictures/imagesaver.h"

#include "platform/safefilewriter.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>

namespace ImageSaver {

bool save(const QImage &image, const QString &fileName, const char *format, QString *error, int quality)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(quality);
    if (image.isNull() || !writer.write(image)) {
        if (error)
            *error = QStringLiteral("Unable to write %1: the picture could not be encoded").arg(fileName);
        return false;
    }
    return writeFile(fileName, buffer.data(), error);
}

bool writeFile(const QString &fileName, const QByteArray &bytes, QString *error)
{
    QString reason;
    if (SafeFileWriter::write(fileName, bytes, &reason))
        return true;
    if (error)
        *error = QStringLiteral("Unable to write %1: %2").arg(fileName, reason);
    return false;
}

} // namespace ImageSaver
