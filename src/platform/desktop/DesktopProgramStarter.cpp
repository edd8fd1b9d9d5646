#include "platform/desktop/DesktopProgramStarter.h"

#include <QDesktopServices>
#include <QFile>
#include <QLoggingCategory>
#include <QProcess>
#include <QUrl>

#include <gio/gdesktopappinfo.h>

#include <memory>

Q_LOGGING_CATEGORY(lcStarter, "gestrix.starter", QtCriticalMsg)

namespace {

struct GObjectUnref {
    void operator()(gpointer object) const { g_object_unref(object); }
};

} // namespace

bool DesktopProgramStarter::startDetached(const QString& program, const QStringList& arguments) {
    return QProcess::startDetached(program, arguments);
}

bool DesktopProgramStarter::openWithDefaultApplication(const QString& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool DesktopProgramStarter::launchDesktopEntry(const QString& path) {
    const std::unique_ptr<GDesktopAppInfo, GObjectUnref> entry(
        g_desktop_app_info_new_from_filename(QFile::encodeName(path).constData()));
    if (!entry) {
        qCWarning(lcStarter) << "not a desktop entry that can be launched:" << path;
        return false;
    }
    GError* error = nullptr;
    if (!g_app_info_launch(G_APP_INFO(entry.get()), nullptr, nullptr, &error)) {
        qCWarning(lcStarter) << "cannot launch" << path << QString::fromUtf8(error->message);
        g_error_free(error);
        return false;
    }
    return true;
}
