// What a repaint records of its marked points when a caller keeps a log (PaintContext::log): the
// hooks of the result routines. They do nothing unless the repaint keeps a log.
#pragma once

#include "draw/paint_context.h"

#include <span>
#include <string_view>

namespace trimora {

void LogReportedPoint(PaintContext& ctx, RealPoint p);
void LogTriangle(PaintContext& ctx, int i, int j, int k);
// A foot of a perpendicular from `from` onto a line through `on`.
void LogFoot(PaintContext& ctx, RealPoint foot, RealPoint from, RealPoint on);
// A centre that its entry marks without a result line ("Umkreismittelpunkt"), named by the entry.
void LogMarkedPoint(PaintContext& ctx, int slot, std::string_view name);
// The conic that `entry` draws as its `ordinal`-th (`name` a static text), through `points` (five
// or more of it, pixels); `through`: those the element constructs it through, which lie on it by
// construction. Nothing is logged when the points fix no proper conic.
void LogConic(PaintContext& ctx, int entry, int ordinal, std::string_view name,
              std::span<const RealPoint> points, std::span<const RealPoint> through);
// The parabola of `focus` and the directrix d1 d2 that `entry` draws as its `ordinal`-th.
void LogParabola(PaintContext& ctx, int entry, int ordinal, std::string_view name, RealPoint focus,
                 RealPoint d1, RealPoint d2);

// A line listed under its own name (not a side of a derived triangle), through p1 and p2.
void LogLine(PaintContext& ctx, std::string_view name, RealPoint p1, RealPoint p2);
// A circle drawn for the entry last found on, named by that entry ("Feuerbach-Kreis").
void LogCircle(PaintContext& ctx, RealPoint centre, double radius);
// The circle just drawn was built to touch others (a circle of a packing).
void LastCircleBuiltTouching(PaintContext& ctx);
// The circle just drawn round `centre` goes by the title of its block ("Parry-Kreis", "Ankreis a").
void NameLastCircle(PaintContext& ctx, RealPoint centre, std::string_view title);

} // namespace trimora
