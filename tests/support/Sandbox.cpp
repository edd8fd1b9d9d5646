#include "support/Sandbox.h"

#include <QByteArray>
#include <QDir>
#include <QFile>

#include <cstdlib>

Sandbox::Sandbox() : m_root(QDir::tempPath() + QStringLiteral("/gestrix-test-XXXXXX")) {
    if (!m_root.isValid())
        std::abort();
    const QString root = m_root.path();
    for (const char* folder : {"config", "data", "runtime"})
        QDir(root).mkpath(QString::fromLatin1(folder));
    QFile::setPermissions(root + QStringLiteral("/runtime"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    const QByteArray base = QFile::encodeName(root);
    qputenv("HOME", base);
    qputenv("XDG_CONFIG_HOME", base + "/config");
    qputenv("XDG_DATA_HOME", base + "/data");
    qputenv("XDG_RUNTIME_DIR", base + "/runtime");
}
