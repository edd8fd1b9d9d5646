#include "platform/desktop/Gio.h"

#include <QFile>

GioPointer<GDesktopAppInfo> desktopEntryAt(const QString& path) {
    return GioPointer<GDesktopAppInfo>(
        g_desktop_app_info_new_from_filename(QFile::encodeName(path).constData()));
}
