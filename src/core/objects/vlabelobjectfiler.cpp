#include "objects/vlabelobjectfiler.h"

#include "objects/componentnames.h"
#include "objects/vgraphiccontrol.h"

#include "stream/component.h"
#include "stream/filestreams.h"
#include "stream/reader.h"
#include "stream/streamerror.h"
#include "stream/writer.h"

#include <QBuffer>
#include <QFileInfo>

namespace {

bool fail(QString *error, const QString &message)
{
    if (error)
        *error = message;
    return false;
}

void writeRecords(TWriter &writer, const std::vector<const TVGraphicControl *> &objects)
{
    writer.writeListBegin();
    for (const TVGraphicControl *object : objects)
        writer.writeRootComponent(*object);
    writer.writeListEnd();
}

} // namespace

TVLabelObjectFiler::TVLabelObjectFiler(TComponent *owner)
    : m_owner(owner)
{
}

QString TVLabelObjectFiler::freeComponentName(const TComponent *owner)
{
    return uniqueComponentName(owner, QStringLiteral("Component"), 0, 1000);
}

bool TVLabelObjectFiler::writeList(
    const std::vector<const TVGraphicControl *> &objects, const QString &fileName, QString *error)
{
    return FileStreams::save(
        fileName, [&objects](TWriter &writer) { writeRecords(writer, objects); }, error);
}

bool TVLabelObjectFiler::saveSelection(
    const std::vector<TVGraphicControl *> &selection, const QString &fileName, QString *error)
{
    if (selection.empty())
        return true;
    return writeList({ selection.begin(), selection.end() }, fileName, error);
}

bool TVLabelObjectFiler::saveObject(const TVGraphicControl &object, const QString &fileName, QString *error)
{
    return writeList({ &object }, fileName, error);
}

bool TVLabelObjectFiler::loadObjects(TComponent *owner, TComponent *parent, const QString &fileName,
    std::vector<TVGraphicControl *> *loaded, QString *error)
{
    if (!QFileInfo::exists(fileName))
        return true;
    try {
        const auto file = FileStreams::openForReading(fileName, kMaxListSize);
        return loadObjects(owner, parent, *file, loaded, error);
    } catch (const StreamError &e) {
        return fail(error, e.message());
    }
}

bool TVLabelObjectFiler::loadObjects(TComponent *owner, TComponent *parent, QIODevice &device,
    std::vector<TVGraphicControl *> *loaded, QString *error)
{
    TComponent *const names = m_owner ? m_owner : owner;
    const bool offset = m_pasteOffset;
    m_pasteOffset = false;
    try {
        TReader reader(device);
        reader.onSetName = [names](TReader &, TComponent *, QString &name) {
            const QString free = freeComponentName(names);
            if (!free.isEmpty())
                name = free;
        };
        reader.onFindMethod = [](TReader &, const QString &, bool &error) { error = false; };
        reader.readListBegin();
        reader.readComponents(owner, parent, [&](TComponent *component) {
            auto *object = dynamic_cast<TVGraphicControl *>(component);
            if (!object)
                return;
            if (offset)
                object->setBounds(object->left() + 15, object->top() + 15, object->width(), object->height());
            if (loaded)
                loaded->push_back(object);
        });
    } catch (const StreamError &e) {
        return fail(error, e.message());
    }
    return true;
}

TVGraphicControl *TVLabelObjectFiler::duplicateObject(
    const TVGraphicControl &object, TComponent *owner, TComponent *parent, QString *error)
{
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    try {
        TWriter writer(buffer);
        writeRecords(writer, { &object });
        writer.flush();
    } catch (const StreamError &e) {
        fail(error, e.message());
        return nullptr;
    }
    buffer.seek(0);
    const bool offset = m_pasteOffset;
    m_pasteOffset = false;
    std::vector<TVGraphicControl *> copies;
    const bool ok = loadObjects(owner, parent, buffer, &copies, error);
    m_pasteOffset = offset;
    return ok && copies.size() == 1 ? copies.front() : nullptr;
}

TVGraphicControl *TVLabelObjectFiler::cloneObject(TVGraphicControl &object, QString *error)
{
    TVLabelObjectFiler filer(object.owner());
    TVGraphicControl *copy = filer.duplicateObject(object, object.owner(), object.parent(), error);
    if (!copy)
        return nullptr;
    copy->setTop(object.top() + 25);
    copy->bringToFront();
    object.notifyModified();
    return copy;
}
