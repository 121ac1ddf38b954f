// The Malfatti circles (each touching two sides and the other two circles) in closed form, with
// their touch points, centres and triangle, the Ajima point and the first and second
// Ajima-Malfatti points with their lines and pedal elements.
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
constexpr int kMalfattiKreise = 193;                // "Malfatti-Kreise"
constexpr int kMalfattiKreismittelpunkte = 194;     // "Malfatti-Kreismittelpunkte"
constexpr int kMalfattiBeruehrungspunkte = 195;     // "Malfatti-Berührungspunkte"
constexpr int kMalfattiDreieck = 196;               // "Malfatti-Dreieck"
constexpr int kAjimaLinien = 197;                   // "Ajima-Linien"
constexpr int kAjimaPunkt = 198;                    // "Ajima-Punkt"
constexpr int kAjimaPunktLotpunkte = 199;           // "Ajima-Punkt-Lotpunkte" (200, 201 follow)
constexpr int kMalfattiKreisePunkte = 202;          // "Malfatti-Kreise-Punkte"
constexpr int kErsterAjimaMalfattiPunkt = 203;      // "1.Ajima-Malfatti-Punkt"
constexpr int kErsteAjimaMalfattiLinien = 204;      // "1.Ajima-Malfatti-Linien"
constexpr int kZweiterAjimaMalfattiPunkt = 205;     // "2.Ajima-Malfatti-Punkt"
constexpr int kZweiteAjimaMalfattiLinien = 206;     // "2.Aiima-Malfatti-Linien" (so spelt in the catalogue)
constexpr int kErsterAjimaMalfattiLotpunkte = 207;  // "1.Ajima-Malfatti-Pkt-Lotpunkte" (208, 209 follow)
constexpr int kZweiterAjimaMalfattiLotpunkte = 210; // "2.Ajima-Malfatti-Pkt-Lotpunkte" (211, 212 follow)

// Slots: the touch points with the sides, two per circle (first on AB, AB, CA).
constexpr int kSlotTouchAonAB = 131;
constexpr int kSlotTouchAonAC = 132;
constexpr int kSlotTouchBonBA = 133;
constexpr int kSlotTouchBonBC = 134;
constexpr int kSlotTouchConCA = 135;
constexpr int kSlotTouchConCB = 136;
constexpr int kSlotCentreA = 137; // MA, MB, MC
constexpr int kSlotCentreB = 138;
constexpr int kSlotCentreC = 139;
constexpr int kSlotAjima = 140;
constexpr int kSlotTouchAB = 141; // where the A- and B-circles touch
constexpr int kSlotTouchAC = 142;
constexpr int kSlotTouchBC = 143;
constexpr int kSlotAjimaMalfatti1 = 144;
constexpr int kSlotAjimaMalfatti2 = 145;

constexpr Color kCircleColours[3] = {kBlue, kRed, kGreen};

RealPoint Along(RealPoint from, RealPoint to, double t) {
    return {from.x + t * (to.x - from.x), from.y + t * (to.y - from.y)};
}

// arcsin of the root of x, or 0 when the root is 1 or more.
double AuxiliaryAngle(double x) {
    const double root = std::sqrt(x);
    return root < 1 ? std::asin(root) : 0.0;
}

struct Circle {
    bool found = false;
    double radius = 0; // pixels
};

// The centre of the circle touching the line V P1 in T1 and the line V P2 in T2: the meeting
// point of the perpendiculars there. A centre that cannot be found leaves the circle absent.
Circle PlaceCentre(PaintContext& ctx, int slot, RealPoint v, RealPoint p1, RealPoint t1, RealPoint p2,
                   RealPoint t2) {
    const LinePoint m = IntersectLines(t1, PerpendicularPoint(v, p1, t1), t2, PerpendicularPoint(v, p2, t2));
    if (!m.ok) {
        PlaceAbsent(ctx.pt, slot);
        return {};
    }
    PlaceSlot(ctx.pt, slot, m.p);
    return {Present(ctx.pt, slot), Hypot(m.p.x - t1.x, m.p.y - t1.y)};
}

// A meeting point of two lines, or the absent sentinel.
bool PlaceMeet(PaintContext& ctx, int slot, RealPoint p1, RealPoint p2, RealPoint p3, RealPoint p4) {
    const LinePoint m = IntersectLines(p1, p2, p3, p4);
    if (m.ok)
        PlaceSlot(ctx.pt, slot, m.p);
    else
        PlaceAbsent(ctx.pt, slot);
    return Present(ctx.pt, slot);
}

// Segments from three slots to a point, each reported as a line under one label.
void SegmentsTo(PaintContext& ctx, const int (&from)[3], int to, std::string_view label) {
    for (int slot : from)
        DrawSlotSegment(ctx, slot, to, label);
}

} // namespace

