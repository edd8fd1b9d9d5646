#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <sys/types.h>

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

// A shortcut's file is its name as typed, then ".ini", exactly: an editor's backup ("x.ini~",
// "x.ini.bak") or a sync tool's temporary (".x.ini.tmp") is no shortcut.
QString fileName(const QString& name);
QString filePath(const QString& directory, const QString& name);

// A shortcut file as the folder lists it: its name, and the file it names (a file renamed over
// it is another).
struct ShortcutFile {
    QString name;
    ino_t inode = 0;
};

// The shortcut files of the folder: regular files or links to them, in no particular order;
// nothing when it cannot be read. Hidden files are no shortcuts: they are other programs' (a
// sync tool's, a copy's resource fork "._x.ini").
QList<ShortcutFile> shortcutFiles(const QString& directory);
// The shortcut a file name of shortcutFiles stands for.
QString shortcutName(const QString& fileName);

} // namespace symbols
