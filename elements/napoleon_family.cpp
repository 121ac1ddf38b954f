// The Napoleon and Fermat family: equilateral triangles erected outward on the sides with their
// centroids, circles, fills and lines, the Napoleon and Fermat points, the Fermat triangle with its
// altitudes and the outer Napoleon triangle; then the inward triangles and the inner Napoleon one.
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
constexpr int kNapoleonPunkt = 141;            // "Napoleon-Punkt"
constexpr int kNapoleonDreiecke = 142;         // "Napoleon-Dreiecke"
constexpr int kNapoleonDreieckpunkte = 143;    // "Napoleon-Dreieckpunkte"
constexpr int kNapoleonLinien = 144;           // "Napoleon-Linien"
constexpr int kFermatPunkt = 152;              // "Fermat-Punkt"
constexpr int kFermatLinien = 153;             // "Fermat-Linien"
constexpr int kFermatDreieckpunkte = 154;      // "Fermat-Dreieckpunkte"
constexpr int kNapoleonpunktLotpunkte = 163;   // "Napoleonpunkt-Lotpunkte" (164, 165 follow)
constexpr int kFermatPunktLotpunkte = 169;     // "Fermat-Punkt-Lotpunkte" (170, 171 follow)
constexpr int kNapoleonDreieckeFuellen = 324;  // "Napoleon-Dreiecke füllen"
constexpr int kNapoleonDreieckumkreise = 325;  // "Napoleon-Dreieckumkreise"
constexpr int kNDreieckeSchraffieren = 334;    // "... NDreiecke schraffieren"
constexpr int kNapoleonDreieckAeusseres = 371; // "Napoleon-Dreieck, äußeres"
constexpr int kNapoleonDreieckeInnen = 373;    // "Napoleon-Dreiecke innen"
constexpr int kNapoleonLinienInnen = 374;      // "Napoleon-Linien innen"
constexpr int kNapoleonUmkreiseInnen = 375;    // "Napoleon-Umkreise innen"
constexpr int kNapoleonDreieckInneres = 376;   // "Napoleon-Dreieck, inneres"
constexpr int kFermatDreieck = 398;            // "Fermat-Dreieck"
constexpr int kFermatDreieckHoehen = 412;      // "Fermat-Dreieck Höhen" (413 "Fermat-Dreieck HPunkte")
constexpr int kNapoleonInkreise = 420;         // "Napoleon-Inkreise"

// Slots.
constexpr int kSlotApexAB = 105; // outer apexes: the vertices of the Fermat triangle
constexpr int kSlotApexAC = 106;
constexpr int kSlotApexBC = 107;
constexpr int kSlotWork = 108;       // midpoint of the side in hand; after the outer part the Napoleon
                                     // point, after the inner part the midpoint of BC
constexpr int kSlotCentroidAB = 109; // centroids of the outer equilateral triangles
constexpr int kSlotCentroidAC = 110;
constexpr int kSlotCentroidBC = 111;
// Centres of the circles of the outer triangles, in 214-216 over the bisector feet.
constexpr int kSlotCircleAB = kSlotBisectorFootB;
constexpr int kSlotCircleAC = kSlotCircleAB + 1;
constexpr int kSlotCircleBC = kSlotCircleAB + 2;
constexpr int kSlotFermatAltitudes = 315; // 315 .. 318: feet and orthocentre of the Fermat triangle
constexpr int kSlotInnerApexAB = 260;     // inner apexes, each followed by its centroid
constexpr int kSlotInnerApexAC = 262;
constexpr int kSlotInnerApexBC = 264;
constexpr int kSlotInnerCentroidAB = 261;
constexpr int kSlotInnerCentroidAC = 263;
constexpr int kSlotInnerCentroidBC = 265;
constexpr int kSlotInnerCircleAB = 267; // circumcentres of the inner triangles
constexpr int kSlotInnerCircleAC = 268;
constexpr int kSlotInnerCircleBC = 269;

// Colours.
constexpr Color kLightYellow = Rgb(0xFFFFC0); // fill of the outer triangles

constexpr double kHalfSqrt3 = 0.8660254037844386; // height of the equilateral triangle of side 1

RealPoint Reflect(RealPoint p, RealPoint centre) {
    return {2 * centre.x - p.x, 2 * centre.y - p.y};
}

// One outer equilateral triangle on the side P Q, away from the third vertex R.
struct OuterSide {
    int p, q, r;
    int apex, centroid;
    Color pen;
    int reportFirst, reportSecond; // the vertices of its triangle block with the apex
    const char* triangleName;
    const char* markFirst; // "N" and a digit
    const char* markSecond;
    const char* centroidLabel;
    int lineFrom; // the vertex of the Napoleon line to the centroid
    const char* lineLabel;
};

