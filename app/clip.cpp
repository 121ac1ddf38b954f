#include "app/clip.h"

#include <array>

namespace trimora {

std::optional<QLineF> ClipSegment(const QLineF& segment, const QRectF& rect) {
    const double x0 = segment.x1(), y0 = segment.y1(), dx = segment.dx(), dy = segment.dy();
    double enter = 0, leave = 1;
    int enterBorder = -1, leaveBorder = -1;
    // Each border: p * t <= q keeps the point at parameter t inside.
    const std::array<std::pair<double, double>, 4> borders{
        {{-dx, x0 - rect.left()}, {dx, rect.right() - x0}, {-dy, y0 - rect.top()}, {dy, rect.bottom() - y0}}};
    for (int border = 0; border < 4; ++border) {
        const auto [p, q] = borders[static_cast<std::size_t>(border)];
        if (p == 0) {
            if (q < 0) return std::nullopt; // parallel to the border and outside it
            continue;
        }
        const double t = q / p;
        if (p < 0 && t > enter) enter = t, enterBorder = border;
        if (p > 0 && t < leave) leave = t, leaveBorder = border;
        if (enter > leave) return std::nullopt;
    }
    // An end cut by a border lies on it exactly.
    auto at = [&](double t, int border) {
        QPointF point(x0 + t * dx, y0 + t * dy);
        if (border == 0) point.setX(rect.left());
        if (border == 1) point.setX(rect.right());
        if (border == 2) point.setY(rect.top());
        if (border == 3) point.setY(rect.bottom());
        return point;
    };
    return QLineF(at(enter, enterBorder), at(leave, leaveBorder));
}

QPolygonF ClipPolygon(const QPolygonF& polygon, const QRectF& rect) {
    // One border at a time: `inside` tells the kept side, `cut` where an edge crosses the border.
    struct Border {
        bool vertical;
        double at;
        bool keepBelow; // keep coordinates <= at
    };
    const std::array<Border, 4> borders{{{true, rect.left(), false},
                                         {true, rect.right(), true},
                                         {false, rect.top(), false},
                                         {false, rect.bottom(), true}}};
    QPolygonF current = polygon;
    for (const Border& b : borders) {
        if (current.isEmpty()) break;
        auto coord = [&](const QPointF& p) { return b.vertical ? p.x() : p.y(); };
        auto inside = [&](const QPointF& p) { return b.keepBelow ? coord(p) <= b.at : coord(p) >= b.at; };
        auto cut = [&](const QPointF& p, const QPointF& q) {
            const double t = (b.at - coord(p)) / (coord(q) - coord(p));
            const QPointF c = p + t * (q - p);
            return b.vertical ? QPointF(b.at, c.y()) : QPointF(c.x(), b.at);
        };
        QPolygonF next;
        next.reserve(current.size() + 4);
        for (qsizetype i = 0; i < current.size(); ++i) {
            const QPointF& p = current[i];
            const QPointF& q = current[(i + 1) % current.size()];
            if (inside(p)) {
                next.append(p);
                if (!inside(q)) next.append(cut(p, q));
            } else if (inside(q)) {
                next.append(cut(p, q));
            }
        }
        current = std::move(next);
    }
    return current;
}

} // namespace trimora
