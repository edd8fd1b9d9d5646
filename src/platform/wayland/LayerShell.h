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
// clear, with the pointer and the keyboard theirs while they are up. They keep a Wayland
// connection of their own, read whenever it has something to say.
class LayerShell final : public QObject, public OverlaySurfaces {
    Q_OBJECT

public:
    // Nothing where there is no Wayland display, or it offers no layer shell or no seat.
    static std::unique_ptr<LayerShell> open();
    ~LayerShell() override;

    std::unique_ptr<OverlaySurface> cover(const QScreen& screen) override;

private:
    friend class LayerSurface;
    friend struct LayerShellEvents;
    LayerShell(std::unique_ptr<WaylandConnection> connection, wl_compositor* compositor,
               zwlr_layer_shell_v1* shell, wl_seat* seat);

    void readEvents();
    void flush();
    LayerSurface* surfaceOf(wl_surface* surface) const;
    void seatChanged(std::uint32_t capabilities);
    void pointerEntered(std::uint32_t serial, wl_surface* surface, QPoint at);
    void pointerMoved(QPoint at);
    void buttonChanged(std::uint32_t button, bool pressed);
    void keyChanged(std::uint32_t key, bool pressed);
    void modifiersChanged(std::uint32_t depressed);

    std::unique_ptr<WaylandConnection> m_connection;
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

    QImage& picture() override { return m_picture; }
    int scale() const override { return m_scale; }
    void present(const QRegion& changed) override;

private:
    friend class LayerShell;
    friend struct LayerShellEvents;
    LayerSurface(LayerShell& shell, wl_surface* surface, zwlr_layer_surface_v1* role, int scale);
    void configure(std::uint32_t serial, QSize size);
    void released(wl_buffer* buffer);

    // A buffer the compositor may hold, and what changed in the picture since it was last
    // filled.
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
    QImage m_picture;
    std::array<Buffer, 2> m_buffers;
    bool m_waiting = false; // a change not shown for want of a free buffer
};
