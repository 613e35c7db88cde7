#include "stream/component.h"

#include "stream/recordtable.h"

#include <algorithm>

namespace {

// Takes item off the list. Components are mostly freed last first, so the
// search starts at the end: freeing many objects stays linear.
void eraseOne(std::vector<TComponent *> &list, const TComponent *item)
{
    const auto found = std::find(list.rbegin(), list.rend(), item);
    if (found != list.rend())
        list.erase(std::next(found).base());
}

QString nameKey(const QString &name)
{
    return name.toCaseFolded();
}

} // namespace

TComponent::TComponent(TComponent *owner)
    : m_owner(owner)
{
    if (m_owner)
        m_owner->m_components.push_back(this);
}

TComponent::~TComponent()
{
    destroyComponents();
    for (TComponent *child : m_children)
        child->m_parent = nullptr;
    m_children.clear();
    setParent(nullptr);
    if (m_owner) {
        if (!m_name.isEmpty())
            m_owner->m_componentNames.remove(nameKey(m_name), this);
        eraseOne(m_owner->m_components, this);
    }
}

QString TComponent::className() const
{
    return QStringLiteral("TComponent");
}

void TComponent::setName(const QString &name)
{
    if (m_owner && name != m_name) {
        if (!m_name.isEmpty())
            m_owner->m_componentNames.remove(nameKey(m_name), this);
        if (!name.isEmpty())
            m_owner->m_componentNames.insert(nameKey(name), this);
    }
    m_name = name;
}

TComponent *TComponent::findComponent(const QString &name) const
{
    if (name.isEmpty())
        return nullptr;
    return m_componentNames.value(nameKey(name), nullptr);
}

void TComponent::destroyComponents()
{
    while (!m_components.empty())
        delete m_components.back(); // its destructor takes it off the list
}

void TComponent::setParent(TComponent *parent)
{
    if (parent == m_parent)
        return;
    if (m_parent)
        eraseOne(m_parent->m_children, this);
    m_parent = parent;
    if (m_parent)
        m_parent->m_children.push_back(this);
}

int TComponent::childIndex() const
{
    if (!m_parent)
        return -1;
    const auto &list = m_parent->m_children;
    return int(std::find(list.begin(), list.end(), this) - list.begin());
}

void TComponent::bringToFront()
{
    if (!m_parent)
        return;
    auto &list = m_parent->m_children;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    list.push_back(this);
}

void TComponent::sendToBack()
{
    if (!m_parent)
        return;
    auto &list = m_parent->m_children;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    list.insert(list.begin(), this);
}

const RecordTable &TComponent::records() const
{
    using namespace Records;
    static const RecordTable table {
        record("Tag", &TComponent::tag, &TComponent::setTag, integer, unlessDefault(0)),
    };
    return table;
}

void TComponent::writeProperties(TWriter &writer) const
{
    records().write(*this, writer);
}

PropertyRead TComponent::readProperty(const QString &path, TReader &reader)
{
    return records().read(*this, path, reader);
}
