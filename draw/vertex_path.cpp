#include "draw/vertex_path.h"

#include "base/lines.h"

#include <algorithm>
#include <cmath>

namespace trimora {
namespace {

std::vector<RealPoint> FullTurn(RealPoint start, RealPoint centre) {
    const double radius = std::hypot(start.x - centre.x, start.y - centre.y);
    std::vector<RealPoint> run;
    if (!std::isfinite(radius)) return run;
    // Every two pixels of the circle, within the bounds.
    const double wanted = std::ceil(M_PI * radius);
    const int n = static_cast<int>(std::clamp(wanted, double(kLeastTurnSamples), double(kMostTurnSamples)));
    run.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        run.push_back(i == 0 ? start : TurnedAbout(start, centre, 2 * M_PI * i / n));
    return run;
}

// Positions along one axis from `low` to `high` (both within reach) through `start`, a pixel
// apart or more when there are too many.
std::vector<double> Straight(double start, double low, double high) {
    low = std::min(low, start), high = std::max(high, start);
    const double step = std::max(1.0, std::ceil((high - low) / (kMostStraightSamples - 1)));
    std::vector<double> run;
    const double first = start - std::floor((start - low) / step) * step;
    for (double v = first; v <= high && run.size() < kMostStraightSamples; v += step)
        run.push_back(v);
    return run;
}

} // namespace

RealPoint TurnCentre(const ViewSettings& view, int width, int height) {
    return {width / 2.0 + view.panX, height / 2.0 + view.panY};
}

RealPoint TurnedAbout(RealPoint p, RealPoint centre, double angle) {
    const double d = std::sqrt((p.x - centre.x) * (p.x - centre.x) + (p.y - centre.y) * (p.y - centre.y));
    const double phi = std::atan2(p.y - centre.y, p.x - centre.x) + angle;
    return {centre.x + d * std::cos(phi), centre.y + d * std::sin(phi)};
}

std::vector<RealPoint> VertexRun(VertexPath path, RealPoint start, RealPoint other1, RealPoint other2,
                                 const ViewSettings& view, int width, int height) {
    std::vector<RealPoint> run;
    if (!std::isfinite(start.x) || !std::isfinite(start.y)) return run;
    switch (path) {
    case VertexPath::Horizontal:
        for (double x : Straight(start.x, 0, width + 1))
            run.push_back({x, start.y});
        break;
    case VertexPath::Vertical:
        for (double y : Straight(start.y, 0, height + 1))
            run.push_back({start.x, y});
        break;
    case VertexPath::AroundOrigin:
        run = FullTurn(start, TurnCentre(view, width, height));
        break;
    case VertexPath::Circumcircle:
        if (const auto circle = CircleThroughPoints(start, other1, other2))
            run = FullTurn(start, circle->centre);
        break;
    }
    return run;
}

} // namespace trimora
