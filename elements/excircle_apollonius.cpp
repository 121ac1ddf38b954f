// The Apollonius circle of the three excircles (the circle that touches them all and encloses
// them) with its centre and touch points, the lines from the vertices to the touch points and their
// common point, the Apollonius point, with its pedal elements.
#include "draw/point_table.h"
#include "draw/primitives.h"
#include "draw/results.h"
#include "elements/families.h"
#include "base/lines.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace trimora {
namespace {

// Catalogue entries.
constexpr int kAnkreisApolloniusKreis = 130;   // "Ankreis-Apollonius-Kreis"
constexpr int kAakMittelpunkt = 131;           // "AAK ... Mittelpunkt"
constexpr int kAakBeruehrungspunkte = 132;     // "AAK ... Berührungspunkte"
constexpr int kApolloniusLinien = 133;         // "Apollonius-Linien"
constexpr int kApolloniusPunkt = 134;          // "Apollonius-Punkt"
constexpr int kApolloniuspunktLotpunkte = 160; // "Apolloniuspunkt-Lotpunkte" (161, 162 follow)

// Slots.
constexpr int kSlotCentre = 97;
constexpr int kSlotTouchA = 98; // touch points with the A-, B- and C-excircle
constexpr int kSlotTouchB = 99;
constexpr int kSlotTouchC = 100;
constexpr int kSlotApolloniusPoint = 101;

// Exradii (world units) up to this count as missing; the linear system and the quadratic in the
// radius count as degenerate when their determinant or leading coefficient is this small.
constexpr double kRadiusEpsilon = 0.00001;
constexpr double kDeterminantEpsilon = 0.0001;
constexpr double kQuadraticEpsilon = 0.0001;
// Centres and touch points this many longest sides from the centroid are not kept: the circle of a
// nearly flat triangle runs off to infinity. Measured against the triangle, so that the same
// triangle keeps them wherever it lies and however large it is drawn.
constexpr double kFarSides = 25;

struct Circle {
    RealPoint centre;
    double radius;
};

// 2.-4. The circle about X with |X − Ii| = ρ − Ri for the three excircles. Subtracting the equations
// pairwise leaves a linear system for X with ρ as a parameter; inserted into the first equation it
// gives a quadratic in ρ.
std::optional<Circle> EnclosingCircle(const Circle (&ex)[3]) {
    const double x1 = ex[0].centre.x, y1 = ex[0].centre.y, x2 = ex[1].centre.x, y2 = ex[1].centre.y;
    const double x3 = ex[2].centre.x, y3 = ex[2].centre.y;
    const double Ra = ex[0].radius, Rb = ex[1].radius, Rc = ex[2].radius;
    const double r = 2 * (x1 - x2), A = 2 * (y1 - y2), C = 2 * (x1 - x3), v = 2 * (y1 - y3);
    const double D = r * v - A * C;
    if (!(std::fabs(D) > kDeterminantEpsilon)) return std::nullopt;

    const double G = 2 * (Ra - Rb), I = 2 * (Ra - Rc);
    const double J = (-G * v + A * I) / D, G2 = (G * C - r * I) / D;
    const double K = J * J + G2 * G2 - 1;
    if (!(std::fabs(K) > kQuadraticEpsilon)) return std::nullopt;

    const double L = x1 * x1 + y1 * y1 - Ra * Ra;
    const double o = L - (x2 * x2 + y2 * y2 - Rb * Rb), L2 = L - (x3 * x3 + y3 * y3 - Rc * Rc);
    const double p = (o * v - A * L2) / D - x1, q = (-o * C + r * L2) / D - y1;
    const double M = (2 * J * p + 2 * G2 * q - 2 * Ra) / K;
    const double N = std::sqrt(std::fabs(M * M / 4 - (p * p + q * q - Ra * Ra) / K));
    // With these signs of J and G' the quadratic is that of |X − Ii| = ρ + Ri; its smaller root is
    // negative, minus the radius of the enclosing circle, and the centre needs it with that sign
    // (with the radius instead the centre would land on the far side of (p + x1, q + y1)).
    const double root = -M / 2 - N;
    const double rho = std::fabs(root);
    const Circle c{{p + x1 + J * root, q + y1 + G2 * root}, rho};
    if (!std::isfinite(c.centre.x) || !std::isfinite(c.centre.y) || !std::isfinite(rho)) return std::nullopt;
    return c;
}

} // namespace

