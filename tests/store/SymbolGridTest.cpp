#include "store/SymbolFile.h"
#include "support/RowName.h"

#include <QString>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// The grid as a Grid-string-like text: '1' black, '0' white, '.' never painted.
std::string cells(const SymbolGrid& grid) {
    std::string text;
    for (int i = 0; i < SymbolGrid::cellCount; ++i) {
        switch (grid.backColor(i)) {
        case CellColour::Black:
            text += '1';
            break;
        case CellColour::White:
            text += '0';
            break;
        case CellColour::Design:
            text += '.';
            break;
        }
    }
    return text;
}

SymbolGrid allBlack() {
    SymbolGrid grid;
    for (int i = 0; i < SymbolGrid::cellCount; ++i)
        grid.setBackColor(i, CellColour::Black);
    return grid;
}

struct PaintRow {
    const char* name;
    QString gridString;
    bool painted;
    std::string expected; // starting from an all-black grid
};

class PaintGridString : public ::testing::TestWithParam<PaintRow> {};

TEST_P(PaintGridString, PaintsAsFarAsItCan) {
    const PaintRow& row = GetParam();
    SymbolGrid grid = allBlack();
    EXPECT_EQ(symbolfile::paintGridString(grid, row.gridString), row.painted);
    EXPECT_EQ(cells(grid), row.expected);
}

const std::string black144(144, '1');

INSTANTIATE_TEST_SUITE_P(
    Rows, PaintGridString,
    ::testing::Values(
        PaintRow{"full string", u"0"_s.repeated(143) + u"1"_s, true, std::string(143, '0') + "1"},
        PaintRow{"empty changes nothing", u""_s, true, black144},
        PaintRow{"ten characters paint cells 0 to 9", u"0101010101"_s, true,
                 "0101010101" + std::string(134, '1')},
        PaintRow{"any digit but 1 is white", u"11112"_s, true,
                 black144.substr(0, 4) + "0" + black144.substr(5)},
        PaintRow{"a letter stops the load at its cell", u"0000x000"_s, false,
                 "0000" + std::string(140, '1')},
        PaintRow{"a space is not a digit", u" 0"_s, false, black144},
        PaintRow{"150 characters paint 144 cells then fail", u"0"_s.repeated(150), false,
                 std::string(144, '0')},
        PaintRow{"255 characters still measured", u"0"_s.repeated(255), false,
                 std::string(144, '0')},
        PaintRow{"256 characters fail before any cell", u"0"_s.repeated(256), false, black144}),
    [](const auto& info) { return rowName(info.param.name); });

TEST(SymbolGrid, ClearGridWhitensEveryCellAndKeepsBorders) {
    SymbolGrid grid;
    grid.setBorderStyle(SymbolGrid::BorderStyle::FixedSingle);
    EXPECT_EQ(cells(grid), std::string(144, '.'));
    ClearGrid(grid);
    EXPECT_EQ(cells(grid), std::string(144, '0'));
    EXPECT_EQ(grid.borderStyle(), SymbolGrid::BorderStyle::FixedSingle);
}

TEST(SymbolGrid, CellsSitOnA120TwipPitch) {
    EXPECT_EQ(SymbolGrid::left(0), 0);
    EXPECT_EQ(SymbolGrid::top(0), 0);
    EXPECT_EQ(SymbolGrid::left(11), 1320);
    EXPECT_EQ(SymbolGrid::top(11), 0);
    EXPECT_EQ(SymbolGrid::left(12), 0);
    EXPECT_EQ(SymbolGrid::top(12), 120);
    EXPECT_EQ(SymbolGrid::left(143), 1320);
    EXPECT_EQ(SymbolGrid::top(143), 1320);
}

} // namespace
