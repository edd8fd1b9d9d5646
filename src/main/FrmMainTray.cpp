// The main window and the notification area: the icon's callback, hiding on minimise, closing.
#include "main/FrmMain.h"

#include "main/MainLog.h"
#include "tray/TrayCallback.h"
#include "widgets/Messages.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMenu>

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

// Without a notification area Gestrix runs with no window, as at every login; starting it again
// shows the window. The user is told so once, by the desktop's notifications.
void FrmMain::startInNotificationArea() {
    if (SysIcon->Visible())
        return;
    QTimer::singleShot(lateNotificationAreaMs, this, [this] {
        if (SysIcon->Visible())
            return;
        qCInfo(lcMain) << "no notification area: running without a window";
        prefs::Preferences preferences = prefs::load();
        if (preferences.noTrayExplained)
            return;
        m_shell.notifyDesktop(caption(), tr("Gestrix fonctionne sans fenêtre : ce bureau n'a pas "
                                            "de zone de notification. Lancez Gestrix à nouveau "
                                            "depuis le menu des applications pour l'ouvrir."));
        preferences.noTrayExplained = true;
        if (prefs::save(preferences, {prefs::Setting::NoTrayExplained}))
            qCWarning(lcMain) << "not remembered that the user was told where Gestrix is";
    });
}

void FrmMain::shellCallback(std::uint32_t callbackMessage, std::uint32_t pointerMessage) {
    if (callbackMessage == trayCallbackMessage)
        Form_MouseMove(pointerMessage);
}

void FrmMain::Form_MouseMove(std::uint32_t pointerMessage) {
    qCDebug(lcMain) << "tray callback" << pointerMessage;
    if (pointerMessage == WM_LBUTTONUP) {
        if (isVisible() && !isMinimized() && isActiveWindow())
            hide();
        else
            showFromTray();
    } else if (showsMainWindow(pointerMessage)) {
        showFromTray();
    }
}

// Filled again when the language changes.
void FrmMain::fillTrayMenu(QMenu& menu) {
    m_trayMenu = &menu;
    menu.clear();
    menu.addAction(tr("Ajouter un raccourci…"), this, &FrmMain::Label6_Click);
    menu.addAction(tr("Préférence…"), this, &FrmMain::Label12_Click);
    QAction* pause = menu.addAction(tr("Suspendre les gestes"));
    pause->setCheckable(true);
    pause->setChecked(m_gesture->isPaused());
    connect(pause, &QAction::toggled, this, &FrmMain::setGesturesPaused);
    menu.addAction(tr("Afficher"), this, &FrmMain::showFromTray);
    menu.addAction(tr("Quitter"), qApp, &QCoreApplication::quit);
}

void FrmMain::setGesturesPaused(bool paused) {
    m_gesture->setPaused(paused);
    qCInfo(lcMain) << (paused ? "gestures paused" : "gestures resumed");
    showGestureState();
}

void FrmMain::showGestureState() {
    const bool paused = m_gesture->isPaused();
    SysIcon->setTipText(paused ? tr("%1 — gestes suspendus").arg(caption()) : caption());
    SysIcon->setIconHandle(paused ? QIcon(windowIcon().pixmap(64, QIcon::Disabled)) : windowIcon());
    SysIcon->Update();
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
    else if (event->type() == QEvent::LanguageChange)
        retranslate();
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

// Closing the window ends the program, the notification icon with it; with the preference, an
// icon keeps it running. Where an icon could have, the user is asked the first time.
void FrmMain::closeEvent(QCloseEvent* event) {
    const bool iconShown = !m_quitting && SysIcon && SysIcon->Visible() && m_shell.isAvailable();
    prefs::Preferences preferences = prefs::load();
    if (iconShown && preferences.closeKeepsInTray) {
        event->ignore();
        hide();
        return;
    }
    if (iconShown && !preferences.closeExplained) {
        preferences.closeExplained = true;
        prefs::save(preferences, {prefs::Setting::CloseExplained});
        if (!messages::ask(this, tr("Fermer la fenêtre arrête Gestrix : les gestes ne répondront "
                                    "plus. Pour le garder, réduisez plutôt la fenêtre, ou cochez "
                                    "« Fermer la fenêtre la garde dans la zone de notification » "
                                    "dans Préférence. Fermer quand même ?"))) {
            event->ignore();
            return;
        }
    }
    event->accept();
    QCoreApplication::quit();
}
