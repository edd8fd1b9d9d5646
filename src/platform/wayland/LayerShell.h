#pragma once

#include <QImage>
#include <QObject>
#include <QRegion>

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
class LayerShell final : public QObject {
    Q_OBJECT

public:
    // Nothing where there is no Wayland display, or it offers no layer shell or no seat.
    static std::unique_ptr<LayerShell> connect();
    ~LayerShell() override;

    // A surface covering this screen, shown once it has a picture; nothing where the screen is
    // none of the compositor's outputs.
    std::unique_ptr<LayerSurface> cover(const QScreen& screen);

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

// One output's surface: a picture shown where it changed, and the input that reaches it.
class LayerSurface final : public QObject {
    Q_OBJECT

public:
    ~LayerSurface() override;

    // What the surface shows, premultiplied (clear is see-through), in the output's own pixels:
    // its pixel ratio is the output's scale. Drawn into freely; shown by present().
    QImage& picture() { return m_picture; }
    // The output's scale: pixels of the picture to a pixel of the surface.
    int scale() const { return m_scale; }
    // Shows the picture where it changed (in the surface's pixels), as soon as the compositor
    // has a buffer free.
    void present(const QRegion& changed);

Q_SIGNALS:
    // The compositor gave the surface its size: the picture is new, and clear.
    void configured();
    void pointerMoved(QPoint at);
    void pressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void escapePressed();
    // The compositor took the surface away (its output went, or the connection failed).
    void closed();

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
