// The excircles with their centres, radii and touch points, the side lines, the excentral triangle,
// the Nagel point with its line, transversals and triangle, the outer tangents and their triangle,
// the circles on two excentres, the Mittenpunkt and the nine touch points with the side lines.
#include "draw/point_table.h"
#include "draw/primitives.h"
#include "draw/results.h"
#include "elements/families.h"
#include "base/lines.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace trimora {
namespace {

// Catalogue entries.
constexpr int kAnkreise = 18;                // "Ankreise"
constexpr int kDreiecksgeraden = 22;         // "Dreiecksgeraden"
constexpr int kAnkreisdreieck = 23;          // "Ankreisdreieck"
constexpr int kAnkreismittelpunkte = 24;     // "Ankreismittelpunkte"
constexpr int kAnkreisPunkte = 31;           // "Ankreis-Punkte"
constexpr int kNagelPunkt = 32;              // "Nagel-Punkt"
constexpr int kNagelTransversalen = 33;      // "Nagel-Transversalen"
constexpr int kNagelDreieck = 34;            // "Nagel-Dreieck"
constexpr int kNagelGerade = 35;             // "Nagel-Gerade"
constexpr int kHalbumfangspunkte = 68;       // "Halbumfangspunkte"
constexpr int kNagelpunktLotpunkte = 104;    // "Nagelpunkt-Lotpunkte" (105, 106 follow)
constexpr int kAnkreisAnkreisKreisAB = 135;  // "Ankreis-Ankreis-Kreis AB"
constexpr int kAABMittelpunkt = 136;         // "A AB ... Mittelpunkt"
constexpr int kAnkreisAnkreisKreisAC = 137;  // "Ankreis-Ankreis-Kreis AC"
constexpr int kAACMittelpunkt = 138;         // "A AC ... Mittelpunkt"
constexpr int kAnkreisAnkreisKreisBC = 139;  // "Ankreis-Ankreis-Kreis BC"
constexpr int kABCMittelpunkt = 140;         // "A BC ... Mittelpunkt"
constexpr int kMittenpunkt = 155;            // "Mittenpunkt"
constexpr int kMittenpunktLinien = 156;      // "Mittenpunkt-Linien"
constexpr int kMittenpunktLotpunkte = 172;   // "Mittenpunkt-Lotpunkte" (173, 174 follow)
constexpr int kAussentangentenPunkte = 285;  // "Außentangenten-Punkte"
constexpr int kAussentangenten = 286;        // "Außentangenten"
constexpr int kAussentangentendreieck = 287; // "Außentangentendreieck"
constexpr int kATDEckpunkte = 288;           // "ATD ... Eckpunkte"
constexpr int kAnkreisTangentenpunkte = 408; // "Ankreis-Tangentenpunkte"
constexpr int kAnkreisaussendreiecke = 409;  // "Ankreisaußendreiecke"

// Slots.
constexpr int kSlotTouchA = 20; // the A-excircle on BC, the B-excircle on CA, the C-excircle on AB
constexpr int kSlotTouchB = 21;
constexpr int kSlotTouchC = 22;
constexpr int kSlotTangentFirst = 197;     // 197, 198: B and C reflected in Ib Ic; 199, 200: A and C
                                           // in Ia Ic; 201, 202: A and B in Ia Ib
constexpr int kSlotExcentreMidAB = 102; // midpoints of Ia Ib, Ia Ic, Ib Ic
constexpr int kSlotExcentreMidAC = 103;
constexpr int kSlotExcentreMidBC = 104;
constexpr int kSlotMittenpunkt = 120;
constexpr int kSlotSideTouchFirst = 302; // 302-304 A-excircle, 305-307 B-excircle, 308-310 C-excircle

// The outer tangents triangle is built only from intersections within this many longest sides of
// the centroid (wherever the triangle lies and however large it is drawn).
constexpr double kTangentBoundSides = 25;
// Products of two world side lengths at most this small give no angle (square units).
constexpr double kTinyProduct = 0.1;

RealPoint Along(RealPoint from, RealPoint to, double t) {
    return {from.x + t * (to.x - from.x), from.y + t * (to.y - from.y)};
}

// The angle opposite `opposite`, 0 when it cannot be computed.
double Angle(double opposite, double side1, double side2) {
    if (!(std::fabs(side1 * side2) > kTinyProduct)) return 0;
    const double cosine = (opposite * opposite - side1 * side1 - side2 * side2) / (-2 * side1 * side2);
    if (!(std::fabs(cosine) < 1)) return 0;
    return std::acos(cosine);
}

struct Excentre {
    RealPoint centre;  // (0, 0) when it does not exist
    double radius = 0; // world units; 0 when it does not exist
    bool exists = false;
};

// The excentre opposite `vertex`: on the bisector from the vertex through its foot D = P + near /
// (near + far) * (Q - P) on the opposite side PQ, where the distance from that side goes from the
// altitude at the vertex through 0 at D to minus the exradius.
Excentre ExcentreFrom(RealPoint vertex, RealPoint P, RealPoint Q, double near, double far, double altitude,
                      double inverseRadius) {
    Excentre e;
    if (inverseRadius == 0 || near + far == 0) return e;
    const double r = 1 / inverseRadius;
    const RealPoint D = Along(P, Q, near / (near + far));
    const RealPoint centre = Along(vertex, D, (altitude + r) / altitude);
    if (!std::isfinite(r) || !std::isfinite(centre.x) || !std::isfinite(centre.y)) return e;
    return {centre, r, true};
}

struct Excentres {
    std::array<Excentre, 3> e; // Ia, Ib, Ic
};

// The reflections that define the second common outer tangent of each pair of excircles, the
// three tangents and, while every intersection stays in bounds, the triangle they form.
void OuterTangents(PaintContext& ctx, const Excentres& x) {
    PointTable& pt = ctx.pt;
    Canvas& canvas = ctx.canvas;
    const RealPoint A = ScreenAsReal(pt, kSlotA), B = ScreenAsReal(pt, kSlotB), C = ScreenAsReal(pt, kSlotC);
    const RealPoint Ia = x.e[0].centre, Ib = x.e[1].centre, Ic = x.e[2].centre;
    canvas.SetPenColor(kRed);
    const RealPoint reflected[6] = {MirrorPoint(B, Ib, Ic), MirrorPoint(C, Ib, Ic), MirrorPoint(A, Ia, Ic),
                                    MirrorPoint(C, Ia, Ic), MirrorPoint(A, Ia, Ib), MirrorPoint(B, Ia, Ib)};
    for (int n = 0; n < 6; ++n)
        PlaceSlot(pt, kSlotTangentFirst + n, reflected[n]);
    const RealPoint* p = &pt.precise[kSlotTangentFirst]; // p[0] .. p[5] are slots 197 .. 202
    if (ctx.On(kAussentangentenPunkte)) {
        for (int n = 0; n < 6; ++n) {
            MarkSlot(ctx, kSlotTangentFirst + n);
            if (ctx.Shown()) ReportSlot(ctx, kSlotTangentFirst + n, "Außentangentenpunkt");
        }
    }
    if (ctx.On(kAussentangenten)) {
        DrawLineReported(ctx, "Außentangente", p[0], p[1]);
        DrawLineReported(ctx, "", p[2], p[3]);
        DrawLineReported(ctx, "", p[4], p[5]);
    }

    // Each corner is kept only while the previous ones were found within the bound around the
    // triangle; otherwise the remaining corners stay absent and no triangle is drawn.
    const RealPoint g = pt.precise[kSlotCentroid];
    const double bound = kTangentBoundSides * std::max({ctx.base.SideA, ctx.base.SideB, ctx.base.SideC});
    auto corner = [&](RealPoint p1, RealPoint p2, RealPoint p3, RealPoint p4, int slot) {
        const LinePoint q = IntersectLines(p1, p2, p3, p4);
        if (!q.ok || !(std::hypot(q.p.x - g.x, q.p.y - g.y) < bound)) return false;
        PlaceSlot(pt, slot, q.p);
        return true;
    };
    if (!corner(p[2], p[3], p[0], p[1], kSlotTangentTriangle1) ||
        !corner(p[4], p[5], p[0], p[1], kSlotTangentTriangle2) ||
        !corner(p[4], p[5], p[2], p[3], kSlotTangentTriangle3))
        return;
    canvas.SetPenColor(kBlue);
    const RealPoint* t = &pt.precise[kSlotTangentTriangle1]; // t[0] .. t[2] are slots 203 .. 205
    if (ctx.On(kAussentangentendreieck)) {
        DrawSegment(ctx, kSlotTangentTriangle1, kSlotTangentTriangle2);
        DrawSegment(ctx, kSlotTangentTriangle2, kSlotTangentTriangle3);
        DrawSegment(ctx, kSlotTangentTriangle1, kSlotTangentTriangle3);
        if (ctx.Shown()) {
            ReportDistance(ctx, "Außentangentenseitenlänge", t[0], t[1]);
            ReportDistance(ctx, "", t[0], t[2]);
            ReportDistance(ctx, "", t[2], t[1]);
        }
    }
    if (ctx.On(kATDEckpunkte)) {
        for (int slot = kSlotTangentTriangle1; slot <= kSlotTangentTriangle3; ++slot) {
            MarkSlot(ctx, slot);
            if (ctx.Shown()) ReportSlot(ctx, slot, "Außentangentendreieckpunkt");
        }
    }
}

// The Nagel point: the common point of the lines from the vertices to the opposite touch points,
// from its barycentric coordinates s − a : s − b : s − c (two of the lines meet at a grazing angle
// when one angle of the triangle is nearly straight).
void NagelPoint(PaintContext& ctx) {
    PointTable& pt = ctx.pt;
    Canvas& canvas = ctx.canvas;
    const double a = ctx.base.SideA, b = ctx.base.SideB, c = ctx.base.SideC, s = (a + b + c) / 2;
    const RealPoint A = ScreenAsReal(pt, kSlotA), B = ScreenAsReal(pt, kSlotB), C = ScreenAsReal(pt, kSlotC);
    if (Present(pt, kSlotTouchA) && Present(pt, kSlotTouchC) && s > 0)
        PlaceSlot(pt, kSlotNagel,
                  {((s - a) * A.x + (s - b) * B.x + (s - c) * C.x) / s, ((s - a) * A.y + (s - b) * B.y + (s - c) * C.y) / s});
    else
        PlaceAbsent(pt, kSlotNagel);
    if (ctx.On(kNagelGerade)) {
        canvas.SetPenColor(kGreen);
        DrawLineReported(ctx, "Nagel-Gerade", pt.precise[kSlotIncentre], pt.precise[kSlotNagel]);
    }
    if (ctx.On(kNagelPunkt) && Present(pt, kSlotNagel)) {
        MarkSlotLetter(ctx, kSlotNagel, "N");
        if (ctx.Shown()) ReportSlot(ctx, kSlotNagel, "Nagelpunkt N");
    }
    if (ctx.On(kNagelTransversalen)) {
        canvas.SetPenColor(kRed);
        const int pairs[3][2] = {{kSlotA, kSlotTouchA}, {kSlotB, kSlotTouchB}, {kSlotC, kSlotTouchC}};
        for (const auto& p : pairs)
            DrawSegment(ctx, p[0], p[1]);
        if (ctx.Shown()) {
            for (const auto& p : pairs) {
                ReportSlotLine(ctx, p[0], p[1], "Nagel-Transversale");
                ReportSlotDistance(ctx, p[0], p[1], "Nagel-Transversale Länge");
            }
        }
    }
    if (ctx.On(kNagelDreieck)) {
        canvas.SetPenColor(kGrey);
        DrawSegment(ctx, kSlotTouchB, kSlotTouchA);
        DrawSegment(ctx, kSlotTouchC, kSlotTouchB);
        DrawSegment(ctx, kSlotTouchA, kSlotTouchC);
        if (ctx.Shown()) ReportTriangle(ctx, kSlotTouchA, kSlotTouchB, kSlotTouchC, "Nagel");
    }
    canvas.SetPenColor(kBlack);
    canvas.SetBrushStyle(BrushStyle::Clear);
}

// Steps 5 to 9: the excentres with their circles and touch points, the outer tangents and the
// Nagel point inside the step of Ic, then the excentral triangle.
void ExcentreSteps(PaintContext& ctx, const Excentres& x) {
    PointTable& pt = ctx.pt;
    Canvas& canvas = ctx.canvas;
    const RealPoint V[3] = {ScreenAsReal(pt, kSlotA), ScreenAsReal(pt, kSlotB), ScreenAsReal(pt, kSlotC)};
    struct Step {
        int side1, side2, touch, slot;
        const char *centreLabel, *radiusLabel, *text;
    };
    static constexpr Step kSteps[3] = {
        {kSlotB, kSlotC, kSlotTouchA, kSlotExcentreA, "Ankreismittelpunkt M1", "Ankreisradius r1", "M1"},
        {kSlotC, kSlotA, kSlotTouchB, kSlotExcentreB, "Ankreismittelpunkt M2", "Ankreisradius r2", "M2"},
        {kSlotA, kSlotB, kSlotTouchC, kSlotExcentreC, "Ankreismittelpunkt M3", "Ankreisradius r3", "M3"}};
    double* const exradius[3] = {&ctx.base.ExradiusA, &ctx.base.ExradiusB, &ctx.base.ExradiusC};

    for (int n = 0; n < 3; ++n) {
        const Step& s = kSteps[n];
        const Excentre& e = x.e[static_cast<std::size_t>(n)];
        const RealPoint I = e.centre;
        // 6a. Segment from the vertex, mark and values, circle.
        if (ctx.On(kAnkreisdreieck)) {
            canvas.SetPenColor(kSilver);
            DrawSegmentXY(ctx, V[n].x, V[n].y, RoundClamp(I.x), RoundClamp(I.y));
        }
        if (ctx.On(kAnkreismittelpunkte)) {
            canvas.SetBrushColor(kYellow);
            canvas.SetPenColor(kBlack);
            MarkPoint(ctx, I.x, I.y);
            if (ctx.Shown()) {
                ReportPoint(ctx, s.centreLabel, I);
                ReportRadius(ctx, s.radiusLabel, e.radius * 100);
            }
        }
        if (ctx.On(kAnkreise)) {
            canvas.SetPenColor(kBlue);
            // An excentre that does not exist has no radius and no circle.
            if (e.exists) DrawCircle(ctx, I.x, I.y, e.radius * 100);
        }
        // 6b. Touch point on the opposite side; the C-excircle's waits for the outer tangents.
        PlaceSlot(pt, s.touch, PerpendicularFoot(I, ScreenAsReal(pt, s.side1), ScreenAsReal(pt, s.side2)).p);
        if (n == 2) OuterTangents(ctx, x);
        if (ctx.On(kAnkreisPunkte) || ctx.On(kHalbumfangspunkte)) {
            MarkSlot(ctx, s.touch);
            if (ctx.Shown()) ReportSlot(ctx, s.touch, "Ankreisberührungspunkt");
        }
        // 6c. Store; the label M3 waits for the Nagel point.
        canvas.SetBrushStyle(BrushStyle::Clear);
        canvas.SetPenColor(kBlack);
        *exradius[n] = e.radius;
        PlaceSlot(pt, s.slot, I);
        if (n == 2) NagelPoint(ctx);
        if (ctx.On(kAnkreismittelpunkte)) canvas.TextOut(RoundClamp(I.x + 2), RoundClamp(I.y + 2), s.text);
    }

    // 9. The excentral triangle.
    const RealPoint Ia = x.e[0].centre, Ib = x.e[1].centre, Ic = x.e[2].centre;
    canvas.SetPenColor(kSilver);
    if (ctx.On(kAnkreisdreieck)) {
        DrawSegmentXY(ctx, Ic.x, Ic.y, Ia.x, Ia.y);
        DrawSegmentXY(ctx, Ic.x, Ic.y, Ib.x, Ib.y);
        DrawSegmentXY(ctx, Ib.x, Ib.y, Ia.x, Ia.y);
        if (ctx.Shown()) {
            ReportLine(ctx, "Ankreis-Dreiecksseite", Ia, Ic);
            ReportLine(ctx, "", Ib, Ic);
            ReportLine(ctx, "", Ia, Ib);
        }
    }
}

// The circles that have two excentres as diameter, drawn dotted in the grey that the pedal
// family leaves.
void ExcentreCircles(PaintContext& ctx) {
    PointTable& pt = ctx.pt;
    const struct {
        int e1, e2, slot, circleEntry, centreEntry;
        const char* title;
    } circles[3] = {{kSlotExcentreA, kSlotExcentreB, kSlotExcentreMidAB, kAnkreisAnkreisKreisAB,
                     kAABMittelpunkt, "Ankreis-Ankreis AB"},
                    {kSlotExcentreA, kSlotExcentreC, kSlotExcentreMidAC, kAnkreisAnkreisKreisAC,
                     kAACMittelpunkt, "Ankreis-Ankreis AC"},
                    {kSlotExcentreB, kSlotExcentreC, kSlotExcentreMidBC, kAnkreisAnkreisKreisBC,
                     kABCMittelpunkt, "Ankreis-Ankreis BC"}};
    for (const auto& c : circles) {
        ctx.canvas.SetPenStyle(PenStyle::Dot);
        // Half the distance of the excentres as listed: their whole pixels are held at the drawing
        // range when an excentre lies far off.
        const RealPoint p = ListedPoint(pt, c.e1), q = ListedPoint(pt, c.e2);
        if (Present(pt, c.e1) && Present(pt, c.e2))
            PlaceSlot(pt, c.slot, Midpoint(p, q));
        else
            PlaceAbsent(pt, c.slot);
        const double radius = std::hypot(q.x - p.x, q.y - p.y) / 2;
        if (ctx.On(c.circleEntry)) {
            const RealPoint centre = pt.precise[c.slot];
            DrawCircle(ctx, centre.x, centre.y, radius);
            if (ctx.Shown()) ReportCircle(ctx, c.slot, c.title, radius);
        }
        ctx.canvas.SetPenStyle(PenStyle::Solid);
        if (ctx.On(c.centreEntry)) MarkSlot(ctx, c.slot);
    }
}

// The Mittenpunkt (the symmedian point of the excentral triangle), its lines to the excentres
// and its pedal elements.
void Mittenpunkt(PaintContext& ctx) {
    const double a = ctx.base.SideA, b = ctx.base.SideB, c = ctx.base.SideC;
    SlotFromTrilinear(ctx, kSlotMittenpunkt, b + c - a, c + a - b, a + b - c);
    if (ctx.On(kMittenpunktLinien)) {
        ctx.canvas.SetPenColor(kRed);
        const int excentres[3] = {kSlotExcentreA, kSlotExcentreB, kSlotExcentreC};
        for (int e : excentres)
            DrawSegment(ctx, kSlotMittenpunkt, e);
        if (ctx.Shown()) {
            for (int e : excentres) {
                ReportLine(ctx, "Mittenpunkt-Linie", ctx.pt.precise[kSlotMittenpunkt], ctx.pt.precise[e]);
                ReportSlotDistance(ctx, kSlotMittenpunkt, e, "Mittenpunkt-Linie Länge");
            }
        }
    }
    if (ctx.On(kMittenpunkt)) {
        MarkSlotLetter(ctx, kSlotMittenpunkt, "M");
        if (ctx.Shown()) ReportSlot(ctx, kSlotMittenpunkt, "Mittenpunkt");
    }
    PedalFamily(ctx, kSlotMittenpunkt, kMittenpunktLotpunkte, "Mittenpunkt");
}

// The touch points of each excircle with the three side lines, from their trilinears, and the
// triangle of each excircle's three points.
void SideLineTouchPoints(PaintContext& ctx) {
    const double a = ctx.base.SideA, b = ctx.base.SideB, c = ctx.base.SideC;
    const double s = (a + b + c) / 2;
    // An excircle touches the two side lines through its own vertex at the distance s from it and
    // the distance s minus the adjacent side from the other vertex: the B-excircle meets AB at
    // s - c beyond A, so its point there is s/a : -(s - c)/b : 0.
    const double t[9][3] = {
        {0, (s - b) / b, (s - c) / c}, {-(s - b) / a, 0, s / c}, {-(s - c) / a, s / b, 0},
        {(s - a) / a, 0, (s - c) / c}, {0, -(s - a) / b, s / c}, {s / a, -(s - c) / b, 0},
        {(s - a) / a, (s - b) / b, 0}, {0, s / b, -(s - a) / c}, {s / a, 0, -(s - b) / c}};
    for (int n = 0; n < 9; ++n)
        SlotFromTrilinear(ctx, kSlotSideTouchFirst + n, t[n][0], t[n][1], t[n][2]);
    if (ctx.On(kAnkreisTangentenpunkte)) {
        for (int n = 0; n < 9; ++n) {
            MarkSlot(ctx, kSlotSideTouchFirst + n);
            if (ctx.Shown()) ReportSlot(ctx, kSlotSideTouchFirst + n, n == 0 ? "Ankreis-Tangentenpunkt" : "");
        }
    }
    if (ctx.On(kAnkreisaussendreiecke)) {
        ctx.canvas.SetPenColor(kGreen);
        for (int first = kSlotSideTouchFirst; first < kSlotSideTouchFirst + 9; first += 3) {
            DrawSegment(ctx, first, first + 1);
            DrawSegment(ctx, first, first + 2);
            DrawSegment(ctx, first + 1, first + 2);
            if (ctx.Shown()) ReportTriangle(ctx, first, first + 1, first + 2, "Ankreisaußen");
        }
    }
}

} // namespace

