// The symmedian family: the symmedian feet, lines and triangle, the Lémoine point K with its pedal
// elements and the Grebe lines to it, and the first Lémoine circle with its six points, chords,
// lines and triangle.
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
constexpr int kSymmedianPunkte = 64;          // "Symmedian-Punkte"
constexpr int kSymmedianLinien = 65;          // "Symmedian-Linien"
constexpr int kSymmedianDreieck = 66;         // "Symmedian-Dreieck"
constexpr int kLemoinePunkt = 67;             // "Lémoine-Punkt"
constexpr int kLemoinePunktLotpunkte = 119;   // "Lémoine-Punkt-Lotpunkte" (120, 121 follow)
constexpr int kLemoineKreis = 254;            // "1.Lémoine-Kreis"
constexpr int kLemoineKreismittelpunkt = 255; // "1.Lémoine-Kreismittelpunkt"
constexpr int kLemoineKreispunkte = 256;      // "1.Lémoine-Kreispunkte"
constexpr int kLemoineStrecken = 257;         // "1.Lémoine-Strecken"
constexpr int kLemoineGeraden = 258;          // "1.Lémoine-Geraden"
constexpr int kLemoineDreieckspunkte = 259;   // "1.Lémoine-Dreieckspunkte"
constexpr int kLemoineDreieck = 260;          // "1.Lémoine-Dreieck"
constexpr int kGrebeLinien = 366;             // "Grebe-Linien"

// Slots.
constexpr int kSlotSymmedianFootA = 56; // on BC
constexpr int kSlotSymmedianFootB = 57; // on CA
constexpr int kSlotSymmedianFootC = 58; // on AB
// The six points of the first Lémoine circle (shared with the Adams circle points, which are
// overwritten here): the parallel to AB through K meets CA in 167 and BC in 168, the parallel to
// AC meets AB in 169 and BC in 170, the parallel to BC meets AB in 171 and CA in 172.
constexpr int kSlotCirclePoint1 = kSlotSixPointCircle;
constexpr int kSlotCirclePoint2 = kSlotSixPointCircle + 1;
constexpr int kSlotCirclePoint3 = kSlotSixPointCircle + 2;
constexpr int kSlotCirclePoint4 = kSlotSixPointCircle + 3;
constexpr int kSlotCirclePoint5 = kSlotSixPointCircle + 4;
constexpr int kSlotCirclePoint6 = kSlotSixPointCircle + 5;
constexpr int kSlotCircleCentre = kSlotSixPointCircle + 6; // midpoint of U and K
constexpr int kSlotLemoineTriangle1 = kSlotSixPointCircle + 7;
constexpr int kSlotLemoineTriangle2 = kSlotSixPointCircle + 8;
constexpr int kSlotLemoineTriangle3 = kSlotSixPointCircle + 9;

