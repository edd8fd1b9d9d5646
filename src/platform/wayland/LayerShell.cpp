#include "platform/wayland/LayerShell.h"

#include "platform/wayland/ShmBuffer.h"
#include "platform/wayland/WaylandConnection.h"

#include "wlr-layer-shell-client.h"

#include <QLoggingCategory>
#include <QScreen>
#include <QSocketNotifier>

#include <linux/input-event-codes.h>
#include <wayland-client.h>
#include <wayland-cursor.h>

#include <unistd.h>

#include <algorithm>
#include <cmath>

Q_LOGGING_CATEGORY(lcLayers, "gestrix.wayland", QtCriticalMsg)

namespace {

constexpr std::uint32_t supportedShellVersion = 3;
// Version 3 has everything used here, and the seat sends nothing newer.
constexpr std::uint32_t supportedSeatVersion = 3;
// Surfaces drawn at an output's scale came with version 3.
constexpr std::uint32_t scaledSurfacesVersion = 3;
constexpr int cursorSizePixels = 24;
// The modifiers as every keymap of a desktop places them.
constexpr std::uint32_t shiftMask = 1, controlMask = 4, altMask = 8;

Qt::MouseButton mouseButton(std::uint32_t button) {
    switch (button) {
    case BTN_LEFT:
        return Qt::LeftButton;
    case BTN_RIGHT:
        return Qt::RightButton;
    case BTN_MIDDLE:
        return Qt::MiddleButton;
    default:
        return Qt::NoButton;
    }
}

} // namespace

// The listeners call into the shell's private members.
struct LayerShellEvents {
    static void enter(void* data, wl_pointer*, std::uint32_t serial, wl_surface* surface,
                      wl_fixed_t x, wl_fixed_t y) {
        static_cast<LayerShell*>(data)->pointerEntered(
            serial, surface, QPoint(wl_fixed_to_int(x), wl_fixed_to_int(y)));
    }
    static void motion(void* data, wl_pointer*, std::uint32_t, wl_fixed_t x, wl_fixed_t y) {
        static_cast<LayerShell*>(data)->pointerMoved(
            QPoint(wl_fixed_to_int(x), wl_fixed_to_int(y)));
    }
    static void button(void* data, wl_pointer*, std::uint32_t, std::uint32_t, std::uint32_t button,
                       std::uint32_t state) {
        static_cast<LayerShell*>(data)->buttonChanged(button,
                                                      state == WL_POINTER_BUTTON_STATE_PRESSED);
    }
    static void key(void* data, wl_keyboard*, std::uint32_t, std::uint32_t, std::uint32_t key,
                    std::uint32_t state) {
        static_cast<LayerShell*>(data)->keyChanged(key, state == WL_KEYBOARD_KEY_STATE_PRESSED);
    }
    static void modifiers(void* data, wl_keyboard*, std::uint32_t, std::uint32_t depressed,
                          std::uint32_t, std::uint32_t, std::uint32_t) {
        static_cast<LayerShell*>(data)->modifiersChanged(depressed);
    }
    static void keyboardEntered(void* data, wl_keyboard*, std::uint32_t, wl_surface* surface,
                                wl_array*) {
        auto* shell = static_cast<LayerShell*>(data);
        shell->m_keyboardFocus = shell->surfaceOf(surface);
    }
    static void configure(void* data, zwlr_layer_surface_v1*, std::uint32_t serial,
                          std::uint32_t width, std::uint32_t height) {
        static_cast<LayerSurface*>(data)->configure(serial, QSize(int(width), int(height)));
    }
    static void closed(void* data, zwlr_layer_surface_v1*) {
        Q_EMIT static_cast<LayerSurface*>(data)->closed();
    }
    static void released(void* data, wl_buffer* buffer) {
        static_cast<LayerSurface*>(data)->released(buffer);
    }
    static void seatChanged(void* data, wl_seat*, std::uint32_t capabilities) {
        static_cast<LayerShell*>(data)->seatChanged(capabilities);
    }
};

