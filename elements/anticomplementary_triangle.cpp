// The anticomplementary triangle (the triangle whose medial triangle is ABC) with its vertices, the
// lines from the vertices of ABC to the opposite vertices, its circumcircle and incircle, and the
// Carnot-Johnson segments from the orthocentre to its vertices.
#include "draw/point_table.h"
#include "draw/primitives.h"
#include "draw/results.h"
#include "elements/families.h"

#include <algorithm>
#include <cmath>

namespace trimora {
namespace {

// Catalogue entries.
constexpr int kAntikomplementaerDreieck = 69;  // "Antikomplementär-Dreieck"
constexpr int kAntikomplementaerPunkte = 70;   // "Antikomplementär-Punkte"
constexpr int kAntikomplementaerUmkreis = 494; // "Antikomplementärumkreis"
constexpr int kAntikomplementaerInkreis = 495; // "Antikomplementärinkreis"
constexpr int kCarnotJohnsonStrecken = 496;    // "Carnot-Johnson-Strecken"
constexpr int kAntikomplementaerlinien = 506;  // "Antikomplementärlinien"

// Slots.
constexpr int kSlotOppositeB = 60;     // A + C - B
constexpr int kSlotOppositeC = 61;     // A + B - C
constexpr int kSlotOppositeA = 62;     // B + C - A
constexpr int kSlotCircleCentre = 398; // centre of the circle being reported

} // namespace

void AnticomplementaryTriangle(PaintContext& ctx) {
    PointTable& pt = ctx.pt;
    Canvas& canvas = ctx.canvas;

    // The vertices from the screen points, each from the one before: 60, then 61 = 2A - 60 and
    // 62 = 2B - 61.
    const RealPoint A = ScreenAsReal(pt, kSlotA), B = ScreenAsReal(pt, kSlotB), C = ScreenAsReal(pt, kSlotC);
    PlaceSlot(pt, kSlotOppositeB, {A.x + C.x - B.x, A.y + C.y - B.y});
    const RealPoint p60 = pt.precise[kSlotOppositeB];
    PlaceSlot(pt, kSlotOppositeC, {2 * A.x - p60.x, 2 * A.y - p60.y});
    const RealPoint p61 = pt.precise[kSlotOppositeC];
    PlaceSlot(pt, kSlotOppositeA, {2 * B.x - p61.x, 2 * B.y - p61.y});

    // 1. The triangle.
    canvas.SetPenColor(kGreen);
    if (ctx.On(kAntikomplementaerDreieck)) {
        DrawSegment(ctx, kSlotOppositeB, kSlotOppositeC);
        DrawSegment(ctx, kSlotOppositeC, kSlotOppositeA);
        DrawSegment(ctx, kSlotOppositeA, kSlotOppositeB);
        if (ctx.Shown())
            ReportTriangle(ctx, kSlotOppositeB, kSlotOppositeC, kSlotOppositeA, "Antikomplementär");
    }

    // 2. Each vertex of ABC to the opposite vertex of the triangle (through the side's midpoint).
    canvas.SetBrushColor(kYellow);
    if (ctx.On(kAntikomplementaerlinien)) {
        DrawSlotSegment(ctx, kSlotA, kSlotOppositeA, "Antikomplementärlinie");
        DrawSlotSegment(ctx, kSlotB, kSlotOppositeB, "Antikomplementärlinie");
        DrawSlotSegment(ctx, kSlotC, kSlotOppositeC, "Antikomplementärlinie");
    }

    // 3. The vertices, marked with the yellow brush of step 2.
    if (ctx.On(kAntikomplementaerPunkte)) {
        canvas.SetPenColor(kBlack);
        for (int slot : {kSlotOppositeB, kSlotOppositeC, kSlotOppositeA}) {
            const IntPoint s = pt.screen[slot];
            MarkPoint(ctx, s.x, s.y);
        }
        if (ctx.Shown())
            for (int slot : {kSlotOppositeB, kSlotOppositeC, kSlotOppositeA})
                ReportSlot(ctx, slot, "Antikomplementär-Dreieckspunkt");
    }

    // 4.-6. Circumcircle (centre H, twice the circumradius) and incircle (centre at the Nagel
    // point, twice the inradius). Three collinear vertices have neither.
    const RealPoint p62 = pt.precise[kSlotOppositeA];
    const bool flat = NearlyCollinear(p60, p61, p62);
    const CircleDataResult circle = CircleData(p60, p61, p62);
    if (ctx.On(kAntikomplementaerUmkreis)) {
        canvas.SetPenColor(kBlue);
        if (circle.circumcentreValid && !flat) {
            DrawCircle(ctx, circle.circumcentre.x, circle.circumcentre.y, circle.R);
            PlaceSlot(pt, kSlotCircleCentre, circle.circumcentre);
            if (ctx.Shown()) ReportCircle(ctx, kSlotCircleCentre, "Antikomplementärumkreis", circle.R);
        }
    }
    if (ctx.On(kAntikomplementaerInkreis)) {
        canvas.SetPenColor(kMagenta);
        if (circle.incentreValid && !flat) {
            DrawCircle(ctx, circle.incentre.x, circle.incentre.y, circle.r);
            PlaceSlot(pt, kSlotCircleCentre, circle.incentre);
            if (ctx.Shown()) ReportCircle(ctx, kSlotCircleCentre, "Antikomplementärinkreis", circle.r);
        }
    }

    // 7. Carnot-Johnson segments from the orthocentre.
    if (ctx.On(kCarnotJohnsonStrecken)) {
        canvas.SetPenColor(kLime);
        if (!Present(pt, kSlotOrthocentre)) return;
        DrawSegment(ctx, kSlotOrthocentre, kSlotOppositeB);
        DrawSegment(ctx, kSlotOrthocentre, kSlotOppositeC);
        DrawSegment(ctx, kSlotOrthocentre, kSlotOppositeA);
    }
}

} // namespace trimora
