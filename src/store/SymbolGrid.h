#pragma once

#include <array>
#include <cstdint>

// A cell's colour. Only Black and White are pattern colours; a cell that was never painted keeps
// its design colour, which matching counts as neither.
enum class CellColour : std::uint8_t { Design, Black, White };

// A 12 x 12 grid of cells (PicD(0..143)): cell i is in row i / 12 and column i % 12, at
// Left = 120 x column and Top = 120 x row twips, 135 x 135 twips in size, so neighbours overlap.
class SymbolGrid {
public:
    static constexpr int columns = 12;
    static constexpr int cellCount = columns * columns;
    static constexpr int pitchTwips = 120;
    static constexpr int cellSizeTwips = 135;

    enum class BorderStyle { None, FixedSingle };

    CellColour backColor(int cell) const { return m_cells[cell]; }
    void setBackColor(int cell, CellColour colour) { m_cells[cell] = colour; }

    static constexpr int left(int cell) { return pitchTwips * (cell % columns); }
    static constexpr int top(int cell) { return pitchTwips * (cell / columns); }

    // Every cell shares one border style: the editor's grid lines are switched all at once.
    BorderStyle borderStyle() const { return m_borderStyle; }
    void setBorderStyle(BorderStyle style) { m_borderStyle = style; }

    bool operator==(const SymbolGrid&) const = default;

private:
    std::array<CellColour, cellCount> m_cells{};
    BorderStyle m_borderStyle = BorderStyle::None;
};

// Every cell white.
void ClearGrid(SymbolGrid& grid);
