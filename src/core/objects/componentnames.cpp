#include "objects/componentnames.h"

#include "stream/component.h"

QString uniqueComponentName(const TComponent *owner, const QString &prefix, int first, int last)
{
    for (int n = first; n <= last; ++n) {
        const QString name = prefix + QString::number(n);
        if (!owner || !owner->findComponent(name))
            return name;
    }
    return {};
}
