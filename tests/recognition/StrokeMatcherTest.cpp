#include "recognition/StrokeMatcher.h"

#include <QLineF>

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

// Points evenly spaced along the whole path, however unevenly it was recorded, and the larger
// side made 1: a line 31 long in four uneven pieces gives one point every 1/31 of its length.
TEST(StrokeMatcher, ResamplesEvenlyAlongTheWholePathAndScalesByTheLargerSide) {
    for (const Stroke& line :
         {Stroke{{0, 0}, {2, 0}, {29, 0}, {30, 0}, {31, 0}}, Stroke{{5, 0}, {5, 31}}}) {
        const auto prepared = prepareStroke(line);
        ASSERT_TRUE(prepared);
        for (int i = 1; i < strokeSamples; ++i)
            EXPECT_NEAR(QLineF(prepared->points[i - 1], prepared->points[i]).length(), 1.0 / 31,
                        1e-6)
                << i;
    }
    const auto wide = prepareStroke({{0, 0}, {400, 0}, {400, 100}});
    ASSERT_TRUE(wide);
    EXPECT_NEAR(wide->points.back().x() - wide->points.front().x(), 1.0, 1e-6);
    EXPECT_NEAR(wide->points.back().y() - wide->points.front().y(), 0.25, 1e-6);
}

// The warping band reaches as far either way, and the distance is that of the whole path to
// both ends: a stroke is as far from another as the other is from it.
TEST(StrokeMatcher, DistanceAndItsLowerBoundAreTheSameEitherWay) {
    const Stroke ell{{0, 0}, {0, 300}, {100, 300}};
    const Stroke late{{0, 0}, {0, 100}, {300, 100}};
    const Stroke hook{{0, 0}, {300, 0}, {300, 150}, {200, 150}};
    const std::pair<Stroke, Stroke> pairs[] = {
        {ell, late}, {ell, hook}, {circle(0), rectangle}, {circle(0), circle(5)}};
    for (const auto& [first, second] : pairs) {
        const auto a = prepareStroke(first);
        const auto b = prepareStroke(second);
        ASSERT_TRUE(a && b);
        const float distance = strokeDistance(*a, *b);
        EXPECT_NEAR(distance, strokeDistance(*b, *a), 1e-5);
        EXPECT_GT(distance, 0.0f);
        EXPECT_LE(strokeLowerBound(*a, *b), distance);
        EXPECT_LE(strokeLowerBound(*b, *a), distance);
    }
}

} // namespace
