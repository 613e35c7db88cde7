#include "stream/classregistry.h"

#include <QHash>

namespace TClassRegistry {

namespace {

QHash<QString, Factory> &factories()
{
    static QHash<QString, Factory> table; // keyed by the lower-case name
    return table;
}

} // namespace

void registerClass(const QString &className, Factory factory)
{
    factories().insert(className.toLower(), std::move(factory));
}

void unregisterClass(const QString &className)
{
    factories().remove(className.toLower());
}

bool isRegistered(const QString &className)
{
    return factories().contains(className.toLower());
}

TComponent *create(const QString &className, TComponent *owner)
{
    const auto it = factories().constFind(className.toLower());
    return it == factories().constEnd() ? nullptr : (*it)(owner);
}

} // namespace TClassRegistry
