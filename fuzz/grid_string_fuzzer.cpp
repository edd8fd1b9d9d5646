// Any text as a Grid string painted into a grid: only black and white cells come out, and a
// string that paints whole leaves exactly its own cells.
#include "store/SymbolFile.h"

#include <QString>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString gridString =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    SymbolGrid grid;
    const bool whole = symbolfile::paintGridString(grid, gridString);
    for (int i = 0; i < SymbolGrid::cellCount; ++i) {
        const CellColour colour = grid.backColor(i);
        const bool painted = i < gridString.size() && whole;
        if (painted && colour != (gridString[i] == u'1' ? CellColour::Black : CellColour::White))
            std::abort();
        if (i >= gridString.size() && colour != CellColour::Design)
            std::abort();
    }
    return 0;
}
