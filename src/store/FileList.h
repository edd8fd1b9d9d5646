#pragma once

#include "store/SymbolDirectory.h"

#include <QList>
#include <QString>

// The symbol folder's shortcut files (symbols::shortcutFiles), in ascending name order without
// regard to case, as a Windows file list box shows them.
class FileList {
public:
    void setPath(const QString& path) { m_path = path; }
    const QString& path() const { return m_path; }

    // Reads the folder again; a missing or unreadable folder lists nothing.
    void refresh();
    const QList<symbols::ShortcutFile>& files() const { return m_files; }

private:
    QString m_path;
    QList<symbols::ShortcutFile> m_files;
};
