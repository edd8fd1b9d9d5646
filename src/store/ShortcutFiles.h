#pragma once

#include <QString>

// Saving and deleting one shortcut's file in the symbol folder.
namespace shortcuts {

// A name that would leave the symbol folder (a path separator, "." or "..") or hold a line break
// or NUL is refused. The empty name is allowed: its file is ".ini".
bool isValidName(const QString& name);

// Writes the Grid string, then the program, into the shortcut's file in one atomic replacement,
// keeping anything else the file holds. On failure says why and changes nothing.
bool save(const QString& directory, const QString& name, const QString& gridString,
          const QString& program, QString* error);

// Deletes the shortcut's file. On failure (already gone, read-only folder) says why.
bool remove(const QString& directory, const QString& name, QString* error);

} // namespace shortcuts