namespace {

const wl_pointer_listener pointerListener = {
    .enter = LayerShellEvents::enter,
    .leave = [](void*, wl_pointer*, std::uint32_t, wl_surface*) {},
    .motion = LayerShellEvents::motion,
    .button = LayerShellEvents::button,
    .axis = [](void*, wl_pointer*, std::uint32_t, std::uint32_t, wl_fixed_t) {},
    // Newer than the seat's version: never sent.
    .frame = nullptr,
    .axis_source = nullptr,
    .axis_stop = nullptr,
    .axis_discrete = nullptr,
    .axis_value120 = nullptr,
};

const wl_keyboard_listener keyboardListener = {
    // No key but Escape is read: the keymap is not needed.
    .keymap = [](void*, wl_keyboard*, std::uint32_t, std::int32_t file,
                 std::uint32_t) { ::close(file); },
    .enter = LayerShellEvents::keyboardEntered,
    .leave = [](void*, wl_keyboard*, std::uint32_t, wl_surface*) {},
    .key = LayerShellEvents::key,
    .modifiers = LayerShellEvents::modifiers,
    .repeat_info = nullptr, // newer than the seat's version: never sent
};

const zwlr_layer_surface_v1_listener roleListener = {
    .configure = LayerShellEvents::configure,
    .closed = LayerShellEvents::closed,
};

const wl_seat_listener seatListener = {
    .capabilities = LayerShellEvents::seatChanged,
    .name = [](void*, wl_seat*, const char*) {},
};

const wl_buffer_listener bufferListener = {
    .release = LayerShellEvents::released,
};

} // namespace

std::unique_ptr<LayerShell> LayerShell::open(WaylandConnection& connection) {
    auto* shell = static_cast<zwlr_layer_shell_v1*>(
        connection.bind(zwlr_layer_shell_v1_interface, supportedShellVersion));
    auto* compositor = static_cast<wl_compositor*>(
        connection.bind(wl_compositor_interface, scaledSurfacesVersion));
    auto* seat = static_cast<wl_seat*>(connection.bind(wl_seat_interface, supportedSeatVersion));
    if (!shell || !compositor || !seat) {
        if (shell)
            wl_proxy_destroy(reinterpret_cast<wl_proxy*>(shell));
        if (compositor)
            wl_compositor_destroy(compositor);
        if (seat)
            wl_seat_destroy(seat);
        return nullptr;
    }
    std::unique_ptr<LayerShell> layers(new LayerShell(connection, compositor, shell, seat));
    // The seat's pointer and keyboard, before the first surface needs them.
    if (!layers->m_connection.roundtrip())
        return nullptr;
    qCInfo(lcLayers) << "overlays on the compositor's layer shell";
    return layers;
}

LayerShell::LayerShell(WaylandConnection& connection, wl_compositor* compositor,
                       zwlr_layer_shell_v1* shell, wl_seat* seat)
    : m_connection(connection), m_compositor(compositor), m_shell(shell), m_seat(seat),
      m_reader(new QSocketNotifier(wl_display_get_fd(m_connection.display()), QSocketNotifier::Read,
                                   this)) {
    wl_seat_add_listener(m_seat, &seatListener, this);
    connect(m_reader, &QSocketNotifier::activated, this, &LayerShell::readEvents);
    m_cursorTheme = wl_cursor_theme_load(nullptr, cursorSizePixels, m_connection.shm());
    wl_cursor* arrow =
        m_cursorTheme ? wl_cursor_theme_get_cursor(m_cursorTheme, "left_ptr") : nullptr;
    if (arrow && arrow->image_count > 0) {
        wl_cursor_image* image = arrow->images[0];
        m_cursor = wl_compositor_create_surface(m_compositor);
        wl_surface_attach(m_cursor, wl_cursor_image_get_buffer(image), 0, 0);
        wl_surface_commit(m_cursor);
        m_cursorHotSpot = QPoint(int(image->hotspot_x), int(image->hotspot_y));
    }
}

LayerShell::~LayerShell() {
    if (m_cursor)
        wl_surface_destroy(m_cursor);
    if (m_cursorTheme)
        wl_cursor_theme_destroy(m_cursorTheme);
    seatChanged(0);
    wl_seat_destroy(m_seat);
    if (wl_proxy_get_version(reinterpret_cast<wl_proxy*>(m_shell)) >=
        ZWLR_LAYER_SHELL_V1_DESTROY_SINCE_VERSION)
        zwlr_layer_shell_v1_destroy(m_shell);
    else
        wl_proxy_destroy(reinterpret_cast<wl_proxy*>(m_shell));
    wl_compositor_destroy(m_compositor);
    flush();
}

