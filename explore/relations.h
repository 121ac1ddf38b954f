// Relations among the marked points of one repaint ("Zusammenhänge"): every set of three or more
// collinear and of four or more concyclic points, named by the points' result labels.
#pragma once

#include "draw/paint_context.h"
#include "explore/marked_points.h"

#include <array>
#include <cmath>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace trimora {

// Coincident: one place that several names share ("fallen zusammen"). OnConic: places on a conic
// that the repaint drew, the conic's name the title (see explore/conic_relations.h). The last four
// are among the lines and circles that the repaint drew (see explore/drawn_relations.h): lines
// through one point, circles (or a circle and a line) that touch, parallel and perpendicular lines.
enum class RelationKind { Collinear, Concyclic, Coincident, OnConic, Concurrent, Touching, Parallel, Perpendicular };

// Concurrent, Touching, Parallel or Perpendicular: a relation of lines and circles, not of points.
bool AmongDrawnElements(RelationKind kind);

struct Relation {
    RelationKind kind = RelationKind::Collinear;
    std::vector<int> members; // indices into the marked points, in the order of the results list
    RealPoint centre{};       // concyclic: the centre; collinear: a point of the line
    RealPoint direction{};    // collinear: a unit vector along the line
    double radius = 0;        // concyclic, pixels
    // "gilt für jedes Dreieck": the shown names satisfy it on the other triangles as well; else it
    // holds for this triangle only.
    bool general = true;
    // Per member: the names (indices into its point's names) that the row shows.
    std::vector<std::vector<int>> names;
    std::string title; // a known or drawn line or circle: "Euler-Gerade", "Parry-Kreis", …
    // The drawn lines and circles of the last four kinds, by their names. Concurrent: the meeting
    // point is the member, when it is marked. Touching: the first touches the others, each at the
    // member `at` gives (-1: no marked point there). Perpendicular: those before `split` are
    // perpendicular to those after it (each group parallel in itself).
    std::vector<std::string> elements;
    std::vector<int> at;
    std::size_t split = 0;
    int elementEntries = 0; // the different catalogue entries among `elements`
    // Coincident: places that only share a pixel here, distinct to the relations' tolerance.
    bool inPicture = false;
};

struct RelationSet {
    std::vector<MarkedPoint> points;
    // Those for every triangle first, then those for this triangle only; in each the known lines
    // and circles first, then the points on conics, then sets before coincidences, then by the number of
    // different entries and ETC centres, then the largest, then by their text.
    std::vector<Relation> relations;
};

// A relation holds when every point lies within this fraction of the triangle's longest side of
// the line or circle. The exactly computed points of the point table agree with their true
// positions to about 1e-13 of the triangle's size, while points that went through whole screen
// pixels are off by up to half a pixel, a thousandth of it or more. Those are left out before the
// search (see CollectMarkedPoints); among the exact ones a tolerance far above rounding noise and
// far below the pixel keeps every true relation, and a chance one (a point within 1e-9 of a line
// or circle of the others) is as rare as a billionth per candidate.
inline constexpr double kRelationTolerance = 1e-9;

// Places closer than this (pixels) look like one in the picture. The vertices lie on whole
// pixels, so a triangle typed as equilateral is so only to about a pixel: its centres are a tenth
// of a pixel apart. A theorem whose points fall on fewer such places than it needs says nothing
// more here than that they meet, and they are listed as meeting, to the pixel, for this triangle.
inline constexpr double kOnePlaceInPicture = 1.0;
inline bool OnePlaceInPicture(RealPoint p, RealPoint q) {
    // hypot is never below either coordinate: most pairs are told apart without it
    const double dx = p.x - q.x, dy = p.y - q.y;
    return std::fabs(dx) < kOnePlaceInPicture && std::fabs(dy) < kOnePlaceInPicture &&
           std::hypot(dx, dy) < kOnePlaceInPicture;
}

