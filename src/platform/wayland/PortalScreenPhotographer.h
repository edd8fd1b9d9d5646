#pragma once

#include "platform/ScreenPhotographer.h"

#include <QObject>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QVariantMap>

// On Wayland no client may read the screen: the desktop's Screenshot portal
// (org.freedesktop.portal.Screenshot, over the session bus) is asked for a photograph, without
// any dialog. It answers later, as a signal on a request object; when it does not answer within
// a short time (no portal, a refusal) null images are delivered. A request taken but still
// unanswered then is the desktop asking the user whether we may (GNOME asks the first time):
// no second request is made until the user has answered. The file the portal writes is removed
// once read.
class PortalScreenPhotographer final : public QObject, public ScreenPhotographer {
    Q_OBJECT

public:
    PortalScreenPhotographer();

    void photograph(const QList<QScreen*>& screens, Delivery deliver) override;
    void release() override {}
    bool desktopIsAsking() const override { return m_asking; }

private Q_SLOTS:
    // org.freedesktop.portal.Request.Response: 0 and the picture's address, or a refusal.
    void respond(uint response, const QVariantMap& results);

private:
    void finish(const QImage& desktop);
    void stopListening();

    QTimer m_patience;
    Delivery m_deliver;
    QList<QPointer<QScreen>> m_screens;
    bool m_taken = false;  // the portal took the request
    bool m_asking = false; // ... and had not answered it when the patience ran out
    QString m_requestPath;
    int m_requests = 0;
};
