#include "explore/marked_points.h"

#include "explore/plane.h"
#include "explore/relations.h"

#include "base/etc_numbers.h"
#include "base/format.h"
#include "draw/point_table.h"
#include "draw/results.h"

#include <algorithm>
#include <map>
#include <set>

namespace trimora {
namespace {

using namespace plane;

bool StartsWithEllipsis(std::string_view label) {
    return label.substr(0, kEllipsis.size()) == kEllipsis;
}

std::string_view LabelOf(const std::string& line) {
    const auto tab = line.find('\t');
    return tab == std::string::npos ? std::string_view(line) : std::string_view(line).substr(0, tab);
}

// The head of the block of line i: the nearest line at or before it that is a title (no tab) or
// whose label is not a "…" sub-label.
std::size_t BlockHead(const ResultsList& results, std::size_t i) {
    for (std::size_t k = i + 1; k-- > 0;) {
        const std::string& line = results[k];
        if (line.find('\t') == std::string::npos || !StartsWithEllipsis(LabelOf(line))) return k;
    }
    return i;
}

// A sub-label "… Lotfußpunkt" is named with its block's title: "Schwerpunkt … Lotfußpunkt".
std::string PointName(const ResultsList& results, std::size_t i) {
    const std::string_view label = LabelOf(results[i]);
    if (!StartsWithEllipsis(label)) return std::string(label);
    const std::size_t head = BlockHead(results, i);
    if (head == i) return std::string(label);
    std::string name(LabelOf(results[head]));
    name += ' ';
    name += label;
    return name;
}

std::string NameOf(const ResultsList& list, const ReportedPoint& r) { return MarkedPointName(list, r); }

bool Listed(const ResultsList& list, const ReportedPoint& r) {
    return r.line < list.Size() || !r.name.empty();
}

// A point of the same name in another repaint: the name and how many came before it.
std::string Key(const std::string& name, std::size_t ordinal) {
    return name + '#' + std::to_string(ordinal);
}

} // namespace

std::string MarkedPointName(const ResultsList& results, const ReportedPoint& r) {
    return r.name.empty() ? PointName(results, r.line) : std::string(r.name);
}

PointsByKey PointsOf(const ResultsList& results, const PaintLog& log) {
    PointsByKey points;
    std::map<std::string, std::size_t> seen;
    for (const ReportedPoint& r : log.points) {
        if (!Listed(results, r)) continue;
        const std::string name = NameOf(results, r);
        if (Finite(r.p) && !IsAbsentPoint(r.p)) points.emplace(Key(name, seen[name]), r.p);
        ++seen[name];
    }
    return points;
}

std::vector<MarkedPoint> CollectMarkedPoints(const ResultsList& results, const PaintLog& log,
                                             const ResultsList& scaledResults, const PaintLog& scaledLog,
                                             RealPoint centre, const std::array<RealPoint, 3>& abc,
                                             const std::vector<EtcCentre>& centres) {
    std::map<std::size_t, int> etcOfLine;
    for (const EtcCentre& c : centres)
        etcOfLine[c.line] = c.n;
    const double tolerance = kRelationTolerance * LongestSide(abc);
    const PointsByKey scaled = PointsOf(scaledResults, scaledLog);
    std::map<std::string, std::size_t> seen;

    std::vector<MarkedPoint> raw;
    for (const ReportedPoint& r : log.points) {
        if (!Listed(results, r)) continue;
        std::string name = NameOf(results, r);
        std::string key = Key(name, seen[name]++);
        if (!Finite(r.p) || IsAbsentPoint(r.p)) continue;
        const auto twin = scaled.find(key);
        if (twin == scaled.end()) continue;
        const RealPoint expected{centre.x + 2 * (r.p.x - centre.x), centre.y + 2 * (r.p.y - centre.y)};
        if (!(Length(Minus(twin->second, expected)) <= 2 * tolerance)) continue;
        // A point belongs to the entry whose switch was found on last and to its block of lines
        // (a title and its "…" lines): either may make a set one element's own.
        std::vector<int> elements;
        if (r.name.empty()) elements.push_back(kEntryCount + static_cast<int>(BlockHead(results, r.line)));
        if (r.entry >= 0) elements.push_back(r.entry);
        std::sort(elements.begin(), elements.end());
        int etc = 0;
        if (!r.name.empty()) etc = r.entry >= 0 ? EtcNumberOfEntry(r.entry).value_or(0) : 0;
        else if (const auto it = etcOfLine.find(r.line); it != etcOfLine.end()) etc = it->second;
        raw.push_back({r.p, {std::move(name)}, elements, r.line, {std::move(key)}, {elements}, {etc}});
    }
    // Equal points, whichever elements report them, are one place with several names.
    std::sort(raw.begin(), raw.end(),
              [](const MarkedPoint& a, const MarkedPoint& b) { return a.p.x < b.p.x; });
    std::vector<bool> taken(raw.size(), false);
    std::vector<MarkedPoint> merged;
    for (std::size_t a = 0; a < raw.size(); ++a) {
        if (taken[a]) continue;
        std::vector<MarkedPoint*> here{&raw[a]};
        for (std::size_t b = a + 1; b < raw.size() && raw[b].p.x - raw[a].p.x <= tolerance; ++b)
            if (!taken[b] && Length(Minus(raw[b].p, raw[a].p)) <= tolerance) taken[b] = true, here.push_back(&raw[b]);
        std::stable_sort(here.begin(), here.end(),
                         [](const MarkedPoint* x, const MarkedPoint* y) { return x->firstLine < y->firstLine; });
        MarkedPoint point{raw[a].p, {}, {}, here.front()->firstLine, {}, {}, {}};
        for (MarkedPoint* m : here) {
            point.elements.insert(point.elements.end(), m->elements.begin(), m->elements.end());
            const auto same = std::find(point.names.begin(), point.names.end(), m->names[0]);
            if (same == point.names.end()) {
                point.names.push_back(m->names[0]);
                point.keys.push_back(m->keys[0]);
                point.nameElements.push_back(m->elements);
                point.etc.push_back(m->etc[0]);
                continue;
            }
            // One name reported twice: the elements of both.
            std::vector<int>& e = point.nameElements[static_cast<std::size_t>(same - point.names.begin())];
            e.insert(e.end(), m->elements.begin(), m->elements.end());
            std::sort(e.begin(), e.end());
            e.erase(std::unique(e.begin(), e.end()), e.end());
        }
        std::sort(point.elements.begin(), point.elements.end());
        point.elements.erase(std::unique(point.elements.begin(), point.elements.end()), point.elements.end());
        merged.push_back(std::move(point));
    }
    // Names and points in the order of the results list.
    std::sort(merged.begin(), merged.end(),
              [](const MarkedPoint& a, const MarkedPoint& b) { return a.firstLine < b.firstLine; });
    // A name that several places carry gets each place's coordinates, as its result line shows them.
    std::map<std::string, int> carriers;
    for (const MarkedPoint& m : merged)
        for (const std::string& name : m.names)
            ++carriers[name];
    for (MarkedPoint& m : merged)
        for (std::string& name : m.names)
            if (carriers[name] > 1) {
                name += " ( ";
                name += FormatReal((m.p.x - centre.x) / 100, 3);
                name += " | ";
                name += FormatReal((centre.y - m.p.y) / 100, 3);
                name += " )";
            }
    return merged;
}

} // namespace trimora
