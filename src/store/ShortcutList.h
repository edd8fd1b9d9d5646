#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class FileList;

// One stored shortcut as the list holds it.
struct Shortcut {
    QString text; // the shortcut's name: its file name less ".ini"
    QString tag;  // the file's Grid string, cached when the list was built
    QStringList moreDrawings = {}; // further drawings of the symbol, cached with it
    QStringList traces = {};       // the strokes its drawings were drawn with, cached with them
    QString program = {};          // its program text, cached with them (for the list's icon)
};

// The shortcut list: one item per file of the symbol folder, in the file list's order. Item
// positions are 1-based, as the matcher numbers its symbols.
class ShortcutList {
public:
    // Rebuilds every item from the folder (OuvrirListe's work): refreshes the file list and
    // reads each file's drawings once. An unreadable file is listed with an empty Grid string.
    void rebuild(FileList& files);

    int count() const { return static_cast<int>(m_items.size()); }
    const QList<Shortcut>& items() const { return m_items; }
    // The item at a 1-based position, or nullptr when there is none.
    const Shortcut* item(int index) const;

private:
    QList<Shortcut> m_items;
};
