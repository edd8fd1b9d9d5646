#include "store/ShortcutFiles.h"

#include "store/SymbolDirectory.h"

#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace shortcuts {

bool isValidName(const QString& name) {
    if (name == u"."_s || name == u".."_s)
        return false;
    for (char16_t forbidden : {u'/', u'\\', u'\n', u'\r', u'\0'}) {
        if (name.contains(forbidden))
            return false;
    }
    return true;
}

std::optional<Failure<SaveError>> save(const QString& directory, const QString& name,
                                       const symbolfile::Content& content) {
    if (!isValidName(name))
        return Failure<SaveError>{SaveError::InvalidName, name};
    return symbolfile::write(symbols::filePath(directory, name), content);
}

std::optional<Failure<RemoveError>> remove(const QString& directory, const QString& name) {
    QFile file(symbols::filePath(directory, name));
    if (file.remove())
        return std::nullopt;
    const QFileInfo left(file.fileName());
    const bool gone = !left.exists() && !left.isSymLink();
    return Failure<RemoveError>{gone ? RemoveError::Gone : RemoveError::Io, file.errorString()};
}

} // namespace shortcuts
