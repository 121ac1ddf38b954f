// The hexagon sweep that traces a conic through five points, its Jerabek variant, and the quadratic
// Bézier parabola.
#include "elements/conic_tracer.h"

#include "base/lines.h"
#include "draw/paint_log.h"
#include "draw/point_table.h"
#include "draw/primitives.h"
#include "draw/results.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace trimora {
namespace {

constexpr int kSlotJerabekCentre = 379;

// General sweep: directions from 0.001 in steps of 0.01 up to pi, 50 pixels to the line's second
// point; samples beyond 1600 pixels in x or y are skipped, and a step longer than 250 pixels lifts
// the pen (between the branches of a hyperbola).
constexpr double kSweepStart = 0.001;
constexpr double kSweepStep = 0.01;
constexpr double kReach = 50;
constexpr double kWindow = 1600;
constexpr double kJump = 250;

// Jerabek sweep: the visible window reaches 200 pixels beyond the drawing area on every side, and
// a step of more than 200 pixels in both x and y lifts the pen.
constexpr double kJerabekReach = 100;
constexpr double kJerabekMargin = 200;
constexpr double kJerabekJump = 200;

// Two of the five points closer than this part of their spread count as one point, and a point
// this close to the line through two others (in parts of the spread) lies on it: only rounding
// separates them.
constexpr double kSamePointRatio = 1e-9;
constexpr double kOnLineRatio = 1e-9;

double Dist(RealPoint p, RealPoint q) {
    return std::hypot(p.x - q.x, p.y - q.y);
}

bool OnLine(RealPoint p, RealPoint l1, RealPoint l2, double spread) {
    const double cross = (l2.x - l1.x) * (p.y - l1.y) - (l2.y - l1.y) * (p.x - l1.x);
    return std::fabs(cross) <= kOnLineRatio * spread * Dist(l1, l2);
}

void MoveOrLine(Canvas& canvas, RealPoint p, bool move) {
    if (move)
        canvas.MoveTo(RoundClamp(p.x), RoundClamp(p.y));
    else
        canvas.LineTo(RoundClamp(p.x), RoundClamp(p.y));
}

// The side of an asymptote direction the sweep line through the pole is on. On the line P5 + λ d
// the conic point has λ = −(∇F(P5)·d) / (dᵀ Q d); the numerator changes sign at the tangent and the
// denominator at the asymptotes. With the tangent's side taken out, a change of the sign that is
// left means the sweep has passed an asymptote and the next sample lies on the other branch.
// 0 when unknown.
int AsymptoteSide(const PascalHexagon& h, double t, RealPoint p9) {
    if (!h.tangent) return 0;
    const double dx = std::cos(t), dy = std::sin(t);
    const double lambda = (p9.x - h.p[4].x) * dx + (p9.y - h.p[4].y) * dy;
    const double tangentSide = h.tangent->x * dy - h.tangent->y * dx;
    if (lambda == 0 || tangentSide == 0) return 0;
    return (lambda > 0) == (tangentSide > 0) ? 1 : -1;
}

// True when the sample lies on another branch than the last drawn one; remembers its side.
bool CrossedAsymptote(const PascalHexagon& h, double t, RealPoint p9, int& lastSide) {
    const int side = AsymptoteSide(h, t, p9);
    const bool crossed = side != 0 && lastSide != 0 && side != lastSide;
    if (side != 0) lastSide = side;
    return crossed;
}

} // namespace

