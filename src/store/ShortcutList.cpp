#include "store/ShortcutList.h"

#include "store/FileList.h"
#include "store/SymbolDirectory.h"
#include "store/SymbolFile.h"

#include <QFile>

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

ShortcutList::Refresh ShortcutList::refresh(FileList& files, const QDateTime& now) {
    files.refresh();
    Refresh outcome;
    QHash<QString, Read> before = std::exchange(m_read, {});
    QList<Shortcut> items;
    items.reserve(files.names().size());
    for (const QString& name : files.names()) {
        const QString path = files.path() + u'/' + name;
        struct stat status {};
        std::optional<Stamp> stamp;
        if (::stat(QFile::encodeName(path).constData(), &status) == 0)
            stamp = Stamp{status.st_size,
                          qint64(status.st_mtim.tv_sec) * 1'000'000'000 + status.st_mtim.tv_nsec,
                          status.st_dev, status.st_ino};
        const auto known = before.constFind(name);
        const bool unchanged = known != before.cend() && stamp && known->stamp == *stamp;
        const bool unfinished = !unchanged && stamp && !endsItsLastLine(path, stamp->size) &&
                                now.toMSecsSinceEpoch() - stamp->modifiedNs / 1'000'000 <
                                    std::chrono::milliseconds(unfinishedPatience).count();
        if (unchanged || unfinished) {
            outcome.waiting |= unfinished;
            if (known != before.cend()) {
                items.append(known->shortcut);
                m_read.insert(name, *known);
            }
            continue;
        }
        const symbolfile::Content stored = symbolfile::read(path);
        const Shortcut shortcut{symbols::shortcutName(name), stored.gridString, stored.moreDrawings,
                                stored.traces, stored.program};
        items.append(shortcut);
        m_read.insert(name, {stamp.value_or(Stamp{}), shortcut});
        outcome.changed = true;
    }
    outcome.changed |=
        items.size() != m_items.size() ||
        !std::equal(items.begin(), items.end(), m_items.begin(),
                    [](const Shortcut& a, const Shortcut& b) { return a.text == b.text; });
    m_items = std::move(items);
    return outcome;
}

const Shortcut* ShortcutList::item(int index) const {
    if (index < 1 || index > count())
        return nullptr;
    return &m_items[index - 1];
}
