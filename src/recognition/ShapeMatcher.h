#pragma once

#include "recognition/Matcher.h"
#include "recognition/PreparedSymbols.h"
#include "recognition/Stroke.h"

// The precise mode's matcher: a symbol is selected by the shape of its drawings, every stored
// drawing counting, not by the number of black cells in common.
//
// A stored drawing that has the stroke it was drawn with is compared by stroke, when the gesture's
// own stroke is known (strokeDistance, StrokeMatcher.h); any other by grid: the root mean square,
// over the black cells of both, of each cell's distance to the nearest black cell of the other
// grid, in cells and capped at two (a stroke drawn a cell aside costs little, a part missing or
// added costs much). Each distance is counted in its own full distance (strokeFullDistance,
// shapeFullDistance), so both kinds meet in one decision. A symbol is as near as its nearest
// drawing.
//
// Its two percentages, for the bars and the sliders:
//  - black: the similarity to the nearest symbol, 100 for the same drawing down to 0 at the full
//    distance;
//  - contour: the margin over the nearest other symbol: 60 (the contour slider's default) when it
//    is just as near, rising to 100 as it is farther.
// With the sliders at their defaults (50, 60) a drawing is accepted when its nearest symbol is
// within half its full distance and strictly nearer than any other.
Recognition
recognisePrecisely(const DrawingGrid& drawing, const Stroke& stroke,
                   const PreparedSymbols& prepared, const SymbolGrid& referenceGrid,
                   const std::function<symbolfile::Content(const QString& name)>& readStored);

// The distances at which similarity reaches 0, tuned on the recorded gestures: in cells for
// grids, in units of the stroke's size for strokes.
inline constexpr float shapeFullDistance = 1.08f;
inline constexpr float strokeFullDistance = 0.195f;

// The distance between two drawings; infinite when either has no black cell.
float shapeDistance(const DrawingGrid& a, const DrawingGrid& b);

// The cells a Grid string makes black: its "1"s among its first 144 characters.
DrawingGrid blackCellsOf(QStringView gridString);
