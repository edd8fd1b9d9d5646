#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>

// One running Gestrix per user: the first start listens on a per-user local socket; a later
// start asks it to show its window and then ends.
class SingleInstance : public QObject {
    Q_OBJECT

public:
    // socketPath: in a folder only the user can reach (the runtime folder).
    explicit SingleInstance(const QString& socketPath);

    // True when this process is the one running instance. False when another instance answered
    // (it has been asked to show its window).
    bool claim();

Q_SIGNALS:
    // Another start asked this instance to show itself.
    void showRequested();

private:
    QString m_socketPath;
    QLocalServer m_server;
};
