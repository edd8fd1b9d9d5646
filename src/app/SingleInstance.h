#pragma once

#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>
#include <vector>

// One running Gestrix per user. The running instance holds a lock file and listens on a local
// socket, both in a folder only the user can reach; a later start hands its request (show the
// window, or start a gesture) to it through the socket and ends. The lock keeps a second instance
// out even when the socket cannot be made or reached.
class SingleInstance : public QObject {
    Q_OBJECT

public:
    // folder: the runtime folder, or another per-user folder where files can be made.
    explicit SingleInstance(const QString& folder);

    // True when this process is now the one running instance; it listens from here on.
    bool claim();

    enum class Request { ShowWindow, StartGesture };
    enum class Answer { Done, NoAnswer, Unreachable };
    // Asks the running instance, waiting a moment for it to answer.
    Answer ask(Request request) const;
    // The process id of the instance that holds the lock, 0 when unknown.
    qint64 runningProcessId() const;

    // The folder for the lock and the socket: the runtime folder when files can be made there,
    // else the per-user cache folder.
    static QString chooseFolder(const QString& runtimeFolder, const QString& cacheFolder);

Q_SIGNALS:
    // Another start asked this instance to show its window, or to start a gesture.
    void showRequested();
    void gestureRequested();

private:
    void answer();

    QString m_socketPath;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer m_server;
    std::vector<QPointer<QLocalSocket>> m_peers; // heard now, oldest first
};
