#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// A Windows-style INI file read and written key by key, keeping the file's
// own form: section and key names compare without regard to letter case,
// unknown lines and comments stay where they are, a new key goes to the end
// of its section and a new section to the end of the file. (QSettings would
// rewrite the file and percent-encode names such as "Default Font".)
//
// Every write goes to disk at once through SafeFileWriter, so a failed
// write leaves the old file whole; it returns false and error() says
// "Unable to write to <file>: <reason>". A write that changes nothing
// leaves the file alone, and writes made while a Batch lives reach the disk
// once, when it commits (each save syncs the disk, which is slow). A file
// that exists but cannot be read (not a regular file, too large) reads as
// empty and is never written.
class IniFile
{
public:
    explicit IniFile(QString fileName);

    [[nodiscard]] const QString &fileName() const { return m_fileName; }

    // Values are trimmed and cut to 1023 characters; a missing file, section
    // or key gives the default.
    [[nodiscard]] QString readString(
        const QString &section, const QString &key, const QString &defaultValue) const;
    // Decimal, or hexadecimal after "0x"/"0X"; anything unreadable gives the default.
    [[nodiscard]] int readInteger(const QString &section, const QString &key, int defaultValue) const;
    // Any integer other than 0 is true.
    [[nodiscard]] bool readBool(const QString &section, const QString &key, bool defaultValue) const;
    // The key=value lines of a section in file order, as written.
    [[nodiscard]] QStringList sectionLines(const QString &section) const;
    [[nodiscard]] bool hasSection(const QString &section) const;

    bool writeString(const QString &section, const QString &key, const QString &value);
    bool writeInteger(const QString &section, const QString &key, int value);
    bool writeBool(const QString &section, const QString &key, bool value);
    bool eraseSection(const QString &section);

    [[nodiscard]] const QString &error() const { return m_error; }

    // Holds the file's writes in memory until commit(); one that is never
    // committed drops them.
    //
    //   IniFile::Batch batch(ini);
    //   ini.writeInteger(...); ini.writeBool(...);
    //   return batch.commit();
    class Batch
    {
    public:
        explicit Batch(IniFile &file);
        ~Batch();
        Batch(const Batch &) = delete;
        Batch &operator=(const Batch &) = delete;
        bool commit();

    private:
        IniFile &m_file;
    };

private:
    QStringList readLines() const;
    bool readLines(QStringList *lines, QString *reason) const;
    bool linesToChange(QStringList *lines);
    bool writeLines(const QStringList &lines);
    bool replaceLines(const QStringList &before, const QStringList &after);
    static int findSection(const QStringList &lines, const QString &section);
    static int sectionEnd(const QStringList &lines, int header);
    static bool keyOfLine(const QString &line, QString *key, QString *value);

    QString m_fileName;
    QString m_error;
    bool m_batching = false;
    std::optional<QStringList> m_batchLines; // what the batch has written so far
    QStringList m_batchOriginal; // the file as the batch found it
};
