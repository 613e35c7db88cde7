// Runs arbitrary sequences of changes, records, undos and redos on a
// calendar with placed objects: whatever the order, undo and redo must
// never touch a freed object, and undoing everything must give back the
// calendar's first bytes.
#include "calendar/calendarfile.h"
#include "calendar/calendarpage.h"
#include "document/documenthistory.h"
#include "fuzzsetup.h"
#include "objects/placedobjectclasses.h"
#include "objects/vplabel.h"
#include "stream/component.h"

#include <QBuffer>

#include <cstdint>
#include <cstdlib>

namespace {

QByteArray bytesOf(const CalendarPage &page, const TComponent &objects)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    CalendarFile::write(buffer, page, &objects, nullptr);
    return buffer.data();
}

TVGraphicControl *objectAt(TComponent &objects, uint8_t index)
{
    const auto &children = objects.children();
    return children.empty() ? nullptr : dynamic_cast<TVGraphicControl *>(children[index % children.size()]);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    startOffscreenApplication(argc, argv);
    registerPlacedObjectClasses();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    CalendarPage page;
    TComponent objects;
    DocumentHistory history(page, objects);
    qint64 clock = 0;
    history.setClock([&clock] { return clock; });
    history.reset();
    const QByteArray first = bytesOf(page, objects);
    for (size_t i = 0; i + 1 < size && i < 400; i += 2) {
        const uint8_t op = data[i] % 9, arg = data[i + 1];
        clock += arg * 10;
        switch (op) {
        case 0: {
            auto *label = new TVPLabel(&objects);
            label->setParent(&objects);
            label->setName(QStringLiteral("Component%1").arg(objects.children().size() + 100));
            label->setBounds(arg, arg, 40, 20);
            break;
        }
        case 1:
            delete objectAt(objects, arg);
            break;
        case 2:
            if (TVGraphicControl *object = objectAt(objects, arg))
                object->setLeft(object->left() + arg);
            break;
        case 3:
            page.setCellContents(1 + arg % 42, QByteArray("{\\rtf1 ") + QByteArray::number(arg) + "\\par}");
            break;
        case 4:
            history.record(
                QStringLiteral("Step"), arg % 2 ? DocumentHistory::KeyMoves : DocumentHistory::NoBurst);
            break;
        case 5:
            history.stack().undo();
            break;
        case 6:
            history.stack().redo();
            break;
        case 7:
            page.setCalendarLayout(arg % kLayoutCount);
            break;
        default:
            history.record(QStringLiteral("Step"));
            history.stack().setIndex(arg % (history.stack().count() + 1));
            break;
        }
    }
    history.record(QStringLiteral("Last"));
    history.stack().setIndex(0);
    if (history.stack().count() < DocumentHistory::kStepLimit && bytesOf(page, objects) != first)
        abort();
    return 0;
}
