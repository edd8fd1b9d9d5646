#pragma once

#include "platform/ScreenPhotographer.h"

#include <memory>

class WaylandConnection;
struct zwlr_screencopy_manager_v1;

// Where the compositor offers wlroots' screencopy (sway, Hyprland, labwc…), each output is
// copied straight into memory of ours, without the pointer and without asking anyone. It keeps
// a Wayland connection of its own, read only while photographs are taken, and never waits on it
// for longer than a short patience.
class ScreencopyPhotographer final : public ScreenPhotographer {
public:
    // Nothing where there is no Wayland display or it offers no screencopy.
    static std::unique_ptr<ScreencopyPhotographer> open();
    ~ScreencopyPhotographer() override;

    void photograph(const QList<QScreen*>& screens, Delivery deliver) override;
    void release() override {}

private:
    ScreencopyPhotographer(std::unique_ptr<WaylandConnection> connection,
                           zwlr_screencopy_manager_v1* manager);

    std::unique_ptr<WaylandConnection> m_connection;
    zwlr_screencopy_manager_v1* m_manager;
};
