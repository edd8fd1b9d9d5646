#include "recognition/GestureDecision.h"
#include "support/QtPrinters.h"
#include "support/RowName.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct DecisionRow {
    const char* name;
    int selected;
    std::optional<float> black;
    std::optional<float> contour;
    Scores previous;
    bool accepted;
    Scores bars;
};

class GestureDecision : public ::testing::TestWithParam<DecisionRow> {};

TEST_P(GestureDecision, FollowsTheScoresAndTheSliders) {
    const DecisionRow& row = GetParam();
    Recognition found;
    found.selected = row.selected;
    found.blackPercentage = row.black;
    found.contourPercentage = row.contour;
    found.program = u"/bin/bloc"_s;
    const Decision decision = decide(found, row.previous, Thresholds{50, 60});
    EXPECT_EQ(decision.accepted, row.accepted);
    EXPECT_EQ(decision.bars, row.bars);
    EXPECT_EQ(decision.selected, row.selected);
    EXPECT_EQ(decision.program, u"/bin/bloc"_s);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, GestureDecision,
    ::testing::Values(
        DecisionRow{"above both sliders", 1, 92.5f, 100.0f, {}, true, {92.5f, 100.0f}},
        DecisionRow{"equal is not enough", 1, 50.0f, 100.0f, {}, false, {50.0f, 100.0f}},
        DecisionRow{"contour too low", 2, 100.0f, 60.0f, {}, false, {100.0f, 60.0f}},
        DecisionRow{"nothing selected", 0, {}, {}, {90.0f, 90.0f}, false, {90.0f, 90.0f}},
        DecisionRow{"over 100 after a pass: rejected, the bar kept",
                    1,
                    80.0f,
                    150.0f,
                    {90.0f, 95.0f},
                    false,
                    {80.0f, 95.0f}},
        DecisionRow{"no score after a pass: rejected, the bar kept",
                    1,
                    {},
                    90.0f,
                    {95.0f, 0.0f},
                    false,
                    {95.0f, 90.0f}}),
    [](const auto& info) { return rowName(info.param.name); });

} // namespace
