#include "draw/canvas.h"

#include "draw/point_table.h"

namespace trimora {

void Canvas::Polyline(std::span<const RealPoint> points) {
    if (points.empty()) return;
    MoveTo(RoundClamp(points[0].x), RoundClamp(points[0].y));
    for (const RealPoint& p : points.subspan(1)) LineTo(RoundClamp(p.x), RoundClamp(p.y));
}

} // namespace trimora
