#pragma once

#include "store/Failure.h"
#include "store/SymbolFile.h"

#include <QString>

#include <optional>

// Saving and deleting one shortcut's file in the symbol folder.
namespace shortcuts {

// A name that is empty or only blanks, that would leave the symbol folder (a path separator, "."
// or ".."), that would hide its file (a leading ".") or that holds a line break or NUL is
// refused.
bool isValidName(const QString& name);

// Writes the shortcut's file in one atomic replacement, keeping anything else the file holds.
// A file that is a link is written where it leads only when that is inside the folder.
// Nothing on success; on failure nothing changed.
Outcome<SaveError> save(const QString& directory, const QString& name,
                        const symbolfile::Content& content);

// The bytes of the shortcut's file as they stand, to tell later whether it changed meanwhile;
// nothing when there is no such file.
std::optional<QByteArray> snapshot(const QString& directory, const QString& name);

// Deletes the shortcut's file (a link, not where it leads). Nothing on success.
Outcome<RemoveError> remove(const QString& directory, const QString& name);
// Moves the shortcut's file to the desktop's trash, and says where it went (trashed); a failure
// when it cannot go there (the file is then where it was).
Outcome<RemoveError> moveToTrash(const QString& directory, const QString& name, QString& trashed);
// Brings a shortcut's file back from the trash, unless another file of that name has come.
Outcome<SaveError> restore(const QString& trashed, const QString& directory, const QString& name);

} // namespace shortcuts
