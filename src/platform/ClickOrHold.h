#pragma once

#include <chrono>

// Tells an everyday click of the trigger button from the start of a gesture: a press released
// soon, having hardly moved, is a click the application under the pointer should have; a press
// that moves or is held starts a gesture. No Qt here: the input helper decides with it too.
class ClickOrHold {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::milliseconds clickTime{250};
    static constexpr int clickDistance = 8; // pixels, or the mouse's own units

    enum class Verdict { Undecided, Click, Gesture };

    // A press at this time: undecided while given-back clicks are on, else a gesture at once.
    Verdict pressed(Clock::time_point at, bool clicksGivenBack) {
        m_pressedAt = at;
        m_undecided = clicksGivenBack;
        return m_undecided ? Verdict::Undecided : Verdict::Gesture;
    }
    // The pointer is this far from where it was pressed.
    Verdict moved(int dx, int dy) {
        return decide(dx * dx + dy * dy >= clickDistance * clickDistance ? Verdict::Gesture
                                                                         : Verdict::Undecided);
    }
    Verdict released(Clock::time_point at) {
        return decide(at - m_pressedAt < clickTime ? Verdict::Click : Verdict::Gesture);
    }
    // Time has come to here without a release.
    Verdict timePassed(Clock::time_point now) {
        return decide(now - m_pressedAt >= clickTime ? Verdict::Gesture : Verdict::Undecided);
    }
    bool undecided() const { return m_undecided; }
    Clock::time_point pressedAt() const { return m_pressedAt; }
    Clock::time_point deadline() const { return m_pressedAt + clickTime; }

private:
    // A verdict is given once; after it, nothing more is decided.
    Verdict decide(Verdict verdict) {
        if (!m_undecided)
            return Verdict::Undecided;
        m_undecided = verdict == Verdict::Undecided;
        return verdict;
    }

    Clock::time_point m_pressedAt;
    bool m_undecided = false;
};
