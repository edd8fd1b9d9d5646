#pragma once

#include <QDir>
#include <QFile>
#include <QSettings>

// While it lives, the settings file cannot be written: a folder stands in its place (which holds
// for root too). The file comes back, empty, when it goes.
class UnwritableSettings {
public:
    UnwritableSettings()
        : m_path(QSettings(QStringLiteral("Gestrix"), QStringLiteral("Gestrix")).fileName()) {
        QFile::remove(m_path);
        QDir().mkpath(m_path);
    }
    ~UnwritableSettings() { QDir(m_path).removeRecursively(); }
    UnwritableSettings(const UnwritableSettings&) = delete;
    UnwritableSettings& operator=(const UnwritableSettings&) = delete;

private:
    QString m_path;
};
