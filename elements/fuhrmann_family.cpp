// The Fuhrmann family: the midpoints of the circumcircle arcs cut off by the sides, their
// reflections in the side midpoints (the Fuhrmann points), the Fuhrmann triangle and lines, the
// Fuhrmann circle with its centre, and the pedal elements of the centre and the three points.
#include "draw/point_table.h"
#include "draw/primitives.h"
#include "draw/results.h"
#include "draw/slots.h"
#include "elements/families.h"
#include "base/numeric.h"

#include <cmath>

namespace trimora {
namespace {

// Catalogue entries.
constexpr int kUmkreisbogenMittelpunkte = 175; // "Umkreisbogen-Mittelpunkte"
constexpr int kFuhrmannPunkte = 176;           // "Fuhrmann-Punkte"
constexpr int kFuhrmannLinien = 177;           // "Fuhrmann-Linien"
constexpr int kFuhrmannKreis = 178;            // "Fuhrmann-Kreis"
constexpr int kFuhrmannKreismittelpunkt = 179; // "Fuhrmann-Kreismittelpunkt"
constexpr int kFuhrmannDreieck = 180;          // "Fuhrmann-Dreieck"
constexpr int kFuhrmannKreisLotpunkte = 181;   // "Fuhrmann-Kreis-Lotpunkte" (182, 183 follow)
constexpr int kFuhrmannPunktALotpunkte = 184;  // "Fuhrmann-Punkt A-Lotpunkte" (185, 186 follow)
constexpr int kFuhrmannPunktBLotpunkte = 187;  // "Fuhrmann-Punkt B-Lotpunkte" (188, 189 follow)
constexpr int kFuhrmannPunktCLotpunkte = 190;  // "Fuhrmann-Punkt C-Lotpunkte" (191, 192 follow)

// Slots.
constexpr int kSlotArcAB = 124;      // "Uc": midpoint of the arc AB away from C
constexpr int kSlotArcAC = 125;      // "Ub"
constexpr int kSlotArcBC = 126;      // "Ua"
constexpr int kSlotFuhrmannAB = 127; // "F3": the arc midpoint reflected in the side midpoint
constexpr int kSlotFuhrmannAC = 128; // "F1"
constexpr int kSlotFuhrmannBC = 129; // "F2"
constexpr int kSlotWork = 130;       // the side midpoint in hand, finally the Fuhrmann centre

// Keeps the Fuhrmann circle away from a collapsing Fuhrmann triangle (square world units).
constexpr double kMinSideProduct = 0.1;

// 1.-2. The arc midpoint of the side PQ on the far side from the vertex R, and its reflection in
// the side midpoint. The arc midpoint lies on the perpendicular bisector at the distance R from U,
// on the side away from R, also when U itself lies beyond the side (an obtuse angle at R).
// False when there is no such direction.
bool ArcMidpointAndFuhrmannPoint(PaintContext& ctx, int p, int q, int r, int arcSlot, int fuhrmannSlot) {
    PointTable& pt = ctx.pt;
    PlaceSlot(pt, kSlotWork, Midpoint(ScreenAsReal(pt, p), ScreenAsReal(pt, q)));
    const RealPoint mid = pt.precise[kSlotWork];
    const RealPoint onBisector = PerpendicularPoint(ScreenAsReal(pt, p), ScreenAsReal(pt, q), mid);
    const RealPoint away =
        ReflectIfSameSide(ScreenAsReal(pt, p), ScreenAsReal(pt, q), ScreenAsReal(pt, r), onBisector, mid);
    const double dx = away.x - mid.x, dy = away.y - mid.y, length = Hypot(dx, dy);
    if (!(length > 0) || !std::isfinite(length)) return false;
    const RealPoint U = pt.precise[kSlotCircumcentre];
    const double radius = Hypot(U.x - pt.precise[kSlotA].x, U.y - pt.precise[kSlotA].y);
    PlaceSlot(pt, arcSlot, {U.x + radius * dx / length, U.y + radius * dy / length});
    const RealPoint arc = pt.precise[arcSlot];
    PlaceSlot(pt, fuhrmannSlot, {2 * mid.x - arc.x, 2 * mid.y - arc.y});
    return true;
}

// 7. The Fuhrmann circle about the circumcentre of the three Fuhrmann points; the centre slot is
// absent when the triangle gives no circle.
void FuhrmannCircle(PaintContext& ctx) {
    PointTable& pt = ctx.pt;
    PlaceAbsent(pt, kSlotWork);
    const RealPoint f3 = pt.precise[kSlotFuhrmannAB], f1 = pt.precise[kSlotFuhrmannAC],
                    f2 = pt.precise[kSlotFuhrmannBC];
    const double t = WorldDistance(f3, f1), u = WorldDistance(f1, f2), v = WorldDistance(f3, f2);
    if (!(std::fabs(u * v) > kMinSideProduct)) return;
    const double cosine = (t * t - u * u - v * v) / (-2 * u * v);
    if (!(cosine > -1 && cosine < 1)) return;
    const double sine = std::sin(std::acos(cosine));
    const double rho = sine == 0 ? 0 : 50 * t / sine;
    const CircleDataResult circle = CircleData(f3, f1, f2);
    if (!circle.circumcentreValid) return;
    PlaceSlot(pt, kSlotWork, circle.circumcentre);
    ctx.canvas.SetPenColor(kRed);
    ctx.canvas.SetBrushStyle(BrushStyle::Clear);
    if (ctx.On(kFuhrmannKreis)) DrawCircle(ctx, circle.circumcentre.x, circle.circumcentre.y, rho);
    if (ctx.On(kFuhrmannKreismittelpunkt)) {
        MarkSlotLetter(ctx, kSlotWork, "F");
        if (ctx.Shown()) ReportCircle(ctx, kSlotWork, "Fuhrmann-Kreis", rho);
    }
    PedalFamily(ctx, kSlotWork, kFuhrmannKreisLotpunkte, "Fuhrmann-Kreismittelpunkt");
}

} // namespace

void FuhrmannFamily(PaintContext& ctx) {
    PointTable& pt = ctx.pt;
    Canvas& canvas = ctx.canvas;
    if (!Present(pt, kSlotCircumcentre)) return;

    // 1.-2.
    if (!ArcMidpointAndFuhrmannPoint(ctx, kSlotA, kSlotB, kSlotC, kSlotArcAB, kSlotFuhrmannAB)) return;
    if (!ArcMidpointAndFuhrmannPoint(ctx, kSlotA, kSlotC, kSlotB, kSlotArcAC, kSlotFuhrmannAC)) return;
    if (!ArcMidpointAndFuhrmannPoint(ctx, kSlotB, kSlotC, kSlotA, kSlotArcBC, kSlotFuhrmannBC)) return;

    // 3. The Fuhrmann triangle.
    canvas.SetPenColor(kBlue);
    if (ctx.On(kFuhrmannDreieck)) {
        DrawSegment(ctx, kSlotFuhrmannAB, kSlotFuhrmannAC);
        DrawSegment(ctx, kSlotFuhrmannAC, kSlotFuhrmannBC);
        DrawSegment(ctx, kSlotFuhrmannAB, kSlotFuhrmannBC);
        if (ctx.Shown()) ReportTriangle(ctx, kSlotFuhrmannAB, kSlotFuhrmannAC, kSlotFuhrmannBC, "Fuhrmann");
    }

    // 4. The arc midpoints.
    canvas.SetPenColor(kGrey);
    if (ctx.On(kUmkreisbogenMittelpunkte)) {
        MarkSlotTwoLetters(ctx, kSlotArcAB, "U", "c");
        MarkSlotTwoLetters(ctx, kSlotArcAC, "U", "b");
        MarkSlotTwoLetters(ctx, kSlotArcBC, "U", "a");
        if (ctx.Shown()) {
            ReportSlot(ctx, kSlotArcAB, "Umkreisbogen-Mittelpunkt Uc");
            ReportSlot(ctx, kSlotArcAC, "Umkreisbogen-Mittelpunkt Ub");
            ReportSlot(ctx, kSlotArcBC, "Umkreisbogen-Mittelpunkt Ua");
        }
    }

    // 5. The Fuhrmann lines.
    if (ctx.On(kFuhrmannLinien)) {
        DrawSlotSegment(ctx, kSlotArcAB, kSlotFuhrmannAB, "Fuhrmann-Linie");
        DrawSlotSegment(ctx, kSlotArcAC, kSlotFuhrmannAC, "");
        DrawSlotSegment(ctx, kSlotArcBC, kSlotFuhrmannBC, "");
    }

    // 6. The Fuhrmann points.
    if (ctx.On(kFuhrmannPunkte)) {
        MarkSlotTwoLetters(ctx, kSlotFuhrmannAB, "F", "3");
        MarkSlotTwoLetters(ctx, kSlotFuhrmannAC, "F", "1");
        MarkSlotTwoLetters(ctx, kSlotFuhrmannBC, "F", "2");
        if (ctx.Shown()) {
            ReportSlot(ctx, kSlotFuhrmannAB, "Fuhrmann-Punkt F3");
            ReportSlot(ctx, kSlotFuhrmannAC, "Fuhrmann-Punkt F1");
            ReportSlot(ctx, kSlotFuhrmannBC, "Fuhrmann-Punkt F2");
        }
    }

    // 7.-8.
    FuhrmannCircle(ctx);
    PedalFamily(ctx, kSlotFuhrmannAB, kFuhrmannPunktALotpunkte, "Fuhrmann-Punkt A");
    PedalFamily(ctx, kSlotFuhrmannAC, kFuhrmannPunktBLotpunkte, "Fuhrmann-Punkt B");
    PedalFamily(ctx, kSlotFuhrmannBC, kFuhrmannPunktCLotpunkte, "Fuhrmann-Punkt C");
}

} // namespace trimora
