#pragma once

// The page model measures in pixels of 1/96 inch on every device, as the
// calendar files were drawn on such screens; zoom and printers scale from it.
constexpr int kScreenPpi = 96;
// RTF measures in twips, 1/1440 inch.
constexpr double kTwipsPerPixel = 1440.0 / kScreenPpi;
