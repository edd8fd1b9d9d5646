#pragma once

#include "store/Failure.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>

// Reading and writing keys of a profile file on disk.

// The values of several keys of one section, from one reading of the file, in the order asked:
// "" for a key that is missing, or whose section or file is missing or unreadable.
QStringList GetIniValues(const QString& section, const QStringList& keys, const QString& file);

// Stores several keys of one section, in order, and removes others, in one atomic replacement of
// the file: all of it or nothing, creating the file, section or keys as needed. Nothing on
// success.
Outcome<SaveError> SetIniValues(const QString& section,
                                const QList<std::pair<QString, QString>>& values,
                                const QString& file, const QStringList& removedKeys = {});
