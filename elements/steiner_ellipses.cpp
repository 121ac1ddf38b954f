// The Steiner circumellipse with the Steiner point, and the Steiner inellipse, each traced with the
// hexagon sweep through three points of the triangle and two of their reflections in the centroid.
#include "draw/paint_log.h"
#include "draw/point_table.h"
#include "draw/primitives.h"
#include "draw/results.h"
#include "elements/conic_tracer.h"
#include "elements/families.h"

#include <array>
#include <cmath>
#include <string_view>

namespace trimora {
namespace {

// Catalogue entries.
constexpr int kSteinerEllipse = 225;      // "Steiner-Ellipse"
constexpr int kSteinerPunkt = 226;        // "Steiner-Punkt"
constexpr int kSteinerInnenellipse = 382; // "Steiner-Innenellipse"


constexpr Color kNavy = Rgb(0x000080);

// The sweep of the ellipses: directions 0.01 to pi + 0.02, so that the last samples overlap the
// first and the closed curve is finished; samples beyond 2000 pixels start a new stroke.
constexpr double kStep = 0.01;
constexpr double kEnd = M_PI + 0.02;
constexpr double kReach = 50;
constexpr double kWindow = 2000;

RealPoint Reflect(RealPoint p, RealPoint centre) {
    return {2 * centre.x - p.x, 2 * centre.y - p.y};
}

// Three points of the ellipse P1..P3 and the reflections of the first two in the centroid S (the
// centre of both ellipses), the second of them the pole. Logged as the conic of `entry` through
// the three points and their reflections.
void TraceEllipse(PaintContext& ctx, int entry, std::string_view name, RealPoint p1, RealPoint p2,
                  RealPoint p3) {
    const RealPoint S = ctx.pt.precise[kSlotCentroid];
    const std::optional<PascalHexagon> hexagon =
        MakePascalHexagon({p1, p2, p3, Reflect(p1, S), Reflect(p2, S)});
    if (!hexagon) return;
    const std::array<RealPoint, 6> six{p1, p2, p3, Reflect(p1, S), Reflect(p2, S), Reflect(p3, S)};
    LogConic(ctx, entry, 0, name, six, six);
    int stroke = 0;
    for (double t = kStep; t <= kEnd; t += kStep) {
        const std::optional<RealPoint> q = PascalPoint(*hexagon, t, kReach);
        if (!q || std::fabs(q->x) >= kWindow || std::fabs(q->y) >= kWindow) {
            stroke = 0;
            continue;
        }
        if (stroke == 0)
            ctx.canvas.MoveTo(RoundClamp(q->x), RoundClamp(q->y));
        else
            ctx.canvas.LineTo(RoundClamp(q->x), RoundClamp(q->y));
        ++stroke;
    }
}

// The Steiner point: trilinear bc / (b² − c²) : ca / (c² − a²) : ab / (a² − b²), from the screen
// points; an isosceles triangle has none.
void SteinerPoint(PaintContext& ctx) {
    PointTable& pt = ctx.pt;
    const RealPoint A = ScreenAsReal(pt, kSlotA), B = ScreenAsReal(pt, kSlotB), C = ScreenAsReal(pt, kSlotC);
    const double a = std::hypot(B.x - C.x, B.y - C.y), b = std::hypot(C.x - A.x, C.y - A.y),
                 c = std::hypot(A.x - B.x, A.y - B.y);
    const double bc = b * b - c * c, ca = c * c - a * a, ab = a * a - b * b;
    std::optional<RealPoint> steiner;
    if (bc != 0 && ca != 0 && ab != 0)
        steiner = TrilinearToPoint(b * c / bc, c * a / ca, a * b / ab, A, B, C);
    if (!steiner || !std::isfinite(steiner->x) || !std::isfinite(steiner->y)) {
        PlaceAbsent(pt, kSlotSteinerPoint);
        return;
    }
    PlaceSlot(pt, kSlotSteinerPoint, *steiner);
    if (ctx.On(kSteinerPunkt)) {
        MarkSlotTwoLetters(ctx, kSlotSteinerPoint, "S", "t");
        if (ctx.Shown()) ReportSlot(ctx, kSlotSteinerPoint, "Steiner-Punkt");
    }
}

} // namespace

void SteinerEllipse(PaintContext& ctx) {
    // Through A, B, C; the pen keeps its style (solid).
    if (ctx.On(kSteinerEllipse)) {
        ctx.canvas.SetPenColor(kNavy);
        TraceEllipse(ctx, kSteinerEllipse, "Steiner-Umellipse", ScreenAsReal(ctx.pt, kSlotA),
                     ScreenAsReal(ctx.pt, kSlotB), ScreenAsReal(ctx.pt, kSlotC));
    }
    SteinerPoint(ctx);
}

void SteinerInellipse(PaintContext& ctx) {
    // Through the side midpoints, where it touches the sides; dotted.
    if (!ctx.On(kSteinerInnenellipse)) return;
    Canvas& canvas = ctx.canvas;
    canvas.SetPenColor(kNavy);
    canvas.SetBrushStyle(BrushStyle::Clear);
    canvas.SetPenStyle(PenStyle::Dot);
    TraceEllipse(ctx, kSteinerInnenellipse, "Steiner-Inellipse", ScreenAsReal(ctx.pt, kSlotMidAB),
                 ScreenAsReal(ctx.pt, kSlotMidAC), ScreenAsReal(ctx.pt, kSlotMidBC));
    canvas.SetPenStyle(PenStyle::Solid);
}

} // namespace trimora
