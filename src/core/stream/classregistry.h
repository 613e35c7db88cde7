#pragma once

#include <QString>

#include <functional>

class TComponent;

// Class names the reader can create objects of. Names compare without
// regard to case; registering a name again replaces its factory.
//
//   TClassRegistry::registerClass<TVPLabel>(QStringLiteral("TVPLabel"));
//   TComponent *c = TClassRegistry::create(QStringLiteral("TVPLabel"), owner);
namespace TClassRegistry {

using Factory = std::function<TComponent *(TComponent *owner)>;

void registerClass(const QString &className, Factory factory);
template <typename T> void registerClass(const QString &className)
{
    registerClass(className, [](TComponent *owner) -> TComponent * { return new T(owner); });
}
void unregisterClass(const QString &className);
[[nodiscard]] bool isRegistered(const QString &className);
// A new object owned by owner, or nullptr when the name is not registered.
[[nodiscard]] TComponent *create(const QString &className, TComponent *owner);

} // namespace TClassRegistry
