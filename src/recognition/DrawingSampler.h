#pragma once

#include <QImage>

#include <bitset>

#include "store/SymbolGrid.h"

// Which cells of a symbol grid the drawing covers: one bit per cell.
using DrawingGrid = std::bitset<SymbolGrid::cellCount>;

// Samples the comparison picture at one pixel per cell: the pixel at (Left / twipsPerPixelX + 1,
// Top / twipsPerPixelY + 1) of the cell, a whole-pixel lattice at 15, 12 and 10 twips per pixel
// (fractions are cut). A cell is covered only when that pixel is exactly black; a point outside
// the picture reads as not covered.
DrawingGrid sampleDrawing(const QImage& picture, float twipsPerPixelX, float twipsPerPixelY);
