// The Morley trisectors of the three angles, found by rotating a side's midpoint about its vertex,
// the three Morley points where adjacent trisectors meet, and the (equilateral) Morley triangle.
#include "draw/point_table.h"
#include "draw/primitives.h"
#include "draw/results.h"
#include "elements/families.h"
#include "base/lines.h"
#include "base/numeric.h"

#include <cmath>

namespace trimora {
namespace {

// Catalogue entries.
constexpr int kMorleyStrecken = 395; // "Morley-Strecken"
constexpr int kMorleyDreieck = 396;  // "Morley-Dreieck"
constexpr int kMorleyPunkte = 397;   // "Morley-Punkte"

// Slots: the Morley points next to the sides AB, AC and BC.
constexpr int kSlotMorleyAB = 286;
constexpr int kSlotMorleyAC = 287;
constexpr int kSlotMorleyBC = 288;

// The angle whose cosine is given, or 0 when the cosine lies outside [-1, 1].
double AngleFromCosine(double cosine) {
    return std::fabs(cosine) <= 1 ? std::acos(cosine) : 0.0;
}

struct Trisectors {
    RealPoint first, second; // turned by a third and by two thirds of the angle
};

// Whether P lies strictly on R's side of the line V L.
bool StrictlyOnSideOf(RealPoint v, RealPoint l, RealPoint p, RealPoint r) {
    const double sp = (l.x - v.x) * (p.y - v.y) - (l.y - v.y) * (p.x - v.x);
    const double sr = (l.x - v.x) * (r.y - v.y) - (l.y - v.y) * (r.x - v.x);
    return sp * sr > 0;
}

// The two trisector points at vertex V: P turned about V by angle / 3 and 2 angle / 3, towards the
// reference point R of the line V L. When the first point, rounded, is not strictly on R's side
// of that line, both turn the other way.
Trisectors TrisectAt(const PointTable& pt, int v, int l, int r, RealPoint p, double angle) {
    const RealPoint V = ScreenAsReal(pt, v);
    const Trisectors turned{RotatePoint(V, p, angle / 3), RotatePoint(V, p, 2 * angle / 3)};
    const Trisectors back{RotatePoint(V, p, -angle / 3), RotatePoint(V, p, -2 * angle / 3)};
    const RealPoint rounded{RoundWhole(turned.first.x), RoundWhole(turned.first.y)};
    Trisectors t = SameSideTest(V, ScreenAsReal(pt, l), rounded, ScreenAsReal(pt, r)) ? back : turned;
    // A very small angle turns the point less than a pixel, so that rounding can put it on or
    // across the line: then the unrounded point shows the side, and the trisector stays inside
    // the angle.
    const RealPoint L = ScreenAsReal(pt, l), R = ScreenAsReal(pt, r);
    if (!StrictlyOnSideOf(V, L, t.first, R)) t = (t.first == turned.first) ? back : turned;
    return t;
}

// A Morley point, or the absent sentinel when its trisectors do not meet.
bool PlaceMeet(PointTable& pt, int slot, RealPoint p1, RealPoint p2, RealPoint p3, RealPoint p4) {
    const LinePoint m = IntersectLines(p1, p2, p3, p4);
    if (m.ok)
        PlaceSlot(pt, slot, m.p);
    else
        PlaceAbsent(pt, slot);
    return Present(pt, slot);
}

} // namespace

void MorleyFamily(PaintContext& ctx) {
    PointTable& pt = ctx.pt;

    // 1. Angles from the law of cosines on the screen points. Three collinear vertices have no
    // trisectors: the rounded cosines would still give tiny angles, so the exact test decides.
    const RealPoint A = ScreenAsReal(pt, kSlotA), B = ScreenAsReal(pt, kSlotB), C = ScreenAsReal(pt, kSlotC);
    const double a = SlotDistancePixels(pt, kSlotB, kSlotC), b = SlotDistancePixels(pt, kSlotC, kSlotA),
                 c = SlotDistancePixels(pt, kSlotA, kSlotB);
    if (a * b * c == 0) return;
    if ((B.x - A.x) * (C.y - A.y) - (C.x - A.x) * (B.y - A.y) == 0) return;
    const double alpha = AngleFromCosine((b * b + c * c - a * a) / (2 * b * c)),
                 beta = AngleFromCosine((a * a + c * c - b * b) / (2 * a * c)),
                 gamma = AngleFromCosine((a * a + b * b - c * c) / (2 * a * b));
    if (alpha * beta * gamma == 0) return;

    // 2.-5. The trisectors, turned from the midpoint of AB at A and B and from that of BC at C.
    const RealPoint midAB = Midpoint(A, B), midBC = Midpoint(B, C);
    ctx.canvas.SetPenColor(kRed);
    const Trisectors atA = TrisectAt(pt, kSlotA, kSlotB, kSlotC, midAB, alpha);
    const Trisectors atB = TrisectAt(pt, kSlotB, kSlotA, kSlotC, midAB, beta);
    const Trisectors atC = TrisectAt(pt, kSlotC, kSlotB, kSlotA, midBC, gamma);

    // 6. Adjacent trisectors meet in the Morley points.
    const bool nearAB = PlaceMeet(pt, kSlotMorleyAB, B, atB.first, A, atA.first);
    const bool nearAC = PlaceMeet(pt, kSlotMorleyAC, C, atC.second, A, atA.second);
    const bool nearBC = PlaceMeet(pt, kSlotMorleyBC, C, atC.first, B, atB.second);
    const bool all = nearAB && nearAC && nearBC;

    // 7. The six trisector segments, then their lengths.
    if (ctx.On(kMorleyStrecken)) {
        const struct {
            int vertex, point;
            bool present;
            const char* distanceLabel;
        } segments[6] = {{kSlotA, kSlotMorleyAB, nearAB, "Abstand A-Morley 1"},
                         {kSlotB, kSlotMorleyAB, nearAB, "Abstand B-Morley 1"},
                         {kSlotA, kSlotMorleyAC, nearAC, "Abstand A-Morley 2"},
                         {kSlotC, kSlotMorleyAC, nearAC, "Abstand C-Morley 2"},
                         {kSlotB, kSlotMorleyBC, nearBC, "Abstand B-Morley 3"},
                         {kSlotC, kSlotMorleyBC, nearBC, "Abstand C-Morley 3"}};
        for (const auto& s : segments)
            if (s.present) DrawSlotSegment(ctx, s.vertex, s.point, "Morley-Strecke");
        if (ctx.Shown())
            for (const auto& s : segments)
                if (s.present) ReportSlotDistance(ctx, s.vertex, s.point, s.distanceLabel);
    }

    // 8. The Morley triangle.
    if (ctx.On(kMorleyDreieck) && all) {
        DrawSegment(ctx, kSlotMorleyAB, kSlotMorleyAC);
        DrawSegment(ctx, kSlotMorleyAC, kSlotMorleyBC);
        DrawSegment(ctx, kSlotMorleyAB, kSlotMorleyBC);
        if (ctx.Shown()) ReportTriangle(ctx, kSlotMorleyAB, kSlotMorleyAC, kSlotMorleyBC, "Morley");
    }

    // 9. The Morley points.
    if (ctx.On(kMorleyPunkte)) {
        for (int slot : {kSlotMorleyAB, kSlotMorleyAC, kSlotMorleyBC})
            if (Present(pt, slot)) MarkSlot(ctx, slot);
        if (ctx.Shown())
            for (int slot : {kSlotMorleyAB, kSlotMorleyAC, kSlotMorleyBC})
                if (Present(pt, slot)) ReportSlot(ctx, slot, "Morley-Punkt");
    }
}

} // namespace trimora
