#pragma once

#include "recognition/DrawingSampler.h"
#include "recognition/StrokeMatcher.h"
#include "store/ShortcutList.h"

#include <QList>
#include <QString>

#include <array>
#include <optional>
#include <span>
#include <vector>

// A drawing's black cells, and each cell's squared distance to the nearest of them (capped at
// two cells): what the grid distance needs of it.
struct GridShape {
    std::vector<int> cells;
    std::array<float, SymbolGrid::cellCount> field{};
};
GridShape gridShapeOf(const DrawingGrid& grid);

// The stored symbols made ready for the precise matcher once, when the list is built, not at
// every comparison: each drawing's grid shape, and its stroke resampled where it has a trace.
class PreparedSymbols {
public:
    struct Drawing {
        QString gridString;
        GridShape shape;
        std::optional<PreparedStroke> stroke;
    };
    struct Symbol {
        QString name;
        QList<Drawing> drawings;
    };

    PreparedSymbols() = default;
    explicit PreparedSymbols(std::span<const Shortcut> shortcuts);

    const QList<Symbol>& symbols() const { return m_symbols; }

private:
    QList<Symbol> m_symbols;
};
