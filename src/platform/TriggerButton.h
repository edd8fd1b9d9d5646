#pragma once

#include <QPoint>
#include <QRect>
#include <QStringList>

#include <cstdint>
#include <optional>

// Which button starts a gesture, and when a press of it belongs to the application below.
struct TriggerSettings {
    static constexpr int middleButton = 2;

    int button = middleButton; // X button number: 2 middle, 8 and 9 the side buttons
    // Held with the press, this lets it through to the application; NoModifier: none does.
    Qt::KeyboardModifier passThrough = Qt::ShiftModifier;
    QStringList excludedClasses; // WM_CLASS names, either part, matched without regard to case
    // A quick click that hardly moved goes to the application as a click; only a press that
    // moves or is held starts a gesture.
    bool clicksGivenBack = true;
};

// A press of the trigger button, as the platform saw it.
struct TriggerPress {
    // Global, in device-independent pixels as Qt places windows; unknown when the press was read
    // from the mouse itself.
    std::optional<QPoint> position;
    Qt::KeyboardModifiers modifiers;
    QStringList windowClass; // WM_CLASS of the application window under the pointer, if known
    std::uint32_t time = 0;  // the server's time of the press, in milliseconds
};

// Whether the settings leave this press to the application below: the pass-through modifier is
// held, or the application is excluded.
bool letsThrough(const TriggerSettings& settings, const TriggerPress& press);

// Where the trigger button's presses go.
class TriggerHandler {
public:
    virtual ~TriggerHandler() = default;
    // True takes the press and a gesture starts; false lets it through to the window below.
    virtual bool triggerPressed(const TriggerPress& press) = 0;
    // While a taken press is held: the pointer moved, then the button was released (where, if
    // known).
    virtual void triggerHeldMove(QPoint position) = 0;
    virtual void triggerReleased(std::optional<QPoint> position) = 0;
};

// Whether a press would start a gesture now, and where a press belongs to our own notification
// icon: told as it changes, so that presses are decided without asking the user interface.
struct PressWelcome {
    bool taking = true;
    QRect iconArea; // global, in device-independent pixels
    bool takes(const TriggerPress& press) const {
        return taking && !(press.position && iconArea.contains(*press.position));
    }
};

// The button's state read by a poll, for when presses do not arrive as events.
struct TriggerState {
    bool downNow = false;
    // Went down since the previous reading, however briefly: a click between two polls.
    bool pressedSinceLastReading = false;
};

// The trigger button anywhere on the screen.
class TriggerButton {
public:
    virtual ~TriggerButton() = default;
    // False when the buttons cannot be seen at all (no X11 display: offscreen tests, Wayland).
    virtual bool isAvailable() const = 0;
    // True when the button could be read here if the user granted it (a service to install).
    virtual bool needsAccess() const { return false; }
    // True when another Gestrix watches the button on this display: this one leaves it alone.
    virtual bool watchedElsewhere() const { return false; }
    // True when presses reach the handler as they happen; the poll is then not needed.
    virtual bool deliversPresses() const = 0;
    virtual void setHandler(TriggerHandler* handler) = 0;
    virtual void configure(const TriggerSettings& settings) = 0;
    virtual TriggerState read() = 0;
    virtual void setWelcome(const PressWelcome&) {}
    // A taken press takes the keyboard too, so that no key typed with it reaches the window
    // below; it goes back once the overlay has it, or when there is none.
    virtual void releaseKeyboard() {}
};
