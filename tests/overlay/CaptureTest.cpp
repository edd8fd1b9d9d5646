#include "overlay/Capture.h"

#include <QPainter>

#include <gtest/gtest.h>

using namespace capture;

namespace {

QImage white(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

bool isBlack(const QImage& image, int x, int y) {
    return (image.pixel(x, y) & 0xFFFFFF) == 0;
}

TEST(Fitting, LargestWholePercentageThatFitsStrictly) {
    const struct {
        QSize block;
        int percent;
        QSize size;
        QPointF topLeft;
    } rows[] = {
        {{400, 300}, 24, {96, 72}, {0.5, 12.5}},
        {{50, 40}, 99, {50, 40}, {23.5, 28.5}}, // 49.5 rounds to 50 (halves to even)
        {{98, 10}, 98, {96, 10}, {0.5, 43.5}},  // 97.02 rounds to 97: no room at 99
        {{161, 81}, 59, {95, 48}, {1.0, 24.5}}, // the frame before any movement
        {{1, 1}, 99, {1, 1}, {48.0, 48.0}},
    };
    for (const auto& row : rows) {
        const std::optional<Placement> placed = fitInto(row.block, QSize(97, 97));
        ASSERT_TRUE(placed);
        EXPECT_EQ(placed->percent, row.percent) << row.block.width() << "x" << row.block.height();
        EXPECT_EQ(placed->size, row.size);
        EXPECT_EQ(placed->topLeft, row.topLeft);
    }
    EXPECT_FALSE(fitInto(QSize(10, 10), QSize(0, 0)));
    EXPECT_EQ(fitInto(QSize(100000, 10), QSize(97, 97))->percent, 0);
}

TEST(Reduction, KeepsOnePixelLinesAtTenPerCent) {
    QImage block = white(QSize(1000, 100));
    QPainter painter(&block);
    painter.setPen(Qt::black);
    painter.drawLine(0, 55, 999, 55);  // horizontal, one pixel thick
    painter.drawLine(333, 0, 333, 99); // vertical
    painter.end();

    const QImage reduced = reduceKeepingBlack(block, QSize(100, 10));
    for (int x = 0; x < 100; ++x)
        EXPECT_TRUE(isBlack(reduced, x, 5)) << x;
    for (int y = 0; y < 10; ++y)
        EXPECT_TRUE(isBlack(reduced, 33, y)) << y;
    EXPECT_FALSE(isBlack(reduced, 0, 0));
    EXPECT_FALSE(isBlack(reduced, 99, 9));
    EXPECT_EQ(reduced.pixel(0, 0) & 0xFFFFFF, 0xFFFFFFu) << "everything else is pure white";
}

TEST(Reduction, NearBlackDoesNotCount) {
    QImage block = white(QSize(10, 10));
    block.fill(QColor(1, 1, 1));
    EXPECT_FALSE(isBlack(reduceKeepingBlack(block, QSize(2, 2)), 0, 0));
}

TEST(CopyBlock, OutsideTheImageReadsWhite) {
    QImage image(100, 100, QImage::Format_RGB32);
    image.fill(Qt::black);
    const QImage block = copyBlock(image, QRect(-10, 90, 30, 20));
    ASSERT_EQ(block.size(), QSize(30, 20));
    EXPECT_FALSE(isBlack(block, 5, 5)) << "left of the image";
    EXPECT_TRUE(isBlack(block, 15, 5));
    EXPECT_FALSE(isBlack(block, 15, 15)) << "below the image";
}

TEST(ComparisonPicture, BlockIsReducedAndCentred) {
    QImage block(400, 300, QImage::Format_RGB32);
    block.fill(Qt::black);
    const QImage picture = comparisonPicture(block, QSize(97, 97));
    ASSERT_EQ(picture.size(), QSize(97, 97));
    // 96 x 72 at (0.5, 12.5): whole pixels from (0, 12).
    EXPECT_TRUE(isBlack(picture, 0, 12));
    EXPECT_TRUE(isBlack(picture, 95, 83));
    EXPECT_FALSE(isBlack(picture, 96, 12));
    EXPECT_FALSE(isBlack(picture, 0, 11));
    EXPECT_FALSE(isBlack(picture, 0, 84));
}

} // namespace
