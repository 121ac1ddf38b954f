// The Yff triangle: three points on the sides at one distance u from the preceding vertex whose
// cevians meet in the Yff point; the cevians, the triangle, the side points and the point.
#include "draw/point_table.h"
#include "draw/primitives.h"
#include "draw/results.h"
#include "draw/slots.h"
#include "elements/families.h"
#include "base/lines.h"
#include "base/numeric.h"

namespace trimora {
namespace {

// Catalogue entries.
constexpr int kYffDreieck = 339;      // "Yff-Dreieck"
constexpr int kYffTransversale = 340; // "Yff-Transversale"
constexpr int kYffSeitenpunkte = 341; // "Yff-Seitenpunkte"
constexpr int kYffPunkt = 342;        // "Yff-Punkt"

// Slots.
constexpr int kSlotSideAB = 231; // at u from A towards B
constexpr int kSlotSideBC = 232; // at u from B towards C
constexpr int kSlotSideCA = 233; // at u from C towards A
constexpr int kSlotYffPoint = 234;

RealPoint Towards(RealPoint from, RealPoint to, double fraction) {
    return {from.x + fraction * (to.x - from.x), from.y + fraction * (to.y - from.y)};
}

} // namespace

void YffTriangle(PaintContext& ctx) {
    PointTable& pt = ctx.pt;
    Canvas& canvas = ctx.canvas;
    const double a = ctx.base.SideA, b = ctx.base.SideB, c = ctx.base.SideC;
    if (a == 0 || b == 0 || c == 0) return;
    // Nobody else reads the Yff points: the cubic is solved only while one of them is wanted.
    if (!ctx.On(kYffDreieck) && !ctx.On(kYffTransversale) && !ctx.On(kYffSeitenpunkte) && !ctx.On(kYffPunkt))
        return;

    // 1. (a - u)(b - u)(c - u) = u³, that is 2u³ - σ1 u² + σ2 u - σ3 = 0. Its derivative has no
    // real root for a triangle, so the cubic has one real root, listed first, read back from its
    // five-decimal text.
    const double sigma1 = a + b + c, sigma2 = a * b + b * c + c * a, sigma3 = a * b * c;
    const std::optional<double> root = ParseRootText(SolveCubic(-sigma3, sigma2, -sigma1, 2).x1);
    if (!root) return;
    const double u = *root;

    // 2.
    const RealPoint A = pt.precise[kSlotA], B = pt.precise[kSlotB], C = pt.precise[kSlotC];
    PlaceSlot(pt, kSlotSideAB, Towards(A, B, u / c));
    PlaceSlot(pt, kSlotSideBC, Towards(B, C, u / a));
    PlaceSlot(pt, kSlotSideCA, Towards(C, A, u / b));
    PlaceSlot(pt, kSlotYffPoint, IntersectLines(A, pt.precise[kSlotSideBC], C, pt.precise[kSlotSideAB]).p);

    // 3. The cevians.
    canvas.SetPenStyle(PenStyle::Solid);
    canvas.SetPenColor(kGreen);
    if (ctx.On(kYffTransversale)) {
        DrawSlotSegment(ctx, kSlotC, kSlotSideAB, "Yff-Transversale");
        DrawSlotSegment(ctx, kSlotA, kSlotSideBC, "");
        DrawSlotSegment(ctx, kSlotB, kSlotSideCA, "");
    }

    // 4. The triangle.
    canvas.SetPenColor(kBlue);
    if (ctx.On(kYffDreieck)) {
        DrawSegment(ctx, kSlotSideBC, kSlotSideAB);
        DrawSegment(ctx, kSlotSideCA, kSlotSideBC);
        DrawSegment(ctx, kSlotSideAB, kSlotSideCA);
        if (ctx.Shown()) ReportTriangle(ctx, kSlotSideAB, kSlotSideBC, kSlotSideCA, "Yff");
    }

    // 5.-6.
    if (ctx.On(kYffSeitenpunkte)) {
        MarkSlotTwoLetters(ctx, kSlotSideAB, "y", "C");
        MarkSlotTwoLetters(ctx, kSlotSideBC, "y", "A");
        MarkSlotTwoLetters(ctx, kSlotSideCA, "y", "B");
        if (ctx.Shown()) {
            ReportSlot(ctx, kSlotSideAB, "Yff-Seitenpunkt");
            ReportSlot(ctx, kSlotSideBC, "Yff-Seitenpunkt");
            ReportSlot(ctx, kSlotSideCA, "Yff-Seitenpunkt");
        }
    }
    if (ctx.On(kYffPunkt)) {
        MarkSlotTwoLetters(ctx, kSlotYffPoint, "Y", "p");
        if (ctx.Shown()) ReportSlot(ctx, kSlotYffPoint, "Yff-Punkt");
    }
}

} // namespace trimora
