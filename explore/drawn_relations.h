// What the lines and circles that a repaint drew and listed say: the names of the sets of points on
// them ("Parry-Kreis", "Gergonne-Gerade"), and the relations among them — lines through one point,
// circles or a circle and a line that touch, parallel and perpendicular lines.
#pragma once

#include "explore/relations.h"

#include <array>
#include <string>
#include <vector>

namespace trimora {

// The name of a drawn line (for a collinear set) or circle (for a concyclic one) that every member
// of `r` lies on, within `tolerance` pixels, and on every one of `others` by one of its shown names
// on the same element there; empty when there is none.
std::string DrawnTitle(const Relation& r, const std::vector<MarkedPoint>& points, const PaintLog& log,
                       const std::vector<OtherTriangle>& others, double tolerance);

// The relations of the kinds Concurrent, Touching, Parallel and Perpendicular among the drawn
// lines and circles of `log` that hold on every one of `others` as well, naming the marked points
// where the lines meet and the curves touch. Left out as built so: lines through a point they were
// built through, a vertex of ABC or a point their entry reports (three others must meet there);
// curves touching at such a point or at a marked point of contact ("… Berührungspunkt"), curves
// of one family touching, a circle touching a side of ABC; lines parallel or perpendicular to a
// side of ABC; and relations among the elements of one entry.
std::vector<Relation> DrawnElementRelations(const std::vector<MarkedPoint>& points, const PaintLog& log,
                                            const std::array<RealPoint, 3>& abc,
                                            const std::vector<OtherTriangle>& others);

} // namespace trimora
