#include "store/IniFile.h"

#include "store/ProfileText.h"

#include <QFile>
#include <QSaveFile>

#include <unistd.h>

namespace {

// Puts the whole text in a temporary file beside the target and renames it over the target only
// once every byte has reached the disk. QSaveFile alone is not enough: it buffers writes, and
// Qt 6.4's commit() renames even after the buffered write failed, so a full disk would leave an
// empty file in place of the old one.
Outcome<SaveError> replaceWhole(const QString& file, const QByteArray& text) {
    QSaveFile out(file);
    out.setDirectWriteFallback(false);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return Failure<SaveError>{SaveError::Io, out.errorString()};
    if (out.write(text) != text.size())
        return Failure<SaveError>{SaveError::Io, out.errorString()};
    if (::fsync(out.handle()) != 0)
        return Failure<SaveError>{SaveError::Io, qt_error_string(errno)};
    // Not committed, the temporary file goes with the object and the old file stays.
    if (!out.commit())
        return Failure<SaveError>{SaveError::Io, out.errorString()};
    return std::nullopt;
}

} // namespace

QStringList GetIniValues(const QString& section, const QStringList& keys, const QString& file) {
    QFile in(file);
    const QByteArray text = in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    QStringList values;
    for (const QString& key : keys)
        values.append(profile::readValue(text, section, key).value_or(QString()));
    return values;
}

Outcome<SaveError> SetIniValues(const QString& section,
                                const QList<std::pair<QString, QString>>& values,
                                const QString& file, const QStringList& removedKeys) {
    QByteArray current;
    QFile in(file);
    if (in.exists()) {
        // Never replace a file whose present content we could not read: it would be lost.
        if (!in.open(QIODevice::ReadOnly))
            return Failure<SaveError>{SaveError::Unreadable, in.errorString()};
        current = in.readAll();
        if (in.error() != QFileDevice::NoError)
            return Failure<SaveError>{SaveError::Unreadable, in.errorString()};
        in.close();
    }

    std::optional<QByteArray> updated = current;
    for (const auto& [key, value] : values) {
        updated = profile::writeValue(*updated, section, key, value);
        if (!updated)
            return Failure<SaveError>{SaveError::NotStorable, key + QStringLiteral(" = ") + value};
    }
    for (const QString& key : removedKeys)
        updated = profile::removeValue(*updated, section, key);
    return replaceWhole(file, *updated);
}