constexpr OuterSide kOuterSides[3] = {
    {kSlotA, kSlotB, kSlotC, kSlotApexAB, kSlotCentroidAB, kRed, kSlotA, kSlotB, "1.Napoleon", "N", "1",
     "1.Napoleon-Dreieck-Schwerpunkt", kSlotC, "1.Napoleon-Linie"},
    {kSlotA, kSlotC, kSlotB, kSlotApexAC, kSlotCentroidAC, kBlue, kSlotA, kSlotC, "2.Napoleon", "N", "2",
     "2.Napoleon-Dreieck-Schwerpunkt", kSlotB, "2.Napoleon-Linie"},
    {kSlotB, kSlotC, kSlotA, kSlotApexBC, kSlotCentroidBC, kGreen, kSlotC, kSlotB, "3.Napoleon", "N", "3",
     "3.Napoleon-Dreieck-Schwerpunkt", kSlotA, "3.Napoleon-Linie"}};

// Steps 1 to 6 for one side: apex, centroid and the (filled or hatched) triangle. False when the
// apex cannot be placed, which ends the outer part.
bool ErectOuterTriangle(PaintContext& ctx, const OuterSide& s) {
    PointTable& pt = ctx.pt;
    Canvas& canvas = ctx.canvas;

    // 1. Midpoint of the side.
    PlaceSlot(pt, kSlotWork, Midpoint(ScreenAsReal(pt, s.p), ScreenAsReal(pt, s.q)));
    const RealPoint M = pt.precise[kSlotWork];

    // 2. A point on the perpendicular through M, on the far side of P Q from R.
    RealPoint X = PerpendicularPoint(ScreenAsReal(pt, s.p), ScreenAsReal(pt, s.q), M);
    X = ReflectIfSameSide(ScreenAsReal(pt, s.p), ScreenAsReal(pt, s.q), ScreenAsReal(pt, s.r), X, M);
    PlaceSlot(pt, s.apex, X);

    // 3.-4. Out to the height of the equilateral triangle on P Q.
    const double d = SlotDistanceWorld(pt, s.p, s.q);
    const double o = WorldDistance(M, X);
    if (!(o > 0) || !std::isfinite(o)) return false;
    const double f = d * kHalfSqrt3 / o;
    X = {M.x + f * (X.x - M.x), M.y + f * (X.y - M.y)};
    PlaceSlot(pt, s.apex, X);

    // 5. The centroid a third of the way from M to the apex.
    if (!(WorldDistance(M, X) > 0)) return false;
    PlaceSlot(pt, s.centroid, {M.x + (X.x - M.x) / 3, M.y + (X.y - M.y) / 3});

    // 6. The triangle: clear, filled light yellow or hatched.
    canvas.SetPenColor(s.pen);
    canvas.SetBrushStyle(BrushStyle::Clear);
    if (ctx.On(kNapoleonDreieckeFuellen)) canvas.SetBrushColor(kLightYellow);
    if (ctx.On(kNDreieckeSchraffieren)) canvas.SetBrushStyle(BrushStyle::BDiagonal);
    if (ctx.On(kNapoleonDreiecke)) {
        const IntPoint triangle[3] = {pt.screen[s.p], pt.screen[s.q], pt.screen[s.apex]};
        canvas.Polygon(triangle);
        if (ctx.Shown()) ReportTriangle(ctx, s.reportFirst, s.reportSecond, s.apex, s.triangleName);
    }
    return true;
}

// Step 7 for one side: the centroid's mark and the Napoleon line.
void CentroidAndLine(PaintContext& ctx, const OuterSide& s) {
    if (ctx.On(kNapoleonDreieckpunkte)) {
        MarkSlotTwoLetters(ctx, s.centroid, s.markFirst, s.markSecond);
        if (ctx.Shown()) ReportSlot(ctx, s.centroid, s.centroidLabel);
    }
    if (ctx.On(kNapoleonLinien)) DrawSlotSegment(ctx, s.lineFrom, s.centroid, s.lineLabel);
}

// The incircles and circumcircles of the three outer triangles, in the pen of the moment.
void OuterCircles(PaintContext& ctx) {
    PointTable& pt = ctx.pt;
    const struct {
        int v1, v2, apex, slot;
    } triangles[3] = {{kSlotA, kSlotB, kSlotApexAB, kSlotCircleAB},
                      {kSlotA, kSlotC, kSlotApexAC, kSlotCircleAC},
                      {kSlotC, kSlotB, kSlotApexBC, kSlotCircleBC}};
    for (const auto& t : triangles) {
        const CircleDataResult d =
            CircleData(ListedPoint(pt, t.v1), ListedPoint(pt, t.v2), ListedPoint(pt, t.apex));
        // The incircle block names the circumcentre as its centre: both are the same point of an
        // equilateral triangle.
        if (ctx.On(kNapoleonInkreise) && d.incentreValid) {
            PlaceSlot(pt, t.slot, d.circumcentre);
            DrawCircle(ctx, d.incentre.x, d.incentre.y, d.r);
            if (ctx.Shown() && std::isfinite(d.r)) ReportCircle(ctx, t.slot, "Napoleon-Inkreis", d.r);
        }
        if (ctx.On(kNapoleonDreieckumkreise) && d.circumcentreValid) {
            PlaceSlot(pt, t.slot, d.circumcentre);
            DrawCircle(ctx, d.circumcentre.x, d.circumcentre.y, d.R);
            if (ctx.Shown() && std::isfinite(d.R)) ReportCircle(ctx, t.slot, "Napoleon-Umkreis", d.R);
        }
    }
}

