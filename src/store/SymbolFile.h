#pragma once

#include "store/Failure.h"
#include "store/SymbolGrid.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

// A shortcut's file, the one place its format is known: a profile file whose section "Image"
// holds the symbol's Grid string under "Value", further drawings of the same symbol under
// "Value2" to "Value5", the stroke each drawing was drawn with (when it was drawn on the screen)
// under "Trace" to "Trace5", and the program to start under "Repertoire". A Grid string has one
// character per cell, cell 0 first: "1" black, "0" white. A trace is the pointer's path, "x,y"
// pairs separated by spaces. Readers that know only "Value" see the first drawing.
namespace symbolfile {

// How many drawings a file holds at most.
inline constexpr int mostDrawings = 5;

struct Content {
    QString gridString; // the first drawing
    QString program;
    QStringList moreDrawings = {}; // the others, in order, without gaps
    // The trace of each drawing, the first drawing's first; "" (or past the end) for none.
    QStringList traces = {};
};

// What the file holds: "" for what is missing or unreadable.
Content read(const QString& path);

// Writes the drawings, then the program, in one atomic replacement that keeps whatever else the
// file holds and drops drawings it no longer has. Nothing on success.
Outcome<SaveError> write(const QString& path, const Content& content);

// The Grid string of a grid: "0" for a white cell, "1" for any other.
QString gridStringOf(const SymbolGrid& grid);

// Paints a Grid string into the grid (Ouvrir's work): character k is cell k - 1, "1" black, any
// other digit white. Cells past the string keep their colour. Returns false where the load fails,
// keeping the cells painted so far: a string longer than 255 characters (before any cell changes),
// a character that is not a digit (at that cell), or more than 144 characters (after all 144).
bool paintGridString(SymbolGrid& grid, QStringView gridString);

} // namespace symbolfile
