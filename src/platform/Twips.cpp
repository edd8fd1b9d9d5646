#include "platform/Twips.h"

namespace twips {
namespace {
float g_perPixel = defaultPerPixel;
}

float perPixelX() { return g_perPixel; }
float perPixelY() { return g_perPixel; }
void setPerPixel(float twipsPerPixel) { g_perPixel = twipsPerPixel; }

} // namespace twips
