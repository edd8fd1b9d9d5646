#include "platform/evdev/InputHelperTrigger.h"

#include "platform/evdev/InputHelperProtocol.h"

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcHelper, "gestrix.inputhelper", QtCriticalMsg)

namespace {

// The helper's welcome comes at once when it runs; systemd starts it on our knock.
constexpr int welcomeMs = 2000;

// X's button numbers, as the preferences store them, and the kernel's codes.
int evdevCode(int button) {
    switch (button) {
    case 8:
        return BTN_SIDE;
    case 9:
        return BTN_EXTRA;
    default:
        return BTN_MIDDLE;
    }
}

} // namespace

InputHelperTrigger::InputHelperTrigger() {
    const QByteArray path = qEnvironmentVariableIsSet(inputhelper::socketVariable)
                                ? qgetenv(inputhelper::socketVariable)
                                : QByteArray(inputhelper::defaultSocket);
    m_socket.connectToServer(QString::fromLocal8Bit(path));
    if (!m_socket.waitForConnected(welcomeMs) || !m_socket.waitForReadyRead(welcomeMs)) {
        qCInfo(lcHelper) << "no input helper at" << path << m_socket.errorString();
        m_socket.abort();
        return;
    }
    m_serving = true;
    connect(&m_socket, &QLocalSocket::readyRead, this, &InputHelperTrigger::hear);
    connect(&m_socket, &QLocalSocket::disconnected, this, [this] {
        qCWarning(lcHelper) << "the input helper is gone: the trigger button is not read any more";
        m_serving = false;
    });
    hear();
}

void InputHelperTrigger::configure(const TriggerSettings& settings) {
    m_choice.code = evdevCode(settings.button);
    m_choice.clicksGivenBack = settings.clicksGivenBack;
    tell();
}

// A press read from the mouse has no place: only whether a gesture may start counts.
void InputHelperTrigger::setWelcome(const PressWelcome& welcome) {
    if (std::exchange(m_choice.taking, welcome.taking) != welcome.taking)
        tell();
}

void InputHelperTrigger::tell() {
    if (!m_serving)
        return;
    m_socket.write(QByteArray::fromStdString(inputhelper::triggerLine(m_choice)));
    m_socket.flush();
}

void InputHelperTrigger::hear() {
    while (m_socket.canReadLine()) {
        const QByteArray line = m_socket.readLine().trimmed();
        if (line == "press") {
            if (m_handler)
                m_handler->triggerPressed({});
        } else if (line == "release") {
            if (m_handler)
                m_handler->triggerReleased(std::nullopt);
        } else if (line == "refused") {
            qCWarning(lcHelper) << "the input helper serves only the user at the seat";
            m_serving = false;
        } else {
            qCInfo(lcHelper) << "input helper:" << line;
        }
    }
}