void SymmediansAndLemoinePoint(PaintContext& ctx) {
    Canvas& canvas = ctx.canvas;
    const double a = ctx.base.SideA, b = ctx.base.SideB, c = ctx.base.SideC;

    // 2. Feet of the symmedians: each divides its side in the ratio of the squares of the others.
    SlotFromTrilinear(ctx, kSlotSymmedianFootA, 0, b, c);
    SlotFromTrilinear(ctx, kSlotSymmedianFootB, a, 0, c);
    SlotFromTrilinear(ctx, kSlotSymmedianFootC, a, b, 0);
    if (ctx.On(kSymmedianPunkte)) {
        MarkSlot(ctx, kSlotSymmedianFootA);
        MarkSlot(ctx, kSlotSymmedianFootB);
        MarkSlot(ctx, kSlotSymmedianFootC);
        if (ctx.Shown()) {
            ReportSlot(ctx, kSlotSymmedianFootA, "1.Symmedian-Punkt");
            ReportSlot(ctx, kSlotSymmedianFootB, "2.Symmedian-Punkt");
            ReportSlot(ctx, kSlotSymmedianFootC, "3.Symmedian-Punkt");
        }
    }
    if (ctx.On(kSymmedianLinien)) {
        canvas.SetPenColor(kGreen);
        DrawSlotSegment(ctx, kSlotSymmedianFootA, kSlotA, "Symmedian-Linie");
        DrawSlotSegment(ctx, kSlotSymmedianFootB, kSlotB, "");
        DrawSlotSegment(ctx, kSlotSymmedianFootC, kSlotC, "");
    }
    if (ctx.On(kSymmedianDreieck)) {
        canvas.SetPenColor(kLime);
        DrawSegment(ctx, kSlotSymmedianFootA, kSlotSymmedianFootB);
        DrawSegment(ctx, kSlotSymmedianFootB, kSlotSymmedianFootC);
        DrawSegment(ctx, kSlotSymmedianFootC, kSlotSymmedianFootA);
        if (ctx.Shown())
            ReportTriangle(ctx, kSlotSymmedianFootA, kSlotSymmedianFootB, kSlotSymmedianFootC, "Symmedian");
    }

    // 3. The Lémoine point: its distances from the sides are proportional to the sides.
    canvas.SetPenColor(kBlack);
    SlotFromTrilinear(ctx, kSlotLemoine, a, b, c);

    // 4. Lines from the Grebe triangle, which the side-squares family filled earlier.
    if (ctx.On(kGrebeLinien)) {
        canvas.SetPenColor(kMagenta);
        DrawSlotSegment(ctx, kSlotGrebe1, kSlotLemoine, "Grebe-Linien");
        DrawSlotSegment(ctx, kSlotGrebe2, kSlotLemoine, "");
        DrawSlotSegment(ctx, kSlotGrebe3, kSlotLemoine, "");
    }
    canvas.SetPenColor(kBlack);

    // 5.
    if (ctx.On(kLemoinePunkt)) {
        MarkSlotLetter(ctx, kSlotLemoine, "L");
        if (ctx.Shown()) ReportSlot(ctx, kSlotLemoine, "Lémoine-Punkt");
    }
}