// The Napoleon point, the Fermat lines, triangle and point, and the outer Napoleon triangle.
void OuterPoints(PaintContext& ctx) {
    PointTable& pt = ctx.pt;
    Canvas& canvas = ctx.canvas;
    const RealPoint A = ScreenAsReal(pt, kSlotA), B = ScreenAsReal(pt, kSlotB), C = ScreenAsReal(pt, kSlotC);

    // Napoleon point: the lines from the vertices to the opposite centroids meet there.
    PlaceSlot(pt, kSlotWork,
              IntersectLines(B, pt.precise[kSlotCentroidAC], A, pt.precise[kSlotCentroidBC]).p);
    PlaceSlot(pt, kSlotNapoleonCopy, pt.precise[kSlotWork]);

    if (ctx.On(kFermatLinien)) {
        canvas.SetPenColor(kGreen);
        DrawSlotSegment(ctx, kSlotC, kSlotApexAB, "Fermat-Punkt-Linie");
        DrawSlotSegment(ctx, kSlotB, kSlotApexAC, "");
        DrawSlotSegment(ctx, kSlotA, kSlotApexBC, "");
    }
    canvas.SetPenColor(kBlack);
    if (ctx.On(kFermatDreieckpunkte)) {
        for (int slot = kSlotApexAB; slot <= kSlotApexBC; ++slot) {
            MarkSlot(ctx, slot);
            if (ctx.Shown()) ReportSlot(ctx, slot, "Fermat-Dreieck-Eckpunkt");
        }
    }
    if (ctx.On(kFermatDreieck)) {
        canvas.SetPenColor(kRed);
        DrawSegment(ctx, kSlotApexAB, kSlotApexAC);
        DrawSegment(ctx, kSlotApexAC, kSlotApexBC);
        DrawSegment(ctx, kSlotApexBC, kSlotApexAB);
        if (ctx.Shown()) ReportTriangle(ctx, kSlotApexAB, kSlotApexAC, kSlotApexBC, "Fermat");
    }
    AltitudesOfSlotTriangle(ctx, kSlotApexAB, kSlotApexAC, kSlotApexBC, "Fermat-Dreieck",
                            kFermatDreieckHoehen, kSlotFermatAltitudes);

    // Fermat point: the lines from the vertices to the opposite apexes meet there.
    PlaceSlot(pt, kSlotFermat, IntersectLines(B, pt.precise[kSlotApexAC], C, pt.precise[kSlotApexAB]).p);

    canvas.SetPenColor(kBlack);
    if (ctx.On(kNapoleonPunkt)) {
        MarkSlotLetter(ctx, kSlotWork, "N");
        if (ctx.Shown()) ReportSlot(ctx, kSlotWork, "Napoleon-Punkt");
    }
    PedalFamily(ctx, kSlotWork, kNapoleonpunktLotpunkte, "Napoleon-Punkt");
    if (ctx.On(kFermatPunkt)) {
        MarkSlotTwoLetters(ctx, kSlotFermat, "F", "e");
        if (ctx.Shown()) ReportSlot(ctx, kSlotFermat, "Fermat-Punkt");
    }
    PedalFamily(ctx, kSlotFermat, kFermatPunktLotpunkte, "Fermat-Punkt");

    if (ctx.On(kNapoleonDreieckAeusseres)) {
        canvas.SetPenColor(kLime);
        DrawSegment(ctx, kSlotCentroidAB, kSlotCentroidAC);
        DrawSegment(ctx, kSlotCentroidAC, kSlotCentroidBC);
        DrawSegment(ctx, kSlotCentroidBC, kSlotCentroidAB);
        canvas.SetPenColor(kBlack);
        if (ctx.Shown())
            ReportTriangle(ctx, kSlotCentroidAB, kSlotCentroidAC, kSlotCentroidBC, "Äußeres Napoleon");
    }
}

// One inner equilateral triangle: the outer apex and centroid reflected in the side's midpoint.
struct InnerSide {
    int p, q, outerApex, outerCentroid, apex, centroid;
    const char* digit;
    const char* triangleName;
    const char* centroidLabel;
    int lineFrom;
    const char* lineLabel;
};

