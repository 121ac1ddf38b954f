// The conics of the triangle drawn after all families: the five-point hyperbolas and conics through
// vertices and centres, the Stammler, Feuerbach and Jerabek hyperbolas, and the Bézier in- and
// circum-parabolas.
#include "draw/point_table.h"
#include "elements/conic_tracer.h"
#include "elements/families.h"

namespace trimora {
namespace {

// Catalogue entries.
constexpr int kJerabekHyperbel = 463;   // "Jerabek-Hyperbel"
constexpr int kHyperbelABCIU = 474;     // "Hyperbel ABCIU"
constexpr int kKegelschnittABHIU = 475; // "Kegelschnitt ABHIU"
constexpr int kKegelschnittACHIU = 476; // "Kegelschnitt ACHIU"
constexpr int kKegelschnittBCHIU = 477; // "Kegelschnitt BCHIU"
constexpr int kBezierInparabeln = 478;  // "Bézier-Inparabeln"
constexpr int kBezierUmparabeln = 479;  // "Bézier-Umparabeln"
constexpr int kStammlerHyperbel = 480;  // "Stammler-Hyperbel"
constexpr int kFeuerbachHyperbel = 481; // "Feuerbach-Hyperbel"

// Slots.

constexpr Color kInparabelPen = kMagenta;
constexpr Color kUmparabelPen = kGreen;

// Control point 2 V - M of the circum-parabola through V from one of the other vertices to the last.
void CircumParabola(PaintContext& ctx, int vertex, int mid, int start, int end) {
    const RealPoint v = ctx.pt.precise[vertex], m = ctx.pt.precise[mid];
    PlaceSlot(ctx.pt, kSlotBezierControl, {2 * v.x - m.x, 2 * v.y - m.y});
    BezierParabola(ctx, start, end, kSlotBezierControl);
}

} // namespace

void TriangleConics(PaintContext& ctx) {
    // 6. The five-point conics, the sweep pole last, then the Jerabek hyperbola.
    const int A = kSlotA, B = kSlotB, C = kSlotC, I = kSlotIncentre, U = kSlotCircumcentre,
              H = kSlotOrthocentre;
    if (ctx.On(kHyperbelABCIU)) ConicThroughFivePoints(ctx, A, B, C, I, U);
    if (ctx.On(kKegelschnittABHIU)) ConicThroughFivePoints(ctx, A, B, I, U, H);
    if (ctx.On(kKegelschnittACHIU)) ConicThroughFivePoints(ctx, A, C, I, U, H);
    if (ctx.On(kKegelschnittBCHIU)) ConicThroughFivePoints(ctx, B, C, I, U, H);
    if (ctx.On(kStammlerHyperbel))
        ConicThroughFivePoints(ctx, I, U, kSlotLemoine, kSlotExcentreA, kSlotExcentreB);
    if (ctx.On(kFeuerbachHyperbel)) ConicThroughFivePoints(ctx, A, B, C, I, H);
    if (ctx.On(kJerabekHyperbel)) JerabekHyperbola(ctx, H, U);

    // 7. In-parabolas, each tangent to two sides at their common vertex.
    if (ctx.On(kBezierInparabeln)) {
        ctx.canvas.SetPenColor(kInparabelPen);
        BezierParabola(ctx, A, B, C);
        BezierParabola(ctx, B, C, A);
        BezierParabola(ctx, C, A, B);
    }

    // 8. Circum-parabolas through all three vertices.
    if (ctx.On(kBezierUmparabeln)) {
        ctx.canvas.SetPenColor(kUmparabelPen);
        CircumParabola(ctx, A, kSlotMidBC, B, C);
        CircumParabola(ctx, B, kSlotMidAC, A, C);
        CircumParabola(ctx, C, kSlotMidAB, A, B);
    }
}

} // namespace trimora
