#pragma once

#include <QList>
#include <QPoint>
#include <QString>
#include <QStringView>

#include <optional>

// The pointer's path while a drawing was made, in the order it went, in device-independent
// pixels of the screen it was drawn on.
using Stroke = QList<QPoint>;

// The most points a stored trace may have to count; a longer one is ignored.
inline constexpr qsizetype mostTracePoints = 20000;

// A drawing narrower and lower than this means nothing: a slip of the hand, a wiggle. A quarter
// of an inch, in the device-independent pixels that desktops keep near 96 an inch at any scale;
// the smallest of the recorded gestures in the accuracy benchmark's data spans 42 by 40.
inline constexpr int smallestMeaningfulExtent = 24;

// Whether the stroke spans less than that both ways. An empty stroke (a click with nothing drawn)
// is not judged by its size.
bool isTooSmallToMean(const Stroke& stroke);

// A stroke as a symbol file keeps it: "x,y" pairs of integers separated by spaces.
QString traceOf(const Stroke& stroke);

// The stroke of a stored trace; nothing for one that is not made of at least two whole "x,y"
// pairs, or has more than mostTracePoints of them.
std::optional<Stroke> strokeOfTrace(QStringView trace);
