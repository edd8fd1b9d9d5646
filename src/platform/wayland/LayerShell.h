#pragma once

#include "platform/OverlaySurface.h"

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

class LayerSurface;
class QScreen;
class QSocketNotifier;
class ShmBuffer;
class WaylandConnection;
struct wl_buffer;
struct wl_compositor;
struct wl_cursor_theme;
struct wl_keyboard;
struct wl_pointer;
struct wl_seat;
struct wl_surface;
struct zwlr_layer_shell_v1;
struct zwlr_layer_surface_v1;

// Where the compositor offers wlroots' layer shell (sway, KDE, Hyprland…): surfaces of ours
// above everything, panels included, through which the live desktop shows wherever they are
// clear, with the pointer and the keyboard theirs while they are up. The connection they are
// made on is read whenever it has something to say.
class LayerShell final : public QObject, public OverlaySurfaces {
    Q_OBJECT

public:
    // Nothing where the compositor offers no layer shell or no seat. The connection outlives it.
    static std::unique_ptr<LayerShell> open(WaylandConnection& connection);
    ~LayerShell() override;

    std::unique_ptr<OverlaySurface> cover(const QScreen& screen) override;

private:
    friend class LayerSurface;
    friend struct LayerShellEvents;
    LayerShell(WaylandConnection& connection, wl_compositor* compositor, zwlr_layer_shell_v1* shell,
               wl_seat* seat);

    void readEvents();
    void flush();
    LayerSurface* surfaceOf(wl_surface* surface) const;
    void seatChanged(std::uint32_t capabilities);
    void pointerEntered(std::uint32_t serial, wl_surface* surface, QPoint at);
    void pointerMoved(QPoint at);
    void buttonChanged(std::uint32_t button, bool pressed);
    void keyChanged(std::uint32_t key, bool pressed);
    void modifiersChanged(std::uint32_t depressed);

    WaylandConnection& m_connection;
    wl_compositor* m_compositor;
    zwlr_layer_shell_v1* m_shell;
    wl_seat* m_seat;
    wl_pointer* m_pointer = nullptr;
    wl_keyboard* m_keyboard = nullptr;
    wl_cursor_theme* m_cursorTheme = nullptr;
    wl_surface* m_cursor = nullptr;
    QPoint m_cursorHotSpot;
    QSocketNotifier* m_reader;
    std::vector<LayerSurface*> m_surfaces;
    LayerSurface* m_pointerFocus = nullptr;
    LayerSurface* m_keyboardFocus = nullptr;
    Qt::KeyboardModifiers m_modifiers;
};

// One output's surface: its scale is the output's; a change is shown as soon as the compositor
// has a buffer free.
class LayerSurface final : public OverlaySurface {
public:
    ~LayerSurface() override;

    void setPainter(Painter painter) override { m_painter = std::move(painter); }
    int scale() const override { return m_scale; }
    void present(const QRegion& changed) override;

private:
    friend class LayerShell;
    friend struct LayerShellEvents;
    LayerSurface(LayerShell& shell, wl_surface* surface, zwlr_layer_surface_v1* role, int scale);
    void configure(std::uint32_t serial, QSize size);
    void released(wl_buffer* buffer);

    // A buffer the compositor may hold, and what changed since it was last painted.
    struct Buffer {
        std::unique_ptr<ShmBuffer> memory;
        QImage view;
        bool held = false;
        QRegion stale;
    };

    LayerShell& m_shell;
    wl_surface* m_surface;
    zwlr_layer_surface_v1* m_role;
    int m_scale;
    QRect m_area; // the surface's, in its pixels
    Painter m_painter;
    std::array<Buffer, 2> m_buffers;
    bool m_waiting = false; // a change not shown for want of a free buffer
};
