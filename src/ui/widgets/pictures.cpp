#include "widgets/pictures.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QPalette>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>

#include <utility>

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

// The dark inks and light papers of our drawings, and what they become on
// a dark palette: dark outlines would vanish into the window, and light
// outlines on white paper would vanish into the paper.
const std::pair<QByteArray, QByteArray> kDarkPaletteColours[] = {
    { QByteArrayLiteral("\"#2e3b4e\""), QByteArrayLiteral("\"#dfe5ec\"") },
    { QByteArrayLiteral("\"#1f4f8f\""), QByteArrayLiteral("\"#9cc2ee\"") },
    { QByteArrayLiteral("\"#fff\""), QByteArrayLiteral("\"#3b4350\"") },
    { QByteArrayLiteral("\"#ffffff\""), QByteArrayLiteral("\"#3b4350\"") },
    { QByteArrayLiteral("\"#e8edf3\""), QByteArrayLiteral("\"#4a5361\"") },
    { QByteArrayLiteral("\"#cfe1f7\""), QByteArrayLiteral("\"#2f4a6b\"") },
};

bool paletteIsDark()
{
    return QGuiApplication::palette().color(QPalette::Window).lightness() < 128;
}

// Draws one of our SVG pictures at any size, in the inks that suit the
// palette at the time it is drawn, so a switch to a dark desktop theme
// shows at the next repaint.
class InkAwareEngine : public QIconEngine
{
public:
    explicit InkAwareEngine(QByteArray drawing)
        : m_drawing(std::move(drawing))
    {
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        QPixmap drawn = pixmap(rect.size() * ratio, mode, state);
        drawn.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect, drawn);
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State) override
    {
        const bool dark = paletteIsDark();
        const QString key
            = QStringLiteral("%1x%2 %3 %4").arg(size.width()).arg(size.height()).arg(int(mode)).arg(dark);
        if (const auto found = m_drawn.constFind(key); found != m_drawn.constEnd())
            return *found;
        QByteArray drawing = m_drawing;
        if (dark) {
            for (const auto &[colour, onDark] : kDarkPaletteColours)
                drawing.replace(colour, onDark);
        }
        QPixmap result(size);
        result.fill(Qt::transparent);
        {
            QPainter painter(&result);
            QSvgRenderer(drawing).render(&painter);
        }
        if (mode != QIcon::Normal && qobject_cast<QApplication *>(QCoreApplication::instance())) {
            QStyleOption option;
            option.palette = QGuiApplication::palette();
            result = QApplication::style()->generatedIconPixmap(mode, result, &option);
        }
        m_drawn.insert(key, result);
        return result;
    }

    QIconEngine *clone() const override { return new InkAwareEngine(*this); }
    QString key() const override { return QStringLiteral("datewright-ink-aware"); }

private:
    QByteArray m_drawing;
    QHash<QString, QPixmap> m_drawn;
};

} // namespace

QIcon ownIcon(const QString &name)
{
    registerPictures();
    QFile file(ownFile(name));
    if (!file.open(QIODevice::ReadOnly))
        return QIcon();
    return QIcon(new InkAwareEngine(file.readAll()));
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
