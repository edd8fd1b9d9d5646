#include "prefs/Autostart.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace prefs::autostart {
namespace {

const QByteArray entry = "[Desktop Entry]\n"
                         "Type=Application\n"
                         "Name=Gestrix\n"
                         "Comment=Mouse-gesture launcher\n"
                         "Comment[fr]=Lanceur de programmes par gestes de la souris\n"
                         "Exec=gestrix --minimized\n"
                         "Icon=gestrix\n"
                         "Terminal=false\n"
                         "X-GNOME-Autostart-enabled=true\n";

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
    if (!file.open(QIODevice::WriteOnly) || file.write(entry) != entry.size() || !file.commit())
        return Failure<SaveError>{SaveError::Io, file.errorString()};
    return std::nullopt;
}

} // namespace prefs::autostart
