#include "draw/paint_log.h"

#include "draw/point_table.h"

#include <cmath>

namespace trimora {
namespace {

bool Finite(RealPoint p) { return std::isfinite(p.x) && std::isfinite(p.y); }

} // namespace

void LogReportedPoint(PaintContext& ctx, RealPoint p) {
    if (ctx.log) ctx.log->points.push_back({ctx.doc.results.Size(), p, ctx.lastEntryOn, {}, ctx.stage});
}

void LogMarkedPoint(PaintContext& ctx, int slot, std::string_view name) {
    if (ctx.log)
        ctx.log->points.push_back({ctx.doc.results.Size(), ctx.pt.precise[slot], ctx.lastEntryOn, name, ctx.stage});
}

void LogFoot(PaintContext& ctx, RealPoint foot, RealPoint from, RealPoint on) {
    if (ctx.log) ctx.log->feet.push_back({foot, from, on});
}

void LogTriangle(PaintContext& ctx, int i, int j, int k) {
    if (!ctx.log) return;
    std::array<RealPoint, 3> tri;
    const int slots[3] = {i, j, k};
    for (int n = 0; n < 3; ++n) {
        // The block measures the screen points; the precise point is the same vertex when it
        // rounds to them (scratch slots carry only the screen point).
        const RealPoint precise = ctx.pt.precise[slots[n]];
        const IntPoint screen = ctx.pt.screen[slots[n]];
        const bool same =
            Finite(precise) && RoundClamp(precise.x) == screen.x && RoundClamp(precise.y) == screen.y;
        tri[static_cast<std::size_t>(n)] = same ? precise : ScreenAsReal(ctx.pt, slots[n]);
    }
    ctx.log->triangles.push_back(tri);
}

void LogConic(PaintContext& ctx, int entry, int ordinal, std::string_view name,
              std::span<const RealPoint> points, std::span<const RealPoint> through) {
    if (!ctx.log) return;
    if (const std::optional<ConicEquation> equation = ConicThroughPoints(points))
        ctx.log->conics.push_back({entry, ordinal, name, *equation, {through.begin(), through.end()}});
}

void LogParabola(PaintContext& ctx, int entry, int ordinal, std::string_view name, RealPoint focus,
                 RealPoint d1, RealPoint d2) {
    if (!ctx.log) return;
    if (const std::optional<ConicEquation> equation = FocusDirectrixConic(focus, d1, d2))
        ctx.log->conics.push_back({entry, ordinal, name, *equation, {}});
}

} // namespace trimora
