// The tangential triangle (the tangents to the circumcircle at the vertices) with its vertices,
// side midpoints and medians, the Exeter point with its pedal elements, and the line through the
// incentre and the circumcentre.
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
constexpr int kUmkreistangenteInA = 145;      // "Umkreistangente in A"
constexpr int kUmkreistangenteInB = 146;      // "Umkreistangente in B"
constexpr int kUmkreistangenteInC = 147;      // "Umkreistangente in C"
constexpr int kTangentialdreieckPunkte = 148; // "Tangentialdreieck-Punkte"
constexpr int kTangentialdreieckSH = 149;     // "Tangentialdreieck SH"
constexpr int kExeterPunkt = 150;             // "Exeter-Punkt"
constexpr int kInkreisUmkreisGerade = 151;    // "Inkreis-Umkreis-Gerade"
constexpr int kExeterPunktLotpunkte = 166;    // "Exeter-Punkt-Lotpunkte" (167, 168 follow)
constexpr int kTangentialdreieckMP = 321;     // "Tangentialdreieck MP"

// Slots: first a second point of each tangent, then the side midpoints of the tangential triangle.
constexpr int kSlotWorkA = 112; // tangent at A, then the midpoint of T1 T2
constexpr int kSlotWorkB = 113; // tangent at B, then the midpoint of T1 T3
constexpr int kSlotWorkC = 114; // tangent at C, then the midpoint of T2 T3
constexpr int kSlotT1 = 115;    // tangents at A and B
constexpr int kSlotT2 = 116;    // tangents at A and C
constexpr int kSlotT3 = 117;    // tangents at B and C
constexpr int kSlotExeter = 118;

void PlaceMidpoint(PointTable& pt, int slot, int i, int j) {
    if (Present(pt, i) && Present(pt, j))
        PlaceSlot(pt, slot, Midpoint(pt.precise[i], pt.precise[j]));
    else
        PlaceAbsent(pt, slot);
}

} // namespace

void TangentialTriangle(PaintContext& ctx) {
    PointTable& pt = ctx.pt;
    Canvas& canvas = ctx.canvas;
    if (!Present(pt, kSlotCircumcentre)) return;
    const RealPoint U = pt.precise[kSlotCircumcentre];
    const RealPoint A = pt.precise[kSlotA], B = pt.precise[kSlotB], C = pt.precise[kSlotC];

    // 1.-2. The tangents at the vertices (perpendicular to the radii) and where they meet.
    canvas.SetBrushStyle(BrushStyle::Clear);
    canvas.SetPenColor(kRed);
    PlaceSlot(pt, kSlotWorkA, PerpendicularPoint(U, A, A));
    PlaceSlot(pt, kSlotWorkB, PerpendicularPoint(U, B, B));
    PlaceSlot(pt, kSlotWorkC, PerpendicularPoint(U, C, C));
    const RealPoint tA = pt.precise[kSlotWorkA], tB = pt.precise[kSlotWorkB], tC = pt.precise[kSlotWorkC];
    // Tangents at the ends of a diameter (a right angle at the third vertex) are parallel: that
    // vertex lies at infinity and stays absent, not at a point fitted from rounding noise.
    auto meet = [&](int slot, RealPoint p, RealPoint tp, RealPoint q, RealPoint tq) {
        if (NearlyCollinear(p, U, q))
            PlaceAbsent(pt, slot);
        else
            PlaceSlot(pt, slot, IntersectLines(p, tp, q, tq).p);
    };
    meet(kSlotT1, A, tA, B, tB);
    meet(kSlotT2, A, tA, C, tC);
    meet(kSlotT3, B, tB, C, tC);

    // 3.
    if (ctx.On(kTangentialdreieckPunkte)) {
        MarkSlotTwoLetters(ctx, kSlotT1, "T", "1");
        MarkSlotTwoLetters(ctx, kSlotT2, "T", "2");
        MarkSlotTwoLetters(ctx, kSlotT3, "T", "3");
        if (ctx.Shown()) {
            ReportSlot(ctx, kSlotT1, "Tangentialdreieck-Punkt T1");
            ReportSlot(ctx, kSlotT2, "Tangentialdreieck-Punkt T2");
            ReportSlot(ctx, kSlotT3, "Tangentialdreieck-Punkt T3");
        }
    }

    // 4. Side midpoints; a vertex at infinity (a right angle) leaves its two midpoints absent.
    canvas.SetPenColor(kGreen);
    PlaceMidpoint(pt, kSlotWorkA, kSlotT1, kSlotT2);
    PlaceMidpoint(pt, kSlotWorkB, kSlotT1, kSlotT3);
    PlaceMidpoint(pt, kSlotWorkC, kSlotT2, kSlotT3);
    if (ctx.On(kTangentialdreieckMP)) {
        for (int slot = kSlotWorkA; slot <= kSlotWorkC; ++slot) {
            MarkSlot(ctx, slot);
            if (ctx.Shown()) ReportSlot(ctx, slot, "Tangentialdreieckseitenmittelpunkt");
        }
    }

    // 5.-6. Sides and medians.
    if (ctx.On(kUmkreistangenteInA)) DrawSlotSegment(ctx, kSlotT1, kSlotT2, "Tangentialdreieck-Seite");
    if (ctx.On(kUmkreistangenteInB)) DrawSlotSegment(ctx, kSlotT1, kSlotT3, "Tangentialdreieck-Seite");
    if (ctx.On(kUmkreistangenteInC)) DrawSlotSegment(ctx, kSlotT3, kSlotT2, "Tangentialdreieck-Seite");
    if (ctx.On(kTangentialdreieckSH)) {
        DrawSlotSegment(ctx, kSlotWorkA, kSlotT3, "Seitenhalbierende Tangentialdreieck");
        DrawSlotSegment(ctx, kSlotWorkB, kSlotT2, "");
        DrawSlotSegment(ctx, kSlotWorkC, kSlotT1, "");
    }

    // 7. The Exeter point.
    const double a = ctx.base.SideA, b = ctx.base.SideB, c = ctx.base.SideC;
    const double a4 = a * a * a * a, b4 = b * b * b * b, c4 = c * c * c * c;
    SlotFromTrilinear(ctx, kSlotExeter, a * (b4 + c4 - a4), b * (c4 + a4 - b4), c * (a4 + b4 - c4));

    // 8. The line through I and U; it has no direction when they coincide.
    if (ctx.On(kInkreisUmkreisGerade) && pt.precise[kSlotIncentre] != U)
        DrawSlotLine(ctx, kSlotIncentre, kSlotCircumcentre, "Inkreis-Umkreis-Gerade");

    // 9.-10.
    if (ctx.On(kExeterPunkt)) {
        MarkSlotTwoLetters(ctx, kSlotExeter, "E", "x");
        if (ctx.Shown()) ReportSlot(ctx, kSlotExeter, "Exeter-Punkt");
    }
    PedalFamily(ctx, kSlotExeter, kExeterPunktLotpunkte, "Exeter-Punkt");
    canvas.SetPenColor(kBlack);
}

} // namespace trimora
