#include "store/SymbolDirectory.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

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

QString filePath(const QString& directory, const QString& name) {
    return directory + u'/' + name + u".ini"_s;
}

} // namespace symbols
