#include "overlay/Trail.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace trail {
namespace {

const QRgb black = qRgb(0, 0, 0);
const QRgb light = qRgb(0xFF, 0xFF, 0xFF);

// Distance from a point to the segment from a to b.
qreal distance(QPointF point, QPointF a, QPointF b) {
    const QPointF ab = b - a;
    const qreal length2 = QPointF::dotProduct(ab, ab);
    const qreal t =
        length2 == 0 ? 0 : std::clamp(QPointF::dotProduct(point - a, ab) / length2, 0.0, 1.0);
    const QPointF nearest = a + t * ab;
    return std::hypot(point.x() - nearest.x(), point.y() - nearest.y());
}

bool isStroke(const QImage& strokeLayer, QPointF at) {
    const QPoint pixel(static_cast<int>(at.x()), static_cast<int>(at.y()));
    return strokeLayer.valid(pixel) && strokeLayer.constScanLine(pixel.y())[pixel.x()] == 0;
}

} // namespace

void paintStroke(QImage& strokeLayer, QPointF from, QPointF to, int width) {
    QPainter painter(&strokeLayer); // no antialiasing: the stroke stays pure black
    if (from == to) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::black);
        painter.drawEllipse(from, width / 2.0, width / 2.0);
    } else {
        painter.setPen(QPen(Qt::black, width, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(from, to);
    }
}

QRect paintVisible(QImage& visible, const QImage& strokeLayer, QPointF from, QPointF to,
                   int width) {
    const qreal radius = width / 2.0;
    const qreal reach = radius + outlineWidth;
    const QRectF span = QRectF(from, to).normalized().adjusted(-reach, -reach, reach, reach);
    const qreal ratio = visible.devicePixelRatio();
    const QRect pixels = QRectF(span.topLeft() * ratio, span.bottomRight() * ratio)
                             .toAlignedRect()
                             .intersected(visible.rect());
    for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(visible.scanLine(y));
        for (int x = pixels.left(); x <= pixels.right(); ++x) {
            const QPointF at((x + 0.5) / ratio, (y + 0.5) / ratio);
            const qreal d = distance(at, from, to);
            if (d <= radius)
                line[x] = black;
            else if (d <= reach && !isStroke(strokeLayer, at))
                line[x] = light;
        }
    }
    return span.toAlignedRect();
}

} // namespace trail
