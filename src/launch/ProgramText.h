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

// A shortcut's program text, read once: the command it stands for and what the disk says of it;
// the label's name, the checks and the launch all use that reading.
class ProgramText {
public:
    // When the whole text names an existing file or folder, that is it (paths with spaces work):
    // a desktop entry ("*.desktop"), an executable file, or else a document or folder to open.
    // Otherwise the text is split with shell-like quoting into a program and its arguments. No
    // command for a blank text or an empty program name ("").
    explicit ProgramText(const QString& text);

    const std::optional<ProgramCommand>& command() const { return m_command; }
    // Why it could not be started, found without starting it; nothing when it can be. With the
    // desktop's starter, also whether an application opens a document or folder.
    std::optional<LaunchError> problem() const { return m_problem; }
    std::optional<LaunchError> problem(const ProgramStarter& starter) const;
    // What the user knows the program by: a desktop entry's application name, else the file it
    // runs or opens, without its folder or its arguments.
    QString name(const ProgramStarter& starter) const;
    // Starts it as the desktop would.
    Outcome<LaunchError> launch(ProgramStarter& starter) const;

private:
    QString m_text;
    std::optional<ProgramCommand> m_command;
    std::optional<LaunchError> m_problem;
};

// What stops a program from starting, in a few words: "programme introuvable".
QString launchProblemText(LaunchError error);
