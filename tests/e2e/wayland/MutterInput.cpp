// Drives GNOME's pointer and keyboard through Mutter's remote desktop interface, as a remote
// desktop client would: the headless shell has no input devices of its own. The session lives
// as long as this program (Mutter ends it when its caller leaves the bus). It prints "ready",
// then reads commands from its standard input, one a line:
//   moveto X Y       the pointer to X, Y
//   click BUTTON     a press and a release: 1 left, 3 right
//   key KEYSYM       a key pressed and released (0xff1b: Escape)
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QDBusVariant>
#include <QString>

#include <cstdio>
#include <iostream>
#include <sstream>
#include <string>

using namespace Qt::StringLiterals;

namespace {

const QString service = u"org.gnome.Mutter.RemoteDesktop"_s;
const QString sessionInterface = u"org.gnome.Mutter.RemoteDesktop.Session"_s;
// A shell that is up answers at once; one that has not answered by then never will.
constexpr int patienceMs = 30000;

QDBusMessage call(const QDBusMessage& message) {
    return QDBusConnection::sessionBus().call(message, QDBus::Block, patienceMs);
}

QDBusMessage callSession(const QString& session, const QString& method,
                         const QVariantList& arguments) {
    QDBusMessage message =
        QDBusMessage::createMethodCall(service, session, sessionInterface, method);
    message.setArguments(arguments);
    return call(message);
}

bool failed(const QDBusMessage& reply) {
    if (reply.type() != QDBusMessage::ErrorMessage)
        return false;
    std::fprintf(stderr, "mutter: %s\n", qPrintable(reply.errorMessage()));
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const QDBusReply<QDBusObjectPath> created = call(QDBusMessage::createMethodCall(
        service, u"/org/gnome/Mutter/RemoteDesktop"_s, service, u"CreateSession"_s));
    if (!created.isValid()) {
        std::fprintf(stderr, "mutter: %s\n", qPrintable(created.error().message()));
        return 1;
    }
    const QString session = created.value().path();
    if (failed(callSession(session, u"Start"_s, {})))
        return 1;
    // Relative motion needs no screen cast: from the top left corner, where a long move up and
    // left leaves the pointer, it knows where it is. A new device needs a motion before its first
    // button, and loses its first key.
    double x = 0, y = 0;
    if (failed(callSession(session, u"NotifyPointerMotionRelative"_s, {-100000.0, -100000.0})))
        return 1;
    for (const bool pressed : {true, false})
        callSession(session, u"NotifyKeyboardKeysym"_s, {0xffe1u, pressed});
    std::puts("ready");
    std::fflush(stdout);

    std::string line;
    while (std::getline(std::cin, line)) {
        std::istringstream command(line);
        std::string verb;
        command >> verb;
        QDBusMessage reply;
        if (verb == "moveto") {
            double toX = 0, toY = 0;
            command >> toX >> toY;
            reply = callSession(session, u"NotifyPointerMotionRelative"_s, {toX - x, toY - y});
            x = toX;
            y = toY;
        } else if (verb == "click") {
            int button = 1;
            command >> button;
            // Linux's codes: BTN_LEFT, BTN_RIGHT.
            const int code = button == 3 ? 0x111 : 0x110;
            for (const bool pressed : {true, false})
                reply = callSession(session, u"NotifyPointerButton"_s, {code, pressed});
        } else if (verb == "key") {
            std::string keysym;
            command >> keysym;
            const uint code = std::stoul(keysym, nullptr, 0);
            for (const bool pressed : {true, false})
                reply = callSession(session, u"NotifyKeyboardKeysym"_s, {code, pressed});
        }
        failed(reply);
        std::puts("done");
        std::fflush(stdout);
    }
    callSession(session, u"Stop"_s, {});
    return 0;
}
