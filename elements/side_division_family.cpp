// Division points that cut every side into thirds or quarters, the cevians from each vertex to the
// division points of the opposite side, and the Rosenbaum triangle of the cevians to the thirds.
#include "draw/point_table.h"
#include "draw/primitives.h"
#include "draw/results.h"
#include "elements/families.h"
#include "base/lines.h"

namespace trimora {
namespace {

// Catalogue entries.
constexpr int kTeilungspunkte13 = 501;   // "Teilungspunkte 1:3"
constexpr int kTeilungsstrecken13 = 502; // "Teilungsstrecken 1:3"
constexpr int kTeilungspunkte14 = 503;   // "Teilungspunkte 1:4"
constexpr int kTeilungsstrecken14 = 504; // "Teilungsstrecken 1:4"
constexpr int kRosenbaumDreieck = 505;   // "Rosenbaum-Dreieck"

// Slots: two division points per side of the current divisor, then the Rosenbaum triangle.
constexpr int kSlotAB1 = 407; // A + (B - A) / n
constexpr int kSlotAB2 = 408; // A + (B - A) (n - 1) / n
constexpr int kSlotBC1 = 409; // B + (C - B) / n
constexpr int kSlotBC2 = 410; // B + (C - B) (n - 1) / n
constexpr int kSlotCA1 = 411; // C + (A - C) / n
constexpr int kSlotCA2 = 412; // C + (A - C) (n - 1) / n
constexpr int kSlotRosenbaumR = 413;
constexpr int kSlotRosenbaumS = 414;
constexpr int kSlotRosenbaumT = 415;

// The points 1/n and (n - 1)/n of the way from the first vertex to the second into `slot` and the
// slot after it (precise points of the vertices).
void DivideSide(PointTable& pt, int first, int second, int slot, int n) {
    if (n == 0) return;
    const RealPoint p = pt.precise[first], q = pt.precise[second];
    const double near = 1.0 / n, far = (n - 1.0) / n;
    PlaceSlot(pt, slot, {p.x + near * (q.x - p.x), p.y + near * (q.y - p.y)});
    PlaceSlot(pt, slot + 1, {p.x + far * (q.x - p.x), p.y + far * (q.y - p.y)});
}

void DivideSides(PointTable& pt, int n) {
    DivideSide(pt, kSlotA, kSlotB, kSlotAB1, n);
    DivideSide(pt, kSlotB, kSlotC, kSlotBC1, n);
    DivideSide(pt, kSlotC, kSlotA, kSlotCA1, n);
}

// From each vertex to the two division points of the opposite side.
void Cevians(PaintContext& ctx) {
    DrawSegment(ctx, kSlotC, kSlotAB1);
    DrawSegment(ctx, kSlotC, kSlotAB2);
    DrawSegment(ctx, kSlotA, kSlotBC1);
    DrawSegment(ctx, kSlotA, kSlotBC2);
    DrawSegment(ctx, kSlotB, kSlotCA1);
    DrawSegment(ctx, kSlotB, kSlotCA2);
}

void MarkDivisionPoints(PaintContext& ctx) {
    for (int slot = kSlotAB1; slot <= kSlotCA2; ++slot)
        MarkSlot(ctx, slot);
}

// A vertex of the Rosenbaum triangle, or the absent sentinel when the cevians do not meet.
bool PlaceMeet(PointTable& pt, int slot, int p1, int p2, int p3, int p4) {
    const LinePoint m = IntersectLines(pt.precise[p1], pt.precise[p2], pt.precise[p3], pt.precise[p4]);
    if (m.ok)
        PlaceSlot(pt, slot, m.p);
    else
        PlaceAbsent(pt, slot);
    return Present(pt, slot);
}

// Each cevian to a third-point serves exactly one vertex. Three collinear vertices have no
// triangle: their cevians all lie on one line.
void RosenbaumTriangle(PaintContext& ctx) {
    PointTable& pt = ctx.pt;
    const RealPoint A = pt.precise[kSlotA], B = pt.precise[kSlotB], C = pt.precise[kSlotC];
    const bool flat = (B.x - A.x) * (C.y - A.y) - (C.x - A.x) * (B.y - A.y) == 0;
    const bool r = PlaceMeet(pt, kSlotRosenbaumR, kSlotA, kSlotBC1, kSlotB, kSlotCA2);
    const bool s = PlaceMeet(pt, kSlotRosenbaumS, kSlotC, kSlotAB2, kSlotB, kSlotCA1);
    const bool t = PlaceMeet(pt, kSlotRosenbaumT, kSlotA, kSlotBC2, kSlotC, kSlotAB1);
    ctx.canvas.SetPenColor(kBlue);
    if (flat || !r || !s || !t) return;
    DrawSegment(ctx, kSlotRosenbaumR, kSlotRosenbaumS);
    DrawSegment(ctx, kSlotRosenbaumS, kSlotRosenbaumT);
    DrawSegment(ctx, kSlotRosenbaumT, kSlotRosenbaumR);
    MarkSlotLetter(ctx, kSlotRosenbaumR, "R");
    MarkSlotLetter(ctx, kSlotRosenbaumS, "S");
    MarkSlotLetter(ctx, kSlotRosenbaumT, "T");
    if (ctx.Shown()) ReportTriangle(ctx, kSlotRosenbaumR, kSlotRosenbaumS, kSlotRosenbaumT, "Rosenbaum");
}

} // namespace

void SideDivisionFamily(PaintContext& ctx) {
    // 1. Thirds, with their cevians and the Rosenbaum triangle built from them.
    if (ctx.On(kTeilungspunkte13) || ctx.On(kTeilungsstrecken13) || ctx.On(kRosenbaumDreieck)) {
        DivideSides(ctx.pt, 3);
        if (ctx.On(kTeilungsstrecken13)) {
            ctx.canvas.SetPenColor(kLime);
            Cevians(ctx);
            ctx.canvas.SetPenColor(kBlack);
        }
        if (ctx.On(kTeilungspunkte13)) MarkDivisionPoints(ctx);
        if (ctx.On(kRosenbaumDreieck)) RosenbaumTriangle(ctx);
    }

    // 2. Quarters overwrite the thirds; the red pen of their cevians carries over.
    if (ctx.On(kTeilungspunkte14) || ctx.On(kTeilungsstrecken14)) {
        DivideSides(ctx.pt, 4);
        if (ctx.On(kTeilungsstrecken14)) {
            ctx.canvas.SetPenColor(kRed);
            Cevians(ctx);
        }
        if (ctx.On(kTeilungspunkte14)) MarkDivisionPoints(ctx);
    }
}

} // namespace trimora
