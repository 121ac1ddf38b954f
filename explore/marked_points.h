// The marked points of one repaint: each result point that the log noted, kept when it is exact
// and merged with the others at its place ("Schwerpunkt S = Umkreismittelpunkt = …").
#pragma once

#include "draw/document.h"
#include "draw/paint_context.h"

#include <array>
#include <string>
#include <unordered_map>
#include <vector>

namespace trimora {

// One place with every name the result lines give it.
struct MarkedPoint {
    RealPoint p;                    // pixels
    std::vector<std::string> names; // "Schwerpunkt S", "Schwerpunkt … Lotfußpunkt", …
    std::vector<int> elements;      // sorted: the entries and the blocks of lines that report it
    std::size_t firstLine = 0;      // where the results list names it first
    // Per name: what finds the same point in another repaint (PointsByKey), and the elements that
    // report it under that name (sorted). Empty for points made up by hand.
    std::vector<std::string> keys;
    std::vector<std::vector<int>> nameElements;
    std::vector<int> etc; // per name: n of the centre X(n), 0 for points that are no centre
};

// Every noted point of a repaint by its key: its name and the how-manieth point of that name.
using PointsByKey = std::unordered_map<std::string, RealPoint>;
PointsByKey PointsOf(const ResultsList& results, const PaintLog& log);

// The name of a point that `log` noted: the label of its result line, a "…" sub-label with its
// block's title ("Schwerpunkt … Lotfußpunkt"), or the entry's name for a point marked without a
// line ("Umkreismittelpunkt"). Several points of one repaint may carry the same name.
std::string MarkedPointName(const ResultsList& results, const ReportedPoint& r);

// The points of the result lines in `results` that `log` noted, merged where they coincide. The
// scaled results and log come from a repaint of the same document with the vertices twice as far
// from `centre`: a point is kept only when it moved exactly along. Points that went through
// rounded screen pixels do not (their rounding differs), and they would otherwise line up by
// chance on the pixel grid.
// `centres`: the ETC centres of `results` (Document::etcCentres).
std::vector<MarkedPoint> CollectMarkedPoints(const ResultsList& results, const PaintLog& log,
                                             const ResultsList& scaledResults, const PaintLog& scaledLog,
                                             RealPoint centre, const std::array<RealPoint, 3>& abc,
                                             const std::vector<EtcCentre>& centres = {});

} // namespace trimora
