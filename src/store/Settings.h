#pragma once

#include "store/Failure.h"

#include <QString>

#include <optional>

// The per-user settings: text values under the application "Gestrix", in the sections
// "Configuration" and "Option". Every reader and writer in the process goes through one settings
// object, so what one saves the next reads, without a file access per read.
namespace settings {

// The stored text of the key, or the default when the key is absent.
QString GetSetting(const QString& section, const QString& key, const QString& defaultValue);
// Writes the text through to the settings file at once; a file that could not be written is an
// Io failure (the value still reads back in this run, but is lost at the next).
Outcome<SaveError> SaveSetting(const QString& section, const QString& key, const QString& text);

// The text read as a number: surrounding blanks allowed, "." or the user's decimal separator.
std::optional<double> toNumber(const QString& text);
// The text as a 16-bit integer, rounding halves to even; nothing when it is no number or does not
// fit in 16 bits.
std::optional<qint16> toInteger16(const QString& text);

} // namespace settings
