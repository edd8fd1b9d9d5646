#include "recognition/Matcher.h"

namespace {

// count / cells x 100, computed in double and kept in single precision; nothing for no cells.
std::optional<float> percentage(int count, qsizetype cells) {
    if (cells == 0)
        return std::nullopt;
    return static_cast<float>(static_cast<double>(count) / static_cast<double>(cells) * 100.0);
}

} // namespace

Recognition recognise(const DrawingGrid& drawing, std::span<const Shortcut> shortcuts,
                      const SymbolGrid& referenceGrid,
                      const std::function<symbolfile::Content(const QString& name)>& readStored) {
    Recognition result;
    result.referenceGrid = referenceGrid;
    SymbolGrid& grid = result.referenceGrid;

    for (std::size_t i = 0; i < shortcuts.size(); ++i) {
        // A Grid string that cannot be painted whole is compared as far as it was painted.
        symbolfile::paintGridString(grid, shortcuts[i].tag);
        int black = 0;
        int contour = 0;
        int symbolCells = 0;
        for (int cell = 0; cell < SymbolGrid::cellCount; ++cell) {
            const CellColour colour = grid.backColor(cell);
            symbolCells += colour == CellColour::Black;
            if (drawing[cell])
                black += colour == CellColour::Black;
            else
                contour += colour == CellColour::White;
        }
        // A grid with no black cell is no symbol: its uncovered white cells would outnumber any
        // symbol's and reject every drawing.
        if (symbolCells == 0)
            continue;
        if (black > result.bestBlack) {
            result.bestBlack = black;
            result.selected = static_cast<int>(i) + 1;
        }
        result.bestContour = std::max(result.bestContour, contour);
    }

    if (result.selected == 0)
        return result;
    const symbolfile::Content stored = readStored(shortcuts[result.selected - 1].text);
    const QString& cells = stored.gridString;
    result.blackPercentage = percentage(result.bestBlack, cells.size() - cells.count(u'0'));
    result.contourPercentage = percentage(result.bestContour, cells.size() - cells.count(u'1'));
    result.program = stored.program;
    return result;
}
