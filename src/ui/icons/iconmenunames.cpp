#include "icons/iconmenunames.h"

#include <QHash>

namespace IconMenuNames {

QString shortName(const QString &fileName)
{
    const qsizetype cut = std::max({ fileName.lastIndexOf(QLatin1Char('\\')),
        fileName.lastIndexOf(QLatin1Char('/')), fileName.lastIndexOf(QLatin1Char(':')) });
    const QString name = fileName.mid(cut + 1).left(kMaxNameLength);
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    return dot < 0 ? name : name.left(dot);
}

QString menuName(const QString &fileName)
{
    static const QHash<QString, QString> captions {
        { QStringLiteral("ACTIVITY"), QStringLiteral("ACTIVITIES") },
        { QStringLiteral("HOLIDAY"), QStringLiteral("HOLIDAYS") },
        { QStringLiteral("MISC1"), QStringLiteral("MISCELLANEOUS #1") },
        { QStringLiteral("MISC2"), QStringLiteral("MISCELLANEOUS #2") },
    };
    const QString name = shortName(fileName).toUpper();
    return captions.value(name, name);
}

QString captionKey(const QString &caption)
{
    // "&&" shows one "&"; a single "&" marks the access key.
    QString key;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&'))
            key += caption[i];
        else if (i + 1 < caption.size() && caption[i + 1] == QLatin1Char('&'))
            key += caption[++i];
    }
    return key.toUpper();
}

} // namespace IconMenuNames