void ExcircleApolloniusCircle(PaintContext& ctx) {
    PointTable& pt = ctx.pt;
    Canvas& canvas = ctx.canvas;

    // 1. The excircles in pixels.
    const double ra = ctx.base.ExradiusA, rb = ctx.base.ExradiusB, rc = ctx.base.ExradiusC;
    if (!(std::fabs(ra) > kRadiusEpsilon && std::fabs(rb) > kRadiusEpsilon && std::fabs(rc) > kRadiusEpsilon))
        return;
    const Circle ex[3] = {{pt.precise[kSlotExcentreA], 100 * ra},
                          {pt.precise[kSlotExcentreB], 100 * rb},
                          {pt.precise[kSlotExcentreC], 100 * rc}};

    // 2.-4. Centre and circle, in the pen the previous family left. Without a centre of this
    // repaint nothing further can be built: the slot is marked absent rather than left stale.
    const std::optional<Circle> circle = EnclosingCircle(ex);
    const RealPoint g = pt.precise[kSlotCentroid];
    const double far = kFarSides * std::max({ctx.base.SideA, ctx.base.SideB, ctx.base.SideC});
    auto near = [&](RealPoint p) { return std::hypot(p.x - g.x, p.y - g.y) < far; };
    if (!circle || !near(circle->centre)) {
        PlaceAbsent(pt, kSlotCentre);
        return;
    }
    PlaceSlot(pt, kSlotCentre, circle->centre);
    if (ctx.On(kAakMittelpunkt)) {
        MarkSlot(ctx, kSlotCentre);
        if (ctx.Shown()) ReportSlot(ctx, kSlotCentre, "Ankreis-Apollonius-Kreis-Mittelpunkt");
    }
    if (ctx.On(kAnkreisApolloniusKreis) && circle->radius > 0) {
        // Drawn with a whole-pixel radius; the list keeps the fraction.
        DrawCircle(ctx, circle->centre.x, circle->centre.y, RoundClamp(circle->radius));
        if (ctx.Shown()) ReportRadius(ctx, "Radius des Ankreis-Apollonius-Kreises", circle->radius);
    }

    // 5. Touch points, on the rays from the centre through the excentres.
    const RealPoint X = circle->centre;
    const int touch[3] = {kSlotTouchA, kSlotTouchB, kSlotTouchC};
    for (int n = 0; n < 3; ++n) {
        const RealPoint I = ex[n].centre;
        const double d = std::hypot(I.x - X.x, I.y - X.y);
        if (!(d > 0)) return;
        const double k = (ex[n].radius + d) / d;
        const RealPoint T{X.x + k * (I.x - X.x), X.y + k * (I.y - X.y)};
        if (!near(T)) return;
        PlaceSlot(pt, touch[n], T);
    }

    // 6.
    if (ctx.On(kAakBeruehrungspunkte)) {
        MarkSlotTwoLetters(ctx, kSlotTouchA, "A", "1");
        MarkSlotTwoLetters(ctx, kSlotTouchB, "A", "2");
        MarkSlotTwoLetters(ctx, kSlotTouchC, "A", "3");
        if (ctx.Shown()) {
            ReportSlot(ctx, kSlotTouchA, "… 1.Berührungspunkt");
            ReportSlot(ctx, kSlotTouchB, "… 2.Berührungspunkt");
            ReportSlot(ctx, kSlotTouchC, "… 3.Berührungspunkt");
        }
    }

    // 7. The Apollonius lines.
    canvas.SetBrushStyle(BrushStyle::Clear);
    canvas.SetPenColor(kRed);
    if (ctx.On(kApolloniusLinien)) {
        DrawSlotSegment(ctx, kSlotA, kSlotTouchA, "Apollonius-Linie");
        DrawSlotSegment(ctx, kSlotB, kSlotTouchB, "");
        DrawSlotSegment(ctx, kSlotC, kSlotTouchC, "");
    }

    // 8. Their common point and its pedal elements.
    // The lines through the points as the results list them.
    const LinePoint ap = IntersectLines(ListedPoint(pt, kSlotB), ListedPoint(pt, kSlotTouchB),
                                        ListedPoint(pt, kSlotA), ListedPoint(pt, kSlotTouchA));
    PlaceSlot(pt, kSlotApolloniusPoint, ap.p);
    if (!ap.ok) return; // parallel lines: no point to mark or to drop perpendiculars from
    if (ctx.On(kApolloniusPunkt)) {
        MarkSlotTwoLetters(ctx, kSlotApolloniusPoint, "A", "p");
        if (ctx.Shown()) ReportSlot(ctx, kSlotApolloniusPoint, "Apollonius-Punkt");
    }
    PedalFamily(ctx, kSlotApolloniusPoint, kApolloniuspunktLotpunkte, "Apollonius-Punkt");
}

} // namespace trimora
