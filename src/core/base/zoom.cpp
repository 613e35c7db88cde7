#include "base/zoom.h"

#include <cmath>

Zoom Zoom::fromStoredPercent(int percent)
{
    static const float scales[] = { 0.201f, 0.301f, 0.401f, 0.501f, 0.601f, 0.701f, 0.801f, 0.901f };
    for (int i = 0; i < 8; ++i) {
        if (percent < 30 + 10 * i)
            return Zoom(scales[i]);
    }
    return Zoom(1.001f);
}

int Zoom::storedPercent() const
{
    static const float limits[] = { 0.3f, 0.4f, 0.5f, 0.6f, 0.7f, 0.8f, 0.9f, 1.0f };
    int percent = 20;
    for (float limit : limits) {
        if (m_scale < limit)
            return percent;
        percent += 10;
    }
    return 100;
}

int Zoom::shownPercent() const
{
    return int(std::nearbyint(double(m_scale) * 100.0));
}

int Zoom::layoutPercent() const
{
    // In float, as the painter has always multiplied: 0.7f makes 70, not 69.
    return int(m_scale * 100);
}
