#include "recognition/ShapeMatcher.h"

#include "recognition/StrokeMatcher.h"

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
recognisePrecisely(const DrawingGrid& drawing, const Stroke& stroke,
                   std::span<const Shortcut> shortcuts, const SymbolGrid& referenceGrid,
                   const std::function<symbolfile::Content(const QString& name)>& readStored) {
    Recognition result;
    result.referenceGrid = referenceGrid;
    const Cells drawn = listed(drawing);
    const Field field = fieldOf(drawn);
    const std::optional<PreparedStroke> drawnStroke = prepareStroke(stroke);
    // Each drawing's distance in its own full distance: by stroke where both strokes are known.
    const auto distanceTo = [&](const QString& grid, const QString& trace) {
        if (drawnStroke) {
            if (const std::optional<Stroke> storedStroke = strokeOfTrace(trace)) {
                if (const std::optional<PreparedStroke> prepared = prepareStroke(*storedStroke))
                    return strokeDistance(*drawnStroke, *prepared) / strokeFullDistance;
            }
        }
        return distance(drawn, field, listed(blackCellsOf(grid))) / shapeFullDistance;
    };
    float nearest = infinite;
    float nextNearest = infinite;
    QString nearestDrawing;
    for (std::size_t i = 0; i < shortcuts.size(); ++i) {
        float symbol = infinite;
        QString closest;
        const QStringList grids = QStringList{shortcuts[i].tag} + shortcuts[i].moreDrawings;
        for (qsizetype k = 0; k < grids.size(); ++k) {
            const float d = distanceTo(grids[k], shortcuts[i].traces.value(k));
            if (d < symbol) {
                symbol = d;
                closest = grids[k];
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
    result.blackPercentage = 100.0f * std::max(0.0f, 1.0f - nearest);
    result.contourPercentage = margin(nearest, nextNearest);
    result.program = readStored(shortcuts[result.selected - 1].text).program;
    // The reference grid shows the drawing the gesture was nearest to.
    ClearGrid(result.referenceGrid);
    symbolfile::paintGridString(result.referenceGrid, nearestDrawing);
    return result;
}
