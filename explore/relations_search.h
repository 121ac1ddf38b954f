// The relations among the points that the current document marks: one repaint of a copy with the
// results shown, then the search of draw/relations.h.
#pragma once

#include "draw/document.h"
#include "draw/relations.h"

namespace trimora {

// Nothing is found for a triangle that the base measures reject.
RelationSet RelationsOfDocument(const Document& doc, int width, int height);

} // namespace trimora
