#pragma once

#include <QRect>

#include <cmath>

// Layouts and grid cells are measured in twips (1/1440 inch). Qt works in device-independent
// pixels of 1/96 inch, so one pixel is 15 twips; this is the one place that factor lives.
namespace twips {

inline constexpr float perPixel = 15.0f;

// A length in twips, in whole pixels (rounded).
inline int toPixels(int twips) {
    return static_cast<int>(std::lround(twips / perPixel));
}

// A rectangle given in twips, in whole pixels.
inline QRect toPixels(int left, int top, int width, int height) {
    return {toPixels(left), toPixels(top), toPixels(width), toPixels(height)};
}

} // namespace twips