constexpr InnerSide kInnerSides[3] = {
    {kSlotA, kSlotB, kSlotApexAB, kSlotCentroidAB, kSlotInnerApexAB, kSlotInnerCentroidAB, "1",
     "1.inneres Napoleon", "1.innerer Napoleon-Schwerpunkt", kSlotC, "1.innere Napoleon-Linie"},
    {kSlotA, kSlotC, kSlotApexAC, kSlotCentroidAC, kSlotInnerApexAC, kSlotInnerCentroidAC, "2",
     "2.inneres Napoleon", "2.innerer Napoleon-Schwerpunkt", kSlotB, "2.innere Napoleon-Linie"},
    {kSlotB, kSlotC, kSlotApexBC, kSlotCentroidBC, kSlotInnerApexBC, kSlotInnerCentroidBC, "3",
     "3.inneres Napoleon", "3.innerer Napoleon-Schwerpunkt", kSlotA, "3.innere Napoleon-Linie"}};

} // namespace

void NapoleonFermatFamily(PaintContext& ctx) {
    // AB and AC completely, then BC with the circles between its triangle and its marks.
    for (int n = 0; n < 3; ++n) {
        const OuterSide& s = kOuterSides[n];
        if (!ErectOuterTriangle(ctx, s)) return;
        if (n == 2) OuterCircles(ctx);
        CentroidAndLine(ctx, s);
    }
    OuterPoints(ctx);
}

void InnerNapoleonFamily(PaintContext& ctx) {
    PointTable& pt = ctx.pt;
    Canvas& canvas = ctx.canvas;
    // The outer part left its apexes and centroids in the table (stale ones if it stopped early).
    canvas.SetPenColor(kGreen);
    for (const InnerSide& s : kInnerSides) {
        PlaceSlot(pt, kSlotWork, Midpoint(ScreenAsReal(pt, s.p), ScreenAsReal(pt, s.q)));
        const RealPoint M = pt.precise[kSlotWork];
        PlaceSlot(pt, s.apex, Reflect(pt.precise[s.outerApex], M));
        PlaceSlot(pt, s.centroid, Reflect(pt.precise[s.outerCentroid], M));
        if (ctx.On(kNapoleonDreieckeInnen)) {
            // Drawn without the base side.
            DrawSegment(ctx, s.p, s.apex);
            DrawSegment(ctx, s.q, s.apex);
            MarkSlot(ctx, s.apex);
            MarkSlotTwoLetters(ctx, s.centroid, "n", s.digit);
            if (ctx.Shown()) {
                ReportTriangle(ctx, s.p, s.q, s.apex, s.triangleName);
                ReportSlot(ctx, s.centroid, s.centroidLabel);
            }
        }
        if (ctx.On(kNapoleonLinienInnen)) DrawSlotSegment(ctx, s.lineFrom, s.centroid, s.lineLabel);
    }

    canvas.SetPenColor(kBlue);
    if (ctx.On(kNapoleonUmkreiseInnen)) {
        const struct {
            int v1, v2, apex, slot;
        } triangles[3] = {{kSlotA, kSlotB, kSlotInnerApexAB, kSlotInnerCircleAB},
                          {kSlotA, kSlotC, kSlotInnerApexAC, kSlotInnerCircleAC},
                          {kSlotC, kSlotB, kSlotInnerApexBC, kSlotInnerCircleBC}};
        for (const auto& t : triangles) {
            const CircleDataResult d =
                CircleData(ListedPoint(pt, t.v1), ListedPoint(pt, t.v2), ListedPoint(pt, t.apex));
            if (!d.circumcentreValid) continue;
            PlaceSlot(pt, t.slot, d.circumcentre);
            MarkSlot(ctx, t.slot);
            DrawCircle(ctx, d.circumcentre.x, d.circumcentre.y, d.R);
            if (ctx.Shown() && std::isfinite(d.R)) ReportCircle(ctx, t.slot, "Napoleon-Umkreis", d.R);
        }
    }
    if (ctx.On(kNapoleonDreieckInneres)) {
        canvas.SetPenColor(kLime);
        DrawSegment(ctx, kSlotInnerCentroidAB, kSlotInnerCentroidAC);
        DrawSegment(ctx, kSlotInnerCentroidAC, kSlotInnerCentroidBC);
        DrawSegment(ctx, kSlotInnerCentroidBC, kSlotInnerCentroidAB);
        canvas.SetPenColor(kBlack);
        if (ctx.Shown())
            ReportTriangle(ctx, kSlotInnerCentroidAB, kSlotInnerCentroidAC, kSlotInnerCentroidBC,
                           "Inneres Napoleon");
    }
}

} // namespace trimora
