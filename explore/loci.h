// Loci ("Ortslinien"): the path of marked points while one vertex runs along a path. Each position
// of the run is repainted headless with the entries that are on; the traced points are found by
// the names the relations give them, cut into pieces where they are absent or jump, and named as
// a curve (explore/locus_shape.h). The document handed in is never changed.
#pragma once

#include "draw/loci.h"

#include <atomic>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace trimora {

// A marked point that can be traced.
struct TracePoint {
    std::string name;     // shown and asked for: the result line's name, numbered "(2)", "(3)" …
                          // when several points of one repaint carry it
    std::string baseName; // the result line's name (explore/relations.h: MarkedPointName)
    int ordinal = 0;      // among the points of that name, in the order of the results list
    int stage = 0;        // the last stage of the repaint that notes a point of that name
    RealPoint p;          // pixels of the drawing area, as it stands
    bool markOnly = false; // marked by its entry without a result line ("Umkreismittelpunkt")
};

// The marked points of the document with the entries that are on, in the order of the results list.
std::vector<TracePoint> TracePoints(const Document& doc, int width, int height);
// The point nearest to `at` within `reach` pixels, or -1.
int NearestTracePoint(std::span<const TracePoint> points, RealPoint at, double reach);
// The point called `name` (letter case does not count), or -1.
int FindTracePoint(std::span<const TracePoint> points, std::string_view name);

struct LocusRequest {
    int vertex = 2; // 0 A, 1 B, 2 C
    VertexPath path = VertexPath::Horizontal;
    std::vector<TracePoint> points; // from TracePoints of the same document
};

// Shared with the thread that waits for the loci: it may cancel, and it reads how far they are.
struct LocusProgress {
    std::atomic<bool> cancel{false};
    std::atomic<int> done{0};  // positions repainted
    std::atomic<int> total{0}; // positions of the run, once known
};

// One locus per requested point, traced over the whole run of the vertex, on both cores. Nothing
// when cancelled.
std::optional<std::vector<Locus>> TraceLoci(const Document& doc, int width, int height,
                                            const LocusRequest& request, LocusProgress* progress = nullptr);

// The loci `doc` carries (those that still belong to its triangle, without the animation's
// trace) with `added`, which replace the loci of the same point, vertex and path; stamped for `doc`.
std::shared_ptr<const Loci> WithLoci(const Document& doc, int width, int height, std::vector<Locus> added);

// Where the points stand in the document as it is now: pixels from the drawing origin, nothing
// for an absent point (the trace the animation leaves, "Spur").
std::vector<std::optional<RealPoint>> TracePositions(const Document& doc, int width, int height,
                                                     std::span<const TracePoint> points);

// The samples as text: "# Ortslinie von …", then "x y" per line in units of the coordinate
// system (as the vertices are typed; a decimal point), a blank line between pieces and loci.
std::string LocusPointsText(const Loci& loci);

} // namespace trimora
