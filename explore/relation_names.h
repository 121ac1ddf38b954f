// Names of the known lines and circles among the relations ("Euler-Gerade", "Feuerbach-Kreis", …)
// and the weight that orders the list.
#pragma once

#include "explore/relations.h"

#include <string_view>

namespace trimora {

// The known line that at least two members lie on by their ETC numbers, or the known circle of the
// triangle `abc` that `r` is; empty when none.
std::string_view KnownName(const Relation& r, const std::vector<MarkedPoint>& points,
                           const std::array<RealPoint, 3>& abc);

// How many different catalogue entries and ETC centres the shown names of `r` bring together.
int Weight(const Relation& r, const std::vector<MarkedPoint>& points);

} // namespace trimora
