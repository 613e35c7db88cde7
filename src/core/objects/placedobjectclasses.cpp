#include "objects/placedobjectclasses.h"

#include "objects/vflatcalendar.h"
#include "objects/vimage.h"
#include "objects/vplabel.h"
#include "objects/vprichbaselabel.h"
#include "objects/vsupertext.h"

#include "stream/classregistry.h"

void registerPlacedObjectClasses()
{
    TClassRegistry::registerClass<TVImage>(QStringLiteral("TVImage"));
    TClassRegistry::registerClass<TVPRichBaseLabel>(QStringLiteral("TVPRichBaseLabel"));
    TClassRegistry::registerClass<TVSuperText>(QStringLiteral("TVSuperText"));
    TClassRegistry::registerClass<TVPLabel>(QStringLiteral("TVPLabel"));
    TClassRegistry::registerClass<TVFlatCalendar>(QStringLiteral("TVFlatCalendar"));
}
