#pragma once

#include "store/Failure.h"

#include <QHash>
#include <QSettings>
#include <QString>

#include <optional>

// The per-user settings: text values under the application "Gestrix", in the sections
// "Configuration" and "Option". Every reader and writer in the process goes through one settings
// file object, so what one saves the next reads, without a file access per read.
namespace settings {

// Why a settings file cannot serve.
enum class FileProblem {
    NotAFile,   // a folder, a pipe…
    TooLarge,   // far larger than settings ever are
    Unreadable, // its permissions refuse us
    ReadOnly,   // read, but what changes cannot be kept
};

// The settings of one file. Where the file cannot serve, the values are the defaults (or the
// file's, when it is only read-only) and what this run saved, kept in memory: such a file is
// neither read nor replaced.
class SettingsFile {
public:
    explicit SettingsFile(const QString& path);

    QString value(const QString& section, const QString& key, const QString& defaultValue) const;
    Outcome<SaveError> save(const QString& section, const QString& key, const QString& text);
    // Found when the file was opened; its detail is the file's path.
    const Outcome<FileProblem>& problem() const { return m_problem; }

private:
    QString m_path;
    Outcome<FileProblem> m_problem;
    std::optional<QSettings> m_settings; // where the file can be read
    QHash<QString, QString> m_unsaved;   // where it cannot be written
};

// The user's settings file, $XDG_CONFIG_HOME/Gestrix/Gestrix.conf, for the whole process: a value
// saved is read back at once, and a read costs no file access.
SettingsFile& userSettings();

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
