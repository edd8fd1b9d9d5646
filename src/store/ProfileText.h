#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <optional>

// The text of a profile (INI) file: "[section]" headers and "key=value" lines, UTF-8.
// Sections and keys match without regard to case. Values read back exactly as written: one
// surrounding pair of double quotes is stripped on read and added on write when the value starts
// or ends with a space, a tab or a double quote. Writing keeps every other byte of the text.
namespace profile {

// The value of key in section, or nothing when either is absent. Invalid UTF-8 reads as U+FFFD.
std::optional<QString> readValue(const QByteArray& text, QStringView section, QStringView key);

// The text with key set to value: replaced in place where the key exists, added at the end of the
// section, or in a new section at the end. Nothing when the value holds a line break or NUL, or
// the section or key name could not be read back as the same name.
std::optional<QByteArray> writeValue(const QByteArray& text, QStringView section, QStringView key,
                                     QStringView value);

// The text without the first line of key in section; the text as it was when there is none.
QByteArray removeValue(const QByteArray& text, QStringView section, QStringView key);

} // namespace profile
