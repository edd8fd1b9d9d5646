#include "recognition/DrawingSampler.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

QImage whitePicture(int size) {
    QImage picture(size, size, QImage::Format_RGB32);
    picture.fill(Qt::white);
    return picture;
}

class DrawingSamplerLattice : public ::testing::TestWithParam<float> {};

// The picture is 1455 twips wide at every density; each cell is read at one pixel of its lattice.
TEST_P(DrawingSamplerLattice, ReadsExactlyOnePixelPerCell) {
    const float twipsPerPixel = GetParam();
    const int pitch = static_cast<int>(120 / twipsPerPixel);
    QImage picture = whitePicture(static_cast<int>(std::lround(1455 / twipsPerPixel)));
    EXPECT_TRUE(sampleDrawing(picture, twipsPerPixel, twipsPerPixel).none());

    for (int cell : {0, 11, 12, 77, 143}) {
        const QPoint sample(1 + pitch * (cell % 12), 1 + pitch * (cell / 12));
        QImage one = picture;
        one.setPixel(sample, 0x000000);
        const DrawingGrid covered = sampleDrawing(one, twipsPerPixel, twipsPerPixel);
        EXPECT_EQ(covered.count(), 1u) << "cell " << cell;
        EXPECT_TRUE(covered[cell]) << "cell " << cell << " at " << sample.x() << "," << sample.y();

        // Black everywhere around the sample point but on it does not cover the cell.
        QImage around = picture;
        around.fill(Qt::black);
        around.setPixel(sample, 0xFFFFFF);
        EXPECT_FALSE(sampleDrawing(around, twipsPerPixel, twipsPerPixel)[cell]);
    }
}

INSTANTIATE_TEST_SUITE_P(Densities, DrawingSamplerLattice, ::testing::Values(15.0f, 12.0f, 10.0f));

TEST(DrawingSampler, OnlyPureBlackCounts) {
    QImage picture = whitePicture(97);
    picture.setPixel(1, 1, 0x010101);
    picture.setPixel(89, 89, 0x000001);
    picture.setPixel(9, 1, qRgb(0, 0, 0));
    const DrawingGrid covered = sampleDrawing(picture, 15, 15);
    EXPECT_FALSE(covered[0]);
    EXPECT_FALSE(covered[143]);
    EXPECT_TRUE(covered[1]);
}

TEST(DrawingSampler, PointsOutsideThePictureAreNotCovered) {
    QImage small(40, 40, QImage::Format_RGB32);
    small.fill(Qt::black);
    const DrawingGrid covered = sampleDrawing(small, 15, 15);
    EXPECT_TRUE(covered[4]) << "x = 33 lies inside";
    EXPECT_FALSE(covered[5]) << "x = 41 lies outside";
    EXPECT_FALSE(covered[143]);
    EXPECT_EQ(covered.count(), 25u);
    EXPECT_TRUE(sampleDrawing(QImage(), 15, 15).none());
}

} // namespace
