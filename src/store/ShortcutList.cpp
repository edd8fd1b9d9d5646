#include "store/ShortcutList.h"

#include "store/FileList.h"
#include "store/SymbolDirectory.h"
#include "store/SymbolFile.h"

#include <QFile>

#include <algorithm>
#include <chrono>
#include <optional>
#include <sys/stat.h>

namespace {

// A file left unfinished this long is taken as it stands: not every hand ends its last line.
constexpr std::chrono::seconds unfinishedPatience{5};

// Whether the file's last line has its end: one cut mid-line (a path cut short) is unfinished.
bool endsItsLastLine(const QString& path, off_t size) {
    QFile file(path);
    char last = 0;
    return size > 0 && file.open(QIODevice::ReadOnly) && file.seek(size - 1) &&
           file.getChar(&last) && last == '\n';
}

} // namespace

std::optional<ShortcutList::Read> ShortcutList::current(const QString& path,
                                                        const symbols::ShortcutFile& file,
                                                        const Read* known, const QDateTime& now,
                                                        Refresh& outcome) {
    struct stat status {};
    std::optional<Stamp> stamp;
    if (::stat(QFile::encodeName(path).constData(), &status) == 0)
        stamp = Stamp{status.st_size,
                      qint64(status.st_mtim.tv_sec) * 1'000'000'000 + status.st_mtim.tv_nsec,
                      status.st_dev, status.st_ino};
    if (known && stamp && known->stamp == *stamp) {
        Read same = *known;
        same.listedInode = file.inode;
        return same;
    }
    const bool unfinished = stamp && !endsItsLastLine(path, stamp->size) &&
                            now.toMSecsSinceEpoch() - stamp->modifiedNs / 1'000'000 <
                                std::chrono::milliseconds(unfinishedPatience).count();
    if (unfinished) {
        outcome.waiting = true;
        return known ? std::optional(*known) : std::nullopt;
    }
    const symbolfile::Content stored = symbolfile::read(path);
    outcome.read.append(file.name);
    return Read{stamp.value_or(Stamp{}),
                file.inode,
                {symbols::shortcutName(file.name), stored.gridString, stored.moreDrawings,
                 stored.traces, stored.program}};
}

ShortcutList::Refresh ShortcutList::refresh(FileList& files, const QStringList& writtenFiles,
                                            const QDateTime& now) {
    return bringUpToDate(files, &writtenFiles, now);
}

ShortcutList::Refresh ShortcutList::refreshAll(FileList& files, const QDateTime& now) {
    return bringUpToDate(files, nullptr, now);
}

ShortcutList::Refresh ShortcutList::bringUpToDate(FileList& files, const QStringList* writtenFiles,
                                                  const QDateTime& now) {
    files.refresh();
    Refresh outcome;
    QHash<QString, Read> before = std::exchange(m_read, {});
    m_read.reserve(files.files().size());
    QList<Shortcut> items;
    items.reserve(files.files().size());
    for (const symbols::ShortcutFile& file : files.files()) {
        std::optional<Read> known;
        if (const auto found = before.find(file.name); found != before.end()) {
            known = std::move(*found);
            before.erase(found);
        }
        const bool untouched = writtenFiles && known && known->listedInode == file.inode &&
                               !writtenFiles->contains(file.name);
        std::optional<Read> read = untouched ? std::move(known)
                                             : current(files.path() + u'/' + file.name, file,
                                                       known ? &*known : nullptr, now, outcome);
        if (read) {
            items.append(read->shortcut);
            m_read.emplace(file.name, std::move(*read));
        }
        outcome.namesChanged |= !read || !known;
    }
    for (auto gone = before.keyBegin(); gone != before.keyEnd(); ++gone)
        outcome.gone.append(*gone);
    outcome.namesChanged |= !outcome.gone.isEmpty();
    outcome.changed = outcome.namesChanged || !outcome.read.isEmpty();
    m_items = std::move(items);
    return outcome;
}

const Shortcut* ShortcutList::item(int index) const {
    if (index < 1 || index > count())
        return nullptr;
    return &m_items[index - 1];
}
