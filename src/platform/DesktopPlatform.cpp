#include "platform/DesktopPlatform.h"

#include "platform/desktop/DesktopProgramStarter.h"
#include "platform/evdev/InputHelperTrigger.h"
#include "platform/wayland/KWinScreenPhotographer.h"
#include "platform/wayland/LayerShell.h"
#include "platform/wayland/PortalScreenPhotographer.h"
#include "platform/wayland/ScreencopyPhotographer.h"
#include "platform/wayland/WaylandConnection.h"
#include "platform/x11/X11ScreenFreezer.h"
#include "platform/x11/X11ScreenPhotographer.h"
#include "platform/x11/X11TriggerButton.h"
#include "platform/x11/X11WindowPicker.h"

#include <QGuiApplication>

namespace {

// Where the compositor does not copy its outputs for us, KWin may; else only the desktop may,
// through its portal.
std::unique_ptr<ScreenPhotographer> desktopPhotographer() {
    auto portal = std::make_unique<PortalScreenPhotographer>();
    if (KWinScreenPhotographer::offered())
        return std::make_unique<KWinScreenPhotographer>(std::move(portal));
    return portal;
}

} // namespace

void DesktopPlatform::preferWayland() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "wayland;xcb");
}

// X11 lets us take the button from the server; Wayland gives it to no program, so it is read
// from the mouse itself by the system's input helper.
DesktopPlatform::DesktopPlatform()
    : m_wayland(QGuiApplication::platformName().startsWith(QLatin1String("wayland"))),
      m_starter(std::make_unique<DesktopProgramStarter>()) {
    if (m_wayland) {
        m_trigger = std::make_unique<InputHelperTrigger>();
        // One connection of our own serves the compositor's screencopy and its layer shell.
        m_connection = WaylandConnection::open();
        if (m_connection) {
            m_photographer = ScreencopyPhotographer::open(*m_connection);
            m_surfaces = LayerShell::open(*m_connection);
            if (!m_photographer && !m_surfaces)
                m_connection.reset();
        }
        if (!m_photographer)
            m_photographer = desktopPhotographer();
        return;
    }
    m_trigger = std::make_unique<X11TriggerButton>();
    m_photographer = std::make_unique<X11ScreenPhotographer>();
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        m_freezer = std::make_unique<X11ScreenFreezer>();
        m_windowPicker = std::make_unique<X11WindowPicker>();
    }
}

DesktopPlatform::~DesktopPlatform() = default;

Platform DesktopPlatform::platform() const {
    return {*m_trigger,      *m_photographer,      *m_starter, m_surfaces.get(),
            m_freezer.get(), m_windowPicker.get(), m_wayland};
}
