#include "store/IniFile.h"

#include "store/ProfileText.h"

#include <QFile>
#include <QSaveFile>

QStringList GetIniValues(const QString& section, const QStringList& keys, const QString& file) {
    QFile in(file);
    const QByteArray text = in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    QStringList values;
    for (const QString& key : keys)
        values.append(profile::readValue(text, section, key).value_or(QString()));
    return values;
}

std::optional<Failure<SaveError>> SetIniValues(const QString& section,
                                               const QList<std::pair<QString, QString>>& values,
                                               const QString& file) {
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

    QSaveFile out(file);
    out.setDirectWriteFallback(false);
    if (!out.open(QIODevice::WriteOnly) || out.write(*updated) != updated->size() || !out.commit())
        return Failure<SaveError>{SaveError::Io, out.errorString()};
    return std::nullopt;
}
