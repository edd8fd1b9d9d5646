#include "platform/qt/ProcessStarter.h"

#include <QProcess>

bool ProcessStarter::startDetached(const QString& program, const QStringList& arguments) {
    return QProcess::startDetached(program, arguments);
}
