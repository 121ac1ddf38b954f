// What curve a locus is: the conic its samples lie on, fitted by least squares with Eigen.
#pragma once

#include "draw/loci.h"

#include <span>
#include <vector>

namespace trimora {

// Fewer samples than this name no curve: five points lie on some conic whatever they are.
inline constexpr std::size_t kLeastCurveSamples = 12;

// The simplest curve that every sample lies on within `tolerance` pixels: a fixed point, a line,
// a circle, a parabola, an ellipse or a hyperbola; kind None when there is none (or too few
// samples, or only a pair of lines).
LocusShape RecogniseCurve(std::span<const RealPoint> samples, double tolerance);

// One shape for the whole locus when all its samples lie on one curve; else one per piece (kind
// None where a piece lies on none); nothing when no piece lies on one.
std::vector<LocusShape> RecogniseLocus(const std::vector<std::vector<RealPoint>>& pieces, double tolerance);

} // namespace trimora
