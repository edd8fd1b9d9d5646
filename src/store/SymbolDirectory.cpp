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

namespace {
constexpr QLatin1StringView fileSuffix(".ini");
}

QString fileName(const QString& name) {
    return name + fileSuffix;
}

QString filePath(const QString& directory, const QString& name) {
    return directory + u'/' + fileName(name);
}

QStringList fileNames(const QString& directory) {
    return QDir(directory).entryList({u'*' + fileSuffix}, QDir::Files | QDir::CaseSensitive,
                                     QDir::Unsorted);
}

QString shortcutName(const QString& fileName) {
    return fileName.chopped(fileSuffix.size());
}

} // namespace symbols
