#pragma once

#include <QString>
#include <QStringList>

class IniFile;

// The recent-file list: full file names, newest first, at most maximum()
// of them, stored as "F0" (newest) to "F<n-1>" in one section of the
// preferences file. The menu that shows it is the window's business.
class RecentFileList
{
public:
    [[nodiscard]] const QStringList &files() const { return m_files; }
    [[nodiscard]] bool isEmpty() const { return m_files.isEmpty(); }
    [[nodiscard]] int maximum() const { return m_maximum; }
    // A lower maximum drops entries from the end.
    void setMaximum(int maximum);

    // Moves a name already listed (letter case ignored) to the front, or
    // inserts it there and drops the oldest beyond the maximum.
    void add(const QString &fileName);
    void removeAt(int index);
    void clear() { m_files.clear(); }

    // Reads every key=value line of the section in file order, keeping the
    // text after the first "="; false when a name is empty.
    bool load(const IniFile &ini, const QString &section);
    // Erases the section, then writes "F0", "F1", … newest first.
    bool save(IniFile &ini, const QString &section) const;

private:
    QStringList m_files;
    int m_maximum = 5;
};
