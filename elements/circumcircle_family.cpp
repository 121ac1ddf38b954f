// Circumcircle and incircle with their centres U and I, the segments from the vertices to them,
// the three Euler circles and the pedal elements of U and I.
#include "draw/point_table.h"
#include "draw/primitives.h"
#include "draw/results.h"
#include "elements/families.h"

#include <cmath>

namespace trimora {
namespace {

constexpr int kInkreis = 16;            // "Inkreis"
constexpr int kUmkreis = 17;            // "Umkreis"
constexpr int kInkreisLotpunkte = 98;   // "Inkreis-Lotpunkte" (99, 100 follow)
constexpr int kUmkreisLotdreieck = 302; // "Umkreis-Lotdreieck" (303, 304 follow)
constexpr int kStreckenEckenU = 415;    // "Strecken Ecken-U"
constexpr int kStreckenEckenI = 461;    // "Strecken Ecken-I"
constexpr int kEulerscheKreise = 497;   // "Eulersche Kreise"

constexpr int kSlotEulerCircle = 399; // scratch: centre of the current Euler circle

} // namespace

void CircleRadii(PaintContext& ctx) {
    BaseMeasureRecord& m = ctx.base;
    const double a = SlotDistanceWorld(ctx.pt, kSlotC, kSlotB), b = SlotDistanceWorld(ctx.pt, kSlotA, kSlotC),
                 c = SlotDistanceWorld(ctx.pt, kSlotA, kSlotB);
    double r = 0, R = 0;
    // Triangles whose sides b and c multiply to at most 0.1 square units get no circles.
    if (std::fabs(b * c) > 0.1) {
        const double cosA = (a * a - b * b - c * c) / (-2 * b * c);
        if (std::fabs(cosA) < 1) {
            const double alpha = std::acos(cosA);
            if (a + b + c != 0) r = std::sin(alpha) * c * b * 100 / (a + b + c);
            if (std::sin(alpha) != 0) R = a * 50 / std::sin(alpha);
        }
    }
    m.Inradius = r;
    m.Circumradius = R;
    m.PolarRadius = 0;
    if (r * R != 0) CircumcircleFamily(ctx);
}

void CircumcircleFamily(PaintContext& ctx) {
    PointTable& pt = ctx.pt;
    BaseMeasureRecord& m = ctx.base;
    const RealPoint A = ScreenAsReal(pt, kSlotA), B = ScreenAsReal(pt, kSlotB), C = ScreenAsReal(pt, kSlotC);
    // 1. Collinear vertices: only the pedal elements of I (of its last position).
    const double det = A.x * B.y + A.y * C.x + B.x * C.y - B.y * C.x - A.y * B.x - A.x * C.y;
    if (det != 0) {
        // 2. U.
        SlotFromTrilinear(ctx, kSlotCircumcentre, std::cos(m.Alpha), std::cos(m.Beta), std::cos(m.Gamma));

        // 3. Segments from the vertices to U.
        ctx.canvas.SetPenColor(kBlue);
        if (ctx.On(kStreckenEckenU)) {
            DrawSegment(ctx, kSlotA, kSlotCircumcentre);
            DrawSegment(ctx, kSlotB, kSlotCircumcentre);
            DrawSegment(ctx, kSlotC, kSlotCircumcentre);
            if (ctx.Shown()) {
                ReportSlotDistance(ctx, kSlotA, kSlotCircumcentre, "Strecke AU");
                ReportSlotDistance(ctx, kSlotB, kSlotCircumcentre, "Strecke BU");
                ReportSlotDistance(ctx, kSlotC, kSlotCircumcentre, "Strecke CU");
                ReportSlotLine(ctx, kSlotA, kSlotCircumcentre, "Gerade AU");
                ReportSlotLine(ctx, kSlotB, kSlotCircumcentre, "Gerade BU");
                ReportSlotLine(ctx, kSlotC, kSlotCircumcentre, "Gerade CU");
            }
        }

        // 4. Circumcircle.
        const RealPoint U = pt.precise[kSlotCircumcentre];
        if (ctx.On(kUmkreis)) {
            DrawCircle(ctx, U.x, U.y, m.Circumradius);
            if (ctx.Shown()) ReportCircle(ctx, kSlotCircumcentre, "Umkreis", m.Circumradius);
        }

        // 5.-6. Pedal elements of U, polar radius.
        PedalFamily(ctx, kSlotCircumcentre, kUmkreisLotdreieck, "Umkreispunkt");
        m.PolarRadius = std::sqrt(std::fabs((m.SideA * m.SideA + m.SideB * m.SideB + m.SideC * m.SideC) / 2 -
                                            4 * m.Circumradius * m.Circumradius));

        // 7. I.
        SlotFromTrilinear(ctx, kSlotIncentre, 1, 1, 1);

        // 8. Euler circles around the side midpoints, radius R / 2.
        ctx.canvas.SetPenColor(kRed);
        if (ctx.On(kEulerscheKreise)) {
            const RealPoint a = pt.precise[kSlotA], b = pt.precise[kSlotB], c = pt.precise[kSlotC];
            for (const auto& [p, q] : {std::pair{a, b}, std::pair{a, c}, std::pair{b, c}}) {
                PlaceSlot(pt, kSlotEulerCircle, {(p.x + q.x) / 2, (p.y + q.y) / 2});
                const RealPoint centre = pt.precise[kSlotEulerCircle];
                DrawCircle(ctx, centre.x, centre.y, m.Circumradius / 2);
                if (ctx.Shown()) ReportCircle(ctx, kSlotEulerCircle, "Euler-Kreis", m.Circumradius / 2);
            }
        }

        // 9. Segments from the vertices to I, incircle.
        if (ctx.On(kStreckenEckenI)) {
            DrawSegment(ctx, kSlotA, kSlotIncentre);
            DrawSegment(ctx, kSlotB, kSlotIncentre);
            DrawSegment(ctx, kSlotC, kSlotIncentre);
            if (ctx.Shown()) {
                ReportSlotDistance(ctx, kSlotA, kSlotIncentre, "Strecke AI");
                ReportSlotDistance(ctx, kSlotB, kSlotIncentre, "Strecke BI");
                ReportSlotDistance(ctx, kSlotC, kSlotIncentre, "Strecke CI");
            }
        }
        if (ctx.On(kInkreis)) {
            const RealPoint I = pt.precise[kSlotIncentre];
            DrawCircle(ctx, I.x, I.y, m.Inradius);
            if (ctx.Shown()) ReportCircle(ctx, kSlotIncentre, "Inkreis", m.Inradius);
        }
    }
    // 10.
    PedalFamily(ctx, kSlotIncentre, kInkreisLotpunkte, "Inkreispunkt");
}

} // namespace trimora
