#include "recognition/StrokeMatcher.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

// A circle and a rectangle round the same box: one 12 x 12 grid holds them alike.
Stroke circle(int from) {
    Stroke stroke;
    for (int step = 0; step <= 64; ++step) {
        const double angle = 2 * std::numbers::pi * (from + step) / 64;
        stroke.append({qRound(300 + 200 * std::cos(angle)), qRound(300 + 200 * std::sin(angle))});
    }
    return stroke;
}
const Stroke rectangle{{100, 100}, {500, 100}, {500, 500}, {100, 500}, {100, 100}};

TEST(StrokeMatcher, TellsACircleFromARectangleWhateverItsSizeAndPlace) {
    const auto round = prepareStroke(circle(0));
    const auto square = prepareStroke(rectangle);
    Stroke bigger;
    for (const QPoint& point : circle(0))
        bigger.append(point * 3 + QPoint(700, 50));
    const auto larger = prepareStroke(bigger);
    ASSERT_TRUE(round && square && larger);
    EXPECT_LT(strokeDistance(*round, *larger), 0.01f) << "size and place do not count";
    EXPECT_GT(strokeDistance(*round, *square),
              4 * strokeDistance(*round, *prepareStroke(circle(2))));
    EXPECT_LE(strokeLowerBound(*round, *square), strokeDistance(*round, *square));
    EXPECT_FALSE(prepareStroke({{5, 5}, {5, 5}})) << "a stroke without length";
}

} // namespace
