// The main window and the notification area: the icon's callback, hiding on minimise, closing.
#include "main/FrmMain.h"

#include "main/MainLog.h"
#include "tray/TrayCallback.h"

#include <QCloseEvent>
#include <QCoreApplication>

namespace {
// At login a notification area may start just after Gestrix: how long it has to appear.
constexpr int lateNotificationAreaMs = 5000;
} // namespace

// A notification area that appears after start-up gets the icon; once it has it, the watch
// stops (Qt docks a shown icon again in a notification area that restarts).
void FrmMain::dockInLateNotificationArea() {
    if (!SysIcon->Visible() && m_shell.isAvailable())
        SysIcon->ShowIcon();
    if (SysIcon->Visible())
        m_trayWatch.stop();
}

void FrmMain::startInNotificationArea() {
    if (SysIcon->Visible())
        return;
    QTimer::singleShot(lateNotificationAreaMs, this, [this] {
        if (!SysIcon->Visible())
            show();
    });
}

void FrmMain::shellCallback(std::uint32_t callbackMessage, std::uint32_t pointerMessage) {
    if (callbackMessage == trayCallbackMessage)
        Form_MouseMove(pointerMessage);
}

void FrmMain::Form_MouseMove(std::uint32_t pointerMessage) {
    qCDebug(lcMain) << "tray callback" << pointerMessage;
    if (showsMainWindow(pointerMessage))
        showFromTray();
}

void FrmMain::showFromTray() {
    showNormal();
    raise();
    activateWindow();
}

void FrmMain::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        Form_Resize();
}

// Minimised, the window goes to the notification area, but only when there is an icon to bring
// it back with; without one (or once the notification area has gone) it minimises as usual.
void FrmMain::Form_Resize() {
    if (!isMinimized() || !SysIcon || !SysIcon->Visible() || !m_shell.isAvailable())
        return;
    // Leaving the minimised state here would map the window again (that is how X11 windows are
    // restored), so the normal state is set when the window comes back (showFromTray).
    hide();
}

// Closing the window ends the program; the notification icon goes with the window.
void FrmMain::closeEvent(QCloseEvent* event) {
    event->accept();
    QCoreApplication::quit();
}
