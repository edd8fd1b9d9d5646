#include "platform/evdev/FrameFilter.h"

#include <algorithm>
#include <utility>

namespace {

input_event event(int type, int code, int value) {
    input_event made{};
    made.type = static_cast<__u16>(type);
    made.code = static_cast<__u16>(code);
    made.value = value;
    return made;
}

const input_event report = event(EV_SYN, SYN_REPORT, 0);

// When the kernel stamped the event (on the monotonic clock, as MouseDevice asks).
FrameFilter::Clock::time_point stamp(const input_event& event) {
    return FrameFilter::Clock::time_point(std::chrono::seconds(event.input_event_sec) +
                                          std::chrono::microseconds(event.input_event_usec));
}

} // namespace

FrameFilter::Result FrameFilter::take(const input_event& event, const TriggerChoice& trigger) {
    Result result;
    if (event.type == EV_SYN && event.code == SYN_DROPPED) {
        // The kernel lost events: this frame is not whole, nor is the next up to its report.
        m_frame.clear();
        m_dropping = true;
    } else if (event.type == EV_SYN && event.code == SYN_REPORT) {
        if (!std::exchange(m_dropping, false))
            passFrame(result, trigger, stamp(event));
        m_frame.clear();
    } else if (!m_dropping) {
        m_frame.push_back(event);
    }
    return result;
}

void FrameFilter::passFrame(Result& result, const TriggerChoice& trigger, Clock::time_point now) {
    if (m_trigger == Trigger::Undecided && timePassed(now))
        result.gestureStarted = true;
    std::vector<input_event> kept;
    bool keptBack = false;
    for (const input_event& event : m_frame) {
        const int triggerCode = m_trigger == Trigger::Up ? trigger.code : m_triggerCode;
        if (event.type == EV_KEY && event.code == triggerCode) {
            if (m_trigger == Trigger::Undecided || m_trigger == Trigger::Taken ||
                (event.value == 1 && trigger.taking)) {
                keptBack = true;
                triggerEvent(result, event, trigger, now);
                continue;
            }
            // Not ours: the press and its release go on, even if we listen by the release.
            if (event.value == 1) {
                m_trigger = Trigger::Forwarded;
                m_triggerCode = event.code;
            } else if (event.value == 0) {
                m_trigger = Trigger::Up;
            }
        } else if (event.type == EV_REL && m_trigger == Trigger::Undecided) {
            m_dx += event.code == REL_X ? event.value : 0;
            m_dy += event.code == REL_Y ? event.value : 0;
            if (m_clickOrHold.moved(m_dx, m_dy) == ClickOrHold::Verdict::Gesture) {
                m_trigger = Trigger::Taken;
                result.gestureStarted = true;
            }
        }
        kept.push_back(event);
    }
    // The scan code told which physical button the kept-back trigger was: it goes with it.
    if (keptBack)
        std::erase_if(kept, [](const input_event& e) { return e.type == EV_MSC; });
    if (!kept.empty())
        forward(result, kept);
}

void FrameFilter::triggerEvent(Result& result, const input_event& event,
                               const TriggerChoice& trigger, Clock::time_point now) {
    if (event.value == 1 && m_trigger == Trigger::Up) {
        m_triggerCode = event.code;
        m_dx = m_dy = 0;
        if (m_clickOrHold.pressed(now, trigger.clicksGivenBack) == ClickOrHold::Verdict::Gesture) {
            m_trigger = Trigger::Taken;
            result.gestureStarted = true;
        } else {
            m_trigger = Trigger::Undecided;
        }
    } else if (event.value == 0) {
        if (m_trigger == Trigger::Undecided &&
            m_clickOrHold.released(now) == ClickOrHold::Verdict::Click) {
            // The click the user meant, given back whole to the window under the pointer.
            forward(result, {::event(EV_KEY, m_triggerCode, 1)});
            forward(result, {::event(EV_KEY, m_triggerCode, 0)});
        } else {
            result.gestureStarted = m_trigger == Trigger::Undecided;
            result.gestureEnded = true;
        }
        m_trigger = Trigger::Up;
        m_triggerCode = 0;
    }
    // A repeat of a kept-back button is kept back too.
}

std::optional<FrameFilter::Clock::time_point> FrameFilter::deadline() const {
    if (m_trigger != Trigger::Undecided)
        return std::nullopt;
    return m_clickOrHold.deadline();
}

bool FrameFilter::timePassed(Clock::time_point now) {
    if (m_trigger != Trigger::Undecided ||
        m_clickOrHold.timePassed(now) != ClickOrHold::Verdict::Gesture)
        return false;
    m_trigger = Trigger::Taken;
    return true;
}

void FrameFilter::forward(Result& result, const std::vector<input_event>& frame) {
    result.forward.insert(result.forward.end(), frame.begin(), frame.end());
    result.forward.push_back(report);
}