std::unique_ptr<OverlaySurface> LayerShell::cover(const QScreen& screen) {
    // The connection is read as events come: its outputs are known, unless one has just come.
    wl_output* output = m_connection.outputOf(screen);
    if (!output) {
        m_connection.refreshOutputs();
        output = m_connection.outputOf(screen);
    }
    if (!output) {
        qCWarning(lcLayers) << "no output for the screen" << screen.name();
        return nullptr;
    }
    wl_surface* surface = wl_compositor_create_surface(m_compositor);
    zwlr_layer_surface_v1* role = zwlr_layer_shell_v1_get_layer_surface(
        m_shell, surface, output, ZWLR_LAYER_SHELL_V1_LAYER_OVERLAY, "gestrix");
    // Drawn at the output's scale, a HiDPI screen shows it sharp.
    const bool scales =
        wl_proxy_get_version(reinterpret_cast<wl_proxy*>(m_compositor)) >= scaledSurfacesVersion;
    const int scale = scales ? std::max(1, int(std::ceil(screen.devicePixelRatio()))) : 1;
    std::unique_ptr<LayerSurface> covering(new LayerSurface(*this, surface, role, scale));
    zwlr_layer_surface_v1_add_listener(role, &roleListener, covering.get());
    // The whole output, over the panels, which keep none of it for themselves.
    zwlr_layer_surface_v1_set_anchor(
        role, ZWLR_LAYER_SURFACE_V1_ANCHOR_TOP | ZWLR_LAYER_SURFACE_V1_ANCHOR_BOTTOM |
                  ZWLR_LAYER_SURFACE_V1_ANCHOR_LEFT | ZWLR_LAYER_SURFACE_V1_ANCHOR_RIGHT);
    zwlr_layer_surface_v1_set_size(role, 0, 0);
    zwlr_layer_surface_v1_set_exclusive_zone(role, -1);
    zwlr_layer_surface_v1_set_keyboard_interactivity(role, 1);
    wl_surface_commit(surface);
    flush();
    return covering;
}

void LayerShell::readEvents() {
    if (!m_connection.dispatchArrived()) {
        qCWarning(lcLayers) << "the connection to the compositor failed";
        m_reader->setEnabled(false);
        for (LayerSurface* surface : std::vector(m_surfaces))
            Q_EMIT surface->closed();
    }
    flush();
}

void LayerShell::flush() {
    wl_display_flush(m_connection.display());
}

LayerSurface* LayerShell::surfaceOf(wl_surface* surface) const {
    const auto found =
        std::find_if(m_surfaces.begin(), m_surfaces.end(),
                     [surface](LayerSurface* ours) { return ours->m_surface == surface; });
    return found == m_surfaces.end() ? nullptr : *found;
}

void LayerShell::seatChanged(std::uint32_t capabilities) {
    const bool pointer = capabilities & WL_SEAT_CAPABILITY_POINTER;
    const bool keyboard = capabilities & WL_SEAT_CAPABILITY_KEYBOARD;
    if (pointer && !m_pointer) {
        m_pointer = wl_seat_get_pointer(m_seat);
        wl_pointer_add_listener(m_pointer, &pointerListener, this);
    } else if (!pointer && m_pointer) {
        wl_pointer_release(m_pointer);
        m_pointer = nullptr;
    }
    if (keyboard && !m_keyboard) {
        m_keyboard = wl_seat_get_keyboard(m_seat);
        wl_keyboard_add_listener(m_keyboard, &keyboardListener, this);
    } else if (!keyboard && m_keyboard) {
        wl_keyboard_release(m_keyboard);
        m_keyboard = nullptr;
    }
}

void LayerShell::pointerEntered(std::uint32_t serial, wl_surface* surface, QPoint at) {
    m_pointerFocus = surfaceOf(surface);
    if (m_pointerFocus && m_cursor)
        wl_pointer_set_cursor(m_pointer, serial, m_cursor, m_cursorHotSpot.x(),
                              m_cursorHotSpot.y());
    pointerMoved(at);
}

