#pragma once

#include "platform/Platform.h"
#include "platform/PointerButtons.h"
#include "platform/ScreenPhotographer.h"
#include "support/FakeProgramStarter.h"
#include "tray/NotificationShell.h"

#include <utility>
#include <vector>

// The middle button as a test sets it; a press is reported once.
class FakePointerButtons final : public PointerButtons {
public:
    bool isAvailable() const override { return true; }
    MiddleButtonState readMiddleButton() override {
        return {middleDown, std::exchange(pressed, false)};
    }
    bool middleDown = false;
    bool pressed = false;
};

// Hands out the photograph a test sets, and counts how often it was asked.
class FakeScreenPhotographer final : public ScreenPhotographer {
public:
    QImage photograph(QScreen*) override {
        ++taken;
        return picture;
    }
    QImage picture;
    int taken = 0;
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

    std::vector<Call> calls;
    std::vector<QString> messages;
    bool succeeds = true;
    bool available = true;
    std::uint32_t error = 1460;
};

// Fakes for every platform service, and the Platform that hands them out.
struct FakePlatform {
    FakePointerButtons buttons;
    FakeScreenPhotographer photographer;
    FakeProgramStarter starter;
    FakeNotificationShell shell;
    Platform platform() { return {buttons, photographer, starter}; }
};
