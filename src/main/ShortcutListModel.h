#pragma once

#include "store/ShortcutList.h"

#include <QAbstractListModel>
#include <QIcon>

class FileList;

// The shortcut list as the main window's list view shows it: one row per item, the shortcut's
// name with its application's icon (or the program's own), under the header "Nom".
class ShortcutListModel : public QAbstractListModel {
    Q_OBJECT

public:
    ShortcutListModel(ShortcutList& list, const QIcon& icon, QObject* parent = nullptr);

    // Brings the list up to the folder (ShortcutList's refresh, or refreshAll with anything):
    // the view starts over when rows came or went, and shows what was read again.
    ShortcutList::Refresh refresh(FileList& files, const QStringList& writtenFiles = {},
                                  bool anything = false);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QIcon iconOf(const QString& program) const;

    ShortcutList& m_list;
    QIcon m_icon; // the program's own: for shortcuts with no icon of their own
    // Looked up as rows are shown, once for each program text: a long list shows few rows.
    mutable QHash<QString, QIcon> m_iconOfProgram;
};
