#pragma once

#include "recognition/Matcher.h"

#include <QString>

// Whether a recognised drawing is accepted, as a function of data: what the matcher found, the
// score bars' values before this run and the two sensitivity sliders.

// The two percentages as the score bars hold them, 0 to 100.
struct Scores {
    float black = 0.0f;
    float contour = 0.0f;
    bool operator==(const Scores&) const = default;
};

// The sensitivity sliders: a score must exceed its slider strictly.
struct Thresholds {
    int black = 0;
    int contour = 0;
};

struct Decision {
    bool accepted = false;
    Scores bars;      // what the score bars show after this run
    int selected = 0; // 1-based position of the selected symbol; 0: none
    QString program;  // the selected symbol's program
};

// A drawing is accepted only when both of its own percentages were computed, lie within 0 to
// 100 and exceed their sliders. One that cannot be computed, or lies outside 0 to 100, leaves its
// bar as it was (the bar may show an older value; acceptance never uses it).
Decision decide(const Recognition& found, Scores previous, Thresholds sliders);
