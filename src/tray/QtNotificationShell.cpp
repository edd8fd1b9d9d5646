#include "tray/QtNotificationShell.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QMenu>

using namespace Qt::StringLiterals;

namespace {
constexpr int messageTimeoutMs = 10000;
}

void QtNotificationShell::setContextMenu(QMenu* menu) {
    m_menu = menu;
}

bool QtNotificationShell::fail(std::uint32_t error) {
    m_lastError = error;
    return false;
}

bool QtNotificationShell::notify(NotifyMessage message, const NotifyIconData& record) {
    switch (message) {
    case NIM_ADD:
        return add(record);
    case NIM_MODIFY:
        return modify(record);
    case NIM_DELETE:
        return m_icons.erase({record.hWnd, record.uID}) == 1 ? true : fail(ERROR_INVALID_PARAMETER);
    }
    return fail(ERROR_INVALID_PARAMETER);
}

bool QtNotificationShell::add(const NotifyIconData& record) {
    if (!QSystemTrayIcon::isSystemTrayAvailable())
        return fail(ERROR_NOT_READY);
    const Key key(record.hWnd, record.uID);
    if (!record.hWnd || m_icons.contains(key))
        return fail(ERROR_INVALID_PARAMETER);

    Icon& icon = m_icons[key];
    icon.trayIcon = std::make_unique<QSystemTrayIcon>(record.hIcon);
    icon.trayIcon->setToolTip(record.tipText());
    icon.callbackMessage = record.uCallbackMessage;
    if (m_menu)
        icon.trayIcon->setContextMenu(m_menu);
    ShellWindow* window = record.hWnd;
    connect(icon.trayIcon.get(), &QSystemTrayIcon::activated, this,
            [this, key, window](QSystemTrayIcon::ActivationReason reason) {
                const auto found = m_icons.find(key);
                if (found != m_icons.end())
                    window->shellCallback(found->second.callbackMessage, pointerMessageOf(reason));
            });
    icon.trayIcon->show();
    return true;
}

bool QtNotificationShell::modify(const NotifyIconData& record) {
    const auto found = m_icons.find({record.hWnd, record.uID});
    if (found == m_icons.end())
        return fail(ERROR_INVALID_PARAMETER);
    Icon& icon = found->second;
    if (record.uFlags & NIF_ICON)
        icon.trayIcon->setIcon(record.hIcon);
    if (record.uFlags & NIF_TIP)
        icon.trayIcon->setToolTip(record.tipText());
    if (record.uFlags & NIF_MESSAGE)
        icon.callbackMessage = record.uCallbackMessage;
    return true;
}

bool QtNotificationShell::showMessage(const NotifyIconData& record, const QString& title,
                                      const QString& text) {
    const auto found = m_icons.find({record.hWnd, record.uID});
    if (found == m_icons.end())
        return false;
    found->second.trayIcon->showMessage(title, text, QSystemTrayIcon::Warning, messageTimeoutMs);
    return true;
}

QRect QtNotificationShell::iconGeometry(const NotifyIconData& record) const {
    const auto found = m_icons.find({record.hWnd, record.uID});
    return found == m_icons.end() ? QRect() : found->second.trayIcon->geometry();
}

std::uint32_t QtNotificationShell::pointerMessageOf(QSystemTrayIcon::ActivationReason reason) {
    switch (reason) {
    case QSystemTrayIcon::Trigger:
        return WM_LBUTTONUP;
    case QSystemTrayIcon::DoubleClick:
        return WM_LBUTTONDBLCLK;
    case QSystemTrayIcon::MiddleClick:
        return WM_MBUTTONUP;
    case QSystemTrayIcon::Context:
        return WM_RBUTTONUP;
    case QSystemTrayIcon::Unknown:
        break;
    }
    return WM_MOUSEMOVE;
}

// Sent without waiting for an answer: a desktop without the service just shows nothing.
void QtNotificationShell::notifyDesktop(const QString& title, const QString& text) {
    QDBusMessage notify = QDBusMessage::createMethodCall(
        u"org.freedesktop.Notifications"_s, u"/org/freedesktop/Notifications"_s,
        u"org.freedesktop.Notifications"_s, u"Notify"_s);
    constexpr int serversTimeout = -1;
    notify << u"Gestrix"_s << 0u << u"gestrix"_s << title << text << QStringList() << QVariantMap()
           << serversTimeout;
    QDBusConnection::sessionBus().send(notify);
}
