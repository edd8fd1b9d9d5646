#pragma once

#include "platform/ScreenPhotographer.h"

#include <memory>

// Where the compositor offers wlroots' screencopy (sway, Hyprland, labwc…), each output is
// copied straight into memory of ours, without the pointer and without asking anyone. It keeps
// a Wayland connection of its own, read only while photographs are taken, and never waits on it
// for longer than a short patience.
class ScreencopyPhotographer final : public ScreenPhotographer {
public:
    // Nothing where there is no Wayland display or it offers no screencopy.
    static std::unique_ptr<ScreencopyPhotographer> connect();
    ~ScreencopyPhotographer() override;

    void photograph(const QList<QScreen*>& screens, Delivery deliver) override;
    void release() override {}

    struct Connection;

private:
    explicit ScreencopyPhotographer(std::unique_ptr<Connection> connection);

    std::unique_ptr<Connection> m_connection;
};
