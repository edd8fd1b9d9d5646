#pragma once

#include "tray/NotificationShell.h"

#include <QPointer>
#include <QSystemTrayIcon>
#include <map>

#include <memory>
#include <utility>

class QMenu;

// The notification area through QSystemTrayIcon (XEmbed and StatusNotifierItem hosts alike):
// one tray icon per (window, uID). Activity over an icon reaches its window as the pointer
// message a click of that kind makes.
class QtNotificationShell final : public QObject, public NotificationShell {
    Q_OBJECT

public:
    // The error a refused call reports: no notification area, or no such icon.
    static constexpr std::uint32_t ERROR_NOT_READY = 21;
    static constexpr std::uint32_t ERROR_INVALID_PARAMETER = 87;

    bool notify(NotifyMessage message, const NotifyIconData& record) override;
    std::uint32_t lastError() const override { return m_lastError; }
    bool isAvailable() const override { return QSystemTrayIcon::isSystemTrayAvailable(); }
    bool showMessage(const NotifyIconData& record, const QString& title,
                     const QString& text) override;
    QRect iconGeometry(const NotifyIconData& record) const override;
    void notifyDesktop(const QString& title, const QString& text) override;

    // The menu that every icon shows on a right click.
    void setContextMenu(QMenu* menu);

    // The pointer message that a Qt activation stands for.
    static std::uint32_t pointerMessageOf(QSystemTrayIcon::ActivationReason reason);

private:
    using Key = std::pair<ShellWindow*, std::uint32_t>;
    struct Icon {
        std::unique_ptr<QSystemTrayIcon> trayIcon;
        std::uint32_t callbackMessage = 0;
    };

    bool fail(std::uint32_t error);
    bool add(const NotifyIconData& record);
    bool modify(const NotifyIconData& record);

    std::map<Key, Icon> m_icons;
    QPointer<QMenu> m_menu;
    std::uint32_t m_lastError = 0;
};
