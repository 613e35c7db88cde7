// Feeds arbitrary bytes to the reader of icon files, icon libraries and
// programs, lists every icon it finds and decodes the first ones.
#include "fuzzsetup.h"
#include "icons/iconcollection.h"

#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    startOffscreenApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const IconCollection icons
        = IconCollection::fromData(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    for (int i = 0; i < icons.count(); ++i)
        (void)icons.iconInfo(i);
    for (int i = 0; i < icons.count() && i < 8; ++i) {
        (void)icons.pictures(i);
        (void)icons.icon(i);
    }
    (void)icons.icon(icons.count());
    return 0;
}
