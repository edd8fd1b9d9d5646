#pragma once

#include "store/StoreErrors.h"
#include "store/SymbolFile.h"

#include <QString>

#include <optional>

// Saving and deleting one shortcut's file in the symbol folder.
namespace shortcuts {

// A name that would leave the symbol folder (a path separator, "." or "..") or hold a line break
// or NUL is refused. The empty name is allowed: its file is ".ini".
bool isValidName(const QString& name);

// Writes the shortcut's file in one atomic replacement, keeping anything else the file holds.
// Nothing on success; on failure nothing changed.
std::optional<Failure<SaveError>> save(const QString& directory, const QString& name,
                                       const symbolfile::Content& content);

// Deletes the shortcut's file. Nothing on success.
std::optional<Failure<RemoveError>> remove(const QString& directory, const QString& name);

} // namespace shortcuts
