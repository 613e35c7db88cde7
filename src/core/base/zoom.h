#pragma once

// The page's zoom is remembered as a percent step from 20 to 100; a step
// turns back into a scale a hair above the round value, so that repeated
// zoom-in steps of 0.1 land where the limits expect them.
[[nodiscard]] int ZoomToPercent(float scale);
[[nodiscard]] float PercentToZoom(int percent);
