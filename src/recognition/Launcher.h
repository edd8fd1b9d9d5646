#pragma once

#include "platform/ProgramStarter.h"

#include <QString>
#include <QStringList>

#include <optional>

// A program and its arguments, to start without a shell.
struct ProgramCommand {
    QString program;
    QStringList arguments;
    bool operator==(const ProgramCommand&) const = default;
};

// A shortcut's program text as a command: the whole text when it names an existing file
// (paths with spaces work), else the text split with shell-like quoting. Nothing for a blank text
// or an empty program name ("").
std::optional<ProgramCommand> commandFromRepertoire(const QString& repertoire);

// Starts the shortcut's program; false, and a log line, when there is nothing to start or the
// start fails.
bool launchRepertoire(const QString& repertoire, ProgramStarter& starter);
