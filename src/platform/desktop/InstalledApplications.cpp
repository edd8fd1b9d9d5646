#include "platform/desktop/InstalledApplications.h"

#include "platform/desktop/Gio.h"

#include <QFile>

#include <algorithm>

namespace {

// A themed icon is looked up in the icon theme by its names, a file icon read from its file.
QIcon iconOf(GAppInfo* application) {
    GIcon* icon = g_app_info_get_icon(application);
    if (G_IS_THEMED_ICON(icon)) {
        for (const gchar* const* name = g_themed_icon_get_names(G_THEMED_ICON(icon)); *name;
             ++name) {
            if (QIcon::hasThemeIcon(QString::fromUtf8(*name)))
                return QIcon::fromTheme(QString::fromUtf8(*name));
        }
    } else if (G_IS_FILE_ICON(icon)) {
        if (const char* path = g_file_peek_path(g_file_icon_get_file(G_FILE_ICON(icon))))
            return QIcon(QFile::decodeName(path));
    }
    return {};
}

} // namespace

QList<InstalledApplication> installedApplications() {
    QList<InstalledApplication> applications;
    GList* all = g_app_info_get_all();
    for (GList* item = all; item; item = item->next) {
        auto* application = static_cast<GAppInfo*>(item->data);
        const char* entry = G_IS_DESKTOP_APP_INFO(application)
                                ? g_desktop_app_info_get_filename(G_DESKTOP_APP_INFO(application))
                                : nullptr;
        if (entry && g_app_info_should_show(application))
            applications.append({QString::fromUtf8(g_app_info_get_display_name(application)),
                                 QFile::decodeName(entry), iconOf(application)});
    }
    g_list_free_full(all, g_object_unref);
    std::sort(applications.begin(), applications.end(), [](const auto& a, const auto& b) {
        return QString::localeAwareCompare(a.name, b.name) < 0;
    });
    return applications;
}

QIcon applicationIcon(const QString& entry) {
    const GioPointer<GDesktopAppInfo> application = desktopEntryAt(entry);
    return application ? iconOf(G_APP_INFO(application.get())) : QIcon();
}