std::optional<PascalHexagon> MakePascalHexagon(const FivePoints& points) {
    // Five points with two of them equal fix no conic.
    double spread = 0;
    for (const RealPoint& p : points) {
        if (!std::isfinite(p.x) || !std::isfinite(p.y)) return std::nullopt;
        for (const RealPoint& q : points)
            spread = std::max(spread, Dist(p, q));
    }
    for (std::size_t i = 0; i < points.size(); ++i)
        for (std::size_t j = i + 1; j < points.size(); ++j)
            if (!(Dist(points[i], points[j]) > kSamePointRatio * spread)) return std::nullopt;
    // Three of them on one line make the conic a pair of lines (or leave it open): no curve.
    for (std::size_t i = 0; i < points.size(); ++i)
        for (std::size_t j = i + 1; j < points.size(); ++j)
            for (std::size_t k = j + 1; k < points.size(); ++k)
                if (OnLine(points[k], points[i], points[j], spread)) return std::nullopt;

    // The fixed point P3P4 ∩ P5P1. When these lines are parallel another order of the first four
    // points gives the same conic points: the second point on a line through the pole does not
    // depend on their order.
    std::array<int, 4> order{0, 1, 2, 3};
    std::optional<PascalHexagon> found;
    do {
        PascalHexagon h;
        for (std::size_t n = 0; n < 4; ++n)
            h.p[n] = points[static_cast<std::size_t>(order[n])];
        h.p[4] = points[4];
        const LinePoint p6 = IntersectLines(h.p[2], h.p[3], h.p[4], h.p[0]);
        if (!p6.ok) continue;
        h.p6 = p6.p;
        // The tangent at the pole closes the hexagon P1 P2 P3 P4 P5 P5: its Pascal line runs through
        // P6 and P1P2 ∩ P4P5 and meets P2P3 on the tangent.
        const LinePoint x = IntersectLines(h.p[0], h.p[1], h.p[3], h.p[4]);
        const LinePoint y = x.ok ? IntersectLines(h.p6, x.p, h.p[1], h.p[2]) : LinePoint{};
        if (y.ok && (y.p.x != h.p[4].x || y.p.y != h.p[4].y)) {
            h.tangent = RealPoint{y.p.x - h.p[4].x, y.p.y - h.p[4].y};
            return h;
        }
        if (!found) found = h;
    } while (std::next_permutation(order.begin(), order.end()));
    return found;
}

std::optional<RealPoint> PascalPoint(const PascalHexagon& h, double t, double reach) {
    const RealPoint &p1 = h.p[0], &p2 = h.p[1], &p4 = h.p[3], &p5 = h.p[4];
    const RealPoint &p3 = h.p[2], &p6 = h.p6;
    // P10 on the sweep line; P7 where it meets P2P3; P8 where the Pascal line P6P7 meets P1P2; the
    // conic point P9 closes the hexagon P1 P2 P3 P4 P9 P5.
    const RealPoint p10{p5.x + reach * std::cos(t), p5.y + reach * std::sin(t)};
    const LinePoint p7 = IntersectLines(p3, p2, p10, p5);
    if (!p7.ok) return std::nullopt;
    const LinePoint p8 = IntersectLines(p6, p7.p, p2, p1);
    if (!p8.ok) return std::nullopt;
    const LinePoint p9 = IntersectLines(p5, p7.p, p8.p, p4);
    if (!p9.ok) return std::nullopt;
    return p9.p;
}

void ConicThroughFivePoints(PaintContext& ctx, int entry, std::string_view name, int s1, int s2, int s3,
                            int s4, int s5) {
    Canvas& canvas = ctx.canvas;
    canvas.SetPenColor(kBlue);
    const int slots[5] = {s1, s2, s3, s4, s5};
    FivePoints points;
    for (std::size_t n = 0; n < 5; ++n) {
        if (!Present(ctx.pt, slots[n])) return;
        points[n] = ctx.pt.precise[static_cast<std::size_t>(slots[n])];
    }
    const std::optional<PascalHexagon> hexagon = MakePascalHexagon(points);
    if (!hexagon) return;
    LogConic(ctx, entry, 0, name, points, points);

    RealPoint previous{-1000, -1000};
    bool penUp = true;
    int lastSide = 0;
    for (double t = kSweepStart; t <= M_PI; t += kSweepStep) {
        const std::optional<RealPoint> q = PascalPoint(*hexagon, t, kReach);
        // A sample far outside, or one the construction cannot find, breaks the stroke; so do a long
        // step and the passage to the other branch of a hyperbola.
        if (!q || std::fabs(q->x) >= kWindow || std::fabs(q->y) >= kWindow) {
            penUp = true;
            continue;
        }
        if (Dist(previous, *q) > kJump) penUp = true;
        if (CrossedAsymptote(*hexagon, t, *q, lastSide)) penUp = true;
        MoveOrLine(canvas, *q, penUp);
        penUp = false;
        previous = *q;
    }
}

