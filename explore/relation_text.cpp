#include "explore/relations.h"

#include "explore/relation_checks.h"

#include <algorithm>
#include <climits>
#include <tuple>

namespace trimora {

std::string PlaceName(const MarkedPoint& p, const std::vector<int>& names) {
    if (names.empty()) return {};
    auto centre = [&](int n) { return static_cast<std::size_t>(n) < p.etc.size() ? p.etc[static_cast<std::size_t>(n)] : 0; };
    // The catalogue lists the best-known elements first.
    auto entry = [&](int n) {
        int first = INT_MAX;
        if (static_cast<std::size_t>(n) < p.nameElements.size())
            for (int e : p.nameElements[static_cast<std::size_t>(n)])
                if (e < kEntryCount) first = std::min(first, e);
        return first;
    };
    auto rank = [&](int n) {
        const std::string& name = p.names[static_cast<std::size_t>(n)];
        const int x = centre(n);
        return std::make_tuple(x > 0 ? x : INT_MAX, name.find("\u2026") != std::string::npos, entry(n), name.size(), n);
    };
    const int best = *std::min_element(names.begin(), names.end(), [&](int a, int b) { return rank(a) < rank(b); });
    std::string text = p.names[static_cast<std::size_t>(best)];
    if (const int x = centre(best); x > 0) text += " [X(" + std::to_string(x) + ")]";
    return text;
}

std::string RelationLine(const RelationSet& set, const Relation& r) {
    // "auf dem Kegelschnitt durch …", "auf der Kiepert-Hyperbel".
    const auto onConic = [&] {
        return (r.title.starts_with("Kegelschnitt") ? "auf dem " : "auf der ") + std::string(r.title) + '\t';
    };
    std::string line = r.kind == RelationKind::OnConic     ? onConic()
                       : !r.title.empty()                  ? std::string(r.title) + '\t'
                       : r.kind == RelationKind::Collinear ? "kollinear\t"
                       : r.kind == RelationKind::Concyclic ? "konzyklisch\t"
                       : r.inPicture                       ? "im Bild nicht zu unterscheiden\t"
                                                           : "fallen zusammen\t";
    for (std::size_t m = 0; m < r.members.size(); ++m) {
        if (m > 0) line += r.kind == RelationKind::Coincident && !r.inPicture ? " = " : ", ";
        const MarkedPoint& p = set.points[static_cast<std::size_t>(r.members[m])];
        const std::vector<int> all = m < r.names.size() ? std::vector<int>{} : AllNames(p);
        const std::vector<int>& names = m < r.names.size() ? r.names[m] : all;
        if (r.kind != RelationKind::Coincident || r.inPicture) {
            line += PlaceName(p, names);
            continue;
        }
        // What coincides is the row's content: every name.
        for (std::size_t n = 0; n < names.size(); ++n) {
            if (n > 0) line += " = ";
            line += p.names[static_cast<std::size_t>(names[n])];
        }
    }
    return line;
}

std::string AllPlaceNames(const MarkedPoint& p) {
    std::string text;
    for (std::size_t n = 0; n < p.names.size(); ++n) text += (n > 0 ? " = " : "") + p.names[n];
    return text;
}

std::vector<std::string> PlaceLegend(const RelationSet& set, bool all, std::size_t limit) {
    std::vector<int> rows;
    RelationLines(set, all, &rows, limit);
    std::vector<bool> named(set.points.size(), false);
    for (int k : rows) {
        if (k < 0) continue;
        const Relation& r = set.relations[static_cast<std::size_t>(k)];
        if (r.kind == RelationKind::Coincident && !r.inPicture) continue;
        for (int m : r.members) named[static_cast<std::size_t>(m)] = true;
    }
    std::vector<std::string> lines;
    for (std::size_t k = 0; k < set.points.size(); ++k) {
        const MarkedPoint& p = set.points[k];
        if (!named[k] || p.names.size() < 2) continue;
        if (lines.empty()) lines.emplace_back("Namen der Orte");
        lines.push_back(PlaceName(p, AllNames(p)) + '\t' + AllPlaceNames(p));
    }
    return lines;
}

std::vector<std::string> RelationLines(const RelationSet& set, bool all, std::vector<int>* rows,
                                       std::size_t limit) {
    std::vector<std::string> lines{std::string(kRelationsHeading)};
    std::vector<int> of{-1};
    const auto general = std::count_if(set.relations.begin(), set.relations.end(),
                                       [](const Relation& r) { return r.general; });
    const bool split = all && general < static_cast<long>(set.relations.size());
    if (general == 0 && !split) lines.emplace_back("Keine Zusammenhänge gefunden"), of.push_back(-1);
    const std::size_t shown = all ? set.relations.size() : static_cast<std::size_t>(general);
    for (std::size_t k = 0; k < shown; ++k) {
        if (limit > 0 && k == limit) {
            lines.push_back("… und " + std::to_string(shown - limit) + " weitere");
            of.push_back(-1);
            break;
        }
        const Relation& r = set.relations[k];
        if (split && (k == 0 || r.general != set.relations[k - 1].general))
            lines.emplace_back(r.general ? "gilt für jedes Dreieck" : "nur für dieses Dreieck"), of.push_back(-1);
        lines.push_back(RelationLine(set, r));
        of.push_back(static_cast<int>(k));
    }
    if (rows) *rows = std::move(of);
    return lines;
}


} // namespace trimora
