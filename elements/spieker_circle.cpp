// The Spieker circle (the incircle of the medial triangle) with its centre, and the half triangle
// of the Nagel point (midpoints of the vertices and the Nagel point).
#include "draw/point_table.h"
#include "draw/primitives.h"
#include "draw/results.h"
#include "elements/families.h"

#include <cmath>

namespace trimora {
namespace {

constexpr int kSpiekerKreis = 43;            // "Spieker-Kreis"
constexpr int kSpiekerPunkt = 44;            // "Spieker-Punkt"
constexpr int kNagelpunktHalbdreieck = 45;   // "Nagelpunkt-Halbdreieck"
constexpr int kSpiekerpunktLotpunkte = 110;  // "Spiekerpunkt-Lotpunkte" (111, 112 follow)

constexpr int kSlotSpieker = 31;
constexpr int kSlotNagelHalf1 = 32;
constexpr int kSlotNagelHalf2 = 33;
constexpr int kSlotNagelHalf3 = 34;

} // namespace

void SpiekerCircle(PaintContext& ctx) {
    PointTable& pt = ctx.pt;
    // The sides of the medial triangle from the midpoints as listed: their whole pixels lie half a
    // pixel off where a side has an odd length.
    auto side = [&](int i, int j) { return WorldDistance(ListedPoint(pt, i), ListedPoint(pt, j)); };
    const double a = side(kSlotMidBC, kSlotMidAC), b = side(kSlotMidAB, kSlotMidBC),
                 c = side(kSlotMidAB, kSlotMidAC);
    double r = 0;
    if (std::fabs(b * c) > 0.1) {
        const double cosA = (a * a - b * b - c * c) / (-2 * b * c);
        if (std::fabs(cosA) < 1) r = std::sin(std::acos(cosA)) * c * b * 100 / (a + b + c);
    }
    if (r == 0 || !std::isfinite(r)) return;
    ctx.canvas.SetPenColor(kRed);
    // The incentre of the medial triangle, computed directly in pixels.
    const RealPoint centre =
        TrilinearToPoint(1, 1, 1, pt.precise[kSlotMidAB], pt.precise[kSlotMidAC], pt.precise[kSlotMidBC])
            .value_or(RealPoint{0, 0});
    PlaceSlot(pt, kSlotSpieker, centre);
    if (ctx.On(kSpiekerKreis)) {
        DrawCircle(ctx, pt.precise[kSlotSpieker].x, pt.precise[kSlotSpieker].y, r);
        if (ctx.Shown()) ReportRadius(ctx, "Spiekerkreis-Radius", r);
    }
    if (ctx.On(kSpiekerPunkt)) {
        MarkSlotTwoLetters(ctx, kSlotSpieker, "S", "p");
        if (ctx.Shown()) ReportSlot(ctx, kSlotSpieker, "Spieker-Punkt");
    }
    PedalFamily(ctx, kSlotSpieker, kSpiekerpunktLotpunkte, "Spiekerpunkt");
}

void NagelHalfTriangle(PaintContext& ctx) {
    PointTable& pt = ctx.pt;
    if (Present(pt, kSlotNagel)) {
        const RealPoint nagel = ListedPoint(pt, kSlotNagel);
        const int slots[3] = {kSlotNagelHalf1, kSlotNagelHalf2, kSlotNagelHalf3};
        for (int n = 0; n < 3; ++n) {
            const RealPoint v = ScreenAsReal(pt, kSlotA + n);
            PlaceSlot(pt, slots[n], {(v.x + nagel.x) / 2, (v.y + nagel.y) / 2});
        }
        ctx.canvas.SetPenColor(kGrey);
        if (ctx.On(kNagelpunktHalbdreieck)) {
            DrawSegment(ctx, kSlotNagelHalf1, kSlotNagelHalf2);
            DrawSegment(ctx, kSlotNagelHalf2, kSlotNagelHalf3);
            DrawSegment(ctx, kSlotNagelHalf3, kSlotNagelHalf1);
            if (ctx.Shown()) {
                ReportSlot(ctx, kSlotNagelHalf1, "1.Nagelhalbdreieckspunkt");
                ReportSlot(ctx, kSlotNagelHalf2, "2.Nagelhalbdreieckspunkt");
                ReportSlot(ctx, kSlotNagelHalf3, "3.Nagelhalbdreieckspunkt");
                ReportTriangle(ctx, kSlotNagelHalf1, kSlotNagelHalf2, kSlotNagelHalf3, "Nagelhalb");
            }
        }
    }
    ctx.canvas.SetPenColor(kBlack);
}

} // namespace trimora
