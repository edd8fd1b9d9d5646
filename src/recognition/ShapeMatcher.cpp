#include "recognition/ShapeMatcher.h"

#include "recognition/StrokeMatcher.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr float tieMargin = 60.0f;
constexpr float infinite = std::numeric_limits<float>::infinity();

float distance(const GridShape& a, const GridShape& b) {
    if (a.cells.empty() || b.cells.empty())
        return infinite;
    float sum = 0;
    for (int cell : b.cells)
        sum += a.field[cell];
    for (int cell : a.cells)
        sum += b.field[cell];
    return std::sqrt(sum / static_cast<float>(a.cells.size() + b.cells.size()));
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
    return distance(gridShapeOf(a), gridShapeOf(b));
}

Recognition
recognisePrecisely(const DrawingGrid& drawing, const Stroke& stroke,
                   const PreparedSymbols& prepared, const SymbolGrid& referenceGrid,
                   const std::function<symbolfile::Content(const QString& name)>& readStored) {
    Recognition result;
    result.referenceGrid = referenceGrid;
    const GridShape drawn = gridShapeOf(drawing);
    const std::optional<PreparedStroke> drawnStroke = prepareStroke(stroke);
    float nearest = infinite;
    float nextNearest = infinite;
    QString nearestDrawing;
    const QList<PreparedSymbols::Symbol>& symbols = prepared.symbols();
    for (qsizetype i = 0; i < symbols.size(); ++i) {
        float symbol = infinite;
        QString closest;
        for (const PreparedSymbols::Drawing& stored : symbols[i].drawings) {
            // Each distance in its own full distance: by stroke where both strokes are known.
            float d = 0;
            if (drawnStroke && stored.stroke) {
                // A stroke that cannot come nearer than this symbol or the runner-up so far
                // changes nothing.
                const float bound = std::min(symbol, nextNearest);
                const float ceiling = bound * strokeFullDistance;
                if (strokeLowerBound(*drawnStroke, *stored.stroke, ceiling) >= ceiling)
                    continue;
                d = strokeDistance(*drawnStroke, *stored.stroke, ceiling) / strokeFullDistance;
            } else {
                d = distance(drawn, stored.shape) / shapeFullDistance;
            }
            if (d < symbol) {
                symbol = d;
                closest = stored.gridString;
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
    result.program = readStored(symbols[result.selected - 1].name).program;
    // The reference grid shows the drawing the gesture was nearest to.
    ClearGrid(result.referenceGrid);
    symbolfile::paintGridString(result.referenceGrid, nearestDrawing);
    return result;
}
