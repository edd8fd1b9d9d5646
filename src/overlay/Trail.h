#pragma once

#include <QImage>
#include <QList>
#include <QPointF>
#include <QRect>

// The stroke, painted twice: pure black into the stroke layer that captures copy (a grey-scale
// image in the overlay's pixels), and black with a thin light outline into what the user sees
// (the photograph, in the screen's pixels), so the trail shows on a dark screen too.
namespace trail {

// The outline's width, in the overlay's pixels.
inline constexpr qreal outlineWidth = 2.0;

// A round stroke of the given width from one point to another (the same point: a dot), black,
// without antialiasing, into the stroke layer.
void paintStroke(QImage& strokeLayer, QPointF from, QPointF to, int width);

// Where the stroke from one point to another shows, outline included, in the overlay's pixels.
QRect reachOf(QPointF from, QPointF to, int width);

// The same stroke onto the visible image, at its device pixel ratio: black where the stroke
// passes, light round it, but never over black the stroke layer already holds. The image's
// corner is the overlay's point origin. Returns the rectangle changed, in the overlay's pixels.
QRect paintVisible(QImage& visible, const QImage& strokeLayer, QPointF from, QPointF to, int width,
                   QPoint origin = {});

// The block of the stroke layer inside area, painted again from the stroke's points: what a stroke
// layer without edges would hold there.
QImage strokeBlock(const QList<QPoint>& stroke, const QRect& area, int width);

// The whole stroke, a point to the next, onto a piece of the visible image whose corner is the
// overlay's point origin: each step painted again in order, as it was when drawn.
void paintTrail(QImage& piece, QPoint origin, const QImage& strokeLayer,
                const QList<QPoint>& stroke, int width);

} // namespace trail
