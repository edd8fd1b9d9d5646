#include "recognition/GestureDecision.h"

namespace {

// A bar refuses a value outside its range and keeps the one it had.
float barValue(std::optional<float> percentage, float previous) {
    return percentage && *percentage >= 0.0f && *percentage <= 100.0f ? *percentage : previous;
}

} // namespace

Decision decide(const Recognition& found, Scores previous, Thresholds sliders) {
    Decision decision;
    decision.bars = {barValue(found.blackPercentage, previous.black),
                     barValue(found.contourPercentage, previous.contour)};
    decision.selected = found.selected;
    decision.program = found.program;
    decision.accepted = found.selected != 0 && decision.bars.black > sliders.black &&
                        decision.bars.contour > sliders.contour;
    return decision;
}
