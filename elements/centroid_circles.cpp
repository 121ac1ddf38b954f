// The three centroid circles through two vertices and the centroid S, their centres and the
// triangle of the centres.
#include "draw/point_table.h"
#include "draw/primitives.h"
#include "draw/results.h"
#include "elements/families.h"
#include "base/lines.h"

#include <optional>

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
    const std::optional<CircleFit> circle = ListedCircle(ctx.pt, i, j, k);
    if (!circle) return 0;
    const RealPoint centre = circle->centre;
    const double radius = circle->radius;
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
