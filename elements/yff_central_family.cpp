// Epstein points, the Yff central point and triangle with its border triangles and lines, the
// Parry, equal-perimeter, equal-detour and equal-parallels points; then the Kiepert parabola and
// Steiner data, and the Kimberling centres X11, X12, X37, X23 and the first Griffiths point.
#include "draw/point_table.h"
#include "draw/primitives.h"
#include "draw/results.h"
#include "draw/slots.h"
#include "elements/families.h"
#include "base/lines.h"

#include <cmath>

namespace trimora {
namespace {

// Catalogue entries.
constexpr int kErsterEpsteinPunkt = 263;            // "1.Epstein-Punkt"
constexpr int kYffZentralpunkt = 264;               // "Yff-Zentralpunkt"
constexpr int kErsterYffZentraldreieckspunkt = 265; // "1.Yff-Zentraldreieckspunkt" (266, 267 follow)
constexpr int kYffZentraldreieckslinien = 268;      // "Yff-Zentraldreieckslinien"
constexpr int kYffZentraldreieck = 269;             // "Yff-Zentraldreieck"
constexpr int kParryPunkt = 270;                    // "Parry-Punkt"
constexpr int kGleicherUmfangPunkt = 271;           // "Gleicher-Umfang-Punkt"
constexpr int kUmfPStrecken = 272;                  // "UmfP ... Strecken zu A,B,C"
constexpr int kGleicherUmwegPunkt = 273;            // "Gleicher-Umweg-Punkt"
constexpr int kUmwPStrecken = 274;                  // "UmwP ... Strecken zu A,B,C"
constexpr int kGleicheParallelenPunkt = 275;        // "Gleiche-Parallelen-Punkt"
constexpr int kPPParallelen = 276;                  // "PP ... Parallelen"
constexpr int kPPParallelenpunkte = 277;            // "PP ... Parallelenpunkte"
constexpr int kErsterEpsteinLotpunkte = 278;        // "1.Epstein-Punkt-Lotpunkte" (279, 280 follow)
constexpr int kYffRanddreieckspunkte = 336;         // "Yff-Randdreieckspunkte"
constexpr int kYffZentralgeraden = 337;             // "Yff-Zentralgeraden"
constexpr int kYffRanddreieckeFuellen = 338;        // "Yff-Randdreiecke füllen"
constexpr int kZweiterEpsteinPunkt = 390;           // "2.Epstein-Punkt"
constexpr int kFeuerbachInkreisPunkt = 392;         // "Feuerbach-Inkreis-Punkt"
constexpr int kX12KimberlingPunkt = 393;            // "X12-Kimberling-Punkt"
constexpr int kFarOutPunkt = 394;                   // "Far-Out-Punkt"
constexpr int kX37KimberlingPunkt = 437;            // "X37-Kimberling-Punkt"
constexpr int kErsterGriffithsPunkt = 484;          // "1.Griffiths-Punkt"

// Slots.
constexpr int kSlotEpstein1 = 177;
constexpr int kSlotYffCentral = 178;
constexpr int kSlotYffCentral1 = 179; // the Yff central triangle
constexpr int kSlotYffCentral2 = 180;
constexpr int kSlotYffCentral3 = 181;
constexpr int kSlotParry = 182;
constexpr int kSlotEqualPerimeter = 183;
constexpr int kSlotEqualDetour = 184;
constexpr int kSlotEqualParallels = 185;
constexpr int kSlotParallelWork = 186; // a second point of the parallel in hand
constexpr int kSlotParallelEnd1 = 187; // 187 .. 192: the ends of the three parallels
constexpr int kSlotBorderCA1 = 225;    // 225 .. 230: where the central triangle's sides cut the sides
constexpr int kSlotBorderBC1 = 226;
constexpr int kSlotBorderBC2 = 227;
constexpr int kSlotBorderCA2 = 228;
constexpr int kSlotBorderAB1 = 229;
constexpr int kSlotBorderAB2 = 230;
constexpr int kSlotEpstein2 = 281;
constexpr int kSlotFeuerbachIncircle = 283; // X11
constexpr int kSlotX12 = 284;
constexpr int kSlotFarOut = 285; // X23
constexpr int kSlotX37 = kSlotBrocardAxisPoint1;
constexpr int kSlotGriffiths = 393; // X1373

constexpr Color kMaroon = Rgb(0x800000);
constexpr Color kBorderFill = Rgb(0xFFC8FF);

RealPoint Plus(RealPoint p, RealPoint q, RealPoint r) {
    return {p.x + q.x - r.x, p.y + q.y - r.y};
}

// 1. The Epstein points, each only while it is wanted; the first also for its pedal elements.
void EpsteinPoints(PaintContext& ctx) {
    const double a = ctx.base.SideA, b = ctx.base.SideB, c = ctx.base.SideC, area = ctx.base.AreaPixels;
    const double pa = a * (b + c - a), pb = b * (c + a - b), pc = c * (a + b - c);
    if (pa * pb * pc == 0) return;
    const bool pedal = ctx.On(kErsterEpsteinLotpunkte) || ctx.On(kErsterEpsteinLotpunkte + 1) ||
                       ctx.On(kErsterEpsteinLotpunkte + 2);
    if (ctx.On(kErsterEpsteinPunkt) || pedal) {
        SlotFromTrilinear(ctx, kSlotEpstein1, 1 - 4 * area / pa, 1 - 4 * area / pb, 1 - 4 * area / pc);
        if (ctx.On(kErsterEpsteinPunkt)) {
            MarkSlotTwoLetters(ctx, kSlotEpstein1, "E", "1");
            if (ctx.Shown()) ReportSlot(ctx, kSlotEpstein1, "1.Epstein-Punkt");
        }
        PedalFamily(ctx, kSlotEpstein1, kErsterEpsteinLotpunkte, "1.Epstein-Punkt");
    }
    if (ctx.On(kZweiterEpsteinPunkt)) {
        SlotFromTrilinear(ctx, kSlotEpstein2, 1 + 4 * area / pa, 1 + 4 * area / pb, 1 + 4 * area / pc);
        MarkSlotTwoLetters(ctx, kSlotEpstein2, "E", "2");
        if (ctx.Shown()) ReportSlot(ctx, kSlotEpstein2, "2.Epstein-Punkt");
    }
}

// 2.-5. The Yff central point and triangle, its lines and border triangles.
void YffCentralTriangle(PaintContext& ctx) {
    PointTable& pt = ctx.pt;
    Canvas& canvas = ctx.canvas;
    const double u = std::cos(ctx.base.Alpha / 2), v = std::cos(ctx.base.Beta / 2),
                 w = std::cos(ctx.base.Gamma / 2);
    SlotFromTrilinear(ctx, kSlotYffCentral, v + w - u, w + u - v, u + v - w);
    SlotFromTrilinear(ctx, kSlotYffCentral1, v * w, w * (u + w), v * (u + v));
    SlotFromTrilinear(ctx, kSlotYffCentral2, w * (v + w), u * w, u * (u + v));
    SlotFromTrilinear(ctx, kSlotYffCentral3, v * (v + w), u * (u + w), u * v);
    const RealPoint Y = pt.precise[kSlotYffCentral], Y1 = pt.precise[kSlotYffCentral1],
                    Y2 = pt.precise[kSlotYffCentral2], Y3 = pt.precise[kSlotYffCentral3];
    const bool triangle =
        Present(pt, kSlotYffCentral1) && Present(pt, kSlotYffCentral2) && Present(pt, kSlotYffCentral3);

    // 2. Parallels to the central triangle's sides through the central point.
    if (ctx.On(kYffZentralgeraden)) {
        canvas.SetPenColor(kLime);
        if (triangle && Present(pt, kSlotYffCentral)) {
            DrawLineReported(ctx, "Yff-Zentralgerade", Y, Plus(Y, Y1, Y2));
            DrawLineReported(ctx, "Yff-Zentralgerade", Y, Plus(Y, Y3, Y2));
            DrawLineReported(ctx, "Yff-Zentralgerade", Y, Plus(Y, Y1, Y3));
        }
        canvas.SetPenColor(kBlack);
    }

    // 3. Border points.
    const RealPoint A = pt.precise[kSlotA], B = pt.precise[kSlotB], C = pt.precise[kSlotC];
    PlaceSlot(pt, kSlotBorderBC1, IntersectLines(Y1, Y3, B, C).p);
    PlaceSlot(pt, kSlotBorderBC2, IntersectLines(Y1, Y2, B, C).p);
    PlaceSlot(pt, kSlotBorderCA1, IntersectLines(Y1, Y2, C, A).p);
    PlaceSlot(pt, kSlotBorderCA2, IntersectLines(Y2, Y3, C, A).p);
    PlaceSlot(pt, kSlotBorderAB1, IntersectLines(Y1, Y3, A, B).p);
    PlaceSlot(pt, kSlotBorderAB2, IntersectLines(Y2, Y3, A, B).p);

    // 4. The border triangles, filled without outline.
    if (ctx.On(kYffRanddreieckeFuellen)) {
        canvas.SetBrushColor(kBorderFill);
        canvas.SetPenStyle(PenStyle::Clear);
        const int corners[3][3] = {{kSlotBorderBC2, kSlotBorderBC1, kSlotYffCentral1},
                                   {kSlotBorderCA1, kSlotBorderCA2, kSlotYffCentral2},
                                   {kSlotBorderAB1, kSlotBorderAB2, kSlotYffCentral3}};
        for (const auto& t : corners) {
            if (!Present(pt, t[0]) || !Present(pt, t[1]) || !Present(pt, t[2])) continue;
            const IntPoint polygon[3] = {pt.screen[t[0]], pt.screen[t[1]], pt.screen[t[2]]};
            canvas.Polygon(polygon);
        }
        canvas.SetPenStyle(PenStyle::Solid);
        if (ctx.Shown()) {
            ReportTriangle(ctx, kSlotYffCentral1, kSlotBorderBC1, kSlotBorderBC2, "Yff-Rand");
            ReportTriangle(ctx, kSlotYffCentral2, kSlotBorderCA1, kSlotBorderCA2, "Yff-Rand");
            ReportTriangle(ctx, kSlotYffCentral3, kSlotBorderAB1, kSlotBorderAB2, "Yff-Rand");
        }
    }

    // 5. Points, lines and the central triangle.
    if (ctx.On(kYffZentralpunkt)) {
        MarkSlotLetter(ctx, kSlotYffCentral, "Y");
        if (ctx.Shown()) ReportSlot(ctx, kSlotYffCentral, "Yff Zentralpunkt");
    }
    const char* const pointLabels[3] = {"1.Yff Zentraldreieckspunkt", "2.Yff Zentraldreieckspunkt",
                                        "3.Yff Zentraldreieckspunkt"};
    const char* const marks[3] = {"1", "2", "3"};
    for (int n = 0; n < 3; ++n) {
        if (!ctx.On(kErsterYffZentraldreieckspunkt + n)) continue;
        MarkSlotTwoLetters(ctx, kSlotYffCentral1 + n, "Y", marks[n]);
        if (ctx.Shown()) ReportSlot(ctx, kSlotYffCentral1 + n, pointLabels[n]);
    }
    if (ctx.On(kYffRanddreieckspunkte)) {
        for (int slot = kSlotBorderCA1; slot <= kSlotBorderAB2; ++slot) {
            MarkSlot(ctx, slot);
            if (ctx.Shown()) ReportSlot(ctx, slot, "Yff-Randdreieckspunkt");
        }
    }
    if (ctx.On(kYffZentraldreieckslinien)) {
        canvas.SetPenColor(kBlue);
        if (triangle) {
            DrawLineAcross(ctx, Y1.x, Y1.y, Y2.x, Y2.y);
            DrawLineAcross(ctx, Y1.x, Y1.y, Y3.x, Y3.y);
            DrawLineAcross(ctx, Y3.x, Y3.y, Y2.x, Y2.y);
        }
        canvas.SetPenColor(kMaroon);
    }
    if (ctx.On(kYffZentraldreieck)) {
        DrawSlotSegment(ctx, kSlotYffCentral1, kSlotYffCentral2, "Zentraldreieck-Linie");
        DrawSlotSegment(ctx, kSlotYffCentral1, kSlotYffCentral3, "");
        DrawSlotSegment(ctx, kSlotYffCentral2, kSlotYffCentral3, "");
    }
}

// 6.-7. The Parry point and the equal-perimeter and equal-detour points with their segments.
void ParryAndEqualPerimeterPoints(PaintContext& ctx) {
    Canvas& canvas = ctx.canvas;
    const double a = ctx.base.SideA, b = ctx.base.SideB, c = ctx.base.SideC;
    const double a2 = a * a, b2 = b * b, c2 = c * c;
    const double da = 2 * a2 - b2 - c2, db = 2 * b2 - c2 - a2, dc = 2 * c2 - a2 - b2;
    if (ctx.On(kParryPunkt) && da != 0 && db != 0 && dc != 0) {
        SlotFromTrilinear(ctx, kSlotParry, a / da, b / db, c / dc);
        MarkSlotTwoLetters(ctx, kSlotParry, "P", "a");
        if (ctx.Shown()) ReportSlot(ctx, kSlotParry, "Parry-Punkt");
    }

    const double u = std::cos(ctx.base.Alpha / 2), v = std::cos(ctx.base.Beta / 2),
                 w = std::cos(ctx.base.Gamma / 2);
    if (u == 0 || v == 0 || w == 0) return;
    auto segments = [&](int slot) {
        canvas.SetPenColor(kBlue);
        DrawSlotSegment(ctx, kSlotA, slot, "… Strecke nach A");
        DrawSlotSegment(ctx, kSlotB, slot, "… Strecke nach B");
        DrawSlotSegment(ctx, kSlotC, slot, "… Strecke nach C");
    };
    SlotFromTrilinear(ctx, kSlotEqualPerimeter, v * w / u - 1, w * u / v - 1, u * v / w - 1);
    if (ctx.On(kGleicherUmfangPunkt)) {
        MarkSlot(ctx, kSlotEqualPerimeter);
        if (ctx.Shown()) ReportSlot(ctx, kSlotEqualPerimeter, "Gleicher-Umfang-Punkt");
    }
    if (ctx.On(kUmfPStrecken)) segments(kSlotEqualPerimeter);
    SlotFromTrilinear(ctx, kSlotEqualDetour, v * w / u + 1, w * u / v + 1, u * v / w + 1);
    if (ctx.On(kGleicherUmwegPunkt)) {
        MarkSlot(ctx, kSlotEqualDetour);
        if (ctx.Shown()) ReportSlot(ctx, kSlotEqualDetour, "Gleicher-Umweg-Punkt");
    }
    if (ctx.On(kUmwPStrecken)) segments(kSlotEqualDetour);
}

// 8. The equal-parallels point: the parallels to the sides through it cut equal segments.
void EqualParallelsPoint(PaintContext& ctx) {
    PointTable& pt = ctx.pt;
    Canvas& canvas = ctx.canvas;
    const double a = ctx.base.SideA, b = ctx.base.SideB, c = ctx.base.SideC;
    SlotFromTrilinear(ctx, kSlotEqualParallels, b * c * (a * b + a * c - b * c),
                      c * a * (a * b + b * c - c * a), a * b * (b * c + c * a - a * b));
    if (ctx.On(kGleicheParallelenPunkt)) {
        MarkSlot(ctx, kSlotEqualParallels);
        if (ctx.Shown()) ReportSlot(ctx, kSlotEqualParallels, "Gleiche-Parallelen-Punkt");
    }
    const RealPoint A = ScreenAsReal(pt, kSlotA), B = ScreenAsReal(pt, kSlotB), C = ScreenAsReal(pt, kSlotC);
    const struct {
        RealPoint from, to; // the direction of the parallel
        RealPoint l1a, l1b, l2a, l2b;
    } parallels[3] = {{B, A, A, C, B, C}, {C, A, B, C, A, B}, {B, C, A, C, A, B}};
    int end = kSlotParallelEnd1;
    for (const auto& p : parallels) {
        if (Present(pt, kSlotEqualParallels))
            PlaceSlot(pt, kSlotParallelWork, Plus(pt.precise[kSlotEqualParallels], p.to, p.from));
        else
            PlaceAbsent(pt, kSlotParallelWork);
        const RealPoint P = pt.precise[kSlotEqualParallels], W = pt.precise[kSlotParallelWork];
        PlaceSlot(pt, end++, IntersectLines(P, W, p.l1a, p.l1b).p);
        PlaceSlot(pt, end++, IntersectLines(P, W, p.l2a, p.l2b).p);
    }
    if (ctx.On(kPPParallelen)) {
        canvas.SetPenColor(kGreen);
        DrawSlotSegment(ctx, kSlotParallelEnd1, kSlotParallelEnd1 + 1, "… Parallele");
        DrawSlotSegment(ctx, kSlotParallelEnd1 + 2, kSlotParallelEnd1 + 3, "");
        DrawSlotSegment(ctx, kSlotParallelEnd1 + 4, kSlotParallelEnd1 + 5, "");
        canvas.SetPenColor(kBlack);
    }
    if (ctx.On(kPPParallelenpunkte)) {
        for (int slot = kSlotParallelEnd1; slot < kSlotParallelEnd1 + 6; ++slot) {
            MarkSlot(ctx, slot);
            if (ctx.Shown()) ReportSlot(ctx, slot, "… Parallelen-Punkt");
        }
    }
}

// 10. Further centres, each computed only while its entry is on.
void KimberlingCentres(PaintContext& ctx) {
    const double a = ctx.base.SideA, b = ctx.base.SideB, c = ctx.base.SideC;
    const double alpha = ctx.base.Alpha, beta = ctx.base.Beta, gamma = ctx.base.Gamma;
    if (ctx.On(kFeuerbachInkreisPunkt)) {
        SlotFromTrilinear(ctx, kSlotFeuerbachIncircle, 1 - std::cos(beta - gamma),
                          1 - std::cos(gamma - alpha), 1 - std::cos(alpha - beta));
        MarkSlotTwoLetters(ctx, kSlotFeuerbachIncircle, "1", "1");
        if (ctx.Shown()) ReportSlot(ctx, kSlotFeuerbachIncircle, "Feuerbach-Inkreis-Punkt");
    }
    if (ctx.On(kX12KimberlingPunkt)) {
        SlotFromTrilinear(ctx, kSlotX12, 1 + std::cos(beta - gamma), 1 + std::cos(gamma - alpha),
                          1 + std::cos(alpha - beta));
        MarkSlotTwoLetters(ctx, kSlotX12, "1", "2");
        if (ctx.Shown()) ReportSlot(ctx, kSlotX12, "Kimberling-Punkt X12");
    }
    if (ctx.On(kX37KimberlingPunkt)) {
        SlotFromTrilinear(ctx, kSlotX37, b + c, c + a, a + b);
        MarkSlotTwoLetters(ctx, kSlotX37, "3", "7");
        if (ctx.Shown()) ReportSlot(ctx, kSlotX37, "Kimberling-Punkt X37");
    }
    if (ctx.On(kFarOutPunkt)) {
        const double a2 = a * a, b2 = b * b, c2 = c * c, a4 = a2 * a2, b4 = b2 * b2, c4 = c2 * c2;
        SlotFromTrilinear(ctx, kSlotFarOut, a * (b4 + c4 - a4 - b2 * c2), b * (c4 + a4 - b4 - c2 * a2),
                          c * (a4 + b4 - c4 - a2 * b2));
        MarkSlot(ctx, kSlotFarOut);
        if (ctx.Shown()) ReportSlot(ctx, kSlotFarOut, "Far-Out-Punkt X23");
    }
    // The Griffiths point mixes the area with lengths: both in world units.
    const double aw = a / 100, bw = b / 100, cw = c / 100, areaWorld = ctx.base.AreaWorld;
    const double pa = aw * (bw + cw - aw), pb = bw * (cw + aw - bw), pc = cw * (aw + bw - cw);
    if (ctx.On(kErsterGriffithsPunkt) && pa != 0 && pb != 0 && pc != 0) {
        SlotFromTrilinear(ctx, kSlotGriffiths, 1 + 8 * areaWorld / pa, 1 + 8 * areaWorld / pb,
                          1 + 8 * areaWorld / pc);
        MarkSlot(ctx, kSlotGriffiths);
        if (ctx.Shown()) ReportSlot(ctx, kSlotGriffiths, "1.Griffiths-Punkt X1373");
    }
}

} // namespace

void YffCentralFamily(PaintContext& ctx) {
    ctx.canvas.SetPenColor(kMaroon);
    EpsteinPoints(ctx);
    YffCentralTriangle(ctx);
    ParryAndEqualPerimeterPoints(ctx);
    EqualParallelsPoint(ctx);
    // 9.
    KiepertParabolaAndSteinerData(ctx);
    KimberlingCentres(ctx);
}

} // namespace trimora
