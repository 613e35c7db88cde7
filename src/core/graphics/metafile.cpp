#include "metafile.h"

#include <QFile>
#include <QFileInfo>

bool Metafile::load(const QString &fileName, QString *error)
{
    clear();
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("Cannot open file %1").arg(fileName);
        return false;
    }
    // No metafile player is built in yet: every picture counts as unreadable,
    // which leaves the page without a border rather than with a blank one.
    if (error)
        *error = QStringLiteral("Unable to draw the picture %1").arg(QFileInfo(fileName).fileName());
    return false;
}

void Metafile::draw(QPainter &, const QRectF &) const
{
}
