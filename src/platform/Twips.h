#pragma once

#include <QRect>

// Layouts and grid cells are measured in twips (1/1440 inch). Qt works in device-independent
// pixels of 1/96 inch, so one pixel is 15 twips; this is the one place that factor lives.
namespace twips {

inline constexpr float defaultPerPixel = 15.0f;

float perPixelX();
float perPixelY();

// Tests run the grid lattice at other densities (12 and 10 twips per pixel).
void setPerPixel(float twipsPerPixel);

// A rectangle given in twips, in whole pixels (rounded).
QRect toPixels(int left, int top, int width, int height);

} // namespace twips
