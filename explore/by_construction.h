// The sets that hold by how their points are built: all from one element, on a side line of ABC or
// through two vertices of a derived triangle that the repaint logged, or a circle on a segment as
// diameter through feet of perpendiculars built on that segment's ends.
#pragma once

#include "explore/relations.h"

namespace trimora {

bool ByConstruction(const Relation& r, const std::vector<MarkedPoint>& pts, const PaintLog& log,
                    const std::array<RealPoint, 3>& abc, double tolerance);

} // namespace trimora
