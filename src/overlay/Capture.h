#pragma once

#include <QImage>
#include <QPointF>
#include <QRect>
#include <QSize>

#include <optional>

// The pure steps of a capture: cut the stroke's block out of the overlay's image and reduce it
// into the comparison picture.
namespace capture {

// A whole number of pixels, halves to even: the overlay's sizes are rounded so throughout.
int roundHalfEven(double value);

// The block of image inside rect, in the image's format; parts of rect outside the image read as
// white.
QImage copyBlock(const QImage& image, const QRect& rect);

// Where a block goes in the comparison picture: the largest whole percentage from 99 down at
// which both sides fit strictly, the reduced size (rounded, halves to even) and the centred
// top-left corner (halves kept).
struct Placement {
    int percent = 0;
    QSize size;
    QPointF topLeft;
};
// Nothing when not even 0 % fits (a picture without a drawing area).
std::optional<Placement> fitInto(QSize block, QSize picture);

// The block reduced to size: a pixel is black when any block pixel it covers is pure black,
// else white, so a stroke one pixel wide survives any reduction.
QImage reduceKeepingBlack(const QImage& block, QSize size);

// The comparison picture for a block: white, with the block reduced and centred in it.
QImage comparisonPicture(const QImage& block, QSize pictureSize);

} // namespace capture
