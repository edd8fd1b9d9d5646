#include "recognition/ShapeMatcher.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <vector>

namespace {

constexpr float capSquared = 4.0f; // two cells
constexpr float tieMargin = 60.0f;
constexpr float infinite = std::numeric_limits<float>::infinity();

using Cells = std::vector<int>;
using Field = std::array<float, SymbolGrid::cellCount>;

Cells listed(const DrawingGrid& grid) {
    Cells cells;
    for (int cell = 0; cell < SymbolGrid::cellCount; ++cell) {
        if (grid[cell])
            cells.push_back(cell);
    }
    return cells;
}

float nearestSquared(int cell, const Cells& others) {
    float nearest = capSquared;
    for (int other : others) {
        const int dx = cell % SymbolGrid::columns - other % SymbolGrid::columns;
        const int dy = cell / SymbolGrid::columns - other / SymbolGrid::columns;
        nearest = std::min(nearest, static_cast<float>(dx * dx + dy * dy));
    }
    return nearest;
}

// Each cell's capped squared distance to the nearest black cell.
Field fieldOf(const Cells& cells) {
    Field field;
    for (int cell = 0; cell < SymbolGrid::cellCount; ++cell)
        field[cell] = nearestSquared(cell, cells);
    return field;
}

float distance(const Cells& a, const Field& aField, const Cells& b) {
    if (a.empty() || b.empty())
        return infinite;
    float sum = 0;
    for (int cell : b)
        sum += aField[cell];
    for (int cell : a)
        sum += nearestSquared(cell, b);
    return std::sqrt(sum / static_cast<float>(a.size() + b.size()));
}

float margin(float nearest, float other) {
    if (std::isinf(other))
        return 100.0f;
    const float weighted = other + nearest * (100.0f / tieMargin - 1.0f);
    return weighted == 0 ? tieMargin : 100.0f * other / weighted;
}

} // namespace

DrawingGrid blackCellsOf(QStringView gridString) {
    DrawingGrid cells;
    for (qsizetype k = 0; k < std::min<qsizetype>(gridString.size(), SymbolGrid::cellCount); ++k)
        cells[k] = gridString[k] == u'1';
    return cells;
}

float shapeDistance(const DrawingGrid& a, const DrawingGrid& b) {
    const Cells cellsA = listed(a);
    return distance(cellsA, fieldOf(cellsA), listed(b));
}

Recognition
recognisePrecisely(const DrawingGrid& drawing, std::span<const Shortcut> shortcuts,
                   const SymbolGrid& referenceGrid,
                   const std::function<symbolfile::Content(const QString& name)>& readStored) {
    Recognition result;
    result.referenceGrid = referenceGrid;
    const Cells drawn = listed(drawing);
    const Field field = fieldOf(drawn);
    float nearest = infinite;
    float nextNearest = infinite;
    QString nearestDrawing;
    for (std::size_t i = 0; i < shortcuts.size(); ++i) {
        float symbol = infinite;
        QString closest;
        for (const QString& stored : QStringList{shortcuts[i].tag} + shortcuts[i].moreDrawings) {
            const float d = distance(drawn, field, listed(blackCellsOf(stored)));
            if (d < symbol) {
                symbol = d;
                closest = stored;
            }
        }
        // Ties keep the earlier symbol, as in the default mode.
        if (symbol < nearest) {
            nextNearest = nearest;
            nearest = symbol;
            nearestDrawing = closest;
            result.selected = static_cast<int>(i) + 1;
        } else if (symbol < nextNearest) {
            nextNearest = symbol;
        }
    }
    if (result.selected == 0)
        return result;
    result.blackPercentage = 100.0f * std::max(0.0f, 1.0f - nearest / shapeFullDistance);
    result.contourPercentage = margin(nearest, nextNearest);
    result.program = readStored(shortcuts[result.selected - 1].text).program;
    // The reference grid shows the drawing the gesture was nearest to.
    ClearGrid(result.referenceGrid);
    symbolfile::paintGridString(result.referenceGrid, nearestDrawing);
    return result;
}
