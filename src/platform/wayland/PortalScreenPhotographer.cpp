#include "platform/wayland/PortalScreenPhotographer.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QLoggingCategory>
#include <QUrl>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

using namespace Qt::StringLiterals;

Q_LOGGING_CATEGORY(lcPortal, "gestrix.portal", QtCriticalMsg)

namespace {

// A photograph of several 8K screens, and then some.
constexpr off_t maxPictureBytes = off_t(1) << 30;
// The permission store answers from memory.
constexpr int storePatienceMs = 500;

const QString portalService = u"org.freedesktop.portal.Desktop"_s;
const QString portalPath = u"/org/freedesktop/portal/desktop"_s;
const QString requestInterface = u"org.freedesktop.portal.Request"_s;

// The portal names the request after our name on the bus and the token we chose:
// ":1.42" and "t" give /org/freedesktop/portal/desktop/request/1_42/t.
QString requestPath(const QString& busName, const QString& token) {
    QString sender = busName.mid(1);
    sender.replace(u'.', u'_');
    return portalPath + u"/request/"_s + sender + u'/' + token;
}

// The part of the whole desktop's picture that shows the screen, at the picture's resolution.
QImage screenPart(const QImage& desktop, const QScreen& screen) {
    const QRect all = screen.virtualGeometry();
    const qreal scale = all.width() > 0 ? qreal(desktop.width()) / all.width() : 1.0;
    const QRect mine = screen.geometry().translated(-all.topLeft());
    QImage part = desktop
                      .copy(QRectF(QPointF(mine.topLeft()) * scale, QSizeF(mine.size()) * scale)
                                .toAlignedRect())
                      .convertToFormat(QImage::Format_RGB32);
    part.setDevicePixelRatio(scale);
    return part;
}

// The portal writes a picture file, which is ours to remove once read. Anything else the reply
// may name (another file of the user's, a relative path, a pipe that never ends, a link) is left
// alone: a null picture.
QImage takePicture(const QString& uri) {
    const QUrl url(uri, QUrl::StrictMode);
    const QString path =
        url.isLocalFile() && !url.hasQuery() && !url.hasFragment() ? url.toLocalFile() : QString();
    if (!QDir::isAbsolutePath(path)) {
        qCWarning(lcPortal) << "the Screenshot portal named no file of its own:" << uri;
        return {};
    }
    const QByteArray name = QFile::encodeName(path);
    // Opened without waiting and without following a link; what it is, asked of what was opened.
    const int file = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    struct stat opened {};
    if (file < 0 || ::fstat(file, &opened) != 0 || !S_ISREG(opened.st_mode) ||
        opened.st_size > maxPictureBytes) {
        qCWarning(lcPortal) << "the Screenshot portal's file is no picture file:" << path;
        if (file >= 0)
            ::close(file);
        return {};
    }
    QFile device;
    device.open(file, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    QImage picture = QImageReader(&device).read();
    device.close();
    struct stat named {};
    if (picture.isNull())
        qCWarning(lcPortal) << "the Screenshot portal's file is no picture:" << path;
    // Still the file that was read: removed.
    else if (::lstat(name.constData(), &named) == 0 && named.st_dev == opened.st_dev &&
             named.st_ino == opened.st_ino)
        ::unlink(name.constData());
    return picture;
}

// Whether the desktop asks the user before it photographs for us, from what the portals'
// permission store holds for us ("", a program outside any sandbox), where the portal looks:
// "yes" it photographs, "no" it refuses at once; anything else, or nothing yet, it asks. Without
// a store to read, nothing is known: not asking.
bool desktopWillAsk(const QDBusPendingCall& lookup) {
    if (lookup.isError()) {
        if (lookup.error().name() == u"org.freedesktop.portal.Error.NotFound"_s)
            return true;
        qCWarning(lcPortal) << "the portals' permission store cannot be read:"
                            << lookup.error().message();
        return false;
    }
    const QDBusPendingReply<QMap<QString, QStringList>, QDBusVariant> reply = lookup;
    const QString ours = reply.argumentAt<0>().value(QString()).value(0);
    return ours != u"yes"_s && ours != u"no"_s;
}

} // namespace

PortalScreenPhotographer::PortalScreenPhotographer(int patienceMs) : m_patienceMs(patienceMs) {
    qDBusRegisterMetaType<QMap<QString, QStringList>>();
    m_patience.setSingleShot(true);
    connect(&m_patience, &QTimer::timeout, this, [this] {
        qCWarning(lcPortal) << "no photograph from the Screenshot portal in time";
        finish({});
    });
}

void PortalScreenPhotographer::photograph(const QList<QScreen*>& screens, Delivery deliver) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (m_deliver || m_asking || !bus.isConnected()) {
        deliver(QList<QImage>(screens.size()));
        return;
    }
    m_deliver = std::move(deliver);
    m_screens = {screens.begin(), screens.end()};
    const int request = ++m_requests;
    QDBusMessage lookup = QDBusMessage::createMethodCall(
        u"org.freedesktop.impl.portal.PermissionStore"_s,
        u"/org/freedesktop/impl/portal/PermissionStore"_s,
        u"org.freedesktop.impl.portal.PermissionStore"_s, u"Lookup"_s);
    lookup << u"screenshot"_s << u"screenshot"_s;
    auto* looked = new QDBusPendingCallWatcher(bus.asyncCall(lookup, storePatienceMs), this);
    connect(looked, &QDBusPendingCallWatcher::finished, this, [this, looked, request] {
        looked->deleteLater();
        if (request != m_requests || !m_deliver)
            return;
        m_asking = desktopWillAsk(*looked);
        // The user takes the time they need to answer.
        if (m_asking) {
            m_patience.stop();
            qCInfo(lcPortal) << "the desktop asks the user whether we may photograph the screen";
        }
        ask(request);
    });
    m_patience.start(m_patienceMs);
}

