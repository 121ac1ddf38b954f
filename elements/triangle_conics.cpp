// The conics of the triangle drawn after all families: the five-point hyperbolas and conics through
// vertices and centres, the Stammler, Feuerbach and Jerabek hyperbolas, and the Bézier in- and
// circum-parabolas; each logged with its equation when the repaint keeps a log.
#include "draw/paint_log.h"
#include "draw/point_table.h"
#include "elements/conic_tracer.h"
#include "elements/families.h"

#include <array>
#include <optional>
#include <string_view>
#include <vector>

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

// The parabola of the Bézier arc from `start` to `end` with the control point `control`, logged
// from points of the arc (1 − s)² S + 2 s (1 − s) K + s² E; built through its ends and `vertex`.
void LogBezier(PaintContext& ctx, int entry, int ordinal, std::string_view name, int start, int end,
               int control, std::optional<RealPoint> vertex) {
    if (!ctx.log) return;
    const RealPoint S = ctx.pt.precise[start], E = ctx.pt.precise[end], K = ctx.pt.precise[control];
    std::array<RealPoint, 7> arc;
    for (std::size_t n = 0; n < arc.size(); ++n) {
        const double s = static_cast<double>(n) / static_cast<double>(arc.size() - 1), r = 1 - s;
        arc[n] = {r * r * S.x + 2 * s * r * K.x + s * s * E.x, r * r * S.y + 2 * s * r * K.y + s * s * E.y};
    }
    std::vector<RealPoint> through{S, E};
    if (vertex) through.push_back(*vertex);
    LogConic(ctx, entry, ordinal, name, arc, through);
}

// Control point 2 V - M of the circum-parabola through V from one of the other vertices to the last.
void CircumParabola(PaintContext& ctx, int ordinal, std::string_view name, int vertex, int mid, int start,
                    int end) {
    const RealPoint v = ctx.pt.precise[vertex], m = ctx.pt.precise[mid];
    PlaceSlot(ctx.pt, kSlotBezierControl, {2 * v.x - m.x, 2 * v.y - m.y});
    BezierParabola(ctx, start, end, kSlotBezierControl);
    LogBezier(ctx, kBezierUmparabeln, ordinal, name, start, end, kSlotBezierControl, v);
}

} // namespace

void TriangleConics(PaintContext& ctx) {
    // 6. The five-point conics, the sweep pole last, then the Jerabek hyperbola.
    const int A = kSlotA, B = kSlotB, C = kSlotC, I = kSlotIncentre, U = kSlotCircumcentre,
              H = kSlotOrthocentre;
    if (ctx.On(kHyperbelABCIU))
        ConicThroughFivePoints(ctx, kHyperbelABCIU, "Kegelschnitt durch A, B, C, I, U", A, B, C, I, U);
    if (ctx.On(kKegelschnittABHIU))
        ConicThroughFivePoints(ctx, kKegelschnittABHIU, "Kegelschnitt durch A, B, H, I, U", A, B, I, U, H);
    if (ctx.On(kKegelschnittACHIU))
        ConicThroughFivePoints(ctx, kKegelschnittACHIU, "Kegelschnitt durch A, C, H, I, U", A, C, I, U, H);
    if (ctx.On(kKegelschnittBCHIU))
        ConicThroughFivePoints(ctx, kKegelschnittBCHIU, "Kegelschnitt durch B, C, H, I, U", B, C, I, U, H);
    if (ctx.On(kStammlerHyperbel))
        ConicThroughFivePoints(ctx, kStammlerHyperbel, "Stammler-Hyperbel", I, U, kSlotLemoine,
                               kSlotExcentreA, kSlotExcentreB);
    if (ctx.On(kFeuerbachHyperbel))
        ConicThroughFivePoints(ctx, kFeuerbachHyperbel, "Feuerbach-Hyperbel", A, B, C, I, H);
    if (ctx.On(kJerabekHyperbel)) JerabekHyperbola(ctx, kJerabekHyperbel, H, U);

    // 7. In-parabolas, each tangent to two sides at their common vertex.
    if (ctx.On(kBezierInparabeln)) {
        ctx.canvas.SetPenColor(kInparabelPen);
        BezierParabola(ctx, A, B, C);
        BezierParabola(ctx, B, C, A);
        BezierParabola(ctx, C, A, B);
        LogBezier(ctx, kBezierInparabeln, 0, "Bézier-Inparabel im Winkel C", A, B, C, std::nullopt);
        LogBezier(ctx, kBezierInparabeln, 1, "Bézier-Inparabel im Winkel A", B, C, A, std::nullopt);
        LogBezier(ctx, kBezierInparabeln, 2, "Bézier-Inparabel im Winkel B", C, A, B, std::nullopt);
    }

    // 8. Circum-parabolas through all three vertices.
    if (ctx.On(kBezierUmparabeln)) {
        ctx.canvas.SetPenColor(kUmparabelPen);
        CircumParabola(ctx, 0, "Bézier-Umparabel zu A", A, kSlotMidBC, B, C);
        CircumParabola(ctx, 1, "Bézier-Umparabel zu B", B, kSlotMidAC, A, C);
        CircumParabola(ctx, 2, "Bézier-Umparabel zu C", C, kSlotMidAB, A, B);
    }
}

} // namespace trimora
