#pragma once

#include "platform/ScreenPhotographer.h"

#include <memory>

class WaylandConnection;
struct zwlr_screencopy_manager_v1;

// Where the compositor offers wlroots' screencopy (sway, Hyprland, labwc…), each output is
// copied straight into memory of ours, without the pointer and without asking anyone. It waits
// on the connection it is made on only while photographs are taken, and never for longer than
// a short patience.
class ScreencopyPhotographer final : public ScreenPhotographer {
public:
    // Nothing where the compositor offers no screencopy. The connection outlives it.
    static std::unique_ptr<ScreencopyPhotographer> open(WaylandConnection& connection);
    ~ScreencopyPhotographer() override;

    void photograph(const QList<QScreen*>& screens, Delivery deliver) override;
    void release() override {}

private:
    ScreencopyPhotographer(WaylandConnection& connection, zwlr_screencopy_manager_v1* manager);

    WaylandConnection& m_connection;
    zwlr_screencopy_manager_v1* m_manager;
};
