// The circles through two vertices and the circumcentre U, the triangle of their centres and
// the Kosnita segments from each centre to the opposite vertex.
#include "draw/point_table.h"
#include "draw/primitives.h"
#include "draw/results.h"
#include "elements/families.h"

namespace trimora {
namespace {

constexpr int kUmkreispunktKreisABU = 385; // "Umkreispunkt-Kreis ABU"
constexpr int kUmkreispunktKreisACU = 386; // "Umkreispunkt-Kreis ACU"
constexpr int kUmkreispunktKreisBCU = 387; // "Umkreispunkt-Kreis BCU"
constexpr int kUmkreispunktDreieck = 388;  // "Umkreispunkt-Dreieck"
constexpr int kKosnitaStrecken = 389;      // "Kosnita-Strecken"

constexpr int kSlotCircleABU = 278;
constexpr int kSlotCircleACU = 279;
constexpr int kSlotCircleBCU = 280;

constexpr Color kDarkBlue = Rgb(0x2828A0);

} // namespace

void CircumcirclePointCircles(PaintContext& ctx) {
    PointTable& pt = ctx.pt;
    ctx.canvas.SetPenColor(kDarkBlue);
    const struct {
        int v1, v2, slot, entry;
        const char* title;
    } circles[3] = {{kSlotA, kSlotB, kSlotCircleABU, kUmkreispunktKreisABU, "1.Umkreis-Kreis"},
                    {kSlotA, kSlotC, kSlotCircleACU, kUmkreispunktKreisACU, "2.Umkreis-Kreis"},
                    {kSlotB, kSlotC, kSlotCircleBCU, kUmkreispunktKreisBCU, "3.Umkreis-Kreis"}};
    int existing = 0;
    for (const auto& c : circles) {
        const CircleDataResult d = CircleData(pt.precise[c.v1], pt.precise[c.v2], pt.precise[kSlotCircumcentre]);
        if (!d.circumcentreValid) continue;
        ++existing;
        PlaceSlot(pt, c.slot, d.circumcentre);
        if (!ctx.On(c.entry)) continue;
        DrawCircle(ctx, d.circumcentre.x, d.circumcentre.y, d.R);
        MarkSlot(ctx, c.slot);
        if (ctx.Shown()) ReportCircle(ctx, c.slot, c.title, d.R);
    }
    if (existing == 3) {
        ctx.canvas.SetPenColor(kGrey);
        if (ctx.On(kUmkreispunktDreieck)) {
            DrawSegment(ctx, kSlotCircleABU, kSlotCircleACU);
            DrawSegment(ctx, kSlotCircleACU, kSlotCircleBCU);
            DrawSegment(ctx, kSlotCircleBCU, kSlotCircleABU);
            if (ctx.Shown()) ReportTriangle(ctx, kSlotCircleABU, kSlotCircleACU, kSlotCircleBCU, "Umkreispunkt");
        }
        ctx.canvas.SetPenColor(kRed);
        if (ctx.On(kKosnitaStrecken)) {
            DrawSegment(ctx, kSlotCircleABU, kSlotC);
            DrawSegment(ctx, kSlotCircleACU, kSlotB);
            DrawSegment(ctx, kSlotCircleBCU, kSlotA);
            if (ctx.Shown()) {
                ReportSlotLine(ctx, kSlotC, kSlotCircleABU, "Kosnita-Gerade");
                ReportSlotLine(ctx, kSlotB, kSlotCircleACU, "");
                ReportSlotLine(ctx, kSlotA, kSlotCircleBCU, "");
                ReportSlotDistance(ctx, kSlotC, kSlotCircleABU, "Kosnita-Länge");
                ReportSlotDistance(ctx, kSlotB, kSlotCircleACU, "");
                ReportSlotDistance(ctx, kSlotA, kSlotCircleBCU, "");
            }
        }
    }
    ctx.canvas.SetPenColor(kBlack);
}

} // namespace trimora
