#include "widgets/GridWidget.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

// Neighbouring cells overlap by one pixel. The later cell is painted over the earlier one, so a
// pixel they share shows the later cell, and a press there paints the cell the user sees.
TEST(GridWidget, ASharedPixelBelongsToTheCellPaintedOnTop) {
    GridWidget widget;
    widget.resize(97, 105);
    SymbolGrid grid;
    ClearGrid(grid);
    grid.setBackColor(0, CellColour::Black);
    grid.setBackColor(12, CellColour::Black);
    widget.setGrid(grid);
    const QImage shown = widget.grab().toImage();

    const struct {
        QPoint pixel;
        int cell;
    } rows[] = {{{7, 7}, 0},  {{8, 4}, 1},     {{4, 8}, 12},
                {{8, 8}, 13}, {{96, 96}, 143}, {{97, 4}, -1}};
    for (const auto& row : rows) {
        EXPECT_EQ(widget.cellAt(row.pixel), row.cell) << row.pixel.x() << "," << row.pixel.y();
        if (row.cell >= 0) {
            const bool black = grid.backColor(row.cell) == CellColour::Black;
            EXPECT_EQ(shown.pixelColor(row.pixel) == Qt::black, black) << "shows its owner";
        }
    }
}

} // namespace
