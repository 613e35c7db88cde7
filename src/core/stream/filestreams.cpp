#include "stream/filestreams.h"

#include "stream/streamerror.h"
#include "stream/writer.h"

#include "platform/safefilereader.h"
#include "platform/safefilewriter.h"

#include <QBuffer>
#include <QDir>

namespace FileStreams {

std::unique_ptr<QIODevice> openForReading(const QString &fileName, qint64 maxSize)
{
    auto buffer = std::make_unique<QBuffer>();
    QByteArray bytes;
    QString reason;
    if (!SafeFileReader::read(fileName, maxSize, &bytes, &reason))
        throw StreamError(StreamMessages::cannotOpenFile(QDir::toNativeSeparators(fileName))
            + QStringLiteral(": ") + reason);
    buffer->setData(bytes);
    buffer->open(QIODevice::ReadOnly);
    return buffer;
}

bool save(const QString &fileName, const std::function<void(TWriter &)> &body, QString *error)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    try {
        TWriter writer(buffer);
        body(writer);
        writer.flush();
    } catch (const StreamError &failure) {
        if (error)
            *error = failure.message();
        return false;
    }
    QString reason;
    if (SafeFileWriter::write(fileName, buffer.data(), &reason))
        return true;
    if (error)
        *error = StreamMessages::cannotCreateFile(QDir::toNativeSeparators(fileName)) + QStringLiteral(": ")
            + reason;
    return false;
}

} // namespace FileStreams
