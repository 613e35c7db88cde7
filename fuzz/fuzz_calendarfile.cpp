// Feeds arbitrary bytes to the calendar-file and style-sheet readers, with
// every placed-object class registered, and writes back what was read.
#include "calendar/calendarfile.h"
#include "calendar/calendarpage.h"
#include "calendar/stylesheetfile.h"
#include "fuzzsetup.h"
#include "objects/placedobjectclasses.h"

#include "stream/component.h"

#include <QBuffer>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    startOffscreenApplication(argc, argv);
    registerPlacedObjectClasses();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static CalendarPage page;
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QString error;
    TComponent objects;
    {
        QBuffer in(&bytes);
        in.open(QIODevice::ReadOnly);
        if (CalendarFile::read(in, page, &objects, &error)) {
            QBuffer out;
            out.open(QIODevice::WriteOnly);
            (void)CalendarFile::write(out, page, &objects, &error);
        }
    }
    {
        // Without an object owner the list is still walked to reach the extras.
        QBuffer in(&bytes);
        in.open(QIODevice::ReadOnly);
        (void)CalendarFile::read(in, page, nullptr, &error);
    }
    QBuffer in(&bytes);
    in.open(QIODevice::ReadOnly);
    bool extrasRefused = false;
    (void)StyleSheetFile::read(in, page, &error, nullptr, &extrasRefused);
    return 0;
}
