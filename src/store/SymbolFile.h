#pragma once

#include "store/StoreErrors.h"
#include "store/SymbolGrid.h"

#include <QString>
#include <QStringView>

#include <optional>

// A shortcut's file, the one place its format is known: a profile file whose section "Image"
// holds the symbol's Grid string under "Value" and the program to start under "Repertoire".
// A Grid string has one character per cell, cell 0 first: "1" black, "0" white.
namespace symbolfile {

struct Content {
    QString gridString;
    QString program;
};

// What the file holds: "" for what is missing or unreadable.
Content read(const QString& path);

// Writes the Grid string, then the program, in one atomic replacement that keeps whatever else
// the file holds. Nothing on success.
std::optional<Failure<SaveError>> write(const QString& path, const Content& content);

// The Grid string of a grid: "0" for a white cell, "1" for any other.
QString gridStringOf(const SymbolGrid& grid);

// Paints a Grid string into the grid (Ouvrir's work): character k is cell k - 1, "1" black, any
// other digit white. Cells past the string keep their colour. Returns false where the load fails,
// keeping the cells painted so far: a string longer than 255 characters (before any cell changes),
// a character that is not a digit (at that cell), or more than 144 characters (after all 144).
bool paintGridString(SymbolGrid& grid, QStringView gridString);

} // namespace symbolfile
