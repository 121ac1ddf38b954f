// Small numeric routines shared by the element families and the mouse read-out: polynomial
// equations of degree 1 to 4 with their roots as texts, side-of-line tests and a few point
// constructions. Points are in the pixel space of the drawing area (x right, y down). No state.
#pragma once

#include "base/geometry.h"

#include <optional>
#include <string>
#include <string_view>

namespace trimora {

// Root texts. A real root is FormatRealDot(x, 5) ("-0.5", "1", never a comma), so that it can be
// read back as a number. A complex pair is written "re+im*i" and "re-im*i" with im not negative
// (the cubic and the quartic write a pair whose im text is "0" as two equal real roots).
// Special texts: "keine L." (no solution), "beliebig" (every number solves it), "-" (no root in
// this place).

// a + b·x + c·x² = 0. For c ≠ 0: x1 ≤ x2 for real roots; for a complex pair x1 = "re+im*i",
// x2 = "re-im*i" and re, im hold the two parts. For c = 0: x1 = -a/b, "keine L." or "beliebig",
// x2 = "-"; re and im stay empty.
struct QuadraticRoots {
    std::string x1, x2, re, im;
};
QuadraticRoots SolveQuadratic(double a, double b, double c);

// a + b·x + c·x² + d·x³ = 0. re and im are set (non-empty) when x2, x3 come from a conjugate pair;
// if im is "0" the pair is real and x2 = x3 = re.
struct CubicRoots {
    std::string x1, x2, x3, re, im;
};
CubicRoots SolveCubic(double a, double b, double c, double d);

// a + b·x + c·x² + d·x³ + e·x⁴ = 0 (Ferrari with the resolvent cubic, whose roots are rounded
// through their texts, so the results are good to about 5 decimals for well-separated roots).
// All four "-" when the resolvent gives no usable root.
struct QuarticRoots {
    std::string x1, x2, x3, x4;
};
QuarticRoots SolveQuartic(double a, double b, double c, double d, double e);

// The number of a real root text; nothing for complex roots and the special texts.
std::optional<double> ParseRootText(std::string_view text);

// Distance of P from the line L1 L2, positive when P lies on the side of the reference point R or
// either of them is on the line, negative otherwise. Nothing when L1 = L2 (no line).
std::optional<double> SignedLineDistance(RealPoint p, RealPoint r, RealPoint l1, RealPoint l2);

// True unless Q and S lie strictly on the same side of the line L1 L2 (so also when one of them is
// on the line). Exact for whole pixels (screen points, and points beyond the screen's range).
bool SameSideTest(RealPoint l1, RealPoint l2, RealPoint q, RealPoint s);

// X reflected in the point M (2M - X) when X and R lie strictly on the same side of the line L1 L2,
// otherwise X unchanged.
RealPoint ReflectIfSameSide(RealPoint l1, RealPoint l2, RealPoint r, RealPoint x, RealPoint m);


// A second point of the perpendicular through P0 to the line P1 P2: on it 100 pixels right of the
// foot for a slanted line; 20 pixels left of a vertical line at the height of P0; 20 pixels above a
// horizontal line straight over P0; (-1000, -1000) when P1 = P2.
RealPoint PerpendicularPoint(RealPoint p1, RealPoint p2, RealPoint p0);

// √(a² + b²), without overflow for huge arguments.
double Hypot(double a, double b);

// P turned about Z by phi radians; with y downwards a positive phi turns clockwise on the screen.
RealPoint RotatePoint(RealPoint z, RealPoint p, double phi);

// V + (U - V)·r2/(r2 - r1): for circles about U and V with radii r1 and r2 their centre of
// similitude. Nothing when r1 = r2 (the point lies at infinity) or the result is not finite.
std::optional<RealPoint> SimilitudePoint(RealPoint u, RealPoint v, double r1, double r2);

// U + (W - V): a second point of the parallel to V W through U.
RealPoint ParallelPoint(RealPoint u, RealPoint v, RealPoint w);

} // namespace trimora
