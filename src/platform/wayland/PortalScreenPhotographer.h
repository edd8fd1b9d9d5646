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
// a short time (no portal, a permission dialog, a refusal) a null image is delivered and the
// overlay shows the live desktop instead. The file the portal writes is removed once read.
class PortalScreenPhotographer final : public QObject, public ScreenPhotographer {
    Q_OBJECT

public:
    PortalScreenPhotographer();

    void photograph(QScreen* screen, Delivery deliver) override;
    void release() override {}

private Q_SLOTS:
    // org.freedesktop.portal.Request.Response: 0 and the picture's address, or a refusal.
    void respond(uint response, const QVariantMap& results);

private:
    void finish(QImage photograph);

    QTimer m_patience;
    Delivery m_deliver;
    QPointer<QScreen> m_screen;
    QString m_requestPath;
    int m_requests = 0;
};
