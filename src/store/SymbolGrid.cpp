#include "store/SymbolGrid.h"

void ClearGrid(SymbolGrid& grid) {
    for (int i = 0; i < SymbolGrid::cellCount; ++i)
        grid.setBackColor(i, CellColour::White);
}
