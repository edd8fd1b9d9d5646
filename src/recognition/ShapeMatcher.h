#pragma once

#include "recognition/Matcher.h"

// The precise mode's matcher: a symbol is selected by the shape of its drawings, every stored
// drawing counting, not by the number of black cells in common.
//
// The distance between two grids is the root mean square, over the black cells of both, of each
// cell's distance to the nearest black cell of the other grid, in cells and capped at two: a
// stroke drawn a cell aside costs little, a part missing or added costs much. A symbol is as near
// as its nearest drawing.
//
// Its two percentages, for the bars and the sliders:
//  - black: the similarity to the nearest symbol, 100 for the same grid down to 0 at
//    shapeFullDistance;
//  - contour: the margin over the nearest other symbol: 60 (the contour slider's default) when it
//    is just as near, rising to 100 as it is farther.
// With the sliders at their defaults (50, 60) a drawing is accepted when its nearest symbol is
// within half shapeFullDistance and strictly nearer than any other.
Recognition
recognisePrecisely(const DrawingGrid& drawing, std::span<const Shortcut> shortcuts,
                   const SymbolGrid& referenceGrid,
                   const std::function<symbolfile::Content(const QString& name)>& readStored);

// The distance at which similarity reaches 0, in cells; tuned on the recorded gestures.
inline constexpr float shapeFullDistance = 1.08f;

// The distance between two drawings; infinite when either has no black cell.
float shapeDistance(const DrawingGrid& a, const DrawingGrid& b);

// The cells a Grid string makes black: its "1"s among its first 144 characters.
DrawingGrid blackCellsOf(QStringView gridString);
