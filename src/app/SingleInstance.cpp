#include "app/SingleInstance.h"

#include <QLocalSocket>
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcInstance, "gestrix.instance", QtCriticalMsg)

namespace {
constexpr int answerTimeoutMs = 1000;
}

SingleInstance::SingleInstance(const QString& socketPath) : m_socketPath(socketPath) {
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* peer = m_server.nextPendingConnection()) {
            connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
            peer->disconnectFromServer();
            Q_EMIT showRequested();
        }
    });
}

bool SingleInstance::claim() {
    QLocalSocket running;
    running.connectToServer(m_socketPath);
    if (running.waitForConnected(answerTimeoutMs)) {
        running.disconnectFromServer();
        return false;
    }
    // Nobody answers: a socket left by a crashed instance is removed.
    QLocalServer::removeServer(m_socketPath);
    if (!m_server.listen(m_socketPath))
        qCWarning(lcInstance) << "cannot listen on" << m_socketPath << m_server.errorString();
    return true;
}
