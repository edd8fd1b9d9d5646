#pragma once

#include "platform/ProgramStarter.h"
#include "store/Failure.h"

#include <QString>
#include <QStringList>

#include <optional>

// What a shortcut's program text asks to start.
struct ProgramCommand {
    enum class Kind { Executable, DesktopEntry, Document };
    Kind kind = Kind::Executable;
    QString program;       // the executable, or the desktop entry, document or folder
    QStringList arguments; // an executable's
    bool operator==(const ProgramCommand&) const = default;
};

// Why a program text starts nothing.
enum class LaunchError {
    NoProgram,     // the text is blank
    NotFound,      // no such file, nor such a program on the PATH
    NotExecutable, // a file or folder that cannot be run with arguments
    TooLong,       // a name longer than the system allows
    NoApplication, // a document or folder no application of the desktop opens
    StartFailed,   // the system refused to start it
};

// A shortcut's program text as a command. When the whole text names an existing file or folder,
// that is it (paths with spaces work): a desktop entry ("*.desktop"), an executable file, or else
// a document or folder to open. Otherwise the text is split with shell-like quoting into a program
// and its arguments. Nothing for a blank text or an empty program name ("").
std::optional<ProgramCommand> commandFromRepertoire(const QString& repertoire);

// Why the program text could not be started, found without starting it; nothing when it can be.
std::optional<LaunchError> launchProblem(const QString& repertoire);
// The same, and whether the desktop has an application for a document or folder.
std::optional<LaunchError> launchProblem(const QString& repertoire, const ProgramStarter& starter);

// What the user knows the program by: a desktop entry's application name, else the file it runs
// or opens, without its folder or its arguments.
QString programName(const QString& repertoire, const ProgramStarter& starter);

// Starts the shortcut's program as the desktop would.
Outcome<LaunchError> launchRepertoire(const QString& repertoire, ProgramStarter& starter);
