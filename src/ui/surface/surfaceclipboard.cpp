#include "surface/surfaceclipboard.h"

#include "surface/vbasepanel.h"
#include "surface/vhandle.h"
#include "widgets/commondialogs.h"

#include "objects/vlabelobjectfiler.h"
#include "platform/datafolder.h"

#include <QDir>
#include <QFileInfo>

namespace {
constexpr qint64 kPasteGuardMs = 1000;
}

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
    return QFileInfo::exists(fileName());
}

bool SurfaceClipboard::copy()
{
    const auto &selection = m_surface->handle().selection();
    if (selection.empty())
        return false;
    QString error;
    TVLabelObjectFiler filer;
    if (filer.saveSelection(selection, fileName(), &error))
        return true;
    report(error);
    return false;
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
    const bool read = filer.loadObjects(owner, owner, fileName(), &pasted, &error);
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
