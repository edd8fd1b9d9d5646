#include "app/SingleInstance.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QLoggingCategory>

using namespace Qt::StringLiterals;

Q_LOGGING_CATEGORY(lcInstance, "gestrix.instance", QtCriticalMsg)

namespace {

// A running instance answers at once; a stopped or hung one never does.
constexpr int answerTimeoutMs = 1500;
const QByteArray showRequest = "show\n";
const QByteArray gestureRequest = "gesture\n";
const QByteArray done = "ok\n";

} // namespace

SingleInstance::SingleInstance(const QString& folder)
    : m_socketPath(folder + u"/gestrix.socket"_s),
      m_lock(std::make_unique<QLockFile>(folder + u"/gestrix.lock"_s)) {
    // Only a lock whose process has ended is stale, however old it is.
    m_lock->setStaleLockTime(0);
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&m_server, &QLocalServer::newConnection, this, &SingleInstance::answer);
}

QString SingleInstance::chooseFolder(const QString& runtimeFolder, const QString& cacheFolder) {
    const QFileInfo runtime(runtimeFolder);
    if (!runtimeFolder.isEmpty() && runtime.isDir() && runtime.isWritable())
        return runtimeFolder;
    QDir().mkpath(cacheFolder);
    return cacheFolder;
}

bool SingleInstance::claim() {
    if (!m_lock->tryLock()) {
        if (m_lock->error() != QLockFile::LockFailedError)
            qCWarning(lcInstance) << "no lock file: only the socket keeps a second instance out";
        else
            return false;
    }
    // Nobody holds the lock: a socket left by an instance that crashed is removed.
    QLocalServer::removeServer(m_socketPath);
    if (!m_server.listen(m_socketPath))
        qCWarning(lcInstance) << "cannot listen on" << m_socketPath << m_server.errorString();
    return true;
}

SingleInstance::Answer SingleInstance::ask(Request request) const {
    QLocalSocket running;
    running.connectToServer(m_socketPath);
    if (!running.waitForConnected(answerTimeoutMs))
        return Answer::Unreachable;
    running.write(request == Request::ShowWindow ? showRequest : gestureRequest);
    if (!running.waitForBytesWritten(answerTimeoutMs) || !running.waitForReadyRead(answerTimeoutMs))
        return Answer::NoAnswer;
    return running.readAll() == done ? Answer::Done : Answer::NoAnswer;
}

qint64 SingleInstance::runningProcessId() const {
    qint64 pid = 0;
    QString host;
    QString application;
    return m_lock->getLockInfo(&pid, &host, &application) ? pid : 0;
}

void SingleInstance::answer() {
    while (QLocalSocket* peer = m_server.nextPendingConnection()) {
        connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
        connect(peer, &QLocalSocket::readyRead, this, [this, peer] {
            if (!peer->canReadLine())
                return;
            const QByteArray request = peer->readLine();
            peer->write(done);
            peer->disconnectFromServer();
            if (request == showRequest)
                Q_EMIT showRequested();
            else if (request == gestureRequest)
                Q_EMIT gestureRequested();
        });
    }
}
