#include "stream/component.h"

#include "stream/recordtable.h"

#include <algorithm>

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
        auto &list = m_owner->m_components;
        list.erase(std::remove(list.begin(), list.end(), this), list.end());
    }
}

QString TComponent::className() const
{
    return QStringLiteral("TComponent");
}

TComponent *TComponent::findComponent(const QString &name) const
{
    if (name.isEmpty())
        return nullptr;
    for (TComponent *component : m_components) {
        if (component->m_name.compare(name, Qt::CaseInsensitive) == 0)
            return component;
    }
    return nullptr;
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
    if (m_parent) {
        auto &list = m_parent->m_children;
        list.erase(std::remove(list.begin(), list.end(), this), list.end());
    }
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
