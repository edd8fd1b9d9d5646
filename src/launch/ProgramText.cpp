#include "launch/ProgramText.h"

#include <QCoreApplication>
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

std::optional<ProgramCommand> commandOf(const QString& text) {
    // A NUL can name no file (and Qt warns about such a name).
    if (!text.isEmpty() && !text.contains(QChar(0))) {
        const QFileInfo whole(text);
        if (whole.exists())
            return ProgramCommand{kindOf(whole), text, {}};
    }
    QStringList words = QProcess::splitCommand(text);
    if (words.isEmpty() || words.front().isEmpty())
        return std::nullopt;
    const QString program = words.takeFirst();
    return ProgramCommand{ProgramCommand::Kind::Executable, program, words};
}

} // namespace

ProgramText::ProgramText(const QString& text) : m_text(text), m_command(commandOf(text)) {
    if (!m_command)
        m_problem = LaunchError::NoProgram;
    else if (m_command->kind == ProgramCommand::Kind::Executable)
        m_problem = executableProblem(m_command->program);
}

std::optional<LaunchError> ProgramText::problem(const ProgramStarter& starter) const {
    if (!m_problem && m_command->kind == ProgramCommand::Kind::Document &&
        !starter.hasApplicationFor(m_command->program))
        return LaunchError::NoApplication;
    return m_problem;
}

QString ProgramText::name(const ProgramStarter& starter) const {
    if (!m_command)
        return m_text.trimmed();
    if (m_command->kind == ProgramCommand::Kind::DesktopEntry) {
        if (const QString name = starter.applicationName(m_command->program); !name.isEmpty())
            return name;
    }
    QString file = m_command->program;
    while (file.size() > 1 && file.endsWith(u'/'))
        file.chop(1);
    return file.sliced(file.lastIndexOf(u'/') + 1);
}

Outcome<LaunchError> ProgramText::launch(ProgramStarter& starter) const {
    if (const std::optional<LaunchError> found = problem(starter))
        return Failure<LaunchError>{*found, m_text};
    bool started = false;
    switch (m_command->kind) {
    case ProgramCommand::Kind::Executable:
        started = starter.startDetached(m_command->program, m_command->arguments);
        break;
    case ProgramCommand::Kind::DesktopEntry:
        started = starter.launchDesktopEntry(m_command->program);
        break;
    case ProgramCommand::Kind::Document:
        started = starter.openWithDefaultApplication(m_command->program);
        break;
    }
    if (!started)
        return Failure<LaunchError>{
            LaunchError::StartFailed,
            (QStringList{m_command->program} + m_command->arguments).join(u' ')};
    return std::nullopt;
}

QString launchProblemText(LaunchError error) {
    switch (error) {
    case LaunchError::NoProgram:
        return QCoreApplication::translate("Launcher", "aucun programme indiqué");
    case LaunchError::NotFound:
        return QCoreApplication::translate("Launcher", "programme introuvable");
    case LaunchError::NotExecutable:
        return QCoreApplication::translate("Launcher", "ce n'est pas un programme");
    case LaunchError::TooLong:
        return QCoreApplication::translate("Launcher", "nom de fichier trop long");
    case LaunchError::NoApplication:
        return QCoreApplication::translate("Launcher", "aucune application n'ouvre ce fichier");
    case LaunchError::StartFailed:
        break;
    }
    return QCoreApplication::translate("Launcher", "le système n'a pas pu le lancer");
}