void MalfattiFamily(PaintContext& ctx) {
    PointTable& pt = ctx.pt;
    Canvas& canvas = ctx.canvas;

    // 1. Sides in world units. A triangle without perimeter, with a side of length 0 or with three
    // collinear vertices (whose perpendiculars at the touch points never meet) has no Malfatti
    // circles; the slots keep their contents.
    const double a = SlotDistanceWorld(pt, kSlotB, kSlotC), b = SlotDistanceWorld(pt, kSlotC, kSlotA),
                 c = SlotDistanceWorld(pt, kSlotA, kSlotB);
    const double s = (a + b + c) / 2;
    const RealPoint A = ScreenAsReal(pt, kSlotA), B = ScreenAsReal(pt, kSlotB), C = ScreenAsReal(pt, kSlotC);
    if (s == 0 || a * b * c == 0 || (B.x - A.x) * (C.y - A.y) - (C.x - A.x) * (B.y - A.y) == 0) return;

    // 2.-3. Tangent lengths from each vertex to the touch points of its circle.
    const double thetaA = AuxiliaryAngle(a / s), thetaB = AuxiliaryAngle(b / s),
                 thetaC = AuxiliaryAngle(c / s);
    const double h = (thetaA + thetaB + thetaC) / 2;
    const double tA = s * std::pow(std::sin(h - thetaA), 2), tB = s * std::pow(std::sin(h - thetaB), 2),
                 tC = s * std::pow(std::sin(h - thetaC), 2);

    // 4. The six touch points with the sides.
    PlaceSlot(pt, kSlotTouchAonAB, Along(A, B, tA / c));
    PlaceSlot(pt, kSlotTouchAonAC, Along(A, C, tA / b));
    PlaceSlot(pt, kSlotTouchBonBA, Along(B, A, tB / c));
    PlaceSlot(pt, kSlotTouchBonBC, Along(B, C, tB / a));
    PlaceSlot(pt, kSlotTouchConCA, Along(C, A, tC / b));
    PlaceSlot(pt, kSlotTouchConCB, Along(C, B, tC / a));
    const RealPoint* T = &pt.precise[kSlotTouchAonAB]; // T[0] .. T[5] are slots 131 .. 136

    // 5. The centres, where the perpendiculars to the sides at the touch points meet.
    const Circle circles[3] = {PlaceCentre(ctx, kSlotCentreA, A, B, T[0], C, T[1]),
                               PlaceCentre(ctx, kSlotCentreB, B, A, T[2], C, T[3]),
                               PlaceCentre(ctx, kSlotCentreC, C, A, T[4], B, T[5])};
    const bool allCentres = circles[0].found && circles[1].found && circles[2].found;
    const RealPoint MA = pt.precise[kSlotCentreA], MB = pt.precise[kSlotCentreB],
                    MC = pt.precise[kSlotCentreC];
    const double rA = circles[0].radius, rB = circles[1].radius, rC = circles[2].radius;

    // 7. The Ajima point: the centres lie on the angle bisectors, so this is the incentre.
    const bool ajima = circles[0].found && circles[1].found && PlaceMeet(ctx, kSlotAjima, B, MB, A, MA);

    // 8.-10. Where the circles touch each other, and the two Ajima-Malfatti points. Without them
    // (a vanishing sum of two radii) the points are absent rather than left from an earlier triangle.
    // The excircle family leaves its slots as they were when it finds no excentres (a tiny
    // triangle); only an exradius of this repaint vouches for them.
    const bool excentres = ctx.base.ExradiusA != 0 && ctx.base.ExradiusB != 0 && ctx.base.ExradiusC != 0 &&
                           Present(pt, kSlotExcentreA) && Present(pt, kSlotExcentreB) &&
                           Present(pt, kSlotExcentreC);
    bool touching = allCentres && rA + rB != 0 && rA + rC != 0 && rB + rC != 0;
    bool first = false, second = false;
    if (touching) {
        PlaceSlot(pt, kSlotTouchAB, Along(MA, MB, rA / (rA + rB)));
        PlaceSlot(pt, kSlotTouchAC, Along(MA, MC, rA / (rA + rC)));
        PlaceSlot(pt, kSlotTouchBC, Along(MB, MC, rB / (rB + rC)));
        const RealPoint tab = pt.precise[kSlotTouchAB], tac = pt.precise[kSlotTouchAC];
        first = PlaceMeet(ctx, kSlotAjimaMalfatti1, tac, B, tab, C);
        second = excentres && PlaceMeet(ctx, kSlotAjimaMalfatti2, tac, pt.precise[kSlotExcentreB], tab,
                                        pt.precise[kSlotExcentreC]);
    } else {
        for (int slot : {kSlotTouchAB, kSlotTouchAC, kSlotTouchBC})
            PlaceAbsent(pt, slot);
    }
    if (!first) PlaceAbsent(pt, kSlotAjimaMalfatti1);
    if (!second) PlaceAbsent(pt, kSlotAjimaMalfatti2);
    touching =
        touching && Present(pt, kSlotTouchAB) && Present(pt, kSlotTouchAC) && Present(pt, kSlotTouchBC);

    // Drawing and results. The touch points with the sides.
    if (ctx.On(kMalfattiBeruehrungspunkte)) {
        for (int slot = kSlotTouchAonAB; slot <= kSlotTouchConCB; ++slot)
            MarkSlot(ctx, slot);
        if (ctx.Shown())
            for (int slot = kSlotTouchAonAB; slot <= kSlotTouchConCB; ++slot)
                ReportSlot(ctx, slot, "Berührungspunkt eines Malfatti-Kreises");
    }

    // 6. The circles in their colours, and their centres.
    constexpr const char* kCentreLetters[3] = {"x", "y", "z"};
    for (int n = 0; n < 3; ++n) {
        if (!circles[n].found) continue;
        const int slot = kSlotCentreA + n;
        canvas.SetPenColor(kCircleColours[n]);
        if (ctx.On(kMalfattiKreise))
            DrawCircle(ctx, pt.precise[slot].x, pt.precise[slot].y, circles[n].radius);
        if (ctx.On(kMalfattiKreismittelpunkte)) {
            MarkSlotTwoLetters(ctx, slot, "M", kCentreLetters[n]);
            if (ctx.Shown()) ReportCircle(ctx, slot, "Malfatti-Kreis", circles[n].radius);
        }
    }

    // The triangle of the centres.
    if (ctx.On(kMalfattiDreieck) && allCentres) {
        canvas.SetPenColor(kGrey);
        DrawSegment(ctx, kSlotCentreA, kSlotCentreB);
        DrawSegment(ctx, kSlotCentreC, kSlotCentreB);
        DrawSegment(ctx, kSlotCentreA, kSlotCentreC);
        if (ctx.Shown()) ReportTriangle(ctx, kSlotCentreA, kSlotCentreB, kSlotCentreC, "Malfatti");
    }

    // The Ajima point, its lines and pedal elements.
    constexpr int kVertices[3] = {kSlotA, kSlotB, kSlotC};
    if (ajima) {
        if (ctx.On(kAjimaPunkt)) {
            MarkSlotTwoLetters(ctx, kSlotAjima, "A", "j");
            if (ctx.Shown()) ReportSlot(ctx, kSlotAjima, "Ajima-Punkt");
        }
        if (ctx.On(kAjimaLinien)) {
            canvas.SetPenColor(kGrey);
            SegmentsTo(ctx, kVertices, kSlotAjima, "Malfatti-Linie");
        }
        PedalFamily(ctx, kSlotAjima, kAjimaPunktLotpunkte, "Ajima-Punkt");
    }

    // The points where two circles touch.
    if (ctx.On(kMalfattiKreisePunkte) && touching) {
        for (int slot : {kSlotTouchAB, kSlotTouchAC, kSlotTouchBC})
            MarkSlot(ctx, slot);
        if (ctx.Shown())
            for (int slot : {kSlotTouchAB, kSlotTouchAC, kSlotTouchBC})
                ReportSlot(ctx, slot, "Berührungspunkt zweier Malfatti-Kreise");
    }

    // The Ajima-Malfatti points and their lines, in the grey that the pedal family leaves.
    if (first) {
        if (ctx.On(kErsterAjimaMalfattiPunkt)) {
            MarkSlot(ctx, kSlotAjimaMalfatti1);
            if (ctx.Shown()) ReportSlot(ctx, kSlotAjimaMalfatti1, "1.Ajima-Malfatti-Punkt");
        }
        if (ctx.On(kErsteAjimaMalfattiLinien))
            SegmentsTo(ctx, kVertices, kSlotAjimaMalfatti1, "1.Ajima-Malfatti-Linie");
    }
    if (second) {
        if (ctx.On(kZweiterAjimaMalfattiPunkt)) {
            MarkSlot(ctx, kSlotAjimaMalfatti2);
            if (ctx.Shown()) ReportSlot(ctx, kSlotAjimaMalfatti2, "2.Ajima-Malfatti-Punkt");
        }
        constexpr int kExcentres[3] = {kSlotExcentreA, kSlotExcentreB, kSlotExcentreC};
        if (ctx.On(kZweiteAjimaMalfattiLinien))
            SegmentsTo(ctx, kExcentres, kSlotAjimaMalfatti2, "2.Ajima-Malfatti-Linie");
    }
    if (first) PedalFamily(ctx, kSlotAjimaMalfatti1, kErsterAjimaMalfattiLotpunkte, "1.Ajima-Malfatti-Punkt");
    if (second)
        PedalFamily(ctx, kSlotAjimaMalfatti2, kZweiterAjimaMalfattiLotpunkte, "2.Ajima-Malfatti-Punkt");
}

} // namespace trimora
