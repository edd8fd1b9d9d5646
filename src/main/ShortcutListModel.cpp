#include "main/ShortcutListModel.h"

using namespace Qt::StringLiterals;

ShortcutListModel::ShortcutListModel(ShortcutList& list, const QIcon& icon, QObject* parent)
    : QAbstractListModel(parent), m_list(list), m_icon(icon) {}

void ShortcutListModel::rebuild(FileList& files) {
    beginResetModel();
    m_list.rebuild(files);
    endResetModel();
}

int ShortcutListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_list.count();
}

QVariant ShortcutListModel::data(const QModelIndex& index, int role) const {
    const Shortcut* shortcut = m_list.item(index.row() + 1);
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

QVariant ShortcutListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (section == 0 && orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return tr("Nom");
    return {};
}
