// The nine-point (Feuerbach) circle and its centre, the pedal elements of the centre, and the
// hypocycloids rolling in the nine-point circle and in the incircle.
#include "draw/point_table.h"
#include "draw/primitives.h"
#include "draw/results.h"
#include "elements/families.h"

#include <cmath>

namespace trimora {
namespace {

constexpr int kFeuerbachKreis = 20;         // "Feuerbach-Kreis"
constexpr int kFeuerbachPunkt = 21;         // "Feuerbach-Punkt"
constexpr int kFeuerbachLotpunkte = 101;    // "Feuerbach-Lotpunkte" (102, 103 follow)
constexpr int kFeuerbachHypozykloiden = 488; // "Feuerbach-Hypozykloiden"
constexpr int kInkreisHypozykloiden = 489;  // "Inkreis-Hypozykloiden"

// Radius of the circle x^2 + y^2 + Dx + Ey + F = 0 through three points, by Cramer's rule.
double RadiusThrough(RealPoint q1, RealPoint q2, RealPoint q3) {
    // About q1: the squares of far-off coordinates would lose the digits of the radius.
    const RealPoint p1{0, 0}, p2{q2.x - q1.x, q2.y - q1.y}, p3{q3.x - q1.x, q3.y - q1.y};
    auto det3 = [](double a1, double b1, double c1, double a2, double b2, double c2, double a3, double b3,
                   double c3) { return a1 * (b2 * c3 - b3 * c2) - b1 * (a2 * c3 - a3 * c2) + c1 * (a2 * b3 - a3 * b2); };
    const double r1 = -(p1.x * p1.x + p1.y * p1.y), r2 = -(p2.x * p2.x + p2.y * p2.y),
                 r3 = -(p3.x * p3.x + p3.y * p3.y);
    // Collinear midpoints (collinear vertices) have no circle: an infinite radius is neither drawn
    // nor listed.
    if (NearlyCollinear(p1, p2, p3)) return HUGE_VAL;
    const double main = det3(p1.x, p1.y, 1, p2.x, p2.y, 1, p3.x, p3.y, 1);
    const double D = det3(r1, p1.y, 1, r2, p2.y, 1, r3, p3.y, 1) / main;
    const double E = det3(p1.x, r1, 1, p2.x, r2, 1, p3.x, r3, 1) / main;
    const double F = det3(p1.x, p1.y, r1, p2.x, p2.y, r2, p3.x, p3.y, r3) / main;
    return std::sqrt(std::fabs((D / 2) * (D / 2) + (E / 2) * (E / 2) - F));
}

// The parameter runs t = 0, 0.05, 0.10, ... while t <= 2 pi + 0.05, so that the curve closes.
// Its sines and cosines are the same at every repaint: computed once.
struct HypocycloidTable {
    static constexpr int kSteps = 127;
    double cos1[kSteps], sin1[kSteps], cos2[kSteps], sin2[kSteps];
    HypocycloidTable() {
        for (int step = 0; step < kSteps; ++step) {
            const double t = step * 0.05;
            cos1[step] = std::cos(t);
            sin1[step] = std::sin(t);
            cos2[step] = std::cos(2 * t);
            sin2[step] = std::sin(2 * t);
        }
    }
};
static_assert((HypocycloidTable::kSteps - 1) * 0.05 <= 6.333185307179586 &&
              HypocycloidTable::kSteps * 0.05 > 6.333185307179586);

// Four closed curves around `centre` for the rolling ratios 1.5, 2, 2.5 and 3.
void Hypocycloids(PaintContext& ctx, RealPoint centre, double rho) {
    if (IsAbsentPoint(centre) || !std::isfinite(rho)) return;
    static const HypocycloidTable table;
    for (double k : {1.5, 2.0, 2.5, 3.0}) {
        const double p = rho / 2 * (k - 1), o = rho / 2 * (k + 1);
        for (int step = 0; step < HypocycloidTable::kSteps; ++step) {
            const int x = RoundClamp(centre.x + p * table.cos1[step] + o * table.cos2[step]);
            const int y = -RoundClamp(p * table.sin1[step] - o * table.sin2[step] - centre.y);
            if (step == 0)
                ctx.canvas.MoveTo(x, y);
            else
                ctx.canvas.LineTo(x, y);
        }
    }
}

} // namespace

void NinePointCircle(PaintContext& ctx) {
    PointTable& pt = ctx.pt;
    const BaseMeasureRecord& m = ctx.base;
    const RealPoint a = pt.precise[kSlotA], b = pt.precise[kSlotB], c = pt.precise[kSlotC];

    // 1.-2. Radius through the side midpoints, centre from its trilinears.
    const double rho = RadiusThrough(Midpoint(a, b), Midpoint(b, c), Midpoint(c, a));
    SlotFromTrilinear(ctx, kSlotNinePoint, std::cos(m.Beta - m.Gamma), std::cos(m.Gamma - m.Alpha),
                      std::cos(m.Alpha - m.Beta));
    const RealPoint N = pt.precise[kSlotNinePoint];

    // 3.
    if (ctx.On(kFeuerbachKreis)) {
        DrawCircle(ctx, N.x, N.y, rho);
        if (ctx.Shown() && std::isfinite(rho)) ReportRadius(ctx, "Radius des Feuerbach-Kreises", rho);
    }
    if (ctx.On(kFeuerbachPunkt)) {
        MarkSlotLetter(ctx, kSlotNinePoint, "F");
        if (ctx.Shown()) ReportSlot(ctx, kSlotNinePoint, "Feuerbach-Punkt");
    }
    PedalFamily(ctx, kSlotNinePoint, kFeuerbachLotpunkte, "Feuerbach-Punkt");

    // 4.-5.
    if (ctx.On(kFeuerbachHypozykloiden)) {
        ctx.canvas.SetPenColor(kMagenta);
        Hypocycloids(ctx, N, rho);
    }
    if (ctx.On(kInkreisHypozykloiden)) {
        ctx.canvas.SetPenColor(kLime);
        Hypocycloids(ctx, pt.precise[kSlotIncentre], m.Inradius);
    }
}

} // namespace trimora
