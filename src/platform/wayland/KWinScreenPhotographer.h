#pragma once

#include "platform/ScreenPhotographer.h"

#include <QObject>
#include <QPointer>
#include <QScreen>
#include <QTimer>

#include <memory>
#include <vector>

// KDE's own screenshot interface (org.kde.KWin.ScreenShot2): KWin writes each screen into a
// pipe of ours, without the pointer and without asking the user, for the programs whose
// installed desktop entry lists the interface. Where KWin refuses, the photographer it was
// given (the portal) is asked instead, from then on.
class KWinScreenPhotographer final : public QObject, public ScreenPhotographer {
    Q_OBJECT

public:
    explicit KWinScreenPhotographer(std::unique_ptr<ScreenPhotographer> otherwise);
    ~KWinScreenPhotographer() override;
    // Whether KWin offers the interface on the session bus.
    static bool offered();

    void photograph(const QList<QScreen*>& screens, Delivery deliver) override;
    void release() override { m_otherwise->release(); }
    bool desktopIsAsking() const override { return m_refused && m_otherwise->desktopIsAsking(); }

    struct Copy;

private:
    void copied();
    void refused(const QString& why);
    void finish();

    std::unique_ptr<ScreenPhotographer> m_otherwise;
    bool m_refused = false;
    QList<QPointer<QScreen>> m_asked; // while a request is under way
    Delivery m_deliver;
    int m_requests = 0;
    std::vector<std::unique_ptr<Copy>> m_copies;
    QTimer m_patience;
};
