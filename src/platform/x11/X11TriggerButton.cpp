#include "platform/x11/X11TriggerButton.h"

#include "platform/x11/Xcb.h"

X11TriggerButton::X11TriggerButton() {
    auto grab = std::make_unique<X11ButtonGrab>();
    if (!grab->isConnected())
        return;
    m_grab = grab.release();
    m_grab->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_grab, &QObject::deleteLater);
    connect(m_grab, &X11ButtonGrab::pressed, this, [this](TriggerPress press) {
        press.position = logicalOf(*press.position);
        if (m_handler)
            m_handler->triggerPressed(press);
    });
    connect(m_grab, &X11ButtonGrab::heldMove, this, [this](QPoint position) {
        if (m_handler)
            m_handler->triggerHeldMove(logicalOf(position));
    });
    connect(m_grab, &X11ButtonGrab::released, this, [this](QPoint position) {
        if (m_handler)
            m_handler->triggerReleased(logicalOf(position));
    });
    m_thread.setObjectName(QStringLiteral("trigger"));
    m_thread.start();
    QMetaObject::invokeMethod(m_grab, &X11ButtonGrab::listen);
}

X11TriggerButton::~X11TriggerButton() {
    m_thread.quit();
    m_thread.wait();
}

// The thread never waits for this one, so waiting for it is short.
void X11TriggerButton::configure(const TriggerSettings& settings) {
    if (m_grab)
        QMetaObject::invokeMethod(
            m_grab, [this, settings] { return m_grab->configure(settings); },
            Qt::BlockingQueuedConnection, &m_mode);
}

TriggerState X11TriggerButton::read() {
    TriggerState state;
    if (m_grab)
        QMetaObject::invokeMethod(
            m_grab, [this] { return m_grab->read(); }, Qt::BlockingQueuedConnection, &state);
    return state;
}

void X11TriggerButton::setWelcome(const PressWelcome& welcome) {
    if (!m_grab)
        return;
    PressWelcome native = welcome;
    native.iconArea = nativeOf(welcome.iconArea);
    QMetaObject::invokeMethod(m_grab, [grab = m_grab, native] { grab->setWelcome(native); });
}

void X11TriggerButton::releaseKeyboard() {
    if (m_grab)
        QMetaObject::invokeMethod(m_grab, &X11ButtonGrab::releaseKeyboard,
                                  Qt::BlockingQueuedConnection);
}
