#include "platform/inifile.h"

#include "platform/codepage1252.h"
#include "platform/safefilereader.h"
#include "platform/safefilewriter.h"

#include <QFileInfo>

namespace {

constexpr int kMaxValueLength = 1023;
// Preferences, window places and a few recent files: a few kilobytes.
constexpr qint64 kMaxFileSize = 1024 * 1024;

bool isSectionHeader(const QString &trimmed)
{
    return trimmed.startsWith(QLatin1Char('[')) && trimmed.contains(QLatin1Char(']'));
}

QString sectionName(const QString &trimmed)
{
    return trimmed.mid(1, trimmed.indexOf(QLatin1Char(']')) - 1).trimmed();
}

// Older files are in the Windows code page; files this program writes are
// UTF-8, which reads the same for plain ASCII.
QString decode(const QByteArray &bytes)
{
    const QString utf8 = QString::fromUtf8(bytes);
    if (!utf8.contains(QChar::ReplacementCharacter))
        return utf8;
    return CodePage1252::toUnicode(bytes);
}

} // namespace

IniFile::IniFile(QString fileName)
    : m_fileName(std::move(fileName))
{
}

QStringList IniFile::readLines() const
{
    QStringList lines;
    readLines(&lines, nullptr);
    return lines;
}

bool IniFile::readLines(QStringList *lines, QString *reason) const
{
    lines->clear();
    if (!QFileInfo::exists(m_fileName))
        return true;
    QByteArray bytes;
    if (!SafeFileReader::read(m_fileName, kMaxFileSize, &bytes, reason))
        return false;
    QString text = decode(bytes);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    *lines = text.split(QLatin1Char('\n'));
    if (!lines->isEmpty() && lines->last().isEmpty())
        lines->removeLast();
    return true;
}

bool IniFile::linesToChange(QStringList *lines)
{
    m_error.clear();
    if (m_batchLines) {
        *lines = *m_batchLines;
        return true;
    }
    QString reason;
    if (readLines(lines, &reason))
        return true;
    // Writing what could be read would drop the rest of the file.
    m_error = QStringLiteral("Unable to write to %1: %2").arg(m_fileName, reason);
    return false;
}

bool IniFile::replaceLines(const QStringList &before, const QStringList &after)
{
    if (after == before)
        return true;
    if (m_batching) {
        if (!m_batchLines)
            m_batchOriginal = before;
        m_batchLines = after;
        return true;
    }
    return writeLines(after);
}

IniFile::Batch::Batch(IniFile &file)
    : m_file(file)
{
    m_file.m_batching = true;
    m_file.m_batchLines.reset();
}

IniFile::Batch::~Batch()
{
    m_file.m_batching = false;
    m_file.m_batchLines.reset();
}

bool IniFile::Batch::commit()
{
    m_file.m_batching = false;
    const std::optional<QStringList> lines = std::move(m_file.m_batchLines);
    m_file.m_batchLines.reset();
    // Erasing a section and writing it again often ends where it started.
    return !lines || *lines == m_file.m_batchOriginal || m_file.writeLines(*lines);
}

bool IniFile::writeLines(const QStringList &lines)
{
    m_error.clear();
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += line.toUtf8() + "\r\n";
    QString reason;
    if (SafeFileWriter::write(m_fileName, bytes, &reason))
        return true;
    m_error = QStringLiteral("Unable to write to %1: %2").arg(m_fileName, reason);
    return false;
}

