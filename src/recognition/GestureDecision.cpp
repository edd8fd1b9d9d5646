#include "recognition/GestureDecision.h"

namespace {

bool isShowable(std::optional<float> percentage) {
    return percentage && *percentage >= 0.0f && *percentage <= 100.0f;
}

// A bar refuses a value outside its range and keeps the one it had.
float barValue(std::optional<float> percentage, float previous) {
    return isShowable(percentage) ? *percentage : previous;
}

// Only this drawing's own score counts, never a bar's older value.
bool passes(std::optional<float> percentage, int slider) {
    return isShowable(percentage) && *percentage > static_cast<float>(slider);
}

} // namespace

Decision decide(const Recognition& found, Scores previous, Thresholds sliders) {
    Decision decision;
    decision.bars = {barValue(found.blackPercentage, previous.black),
                     barValue(found.contourPercentage, previous.contour)};
    decision.selected = found.selected;
    decision.program = found.program;
    decision.accepted = found.selected != 0 && passes(found.blackPercentage, sliders.black) &&
                        passes(found.contourPercentage, sliders.contour);
    return decision;
}
