#include "surface/surfaceclipboard.h"

#include "surface/vbasepanel.h"
#include "surface/vhandle.h"
#include "widgets/commondialogs.h"

#include "objects/vgraphiccontrol.h"
#include "objects/vlabelobjectfiler.h"
#include "platform/datafolder.h"
#include "platform/safefilereader.h"

#include <QBuffer>
#include <QClipboard>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QPainter>

namespace {

constexpr qint64 kPasteGuardMs = 1000;

QClipboard *desktopClipboard()
{
    return qobject_cast<QGuiApplication *>(QCoreApplication::instance()) ? QGuiApplication::clipboard()
                                                                         : nullptr;
}

// The objects as they look at 100%, on a clear ground just large enough.
QImage pictureOf(const std::vector<TVGraphicControl *> &objects)
{
    QRect area;
    for (const TVGraphicControl *object : objects)
        area |= object->displayRect(1.0f);
    if (area.isEmpty())
        return {};
    QImage image(area.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.translate(-area.topLeft());
    for (const TVGraphicControl *object : objects)
        object->paint(painter, 1.0f);
    return image;
}

} // namespace

SurfaceClipboard::SurfaceClipboard(TVBasePanel *surface, Clock clock)
    : QObject(surface)
    , m_surface(surface)
    , m_clock(std::move(clock))
{
}

QString SurfaceClipboard::fileName()
{
    return QDir(DataFolder::path()).filePath(QStringLiteral("Clipbrd.tmp"));
}

bool SurfaceClipboard::canPaste()
{
    if (QFileInfo::exists(fileName()))
        return true;
    const QClipboard *clipboard = desktopClipboard();
    const QMimeData *data = clipboard ? clipboard->mimeData() : nullptr;
    return data && data->hasFormat(QLatin1String(kObjectsMimeType));
}

bool SurfaceClipboard::copy()
{
    return copyObjects(m_surface->handle().selection());
}

bool SurfaceClipboard::copyObjects(const std::vector<TVGraphicControl *> &objects)
{
    if (objects.empty())
        return false;
    QString error;
    TVLabelObjectFiler filer;
    if (!filer.saveSelection(objects, fileName(), &error)) {
        report(error);
        return false;
    }
    publish(objects);
    return true;
}

void SurfaceClipboard::publish(const std::vector<TVGraphicControl *> &objects) const
{
    QClipboard *clipboard = desktopClipboard();
    QByteArray records;
    QString reason;
    // The desktop copy is a convenience: without it the file still pastes.
    if (!clipboard || !SafeFileReader::read(fileName(), TVLabelObjectFiler::kMaxListSize, &records, &reason))
        return;
    auto *data = new QMimeData;
    data->setData(QLatin1String(kObjectsMimeType), records);
    // Stamped with the file's time, so the copy just made is not "newer".
    const QDateTime written = QFileInfo(fileName()).lastModified();
    data->setData(QLatin1String(kCopiedAtMimeType), QByteArray::number(written.toMSecsSinceEpoch()));
    const QImage picture = pictureOf(objects);
    if (!picture.isNull())
        data->setImageData(picture);
    clipboard->setMimeData(data);
}

const QMimeData *SurfaceClipboard::newerOnDesktop()
{
    const QClipboard *clipboard = desktopClipboard();
    const QMimeData *data = clipboard ? clipboard->mimeData() : nullptr;
    if (!data || !data->hasFormat(QLatin1String(kObjectsMimeType)))
        return nullptr;
    const QFileInfo file(fileName());
    if (!file.exists())
        return data;
    bool stamped = false;
    const qint64 copiedAt = data->data(QLatin1String(kCopiedAtMimeType)).toLongLong(&stamped);
    return stamped && copiedAt > file.lastModified().toMSecsSinceEpoch() ? data : nullptr;
}

void SurfaceClipboard::cut()
{
    if (copy())
        m_surface->deleteSelection();
}

void SurfaceClipboard::paste()
{
    TComponent *owner = m_surface->objectOwner();
    const qint64 now = m_clock();
    if (!owner || (m_lastPaste != 0 && now - m_lastPaste < kPasteGuardMs))
        return;
    m_lastPaste = now;
    TVLabelObjectFiler filer(owner);
    filer.setPasteOffset(true);
    QString error;
    std::vector<TVGraphicControl *> pasted;
    bool read = true;
    if (const QMimeData *desktop = newerOnDesktop()) {
        QByteArray records = desktop->data(QLatin1String(kObjectsMimeType));
        if (records.size() > TVLabelObjectFiler::kMaxListSize) {
            read = false;
            error = QStringLiteral("The objects on the clipboard are too large to paste.");
        } else {
            QBuffer buffer(&records);
            buffer.open(QIODevice::ReadOnly);
            read = filer.loadObjects(owner, owner, buffer, &pasted, &error);
        }
    } else {
        read = filer.loadObjects(owner, owner, fileName(), &pasted, &error);
    }
    m_surface->nameNextChange(pasted.size() == 1 ? tr("Paste") : tr("Paste %1 Objects").arg(pasted.size()));
    // Objects read before a bad record stay, as they would after any paste.
    m_surface->HookAllObjects();
    if (!pasted.empty())
        m_surface->NotifyChanged();
    m_surface->update();
    if (!read)
        report(error);
}

void SurfaceClipboard::report(const QString &error) const
{
    CommonDialogs::ShowInformation(m_surface, error);
}
