#include "platform/evdev/FrameFilter.h"
#include "platform/evdev/InputHelperProtocol.h"

#include <gtest/gtest.h>

#include <initializer_list>

using namespace std::chrono_literals;

namespace {

struct Event {
    int type, code, value;
    bool operator==(const Event&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Event& e) {
    return out << '{' << e.type << ',' << e.code << ',' << e.value << '}';
}

const Event report{EV_SYN, SYN_REPORT, 0};
const Event scan{EV_MSC, MSC_SCAN, 0x90003};
Event key(int code, int value) {
    return {EV_KEY, code, value};
}
Event move(int code, int by) {
    return {EV_REL, code, by};
}

// A mouse as the filter sees it: frames in, stamped at a time of the test's choosing.
class FrameFilterTest : public ::testing::Test {
protected:
    // Feeds one frame (its SYN_REPORT added) and gathers what came out.
    FrameFilter::Result frame(std::initializer_list<Event> events) {
        FrameFilter::Result all;
        for (const Event& e : events)
            gather(all, e);
        gather(all, report);
        return all;
    }
    static std::vector<Event> plain(const std::vector<input_event>& events) {
        std::vector<Event> out;
        for (const input_event& e : events)
            out.push_back({e.type, e.code, e.value});
        return out;
    }
    void gather(FrameFilter::Result& all, const Event& e) {
        input_event event{};
        event.type = __u16(e.type);
        event.code = __u16(e.code);
        event.value = e.value;
        const auto sinceStart =
            std::chrono::duration_cast<std::chrono::microseconds>(now.time_since_epoch());
        event.input_event_sec = sinceStart.count() / 1000000;
        event.input_event_usec = sinceStart.count() % 1000000;
        FrameFilter::Result one = filter.take(event, trigger);
        all.forward.insert(all.forward.end(), one.forward.begin(), one.forward.end());
        all.gestureStarted |= one.gestureStarted;
        all.gestureEnded |= one.gestureEnded;
    }

