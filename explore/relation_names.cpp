#include "explore/relation_names.h"

#include "explore/plane.h"

#include <algorithm>
#include <initializer_list>
#include <set>

namespace trimora {
namespace {

using namespace plane;

// Lines of the Encyclopedia of Triangle Centers by some of the centres X(n) on them: two of them on
// one set make it that line.
struct KnownLine {
    std::string_view name;
    std::initializer_list<int> centres;
};
const KnownLine kKnownLines[] = {
    {"Euler-Gerade", {2, 3, 4, 5, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 140, 186, 376, 381, 382, 383, 384, 546, 547,
                      548, 549, 550}},
    {"Nagel-Gerade", {1, 2, 8, 10, 145, 551}},
    {"Soddy-Gerade", {1, 7, 20, 175, 176}},
    {"Brocard-Achse", {3, 6, 15, 16, 32, 39, 61, 62, 182, 187, 371, 372}},
    {"Fermat-Achse", {13, 14}},
};

// Circles are told by their centre and radius on this triangle: too few of their points are centres.
constexpr double kSameCircle = 1e-7; // of the longest side

RealPoint Bary(double wa, double wb, double wc, const std::array<RealPoint, 3>& v) {
    const double s = wa + wb + wc;
    return {(wa * v[0].x + wb * v[1].x + wc * v[2].x) / s, (wa * v[0].y + wb * v[1].y + wc * v[2].y) / s};
}

std::vector<int> ShownCentres(const Relation& r, const std::vector<MarkedPoint>& points, std::size_t m) {
    const MarkedPoint& p = points[static_cast<std::size_t>(r.members[m])];
    std::vector<int> out;
    if (p.etc.size() != p.names.size()) return out;
    for (int n : r.names[m])
        if (const int x = p.etc[static_cast<std::size_t>(n)]; x > 0) out.push_back(x);
    return out;
}

std::string_view KnownCircle(const Relation& r, const std::array<RealPoint, 3>& v) {
    const double a2 = Dot(Minus(v[1], v[2]), Minus(v[1], v[2])), b2 = Dot(Minus(v[2], v[0]), Minus(v[2], v[0])),
                 c2 = Dot(Minus(v[0], v[1]), Minus(v[0], v[1]));
    const double a = std::sqrt(a2), b = std::sqrt(b2), c = std::sqrt(c2);
    const RealPoint U = Bary(a2 * (b2 + c2 - a2), b2 * (c2 + a2 - b2), c2 * (a2 + b2 - c2), v);
    const RealPoint H{v[0].x + v[1].x + v[2].x - 2 * U.x, v[0].y + v[1].y + v[2].y - 2 * U.y};
    const RealPoint K = Bary(a2, b2, c2, v), I = Bary(a, b, c, v);
    const double R = Length(Minus(v[0], U));
    const double inradius = std::fabs(Cross(Minus(v[1], v[0]), Minus(v[2], v[0]))) / (a + b + c);
    const struct {
        std::string_view name;
        RealPoint centre;
        double radius;
    } circles[] = {{"Umkreis", U, R},
                   {"Feuerbach-Kreis", {(U.x + H.x) / 2, (U.y + H.y) / 2}, R / 2},
                   {"Brocard-Kreis", {(U.x + K.x) / 2, (U.y + K.y) / 2}, Length(Minus(U, K)) / 2},
                   {"Inkreis", I, inradius}};
    const double tolerance = kSameCircle * LongestSide(v);
    for (const auto& k : circles)
        if (Length(Minus(k.centre, r.centre)) <= tolerance && std::fabs(k.radius - r.radius) <= tolerance)
            return k.name;
    return {};
}

} // namespace

std::string_view KnownName(const Relation& r, const std::vector<MarkedPoint>& points,
                           const std::array<RealPoint, 3>& abc) {
    if (r.kind == RelationKind::Concyclic) return KnownCircle(r, abc);
    if (r.kind == RelationKind::OnConic) return r.title; // the conic's own name
    if (r.kind != RelationKind::Collinear) return {};
    std::string_view best;
    int most = 1;
    for (const KnownLine& line : kKnownLines) {
        int on = 0; // members with a centre of the line
        for (std::size_t m = 0; m < r.members.size(); ++m) {
            const std::vector<int> xs = ShownCentres(r, points, m);
            if (std::any_of(xs.begin(), xs.end(), [&](int x) {
                    return std::find(line.centres.begin(), line.centres.end(), x) != line.centres.end();
                }))
                ++on;
        }
        if (on > most) most = on, best = line.name;
    }
    return best;
}

int Weight(const Relation& r, const std::vector<MarkedPoint>& points) {
    std::set<int> entries, centres;
    for (std::size_t m = 0; m < r.members.size() && m < r.names.size(); ++m) {
        const MarkedPoint& p = points[static_cast<std::size_t>(r.members[m])];
        for (int n : r.names[m]) {
            if (static_cast<std::size_t>(n) < p.nameElements.size())
                for (int e : p.nameElements[static_cast<std::size_t>(n)])
                    if (e < kEntryCount) entries.insert(e);
            if (static_cast<std::size_t>(n) < p.etc.size() && p.etc[static_cast<std::size_t>(n)] > 0)
                centres.insert(p.etc[static_cast<std::size_t>(n)]);
        }
    }
    return static_cast<int>(entries.size() + centres.size());
}

} // namespace trimora
