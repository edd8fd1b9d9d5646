#include "recognition/Launcher.h"

#include <QFileInfo>
#include <QLoggingCategory>
#include <QProcess>

Q_LOGGING_CATEGORY(lcLauncher, "gestrix.launcher", QtCriticalMsg)

std::optional<ProgramCommand> commandFromRepertoire(const QString& repertoire) {
    // A NUL can name no file (and Qt warns about such a name).
    if (!repertoire.contains(QChar(0)) && QFileInfo(repertoire).isFile())
        return ProgramCommand{repertoire, {}};
    QStringList words = QProcess::splitCommand(repertoire);
    if (words.isEmpty() || words.front().isEmpty())
        return std::nullopt;
    const QString program = words.takeFirst();
    return ProgramCommand{program, words};
}

bool launchRepertoire(const QString& repertoire, ProgramStarter& starter) {
    const std::optional<ProgramCommand> command = commandFromRepertoire(repertoire);
    if (!command) {
        qCWarning(lcLauncher) << "no program to start:" << repertoire;
        return false;
    }
    if (!starter.startDetached(command->program, command->arguments)) {
        qCWarning(lcLauncher) << "cannot start" << command->program << command->arguments;
        return false;
    }
    return true;
}
