#include "recognition/StrokeMatcher.h"

#include <QLineF>

#include <algorithm>
#include <cmath>

namespace {

float distanceOf(QPointF a, QPointF b) {
    const qreal dx = a.x() - b.x();
    const qreal dy = a.y() - b.y();
    return static_cast<float>(std::sqrt(dx * dx + dy * dy));
}

// The points evenly spaced along the path, first and last included.
std::array<QPointF, strokeSamples> resampled(const Stroke& stroke, qreal length) {
    std::array<QPointF, strokeSamples> points;
    const qreal step = length / (strokeSamples - 1);
    points[0] = stroke.front();
    int filled = 1;
    qreal carried = 0; // how far along the current segment the last point was set
    QPointF from = stroke.front();
    for (qsizetype i = 1; i < stroke.size() && filled < strokeSamples; ++i) {
        const QPointF to = stroke[i];
        qreal segment = QLineF(from, to).length();
        while (carried + segment >= step && filled < strokeSamples) {
            const qreal t = (step - carried) / segment;
            from = from + (to - from) * t;
            points[filled++] = from;
            segment = QLineF(from, to).length();
            carried = 0;
        }
        carried += segment;
        from = to;
    }
    // Rounding may leave the last one short: the path's end.
    while (filled < strokeSamples)
        points[filled++] = stroke.back();
    return points;
}

// Grows the box from low to high to hold the point.
void widen(QPointF& low, QPointF& high, QPointF point) {
    low = {std::min(low.x(), point.x()), std::min(low.y(), point.y())};
    high = {std::max(high.x(), point.x()), std::max(high.y(), point.y())};
}

} // namespace

std::optional<PreparedStroke> prepareStroke(const Stroke& stroke) {
    qreal length = 0;
    for (qsizetype i = 1; i < stroke.size(); ++i)
        length += QLineF(stroke[i - 1], stroke[i]).length();
    if (length <= 0)
        return std::nullopt;
    PreparedStroke prepared;
    prepared.points = resampled(stroke, length);
    QPointF centroid;
    QPointF low = prepared.points[0];
    QPointF high = low;
    for (const QPointF& point : prepared.points) {
        centroid += point / strokeSamples;
        widen(low, high, point);
    }
    const qreal size = std::max(high.x() - low.x(), high.y() - low.y());
    for (QPointF& point : prepared.points)
        point = (point - centroid) / size;
    for (int i = 0; i < strokeSamples; ++i) {
        prepared.lowest[i] = prepared.highest[i] = prepared.points[i];
        for (int j = std::max(0, i - strokeBand); j <= std::min(strokeSamples - 1, i + strokeBand);
             ++j)
            widen(prepared.lowest[i], prepared.highest[i], prepared.points[j]);
    }
    return prepared;
}

float strokeLowerBound(const PreparedStroke& candidate, const PreparedStroke& stored,
                       float ceiling) {
    const float highestSum = ceiling * strokeSamples;
    float sum = 0;
    for (int i = 0; i < strokeSamples && sum < highestSum; ++i) {
        const QPointF point = candidate.points[i];
        const QPointF nearest(std::clamp(point.x(), stored.lowest[i].x(), stored.highest[i].x()),
                              std::clamp(point.y(), stored.lowest[i].y(), stored.highest[i].y()));
        sum += distanceOf(point, nearest);
    }
    return sum / strokeSamples;
}

// Row by row, keeping two: a point's best path so far ends at a neighbour before it.
float strokeDistance(const PreparedStroke& a, const PreparedStroke& b, float ceiling) {
    constexpr float unreachable = std::numeric_limits<float>::infinity();
    std::array<float, strokeSamples> previous;
    std::array<float, strokeSamples> current;
    previous.fill(unreachable);
    const float highestSum = ceiling * strokeSamples;
    for (int i = 0; i < strokeSamples; ++i) {
        current.fill(unreachable);
        float rowLowest = unreachable;
        for (int j = std::max(0, i - strokeBand); j <= std::min(strokeSamples - 1, i + strokeBand);
             ++j) {
            float before = 0;
            if (i > 0 || j > 0) {
                before = std::min({previous[j], j > 0 ? current[j - 1] : unreachable,
                                   j > 0 ? previous[j - 1] : unreachable});
            }
            current[j] = before + distanceOf(a.points[i], b.points[j]);
            rowLowest = std::min(rowLowest, current[j]);
        }
        // Every path on passes through this row, and costs only grow.
        if (rowLowest >= highestSum)
            return unreachable;
        previous = current;
    }
    return previous[strokeSamples - 1] / strokeSamples;
}
