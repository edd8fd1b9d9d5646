#pragma once

#include <QIcon>
#include <QRect>
#include <QString>

#include <cstdint>

// The notification area as the icon class talks to it: one call that adds, modifies or deletes
// an icon described by a record, and the error code of the last failed call.

// Receives the shell's callback: the pointer message that occurred over its icon.
class ShellWindow {
public:
    virtual ~ShellWindow() = default;
    virtual void shellCallback(std::uint32_t callbackMessage, std::uint32_t pointerMessage) = 0;
};

enum NotifyMessage : std::uint32_t { NIM_ADD = 0, NIM_MODIFY = 1, NIM_DELETE = 2 };
enum NotifyFlag : std::uint32_t { NIF_MESSAGE = 1, NIF_ICON = 2, NIF_TIP = 4 };

// Pointer messages the shell reports over the icon.
enum PointerMessage : std::uint32_t {
    WM_MOUSEMOVE = 0x200,
    WM_LBUTTONDOWN = 0x201,
    WM_LBUTTONUP = 0x202,
    WM_LBUTTONDBLCLK = 0x203,
    WM_RBUTTONDOWN = 0x204,
    WM_RBUTTONUP = 0x205,
    WM_RBUTTONDBLCLK = 0x206,
    WM_MBUTTONDOWN = 0x207,
    WM_MBUTTONUP = 0x208,
    WM_MBUTTONDBLCLK = 0x209,
};

// The icon record, in its first 88-byte layout.
struct NotifyIconData {
    static constexpr std::uint32_t recordSize = 88;
    static constexpr int tipLength = 64;

    std::uint32_t cbSize = 0;
    ShellWindow* hWnd = nullptr;
    std::uint32_t uID = 0;
    std::uint32_t uFlags = 0;
    std::uint32_t uCallbackMessage = 0;
    QIcon hIcon;
    QString szTip; // exactly 64 characters once set: the text, a NUL, then spaces

    // The tip as the shell shows it: up to the NUL.
    QString tipText() const { return szTip.left(szTip.indexOf(QChar(0))); }
};

class NotificationShell {
public:
    virtual ~NotificationShell() = default;
    // False when the shell refused the call; lastError() then says why.
    virtual bool notify(NotifyMessage message, const NotifyIconData& record) = 0;
    virtual std::uint32_t lastError() const = 0;
    // A notification area is there now (one may come and go while the program runs).
    virtual bool isAvailable() const = 0;
    // A message from the icon (a notification where the desktop has a service for them); false
    // when there is no such icon.
    virtual bool showMessage(const NotifyIconData& record, const QString& title,
                             const QString& text) = 0;
    // Where the icon is on the screen (global); empty when unknown or not shown.
    virtual QRect iconGeometry(const NotifyIconData& record) const = 0;
    // A notification of the desktop's own service, with no icon of ours needed; nothing where
    // the desktop has no such service.
    virtual void notifyDesktop(const QString& title, const QString& text) = 0;
};
