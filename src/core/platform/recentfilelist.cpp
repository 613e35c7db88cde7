#include "platform/recentfilelist.h"

#include "platform/inifile.h"

void RecentFileList::setMaximum(int maximum)
{
    m_maximum = qBound(0, maximum, 255);
    while (m_files.size() > m_maximum)
        m_files.removeLast();
}

void RecentFileList::add(const QString &fileName)
{
    for (int i = 0; i < m_files.size(); ++i) {
        if (m_files[i].compare(fileName, Qt::CaseInsensitive) == 0) {
            m_files.removeAt(i);
            break;
        }
    }
    m_files.prepend(fileName);
    while (m_files.size() > m_maximum)
        m_files.removeLast();
}

void RecentFileList::removeAt(int index)
{
    if (index >= 0 && index < m_files.size())
        m_files.removeAt(index);
}

bool RecentFileList::load(const IniFile &ini, const QString &section)
{
    m_files.clear();
    if (section.isEmpty() || ini.fileName().isEmpty())
        return false;
    bool allNamed = true;
    for (const QString &line : ini.sectionLines(section)) {
        const QString name = line.mid(line.indexOf(QLatin1Char('=')) + 1).trimmed();
        if (name.isEmpty()) {
            allNamed = false;
            continue;
        }
        if (m_files.size() < m_maximum)
            m_files << name;
    }
    return allNamed;
}

bool RecentFileList::save(IniFile &ini, const QString &section) const
{
    if (section.isEmpty() || ini.fileName().isEmpty())
        return false;
    IniFile::Batch batch(ini);
    if (!ini.eraseSection(section))
        return false;
    for (int i = 0; i < m_files.size(); ++i) {
        if (!ini.writeString(section, QStringLiteral("F%1").arg(i), m_files[i]))
            return false;
    }
    return batch.commit();
}
