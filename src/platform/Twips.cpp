#include "platform/Twips.h"

#include <cmath>

namespace twips {
namespace {
float g_perPixel = defaultPerPixel;
}

float perPixelX() {
    return g_perPixel;
}
float perPixelY() {
    return g_perPixel;
}
void setPerPixel(float twipsPerPixel) {
    g_perPixel = twipsPerPixel;
}

QRect toPixels(int left, int top, int width, int height) {
    const auto pixels = [](int twip, float perPixel) {
        return static_cast<int>(std::lround(twip / perPixel));
    };
    return {pixels(left, perPixelX()), pixels(top, perPixelY()), pixels(width, perPixelX()),
            pixels(height, perPixelY())};
}

} // namespace twips
