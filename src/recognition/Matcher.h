#pragma once

#include "recognition/DrawingSampler.h"
#include "store/ShortcutList.h"
#include "store/SymbolFile.h"
#include "store/SymbolGrid.h"

#include <QString>

#include <functional>
#include <optional>
#include <span>

// What comparing one drawing with every stored symbol found.
struct Recognition {
    int selected = 0; // 1-based position of the symbol with the most black cells in common; 0: none
    int bestBlack = 0;   // that symbol's count of covered black cells
    int bestContour = 0; // the highest count of uncovered white cells, over all symbols
    // Percentages against the selected symbol's stored Grid string; nothing when they cannot be
    // computed (no symbol selected, or no black or no white cell stored).
    std::optional<float> blackPercentage;
    std::optional<float> contourPercentage;
    // The selected symbol's program, read with its Grid string.
    QString program;
    // The reference grid after each symbol was painted into it in turn, as the matcher walks it:
    // a short or broken Grid string leaves the previous symbol's cells in place.
    SymbolGrid referenceGrid;
};

// Compares the drawing with each shortcut's cached Grid string, in list order, starting from the
// reference grid as it stands. Ties keep the earlier symbol; a symbol without a covered black cell
// is never selected, and a grid with no black cell at all is no symbol. The percentages and the
// program come from the selected symbol's stored content, read once through readStored(name).
Recognition recognise(const DrawingGrid& drawing, std::span<const Shortcut> shortcuts,
                      const SymbolGrid& referenceGrid,
                      const std::function<symbolfile::Content(const QString& name)>& readStored);
