// Relations among the marked points of one repaint ("Zusammenhänge"): every set of three or more
// collinear and of four or more concyclic points, named by the points' result labels.
#pragma once

#include "draw/paint_context.h"

#include <array>
#include <string>
#include <vector>

namespace trimora {

// One position with every name the result lines give it.
struct MarkedPoint {
    RealPoint p;                    // pixels
    std::vector<std::string> names; // "Schwerpunkt S", "Schwerpunkt … Lotfußpunkt", …
    std::vector<int> elements;      // sorted: the entries and the blocks of lines that report it
    std::size_t firstLine = 0;      // where the results list names it first
};

enum class RelationKind { Collinear, Concyclic };

struct Relation {
    RelationKind kind = RelationKind::Collinear;
    std::vector<int> members; // indices into the marked points, in the order of the results list
    RealPoint centre{};       // concyclic: the centre; collinear: a point of the line
    RealPoint direction{};    // collinear: a unit vector along the line
    double radius = 0;        // concyclic, pixels
};

struct RelationSet {
    std::vector<MarkedPoint> points;
    std::vector<Relation> relations; // largest first, then by their text
};

// A relation holds when every point lies within this fraction of the triangle's longest side of
// the line or circle. The exactly computed points of the point table agree with their true
// positions to about 1e-13 of the triangle's size, while points that went through whole screen
// pixels are off by up to half a pixel, a thousandth of it or more. Those are left out before the
// search (see CollectMarkedPoints); among the exact ones a tolerance far above rounding noise and
// far below the pixel keeps every true relation, and a chance one (a point within 1e-9 of a line
// or circle of the others) is as rare as a billionth per candidate.
inline constexpr double kRelationTolerance = 1e-9;

// The name of a point that `log` noted: the label of its result line, a "…" sub-label with its
// block's title ("Schwerpunkt … Lotfußpunkt"), or the entry's name for a point marked without a
// line ("Umkreismittelpunkt"). Several points of one repaint may carry the same name.
std::string MarkedPointName(const ResultsList& results, const ReportedPoint& r);

// The points of the result lines in `results` that `log` noted, merged where they coincide. The
// scaled results and log come from a repaint of the same document with the vertices twice as far
// from `centre`: a point is kept only when it moved exactly along. Points that went through
// rounded screen pixels do not (their rounding differs), and they would otherwise line up by
// chance on the pixel grid.
std::vector<MarkedPoint> CollectMarkedPoints(const ResultsList& results, const PaintLog& log,
                                             const ResultsList& scaledResults, const PaintLog& scaledLog,
                                             RealPoint centre, const std::array<RealPoint, 3>& abc);

// Every maximal collinear (≥ 3) and concyclic (≥ 4) set, without the sets that hold by
// construction: all points reported by one element, a line through two vertices of ABC or of a
// derived triangle in `log`. Nothing for vertices on one line.
RelationSet FindRelations(std::vector<MarkedPoint> points, const PaintLog& log,
                          const std::array<RealPoint, 3>& abc);

// "kollinear<TAB>Schwerpunkt S, Umkreismittelpunkt U, …" or "konzyklisch<TAB>…".
std::string RelationLine(const RelationSet& set, const Relation& r);
// The heading "Zusammenhänge" and a line per relation, or "Keine Zusammenhänge gefunden".
std::vector<std::string> RelationLines(const RelationSet& set);

inline constexpr std::string_view kRelationsHeading = "Zusammenhänge";

} // namespace trimora
