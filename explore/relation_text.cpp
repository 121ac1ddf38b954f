#include "explore/relations.h"

#include "explore/relation_checks.h"

#include <algorithm>
#include <climits>
#include <numeric>
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

namespace {

// A row names its places (or lines and circles) up to this many bytes and counts the rest:
// "…, Nagelpunkt N [X(8)] und 7 weitere".
constexpr std::size_t kLongestRow = 400;
constexpr std::size_t kRoomForTheCount = 24; // " und 999 weitere Orte"

// Appends `piece` (the k-th of n) when it and, unless it is the last, the count of the rest fit;
// else the count, and says that the row is full.
bool AppendWithin(std::string& line, const std::string& piece, std::size_t k, std::size_t n, std::string_view what) {
    const std::size_t room = k + 1 < n ? kRoomForTheCount : 0;
    if (k == 0 || line.size() + piece.size() + room <= kLongestRow) {
        line += piece;
        return true;
    }
    line += " und " + std::to_string(n - k) + " weitere";
    line += what;
    return false;
}

// The places of a row after a head of `head` bytes, all of them when they fit, else as many as fit
// of the best-known (centres X(n) first, then the catalogue's own points before derived ones and
// those named by their coordinates), in the row's order, and the count of the rest.
std::string NamedWithin(const std::vector<std::string>& places, std::size_t head) {
    std::size_t length = head;
    for (const std::string& p : places) length += p.size() + 2;
    std::vector<bool> shown(places.size(), length <= kLongestRow + 2);
    if (!shown.empty() && !shown[0]) {
        const auto rank = [&](std::size_t k) {
            const std::string& p = places[k];
            return p.find("[X(") != std::string::npos                                              ? 0
                   : p.find("\u2026") == std::string::npos && p.find(" ( ") == std::string::npos ? 1
                                                                                                 : 2;
        };
        std::vector<std::size_t> order(places.size());
        std::iota(order.begin(), order.end(), 0);
        std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return rank(a) < rank(b); });
        length = head + kRoomForTheCount;
        for (std::size_t k : order) {
            if (length + places[k].size() + 2 > kLongestRow) break;
            length += places[k].size() + 2;
            shown[k] = true;
        }
    }
    std::string text;
    std::size_t left = 0;
    for (std::size_t k = 0; k < places.size(); ++k) {
        if (!shown[k]) {
            ++left;
            continue;
        }
        if (!text.empty()) text += ", ";
        text += places[k];
    }
    if (left > 0) text += " und " + std::to_string(left) + " weitere Orte";
    return text;
}

std::string Joined(const std::vector<std::string>& names, std::size_t from, std::size_t to, std::string head = {}) {
    for (std::size_t k = from; k < to; ++k)
        if (!AppendWithin(head, (k > from ? ", " : "") + names[k], k - from, to - from, "")) break;
    return head;
}

// "schneiden sich in einem Punkt<TAB>a, b, c: Schwerpunkt S [X(2)]", "berühren sich<TAB>Euler-Kreis:
// Inkreis im Feuerbach-Punkt [X(11)], …", "parallel<TAB>a, b", "senkrecht<TAB>a ⊥ b, c".
std::string DrawnRelationLine(const RelationSet& set, const Relation& r) {
    const auto place = [&](int member) {
        const auto m = static_cast<std::size_t>(member);
        return PlaceName(set.points[static_cast<std::size_t>(r.members[m])], r.names[m]);
    };
    const std::vector<std::string>& e = r.elements;
    switch (r.kind) {
    case RelationKind::Concurrent:
        return Joined(e, 0, e.size(), "schneiden sich in einem Punkt\t") + (r.members.empty() ? "" : ": " + place(0));
    case RelationKind::Touching: {
        std::string line = "berühren sich\t" + e[0] + ": ";
        for (std::size_t k = 1; k < e.size(); ++k) {
            std::string piece = (k > 1 ? ", " : "") + e[k];
            if (k < r.at.size() && r.at[k] >= 0) piece += " im " + place(r.at[k]);
            if (!AppendWithin(line, piece, k - 1, e.size() - 1, "")) break;
        }
        return line;
    }
    case RelationKind::Parallel:
        return Joined(e, 0, e.size(), "parallel\t");
    default:
        return Joined(e, r.split, e.size(), Joined(e, 0, r.split, "senkrecht\t") + " ⊥ ");
    }
}

} // namespace

bool AmongDrawnElements(RelationKind kind) {
    return kind == RelationKind::Concurrent || kind == RelationKind::Touching || kind == RelationKind::Parallel ||
           kind == RelationKind::Perpendicular;
}

std::string RelationLine(const RelationSet& set, const Relation& r) {
    if (AmongDrawnElements(r.kind)) return DrawnRelationLine(set, r);
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
    if (r.kind == RelationKind::Coincident && !r.inPicture) {
        // What coincides is the row's content: every name.
        for (std::size_t m = 0; m < r.members.size(); ++m) {
            const MarkedPoint& p = set.points[static_cast<std::size_t>(r.members[m])];
            const std::vector<int> names = m < r.names.size() ? r.names[m] : AllNames(p);
            for (std::size_t n = 0; n < names.size(); ++n)
                line += (m > 0 || n > 0 ? " = " : "") + p.names[static_cast<std::size_t>(names[n])];
        }
        return line;
    }
    std::vector<std::string> places;
    for (std::size_t m = 0; m < r.members.size(); ++m) {
        const MarkedPoint& p = set.points[static_cast<std::size_t>(r.members[m])];
        places.push_back(PlaceName(p, m < r.names.size() ? r.names[m] : AllNames(p)));
    }
    return line + NamedWithin(places, line.size());
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
