#include "support/Sandbox.h"

#include <QByteArray>
#include <QDir>
#include <QFile>

#include <cstdlib>
#include <string>

void sandboxUserFolders() {
    static std::string root = QDir::tempPath().toStdString() + "/gestrix-test-XXXXXX";
    if (!::mkdtemp(root.data()))
        std::abort();
    for (const char* folder : {"config", "data", "runtime"})
        QDir().mkpath(QString::fromStdString(root + '/' + folder));
    QFile::setPermissions(QString::fromStdString(root + "/runtime"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    const QByteArray base = QByteArray::fromStdString(root);
    qputenv("HOME", base);
    qputenv("XDG_CONFIG_HOME", base + "/config");
    qputenv("XDG_DATA_HOME", base + "/data");
    qputenv("XDG_RUNTIME_DIR", base + "/runtime");
}
