// The marked points on the conics that a repaint drew ("auf der Kiepert-Hyperbel: …"), each conic
// taken from its equation in the repaint's log.
#pragma once

#include "explore/relations.h"

#include <vector>

namespace trimora {

// Per conic of `log`, the places of `points` on it (within kRelationTolerance of `size`, the
// triangle's longest side, see ConicDistance) as one relation of the kind OnConic titled with the
// conic's name, when there are at least three and one of them is not a point the conic was
// built through. With `others`, each member keeps the names whose points lie on the same conic (entry
// and ordinal) there as well: those members form the relation for every triangle, and when some
// member keeps none, the whole set is listed once more for this triangle only.
std::vector<Relation> ConicRelations(const std::vector<MarkedPoint>& points, const PaintLog& log, double size,
                                     const std::vector<OtherTriangle>& others);

} // namespace trimora
