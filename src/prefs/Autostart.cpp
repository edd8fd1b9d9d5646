#include "prefs/Autostart.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace prefs::autostart {
namespace {

// The program as the session will find it: by its name when that is this program (installed),
// else by its own path (a build, a portable folder), quoted as desktop entries quote.
QByteArray program() {
    const QString running = QFileInfo(QCoreApplication::applicationFilePath()).canonicalFilePath();
    const QString installed = QStandardPaths::findExecutable(u"gestrix"_s);
    if (running.isEmpty() || QFileInfo(installed).canonicalFilePath() == running)
        return "gestrix";
    QByteArray quoted = "\"";
    for (const char c : QFile::encodeName(running)) {
        if (c == '"' || c == '`' || c == '$' || c == '\\')
            quoted += "\\\\"; // the Exec escape, itself escaped as every string value is
        quoted += c;
    }
    return quoted + '"';
}

QByteArray entry() {
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Gestrix\n"
           "Comment=Mouse-gesture launcher\n"
           "Comment[fr]=Lanceur de programmes par gestes de la souris\n"
           "Exec=" +
           program() +
           " --minimized\n"
           "Icon=gestrix\n"
           "Terminal=false\n"
           "X-GNOME-Autostart-enabled=true\n";
}

} // namespace

QString entryPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           u"/autostart/gestrix.desktop"_s;
}

bool isEnabled() {
    return QFileInfo::exists(entryPath());
}

Outcome<SaveError> setEnabled(bool enabled) {
    const QString path = entryPath();
    if (!enabled) {
        QFile file(path);
        if (!file.exists() || file.remove())
            return std::nullopt;
        return Failure<SaveError>{SaveError::Io, file.errorString()};
    }
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return Failure<SaveError>{SaveError::Io,
                                  u"cannot make "_s + QFileInfo(path).absolutePath()};
    QSaveFile file(path);
    const QByteArray text = entry();
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit())
        return Failure<SaveError>{SaveError::Io, file.errorString()};
    return std::nullopt;
}

} // namespace prefs::autostart
