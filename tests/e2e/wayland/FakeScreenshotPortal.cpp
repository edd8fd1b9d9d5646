// The desktop's Screenshot portal as the Wayland test needs it: on the session bus, every
// request is answered with a copy of one picture, as a real portal answers (the reply names the
// request object, whose Response signal then gives the file's address).
// Usage: fake_screenshot_portal PICTURE.png — prints "ready" once it holds the portal's name.
#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVirtualObject>
#include <QFile>
#include <QTimer>
#include <QUrl>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

const QString portalPath = u"/org/freedesktop/portal/desktop"_s;

class ScreenshotPortal final : public QDBusVirtualObject {
public:
    explicit ScreenshotPortal(QString picture) : m_picture(std::move(picture)) {}

    QString introspect(const QString&) const override { return {}; }

    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        if (message.interface() != u"org.freedesktop.portal.Screenshot"_s ||
            message.member() != u"Screenshot"_s)
            return false;
        const auto options = qdbus_cast<QVariantMap>(message.arguments().value(1));
        QString sender = message.service().mid(1);
        sender.replace(u'.', u'_');
        const QString request = portalPath + u"/request/"_s + sender + u'/' +
                                options.value(u"handle_token"_s).toString();
        const QString copy = u"%1.%2.png"_s.arg(m_picture).arg(++m_answers);
        QFile::copy(m_picture, copy);
        connection.send(message.createReply(QVariant::fromValue(QDBusObjectPath(request))));
        // The answer comes after the reply, as the desktop's does.
        QTimer::singleShot(50, [connection, request, copy] {
            QDBusMessage response = QDBusMessage::createSignal(
                request, u"org.freedesktop.portal.Request"_s, u"Response"_s);
            response << 0u << QVariantMap{{u"uri"_s, QUrl::fromLocalFile(copy).toString()}};
            QDBusConnection(connection).send(response);
        });
        return true;
    }

private:
    QString m_picture;
    int m_answers = 0;
};

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: fake_screenshot_portal PICTURE.png\n", stderr);
        return 2;
    }
    ScreenshotPortal portal(QString::fromLocal8Bit(argv[1]));
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.registerVirtualObject(portalPath, &portal) ||
        !bus.registerService(u"org.freedesktop.portal.Desktop"_s)) {
        std::fputs("cannot hold the portal's name on the session bus\n", stderr);
        return 1;
    }
    std::puts("ready");
    std::fflush(stdout);
    return QCoreApplication::exec();
}
