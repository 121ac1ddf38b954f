#include "explore/locus_pieces.h"

#include <algorithm>
#include <cmath>

namespace trimora {
namespace {

double Length(RealPoint p) {
    return std::hypot(p.x, p.y);
}
RealPoint Minus(RealPoint a, RealPoint b) {
    return {a.x - b.x, a.y - b.y};
}
double Dot(RealPoint a, RealPoint b) {
    return a.x * b.x + a.y * b.y;
}

} // namespace

std::vector<std::vector<std::size_t>> CutIntoPieces(const std::vector<std::optional<RealPoint>>& s,
                                                    const std::vector<int>& orientation, bool closed,
                                                    double side) {
    const std::size_t n = s.size();
    if (n < 2 || orientation.size() != n) return {};
    const std::size_t links = closed ? n : n - 1;
    auto at = [&](std::size_t i) { return i % n; };
    auto present = [&](std::size_t i) { return s[at(i)].has_value(); };
    auto step = [&](std::size_t i) { return Minus(*s[at(i + 1)], *s[at(i)]); };
    // Link i joins sample i to sample i + 1.
    std::vector<char> joined(links, 0);
    for (std::size_t i = 0; i < links; ++i)
        joined[i] = present(i) && present(i + 1) && orientation[at(i)] != 0 &&
                    orientation[at(i)] == orientation[at(i + 1)];
    std::vector<char> kept = joined;
    const double least = kLeastStep * side;
    for (std::size_t i = 0; i < links; ++i) {
        if (!joined[i]) continue;
        const RealPoint d = step(i);
        const double length = Length(d);
        const std::size_t before = (i + links - 1) % links, after = (i + 1) % links;
        const bool prev = (closed || i > 0) && joined[before],
                   next = (closed || i + 1 < links) && joined[after];
        const double lengthBefore = prev ? Length(step(before)) : 0,
                     lengthAfter = next ? Length(step(after)) : 0;
        // Through infinity between two samples the point comes back from the other side: this
        // step runs against both of its neighbours and outruns them.
        const bool reversed = prev && next && Dot(d, step(before)) < 0 && Dot(d, step(after)) < 0 &&
                              length > std::max(least, 2 * std::max(lengthBefore, lengthAfter));
        if (length > side || length > kJumpRatio * std::max({least, lengthBefore, lengthAfter}) || reversed)
            kept[i] = 0;
    }
    std::vector<std::vector<std::size_t>> pieces;
    std::size_t first = 0;
    const auto cut = std::find(kept.begin(), kept.end(), 0);
    if (closed && cut == kept.end()) {
        // One loop, closed by its first sample again.
        std::vector<std::size_t> loop(n + 1);
        for (std::size_t i = 0; i <= n; ++i)
            loop[i] = at(i);
        if (n > 1) pieces.push_back(std::move(loop));
        return pieces;
    }
    if (closed) first = static_cast<std::size_t>(cut - kept.begin()) + 1; // start after a cut
    std::vector<std::size_t> piece;
    for (std::size_t k = 0; k < n; ++k) {
        const std::size_t i = at(first + k);
        if (present(i)) piece.push_back(i);
        if (k + 1 == n || i >= links || !kept[i]) {
            if (piece.size() > 1) pieces.push_back(piece);
            piece.clear();
        }
    }
    return pieces;
}

bool SteadyVertex(const std::array<RealPoint, 3>& v, int moving, double fraction) {
    const RealPoint p = v[static_cast<std::size_t>(moving)], a = v[static_cast<std::size_t>((moving + 1) % 3)],
                    b = v[static_cast<std::size_t>((moving + 2) % 3)];
    const double base = std::hypot(b.x - a.x, b.y - a.y);
    const double height = std::fabs((b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x)) / base;
    return base > 0 && height >= fraction * base;
}

std::vector<std::size_t> SmoothSamples(const std::vector<RealPoint>& piece, double roughness) {
    constexpr double kWeights[7] = {-2, 3, 6, 7, 6, 3, -2}; // over 21
    std::vector<std::size_t> smooth;
    for (std::size_t i = 3; i + 3 < piece.size(); ++i) {
        RealPoint fitted{};
        for (std::size_t k = 0; k < 7; ++k) {
            fitted.x += kWeights[k] * piece[i + k - 3].x / 21;
            fitted.y += kWeights[k] * piece[i + k - 3].y / 21;
        }
        if (Length(Minus(piece[i], fitted)) <= roughness) smooth.push_back(i);
    }
    return smooth;
}

} // namespace trimora
