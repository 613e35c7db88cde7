#include "calendar/zoomsteps.h"

int ZoomToPercent(float scale)
{
    static const float limits[] = {0.3f, 0.4f, 0.5f, 0.6f, 0.7f, 0.8f, 0.9f, 1.0f};
    int percent = 20;
    for (float limit : limits) {
        if (scale < limit)
            return percent;
        percent += 10;
    }
    return 100;
}

float PercentToZoom(int percent)
{
    static const float scales[] = {0.201f, 0.301f, 0.401f, 0.501f, 0.601f, 0.701f, 0.801f, 0.901f};
    for (int i = 0; i < 8; ++i) {
        if (percent < 30 + 10 * i)
            return scales[i];
    }
    return 1.001f;
}
