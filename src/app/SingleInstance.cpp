#include "app/SingleInstance.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QLoggingCategory>
#include <QTimer>

#include <algorithm>

using namespace Qt::StringLiterals;

Q_LOGGING_CATEGORY(lcInstance, "gestrix.instance", QtCriticalMsg)

namespace {

// A running instance answers at once; a stopped or hung one never does.
constexpr int answerTimeoutMs = 1500;
const QByteArray showRequest = "show\n";
const QByteArray gestureRequest = "gesture\n";
const QByteArray done = "ok\n";
// Every request is a word; a start asks at once.
constexpr qint64 maxRequestBytes = 4096;
constexpr int requestPatienceMs = 2000;
constexpr std::size_t maxPeers = 8;

// Closes a connection without a word, and frees it.
void drop(QLocalSocket* peer) {
    peer->abort();
    peer->deleteLater();
}

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

// Whoever may reach the socket may flood it: a request is one short line, said at once, and only
// a few are heard at a time, the newest first.
void SingleInstance::answer() {
    while (QLocalSocket* peer = m_server.nextPendingConnection()) {
        std::erase_if(m_peers, [](const QPointer<QLocalSocket>& other) { return !other; });
        if (m_peers.size() >= maxPeers) {
            qCWarning(lcInstance) << "too many connections at once: the oldest is closed";
            drop(m_peers.front());
            m_peers.erase(m_peers.begin());
        }
        m_peers.push_back(peer);
        peer->setReadBufferSize(maxRequestBytes);
        connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
        QTimer::singleShot(requestPatienceMs, peer, [peer] { drop(peer); });
        connect(peer, &QLocalSocket::readyRead, this, [this, peer] {
            if (!peer->canReadLine()) {
                if (peer->bytesAvailable() >= maxRequestBytes) {
                    qCWarning(lcInstance) << "a request too long to be one: closed";
                    drop(peer);
                }
                return;
            }
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
