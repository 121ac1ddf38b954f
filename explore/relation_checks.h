// Theorems and coincidences: a set found on this triangle is checked again on other triangles
// made by moving the vertices, by the names of its points.
#pragma once

#include "explore/relations.h"

#include <vector>

namespace trimora {

// The part of `r` that holds on every one of `others`: per member the indices of its names (those of
// r.names, or all where it has none) whose
// points lie on one line or circle there; empty when fewer than three (line) or four (circle)
// members keep a name.
std::vector<std::vector<int>> GeneralPart(const Relation& r, const std::vector<MarkedPoint>& points,
                                          const std::vector<OtherTriangle>& others);

// The names of a place in groups that coincide on every one of `others` (a name missing on one of
// them is a group of its own).
std::vector<std::vector<int>> GeneralGroups(const MarkedPoint& p, const std::vector<OtherTriangle>& others);

// Every name of a place, in order.
std::vector<int> AllNames(const MarkedPoint& p);

// The places with several names as coincidences ("fallen zusammen"): what coincides on every one of
// `others` (unless one element reports all of it), and, when more meets here, the whole place as
// this triangle's coincidence; places within kOnePlaceInPicture of each other as one coincidence
// of this triangle, to the pixel.
void Coincidences(const std::vector<MarkedPoint>& pts, const std::vector<OtherTriangle>& others,
                  std::vector<Relation>& out);

} // namespace trimora