void JerabekHyperbola(PaintContext& ctx, int entry, int sH, int sU) {
    PointTable& pt = ctx.pt;
    Canvas& canvas = ctx.canvas;
    canvas.SetPenColor(kBlue);

    // 1. Through the vertices' screen points, H and the pole U.
    if (Present(pt, sH) && Present(pt, sU)) {
        const FivePoints points{ScreenAsReal(pt, kSlotA), ScreenAsReal(pt, kSlotB), ScreenAsReal(pt, kSlotC),
                                pt.precise[static_cast<std::size_t>(sH)],
                                pt.precise[static_cast<std::size_t>(sU)]};
        if (const std::optional<PascalHexagon> hexagon = MakePascalHexagon(points)) {
            LogConic(ctx, entry, 0, "Jerabek-Hyperbel", points, points);
            const double W = ctx.width, H = ctx.height;
            RealPoint previous{-1000, -1000};
            bool penUp = true;
            int lastSide = 0;
            for (double t = kSweepStart; t <= M_PI; t += kSweepStep) {
                const std::optional<RealPoint> q = PascalPoint(*hexagon, t, kJerabekReach);
                const bool visible = q && q->x > -kJerabekMargin && q->x < W + kJerabekMargin &&
                                     q->y > -kJerabekMargin && q->y < H + kJerabekMargin;
                if (!visible) {
                    penUp = true;
                    continue;
                }
                if (std::fabs(q->x - previous.x) > kJerabekJump &&
                    std::fabs(q->y - previous.y) > kJerabekJump)
                    penUp = true;
                if (CrossedAsymptote(*hexagon, t, *q, lastSide)) penUp = true;
                if (penUp) canvas.SetPenColor(kBlue);
                MoveOrLine(canvas, *q, penUp);
                penUp = false;
                previous = *q;
            }
        }
    }

    // 2. The centre: trilinear cos α sin²(β − γ) : cos β sin²(γ − α) : cos γ sin²(α − β). In an
    // equilateral triangle all three vanish and there is no centre.
    const double al = ctx.base.Alpha, be = ctx.base.Beta, ga = ctx.base.Gamma;
    auto sq = [](double v) { return v * v; };
    const std::optional<RealPoint> centre =
        TrilinearToPoint(std::cos(al) * sq(std::sin(be - ga)), std::cos(be) * sq(std::sin(ga - al)),
                         std::cos(ga) * sq(std::sin(al - be)), ScreenAsReal(pt, kSlotA),
                         ScreenAsReal(pt, kSlotB), ScreenAsReal(pt, kSlotC));
    if (!centre || !std::isfinite(centre->x) || !std::isfinite(centre->y)) {
        PlaceAbsent(pt, kSlotJerabekCentre);
        return;
    }
    PlaceSlot(pt, kSlotJerabekCentre, *centre);
    MarkSlotTwoLetters(ctx, kSlotJerabekCentre, "J", "e");
    if (ctx.Shown()) ReportSlot(ctx, kSlotJerabekCentre, "Jerabek-Zentrum");
}

void BezierParabola(PaintContext& ctx, int sStart, int sEnd, int sControl) {
    const PointTable& pt = ctx.pt;
    const RealPoint S = pt.precise[static_cast<std::size_t>(sStart)],
                    E = pt.precise[static_cast<std::size_t>(sEnd)],
                    K = pt.precise[static_cast<std::size_t>(sControl)];
    // De Casteljau; 101 samples, the bound a little above 1 so that s = 1 is among them.
    bool first = true;
    for (double s = 0; s <= 1.001; s += 0.01) {
        const RealPoint x1{S.x + s * (K.x - S.x), S.y + s * (K.y - S.y)};
        const RealPoint x2{K.x + s * (E.x - K.x), K.y + s * (E.y - K.y)};
        MoveOrLine(ctx.canvas, {x1.x + s * (x2.x - x1.x), x1.y + s * (x2.y - x1.y)}, first);
        first = false;
    }
}

} // namespace trimora
