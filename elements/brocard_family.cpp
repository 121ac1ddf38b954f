// The Brocard family: the perpendiculars at the vertices and the six tangential circles, both
// Brocard points with their cevians, segments, feet, foot triangles and pedal elements, the Brocard
// circle, diameter, axis and midpoint, the inner Brocard triangle and the Neuberg circles.
#include "draw/point_table.h"
#include "draw/primitives.h"
#include "draw/results.h"
#include "elements/families.h"
#include "base/lines.h"
#include "base/numeric.h"

#include <cmath>
#include <optional>

namespace trimora {
namespace {

// Catalogue entries.
constexpr int kSenkrechteInA = 71;           // "Senkrechte in A"
constexpr int kSenkrechteInB = 72;           // "Senkrechte in B"
constexpr int kSenkrechteInC = 73;           // "Senkrechte in C"
constexpr int kTangentialkreiseInA = 74;     // "Tangentialkreise in A"
constexpr int kTKAMittelpunkte = 75;         // "TKA ... Mittelpunkte"
constexpr int kTangentialkreiseInB = 76;     // "Tangentialkreise in B"
constexpr int kTKBMittelpunkte = 77;         // "TKB ... Mittelpunkte"
constexpr int kTangentialkreiseInC = 78;     // "Tangentialkreise in C"
constexpr int kTKCMittelpunkte = 79;         // "TKC ... Mittelpunkte"
constexpr int kBrocardPunkt1 = 80;           // "1.Brocard-Punkt"
constexpr int kBrocardLinien1 = 81;          // "1.Brocard-Linien"
constexpr int kBrocardStrecken1 = 82;        // "1.Brocard-Strecken"
constexpr int kBrocardSchnittpunkte1 = 83;   // "1.Brocard-Schnittpunkte"
constexpr int kBrocardFusspktdreieck1 = 84;  // "1.Brocard-Fußpktdreieck"
constexpr int kBrocardPunkt2 = 85;           // "2.Brocard-Punkt"
constexpr int kBrocardLinien2 = 86;          // "2.Brocard-Linien"
constexpr int kBrocardStrecken2 = 87;        // "2.Brocard-Strecken"
constexpr int kBrocardSchnittpunkte2 = 88;   // "2.Brocard-Schnittpunkte"
constexpr int kBrocardFusspktdreieck2 = 89;  // "2.Brocard-Fußpktdreieck"
constexpr int kBrocardKreis = 90;            // "Brocard-Kreis"
constexpr int kBrocardKreismittelpunkt = 91; // "Brocard-Kreismittelpunkt"
constexpr int kBrocardDurchmesser = 92;      // "Brocard-Durchmesser"
constexpr int kBrocardAchse = 93;            // "Brocard-Achse"
constexpr int kBrocardMittelpunkt = 94;      // "Brocard-Mittelpunkt"
constexpr int kBrocardPunkt1Lotpunkte = 122; // "1.Brocard-Punkt-Lotpunkte" (123, 124 follow)
constexpr int kBrocardPunkt2Lotpunkte = 125; // "2.Brocard-Punkt-Lotpunkte" (126, 127 follow)
constexpr int kInneresBrocardDreieck = 128;  // "Inneres Brocard-Dreieck"
constexpr int kIBDEckpunkte = 129;           // "IBD ... Eckpunkte"
constexpr int kNeubergKreisA = 239;          // "Neuberg-Kreis A" (240 B, 241 C)
constexpr int kInverserNeubergKreisA = 242;  // "Inverser Neuberg-Kreis A" (243 B, 244 C)
constexpr int kNeubergDreieck = 245;         // "Neuberg-Dreieck"
constexpr int kInversesNeubergDreieck = 246; // "Inverses Neuberg-Dreieck"

// Slots.
constexpr int kSlotSecondFootA = 64; // feet of the second Brocard cevians from A (on BC), B, C
constexpr int kSlotSecondFootB = 65;
constexpr int kSlotSecondFootC = 66;
constexpr int kSlotFirstFootA = 67; // feet of the first Brocard cevians from A, B, C
constexpr int kSlotFirstFootB = 68;
constexpr int kSlotFirstFootC = 69;
constexpr int kSlotPerpAtAToAB = 71; // second points of the perpendiculars at the vertices and
constexpr int kSlotPerpAtAToAC = 72; // of the perpendicular bisectors
constexpr int kSlotBisectorAC = 73;
constexpr int kSlotBisectorAB = 74;
constexpr int kSlotTangentialCA = 75; // through C, tangent to AB at A
constexpr int kSlotTangentialBA = 76; // through B, tangent to AC at A
constexpr int kSlotPerpAtBToBA = 77;
constexpr int kSlotPerpAtBToBC = 78;
constexpr int kSlotBisectorBC = 79;
constexpr int kSlotTangentialAB = 80; // through A, tangent to BC at B
constexpr int kSlotTangentialCB = 81; // through C, tangent to AB at B
constexpr int kSlotPerpAtCToCA = 82;
constexpr int kSlotPerpAtCToCB = 83;
constexpr int kSlotTangentialAC = 84; // through A, tangent to BC at C
constexpr int kSlotTangentialBC = 85; // through B, tangent to CA at C
constexpr int kSlotBrocard1 = 86;
constexpr int kSlotBrocard2 = 87;
constexpr int kSlotBrocardCircle = 88;
constexpr int kSlotInnerBrocard1 = 91;
constexpr int kSlotInnerBrocard2 = 92;
constexpr int kSlotInnerBrocard3 = 93;
constexpr int kSlotNeubergWork = 160;  // centre of the circle being drawn

// Colours.
constexpr Color kTeal = Rgb(0x008080);

// A squared-side ratio of exactly 0 would put a cevian foot on a vertex.
constexpr double kSmallestRatio = 0.00000001;

double Dist(RealPoint p, RealPoint q) {
    return Hypot(p.x - q.x, p.y - q.y);
}

RealPoint Along(RealPoint from, RealPoint to, double t) {
    return {from.x + t * (to.x - from.x), from.y + t * (to.y - from.y)};
}

// The point at k / (k + 1) of the way from `from` to `to`.
RealPoint CevianFoot(RealPoint from, RealPoint to, double k) {
    if (k == 0) k = kSmallestRatio;
    return Along(from, to, k / (k + 1));
}

// Steps 1-4: the two perpendiculars at one vertex and the two tangential circles there.
struct VertexCircles {
    int vertex;
    int perp1, perp2; // slots of the perpendiculars' second points
    int perpEntry;
    const char *perp1Label, *perp2Label;
    int centre1, centre2;
    int centreEntry, circleEntry;
    const char *title1, *title2;
};

void TangentialCircles(PaintContext& ctx, const VertexCircles& v) {
    PointTable& pt = ctx.pt;
    if (ctx.On(v.perpEntry)) {
        DrawSlotLine(ctx, v.vertex, v.perp1, v.perp1Label);
        DrawSlotLine(ctx, v.vertex, v.perp2, v.perp2Label);
    }
    const RealPoint V = ScreenAsReal(pt, v.vertex);
    const double r1 = Dist(V, pt.precise[v.centre1]), r2 = Dist(V, pt.precise[v.centre2]);
    if (ctx.On(v.centreEntry)) {
        MarkSlot(ctx, v.centre1);
        MarkSlot(ctx, v.centre2);
        if (ctx.Shown()) {
            ReportCircle(ctx, v.centre1, v.title1, r1);
            ReportCircle(ctx, v.centre2, v.title2, r2);
        }
    }
    if (ctx.On(v.circleEntry)) {
        DrawCircle(ctx, pt.precise[v.centre1].x, pt.precise[v.centre1].y, r1);
        DrawCircle(ctx, pt.precise[v.centre2].x, pt.precise[v.centre2].y, r2);
    }
}

void PerpendicularsAndTangentialCircles(PaintContext& ctx) {
    PointTable& pt = ctx.pt;
    const RealPoint A = ScreenAsReal(pt, kSlotA), B = ScreenAsReal(pt, kSlotB), C = ScreenAsReal(pt, kSlotC);
    const RealPoint midAB = pt.precise[kSlotMidAB], midAC = pt.precise[kSlotMidAC],
                    midBC = pt.precise[kSlotMidBC];
    auto intersect = [&](int slot, int l1, RealPoint l2, RealPoint m1, int m2) {
        PlaceSlot(pt, slot, IntersectLines(pt.precise[l1], l2, m1, pt.precise[m2]).p);
    };

    // 1. All in red.
    ctx.canvas.SetPenColor(kRed);

    // 2. At A: the centres lie on the perpendicular to one side at A and on the perpendicular
    // bisector of the other side.
    PlaceSlot(pt, kSlotPerpAtAToAB, PerpendicularPoint(A, B, A));
    PlaceSlot(pt, kSlotPerpAtAToAC, PerpendicularPoint(A, C, A));
    PlaceSlot(pt, kSlotBisectorAC, PerpendicularPoint(A, C, midAC));
    PlaceSlot(pt, kSlotBisectorAB, PerpendicularPoint(A, B, midAB));
    intersect(kSlotTangentialCA, kSlotPerpAtAToAB, A, midAC, kSlotBisectorAC);
    intersect(kSlotTangentialBA, kSlotPerpAtAToAC, A, midAB, kSlotBisectorAB);
    TangentialCircles(ctx, {kSlotA, kSlotPerpAtAToAB, kSlotPerpAtAToAC, kSenkrechteInA,
                            "Senkrechte in A zur Seite c", "Senkrechte in A zur Seite b", kSlotTangentialCA,
                            kSlotTangentialBA, kTKAMittelpunkte, kTangentialkreiseInA,
                            "Tangentialkreis CA auf c-Kreis", "Tangentialkreis BA auf b-Kreis"});

    // 3. At B.
    PlaceSlot(pt, kSlotPerpAtBToBA, PerpendicularPoint(B, A, B));
    PlaceSlot(pt, kSlotPerpAtBToBC, PerpendicularPoint(B, C, B));
    PlaceSlot(pt, kSlotBisectorBC, PerpendicularPoint(B, C, midBC));
    intersect(kSlotTangentialAB, kSlotPerpAtBToBC, B, midAB, kSlotBisectorAB);
    intersect(kSlotTangentialCB, kSlotPerpAtBToBA, B, midBC, kSlotBisectorBC);
    TangentialCircles(ctx, {kSlotB, kSlotPerpAtBToBA, kSlotPerpAtBToBC, kSenkrechteInB,
                            "Senkrechte in B zur Seite c", "Senkrechte in B zur Seite a", kSlotTangentialAB,
                            kSlotTangentialCB, kTKBMittelpunkte, kTangentialkreiseInB,
                            "Tangentialkreis AB auf a-Kreis", "Tangentialkreis CB auf c-Kreis"});

    // 4. At C.
    PlaceSlot(pt, kSlotPerpAtCToCA, PerpendicularPoint(C, A, C));
    PlaceSlot(pt, kSlotPerpAtCToCB, PerpendicularPoint(C, B, C));
    intersect(kSlotTangentialAC, kSlotPerpAtCToCB, C, midAC, kSlotBisectorAC);
    intersect(kSlotTangentialBC, kSlotPerpAtCToCA, C, midBC, kSlotBisectorBC);
    TangentialCircles(ctx, {kSlotC, kSlotPerpAtCToCA, kSlotPerpAtCToCB, kSenkrechteInC,
                            "Senkrechte in C zur Seite b", "Senkrechte in C zur Seite a", kSlotTangentialAC,
                            kSlotTangentialBC, kTKCMittelpunkte, kTangentialkreiseInC,
                            "Tangentialkreis AC auf a-Kreis", "Tangentialkreis BC auf b-Kreis"});
}

// Steps 6-7: the feet of the Brocard cevians and the two Brocard points. The cevian of the first
// point from C meets AB where AB is divided in the ratio b^2 : c^2, and so on around.
void BrocardPoints(PaintContext& ctx, double a, double b, double c) {
    PointTable& pt = ctx.pt;
    const RealPoint A = ScreenAsReal(pt, kSlotA), B = ScreenAsReal(pt, kSlotB), C = ScreenAsReal(pt, kSlotC);
    const double a2 = a * a, b2 = b * b, c2 = c * c;
    PlaceSlot(pt, kSlotFirstFootC, CevianFoot(A, B, b2 / c2));
    PlaceSlot(pt, kSlotSecondFootC, CevianFoot(A, B, c2 / a2));
    PlaceSlot(pt, kSlotFirstFootB, CevianFoot(C, A, a2 / b2));
    PlaceSlot(pt, kSlotSecondFootB, CevianFoot(C, A, b2 / c2));
    PlaceSlot(pt, kSlotFirstFootA, CevianFoot(B, C, c2 / a2));
    PlaceSlot(pt, kSlotSecondFootA, CevianFoot(B, C, a2 / b2));
    PlaceSlot(pt, kSlotBrocard1,
              IntersectLines(B, pt.precise[kSlotFirstFootB], C, pt.precise[kSlotFirstFootC]).p);
    PlaceSlot(pt, kSlotBrocard2,
              IntersectLines(B, pt.precise[kSlotSecondFootB], C, pt.precise[kSlotSecondFootC]).p);
}

// The labels and entries of one Brocard point's figures.
struct BrocardFigures {
    int point, footA, footB, footC;
    int pointEntry, linesEntry, segmentsEntry, feetEntry, triangleEntry;
    const char* pointLabel;
    const char *lineA, *lineB, *lineC;
    const char *segmentA, *segmentB, *segmentC;
    const char *footLabelA, *footLabelB, *footLabelC;
};

constexpr BrocardFigures kFirst{kSlotBrocard1,
                                kSlotFirstFootA,
                                kSlotFirstFootB,
                                kSlotFirstFootC,
                                kBrocardPunkt1,
                                kBrocardLinien1,
                                kBrocardStrecken1,
                                kBrocardSchnittpunkte1,
                                kBrocardFusspktdreieck1,
                                "1.Brocard-Punkt",
                                "Brocard-Linie 1.Art durch A",
                                "Brocard-Linie 1.Art durch B",
                                "Brocard-Linie 1.Art durch C",
                                "Brocard-Strecke 1.Art ab A",
                                "Brocard-Strecke 1.Art ab B",
                                "Brocard-Strecke 1.Art ab C",
                                "Brocard-Schnittpunkt 1.Art (ab A)",
                                "Brocard-Schnittpunkt 1.Art (ab B)",
                                "Brocard-Schnittpunkt 1.Art (ab C)"};

constexpr BrocardFigures kSecond{kSlotBrocard2,
                                 kSlotSecondFootA,
                                 kSlotSecondFootB,
                                 kSlotSecondFootC,
                                 kBrocardPunkt2,
                                 kBrocardLinien2,
                                 kBrocardStrecken2,
                                 kBrocardSchnittpunkte2,
                                 kBrocardFusspktdreieck2,
                                 "2.Brocard-Punkt",
                                 "Brocard-Linie 2.Art durch A",
                                 "Brocard-Linie 2.Art durch B",
                                 "Brocard-Linie 2.Art durch C",
                                 "Brocard-Strecke 2.Art ab A",
                                 "Brocard-Strecke 2.Art ab B",
                                 "Brocard-Strecke 2.Art ab C",
                                 "Brocard-Schnittpunkt 2.Art (ab A)",
                                 "Brocard-Schnittpunkt 2.Art (ab B)",
                                 "Brocard-Schnittpunkt 2.Art (ab C)"};

void PointLinesAndSegments(PaintContext& ctx, const BrocardFigures& f) {
    if (ctx.On(f.pointEntry)) {
        MarkSlot(ctx, f.point);
        if (ctx.Shown()) ReportSlot(ctx, f.point, f.pointLabel);
    }
    if (ctx.On(f.linesEntry)) {
        DrawSlotSegment(ctx, kSlotA, f.footA, f.lineA);
        DrawSlotSegment(ctx, kSlotB, f.footB, f.lineB);
        DrawSlotSegment(ctx, kSlotC, f.footC, f.lineC);
    }
    if (ctx.On(f.segmentsEntry)) {
        ctx.canvas.SetPenColor(kGreen);
        DrawSegment(ctx, kSlotC, f.point);
        DrawSegment(ctx, kSlotB, f.point);
        DrawSegment(ctx, kSlotA, f.point);
        if (ctx.Shown()) {
            ReportSlotDistance(ctx, kSlotA, f.point, f.segmentA);
            ReportSlotDistance(ctx, kSlotB, f.point, f.segmentB);
            ReportSlotDistance(ctx, kSlotC, f.point, f.segmentC);
        }
    }
}

void FootTriangle(PaintContext& ctx, const BrocardFigures& f) {
    if (!ctx.On(f.triangleEntry)) return;
    DrawSegment(ctx, f.footA, f.footB);
    DrawSegment(ctx, f.footB, f.footC);
    DrawSegment(ctx, f.footC, f.footA);
}

void Feet(PaintContext& ctx, const BrocardFigures& f) {
    if (!ctx.On(f.feetEntry)) return;
    ctx.canvas.SetPenColor(kBlack);
    MarkSlot(ctx, f.footC);
    MarkSlot(ctx, f.footB);
    MarkSlot(ctx, f.footA);
    if (ctx.Shown()) {
        ReportSlot(ctx, f.footA, f.footLabelA);
        ReportSlot(ctx, f.footB, f.footLabelB);
        ReportSlot(ctx, f.footC, f.footLabelC);
    }
}

// Step 10: the circle through U and the two Brocard points (its diameter is U K), with the pen of
// the moment. Collinear points suppress all four of its entries.
void BrocardCircle(PaintContext& ctx) {
    PointTable& pt = ctx.pt;
    const std::optional<CircleFit> circle = ListedCircle(pt, kSlotCircumcentre, kSlotBrocard1, kSlotBrocard2);
    if (!circle) return;
    if (ctx.On(kBrocardKreis)) DrawCircle(ctx, circle->centre.x, circle->centre.y, circle->radius);
    PlaceSlot(pt, kSlotBrocardCircle, circle->centre);
    if (ctx.On(kBrocardKreismittelpunkt)) {
        MarkSlot(ctx, kSlotBrocardCircle);
        if (ctx.Shown()) ReportCircle(ctx, kSlotBrocardCircle, "Brocard-Kreis", circle->radius);
    }
    if (ctx.On(kBrocardDurchmesser)) DrawSlotSegment(ctx, kSlotCircumcentre, kSlotLemoine, "Brocard-Achse");
    if (ctx.On(kBrocardAchse)) {
        const IntPoint u = pt.screen[kSlotCircumcentre], k = pt.screen[kSlotLemoine];
        DrawLineAcross(ctx, u.x, u.y, k.x, k.y);
    }
}

// Step 12: the triangle of the second intersections of the Brocard cevians.
void InnerBrocardTriangle(PaintContext& ctx) {
    PointTable& pt = ctx.pt;
    const RealPoint A = ScreenAsReal(pt, kSlotA), B = ScreenAsReal(pt, kSlotB), C = ScreenAsReal(pt, kSlotC);
    const RealPoint P1 = pt.precise[kSlotBrocard1], P2 = pt.precise[kSlotBrocard2];
    PlaceSlot(pt, kSlotInnerBrocard1, IntersectLines(B, P2, A, P1).p);
    PlaceSlot(pt, kSlotInnerBrocard2, IntersectLines(C, P2, B, P1).p);
    PlaceSlot(pt, kSlotInnerBrocard3, IntersectLines(A, P2, C, P1).p);
    if (ctx.On(kIBDEckpunkte)) {
        ctx.canvas.SetPenColor(kBlack);
        MarkSlot(ctx, kSlotInnerBrocard3);
        MarkSlot(ctx, kSlotInnerBrocard1);
        MarkSlot(ctx, kSlotInnerBrocard2);
        if (ctx.Shown()) {
            ReportSlot(ctx, kSlotInnerBrocard1, "Innerer Brocarddreieckspunkt");
            ReportSlot(ctx, kSlotInnerBrocard2, "");
            ReportSlot(ctx, kSlotInnerBrocard3, "");
        }
    }
    if (ctx.On(kInneresBrocardDreieck)) {
        ctx.canvas.SetPenColor(kGrey);
        DrawSegment(ctx, kSlotInnerBrocard1, kSlotInnerBrocard2);
        DrawSegment(ctx, kSlotInnerBrocard2, kSlotInnerBrocard3);
        DrawSegment(ctx, kSlotInnerBrocard3, kSlotInnerBrocard1);
        if (ctx.Shown())
            ReportTriangle(ctx, kSlotInnerBrocard1, kSlotInnerBrocard2, kSlotInnerBrocard3,
                           "Inneres Brocard");
    }
}

// Steps 13-14: the Neuberg circles (on the vertex's side of the opposite side) and the inverse
// ones (on the other side), and the triangles of their centres. While the Brocard angle is 0
// (three distinct collinear vertices) there are no Neuberg circles and no triangles of them.
void NeubergCircles(PaintContext& ctx) {
    PointTable& pt = ctx.pt;
    Canvas& canvas = ctx.canvas;
    const RealPoint A = ScreenAsReal(pt, kSlotA), B = ScreenAsReal(pt, kSlotB), C = ScreenAsReal(pt, kSlotC);
    const struct { RealPoint vertex, p0, p2; } sides[3] = {{A, B, C}, {B, A, C}, {C, A, B}};
    static constexpr const char* kTitles[6] = {"Neuberg A-Kreis",          "Neuberg B-Kreis",
                                               "Neuberg C-Kreis",          "Inverser Neuberg A-Kreis",
                                               "Inverser Neuberg B-Kreis", "Inverser Neuberg C-Kreis"};
    static constexpr const char* kDigits[6] = {"1", "2", "3", "4", "5", "6"};

    canvas.SetPenColor(kBlue);
    canvas.SetBrushStyle(BrushStyle::Clear);
    for (int n = 0; n < 6; ++n) {
        const auto& s = sides[n % 3];
        const CircleResult circle = NeubergCircle(n < 3, ctx.base.BrocardAngle, s.vertex, s.p0, s.p2);
        PlaceSlot(pt, kSlotNeubergFirst + n, circle.centre);
        const int entry = n < 3 ? kNeubergKreisA + n : kInverserNeubergKreisA + n - 3;
        if (!ctx.On(entry) || !std::isfinite(circle.radius)) continue;
        PlaceSlot(pt, kSlotNeubergWork, pt.precise[kSlotNeubergFirst + n]);
        DrawCircle(ctx, circle.centre.x, circle.centre.y, circle.radius);
        MarkSlotTwoLetters(ctx, kSlotNeubergWork, "N", kDigits[n]);
        if (ctx.Shown()) ReportCircle(ctx, kSlotNeubergWork, kTitles[n], circle.radius);
    }

    canvas.SetPenColor(kTeal);
    const struct {
        int entry, first;
        const char* name;
    } triangles[2] = {{kNeubergDreieck, kSlotNeubergFirst, "Neuberg"},
                      {kInversesNeubergDreieck, kSlotNeubergFirst + 3, "Inverses Neuberg"}};
    for (const auto& t : triangles) {
        if (!ctx.On(t.entry)) continue;
        DrawSegment(ctx, t.first, t.first + 1);
        DrawSegment(ctx, t.first + 1, t.first + 2);
        DrawSegment(ctx, t.first + 2, t.first);
        if (ctx.Shown()) ReportTriangle(ctx, t.first, t.first + 1, t.first + 2, t.name);
    }
}

} // namespace

void BrocardFamily(PaintContext& ctx) {
    PointTable& pt = ctx.pt;

    // 1.-4.
    PerpendicularsAndTangentialCircles(ctx);

    // 5. The rest needs three sides.
    ctx.canvas.SetPenColor(kBlue);
    const double a = SlotDistanceWorld(pt, kSlotB, kSlotC), b = SlotDistanceWorld(pt, kSlotC, kSlotA),
                 c = SlotDistanceWorld(pt, kSlotA, kSlotB);
    if (a * b * c == 0) return;

    // 6.-9. The Brocard points and their figures; the first point's foot triangle comes before
    // its feet, the second's after.
    BrocardPoints(ctx, a, b, c);
    PointLinesAndSegments(ctx, kFirst);
    FootTriangle(ctx, kFirst);
    Feet(ctx, kFirst);
    PointLinesAndSegments(ctx, kSecond);
    Feet(ctx, kSecond);
    FootTriangle(ctx, kSecond);

    // 10.
    BrocardCircle(ctx);

    // 11. Midpoint of the Brocard points and the pedal elements of both.
    const RealPoint P1 = pt.precise[kSlotBrocard1], P2 = pt.precise[kSlotBrocard2];
    PlaceSlot(pt, kSlotBrocardMid, {(P1.x + P2.x) / 2, (P1.y + P2.y) / 2});
    if (ctx.On(kBrocardMittelpunkt)) {
        MarkSlotTwoLetters(ctx, kSlotBrocardMid, "B", "r");
        if (ctx.Shown()) ReportSlot(ctx, kSlotBrocardMid, "Brocard-Mittelpunkt");
    }
    PedalFamily(ctx, kSlotBrocard1, kBrocardPunkt1Lotpunkte, "1.Brocard-Punkt");
    PedalFamily(ctx, kSlotBrocard2, kBrocardPunkt2Lotpunkte, "2.Brocard-Punkt");

    // 12.-14.
    InnerBrocardTriangle(ctx);
    NeubergCircles(ctx);
}

} // namespace trimora
