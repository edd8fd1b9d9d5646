#include "store/IniFile.h"

#include "store/ProfileText.h"

#include <QFile>
#include <QSaveFile>

using namespace Qt::StringLiterals;

QString GetIniValue(const QString& section, const QString& key, const QString& file) {
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return {};
    return profile::readValue(in.readAll(), section, key).value_or(QString());
}

namespace {

bool fail(QString* error, const QString& message) {
    if (error)
        *error = message;
    return false;
}

} // namespace

bool SetIniValue(const QString& section, const QString& key, const QString& value,
                 const QString& file, QString* error) {
    return SetIniValues(section, {{key, value}}, file, error);
}

bool SetIniValues(const QString& section, const QList<std::pair<QString, QString>>& values,
                  const QString& file, QString* error) {
    QByteArray current;
    QFile in(file);
    if (in.exists()) {
        // Never replace a file whose present content we could not read: it would be lost.
        if (!in.open(QIODevice::ReadOnly))
            return fail(error, in.errorString());
        current = in.readAll();
        if (in.error() != QFileDevice::NoError)
            return fail(error, in.errorString());
        in.close();
    }

    std::optional<QByteArray> updated = current;
    for (const auto& [key, value] : values) {
        updated = profile::writeValue(*updated, section, key, value);
        if (!updated)
            return fail(error, u"value cannot be stored in a profile file"_s);
    }

    QSaveFile out(file);
    out.setDirectWriteFallback(false);
    if (!out.open(QIODevice::WriteOnly) || out.write(*updated) != updated->size() || !out.commit())
        return fail(error, out.errorString());
    return true;
}
