#include "surface/commandpictures.h"

#include "widgets/pictures.h"

#include <QAction>
#include <QHash>

namespace CommandPictures {

void apply(QAction *action)
{
    static const QHash<QString, QString> pictures {
        { QStringLiteral("Bring To Front"), QStringLiteral("object-order-front") },
        { QStringLiteral("Send To Back"), QStringLiteral("object-order-back") },
        { QStringLiteral("Cut"), QStringLiteral("edit-cut") },
        { QStringLiteral("Copy"), QStringLiteral("edit-copy") },
        { QStringLiteral("Paste"), QStringLiteral("edit-paste") },
        { QStringLiteral("Delete"), QStringLiteral("edit-delete") },
        { QStringLiteral("Align Left"), QStringLiteral("align-horizontal-left") },
        { QStringLiteral("Align Right"), QStringLiteral("align-horizontal-right") },
        { QStringLiteral("Align Tops"), QStringLiteral("align-vertical-top") },
        { QStringLiteral("Align Bottoms"), QStringLiteral("align-vertical-bottom") },
        { QStringLiteral("Center Vertically"), QStringLiteral("align-vertical-center") },
        { QStringLiteral("Center Horizontally"), QStringLiteral("align-horizontal-center") },
        { QStringLiteral("Lock All"), QStringLiteral("object-locked") },
        { QStringLiteral("Unlock All"), QStringLiteral("object-unlocked") },
        { QStringLiteral("Select All"), QStringLiteral("edit-select-all") },
        { QStringLiteral("Font"), QStringLiteral("preferences-desktop-font") },
        { QStringLiteral("Load Image From Disk"), QStringLiteral("document-open") },
        { QStringLiteral("Properties"), QStringLiteral("document-properties") },
    };
    const QString picture = pictures.value(action->text());
    if (!picture.isEmpty())
        Pictures::set(action, picture);
}

} // namespace CommandPictures
