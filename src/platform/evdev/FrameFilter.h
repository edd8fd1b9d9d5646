#pragma once

#include "platform/ClickOrHold.h"

#include <linux/input.h>

#include <optional>
#include <vector>

// What the trigger is now: which button (an evdev code, BTN_MIDDLE…), whether a quick click of
// it is given back, and whether a press of it would start a gesture (someone listens, none is
// under way, gestures are not paused).
struct TriggerChoice {
    int code = BTN_MIDDLE;
    bool clicksGivenBack = true;
    bool taking = false;
};

// One mouse's events on their way to its copy, a whole frame (up to SYN_REPORT) at a time: the
// trigger's press and release are kept back, or given back as a click; everything else goes
// on unchanged.
class FrameFilter {
public:
    using Clock = ClickOrHold::Clock;

    struct Result {
        std::vector<input_event> forward; // whole frames, each ending with its SYN_REPORT
        bool gestureStarted = false;
        bool gestureEnded = false;
    };

    // One event read from the mouse. Nothing goes on before its frame is whole, and the frame is
    // judged at the time the kernel stamped its report: a click stays a click however late it
    // is read.
    Result take(const input_event& event, const TriggerChoice& trigger);
    // When a press still undecided becomes a gesture without any event: its deadline.
    std::optional<Clock::time_point> deadline() const;
    // The deadline has come: true when a gesture starts now.
    bool timePassed(Clock::time_point now);
    // A gesture is ours, from its start to its end.
    bool holdsGesture() const { return m_trigger == Trigger::Taken; }

private:
    enum class Trigger { Up, Forwarded, Undecided, Taken };

    void passFrame(Result& result, const TriggerChoice& trigger, Clock::time_point now);
    void triggerEvent(Result& result, const input_event& event, const TriggerChoice& trigger,
                      Clock::time_point now);
    void forward(Result& result, const std::vector<input_event>& frame);

    std::vector<input_event> m_frame;
    bool m_dropping = false; // after SYN_DROPPED, until the next SYN_REPORT
    Trigger m_trigger = Trigger::Up;
    int m_triggerCode = 0;  // the press's code, kept until its release
    int m_dx = 0, m_dy = 0; // travel since an undecided press
    ClickOrHold m_clickOrHold;
};
