#include "recognition/Stroke.h"

#include <algorithm>

bool isTooSmallToMean(const Stroke& stroke) {
    if (stroke.isEmpty())
        return false;
    const auto [left, right] = std::minmax_element(
        stroke.begin(), stroke.end(), [](QPoint a, QPoint b) { return a.x() < b.x(); });
    const auto [top, bottom] = std::minmax_element(
        stroke.begin(), stroke.end(), [](QPoint a, QPoint b) { return a.y() < b.y(); });
    return right->x() - left->x() < smallestMeaningfulExtent &&
           bottom->y() - top->y() < smallestMeaningfulExtent;
}

QString traceOf(const Stroke& stroke) {
    QString trace;
    trace.reserve(stroke.size() * 10);
    for (const QPoint& point : stroke) {
        if (!trace.isEmpty())
            trace += u' ';
        trace += QString::number(point.x()) + u',' + QString::number(point.y());
    }
    return trace;
}

std::optional<Stroke> strokeOfTrace(QStringView trace) {
    // A trace far too long is turned down before it is cut into pieces.
    if (trace.count(u',') > mostTracePoints)
        return std::nullopt;
    const QList<QStringView> pairs = trace.split(u' ', Qt::SkipEmptyParts);
    if (pairs.size() < 2 || pairs.size() > mostTracePoints)
        return std::nullopt;
    Stroke stroke;
    stroke.reserve(pairs.size());
    for (QStringView pair : pairs) {
        const qsizetype comma = pair.indexOf(u',');
        bool xRead = false;
        bool yRead = false;
        const int x = comma < 0 ? 0 : pair.left(comma).toInt(&xRead);
        const int y = comma < 0 ? 0 : pair.mid(comma + 1).toInt(&yRead);
        if (!xRead || !yRead)
            return std::nullopt;
        stroke.append({x, y});
    }
    return stroke;
}