    FrameFilter filter;
    TriggerChoice trigger{.code = BTN_MIDDLE, .clicksGivenBack = true, .taking = true};
    FrameFilter::Clock::time_point now{};
};

TEST_F(FrameFilterTest, EverythingButTheTriggerGoesOnWholeFramesAtATime) {
    input_event half{};
    half.type = EV_REL;
    half.code = REL_X;
    half.value = 3;
    EXPECT_TRUE(filter.take(half, trigger).forward.empty()) << "nothing before the report";
    const FrameFilter::Result moved = filter.take(input_event{}, trigger);
    EXPECT_EQ(plain(moved.forward), (std::vector<Event>{move(REL_X, 3), report}));

    const FrameFilter::Result wheel = frame({move(REL_WHEEL, -1), move(REL_WHEEL_HI_RES, -120)});
    EXPECT_EQ(plain(wheel.forward),
              (std::vector<Event>{move(REL_WHEEL, -1), move(REL_WHEEL_HI_RES, -120), report}));
    EXPECT_EQ(plain(frame({scan, key(BTN_LEFT, 1)}).forward),
              (std::vector<Event>{scan, key(BTN_LEFT, 1), report}));
}

TEST_F(FrameFilterTest, AHeldPressIsAGestureAndNeitherItNorItsReleaseGoesOn) {
    const FrameFilter::Result pressed = frame({scan, key(BTN_MIDDLE, 1)});
    EXPECT_TRUE(pressed.forward.empty()) << "the scan code goes with its button";
    EXPECT_FALSE(pressed.gestureStarted) << "a click or a gesture: not known yet";
    ASSERT_TRUE(filter.deadline());

    EXPECT_FALSE(filter.timePassed(now + 249ms));
    EXPECT_TRUE(filter.timePassed(now + 250ms));
    EXPECT_TRUE(filter.holdsGesture());
    now += 400ms;
    EXPECT_EQ(plain(frame({move(REL_X, 40)}).forward),
              (std::vector<Event>{move(REL_X, 40), report}));
    const FrameFilter::Result released = frame({scan, key(BTN_MIDDLE, 0)});
    EXPECT_TRUE(released.forward.empty());
    EXPECT_TRUE(released.gestureEnded);
}

TEST_F(FrameFilterTest, APressThatMovesIsAGestureAtOnce) {
    frame({key(BTN_MIDDLE, 1)});
    const FrameFilter::Result small = frame({move(REL_X, 5), move(REL_Y, 5)});
    EXPECT_FALSE(small.gestureStarted) << "7 units: still a click";
    EXPECT_EQ(plain(small.forward), (std::vector<Event>{move(REL_X, 5), move(REL_Y, 5), report}))
        << "the pointer moves meanwhile";
    EXPECT_TRUE(frame({move(REL_Y, 2)}).gestureStarted) << "8.6 units: a gesture";
    EXPECT_FALSE(filter.deadline());
}

TEST_F(FrameFilterTest, AQuickClickIsGivenBackWhole) {
    frame({key(BTN_MIDDLE, 1)});
    now += 100ms;
    const FrameFilter::Result released = frame({key(BTN_MIDDLE, 0)});
    EXPECT_FALSE(released.gestureStarted || released.gestureEnded);
    EXPECT_EQ(plain(released.forward),
              (std::vector<Event>{key(BTN_MIDDLE, 1), report, key(BTN_MIDDLE, 0), report}));

    // Without given-back clicks, the press is a gesture at once, even a quick one.
    trigger.clicksGivenBack = false;
    EXPECT_TRUE(frame({key(BTN_MIDDLE, 1)}).gestureStarted);
    EXPECT_TRUE(frame({key(BTN_MIDDLE, 0)}).gestureEnded);
}

TEST_F(FrameFilterTest, APressNotTakenGoesOnWithItsReleaseWhateverChangesMeanwhile) {
    trigger.taking = false;
    EXPECT_EQ(plain(frame({key(BTN_MIDDLE, 1)}).forward),
              (std::vector<Event>{key(BTN_MIDDLE, 1), report}));
    trigger.taking = true;
    EXPECT_EQ(plain(frame({key(BTN_MIDDLE, 0)}).forward),
              (std::vector<Event>{key(BTN_MIDDLE, 0), report}));
    // Another button than the trigger is never kept.
    EXPECT_EQ(plain(frame({key(BTN_SIDE, 1)}).forward),
              (std::vector<Event>{key(BTN_SIDE, 1), report}));
}

TEST_F(FrameFilterTest, AFrameTheKernelCouldNotKeepWholeIsDropped) {
    FrameFilter::Result dropped;
    gather(dropped, move(REL_X, 1));
    gather(dropped, {EV_SYN, SYN_DROPPED, 0});
    gather(dropped, move(REL_X, 2));
    gather(dropped, report);
    EXPECT_TRUE(dropped.forward.empty());
    EXPECT_EQ(plain(frame({move(REL_X, 4)}).forward), (std::vector<Event>{move(REL_X, 4), report}));
}

TEST(InputHelperProtocol, TheTriggerLineOnlyNamesAMouseButton) {
    const TriggerChoice said{.code = BTN_EXTRA, .clicksGivenBack = false, .taking = true};
    std::string line = inputhelper::triggerLine(said);
    ASSERT_EQ(line.back(), '\n');
    line.pop_back();
    const std::optional<TriggerChoice> heard = inputhelper::parseTrigger(line);
    ASSERT_TRUE(heard);
    EXPECT_EQ(heard->code, BTN_EXTRA);
    EXPECT_FALSE(heard->clicksGivenBack);
    EXPECT_TRUE(heard->taking);
    for (const char* line : {"trigger 30 1 1", "trigger 274 2 1", "trigger 274 1", "press", ""})
        EXPECT_FALSE(inputhelper::parseTrigger(line)) << line;
}

} // namespace