void ExcircleFamily(PaintContext& ctx) {
    PointTable& pt = ctx.pt;
    Canvas& canvas = ctx.canvas;
    const BaseMeasureRecord& m = ctx.base;
    if (m.SideA * m.SideB * m.SideC == 0) return;
    const RealPoint A = ScreenAsReal(pt, kSlotA), B = ScreenAsReal(pt, kSlotB), C = ScreenAsReal(pt, kSlotC);

    // 1. Side lines.
    canvas.SetPenColor(kGrey);
    if (ctx.On(kDreiecksgeraden)) {
        DrawLineAcross(ctx, A.x, A.y, B.x, B.y);
        DrawLineAcross(ctx, B.x, B.y, C.x, C.y);
        DrawLineAcross(ctx, A.x, A.y, C.x, C.y);
    }
    canvas.SetPenWidth(1);
    canvas.SetBrushStyle(BrushStyle::Solid);
    canvas.SetPenColor(kBlack);

    // 2.-4. World sides, two angles and the altitudes.
    const double a = SlotDistanceWorld(pt, kSlotB, kSlotC), b = SlotDistanceWorld(pt, kSlotC, kSlotA),
                 c = SlotDistanceWorld(pt, kSlotA, kSlotB);
    const double alpha = Angle(a, b, c), beta = Angle(b, c, a);
    const double ha = c * std::sin(beta), hb = c * std::sin(alpha), hc = b * std::sin(alpha);

    // 5.-9. Excentres and everything built on them.
    if (ha * hb * hc != 0) {
        Excentres x;
        x.e[0] = ExcentreFrom(A, B, C, c, b, ha, -1 / ha + 1 / hb + 1 / hc);
        x.e[1] = ExcentreFrom(B, A, C, c, a, hb, 1 / ha - 1 / hb + 1 / hc);
        x.e[2] = ExcentreFrom(C, A, B, b, a, hc, 1 / ha + 1 / hb - 1 / hc);
        ExcentreSteps(ctx, x);
    }

    // 10. Pedal elements of the Nagel point.
    canvas.SetPenStyle(PenStyle::Solid);
    PedalFamily(ctx, kSlotNagel, kNagelpunktLotpunkte, "Nagelpunkt");

    // 11.-13.
    ExcentreCircles(ctx);
    Mittenpunkt(ctx);
    SideLineTouchPoints(ctx);
}

} // namespace trimora
