#pragma once

#include <QList>
#include <QString>

#include <utility>

// Reading and writing keys of a profile file on disk.

// The stored value; "" when the file, the section or the key is missing or unreadable.
QString GetIniValue(const QString& section, const QString& key, const QString& file);

// Stores the value, creating the file, section or key as needed. The file is replaced atomically,
// so a failed write leaves it as it was. On failure returns false and, when asked, says why.
bool SetIniValue(const QString& section, const QString& key, const QString& value,
                 const QString& file, QString* error = nullptr);

// Stores several keys of one section, in order, in one atomic replacement of the file: all of
// them or none.
bool SetIniValues(const QString& section, const QList<std::pair<QString, QString>>& values,
                  const QString& file, QString* error = nullptr);
