#include "recognition/DrawingSampler.h"

DrawingGrid sampleDrawing(const QImage& picture, float twipsPerPixelX, float twipsPerPixelY) {
    DrawingGrid covered;
    for (int cell = 0; cell < SymbolGrid::cellCount; ++cell) {
        const float x = SymbolGrid::left(cell) / twipsPerPixelX + 1;
        const float y = SymbolGrid::top(cell) / twipsPerPixelY + 1;
        const QPoint point(static_cast<int>(x), static_cast<int>(y));
        covered[cell] = picture.valid(point) && (picture.pixel(point) & 0xFFFFFF) == 0;
    }
    return covered;
}
