#include "stream/filestreams.h"

#include "stream/streamerror.h"
#include "stream/writer.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace FileStreams {

std::unique_ptr<QFile> openForReading(const QString &fileName)
{
    auto file = std::make_unique<QFile>(fileName);
    // A folder opens as an empty file on some systems; refuse it here.
    if (QFileInfo(fileName).isDir() || !file->open(QIODevice::ReadOnly))
        throw EStreamError(StreamMessages::cannotOpenFile(QDir::toNativeSeparators(fileName)));
    return file;
}

bool save(const QString &fileName, const std::function<void(TWriter &)> &body, QString *error)
{
    const QString shown = QDir::toNativeSeparators(fileName);
    QSaveFile file(fileName);
    if (QFileInfo(fileName).isDir() || !file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = StreamMessages::cannotCreateFile(shown);
        return false;
    }
    try {
        TWriter writer(file);
        body(writer);
        writer.flush();
    } catch (const EStreamError &failure) {
        file.cancelWriting();
        if (error)
            *error = failure.message();
        return false;
    }
    if (!file.commit()) {
        if (error)
            *error = file.error() == QFileDevice::WriteError ? StreamMessages::writeError()
                                                             : StreamMessages::cannotCreateFile(shown);
        return false;
    }
    return true;
}

} // namespace FileStreams
