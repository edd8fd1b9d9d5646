#include "store/SymbolDirectory.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <dirent.h>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace symbols {

QString chooseDirectory(const QString& override, const QString& applicationDir,
                        const QString& userDataDir) {
    if (!override.isEmpty())
        return QDir::cleanPath(override);
    const QString portable = applicationDir + u"/symbol"_s;
    if (QFileInfo(portable).isDir())
        return portable;
    return userDataDir + u"/Gestrix/symbol"_s;
}

QString directory() {
    return chooseDirectory(qEnvironmentVariable(directoryOverrideVariable),
                           QCoreApplication::applicationDirPath(),
                           QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
}

namespace {
constexpr QLatin1StringView fileSuffix(".ini");
}

QString fileName(const QString& name) {
    return name + fileSuffix;
}

QString filePath(const QString& directory, const QString& name) {
    return directory + u'/' + fileName(name);
}

// Read straight from the folder: a long list is listed again at every change around it, and the
// folder says each entry's kind and file without a look at each.
QList<ShortcutFile> shortcutFiles(const QString& directory) {
    QList<ShortcutFile> files;
    DIR* folder = ::opendir(QFile::encodeName(directory).constData());
    if (!folder)
        return files;
    const QByteArray suffix = QByteArray(fileSuffix.data(), fileSuffix.size());
    while (const dirent* entry = ::readdir(folder)) {
        const QByteArray name(entry->d_name);
        if (name.startsWith('.') || !name.endsWith(suffix))
            continue;
        bool regular = entry->d_type == DT_REG;
        if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) {
            struct stat status {};
            regular = ::fstatat(::dirfd(folder), entry->d_name, &status, 0) == 0 &&
                      S_ISREG(status.st_mode);
        }
        if (regular)
            files.append({QFile::decodeName(name), entry->d_ino});
    }
    ::closedir(folder);
    return files;
}


QString shortcutName(const QString& fileName) {
    return fileName.chopped(fileSuffix.size());
}

} // namespace symbols
