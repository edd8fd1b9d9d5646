#include "main/ShortcutListModel.h"

#include "launch/ProgramText.h"
#include "platform/desktop/InstalledApplications.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

ShortcutListModel::ShortcutListModel(ShortcutList& list, const QIcon& icon, QObject* parent)
    : QAbstractListModel(parent), m_list(list), m_icon(icon) {}

// The list is read before the view is told, so that an unchanged folder costs the view nothing:
// nothing reads the list in between.
ShortcutList::Refresh ShortcutListModel::refresh(FileList& files, const QStringList& writtenFiles,
                                                 bool anything) {
    const ShortcutList::Refresh outcome =
        anything ? m_list.refreshAll(files) : m_list.refresh(files, writtenFiles);
    if (outcome.namesChanged) {
        beginResetModel();
        m_iconOfProgram.clear();
        endResetModel();
    } else if (outcome.changed && m_list.count() > 0) {
        Q_EMIT dataChanged(index(0), index(m_list.count() - 1));
    }
    return outcome;
}

// A desktop entry's application icon, else the icon theme's for the program of that name, else
// the program's own.
QIcon ShortcutListModel::iconOf(const QString& program) const {
    const ProgramText text(program);
    const std::optional<ProgramCommand>& command = text.command();
    if (!command)
        return m_icon;
    if (command->kind == ProgramCommand::Kind::DesktopEntry) {
        const QIcon icon = applicationIcon(command->program);
        return icon.isNull() ? m_icon : icon;
    }
    const QString name = QFileInfo(command->program).fileName();
    return !name.isEmpty() && QIcon::hasThemeIcon(name) ? QIcon::fromTheme(name) : m_icon;
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
    case Qt::DecorationRole: {
        const auto known = m_iconOfProgram.constFind(shortcut->program);
        if (known != m_iconOfProgram.cend())
            return *known;
        return *m_iconOfProgram.insert(shortcut->program, iconOf(shortcut->program));
    }
    default:
        return {};
    }
}

QVariant ShortcutListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (section == 0 && orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return tr("Nom");
    return {};
}
