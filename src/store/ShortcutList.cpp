#include "store/ShortcutList.h"

#include "store/FileList.h"
#include "store/SymbolDirectory.h"
#include "store/SymbolFile.h"

void ShortcutList::rebuild(FileList& files) {
    m_items.clear();
    files.refresh();
    m_items.reserve(files.names().size());
    for (const QString& name : files.names()) {
        const symbolfile::Content stored = symbolfile::read(files.path() + u'/' + name);
        m_items.append({symbols::shortcutName(name), stored.gridString, stored.moreDrawings,
                        stored.traces, stored.program});
    }
}

const Shortcut* ShortcutList::item(int index) const {
    if (index < 1 || index > count())
        return nullptr;
    return &m_items[index - 1];
}
