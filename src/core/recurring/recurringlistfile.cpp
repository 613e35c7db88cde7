#include "recurring/recurringlistfile.h"

#include "platform/codepage1252.h"
#include "platform/datafolder.h"
#include "platform/safefilereader.h"
#include "platform/safefilewriter.h"
#include "recurring/recurringformula.h"

#include <QDir>
#include <QFile>

namespace RecurringListFile {

namespace {

const QString kListName = QStringLiteral("DWRECUR.DAX");
const QString kStartingListName = QStringLiteral("DWRECUR.DAT");
// An entry is at most 132 bytes with its line end, so 16 MB holds over
// 120,000 of them, far more than any list of dates; anything larger is not
// a list and would only exhaust memory.
constexpr qint64 kMaximumSize = 16 * 1024 * 1024;

QString pathIn(const QString &folder, const QString &name)
{
    const QString found = DataFolder::findCaseInsensitive(folder, name);
    return found.isEmpty() ? QDir(folder).filePath(name) : found;
}

} // namespace

QString listPath(const QString &folder)
{
    return pathIn(folder, kListName);
}

QString startingListPath(const QString &folder)
{
    return pathIn(folder, kStartingListName);
}

QStringList splitLines(const QByteArray &bytes)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype size = bytes.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char c = bytes.at(i);
        if (c != '\r' && c != '\n')
            continue;
        lines << CodePage1252::toUnicode(bytes.mid(start, i - start));
        if (c == '\r' && i + 1 < size && bytes.at(i + 1) == '\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        lines << CodePage1252::toUnicode(bytes.mid(start));
    return lines;
}

QByteArray joinLines(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += CodePage1252::fromUnicode(line) + "\r\n";
    return bytes;
}

bool read(const QString &path, QStringList *entries, QString *error)
{
    QByteArray bytes;
    QString reason;
    if (!SafeFileReader::read(path, kMaximumSize, &bytes, &reason)) {
        *error = QStringLiteral("Unable to read %1: %2").arg(QDir::toNativeSeparators(path), reason);
        return false;
    }
    *entries = splitLines(bytes);
    return true;
}

bool write(const QString &path, const QStringList &entries, QString *error)
{
    QString reason;
    if (!SafeFileWriter::write(path, joinLines(entries), &reason)) {
        *error = QStringLiteral("Unable to write %1: %2").arg(QDir::toNativeSeparators(path), reason);
        return false;
    }
    return true;
}

QString convertStartingLine(const QString &line)
{
    using namespace RecurringFormula;
    return PadRight(line.mid(4, 150), kEventWidth) + kDayOfMonth + PadRight(line.left(4), kFormulaWidth);
}

bool convertStartingList(const QString &folder, QString *error)
{
    const QString startingList = DataFolder::findCaseInsensitive(folder, kStartingListName);
    if (startingList.isEmpty())
        return true;
    QStringList lines;
    if (!read(startingList, &lines, error))
        return false;
    for (QString &line : lines)
        line = convertStartingLine(line);
    if (!write(listPath(folder), lines, error))
        return false;
    QFile file(startingList);
    if (!file.remove()) {
        *error = QStringLiteral("Unable to delete %1: %2")
                     .arg(QDir::toNativeSeparators(startingList), file.errorString());
        return false;
    }
    return true;
}

} // namespace RecurringListFile
