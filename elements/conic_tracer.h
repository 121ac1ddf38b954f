// Conics traced point by point with Pascal's hexagon: a line through the pole (the fifth point)
// meets the conic through five points a second time in a point found with line intersections only,
// so ellipses, parabolas and both branches of a hyperbola come out of one construction. Also the
// quadratic Bézier parabola. Shared by the conic steps of the paint routine and the Steiner ellipses.
#pragma once

#include "draw/paint_context.h"

#include <array>
#include <optional>
#include <string_view>

namespace trimora {

// The five points of a conic; the last one is the sweep pole.
using FivePoints = std::array<RealPoint, 5>;

// The fixed part of the hexagon construction for five points. Nothing when the points fix no proper
// conic (two of them coincide or three lie on one line) or no order of the first four gives a
// finite fixed point.
struct PascalHexagon {
    FivePoints p;
    RealPoint p6;                     // P3P4 ∩ P5P1
    std::optional<RealPoint> tangent; // direction of the tangent at the pole, when constructible
};
std::optional<PascalHexagon> MakePascalHexagon(const FivePoints& points);

// The second point of the conic on the line through the pole in direction t (radians); `reach` is
// the distance of the line's second point from the pole. Nothing when a construction line is
// parallel to the line it should meet.
std::optional<RealPoint> PascalPoint(const PascalHexagon& h, double t, double reach);

// The conic through the precise points of five slots, s5 the sweep pole, in blue; the pen stays
// blue. Nothing is drawn when a slot is absent or the points fix no proper conic. Logged (see
// LogConic) as the conic of `entry` named `name`.
void ConicThroughFivePoints(PaintContext& ctx, int entry, std::string_view name, int s1, int s2, int s3,
                            int s4, int s5);

// The Jerabek hyperbola through A, B, C, H (slot sH) and U (slot sU, the pole), logged as the conic
// of `entry`, then its centre marked "Je" and listed as "Jerabek-Zentrum".
void JerabekHyperbola(PaintContext& ctx, int entry, int sH, int sU);

// The quadratic Bézier curve from the precise point of sStart to that of sEnd with the control
// point sControl, in the current pen.
void BezierParabola(PaintContext& ctx, int sStart, int sEnd, int sControl);

} // namespace trimora
