#include "app/XdgEnvironment.h"

#include <QByteArray>
#include <QList>
#include <QLoggingCategory>

#include <pwd.h>
#include <unistd.h>

Q_LOGGING_CATEGORY(lcXdg, "gestrix.main", QtCriticalMsg)

namespace {

bool isAbsolute(const QByteArray& path) {
    return path.startsWith('/');
}

} // namespace

void followXdgRules() {
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME",
                             "XDG_RUNTIME_DIR"}) {
        const QByteArray value = qgetenv(name);
        if (!value.isEmpty() && !isAbsolute(value)) {
            qCWarning(lcXdg) << name << "is relative, so ignored:" << value;
            qunsetenv(name);
        }
    }
    for (const char* name : {"XDG_CONFIG_DIRS", "XDG_DATA_DIRS"}) {
        const QByteArray value = qgetenv(name);
        QList<QByteArray> kept;
        for (const QByteArray& folder : value.split(':'))
            if (isAbsolute(folder))
                kept.append(folder);
        if (kept.isEmpty())
            qunsetenv(name);
        else if (kept.join(':') != value)
            qputenv(name, kept.join(':'));
    }
    if (!isAbsolute(qgetenv("HOME"))) {
        const passwd* user = ::getpwuid(::getuid());
        if (user && user->pw_dir && isAbsolute(user->pw_dir)) {
            qCWarning(lcXdg) << "HOME is unset or relative: the home is" << user->pw_dir;
            qputenv("HOME", user->pw_dir);
        }
    }
}
