#include "store/SymbolFolderWatch.h"

#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace {

// Changes come in bursts (a save is a write and a rename, a sync many files): the list is read
// once they have settled.
constexpr int settleMs = 300;
constexpr int lookAgainMs = 1000;
constexpr int retryMs = 1000;

std::optional<std::pair<dev_t, ino_t>> identityOf(const QString& path) {
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return std::nullopt;
    return std::pair(status.st_dev, status.st_ino);
}

} // namespace

SymbolFolderWatch::SymbolFolderWatch(QString folder, QObject* parent)
    : QObject(parent), m_folder(std::move(folder)) {
    for (auto [timer, interval] :
         {std::pair(&m_settled, settleMs), std::pair(&m_lookAgain, lookAgainMs)}) {
        timer->setSingleShot(true);
        timer->setInterval(interval);
    }
    connect(&m_settled, &QTimer::timeout, this, &SymbolFolderWatch::changed);
    connect(&m_lookAgain, &QTimer::timeout, this, &SymbolFolderWatch::anythingChanged);
    m_retry.setInterval(retryMs);
    connect(&m_retry, &QTimer::timeout, this, [this] {
        if (watchFolder())
            anythingChanged();
    });
    connect(&m_watch, &QFileSystemWatcher::directoryChanged, &m_settled,
            qOverload<>(&QTimer::start));
    connect(&m_watch, &QFileSystemWatcher::fileChanged, this, [this](const QString& path) {
        const QString name = QFileInfo(path).fileName();
        if (!m_changes.files.contains(name))
            m_changes.files.append(name);
        m_settled.start();
    });
    watchFolder();
}

void SymbolFolderWatch::anythingChanged() {
    m_changes.anything = true;
    Q_EMIT changed();
}

bool SymbolFolderWatch::watchFolder() {
    const QString parent = QFileInfo(m_folder).path();
    if (!m_watch.directories().contains(parent))
        m_watch.addPath(parent);
    const auto identity = identityOf(m_folder);
    bool watched = m_watch.directories().contains(m_folder);
    if (!watched || identity != m_identity) {
        if (watched)
            m_watch.removePath(m_folder);
        watched = m_watch.addPath(m_folder);
        m_identity = watched ? identity : std::nullopt;
        // Files of the folder that was there before are others.
        if (!m_watch.files().isEmpty())
            m_watch.removePaths(m_watch.files());
    }
    if (watched)
        m_retry.stop();
    else if (!m_retry.isActive())
        m_retry.start();
    return watched;
}

void SymbolFolderWatch::follow(const QStringList& read, const QStringList& gone) {
    watchFolder();
    const auto paths = [this](const QStringList& names) {
        QStringList paths;
        paths.reserve(names.size());
        for (const QString& name : names)
            paths.append(m_folder + u'/' + name);
        return paths;
    };
    if (!gone.isEmpty())
        m_watch.removePaths(paths(gone));
    // A file renamed over a watched one is another: the watch went with the one it replaced.
    if (!read.isEmpty())
        m_watch.addPaths(paths(read));
}
