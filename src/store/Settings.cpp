#include "store/Settings.h"

#include <QFile>
#include <QLocale>
#include <QStandardPaths>

#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace settings {
namespace {

// Settings take a few hundred bytes; a file much larger is not theirs to read.
constexpr qint64 maxFileBytes = 1 << 20;

QString path(const QString& section, const QString& key) {
    return section + u'/' + key;
}

// Asked of the file's entry only: a pipe is never opened, a huge file never read.
Outcome<FileProblem> problemOf(const QString& file) {
    const QByteArray name = QFile::encodeName(file);
    struct stat entry {};
    if (::stat(name.constData(), &entry) != 0)
        return std::nullopt; // not there yet: made at the first save
    FileProblem problem;
    if (!S_ISREG(entry.st_mode))
        problem = FileProblem::NotAFile;
    else if (entry.st_size > maxFileBytes)
        problem = FileProblem::TooLarge;
    else if (::access(name.constData(), R_OK) != 0)
        problem = FileProblem::Unreadable;
    else if (::access(name.constData(), W_OK) != 0)
        problem = FileProblem::ReadOnly;
    else
        return std::nullopt;
    return Failure<FileProblem>{problem, file};
}

} // namespace

SettingsFile::SettingsFile(const QString& path) : m_path(path), m_problem(problemOf(path)) {
    if (!m_problem || m_problem->error == FileProblem::ReadOnly)
        m_settings.emplace(path, QSettings::IniFormat);
}

QString SettingsFile::value(const QString& section, const QString& key,
                            const QString& defaultValue) const {
    const QString at = settings::path(section, key);
    if (const auto unsaved = m_unsaved.constFind(at); unsaved != m_unsaved.cend())
        return *unsaved;
    if (!m_settings)
        return defaultValue;
    const QVariant value = m_settings->value(at, defaultValue);
    // A text with commas written by hand, unquoted, reads as a list.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(u", "_s);
    return value.toString();
}

Outcome<SaveError> SettingsFile::save(const QString& section, const QString& key,
                                      const QString& text) {
    if (m_problem) {
        m_unsaved.insert(settings::path(section, key), text);
        return Failure<SaveError>{SaveError::Io, m_path};
    }
    m_settings->setValue(settings::path(section, key), text);
    // A settings object remembers its first error for good: a fresh one, sharing the same file
    // in this process, tells whether this write reached the disk.
    QSettings writer(m_path, QSettings::IniFormat);
    writer.sync();
    if (writer.status() != QSettings::NoError)
        return Failure<SaveError>{SaveError::Io, m_path};
    return std::nullopt;
}

SettingsFile& userSettings() {
    static SettingsFile file(
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
        u"/Gestrix/Gestrix.conf"_s);
    return file;
}

QString GetSetting(const QString& section, const QString& key, const QString& defaultValue) {
    return userSettings().value(section, key, defaultValue);
}

Outcome<SaveError> SaveSetting(const QString& section, const QString& key, const QString& text) {
    return userSettings().save(section, key, text);
}

std::optional<double> toNumber(const QString& text) {
    const QString trimmed = text.trimmed();
    bool ok = false;
    double number = QLocale::c().toDouble(trimmed, &ok);
    if (!ok)
        number = QLocale().toDouble(trimmed, &ok);
    if (!ok || !std::isfinite(number))
        return std::nullopt;
    return number;
}

std::optional<qint16> toInteger16(const QString& text) {
    const std::optional<double> number = toNumber(text);
    if (!number)
        return std::nullopt;
    const double rounded = std::nearbyint(*number); // the default rounding: halves to even
    if (rounded < std::numeric_limits<qint16>::min() ||
        rounded > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return static_cast<qint16>(rounded);
}

} // namespace settings
