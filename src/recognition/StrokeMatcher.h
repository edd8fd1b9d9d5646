#pragma once

#include "recognition/Stroke.h"

#include <QPointF>

#include <array>
#include <limits>
#include <optional>

// Strokes compared by their shape and the order they were drawn in: each is resampled to a fixed
// number of points evenly spaced along its path, centred on its centroid and scaled so that its
// larger side is 1. Two strokes are as far apart as the mean distance between matched points
// under dynamic time warping, each point matched within a band of its own position.
inline constexpr int strokeSamples = 32;
inline constexpr int strokeBand = 5;

struct PreparedStroke {
    std::array<QPointF, strokeSamples> points;
    // The box round the points each point may be matched with: for the lower bound.
    std::array<QPointF, strokeSamples> lowest;
    std::array<QPointF, strokeSamples> highest;
};

// Nothing for a stroke whose path has no length.
std::optional<PreparedStroke> prepareStroke(const Stroke& stroke);

// Never more than strokeDistance: the mean distance of each candidate point to the box of the
// stored points it may be matched with. Once it reaches ceiling it stops there, counted so far.
float strokeLowerBound(const PreparedStroke& candidate, const PreparedStroke& stored,
                       float ceiling = std::numeric_limits<float>::infinity());

// The distance between two prepared strokes, in units of their size (0 for the same shape); once
// it is sure to reach ceiling, infinite.
float strokeDistance(const PreparedStroke& a, const PreparedStroke& b,
                     float ceiling = std::numeric_limits<float>::infinity());
