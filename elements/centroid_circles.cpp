// The three centroid circles through two vertices and the centroid S, their centres and the
// triangle of the centres.
#include "draw/point_table.h"
#include "draw/primitives.h"
#include "draw/results.h"
#include "elements/families.h"

#include <cmath>

namespace trimora {
namespace {

constexpr int kSchwerpunktkreise = 46; // "Schwerpunktkreise"
constexpr int kSwkMittelpunkte = 47;   // "SWK ... Mittelpunkte"
constexpr int kSwkDreieck = 48;        // "SWK ... Dreieck"

constexpr int kSlotCentroidCircle1 = 35; // circle A, B, S
constexpr int kSlotCentroidCircle2 = 36; // circle A, C, S
constexpr int kSlotCentroidCircle3 = 37; // circle B, C, S

} // namespace

double CircleThroughSlots(PaintContext& ctx, int i, int j, int k, int slot) {
    if (!Present(ctx.pt, i) || !Present(ctx.pt, j) || !Present(ctx.pt, k)) return 0;
    // Screen coordinates as reals: their products overflow 32 bits for large typed coordinates.
    const double x1 = ctx.pt.screen[i].x, y1 = ctx.pt.screen[i].y;
    const double x2 = ctx.pt.screen[j].x, y2 = ctx.pt.screen[j].y;
    const double x3 = ctx.pt.screen[k].x, y3 = ctx.pt.screen[k].y;
    const double det = x2 * y3 - x1 * y3 + x1 * y2 - y2 * x3 + y1 * x3 - y1 * x2;
    if (det == 0) return 0;
    const double r1 = -(x1 * x1 + y1 * y1), r2 = -(x2 * x2 + y2 * y2), r3 = -(x3 * x3 + y3 * y3);
    // D x + E y + F = -(x^2 + y^2) for the three points.
    const double D = (r1 * (y2 - y3) - y1 * (r2 - r3) + (r2 * y3 - r3 * y2)) / det;
    const double E = (x1 * (r2 - r3) - r1 * (x2 - x3) + (x2 * r3 - x3 * r2)) / det;
    const double F = (x1 * (y2 * r3 - y3 * r2) - y1 * (x2 * r3 - x3 * r2) + r1 * (x2 * y3 - x3 * y2)) / det;
    const RealPoint centre{-D / 2, -E / 2};
    const double radius = std::sqrt(std::fabs((D / 2) * (D / 2) + (E / 2) * (E / 2) - F));
    ctx.canvas.SetPenColor(kPurple);
    PlaceSlot(ctx.pt, slot, centre);
    if (ctx.On(kSchwerpunktkreise)) DrawCircle(ctx, centre.x, centre.y, radius);
    ctx.canvas.SetPenColor(kBlack);
    if (ctx.On(kSwkMittelpunkte)) MarkSlot(ctx, slot);
    return radius;
}

void CentroidCircles(PaintContext& ctx) {
    const struct {
        int v1, v2, slot;
        const char* centreLabel;
        const char* radiusLabel;
    } circles[3] = {
        {kSlotA, kSlotB, kSlotCentroidCircle1, "1.Schwerpunktkreis-Mittelpunkt", "1.Schwerpunktkreis-Radius"},
        {kSlotA, kSlotC, kSlotCentroidCircle2, "2.Schwerpunktkreis-Mittelpunkt", "2.Schwerpunktkreis-Radius"},
        {kSlotB, kSlotC, kSlotCentroidCircle3, "3.Schwerpunktkreis-Mittelpunkt", "3.Schwerpunktkreis-Radius"},
    };
    for (const auto& c : circles) {
        const double radius = CircleThroughSlots(ctx, c.v1, c.v2, kSlotCentroid, c.slot);
        if (radius == 0 || !ctx.Shown()) continue; // collinear: no circle to report
        if (ctx.On(kSwkMittelpunkte)) ReportSlot(ctx, c.slot, c.centreLabel);
        if (ctx.On(kSchwerpunktkreise)) ReportRadius(ctx, c.radiusLabel, radius);
    }
    ctx.canvas.SetPenColor(kGrey);
    if (ctx.On(kSwkDreieck)) {
        DrawSegment(ctx, kSlotCentroidCircle1, kSlotCentroidCircle2);
        DrawSegment(ctx, kSlotCentroidCircle2, kSlotCentroidCircle3);
        DrawSegment(ctx, kSlotCentroidCircle3, kSlotCentroidCircle1);
        if (ctx.Shown())
            ReportTriangle(ctx, kSlotCentroidCircle1, kSlotCentroidCircle2, kSlotCentroidCircle3, "Schwerpunktkreis");
    }
    ctx.canvas.SetPenColor(kBlack);
}

} // namespace trimora
