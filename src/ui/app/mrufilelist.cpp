#include "app/mrufilelist.h"

#include "platform/inifile.h"

#include <QAction>
#include <QMenu>

namespace {

// Marks every action the list creates, so it finds and removes only its own.
const char *const kPositionProperty = "mruPosition";

} // namespace

TMRUFileList::TMRUFileList(QObject *parent)
    : QObject(parent)
{
}

TMRUFileList::~TMRUFileList()
{
    if (m_autoSave)
        Save();
    removeMenuItems();
}

void TMRUFileList::setMaximum(int maximum)
{
    m_list.setMaximum(maximum);
    rebuildMenu();
}

void TMRUFileList::setUseSubmenu(bool use)
{
    if (use == m_useSubmenu)
        return;
    m_useSubmenu = use;
    rebuildMenu();
}

void TMRUFileList::setSubmenuName(const QString &name)
{
    m_submenuName = name;
    if (m_useSubmenu)
        rebuildMenu();
}

void TMRUFileList::setFileMenu(QMenu *menu)
{
    removeMenuItems();
    m_fileMenu = menu;
    rebuildMenu();
}

void TMRUFileList::Add(const QString &fileName)
{
    m_list.add(fileName);
    rebuildMenu();
}

bool TMRUFileList::Load()
{
    if (m_autoSaveName.isEmpty() || m_autoSaveKey.isEmpty())
        return false;
    const bool ok = m_list.load(IniFile(m_autoSaveName), m_autoSaveKey);
    rebuildMenu();
    return ok;
}

bool TMRUFileList::Save()
{
    m_error.clear();
    if (m_autoSaveName.isEmpty() || m_autoSaveKey.isEmpty())
        return false;
    IniFile ini(m_autoSaveName);
    if (m_list.save(ini, m_autoSaveKey))
        return true;
    m_error = ini.error();
    return false;
}

void TMRUFileList::EndUpdate()
{
    if (m_updateCount > 0 && --m_updateCount == 0)
        rebuildMenu();
}

void TMRUFileList::removeMenuItems()
{
    if (!m_fileMenu)
        return;
    const auto actions = m_fileMenu->actions();
    for (QAction *action : actions) {
        if (action->property(kPositionProperty).isValid()) {
            // Later, as the action may be the one whose click is running.
            m_fileMenu->removeAction(action);
            if (action->menu())
                action->menu()->deleteLater();
            action->deleteLater();
        }
    }
}

void TMRUFileList::rebuildMenu()
{
    if (m_updateCount > 0 || !m_fileMenu)
        return;
    removeMenuItems();
    if (m_list.isEmpty())
        return;
    QAction *separator = m_fileMenu->addSeparator();
    separator->setProperty(kPositionProperty, 0);
    QMenu *target = m_fileMenu;
    if (m_useSubmenu) {
        target = new QMenu(m_submenuName, m_fileMenu);
        QAction *submenu = m_fileMenu->addMenu(target);
        submenu->setProperty(kPositionProperty, 0);
    }
    const QStringList &names = m_list.files();
    for (int i = 0; i < names.size(); ++i) {
        // "&&" keeps an ampersand in a file name from becoming an access key.
        QString shown = names[i];
        shown.replace(QLatin1Char('&'), QLatin1String("&&"));
        QAction *item = target->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(shown));
        item->setProperty(kPositionProperty, i + 1);
        item->setData(names[i]);
        connect(item, &QAction::triggered, this, [this, item] { itemClicked(item); });
    }
}

void TMRUFileList::itemClicked(QAction *item)
{
    const QString fileName = item->data().toString();
    if (m_removeOnClick) {
        m_list.removeAt(item->property(kPositionProperty).toInt() - 1);
        rebuildMenu();
    }
    emit OnMRUItemClick(item, fileName);
}
