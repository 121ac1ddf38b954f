// How the samples of a locus become pieces of a curve, and which of them may name it.
#pragma once

#include "base/geometry.h"

#include <array>
#include <optional>
#include <vector>

namespace trimora {

// A step of a traced point longer than the triangle's longest side, or this many times its
// neighbouring steps (and than kLeastStep of the side), is a jump, not a stretch of the curve.
inline constexpr double kJumpRatio = 10;
inline constexpr double kLeastStep = 2e-3;
// Samples where the moving vertex is nearer to the line of the other two than the first fraction
// of their distance do not name the curve; nearer than the second they are not even drawn: the
// centres of so flat a triangle follow the rounding of the vertex by pixels (SteadyVertex).
inline constexpr double kSteadyHeight = 0.05;
inline constexpr double kFlatHeight = 0.01;

// Cuts the samples of one point (one per position of the run; nothing where the point is absent)
// into pieces, as indices of the samples: where the point is absent, where the triangle turns over
// (`orientation`: the sign of the vertices' turn per sample, 0 where the repaint found no
// triangle; as the moving vertex crosses the line of the other two, centres change their branch)
// and where it jumps (a change of branch, or the way through infinity between two samples, where
// the point comes back from the other side against its neighbouring steps). A closed run joins its
// end to its start; an unbroken loop ends with its first sample again. Single samples are no piece.
std::vector<std::vector<std::size_t>> CutIntoPieces(const std::vector<std::optional<RealPoint>>& samples,
                                                    const std::vector<int>& orientation, bool closed,
                                                    double longestSide);

// Whether the moving vertex stands at least `height` times the distance of the other two away from
// their line. Near it the centres of the thin triangle follow every rounding of the vertex (a
// sixty-fourth of a pixel moves the circumcentre by pixels when the vertex is a pixel from another).
bool SteadyVertex(const std::array<RealPoint, 3>& vertices, int moving, double height);

// The samples of a piece (indices) that lie within `roughness` of the parabola through their three
// neighbours on either side (Savitzky-Golay, seven points): where the rounding of the moving
// vertex shows from sample to sample, or the point races, they do not name the curve.
std::vector<std::size_t> SmoothSamples(const std::vector<RealPoint>& piece, double roughness);

} // namespace trimora
