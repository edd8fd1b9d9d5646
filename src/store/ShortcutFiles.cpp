#include "store/ShortcutFiles.h"

#include "store/SymbolDirectory.h"
#include "store/Trash.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace shortcuts {

namespace {

// Where a chain of links ends, followed the way the file writer follows it.
QFileInfo linkEnd(QFileInfo info) {
    for (int depth = 0; depth < 128 && info.isSymLink(); ++depth)
        info.setFile(info.symLinkTarget());
    return info;
}

bool leadsOutside(const QString& directory, const QString& path) {
    const QFileInfo file(path);
    if (!file.isSymLink())
        return false;
    const QFileInfo end = linkEnd(file);
    const QString folder = QFileInfo(directory).canonicalFilePath();
    return end.isSymLink() || QFileInfo(end.absolutePath()).canonicalFilePath() != folder;
}

// Linux's limit for one name in a path, in bytes.
constexpr qsizetype longestFileName = 255;

} // namespace

bool isValidName(const QString& name) {
    if (name.trimmed().isEmpty() || name.startsWith(u'.'))
        return false;
    for (char16_t forbidden : {u'/', u'\\', u'\n', u'\r', u'\0'}) {
        if (name.contains(forbidden))
            return false;
    }
    return true;
}

Outcome<SaveError> save(const QString& directory, const QString& name,
                        const symbolfile::Content& content) {
    if (!isValidName(name))
        return Failure<SaveError>{SaveError::InvalidName, name};
    if (QFile::encodeName(symbols::fileName(name)).size() > longestFileName)
        return Failure<SaveError>{SaveError::NameTooLong, name};
    const QString path = symbols::filePath(directory, name);
    if (leadsOutside(directory, path))
        return Failure<SaveError>{SaveError::LinkOutside, QFileInfo(path).symLinkTarget()};
    return symbolfile::write(path, content);
}

std::optional<QByteArray> snapshot(const QString& directory, const QString& name) {
    QFile file(symbols::filePath(directory, name));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

Outcome<RemoveError> remove(const QString& directory, const QString& name) {
    QFile file(symbols::filePath(directory, name));
    if (file.remove())
        return std::nullopt;
    const QFileInfo left(file.fileName());
    const bool gone = !left.exists() && !left.isSymLink();
    return Failure<RemoveError>{gone ? RemoveError::Gone : RemoveError::Io, file.errorString()};
}

Outcome<RemoveError> moveToTrash(const QString& directory, const QString& name, QString& trashed) {
    const QString path = symbols::filePath(directory, name);
    const QFileInfo there(path);
    if (!there.exists() && !there.isSymLink())
        return Failure<RemoveError>{RemoveError::Gone, path + u" is gone"_s};
    QString problem;
    const std::optional<QString> moved = trash::move(path, problem);
    if (!moved)
        return Failure<RemoveError>{RemoveError::Trash, problem};
    trashed = *moved;
    return std::nullopt;
}

Outcome<SaveError> restore(const QString& trashed, const QString& directory, const QString& name) {
    const QString path = symbols::filePath(directory, name);
    const QFileInfo there(path);
    if (there.exists() || there.isSymLink())
        return Failure<SaveError>{SaveError::Io, path + u" exists again"_s};
    if (!QFile::rename(trashed, path))
        return Failure<SaveError>{SaveError::Io, u"cannot move "_s + trashed + u" back"_s};
    // The trash's note on where the file came from goes with it.
    const QFileInfo inTrash(trashed);
    QFile::remove(inTrash.dir().filePath(u"../info/"_s + inTrash.fileName() + u".trashinfo"_s));
    return std::nullopt;
}

} // namespace shortcuts
