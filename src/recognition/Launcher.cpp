#include "recognition/Launcher.h"

#include "recognition/OutcomeText.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// Linux's limits, in bytes: a whole path and one name in it.
constexpr qsizetype longestPath = 4095;
constexpr qsizetype longestName = 255;

bool isTooLong(const QString& path) {
    const QByteArray bytes = QFile::encodeName(path);
    const QList<QByteArray> names = bytes.split('/');
    return bytes.size() > longestPath ||
           std::any_of(names.begin(), names.end(),
                       [](const QByteArray& name) { return name.size() > longestName; });
}

ProgramCommand::Kind kindOf(const QFileInfo& file) {
    if (file.isFile() && file.suffix() == u"desktop"_s)
        return ProgramCommand::Kind::DesktopEntry;
    if (file.isFile() && file.isExecutable())
        return ProgramCommand::Kind::Executable;
    return ProgramCommand::Kind::Document;
}

std::optional<LaunchError> executableProblem(const QString& program) {
    if (isTooLong(program))
        return LaunchError::TooLong;
    if (!program.contains(u'/'))
        return QStandardPaths::findExecutable(program).isEmpty()
                   ? std::optional(LaunchError::NotFound)
                   : std::nullopt;
    const QFileInfo file(program);
    if (!file.exists())
        return LaunchError::NotFound;
    if (file.isDir() || !file.isExecutable())
        return LaunchError::NotExecutable;
    return std::nullopt;
}

} // namespace

std::optional<ProgramCommand> commandFromRepertoire(const QString& repertoire) {
    // A NUL can name no file (and Qt warns about such a name).
    if (!repertoire.isEmpty() && !repertoire.contains(QChar(0))) {
        const QFileInfo whole(repertoire);
        if (whole.exists())
            return ProgramCommand{kindOf(whole), repertoire, {}};
    }
    QStringList words = QProcess::splitCommand(repertoire);
    if (words.isEmpty() || words.front().isEmpty())
        return std::nullopt;
    const QString program = words.takeFirst();
    return ProgramCommand{ProgramCommand::Kind::Executable, program, words};
}

std::optional<LaunchError> launchProblem(const QString& repertoire) {
    const std::optional<ProgramCommand> command = commandFromRepertoire(repertoire);
    if (!command)
        return LaunchError::NoProgram;
    if (command->kind != ProgramCommand::Kind::Executable)
        return std::nullopt;
    return executableProblem(command->program);
}

std::optional<LaunchError> launchProblem(const QString& repertoire, const ProgramStarter& starter) {
    if (const std::optional<LaunchError> problem = launchProblem(repertoire))
        return problem;
    const ProgramCommand command = *commandFromRepertoire(repertoire);
    if (command.kind == ProgramCommand::Kind::Document &&
        !starter.hasApplicationFor(command.program))
        return LaunchError::NoApplication;
    return std::nullopt;
}

QString programName(const QString& repertoire, const ProgramStarter& starter) {
    const std::optional<ProgramCommand> command = commandFromRepertoire(repertoire);
    if (!command)
        return repertoire.trimmed();
    if (command->kind == ProgramCommand::Kind::DesktopEntry) {
        if (const QString name = starter.applicationName(command->program); !name.isEmpty())
            return name;
    }
    QString file = command->program;
    while (file.size() > 1 && file.endsWith(u'/'))
        file.chop(1);
    return GetLastPart(file, u"/"_s);
}

Outcome<LaunchError> launchRepertoire(const QString& repertoire, ProgramStarter& starter) {
    if (const std::optional<LaunchError> problem = launchProblem(repertoire, starter))
        return Failure<LaunchError>{*problem, repertoire};
    const ProgramCommand command = *commandFromRepertoire(repertoire);
    bool started = false;
    switch (command.kind) {
    case ProgramCommand::Kind::Executable:
        started = starter.startDetached(command.program, command.arguments);
        break;
    case ProgramCommand::Kind::DesktopEntry:
        started = starter.launchDesktopEntry(command.program);
        break;
    case ProgramCommand::Kind::Document:
        started = starter.openWithDefaultApplication(command.program);
        break;
    }
    if (!started)
        return Failure<LaunchError>{LaunchError::StartFailed,
                                    (QStringList{command.program} + command.arguments).join(u' ')};
    return std::nullopt;
}