int IniFile::findSection(const QStringList &lines, const QString &section)
{
    for (int i = 0; i < lines.size(); ++i) {
        const QString trimmed = lines[i].trimmed();
        if (isSectionHeader(trimmed) && sectionName(trimmed).compare(section, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

int IniFile::sectionEnd(const QStringList &lines, int header)
{
    int end = header + 1;
    while (end < lines.size() && !isSectionHeader(lines[end].trimmed()))
        ++end;
    return end;
}

bool IniFile::keyOfLine(const QString &line, QString *key, QString *value)
{
    const QString trimmed = line.trimmed();
    if (trimmed.startsWith(QLatin1Char(';')))
        return false;
    const int equals = trimmed.indexOf(QLatin1Char('='));
    if (equals <= 0)
        return false;
    *key = trimmed.left(equals).trimmed();
    *value = trimmed.mid(equals + 1).trimmed();
    return true;
}

QString IniFile::readString(const QString &section, const QString &key, const QString &defaultValue) const
{
    const QStringList lines = readLines();
    const int header = findSection(lines, section);
    if (header < 0)
        return defaultValue;
    const int end = sectionEnd(lines, header);
    QString lineKey;
    QString value;
    for (int i = header + 1; i < end; ++i) {
        if (keyOfLine(lines[i], &lineKey, &value) && lineKey.compare(key, Qt::CaseInsensitive) == 0) {
            // Values in quotes keep their blanks, as the Windows reader does.
            if (value.size() >= 2
                && ((value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"')))
                    || (value.startsWith(QLatin1Char('\'')) && value.endsWith(QLatin1Char('\'')))))
                value = value.mid(1, value.size() - 2);
            return value.left(kMaxValueLength);
        }
    }
    return defaultValue;
}

int IniFile::readInteger(const QString &section, const QString &key, int defaultValue) const
{
    const QString text = readString(section, key, QString());
    if (text.isEmpty())
        return defaultValue;
    bool ok = false;
    int value = 0;
    if (text.size() > 2 && (text.startsWith(QLatin1String("0x")) || text.startsWith(QLatin1String("0X"))))
        value = static_cast<int>(text.mid(2).toUInt(&ok, 16));
    else
        value = text.toInt(&ok, 10);
    return ok ? value : defaultValue;
}

bool IniFile::readBool(const QString &section, const QString &key, bool defaultValue) const
{
    return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

QStringList IniFile::sectionLines(const QString &section) const
{
    const QStringList lines = readLines();
    const int header = findSection(lines, section);
    if (header < 0)
        return {};
    QStringList result;
    const int end = sectionEnd(lines, header);
    for (int i = header + 1; i < end; ++i) {
        const QString trimmed = lines[i].trimmed();
        if (trimmed.contains(QLatin1Char('=')) && !trimmed.startsWith(QLatin1Char(';')))
            result << trimmed;
    }
    return result;
}

bool IniFile::hasSection(const QString &section) const
{
    return findSection(readLines(), section) >= 0;
}

bool IniFile::writeString(const QString &section, const QString &key, const QString &value)
{
    QStringList before;
    if (!linesToChange(&before))
        return false;
    QStringList lines = before;
    const QString newLine = key + QLatin1Char('=') + value;
    int header = findSection(lines, section);
    if (header < 0) {
        lines << QLatin1Char('[') + section + QLatin1Char(']') << newLine;
        return replaceLines(before, lines);
    }
    int end = sectionEnd(lines, header);
    QString lineKey;
    QString oldValue;
    for (int i = header + 1; i < end; ++i) {
        if (keyOfLine(lines[i], &lineKey, &oldValue) && lineKey.compare(key, Qt::CaseInsensitive) == 0) {
            lines[i] = lineKey + QLatin1Char('=') + value;
            return replaceLines(before, lines);
        }
    }
    // After the section's last non-blank line, so a blank separator stays.
    while (end > header + 1 && lines[end - 1].trimmed().isEmpty())
        --end;
    lines.insert(end, newLine);
    return replaceLines(before, lines);
}

bool IniFile::writeInteger(const QString &section, const QString &key, int value)
{
    return writeString(section, key, QString::number(value));
}

bool IniFile::writeBool(const QString &section, const QString &key, bool value)
{
    return writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

bool IniFile::eraseSection(const QString &section)
{
    QStringList before;
    if (!linesToChange(&before))
        return false;
    QStringList lines = before;
    const int header = findSection(lines, section);
    if (header < 0)
        return true;
    lines.erase(lines.begin() + header, lines.begin() + sectionEnd(lines, header));
    return replaceLines(before, lines);
}
