#pragma once

#include "platform/recentfilelist.h"

#include <QMenu>
#include <QObject>
#include <QPointer>
#include <QString>

class QAction;

// The recent-file entries at the end of the File menu: "&1 <full name>"
// after a separator (or in a submenu), newest first, stored in a section of
// the preferences file as F0…F4.
class TMRUFileList : public QObject
{
    Q_OBJECT

public:
    explicit TMRUFileList(QObject *parent = nullptr);
    ~TMRUFileList() override;

    [[nodiscard]] int Maximum() const { return m_list.maximum(); }
    void setMaximum(int maximum);
    [[nodiscard]] bool RemoveOnClick() const { return m_removeOnClick; }
    void setRemoveOnClick(bool remove) { m_removeOnClick = remove; }
    [[nodiscard]] bool UseSubmenu() const { return m_useSubmenu; }
    void setUseSubmenu(bool use);
    [[nodiscard]] const QString &SubmenuName() const { return m_submenuName; }
    void setSubmenuName(const QString &name);
    [[nodiscard]] QMenu *FileMenu() const { return m_fileMenu; }
    void setFileMenu(QMenu *menu);
    // Load after construction and store at destruction by themselves.
    [[nodiscard]] bool AutoSave() const { return m_autoSave; }
    void setAutoSave(bool autoSave) { m_autoSave = autoSave; }
    [[nodiscard]] const QString &AutoSaveName() const { return m_autoSaveName; }
    void setAutoSaveName(const QString &fileName) { m_autoSaveName = fileName; }
    [[nodiscard]] const QString &AutoSaveKey() const { return m_autoSaveKey; }
    void setAutoSaveKey(const QString &section) { m_autoSaveKey = section; }

    [[nodiscard]] const QStringList &files() const { return m_list.files(); }
    void Add(const QString &fileName);
    bool Load();
    // False with error() when the preferences file cannot be written.
    bool Save();
    [[nodiscard]] const QString &error() const { return m_error; }

    // Holds menu rebuilding while several changes are made.
    void BeginUpdate() { ++m_updateCount; }
    void EndUpdate();

signals:
    // An entry was chosen (already removed from the list when RemoveOnClick).
    void OnMRUItemClick(QAction *item, const QString &fileName);

private:
    void rebuildMenu();
    void removeMenuItems();
    void itemClicked(QAction *item);

    RecentFileList m_list;
    QPointer<QMenu> m_fileMenu;
    bool m_removeOnClick = true;
    bool m_useSubmenu = false;
    QString m_submenuName = QStringLiteral("Reopen");
    bool m_autoSave = true;
    QString m_autoSaveName = QStringLiteral("\\Software\\My Application");
    QString m_autoSaveKey = QStringLiteral("MRU Items");
    int m_updateCount = 0;
    QString m_error;
};
