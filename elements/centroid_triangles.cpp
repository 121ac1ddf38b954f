// The six centroid triangles cut off by the medians, filled in two alternating colours (or
// hatched), their circumcircles, and the Lamoen circle through the six circumcentres.
#include "draw/point_table.h"
#include "draw/primitives.h"
#include "draw/results.h"
#include "draw/slots.h"
#include "elements/families.h"

#include <array>

namespace trimora {
namespace {

// Catalogue entries.
constexpr int kSchwerpunktdreiecke = 330;      // "Schwerpunktdreiecke"
constexpr int kSchwerpunktdreieckkreise = 331; // "Schwerpunktdreieckkreise"
constexpr int kLamoenKreis = 332;              // "Lamoen-Kreis"
constexpr int kSDreieckeSchraffieren = 333;    // "... SDreiecke schraffieren"

// Slots.
constexpr int kSlotCentroidTriangleCentre = kSlotPedalTriangle; // scratch: the circumcentre being drawn
constexpr int kSlotLamoenCentre = kSlotPedalTriangle + 1;

constexpr Color kLightGreen = Rgb(0xD0FFD0);
constexpr Color kLightBlue = Rgb(0xD0D0FF);

} // namespace

void CentroidTriangles(PaintContext& ctx) {
    PointTable& pt = ctx.pt;
    Canvas& canvas = ctx.canvas;
    auto midpoint = [&](int i, int j) {
        const RealPoint m = Midpoint(pt.precise[i], pt.precise[j]);
        return IntPoint{RoundClamp(m.x), RoundClamp(m.y)};
    };
    const IntPoint A = pt.screen[kSlotA], B = pt.screen[kSlotB], C = pt.screen[kSlotC],
                   S = pt.screen[kSlotCentroid];
    const IntPoint mAB = midpoint(kSlotA, kSlotB), mAC = midpoint(kSlotA, kSlotC),
                   mBC = midpoint(kSlotB, kSlotC);
    const std::array<std::array<IntPoint, 3>, 6> triangles{
        {{A, S, mAB}, {A, S, mAC}, {B, S, mBC}, {B, S, mAB}, {C, S, mAC}, {C, S, mBC}}};
    // The circles go through the points as the results list them, not through their pixels.
    const RealPoint a = ListedPoint(pt, kSlotA), b = ListedPoint(pt, kSlotB), c = ListedPoint(pt, kSlotC),
                    s = ListedPoint(pt, kSlotCentroid);
    const RealPoint ab = Midpoint(a, b), ac = Midpoint(a, c), bc = Midpoint(b, c);
    const std::array<std::array<RealPoint, 3>, 6> corners{
        {{a, s, ab}, {a, s, ac}, {b, s, bc}, {b, s, ab}, {c, s, ac}, {c, s, bc}}};

    // 1.-3. The fills, without outlines, alternating green and blue from T1 on.
    canvas.SetPenStyle(PenStyle::Clear);
    canvas.SetBrushColor(kLightGreen);
    canvas.SetBrushStyle(ctx.On(kSDreieckeSchraffieren) ? BrushStyle::BDiagonal : BrushStyle::Solid);
    for (int n = 0; n < 6; ++n) {
        if (ctx.On(kSchwerpunktdreiecke)) canvas.Polygon(triangles[n]);
        if (n < 5) canvas.SetBrushColor(n % 2 == 0 ? kLightBlue : kLightGreen);
    }
    canvas.SetPenStyle(PenStyle::Solid);

    // 4. The circumcircles; the centres of T1, T3 and T5 fix the Lamoen circle.
    std::array<RealPoint, 3> lamoenPoints;
    bool allValid = true;
    for (int n = 0; n < 6; ++n) {
        const CircleDataResult circle = CircleData(corners[n][0], corners[n][1], corners[n][2]);
        if (n % 2 == 0) {
            allValid = allValid && circle.circumcentreValid;
            lamoenPoints[n / 2] = circle.circumcentre;
        }
        if (!circle.circumcentreValid) continue;
        PlaceSlot(pt, kSlotCentroidTriangleCentre, circle.circumcentre);
        if (!ctx.On(kSchwerpunktdreieckkreise)) continue;
        canvas.SetBrushColor(kYellow);
        canvas.SetPenColor(kBlack);
        MarkSlot(ctx, kSlotCentroidTriangleCentre);
        if (ctx.Shown()) ReportCircle(ctx, kSlotCentroidTriangleCentre, "Schwerpunktdreieck-Kreis", circle.R);
        canvas.SetPenColor(kMagenta);
        DrawCircle(ctx, circle.circumcentre.x, circle.circumcentre.y, circle.R);
    }

    // 5. The Lamoen circle.
    if (!allValid) return;
    const CircleDataResult lamoen = CircleData(lamoenPoints[0], lamoenPoints[1], lamoenPoints[2]);
    if (!lamoen.circumcentreValid) return;
    PlaceSlot(pt, kSlotLamoenCentre, lamoen.circumcentre);
    if (ctx.On(kLamoenKreis)) {
        canvas.SetPenColor(kBlack);
        MarkSlotTwoLetters(ctx, kSlotLamoenCentre, "L", "x");
        if (ctx.Shown()) ReportCircle(ctx, kSlotLamoenCentre, "Lamoen-Kreis", lamoen.R);
        canvas.SetPenColor(kRed);
        DrawCircle(ctx, lamoen.circumcentre.x, lamoen.circumcentre.y, lamoen.R);
    }
}

} // namespace trimora