// The first Lémoine circle: the parallels to the sides through K cut the other two sides in six
// concyclic points; the centre is the midpoint of U and K.
void FirstLemoineCircle(PaintContext& ctx) {
    PointTable& pt = ctx.pt;
    Canvas& canvas = ctx.canvas;
    const RealPoint A = pt.precise[kSlotA], B = pt.precise[kSlotB], C = pt.precise[kSlotC];
    const RealPoint K = pt.precise[kSlotLemoine];

    // 7. The six points.
    const RealPoint parallelAB = ParallelPoint(K, A, B), parallelAC = ParallelPoint(K, A, C),
                    parallelBC = ParallelPoint(K, B, C);
    PlaceSlot(pt, kSlotCirclePoint1, IntersectLines(K, parallelAB, A, C).p);
    PlaceSlot(pt, kSlotCirclePoint2, IntersectLines(K, parallelAB, B, C).p);
    PlaceSlot(pt, kSlotCirclePoint3, IntersectLines(K, parallelAC, A, B).p);
    PlaceSlot(pt, kSlotCirclePoint4, IntersectLines(K, parallelAC, B, C).p);
    PlaceSlot(pt, kSlotCirclePoint5, IntersectLines(K, parallelBC, A, B).p);
    PlaceSlot(pt, kSlotCirclePoint6, IntersectLines(K, parallelBC, A, C).p);
    if (ctx.On(kLemoineKreispunkte)) {
        for (int slot = kSlotCirclePoint1; slot <= kSlotCirclePoint6; ++slot) {
            MarkSlot(ctx, slot);
            if (ctx.Shown()) ReportSlot(ctx, slot, "1.Lémoine-Kreispunkt");
        }
    }

    // 8. Centre, circle and the three chords through K.
    // Only with both U and K: a triangle too small for its circumcircle has no such centre.
    const RealPoint U = pt.precise[kSlotCircumcentre];
    if (Present(pt, kSlotCircumcentre) && Present(pt, kSlotLemoine))
        PlaceSlot(pt, kSlotCircleCentre, Midpoint(U, K));
    else
        PlaceAbsent(pt, kSlotCircleCentre);
    if (ctx.On(kLemoineKreismittelpunkt)) {
        MarkSlot(ctx, kSlotCircleCentre);
        if (ctx.Shown()) ReportSlot(ctx, kSlotCircleCentre, "1.Lémoine-Kreismittelpunkt");
    }
    // The radius between the points as listed, not their whole pixels.
    const RealPoint centre = ListedPoint(pt, kSlotCircleCentre), point1 = ListedPoint(pt, kSlotCirclePoint1);
    const double radius = std::hypot(point1.x - centre.x, point1.y - centre.y);
    if (ctx.On(kLemoineKreis) && Present(pt, kSlotCircleCentre) && Present(pt, kSlotCirclePoint1)) {
        DrawCircle(ctx, centre.x, centre.y, radius);
        if (ctx.Shown()) ReportRadius(ctx, "1.Lémoine-Kreisradius", radius);
    }
    if (ctx.On(kLemoineStrecken)) {
        DrawSegment(ctx, kSlotCirclePoint1, kSlotCirclePoint2);
        DrawSegment(ctx, kSlotCirclePoint3, kSlotCirclePoint4);
        DrawSegment(ctx, kSlotCirclePoint5, kSlotCirclePoint6);
        if (ctx.Shown()) {
            ReportSlotDistance(ctx, kSlotCirclePoint1, kSlotCirclePoint2, "1.Lémoine-Streckenlänge");
            ReportSlotDistance(ctx, kSlotCirclePoint3, kSlotCirclePoint4, "");
            ReportSlotDistance(ctx, kSlotCirclePoint5, kSlotCirclePoint6, "");
        }
    }

    // 9. The lines through two points each on different sides.
    canvas.SetPenColor(kGrey);
    if (ctx.On(kLemoineGeraden)) {
        DrawSlotLine(ctx, kSlotCirclePoint1, kSlotCirclePoint3, "1.Lémoine-Gerade");
        DrawSlotLine(ctx, kSlotCirclePoint2, kSlotCirclePoint5, "");
        DrawSlotLine(ctx, kSlotCirclePoint4, kSlotCirclePoint6, "");
    }

    // 10. The triangle of these lines.
    const RealPoint* p = &pt.precise[kSlotCirclePoint1]; // p[0] .. p[5] are slots 167 .. 172
    PlaceSlot(pt, kSlotLemoineTriangle1, IntersectLines(p[0], p[2], p[1], p[4]).p);
    PlaceSlot(pt, kSlotLemoineTriangle2, IntersectLines(p[0], p[2], p[3], p[5]).p);
    PlaceSlot(pt, kSlotLemoineTriangle3, IntersectLines(p[1], p[4], p[3], p[5]).p);
    canvas.SetPenColor(kRed);
    if (ctx.On(kLemoineDreieckspunkte)) {
        for (int slot = kSlotLemoineTriangle1; slot <= kSlotLemoineTriangle3; ++slot) {
            MarkSlot(ctx, slot);
            if (ctx.Shown()) ReportSlot(ctx, slot, "1.Lémoine-Dreieckspunkt");
        }
    }
    if (ctx.On(kLemoineDreieck)) {
        DrawSegment(ctx, kSlotLemoineTriangle1, kSlotLemoineTriangle2);
        DrawSegment(ctx, kSlotLemoineTriangle3, kSlotLemoineTriangle2);
        DrawSegment(ctx, kSlotLemoineTriangle1, kSlotLemoineTriangle3);
        if (ctx.Shown())
            ReportTriangle(ctx, kSlotLemoineTriangle1, kSlotLemoineTriangle2, kSlotLemoineTriangle3,
                           "1.Lémoine");
    }
}

} // namespace

void SymmedianFamily(PaintContext& ctx) {
    // 1. With a side of zero length the feet and K keep their former values.
    const double a = SlotDistanceWorld(ctx.pt, kSlotB, kSlotC), b = SlotDistanceWorld(ctx.pt, kSlotC, kSlotA),
                 c = SlotDistanceWorld(ctx.pt, kSlotA, kSlotB);
    if (a * b * c != 0) SymmediansAndLemoinePoint(ctx);

    // 6.
    PedalFamily(ctx, kSlotLemoine, kLemoinePunktLotpunkte, "Lémoine-Punkt");

    // 7.-10.
    FirstLemoineCircle(ctx);
}

} // namespace trimora
