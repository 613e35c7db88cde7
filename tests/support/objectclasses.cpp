// Every test program knows the placed-object classes from the start, as the
// programs do, so calendar files with objects read the same way everywhere.
#include "objects/placedobjectclasses.h"

#include <QCoreApplication>

Q_COREAPP_STARTUP_FUNCTION(registerPlacedObjectClasses)
