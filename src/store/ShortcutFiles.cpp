#include "store/ShortcutFiles.h"

#include "store/IniFile.h"
#include "store/SymbolDirectory.h"

#include <QFile>

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

bool save(const QString& directory, const QString& name, const QString& gridString,
          const QString& program, QString* error) {
    if (!isValidName(name)) {
        if (error)
            *error = u"invalid shortcut name"_s;
        return false;
    }
    return SetIniValues(u"Image"_s, {{u"Value"_s, gridString}, {u"Repertoire"_s, program}},
                        symbols::filePath(directory, name), error);
}

bool remove(const QString& directory, const QString& name, QString* error) {
    QFile file(symbols::filePath(directory, name));
    if (file.remove())
        return true;
    if (error)
        *error = file.errorString();
    return false;
}

} // namespace shortcuts