void PortalScreenPhotographer::ask(int request) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    // Listening before asking: the answer may come before the call returns.
    const QString token = u"gestrix"_s + QString::number(request);
    m_requestPath = requestPath(bus.baseService(), token);
    bus.connect(portalService, m_requestPath, requestInterface, u"Response"_s, this,
                SLOT(respond(uint, QVariantMap)));
    QDBusMessage call = QDBusMessage::createMethodCall(
        portalService, portalPath, u"org.freedesktop.portal.Screenshot"_s, u"Screenshot"_s);
    call << QString()
         << QVariantMap{{u"handle_token"_s, token}, {u"interactive"_s, false}, {u"modal"_s, false}};
    // The call itself may answer after the patience has run out (a late refusal).
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), this);
    // A refusal that comes after its request gave up must not end the next one.
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, request] {
        watcher->deleteLater();
        if (request != m_requests)
            return;
        if (watcher->isError()) {
            qCWarning(lcPortal) << "the Screenshot portal refused:" << watcher->error().message();
            m_asking = false;
            finish({});
        }
    });
}

void PortalScreenPhotographer::respond(uint response, const QVariantMap& results) {
    const QImage desktop =
        response == 0 ? takePicture(results.value(u"uri"_s).toString()) : QImage();
    if (desktop.isNull())
        qCWarning(lcPortal) << "the Screenshot portal gave no picture, answer" << response;
    m_asking = false;
    finish(desktop);
}

void PortalScreenPhotographer::finish(const QImage& desktop) {
    m_patience.stop();
    stopListening();
    Delivery deliver = std::exchange(m_deliver, {});
    if (!deliver)
        return;
    QList<QImage> photographs;
    for (const QPointer<QScreen>& screen : std::as_const(m_screens))
        photographs.append(desktop.isNull() || !screen ? QImage() : screenPart(desktop, *screen));
    deliver(std::move(photographs));
}

void PortalScreenPhotographer::stopListening() {
    QDBusConnection::sessionBus().disconnect(portalService, m_requestPath, requestInterface,
                                             u"Response"_s, this, SLOT(respond(uint, QVariantMap)));
}
