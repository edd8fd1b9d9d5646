#include "recognition/PreparedSymbols.h"

#include "recognition/ShapeMatcher.h"

#include <algorithm>

namespace {
constexpr float capSquared = 4.0f; // two cells
} // namespace

GridShape gridShapeOf(const DrawingGrid& grid) {
    GridShape shape;
    for (int cell = 0; cell < SymbolGrid::cellCount; ++cell) {
        if (grid[cell])
            shape.cells.push_back(cell);
    }
    for (int cell = 0; cell < SymbolGrid::cellCount; ++cell) {
        float nearest = capSquared;
        for (int other : shape.cells) {
            const int dx = cell % SymbolGrid::columns - other % SymbolGrid::columns;
            const int dy = cell / SymbolGrid::columns - other / SymbolGrid::columns;
            nearest = std::min(nearest, static_cast<float>(dx * dx + dy * dy));
        }
        shape.field[cell] = nearest;
    }
    return shape;
}

PreparedSymbols::PreparedSymbols(std::span<const Shortcut> shortcuts) {
    for (const Shortcut& shortcut : shortcuts) {
        Symbol symbol{shortcut.text, {}};
        const QStringList grids = QStringList{shortcut.tag} + shortcut.moreDrawings;
        for (qsizetype k = 0; k < grids.size(); ++k) {
            const std::optional<Stroke> stroke = strokeOfTrace(shortcut.traces.value(k));
            symbol.drawings.append({grids[k], gridShapeOf(blackCellsOf(grids[k])),
                                    stroke ? prepareStroke(*stroke) : std::nullopt});
        }
        m_symbols.append(symbol);
    }
}
