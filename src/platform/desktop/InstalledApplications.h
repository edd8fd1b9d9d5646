#pragma once

#include <QIcon>
#include <QList>
#include <QString>

// An application the desktop lists in its menus: what it is called, its desktop entry, its icon.
struct InstalledApplication {
    QString name;  // in the user's language
    QString entry; // the desktop entry's path
    QIcon icon;    // null when it has none the icon theme knows
};

// The applications the desktop shows (through GIO, from the desktop entries of XDG_DATA_DIRS),
// sorted by name.
QList<InstalledApplication> installedApplications();

// The icon of a desktop entry; null when it is none or has no icon.
QIcon applicationIcon(const QString& entry);
