// The orthocentre family: H, the altitude feet, altitudes, orthic triangle and polar circle, the
// reflections of H and of the vertices with kites and Musselman circles, the Schiffler, Villiers,
// Thébault and Carnot figures, and the circles and Euler lines of the sub-triangles ABI ... CHaHb.
#include "draw/point_table.h"
#include "draw/primitives.h"
#include "draw/results.h"
#include "elements/families.h"
#include "base/lines.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace trimora {
namespace {

// Catalogue entries.
constexpr int kHoehenschnittpunkt = 12;      // "Höhenschnittpunkt"
constexpr int kEulerGerade = 19;             // "Euler-Gerade"
constexpr int kHoehendreieck = 29;           // "Höhendreieck"
constexpr int kUmkreisDreieckABI = 227;      // "Umkreis Dreieck ABI" (228 "Schwerpunkt ABI", 229 Euler line)
constexpr int kUmkreisDreieckACI = 230;      // "Umkreis Dreieck ACI" (231, 232 follow)
constexpr int kUmkreisDreieckBCI = 233;      // "Umkreis Dreieck BCI" (234, 235 follow)
constexpr int kSchifflerPunkt = 236;         // "Schiffler-Punkt"
constexpr int kPolarkreis = 261;             // "Polarkreis"
constexpr int kPolarkreismittelpunkt = 262;  // "Polarkreismittelpunkt"
constexpr int kSchifflerLotdreieck = 305;    // "Schiffler-Lotdreieck", first of 305-307 (points)
constexpr int kUmkreisDreieckAHbHc = 311;    // "Umkreis Dreieck AHbHc" (312 "Schwerpunkt AHbHc")
constexpr int kEulerGeradeAHbHc = 313;       // "Euler-Gerade AHbHc"
constexpr int kUmkreisDreieckBHaHc = 314;    // "Umkreis Dreieck BHaHc" (315 "Schwerpunkt BHaHc")
constexpr int kEulerGeradeBHaHc = 316;       // "Euler-Gerade BHaHc"
constexpr int kUmkreisDreieckCHaHb = 317;    // "Umkreis Dreieck CHaHb" (318 "Schwerpunkt CHaHb")
constexpr int kEulerGeradeCHaHb = 319;       // "Euler-Gerade CHaHb"
constexpr int kThebaultPunkt = 320;          // "Thébault-Punkt"
constexpr int kHoehen = 346;                 // "Höhen"
constexpr int kHoeheAufA = 348;              // "Höhe auf a"
constexpr int kHoeheAufB = 349;              // "Höhe auf b"
constexpr int kHoeheAufC = 350;              // "Höhe auf c"
constexpr int kCarnotKreise = 369;           // "Carnot-Kreise"
constexpr int kCarnotDreieck = 370;          // "Carnot-Dreieck"
constexpr int kSpiegelpunkte = 401;          // "Spiegelpunkte"
constexpr int kSpiegellinien = 402;          // "Spiegellinien"
constexpr int kSpiegelpunktdreieck = 403;    // "Spiegelpunktdreieck"
constexpr int kMusselmanKreise = 404;        // "Musselman-Kreise"
constexpr int kMusselmanPunkt = 405;         // "Musselman-Punkt"
constexpr int kStreckeUH = 449;              // "Strecke UH"
constexpr int kInkreisDreieckABI = 451;      // "Inkreis Dreieck ABI"
constexpr int kInkreisDreieckACI = 452;      // "Inkreis Dreieck ACI"
constexpr int kInkreisDreieckBCI = 453;      // "Inkreis Dreieck BCI"
constexpr int kInkreisDreieckAHbHc = 454;    // "Inkreis Dreieck AHbHc"
constexpr int kInkreisDreieckBHaHc = 455;    // "Inkreis Dreieck BHaHc"
constexpr int kInkreisDreieckCHaHb = 456;    // "Inkreis Dreieck CHaHb"
constexpr int kInneresVilliersDreieck = 458; // "Inneres Villiers-Dreieck"
constexpr int kVilliersStrecken = 459;       // "Villiers-Strecken"
constexpr int kVilliersPunkt = 460;          // "1.Villiers-Punkt"
constexpr int kHSpiegellinien = 490;         // "H-Spiegellinien"
constexpr int kHSpiegelpunkte = 491;         // "H-Spiegelpunkte"
constexpr int kHoehendrachenvierecke = 492;  // "Höhendrachenvierecke"
constexpr int kCarnotDreieckHoehenpunkt = 498; // "Carnot-Dreieck-Höhenpunkt"
constexpr int kCarnotDreieckHoehen = 499;      // "Carnot-Dreieck-Höhen"
constexpr int kCarnotQuaderprojektion = 500;   // "Carnot-Quaderprojektion"

// Slots.
constexpr int kSlotHMirrorB = 395; // reflections of H in b, a, c: 2 Hb - H, 2 Ha - H, 2 Hc - H
constexpr int kSlotHMirrorA = 396;
constexpr int kSlotHMirrorC = 397;
constexpr int kSlotMirrorA = 294;   // A* = 2 Ha - A, the reflection of A in a
constexpr int kSlotMirrorB = 295;   // B* = 2 Hb - B
constexpr int kSlotMirrorC = 296;   // C* = 2 Hc - C
constexpr int kSlotMusselman = 297; // the last Musselman circle centre, then the Musselman point
constexpr int kSlotSchiffler = 158;
constexpr int kSlotVilliers = 376;
constexpr int kSlotThebault = kSlotBisectorFootA;
constexpr int kSlotCarnot1 = 254;           // centre of the circle A, B, H
constexpr int kSlotCarnot2 = 255;           // A, C, H
constexpr int kSlotCarnot3 = 256;           // B, C, H
constexpr int kSlotCarnotOrthocentre = 400; // 2 N - H
constexpr int kSlotCarnotFoot1 = 401;       // 2 N - Hb
constexpr int kSlotCarnotFoot2 = 402;       // 2 N - Ha
constexpr int kSlotCarnotFoot3 = 403;       // 2 N - Hc
constexpr int kSlotHalfAH = 404;            // midpoints of AH, BH, CH
constexpr int kSlotHalfBH = 405;
constexpr int kSlotHalfCH = 406;
// Sub-triangles: incentres, and circumcentres with the centroid in the slot after each.
constexpr int kSlotIncentreABI = 370, kSlotIncentreACI = 371, kSlotIncentreBCI = 372;
constexpr int kSlotIncentreAHbHc = 373, kSlotIncentreBHaHc = 374, kSlotIncentreCHaHb = 375;
constexpr int kSlotCircumcentreABI = 152, kSlotCircumcentreACI = 154, kSlotCircumcentreBCI = 156;
constexpr int kSlotCircumcentreAHbHc = 207, kSlotCircumcentreBHaHc = 209, kSlotCircumcentreCHaHb = 211;

// Colours.
constexpr Color kDarkYellow = Rgb(0xC8C800);   // Musselman circles
constexpr Color kKiteOnB = Rgb(0x00FFC0);      // kite H, A, H reflected in b, C
constexpr Color kKiteOnA = Rgb(0xFFC000);      // kite H, C, H reflected in a, B
constexpr Color kKiteOnC = Rgb(0xC000FF);      // kite H, A, H reflected in c, B
constexpr Color kVilliersBlue = Rgb(0x4040FF); // inner Villiers triangle

// A right angle comes out of acos(0) as the double nearest pi/2, whose cosine is 6e-17 and not 0.
// Cosines, sums and products this small count as zero, so that a right angle (or a vanishing
// divisor) switches the Musselman, Schiffler and Villiers points off instead of sending them
// towards infinity. NaN counts as zero as well.
constexpr double kVanishing = 1e-12;
bool Vanishes(double v) {
    return !(std::fabs(v) >= kVanishing);
}

constexpr double kMaxMusselmanRadius = 10000; // pixels; larger circles are listed but not drawn

RealPoint Reflect(RealPoint p, RealPoint centre) {
    return {2 * centre.x - p.x, 2 * centre.y - p.y};
}

// H and the three feet, computed at every repaint.
void OrthocentreAndFeet(PaintContext& ctx) {
    PointTable& pt = ctx.pt;
    const RealPoint A = pt.precise[kSlotA], B = pt.precise[kSlotB], C = pt.precise[kSlotC];
    // From the exact perpendiculars: altitudes through whole-pixel offsets would move H by up to a
    // pixel.
    auto perpendicularThrough = [](RealPoint v, RealPoint p, RealPoint q) {
        return RealPoint{v.x - (q.y - p.y), v.y + (q.x - p.x)};
    };
    PlaceSlot(pt, kSlotOrthocentre, IntersectLines(B, perpendicularThrough(B, A, C), A, perpendicularThrough(A, B, C)).p);
    PlaceSlot(pt, kSlotFootB, PerpendicularFoot(B, A, C).p);
    PlaceSlot(pt, kSlotFootA, PerpendicularFoot(A, B, C).p);
    PlaceSlot(pt, kSlotFootC, PerpendicularFoot(C, A, B).p);
}

void PolarCircle(PaintContext& ctx) {
    const RealPoint H = ctx.pt.precise[kSlotOrthocentre];
    const double radius = ctx.base.PolarRadius;
    if (ctx.On(kPolarkreis) && std::isfinite(radius)) {
        DrawCircle(ctx, H.x, H.y, radius);
        if (ctx.Shown()) ReportRadius(ctx, "Polarkreisradius", radius);
        ctx.canvas.SetBrushStyle(BrushStyle::Solid);
    }
    if (ctx.On(kPolarkreismittelpunkt) && Present(ctx.pt, kSlotOrthocentre)) {
        MarkSlotLetter(ctx, kSlotOrthocentre, "H");
        if (ctx.Shown()) ReportSlot(ctx, kSlotOrthocentre, "Polarkreismittelpunkt");
    }
}

// Each altitude as one segment over H, its foot and its vertex: the farthest of the three pairs.
void Altitudes(PaintContext& ctx) {
    struct AltitudeEntry {
        int entry, vertex, foot;
        const char *hFoot, *hVertex, *vertexFoot;
    };
    static constexpr AltitudeEntry kAltitudes[3] = {
        {kHoeheAufB, kSlotB, kSlotFootB, "Abstand H-Hb", "Abstand H-B", "Abstand B-Hb"},
        {kHoeheAufA, kSlotA, kSlotFootA, "Abstand H-Ha", "Abstand H-A", "Abstand A-Ha"},
        {kHoeheAufC, kSlotC, kSlotFootC, "Abstand H-Hc", "Abstand H-C", "Abstand C-Hc"}};
    for (const AltitudeEntry& e : kAltitudes) {
        if (!ctx.On(kHoehen) && !ctx.On(e.entry)) continue;
        int from = kSlotOrthocentre, to = e.foot;
        const char* label = e.hFoot;
        switch (LongestSideIndex(ctx.pt, kSlotOrthocentre, e.foot, e.vertex)) {
        case 1:
            break;
        case 2:
            to = e.vertex, label = e.hVertex;
            break;
        default:
            from = e.vertex, label = e.vertexFoot;
            break;
        }
        DrawSegment(ctx, from, to);
        if (ctx.Shown()) ReportSlotDistance(ctx, from, to, label);
    }
}

void OrthicTriangle(PaintContext& ctx) {
    const PointTable& pt = ctx.pt;
    if (!ctx.On(kHoehendreieck) || !Present(pt, kSlotFootA) || !Present(pt, kSlotFootB) ||
        !Present(pt, kSlotFootC))
        return;
    DrawSlotSegment(ctx, kSlotFootB, kSlotFootA, "Gerade H(a)H(b)");
    DrawSlotSegment(ctx, kSlotFootB, kSlotFootC, "Gerade H(b)H(c)");
    DrawSlotSegment(ctx, kSlotFootC, kSlotFootA, "Gerade H(a)H(c)");
}

void Reflections(PointTable& pt) {
    const RealPoint H = pt.precise[kSlotOrthocentre];
    PlaceSlot(pt, kSlotHMirrorB, Reflect(H, pt.precise[kSlotFootB]));
    PlaceSlot(pt, kSlotHMirrorA, Reflect(H, pt.precise[kSlotFootA]));
    PlaceSlot(pt, kSlotHMirrorC, Reflect(H, pt.precise[kSlotFootC]));
    PlaceSlot(pt, kSlotMirrorA, Reflect(pt.precise[kSlotA], pt.precise[kSlotFootA]));
    PlaceSlot(pt, kSlotMirrorB, Reflect(pt.precise[kSlotB], pt.precise[kSlotFootB]));
    PlaceSlot(pt, kSlotMirrorC, Reflect(pt.precise[kSlotC], pt.precise[kSlotFootC]));
}

// Three hatched quadrilaterals of H, two vertices and a reflection of H, outlined with the
// family's blue pen.
void Kites(PaintContext& ctx) {
    if (!ctx.On(kHoehendrachenvierecke)) return;
    struct Kite {
        int v1, mirror, v2;
        BrushStyle style;
        Color color;
    };
    static constexpr Kite kKites[3] = {{kSlotA, kSlotHMirrorB, kSlotC, BrushStyle::BDiagonal, kKiteOnB},
                                       {kSlotC, kSlotHMirrorA, kSlotB, BrushStyle::FDiagonal, kKiteOnA},
                                       {kSlotA, kSlotHMirrorC, kSlotB, BrushStyle::Horizontal, kKiteOnC}};
    const PointTable& pt = ctx.pt;
    for (const Kite& k : kKites) {
        ctx.canvas.SetBrushStyle(k.style);
        ctx.canvas.SetBrushColor(k.color);
        const IntPoint quad[4] = {pt.screen[kSlotOrthocentre], pt.screen[k.v1], pt.screen[k.mirror],
                                  pt.screen[k.v2]};
        ctx.canvas.Polygon(quad);
    }
    ctx.canvas.SetBrushStyle(BrushStyle::Solid);
}

void HMirrorLinesAndPoints(PaintContext& ctx) {
    if (ctx.On(kHSpiegellinien)) {
        ctx.canvas.SetPenColor(kGreen);
        DrawSlotSegment(ctx, kSlotOrthocentre, kSlotHMirrorB, "H-Spiegellinie");
        DrawSlotSegment(ctx, kSlotOrthocentre, kSlotHMirrorA, "");
        DrawSlotSegment(ctx, kSlotOrthocentre, kSlotHMirrorC, "");
    }
    if (ctx.On(kHSpiegelpunkte)) {
        MarkSlotTwoLetters(ctx, kSlotHMirrorB, "H", "b");
        MarkSlotTwoLetters(ctx, kSlotHMirrorA, "H", "a");
        MarkSlotTwoLetters(ctx, kSlotHMirrorC, "H", "c");
        if (ctx.Shown()) {
            ReportSlot(ctx, kSlotHMirrorB, "H-Spiegelpunkt Hb");
            ReportSlot(ctx, kSlotHMirrorA, "H-Spiegelpunkt Ha");
            ReportSlot(ctx, kSlotHMirrorC, "H-Spiegelpunkt Hc");
        }
    }
}

// The lines from the vertices to their reflections, and the triangle of the reflections in the
// pen of the moment (dark green after either line entry, otherwise the family's blue).
void MirrorLinesAndTriangle(PaintContext& ctx) {
    if (ctx.On(kSpiegellinien)) {
        ctx.canvas.SetPenColor(kGreen);
        DrawSlotSegment(ctx, kSlotA, kSlotMirrorA, "Spiegelpunktlinie");
        DrawSlotSegment(ctx, kSlotB, kSlotMirrorB, "");
        DrawSlotSegment(ctx, kSlotC, kSlotMirrorC, "");
    }
    if (ctx.On(kSpiegelpunktdreieck)) {
        DrawSegment(ctx, kSlotMirrorA, kSlotMirrorB);
        DrawSegment(ctx, kSlotMirrorA, kSlotMirrorC);
        DrawSegment(ctx, kSlotMirrorB, kSlotMirrorC);
        if (ctx.Shown()) ReportTriangle(ctx, kSlotMirrorA, kSlotMirrorB, kSlotMirrorC, "Spiegelpunkt");
    }
}

// The circles through a vertex, its reflection in the opposite side and U. Slot 297 keeps the
// centre of the last circle found.
void MusselmanCircles(PaintContext& ctx) {
    PointTable& pt = ctx.pt;
    struct Circle {
        int mirror, vertex;
        const char* title;
    };
    static constexpr Circle kCircles[3] = {{kSlotMirrorA, kSlotA, "Musselman-A-Kreis"},
                                           {kSlotMirrorB, kSlotB, "Musselman-B-Kreis"},
                                           {kSlotMirrorC, kSlotC, "Musselman-C-Kreis"}};
    for (const Circle& c : kCircles) {
        const CircleDataResult d =
            CircleData(pt.precise[c.mirror], pt.precise[c.vertex], pt.precise[kSlotCircumcentre]);
        if (!d.circumcentreValid) continue;
        PlaceSlot(pt, kSlotMusselman, d.circumcentre);
        if (!ctx.On(kMusselmanKreise)) continue;
        ctx.canvas.SetPenColor(kBlack);
        MarkSlot(ctx, kSlotMusselman);
        ctx.canvas.SetPenColor(kDarkYellow);
        const RealPoint centre = pt.precise[kSlotMusselman];
        if (d.R > 0 && d.R < kMaxMusselmanRadius) DrawCircle(ctx, centre.x, centre.y, d.R);
        if (ctx.Shown() && std::isfinite(d.R)) ReportCircle(ctx, kSlotMusselman, c.title, d.R);
    }
}

void MusselmanPoint(PaintContext& ctx) {
    const double a = ctx.base.Alpha, b = ctx.base.Beta, g = ctx.base.Gamma;
    const double ca = std::cos(a), cb = std::cos(b), cg = std::cos(g);
    const double cbg = std::cos(b - g), cab = std::cos(a - b), cag = std::cos(a - g);
    // A right angle (cosine 0) leaves slot 297 at the last Musselman circle centre.
    for (double v : {ca, cb, cg, cbg, cab, cag})
        if (Vanishes(v)) return;
    SlotFromTrilinear(ctx, kSlotMusselman, std::cos(3 * a) / (ca * cbg) + 4 * ca,
                      std::cos(3 * b) / (cb * cag) + 4 * cb, std::cos(3 * g) / (cg * cab) + 4 * cg);
    if (ctx.On(kMusselmanPunkt)) {
        MarkSlotTwoLetters(ctx, kSlotMusselman, "M", "u");
        if (ctx.Shown()) ReportSlot(ctx, kSlotMusselman, "Musselman-Punkt");
    }
}

void MirrorPointMarks(PaintContext& ctx) {
    if (!ctx.On(kSpiegelpunkte)) return;
    MarkSlotTwoLetters(ctx, kSlotMirrorA, "A", "*");
    MarkSlotTwoLetters(ctx, kSlotMirrorB, "B", "*");
    MarkSlotTwoLetters(ctx, kSlotMirrorC, "C", "*");
    if (ctx.Shown()) {
        ReportSlot(ctx, kSlotMirrorA, "Seitenspiegelpunkt A*");
        ReportSlot(ctx, kSlotMirrorB, "Seitenspiegelpunkt B*");
        ReportSlot(ctx, kSlotMirrorC, "Seitenspiegelpunkt C*");
    }
}

// A sub-triangle with its incircle, circumcircle, centroid and (where allowed) Euler line.
struct SubTriangle {
    int v1, v2, v3;
    const char* name;
    int incentre;     // slot
    int circumcentre; // slot; the centroid goes to the next one
    int incircleEntry;
    int circleEntry; // the centroid entry follows, then the Euler-line entry
    bool eulerLine;
};

constexpr SubTriangle kAroundIncentre[3] = {
    {kSlotA, kSlotB, kSlotIncentre, "ABI", kSlotIncentreABI, kSlotCircumcentreABI, kInkreisDreieckABI,
     kUmkreisDreieckABI, true},
    {kSlotA, kSlotC, kSlotIncentre, "ACI", kSlotIncentreACI, kSlotCircumcentreACI, kInkreisDreieckACI,
     kUmkreisDreieckACI, true},
    {kSlotB, kSlotC, kSlotIncentre, "BCI", kSlotIncentreBCI, kSlotCircumcentreBCI, kInkreisDreieckBCI,
     kUmkreisDreieckBCI, true}};

// Their Euler lines are drawn through the Thébault point instead.
constexpr SubTriangle kAtTheFeet[3] = {
    {kSlotA, kSlotFootB, kSlotFootC, "AHbHc", kSlotIncentreAHbHc, kSlotCircumcentreAHbHc,
     kInkreisDreieckAHbHc, kUmkreisDreieckAHbHc, false},
    {kSlotB, kSlotFootA, kSlotFootC, "BHaHc", kSlotIncentreBHaHc, kSlotCircumcentreBHaHc,
     kInkreisDreieckBHaHc, kUmkreisDreieckBHaHc, false},
    {kSlotC, kSlotFootB, kSlotFootA, "CHaHb", kSlotIncentreCHaHb, kSlotCircumcentreCHaHb,
     kInkreisDreieckCHaHb, kUmkreisDreieckCHaHb, false}};

void SubTriangleElements(PaintContext& ctx, const SubTriangle& t) {
    PointTable& pt = ctx.pt;
    Canvas& canvas = ctx.canvas;
    const std::string name = t.name;
    const int centroid = t.circumcentre + 1;

    // 1. The circumcentre and centroid count as absent until they are found.
    PlaceAbsent(pt, t.circumcentre);
    PlaceAbsent(pt, centroid);

    // Without its third vertex (an incentre or foot that this triangle does not have) there is no
    // sub-triangle: the sentinel is no point to take a centroid of.
    if (!Present(pt, t.v1) || !Present(pt, t.v2) || !Present(pt, t.v3)) return;

    // 2. Incircle.
    const RealPoint p1 = pt.precise[t.v1], p2 = pt.precise[t.v2], p3 = pt.precise[t.v3];
    const CircleDataResult d = CircleData(p1, p2, p3);
    if (d.incentreValid) {
        PlaceSlot(pt, t.incentre, d.incentre);
        if (ctx.On(t.incircleEntry)) {
            canvas.SetPenColor(kBlue);
            DrawCircle(ctx, d.incentre.x, d.incentre.y, d.r);
            canvas.SetPenColor(kBlack);
            MarkSlot(ctx, t.incentre);
            if (ctx.Shown()) {
                ReportSlot(ctx, t.incentre, "Inkreismittelpunkt " + name);
                ReportRadius(ctx, "Inkreisradius " + name, d.r);
            }
        }
    }

    // 3. Circumcircle.
    if (d.circumcentreValid) PlaceSlot(pt, t.circumcentre, d.circumcentre);
    canvas.SetPenColor(kLime);
    if (d.circumcentreValid && ctx.On(t.circleEntry)) {
        DrawCircle(ctx, d.circumcentre.x, d.circumcentre.y, d.R);
        canvas.SetPenColor(kBlack);
        MarkSlot(ctx, t.circumcentre);
        if (ctx.Shown() && std::isfinite(d.R)) {
            ReportSlot(ctx, t.circumcentre, "Umkreismittelpunkt " + name);
            ReportRadius(ctx, "Umkreisradius " + name, d.R);
        }
    }

    // 4. Centroid.
    PlaceSlot(pt, centroid, {(p1.x + p2.x + p3.x) / 3, (p1.y + p2.y + p3.y) / 3});
    if (ctx.On(t.circleEntry + 1)) {
        canvas.SetPenColor(kBlack);
        MarkSlot(ctx, centroid);
        if (ctx.Shown()) ReportSlot(ctx, centroid, "Schwerpunkt " + name);
    }

    // 5. Euler line.
    canvas.SetPenColor(kSilver);
    if (ctx.On(t.circleEntry + 2) && t.eulerLine)
        DrawLineReported(ctx, "Euler-Gerade " + name, pt.precise[t.circumcentre], pt.precise[centroid]);
}

// The inner Villiers triangle (incentres of ABI, ACI, BCI), the lines from the vertices to the
// opposite incentres and their common point.
void Villiers(PaintContext& ctx) {
    Canvas& canvas = ctx.canvas;
    if (ctx.On(kInneresVilliersDreieck)) {
        canvas.SetPenColor(kVilliersBlue);
        DrawSegment(ctx, kSlotIncentreABI, kSlotIncentreACI);
        DrawSegment(ctx, kSlotIncentreABI, kSlotIncentreBCI);
        DrawSegment(ctx, kSlotIncentreBCI, kSlotIncentreACI);
        canvas.SetPenColor(kBlack);
        for (int slot : {kSlotIncentreABI, kSlotIncentreACI, kSlotIncentreBCI})
            MarkSlot(ctx, slot);
        if (ctx.Shown()) {
            ReportSlot(ctx, kSlotIncentreABI, "Innerer Villiersdreieckpunkt");
            ReportSlot(ctx, kSlotIncentreACI, "");
            ReportSlot(ctx, kSlotIncentreBCI, "");
            ReportTriangle(ctx, kSlotIncentreABI, kSlotIncentreACI, kSlotIncentreBCI, "Inneres Villiers");
        }
    }
    if (ctx.On(kVilliersStrecken)) {
        canvas.SetPenColor(kMagenta);
        DrawSlotSegment(ctx, kSlotA, kSlotIncentreBCI, "Villiers-Gerade");
        DrawSlotSegment(ctx, kSlotB, kSlotIncentreACI, "");
        DrawSlotSegment(ctx, kSlotC, kSlotIncentreABI, "");
        if (ctx.Shown()) {
            ReportSlotDistance(ctx, kSlotA, kSlotIncentreBCI, "Villiers-Strecke");
            ReportSlotDistance(ctx, kSlotB, kSlotIncentreACI, "");
            ReportSlotDistance(ctx, kSlotC, kSlotIncentreABI, "");
        }
    }
    if (ctx.On(kVilliersPunkt)) {
        const double a = ctx.base.Alpha, b = ctx.base.Beta, g = ctx.base.Gamma;
        const double sa = std::sin(3 * a / 4), sb = std::sin(3 * b / 4), sg = std::sin(3 * g / 4);
        if (!Vanishes(sa * sb * sg)) {
            SlotFromTrilinear(ctx, kSlotVilliers, std::sin(a / 4) / sa, std::sin(b / 4) / sb,
                              std::sin(g / 4) / sg);
            canvas.SetPenColor(kBlack);
            MarkSlotTwoLetters(ctx, kSlotVilliers, "V", "i");
            if (ctx.Shown()) ReportSlot(ctx, kSlotVilliers, "1.Villierspunkt");
        }
    }
}

void SegmentUH(PaintContext& ctx) {
    if (!ctx.On(kStreckeUH)) return;
    ctx.canvas.SetPenColor(kLime);
    DrawSegment(ctx, kSlotCircumcentre, kSlotOrthocentre);
    if (ctx.Shown()) ReportSlotDistance(ctx, kSlotCircumcentre, kSlotOrthocentre, "Strecke UH");
}

// The common point of the Euler lines of ABC, ABI, ACI and BCI, with its pedal elements.
void Schiffler(PaintContext& ctx) {
    const double ca = std::cos(ctx.base.Alpha), cb = std::cos(ctx.base.Beta), cg = std::cos(ctx.base.Gamma);
    if (Vanishes(cb + cg) || Vanishes(cg + ca) || Vanishes(ca + cb)) return;
    SlotFromTrilinear(ctx, kSlotSchiffler, 1 / (cb + cg), 1 / (cg + ca), 1 / (ca + cb));
    if (ctx.On(kSchifflerPunkt)) {
        ctx.canvas.SetPenColor(kBlack);
        MarkSlotTwoLetters(ctx, kSlotSchiffler, "S", "c");
        if (ctx.Shown()) ReportSlot(ctx, kSlotSchiffler, "Schiffler-Punkt");
    }
    // The Schiffler entries stand in the order triangle, lines, points; the first one switches
    // the pedal points all the same.
    PedalFamily(ctx, kSlotSchiffler, kSchifflerLotdreieck, "Schiffler-Punkt");
}

// The common point of the Euler lines of AHbHc, BHaHc and CHaHb, and those lines drawn through
// it with the light grey pen the sub-triangles leave.
void Thebault(PaintContext& ctx) {
    PointTable& pt = ctx.pt;
    const LinePoint t =
        IntersectLines(pt.precise[kSlotCircumcentreBHaHc], pt.precise[kSlotCircumcentreBHaHc + 1],
                       pt.precise[kSlotCircumcentreAHbHc], pt.precise[kSlotCircumcentreAHbHc + 1]);
    PlaceSlot(pt, kSlotThebault, t.p);
    const RealPoint T = pt.precise[kSlotThebault];
    const struct {
        int entry, centre;
    } lines[3] = {{kEulerGeradeAHbHc, kSlotCircumcentreAHbHc},
                  {kEulerGeradeBHaHc, kSlotCircumcentreBHaHc},
                  {kEulerGeradeCHaHb, kSlotCircumcentreCHaHb}};
    for (const auto& l : lines) {
        if (!ctx.On(l.entry)) continue;
        const RealPoint c = pt.precise[l.centre];
        DrawLineAcross(ctx, c.x, c.y, T.x, T.y);
    }
    if (ctx.On(kThebaultPunkt) && Present(pt, kSlotThebault)) {
        ctx.canvas.SetPenColor(kBlack);
        MarkSlotLetter(ctx, kSlotThebault, "T");
        if (ctx.Shown()) ReportSlot(ctx, kSlotThebault, "Thébault-Punkt");
    }
}

// The circles through H and two vertices. A circle that does not exist leaves its centre absent,
// and with it the Carnot triangle.
void CarnotCircles(PaintContext& ctx) {
    PointTable& pt = ctx.pt;
    ctx.canvas.SetPenColor(kOlive);
    const struct {
        int v1, v2, slot;
        const char* text;
    } circles[3] = {{kSlotA, kSlotB, kSlotCarnot1, "C1"},
                    {kSlotA, kSlotC, kSlotCarnot2, "C2"},
                    {kSlotB, kSlotC, kSlotCarnot3, "C3"}};
    for (const auto& c : circles)
        PlaceAbsent(pt, c.slot);
    for (const auto& c : circles) {
        const CircleDataResult d =
            CircleData(pt.precise[c.v1], pt.precise[c.v2], pt.precise[kSlotOrthocentre]);
        if (!d.circumcentreValid) continue;
        PlaceSlot(pt, c.slot, d.circumcentre);
        if (!ctx.On(kCarnotKreise)) continue;
        MarkSlot(ctx, c.slot);
        const RealPoint centre = pt.precise[c.slot];
        DrawCircle(ctx, centre.x, centre.y, d.R);
        if (ctx.Shown() && std::isfinite(d.R)) ReportCircle(ctx, c.slot, "Carnot-Kreis", d.R);
    }
    if (!ctx.On(kCarnotDreieck) || !Present(pt, kSlotCarnot1) || !Present(pt, kSlotCarnot2) ||
        !Present(pt, kSlotCarnot3))
        return;
    DrawSegment(ctx, kSlotCarnot1, kSlotCarnot2);
    DrawSegment(ctx, kSlotCarnot1, kSlotCarnot3);
    DrawSegment(ctx, kSlotCarnot2, kSlotCarnot3);
    for (const auto& c : circles) {
        const IntPoint s = pt.screen[c.slot];
        ctx.canvas.TextOut(RoundClamp(s.x + 2.0), RoundClamp(s.y + 2.0), c.text);
    }
    if (ctx.Shown()) ReportTriangle(ctx, kSlotCarnot1, kSlotCarnot2, kSlotCarnot3, "Carnot");
}

// The Carnot triangle is ABC reflected in N: its orthocentre and feet are 2N - H and 2N - the
// feet; with the midpoints of AH, BH, CH they make the picture of a cuboid.
void CarnotExtras(PaintContext& ctx) {
    PointTable& pt = ctx.pt;
    Canvas& canvas = ctx.canvas;
    const RealPoint N = pt.precise[kSlotNinePoint], H = pt.precise[kSlotOrthocentre];
    PlaceSlot(pt, kSlotCarnotOrthocentre, Reflect(H, N));
    PlaceSlot(pt, kSlotCarnotFoot1, Reflect(pt.precise[kSlotFootB], N));
    PlaceSlot(pt, kSlotCarnotFoot2, Reflect(pt.precise[kSlotFootA], N));
    PlaceSlot(pt, kSlotCarnotFoot3, Reflect(pt.precise[kSlotFootC], N));
    PlaceSlot(pt, kSlotHalfAH, Midpoint(pt.precise[kSlotA], H));
    PlaceSlot(pt, kSlotHalfBH, Midpoint(pt.precise[kSlotB], H));
    PlaceSlot(pt, kSlotHalfCH, Midpoint(pt.precise[kSlotC], H));

    if (ctx.On(kCarnotDreieckHoehen)) {
        canvas.SetPenColor(kBlue);
        DrawSlotSegment(ctx, kSlotCarnot1, kSlotCarnotFoot3, "Carnot-Dreieck-Höhe");
        DrawSlotSegment(ctx, kSlotCarnot2, kSlotCarnotFoot1, "");
        DrawSlotSegment(ctx, kSlotCarnot3, kSlotCarnotFoot2, "");
    }
    if (ctx.On(kCarnotQuaderprojektion)) {
        canvas.SetPenColor(kBlack);
        canvas.SetPenWidth(2);
        static constexpr int kEdges[12][2] = {{kSlotMidAB, kSlotCarnotOrthocentre},
                                              {kSlotMidAC, kSlotCarnotOrthocentre},
                                              {kSlotMidBC, kSlotCarnotOrthocentre},
                                              {kSlotHalfAH, kSlotOrthocentre},
                                              {kSlotHalfBH, kSlotOrthocentre},
                                              {kSlotHalfCH, kSlotOrthocentre},
                                              {kSlotMidAB, kSlotHalfAH},
                                              {kSlotMidAC, kSlotHalfAH},
                                              {kSlotMidAC, kSlotHalfCH},
                                              {kSlotMidBC, kSlotHalfCH},
                                              {kSlotMidBC, kSlotHalfBH},
                                              {kSlotMidAB, kSlotHalfBH}};
        for (const auto& e : kEdges)
            DrawSegment(ctx, e[0], e[1]);
        canvas.SetPenWidth(1);
    }
    if (ctx.On(kCarnotDreieckHoehenpunkt)) {
        for (int slot = kSlotCarnotOrthocentre; slot <= kSlotCarnotFoot3; ++slot)
            MarkSlot(ctx, slot);
        if (ctx.Shown()) {
            ReportSlot(ctx, kSlotCarnotOrthocentre, "Carnot-Dreieck-Höhenpunkt");
            ReportSlot(ctx, kSlotCarnotFoot1, "Carnot-Dreieck-Fußpunkt");
            ReportSlot(ctx, kSlotCarnotFoot2, "");
            ReportSlot(ctx, kSlotCarnotFoot3, "");
        }
    }
}

} // namespace

