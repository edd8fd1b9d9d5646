#include "recognition/SymbolGrid.h"

bool paintGridString(SymbolGrid& grid, QStringView gridString) {
    // The length was an 8-bit count: a longer string could not even be measured.
    constexpr qsizetype longestMeasurable = 255;
    if (gridString.size() > longestMeasurable)
        return false;
    for (qsizetype k = 0; k < gridString.size(); ++k) {
        const QChar c = gridString[k];
        if (c < u'0' || c > u'9')
            return false;
        if (k >= SymbolGrid::cellCount)
            return false;
        grid.setBackColor(static_cast<int>(k), c == u'1' ? CellColour::Black : CellColour::White);
    }
    return true;
}

void ClearGrid(SymbolGrid& grid) {
    for (int i = 0; i < SymbolGrid::cellCount; ++i)
        grid.setBackColor(i, CellColour::White);
}
