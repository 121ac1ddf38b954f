#include "draw/paint_log.h"

#include "draw/point_table.h"
#include "base/catalogue.h"

#include <algorithm>
#include <cmath>

namespace trimora {
namespace {

bool Finite(RealPoint p) { return std::isfinite(p.x) && std::isfinite(p.y); }

template <class Logged>
int OrdinalOf(const std::vector<Logged>& logged, int entry, std::string_view name) {
    return static_cast<int>(std::count_if(logged.begin(), logged.end(), [&](const Logged& l) {
        return l.entry == entry && l.name == name;
    }));
}

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

void LogLine(PaintContext& ctx, std::string_view name, RealPoint p1, RealPoint p2) {
    if (!ctx.log || !Finite(p1) || !Finite(p2) || (p1.x == p2.x && p1.y == p2.y)) return;
    const int entry = ctx.lastEntryOn;
    ctx.log->lines.push_back({entry, std::string(name), OrdinalOf(ctx.log->lines, entry, name), p1, p2, ctx.stage});
}

void LogCircle(PaintContext& ctx, RealPoint centre, double radius) {
    const int entry = ctx.lastEntryOn;
    if (!ctx.log || entry < 0 || entry >= kCatalogueSize || !Finite(centre) || !(std::isfinite(radius) && radius > 0))
        return;
    const std::string& name = CatalogueNames()[static_cast<std::size_t>(entry)];
    ctx.log->circles.push_back({entry, name, OrdinalOf(ctx.log->circles, entry, name), centre, radius, ctx.stage});
}

void LastCircleBuiltTouching(PaintContext& ctx) {
    if (ctx.log && !ctx.log->circles.empty()) ctx.log->circles.back().builtTouching = true;
}

void NameLastCircle(PaintContext& ctx, RealPoint centre, std::string_view title) {
    if (!ctx.log || ctx.log->circles.empty() || title.empty()) return;
    LoggedCircle& last = ctx.log->circles.back();
    if (last.entry != ctx.lastEntryOn || std::hypot(last.centre.x - centre.x, last.centre.y - centre.y) > 1e-9 * last.radius)
        return;
    last.name.clear(); // not counted below
    last.ordinal = OrdinalOf(ctx.log->circles, last.entry, title);
    last.name = title;
}

} // namespace trimora