void LayerShell::pointerMoved(QPoint at) {
    if (m_pointerFocus)
        Q_EMIT m_pointerFocus->pointerMoved(at);
}

void LayerShell::buttonChanged(std::uint32_t button, bool pressed) {
    if (!m_pointerFocus || mouseButton(button) == Qt::NoButton)
        return;
    if (pressed)
        Q_EMIT m_pointerFocus->pressed(mouseButton(button), m_modifiers);
    else
        Q_EMIT m_pointerFocus->buttonReleased(mouseButton(button));
}

void LayerShell::keyChanged(std::uint32_t key, bool pressed) {
    LayerSurface* focus = m_keyboardFocus ? m_keyboardFocus : m_pointerFocus;
    if (focus && pressed && key == KEY_ESC)
        Q_EMIT focus->escapePressed();
}

void LayerShell::modifiersChanged(std::uint32_t depressed) {
    m_modifiers = {};
    m_modifiers.setFlag(Qt::ShiftModifier, depressed & shiftMask);
    m_modifiers.setFlag(Qt::ControlModifier, depressed & controlMask);
    m_modifiers.setFlag(Qt::AltModifier, depressed & altMask);
}

LayerSurface::LayerSurface(LayerShell& shell, wl_surface* surface, zwlr_layer_surface_v1* role,
                           int scale)
    : m_shell(shell), m_surface(surface), m_role(role), m_scale(scale) {
    m_shell.m_surfaces.push_back(this);
}

LayerSurface::~LayerSurface() {
    std::erase(m_shell.m_surfaces, this);
    if (m_shell.m_pointerFocus == this)
        m_shell.m_pointerFocus = nullptr;
    if (m_shell.m_keyboardFocus == this)
        m_shell.m_keyboardFocus = nullptr;
    zwlr_layer_surface_v1_destroy(m_role);
    wl_surface_destroy(m_surface);
    for (Buffer& buffer : m_buffers)
        buffer.memory.reset();
    m_shell.flush();
}

void LayerSurface::configure(std::uint32_t serial, QSize size) {
    zwlr_layer_surface_v1_ack_configure(m_role, serial);
    if (size == m_area.size() || size.isEmpty())
        return;
    m_area = QRect(QPoint(), size);
    if (m_scale > 1)
        wl_surface_set_buffer_scale(m_surface, m_scale);
    const QSize pixels = size * m_scale;
    for (Buffer& buffer : m_buffers) {
        // Premultiplied, as the compositor reads it.
        buffer.memory = ShmBuffer::create(m_shell.m_connection.shm(), pixels, pixels.width() * 4,
                                          WL_SHM_FORMAT_ARGB8888);
        if (!buffer.memory) {
            Q_EMIT closed();
            return;
        }
        wl_buffer_add_listener(buffer.memory->buffer(), &bufferListener, this);
        buffer.view = buffer.memory->view(QImage::Format_ARGB32_Premultiplied);
        buffer.view.setDevicePixelRatio(m_scale);
        buffer.held = false;
        buffer.stale = m_area;
    }
    Q_EMIT configured();
}

void LayerSurface::present(const QRegion& changed) {
    for (Buffer& buffer : m_buffers)
        buffer.stale += changed.intersected(m_area);
    const auto free = std::find_if(m_buffers.begin(), m_buffers.end(), [](const Buffer& buffer) {
        return buffer.memory && !buffer.held;
    });
    m_waiting = free == m_buffers.end();
    if (m_waiting || !m_painter || free->stale.isEmpty())
        return;
    m_painter(free->view, free->stale);
    wl_surface_attach(m_surface, free->memory->buffer(), 0, 0);
    for (const QRect& rect : free->stale)
        wl_surface_damage(m_surface, rect.x(), rect.y(), rect.width(), rect.height());
    wl_surface_commit(m_surface);
    free->stale = QRegion();
    free->held = true;
    m_shell.flush();
}

void LayerSurface::released(wl_buffer* released) {
    for (Buffer& buffer : m_buffers) {
        if (buffer.memory && buffer.memory->buffer() == released)
            buffer.held = false;
    }
    if (m_waiting)
        present(QRegion());
}
