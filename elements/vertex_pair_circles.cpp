// Circles through two vertices and the incentre, the circumcentre or the orthocentre; the Fermat
// line, the Napoleon line and the four lines joining Fermat and Napoleon points.
#include "draw/point_table.h"
#include "draw/primitives.h"
#include "draw/results.h"
#include "elements/families.h"

#include <string>

namespace trimora {
namespace {

// Catalogue entries.
constexpr int kKreiseEckpunkteI = 469;      // "Kreise Eckpunkte-I"
constexpr int kKreiseEckpunkteU = 470;      // "Kreise Eckpunkte-U"
constexpr int kKreiseEckpunkteH = 471;      // "Kreise Eckpunkte-H"
constexpr int kFermatGerade = 485;          // "Fermat-Gerade"
constexpr int kNapoleonGerade = 486;        // "Napoleon-Gerade"
constexpr int kFermatNapoleonGeraden = 487; // "Fermat-Napoleon-Geraden"

// The centre of the circle in hand goes to the scratch slot of the Bézier control point.
constexpr int kSlotCentre = kSlotBezierControl;

// The circle through the precise points of three slots, red, with its centre marked; nothing when
// the points are collinear or one of them is absent.
void VertexPairCircle(PaintContext& ctx, int first, int second, int third, std::string_view name) {
    PointTable& pt = ctx.pt;
    const CircleDataResult d = CircleData(pt.precise[first], pt.precise[second], pt.precise[third]);
    if (!d.circumcentreValid) return;
    PlaceSlot(pt, kSlotCentre, d.circumcentre);
    ctx.canvas.SetPenColor(kRed);
    DrawCircle(ctx, d.circumcentre.x, d.circumcentre.y, d.R);
    ctx.canvas.SetPenColor(kBlack);
    MarkSlot(ctx, kSlotCentre);
    if (ctx.Shown()) ReportCircle(ctx, kSlotCentre, "Kreis " + std::string(name), d.R);
}

} // namespace

void VertexPairCircles(PaintContext& ctx) {
    // 1.-3.
    const struct {
        int entry, centre;
        const char* names[3];
    } groups[3] = {{kKreiseEckpunkteI, kSlotIncentre, {"ABI", "ACI", "BCI"}},
                   {kKreiseEckpunkteU, kSlotCircumcentre, {"ABU", "ACU", "BCU"}},
                   {kKreiseEckpunkteH, kSlotOrthocentre, {"ABH", "ACH", "BCH"}}};
    for (const auto& g : groups) {
        if (!ctx.On(g.entry)) continue;
        VertexPairCircle(ctx, kSlotA, kSlotB, g.centre, g.names[0]);
        VertexPairCircle(ctx, kSlotA, kSlotC, g.centre, g.names[1]);
        VertexPairCircle(ctx, kSlotB, kSlotC, g.centre, g.names[2]);
    }

    // 4.-6. Whole lines, the first two in the pen as found.
    if (ctx.On(kFermatGerade)) DrawSlotLine(ctx, kSlotFermat, kSlotOuterFermat, "Fermat-Gerade");
    if (ctx.On(kNapoleonGerade)) DrawSlotLine(ctx, kSlotNapoleonCopy, kSlotSecondNapoleon, "Napoleon-Gerade");
    if (ctx.On(kFermatNapoleonGeraden)) {
        ctx.canvas.SetPenColor(kBlue);
        DrawSlotLine(ctx, kSlotFermat, kSlotNapoleonCopy, "1.Fermat-Napoleon-Gerade");
        DrawSlotLine(ctx, kSlotSecondNapoleon, kSlotOuterFermat, "2.Fermat-Napoleon-Gerade");
        DrawSlotLine(ctx, kSlotFermat, kSlotSecondNapoleon, "3.Fermat-Napoleon-Gerade");
        DrawSlotLine(ctx, kSlotOuterFermat, kSlotNapoleonCopy, "4.Fermat-Napoleon-Gerade");
    }
}

} // namespace trimora
