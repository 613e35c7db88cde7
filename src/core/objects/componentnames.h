#pragma once

#include <QString>

class TComponent;

// prefix + the smallest number from first to last that names no component
// of owner (compared without regard to case); empty when all are taken.
// Tools name new objects "Special" + 1..1000, pastes "Component" + 0..1000.
[[nodiscard]] QString uniqueComponentName(
    const TComponent *owner, const QString &prefix, int first, int last);
