// The relations among the points that the current document marks: one repaint of a copy with the
// results shown, then the search of explore/relations.h.
#pragma once

#include "draw/document.h"
#include "explore/relations.h"

namespace trimora {

// Nothing is found for a triangle that the base measures reject. What holds for this triangle only
// is searched only with `thisTriangle`.
RelationSet RelationsOfDocument(const Document& doc, int width, int height, bool thisTriangle = false);

} // namespace trimora
