#pragma once

#include <QString>

// Reading and writing one key of a profile file on disk.

// The stored value; "" when the file, the section or the key is missing or unreadable.
QString GetIniValue(const QString& section, const QString& key, const QString& file);

// Stores the value, creating the file, section or key as needed. The file is replaced atomically,
// so a failed write leaves it as it was. On failure returns false and, when asked, says why.
bool SetIniValue(const QString& section, const QString& key, const QString& value,
                 const QString& file, QString* error = nullptr);