// The same document painted with the vertices moved: where its points are, by their keys.
struct OtherTriangle {
    PointsByKey points;
    double tolerance = 0; // pixels: kRelationTolerance of its longest side
    std::vector<LoggedConic> conics;
    std::vector<LoggedLine> lines;
    std::vector<LoggedCircle> circles;
};

// The sets that FindRelations searches for among the points, the long part of its work, which
// needs no other triangle than the generic ones: it may run while those are painted.
struct SetsFound {
    std::vector<std::vector<Relation>> theorems; // per generic triangle, among the names' places there
    std::optional<std::vector<Relation>> here;   // among the points, when they are searched here
};
SetsFound SearchSets(const std::vector<MarkedPoint>& points, const std::array<RealPoint, 3>& abc,
                     const std::vector<OtherTriangle>& generic, bool thisTriangle);

// Every maximal collinear (≥ 3) and concyclic (≥ 4) set, without the sets that hold by
// construction: all points reported by one element, a line through two vertices of ABC or of a
// derived triangle in `log`. Nothing for vertices on one line. The places with several names are
// relations of their own. With `others`, each set and coincidence is checked on them: what holds
// there for its names holds for every triangle, the rest for this one only. Without them every
// set counts as general.
// With `generic` triangles, the sets for every triangle are searched there, among the points of
// the names, so that a symmetric triangle here adds no sets; they are then taken back to this
// triangle's places. What holds for this triangle only is searched here, and only when
// `thisTriangle` asks for it. `searched`: what SearchSets found for the same points, triangle,
// generic triangles and `thisTriangle`, or nothing (searched here).
RelationSet FindRelations(std::vector<MarkedPoint> points, const PaintLog& log,
                          const std::array<RealPoint, 3>& abc, const std::vector<OtherTriangle>& others = {},
                          const std::vector<OtherTriangle>& generic = {}, bool thisTriangle = true,
                          std::optional<SetsFound> searched = std::nullopt);

// The one name a place goes by in the rows, among `names` (indices into its names): the
// best-known, one of a centre X(n) first (the smallest n), then one of the catalogue's own before
// a derived one ("… Lotfußpunkt"), then the one of the earliest entry, then the shortest; with
// " [X(n)]" where it is a centre:
// "Inkreismittelpunkt [X(1)]".
std::string PlaceName(const MarkedPoint& p, const std::vector<int>& names);
// "kollinear<TAB>Schwerpunkt S [X(2)], Umkreismittelpunkt [X(3)], …" or "konzyklisch<TAB>…", each
// place by its one name; a known line or circle by its name: "Euler-Gerade<TAB>…"; points on a
// conic: "auf der Kiepert-Hyperbel<TAB>…".
std::string RelationLine(const RelationSet& set, const Relation& r);
// "fallen zusammen<TAB>Schwerpunkt S = Umkreismittelpunkt": every name of the place.
// The heading "Zusammenhänge" and a line per general relation, or "Keine Zusammenhänge gefunden";
// with `all`, the general ones under "gilt für jedes Dreieck" and the others under
// "nur für dieses Dreieck". `rows` (if given) gets the relation of each line, -1 for headings. With
// a `limit` (0: none), at most that many relations and a line "… und N weitere".
std::vector<std::string> RelationLines(const RelationSet& set, bool all = false, std::vector<int>* rows = nullptr,
                                       std::size_t limit = 0);

// Every name of a place: "Inkreis … Mittelpunkt = Adams-Kreismittelpunkt = … = Inkreismittelpunkt".
std::string AllPlaceNames(const MarkedPoint& p);
// The other names of the places that the rows of RelationLines (same `all` and `limit`) show by
// one name: "Namen der Orte", then "Inkreismittelpunkt [X(1)]<TAB>Inkreis … Mittelpunkt = …" per
// place with more than one name; nothing when there is none.
std::vector<std::string> PlaceLegend(const RelationSet& set, bool all = false, std::size_t limit = 0);

inline constexpr std::string_view kRelationsHeading = "Zusammenhänge";

} // namespace trimora
