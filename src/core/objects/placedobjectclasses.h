#pragma once

// Makes the five placed-object kinds known to the stream reader by their
// record class names. Safe to call any number of times.
void registerPlacedObjectClasses();
