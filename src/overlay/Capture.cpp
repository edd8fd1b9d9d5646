#include "overlay/Capture.h"

#include <QPainter>

#include <cmath>
#include <cstring>

namespace capture {

int roundHalfEven(double value) {
    return static_cast<int>(std::nearbyint(value));
}
namespace {

QImage whiteImage(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// The block in grey levels where pure black, and only pure black, is 0.
QImage blackAsZero(const QImage& block) {
    if (block.format() == QImage::Format_Grayscale8)
        return block;
    const QImage colours = block.convertToFormat(QImage::Format_RGB32);
    QImage grey(colours.size(), QImage::Format_Grayscale8);
    for (int y = 0; y < colours.height(); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(colours.constScanLine(y));
        uchar* to = grey.scanLine(y);
        for (int x = 0; x < colours.width(); ++x)
            to[x] = (from[x] & 0xFFFFFF) == 0 ? 0 : 0xFF;
    }
    return grey;
}

} // namespace

QImage copyBlock(const QImage& image, const QRect& rect) {
    QImage block(rect.size(), image.format());
    block.fill(Qt::white);
    const QRect inside = rect.intersected(image.rect());
    const int bytesPerPixel = image.depth() / 8;
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        std::memcpy(block.scanLine(y - rect.top()) + (inside.left() - rect.left()) * bytesPerPixel,
                    image.constScanLine(y) + inside.left() * bytesPerPixel,
                    std::size_t(inside.width()) * bytesPerPixel);
    }
    return block;
}

std::optional<Placement> fitInto(QSize block, QSize picture) {
    for (int percent = 99; percent >= 0; --percent) {
        const int width = roundHalfEven(block.width() / 100.0 * percent);
        const int height = roundHalfEven(block.height() / 100.0 * percent);
        if (picture.width() > width && picture.height() > height) {
            return Placement{
                percent, QSize(width, height),
                QPointF((picture.width() - width) / 2.0f, (picture.height() - height) / 2.0f)};
        }
    }
    return std::nullopt;
}

QImage reduceKeepingBlack(const QImage& block, QSize size) {
    QImage reduced = whiteImage(size);
    if (size.isEmpty() || block.isNull())
        return reduced;
    const QImage source = blackAsZero(block);
    const qint64 sourceWidth = source.width();
    const qint64 sourceHeight = source.height();
    for (int y = 0; y < source.height(); ++y) {
        const uchar* line = source.constScanLine(y);
        const auto targetRow = static_cast<int>(y * size.height() / sourceHeight);
        auto* target = reinterpret_cast<QRgb*>(reduced.scanLine(targetRow));
        for (int x = 0; x < source.width(); ++x) {
            if (line[x] == 0)
                target[x * size.width() / sourceWidth] = qRgb(0, 0, 0);
        }
    }
    return reduced;
}

QImage comparisonPicture(const QImage& block, QSize pictureSize) {
    QImage picture = whiteImage(pictureSize);
    const std::optional<Placement> placement = fitInto(block.size(), pictureSize);
    if (!placement || placement->size.isEmpty())
        return picture;
    // Whole pixels only: a half-pixel offset is cut, so the block keeps its pure black.
    const QPoint at(static_cast<int>(placement->topLeft.x()),
                    static_cast<int>(placement->topLeft.y()));
    QPainter painter(&picture);
    painter.drawImage(at, reduceKeepingBlack(block, placement->size));
    return picture;
}

} // namespace capture
