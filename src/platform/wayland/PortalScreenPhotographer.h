#pragma once

#include "platform/ScreenPhotographer.h"

#include <QObject>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QVariantMap>

// On Wayland no client may read the screen: the desktop's Screenshot portal
// (org.freedesktop.portal.Screenshot, over the session bus) is asked for a photograph, without
// any dialog. It answers later, as a signal on a request object, which may take a few seconds on
// a large screen; when it does not answer within those (no portal, a refusal) null images are
// delivered. Whether the desktop asks the user first (GNOME does until the user has said yes)
// is read from the portals' permission store before the request: while its question is up no
// photograph is delivered, and no second request is made until the user has answered. The file
// the portal writes is removed once read.
class PortalScreenPhotographer final : public QObject, public ScreenPhotographer {
    Q_OBJECT

public:
    // The portal encodes and writes a file: at 4K that takes GNOME more than a second. Nothing
    // waits on it meanwhile (the overlay is up without it).
    static constexpr int defaultPatienceMs = 5000;

    explicit PortalScreenPhotographer(int patienceMs = defaultPatienceMs);

    void photograph(const QList<QScreen*>& screens, Delivery deliver) override;
    void release() override {}
    bool desktopIsAsking() const override { return m_asking; }

private Q_SLOTS:
    // org.freedesktop.portal.Request.Response: 0 and the picture's address, or a refusal.
    void respond(uint response, const QVariantMap& results);

private:
    // The Screenshot call, once the permission store has said whether the desktop asks first.
    void ask(int request);
    void finish(const QImage& desktop);
    void stopListening();

    int m_patienceMs;
    QTimer m_patience;
    Delivery m_deliver;
    QList<QPointer<QScreen>> m_screens;
    bool m_asking = false; // the desktop's question about our request is up
    QString m_requestPath;
    int m_requests = 0;
};
