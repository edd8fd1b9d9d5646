#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <optional>
#include <utility>

#include <sys/types.h>

// Tells when the symbol folder's shortcuts may have changed, a moment after the last change,
// whatever happens to the folder itself: deleted and made again, replaced by a link, unreadable
// for a while, as sync tools and backups do. The folder's parent is watched too, and while the
// folder cannot be watched it is tried again every second. Each shortcut file is watched as well:
// a write in place does not change the folder.
class SymbolFolderWatch final : public QObject {
    Q_OBJECT

public:
    explicit SymbolFolderWatch(QString folder, QObject* parent = nullptr);

    // What changed since the last time, besides names that came or went: files written in
    // place, by name, or maybe anything (the folder is another one, or was out of reach).
    struct Changes {
        QStringList files;
        bool anything = false;
    };
    Changes takeChanges() { return std::exchange(m_changes, {}); }

    // After the folder was read: the files read (again) are watched, those gone no longer.
    void follow(const QStringList& read, const QStringList& gone);
    // Something is still being written: changed() comes again a moment later, change or not.
    void lookAgainSoon() { m_lookAgain.start(); }

Q_SIGNALS:
    void changed();

private:
    // Watches the folder's parent, and the folder again when it is another one under the same
    // name now; false when the folder cannot be watched.
    bool watchFolder();

    void anythingChanged();

    QString m_folder;
    Changes m_changes;
    QFileSystemWatcher m_watch;
    QTimer m_settled;
    QTimer m_lookAgain;
    QTimer m_retry;
    // The watched folder's identity: a folder in its place is another one.
    std::optional<std::pair<dev_t, ino_t>> m_identity;
};
