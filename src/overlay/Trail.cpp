#include "overlay/Trail.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace trail {
namespace {

const QRgb black = qRgb(0, 0, 0);
const QRgb light = qRgb(0xFF, 0xFF, 0xFF);

// Where a row crosses a round stroke: the stroke is convex, so one interval of x.
struct Span {
    qreal left;
    qreal right;
};

// The x where a * x + b lies within [low, high]: all or nothing when a is 0.
std::optional<Span> solve(qreal a, qreal b, qreal low, qreal high) {
    constexpr qreal everywhere = std::numeric_limits<qreal>::max();
    if (a == 0) {
        return b >= low && b <= high ? std::optional(Span{-everywhere, everywhere}) : std::nullopt;
    }
    const qreal x1 = (low - b) / a;
    const qreal x2 = (high - b) / a;
    return Span{std::min(x1, x2), std::max(x1, x2)};
}

std::optional<Span> intersect(std::optional<Span> a, std::optional<Span> b) {
    if (!a || !b || std::max(a->left, b->left) > std::min(a->right, b->right))
        return std::nullopt;
    return Span{std::max(a->left, b->left), std::min(a->right, b->right)};
}

std::optional<Span> unite(std::optional<Span> a, std::optional<Span> b) {
    if (!a || !b)
        return a ? a : b;
    return Span{std::min(a->left, b->left), std::max(a->right, b->right)};
}

std::optional<Span> discOnRow(QPointF centre, qreal radius, qreal y) {
    const qreal dy = y - centre.y();
    if (std::abs(dy) > radius)
        return std::nullopt;
    const qreal half = std::sqrt(radius * radius - dy * dy);
    return Span{centre.x() - half, centre.x() + half};
}

// The points within radius of the segment from a to b, on the row at y: the discs at both ends
// and the band between them.
std::optional<Span> spanOnRow(QPointF a, QPointF b, qreal radius, qreal y) {
    std::optional<Span> span = unite(discOnRow(a, radius, y), discOnRow(b, radius, y));
    const QPointF along = b - a;
    const qreal length = std::hypot(along.x(), along.y());
    if (length == 0)
        return span;
    const QPointF u = along / length;
    // Along the segment, 0 to length; across it, -radius to radius.
    const std::optional<Span> between =
        solve(u.x(), (y - a.y()) * u.y() - a.x() * u.x(), 0, length);
    const std::optional<Span> near =
        solve(-u.y(), (y - a.y()) * u.x() + a.x() * u.y(), -radius, radius);
    return unite(span, intersect(between, near));
}

// Whether the stroke layer is black at a point of the overlay (shifted by origin); outside it,
// no.
struct StrokeLookup {
    const QImage& layer;
    QPoint origin;
    bool at(qreal x, qreal y) const {
        const int column = static_cast<int>(x + origin.x());
        const int row = static_cast<int>(y + origin.y());
        return column >= 0 && row >= 0 && column < layer.width() && row < layer.height() &&
               layer.constScanLine(row)[column] == 0;
    }
};

} // namespace

QRect reachOf(QPointF from, QPointF to, int width) {
    const qreal reach = width / 2.0 + outlineWidth;
    return QRectF(from, to).normalized().adjusted(-reach, -reach, reach, reach).toAlignedRect();
}

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

QRect paintVisible(QImage& visible, const QImage& strokeLayer, QPointF from, QPointF to, int width,
                   QPoint origin) {
    const qreal radius = width / 2.0;
    const qreal reach = radius + outlineWidth;
    const QRect changed = reachOf(from, to, width);
    // From here on, in the image's own place.
    from -= origin;
    to -= origin;
    const QRectF span = QRectF(from, to).normalized().adjusted(-reach, -reach, reach, reach);
    const qreal ratio = visible.devicePixelRatio();
    const QRect pixels = QRectF(span.topLeft() * ratio, span.bottomRight() * ratio)
                             .toAlignedRect()
                             .intersected(visible.rect());
    const StrokeLookup stroke{strokeLayer, origin};
    for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
        const qreal py = (y + 0.5) / ratio;
        const std::optional<Span> outline = spanOnRow(from, to, reach, py);
        if (!outline)
            continue;
        const std::optional<Span> inside = spanOnRow(from, to, radius, py);
        const auto first = [ratio](qreal left) {
            return static_cast<int>(std::ceil(left * ratio - 0.5));
        };
        const auto last = [ratio](qreal right) {
            return static_cast<int>(std::floor(right * ratio - 0.5));
        };
        const int begin = std::max(pixels.left(), first(outline->left));
        const int end = std::min(pixels.right(), last(outline->right));
        const int blackBegin = inside ? first(inside->left) : end + 1;
        const int blackEnd = inside ? last(inside->right) : end;
        auto* line = reinterpret_cast<QRgb*>(visible.scanLine(y));
        for (int x = begin; x <= end; ++x) {
            if (x >= blackBegin && x <= blackEnd)
                line[x] = black;
            else if (!stroke.at((x + 0.5) / ratio, py))
                line[x] = light;
        }
    }
    return changed;
}

QImage strokeBlock(const QList<QPoint>& stroke, const QRect& area, int width) {
    QImage block(area.size(), QImage::Format_Grayscale8);
    block.fill(Qt::white);
    for (qsizetype i = 0; i < stroke.size(); ++i) {
        const QPoint from = stroke[std::max<qsizetype>(i - 1, 0)] - area.topLeft();
        const QPoint to = stroke[i] - area.topLeft();
        if (reachOf(from, to, width).intersects(block.rect()))
            paintStroke(block, from, to, width);
    }
    return block;
}

void paintTrail(QImage& piece, QPoint origin, const QImage& strokeLayer,
                const QList<QPoint>& stroke, int width) {
    const QRect place(origin, (QSizeF(piece.size()) / piece.devicePixelRatio()).toSize());
    for (qsizetype i = 0; i < stroke.size(); ++i) {
        const QPoint from = stroke[std::max<qsizetype>(i - 1, 0)];
        const QPoint to = stroke[i];
        if (reachOf(from, to, width).intersects(place))
            paintVisible(piece, strokeLayer, from, to, width, origin);
    }
}

} // namespace trail
