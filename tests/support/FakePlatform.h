#pragma once

#include "platform/Platform.h"
#include "platform/ScreenPhotographer.h"
#include "platform/TriggerButton.h"
#include "support/FakeProgramStarter.h"
#include "tray/NotificationShell.h"

#include <utility>
#include <vector>

// The trigger button as a test sets it: polled (a press is reported once), or, once a test
// says presses arrive as events, handed to the handler by the test itself.
class FakeTriggerButton final : public TriggerButton {
public:
    bool isAvailable() const override { return true; }
    bool deliversPresses() const override { return events; }
    void setHandler(TriggerHandler* newHandler) override { handler = newHandler; }
    void configure(const TriggerSettings& newSettings) override { settings = newSettings; }
    TriggerState read() override {
        ++reads;
        return {down, std::exchange(pressed, false)};
    }
    void setWelcome(const PressWelcome& welcome) override { taking = welcome.taking; }

    TriggerHandler* handler = nullptr;
    TriggerSettings settings;
    bool events = false;
    bool down = false;
    bool pressed = false;
    bool taking = true;
    int reads = 0;
};

// Hands out the photograph a test sets for every screen, at once, or when the test says once it
// holds it back (as the desktop's portal does); counts how often it was asked.
class FakeScreenPhotographer final : public ScreenPhotographer {
public:
    void photograph(const QList<QScreen*>& screens, Delivery deliver) override {
        ++taken;
        pendingScreens = screens.size();
        if (holdsBack)
            pending = std::move(deliver);
        else
            deliver(QList<QImage>(pendingScreens, picture));
    }
    void release() override { ++released; }
    bool desktopIsAsking() const override { return asking; }
    void deliverPending() { std::exchange(pending, {})(QList<QImage>(pendingScreens, picture)); }

    QImage picture;
    bool holdsBack = false;
    bool asking = false;
    Delivery pending;
    qsizetype pendingScreens = 0;
    int taken = 0;
    int released = 0;
};

// Records every notification-area call with a copy of the record as it was sent.
class FakeNotificationShell final : public NotificationShell {
public:
    struct Call {
        NotifyMessage message;
        NotifyIconData record;
    };
    bool notify(NotifyMessage message, const NotifyIconData& record) override {
        calls.push_back({message, record});
        return succeeds;
    }
    std::uint32_t lastError() const override { return error; }
    bool isAvailable() const override { return available; }
    bool showMessage(const NotifyIconData&, const QString& title, const QString& text) override {
        messages.push_back(title + QStringLiteral(": ") + text);
        return true;
    }

    QRect iconGeometry(const NotifyIconData&) const override { return geometry; }
    void notifyDesktop(const QString& title, const QString& text) override {
        desktopNotifications.push_back(title + QStringLiteral(": ") + text);
    }

    std::vector<Call> calls;
    std::vector<QString> messages;
    std::vector<QString> desktopNotifications;
    QRect geometry;
    bool succeeds = true;
    bool available = true;
    std::uint32_t error = 1460;
};

// Fakes for every platform service, and the Platform that hands them out.
struct FakePlatform {
    FakeTriggerButton trigger;
    FakeScreenPhotographer photographer;
    FakeProgramStarter starter;
    FakeNotificationShell shell;
    Platform platform() { return {trigger, photographer, starter}; }
};
