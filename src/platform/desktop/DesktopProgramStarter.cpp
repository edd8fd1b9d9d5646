#include "platform/desktop/DesktopProgramStarter.h"

#include "platform/desktop/Gio.h"

#include <QFile>
#include <QLoggingCategory>
#include <QProcess>

Q_LOGGING_CATEGORY(lcStarter, "gestrix.starter", QtCriticalMsg)

namespace {

GFile* fileOf(const QString& path) {
    return g_file_new_for_path(QFile::encodeName(path).constData());
}

// The application the desktop opens this file's type with; nothing (and the reason logged) when
// there is none.
GAppInfo* defaultHandler(GFile* file) {
    GError* error = nullptr;
    GAppInfo* application = g_file_query_default_handler(file, nullptr, &error);
    if (!application) {
        qCWarning(lcStarter) << "no application opens" << g_file_peek_path(file)
                             << QString::fromUtf8(error->message);
        g_error_free(error);
    }
    return application;
}

bool launch(GAppInfo* application, GList* files, const QString& what) {
    GError* error = nullptr;
    if (!g_app_info_launch(application, files, nullptr, &error)) {
        qCWarning(lcStarter) << "cannot launch" << what << QString::fromUtf8(error->message);
        g_error_free(error);
        return false;
    }
    return true;
}

} // namespace

bool DesktopProgramStarter::startDetached(const QString& program, const QStringList& arguments) {
    return QProcess::startDetached(program, arguments);
}

bool DesktopProgramStarter::openWithDefaultApplication(const QString& path) {
    const GioPointer<GFile> file(fileOf(path));
    const GioPointer<GAppInfo> application(defaultHandler(file.get()));
    if (!application)
        return false;
    GList files{file.get(), nullptr, nullptr};
    return launch(application.get(), &files, path);
}

bool DesktopProgramStarter::hasApplicationFor(const QString& path) const {
    const GioPointer<GFile> file(fileOf(path));
    return GioPointer<GAppInfo>(defaultHandler(file.get())) != nullptr;
}

bool DesktopProgramStarter::launchDesktopEntry(const QString& path) {
    const GioPointer<GDesktopAppInfo> entry = desktopEntryAt(path);
    if (!entry) {
        qCWarning(lcStarter) << "not a desktop entry that can be launched:" << path;
        return false;
    }
    return launch(G_APP_INFO(entry.get()), nullptr, path);
}

QString DesktopProgramStarter::applicationName(const QString& desktopEntry) const {
    const GioPointer<GDesktopAppInfo> entry = desktopEntryAt(desktopEntry);
    return entry ? QString::fromUtf8(g_app_info_get_display_name(G_APP_INFO(entry.get())))
                 : QString();
}
