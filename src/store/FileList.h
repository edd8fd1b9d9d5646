#pragma once

#include <QString>
#include <QStringList>

// The symbol folder's shortcut files (symbols::fileNames), in ascending name order without regard
// to case, as a Windows file list box shows them.
class FileList {
public:
    void setPath(const QString& path) { m_path = path; }
    const QString& path() const { return m_path; }

    // Reads the folder again; a missing or unreadable folder lists nothing.
    void refresh();
    const QStringList& names() const { return m_names; }

private:
    QString m_path;
    QStringList m_names;
};
