#include "widgets/pictures.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QSvgRenderer>

// Resources compiled into a static library must be registered by hand, and
// only from the global namespace.
static void registerPictures()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(pictures);
        return true;
    }();
    Q_UNUSED(registered);
}

namespace Pictures {

namespace {

QString ownFile(const QString &name)
{
    return QStringLiteral(":/icons/%1.svg").arg(name);
}

QPixmap rendered(const QString &file, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    QSvgRenderer(file).render(&painter);
    return pixmap;
}

} // namespace

QIcon ownIcon(const QString &name)
{
    registerPictures();
    const QString file = ownFile(name);
    return QFileInfo::exists(file) ? QIcon(file) : QIcon();
}

QIcon icon(const QString &name)
{
    const QIcon own = ownIcon(name);
    Q_ASSERT_X(!own.isNull(), "Pictures::icon", qPrintable(name));
    return QIcon::fromTheme(name, own);
}

QStringList ownNames()
{
    registerPictures();
    QStringList names;
    for (const QString &file : QDir(QStringLiteral(":/icons")).entryList({ QStringLiteral("*.svg") }))
        names << QFileInfo(file).completeBaseName();
    return names;
}

QIcon applicationIcon()
{
    registerPictures();
    // Window managers pick from these sizes; a scalable icon alone would
    // leave them to shrink the detailed drawing into a blur.
    QIcon result;
    for (int size : { 16, 22, 24 })
        result.addPixmap(rendered(ownFile(QStringLiteral("datewright-16")), size));
    for (int size : { 32, 48, 64, 128, 256 })
        result.addPixmap(rendered(ownFile(QStringLiteral("datewright")), size));
    return result;
}

void set(QAction *action, const QString &name)
{
    action->setIcon(icon(name));
}

} // namespace Pictures