void OrthocentreFamily(PaintContext& ctx) {
    PointTable& pt = ctx.pt;
    Canvas& canvas = ctx.canvas;

    // 1. H and the feet, with the blue pen that the first steps draw with.
    canvas.SetPenColor(kBlue);
    OrthocentreAndFeet(ctx);

    // 2. Polar circle and its centre, altitudes, orthic triangle.
    PolarCircle(ctx);
    Altitudes(ctx);
    OrthicTriangle(ctx);

    // 3. Reflections of H and of the vertices, kites, mirror lines, Musselman circles.
    Reflections(pt);
    Kites(ctx);
    HMirrorLinesAndPoints(ctx);
    MirrorLinesAndTriangle(ctx);
    MusselmanCircles(ctx);

    // 4. Points in black: Musselman point, mirror points, H; then the nine-point circle.
    canvas.SetPenColor(kBlack);
    MusselmanPoint(ctx);
    MirrorPointMarks(ctx);
    if (ctx.On(kHoehenschnittpunkt) && Present(pt, kSlotOrthocentre)) {
        MarkSlotLetter(ctx, kSlotOrthocentre, "H");
        if (ctx.Shown()) ReportSlot(ctx, kSlotOrthocentre, "Höhenschnittpunkt");
    }
    NinePointCircle(ctx);

    // 5. Euler line through H and S.
    canvas.SetPenColor(kRed);
    if (ctx.On(kEulerGerade))
        DrawLineReported(ctx, "Euler-Gerade", pt.precise[kSlotOrthocentre], pt.precise[kSlotCentroid]);

    // 6. Sub-triangles around I, Villiers figures, segment UH, Schiffler point.
    for (const SubTriangle& t : kAroundIncentre)
        SubTriangleElements(ctx, t);
    Villiers(ctx);
    SegmentUH(ctx);
    Schiffler(ctx);

    // 7. Sub-triangles at the feet and the Thébault point.
    for (const SubTriangle& t : kAtTheFeet)
        SubTriangleElements(ctx, t);
    Thebault(ctx);

    // 8. Carnot circles, triangle and cuboid.
    CarnotCircles(ctx);
    CarnotExtras(ctx);
}

} // namespace trimora
