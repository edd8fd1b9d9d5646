#include "store/ShortcutList.h"

#include "store/FileList.h"
#include "store/IniFile.h"

using namespace Qt::StringLiterals;

void ShortcutList::rebuild(FileList& files) {
    beginResetModel();
    m_items.clear();
    files.refresh();
    m_items.reserve(files.names().size());
    for (const QString& name : files.names()) {
        m_items.append(
            {name.chopped(4), GetIniValue(u"Image"_s, u"Value"_s, files.path() + u'/' + name)});
    }
    endResetModel();
}

const Shortcut* ShortcutList::item(int index) const {
    if (index < 1 || index > count())
        return nullptr;
    return &m_items[index - 1];
}

int ShortcutList::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : count();
}

QVariant ShortcutList::data(const QModelIndex& index, int role) const {
    const Shortcut* shortcut = item(index.row() + 1);
    if (!shortcut || index.column() != 0)
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return shortcut->text;
    case Qt::DecorationRole:
        return m_icon;
    default:
        return {};
    }
}

QVariant ShortcutList::headerData(int section, Qt::Orientation orientation, int role) const {
    if (section == 0 && orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return u"Nom"_s;
    return {};
}
