#pragma once

#include "platform/Platform.h"
#include "platform/PointerButtons.h"
#include "platform/ScreenPhotographer.h"
#include "support/FakeProgramStarter.h"

// The middle button as a test sets it.
class FakePointerButtons final : public PointerButtons {
public:
    bool isAvailable() const override { return true; }
    bool middleButtonDown() override { return middleDown; }
    bool middleDown = false;
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

// Fakes for every platform service, and the Platform that hands them out.
struct FakePlatform {
    FakePointerButtons buttons;
    FakeScreenPhotographer photographer;
    FakeProgramStarter starter;
    Platform platform() { return {buttons, photographer, starter}; }
};
