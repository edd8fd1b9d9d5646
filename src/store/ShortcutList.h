#pragma once

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

#include <sys/types.h>

class FileList;
namespace symbols {
struct ShortcutFile;
}

// One stored shortcut as the list holds it.
struct Shortcut {
    QString text;                  // the shortcut's name: its file name less ".ini"
    QString tag;                   // the file's Grid string, cached when the list was built
    QStringList moreDrawings = {}; // further drawings of the symbol, cached with it
    QStringList traces = {};       // the strokes its drawings were drawn with, cached with them
    QString program = {};          // its program text, cached with them
};

// The shortcut list: one item per file of the symbol folder, in the file list's order. Item
// positions are 1-based, as the matcher numbers its symbols.
class ShortcutList {
public:
    struct Refresh {
        bool changed = false;      // an item came, went or was read again
        bool namesChanged = false; // an item came or went
        QStringList read;          // the files read (again), by name
        QStringList gone;          // the files no longer listed
        // A file is still being written: its previous version is kept meanwhile (or, new, it is
        // not listed yet). Look again a moment later.
        bool waiting = false;
    };

    // Brings the items up to the folder: lists it again and reads the files that are new, that
    // are another file under a known name (one renamed over it), or that were written in place
    // (writtenFiles, by name); the others are kept as read. A file whose last line has no end yet
    // is being written, unless it has been left that way for a while. An unreadable file is
    // listed with an empty Grid string.
    Refresh refresh(FileList& files, const QStringList& writtenFiles = {},
                    const QDateTime& now = QDateTime::currentDateTime());
    // The same, looking at each file's size and time: for when changes may have gone untold.
    Refresh refreshAll(FileList& files, const QDateTime& now = QDateTime::currentDateTime());

    int count() const { return static_cast<int>(m_items.size()); }
    const QList<Shortcut>& items() const { return m_items; }
    // The item at a 1-based position, or nullptr when there is none.
    const Shortcut* item(int index) const;

private:
    // How a file stood when it was read.
    struct Stamp {
        off_t size = -1;
        qint64 modifiedNs = 0;
        dev_t device = 0;
        ino_t inode = 0;
        bool operator==(const Stamp&) const = default;
    };
    struct Read {
        Stamp stamp;
        ino_t listedInode = 0; // the file its name stood for in the folder's list
        Shortcut shortcut;
    };

    // writtenFiles null: every file is looked at.
    Refresh bringUpToDate(FileList& files, const QStringList* writtenFiles, const QDateTime& now);

    // The file as it stands now: read again when it changed since known, known itself when it
    // did not or is still being written (nothing for a new file still being written).
    static std::optional<Read> current(const QString& path, const symbols::ShortcutFile& file,
                                       const Read* known, const QDateTime& now, Refresh& outcome);

    QList<Shortcut> m_items;
    QHash<QString, Read> m_read; // by file name
};
