#pragma once

#include <QString>

// Where the shortcuts live, and the path of one shortcut's file.
namespace symbols {

// Environment variable that points the program at another symbol folder (tests, several setups).
inline constexpr char directoryOverrideVariable[] = "GESTRIX_SYMBOL_DIR";

// The folder chosen from its candidates, first match wins: the override when set; "symbol"
// beside the executable when that folder already exists (portable use); else the per-user data
// folder's "Gestrix/symbol". A portable folder is never created on its own, so a build or install
// folder that is wiped does not take the user's shortcuts with it.
QString chooseDirectory(const QString& override, const QString& applicationDir,
                        const QString& userDataDir);

// chooseDirectory for this process: the environment, the executable's folder, XDG_DATA_HOME.
QString directory();

// The file of the shortcut called name: the name is used as typed, then ".ini".
QString filePath(const QString& directory, const QString& name);

} // namespace symbols
