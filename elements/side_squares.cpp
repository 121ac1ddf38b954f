// The side-squares family: the squares erected outward on the sides with their corners (Grebe
// points), fills and centres, the Vecten lines, point and triangle, the Grebe triangle of the outer
// square sides with its lines, and the Grebe circles at the vertices.
#include "draw/point_table.h"
#include "draw/primitives.h"
#include "draw/results.h"
#include "draw/slots.h"
#include "elements/families.h"
#include "base/lines.h"
#include "base/numeric.h"

#include <optional>

namespace trimora {
namespace {

// Catalogue entries.
constexpr int kGrebePunkte = 361;              // "Grebe-Punkte"
constexpr int kSeitenquadrate = 362;           // "Seitenquadrate"
constexpr int kGrebeGeraden = 363;             // "Grebe-Geraden"
constexpr int kSeitenquadrateAusfuellen = 364; // "Seitenquadrate ausfüllen"
constexpr int kGrebeDreieckspunkte = 365;      // "Grebe-Dreieckspunkte"
constexpr int kGrebeKreise = 372;              // "Grebe-Kreise"
constexpr int kSeitenquadratSchwerpunkt = 378; // "Seitenquadrat-Schwerpunkt"
constexpr int kVectenLinien = 379;             // "Vecten-Linien"
constexpr int kVectenPunkt = 380;              // "Vecten-Punkt"
constexpr int kVectenDreieck = 381;            // "Vecten-Dreieck"

// Slots: the outer square corners, each named after its square and the vertex it stands on.
constexpr int kSlotCornerAB_A = 244;
constexpr int kSlotCornerAB_B = 245;
constexpr int kSlotCornerCA_C = 246;
constexpr int kSlotCornerCA_A = 247;
constexpr int kSlotCornerBC_B = 248;
constexpr int kSlotCornerBC_C = 249;
constexpr int kSlotGrebeCircleA = 257; // centres of the Grebe circles
constexpr int kSlotGrebeCircleC = 258;
constexpr int kSlotGrebeCircleB = 259;
constexpr int kSlotSquareCentreAB = 270;
constexpr int kSlotSquareCentreCA = 271;
constexpr int kSlotSquareCentreBC = 272;
constexpr int kSlotVecten = 273;

constexpr Color kTeal = Rgb(0x008080);
constexpr Color kSquareFill = Rgb(0xFFFFC0);
constexpr Color kGrebeCirclePen = Rgb(0x8080FF);

// 1. A corner of the square on the side from `from` to `to`, standing on `vertex`: the vertex moved
// by the side turned a right angle, then reflected through the vertex if it fell on the triangle's
// side of the line, so that the square lies outside whatever the orientation.
void PlaceCorner(PaintContext& ctx, int slot, int vertex, int from, int to, int lineEnd1, int lineEnd2,
                 int reference) {
    PointTable& pt = ctx.pt;
    const RealPoint v = ScreenAsReal(pt, vertex), f = ScreenAsReal(pt, from), t = ScreenAsReal(pt, to);
    const double dx = t.x - f.x, dy = t.y - f.y;
    const RealPoint corner{v.x - dy, v.y + dx};
    PlaceSlot(pt, slot,
              ReflectIfSameSide(ScreenAsReal(pt, lineEnd1), ScreenAsReal(pt, lineEnd2), ScreenAsReal(pt, reference),
                                corner, v));
}

void FillSquare(PaintContext& ctx, int v1, int c1, int c2, int v2) {
    const PointTable& pt = ctx.pt;
    const IntPoint square[4] = {pt.screen[v1], pt.screen[c1], pt.screen[c2], pt.screen[v2]};
    ctx.canvas.Polygon(square);
}

// The Grebe circle through two square corners and a Grebe-triangle vertex (the circle on the
// diagonal from the vertex to the Grebe vertex); its centre goes to `slot`.
void GrebeCircle(PaintContext& ctx, int i, int j, int k, int slot) {
    if (!ctx.On(kGrebeKreise)) return;
    // Through the points as listed: a Grebe vertex beyond the drawing range is held at its edge,
    // and one a fraction of a pixel from a corner would turn the circle on its whole pixels.
    const std::optional<CircleFit> circle = ListedCircle(ctx.pt, i, j, k);
    if (!circle) return;
    PlaceSlot(ctx.pt, slot, circle->centre);
    MarkSlot(ctx, slot);
    DrawCircle(ctx, circle->centre.x, circle->centre.y, circle->radius);
    if (ctx.Shown()) ReportCircle(ctx, slot, "Grebe-Umkreis", circle->radius);
}

} // namespace

void SideSquaresFamily(PaintContext& ctx) {
    PointTable& pt = ctx.pt;
    Canvas& canvas = ctx.canvas;

    // Collinear vertices have no outside: the corners would not even form squares.
    if (NearlyCollinear(pt.precise[kSlotA], pt.precise[kSlotB], pt.precise[kSlotC])) return;

    // 1. Corners: on AB (reference C), on CA (reference B), on BC (reference A).
    PlaceCorner(ctx, kSlotCornerAB_A, kSlotA, kSlotA, kSlotB, kSlotA, kSlotB, kSlotC);
    PlaceCorner(ctx, kSlotCornerAB_B, kSlotB, kSlotA, kSlotB, kSlotA, kSlotB, kSlotC);
    PlaceCorner(ctx, kSlotCornerCA_C, kSlotC, kSlotA, kSlotC, kSlotC, kSlotA, kSlotB);
    PlaceCorner(ctx, kSlotCornerCA_A, kSlotA, kSlotC, kSlotA, kSlotC, kSlotA, kSlotB);
    PlaceCorner(ctx, kSlotCornerBC_B, kSlotB, kSlotB, kSlotC, kSlotB, kSlotC, kSlotA);
    PlaceCorner(ctx, kSlotCornerBC_C, kSlotC, kSlotC, kSlotB, kSlotB, kSlotC, kSlotA);

    // 2. Outlines in the pen in force.
    if (ctx.On(kSeitenquadrate)) {
        DrawSegment(ctx, kSlotA, kSlotCornerAB_A);
        DrawSegment(ctx, kSlotCornerAB_A, kSlotCornerAB_B);
        DrawSegment(ctx, kSlotCornerAB_B, kSlotB);
        DrawSegment(ctx, kSlotC, kSlotCornerCA_C);
        DrawSegment(ctx, kSlotCornerCA_C, kSlotCornerCA_A);
        DrawSegment(ctx, kSlotCornerCA_A, kSlotA);
        DrawSegment(ctx, kSlotB, kSlotCornerBC_B);
        DrawSegment(ctx, kSlotCornerBC_B, kSlotCornerBC_C);
        DrawSegment(ctx, kSlotCornerBC_C, kSlotC);
    }

    // 3. Fills.
    if (ctx.On(kSeitenquadrateAusfuellen)) {
        canvas.SetBrushColor(kSquareFill);
        FillSquare(ctx, kSlotA, kSlotCornerAB_A, kSlotCornerAB_B, kSlotB);
        FillSquare(ctx, kSlotC, kSlotCornerCA_C, kSlotCornerCA_A, kSlotA);
        FillSquare(ctx, kSlotB, kSlotCornerBC_B, kSlotCornerBC_C, kSlotC);
        canvas.SetBrushStyle(BrushStyle::Clear);
    }

    // 4. Centres: the midpoints of the diagonals.
    PlaceSlot(pt, kSlotSquareCentreAB, Midpoint(pt.precise[kSlotA], pt.precise[kSlotCornerAB_B]));
    PlaceSlot(pt, kSlotSquareCentreCA, Midpoint(pt.precise[kSlotC], pt.precise[kSlotCornerCA_A]));
    PlaceSlot(pt, kSlotSquareCentreBC, Midpoint(pt.precise[kSlotB], pt.precise[kSlotCornerBC_C]));
    canvas.SetPenColor(kBlack);
    if (ctx.On(kSeitenquadratSchwerpunkt)) {
        for (int slot = kSlotSquareCentreAB; slot <= kSlotSquareCentreBC; ++slot) {
            MarkSlot(ctx, slot);
            if (ctx.Shown()) ReportSlot(ctx, slot, "Seitenquadrat-Schwerpunkt");
        }
    }

    // The Vecten point, where the lines from the vertices to the opposite square centres meet.
    PlaceSlot(pt, kSlotVecten,
              IntersectLines(pt.precise[kSlotB], pt.precise[kSlotSquareCentreCA], pt.precise[kSlotC],
                             pt.precise[kSlotSquareCentreAB])
                  .p);

    // 5. Vecten lines: the distances of the vertices from the Vecten point first, then the
    // segments to the square centres.
    canvas.SetPenColor(kTeal);
    if (ctx.On(kVectenLinien)) {
        if (ctx.Shown()) {
            ReportSlotDistance(ctx, kSlotC, kSlotVecten, "Abstand C-Vecten-Punkt");
            ReportSlotDistance(ctx, kSlotB, kSlotVecten, "Abstand B-Vecten-Punkt");
            ReportSlotDistance(ctx, kSlotA, kSlotVecten, "Abstand A-Vecten-Punkt");
        }
        DrawSlotSegment(ctx, kSlotC, kSlotSquareCentreAB, "Vecten-Linie");
        DrawSlotSegment(ctx, kSlotB, kSlotSquareCentreCA, "");
        DrawSlotSegment(ctx, kSlotA, kSlotSquareCentreBC, "");
    }

    // 6. Vecten triangle.
    if (ctx.On(kVectenDreieck)) {
        canvas.SetPenColor(kOlive);
        DrawSegment(ctx, kSlotSquareCentreCA, kSlotSquareCentreAB);
        DrawSegment(ctx, kSlotSquareCentreBC, kSlotSquareCentreCA);
        DrawSegment(ctx, kSlotSquareCentreAB, kSlotSquareCentreBC);
        if (ctx.Shown())
            ReportTriangle(ctx, kSlotSquareCentreAB, kSlotSquareCentreCA, kSlotSquareCentreBC, "Vecten");
        canvas.SetPenColor(kBlack);
    }

    // 7. The Vecten point.
    if (ctx.On(kVectenPunkt)) {
        MarkSlotLetter(ctx, kSlotVecten, "V");
        if (ctx.Shown()) ReportSlot(ctx, kSlotVecten, "Vecten-Punkt");
    }

    // 8. The Grebe triangle of the outer square sides.
    const RealPoint* corner = &pt.precise[kSlotCornerAB_A]; // corner[0] .. corner[5] are slots 244 .. 249
    PlaceSlot(pt, kSlotGrebe1, IntersectLines(corner[0], corner[1], corner[2], corner[3]).p);
    PlaceSlot(pt, kSlotGrebe2, IntersectLines(corner[0], corner[1], corner[4], corner[5]).p);
    PlaceSlot(pt, kSlotGrebe3, IntersectLines(corner[4], corner[5], corner[2], corner[3]).p);
    if (ctx.On(kGrebeDreieckspunkte)) {
        canvas.SetPenColor(kBlack);
        for (int slot = kSlotGrebe1; slot <= kSlotGrebe3; ++slot) {
            MarkSlot(ctx, slot);
            if (ctx.Shown()) ReportSlot(ctx, slot, "Grebe-Dreieckspunkte");
        }
        if (ctx.Shown()) ReportTriangle(ctx, kSlotGrebe1, kSlotGrebe2, kSlotGrebe3, "Grebe");
    }

    // 9. The six corners.
    if (ctx.On(kGrebePunkte)) {
        for (int slot = kSlotCornerAB_A; slot <= kSlotCornerBC_C; ++slot) {
            MarkSlot(ctx, slot);
            if (ctx.Shown()) ReportSlot(ctx, slot, "Grebe-Punkt");
        }
    }

    // 10. The outer square sides as whole lines.
    if (ctx.On(kGrebeGeraden)) {
        canvas.SetPenColor(kGreen);
        DrawSlotLine(ctx, kSlotCornerAB_A, kSlotCornerAB_B, "Grebe-Gerade");
        DrawSlotLine(ctx, kSlotCornerCA_C, kSlotCornerCA_A, "");
        DrawSlotLine(ctx, kSlotCornerBC_B, kSlotCornerBC_C, "");
    }

    // 11. The Grebe circles; the pen carries over to the next family.
    canvas.SetPenColor(kGrebeCirclePen);
    GrebeCircle(ctx, kSlotCornerAB_A, kSlotCornerCA_A, kSlotGrebe1, kSlotGrebeCircleA);
    GrebeCircle(ctx, kSlotCornerCA_C, kSlotCornerBC_C, kSlotGrebe3, kSlotGrebeCircleC);
    GrebeCircle(ctx, kSlotCornerAB_B, kSlotCornerBC_B, kSlotGrebe2, kSlotGrebeCircleB);
}

} // namespace trimora
