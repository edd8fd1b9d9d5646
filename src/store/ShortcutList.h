#pragma once

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <sys/types.h>

class FileList;

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
        bool changed = false; // an item came, went or was read again
        // A file is still being written: its previous version is kept meanwhile (or, new, it is
        // not listed yet). Look again a moment later.
        bool waiting = false;
    };

    // Brings the items up to the folder: refreshes the file list and reads only the files that
    // are new or changed since they were read (by their size, time and identity). A file whose
    // last line has no end yet is being written, unless it has been left that way for a while.
    // An unreadable file is listed with an empty Grid string.
    Refresh refresh(FileList& files, const QDateTime& now = QDateTime::currentDateTime());

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
        Shortcut shortcut;
    };

    QList<Shortcut> m_items;
    QHash<QString, Read> m_read; // by file name
};
