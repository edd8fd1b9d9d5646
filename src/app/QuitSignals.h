#pragma once

#include <QObject>

#include <memory>

class QSocketNotifier;

// SIGTERM, SIGINT and SIGHUP end the program the way "Quitter" does: the event loop is left, so
// the socket goes and the settings are written. The handler only writes a byte to a pipe; the
// event loop reads it. A file-size limit, or a peer that went (the X server, the input helper),
// makes writes fail instead of killing the program.
class QuitSignals : public QObject {
    Q_OBJECT

public:
    QuitSignals();
    ~QuitSignals() override;

private:
    std::unique_ptr<QSocketNotifier> m_notifier;
};
