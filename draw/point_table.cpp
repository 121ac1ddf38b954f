#include "draw/point_table.h"

#include "base/lines.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace trimora {

int RoundClamp(double v) {
    if (std::isnan(v) || v < -100000.0) return -100000;
    if (v > 100000.0) return 100000;
    return static_cast<int>(std::floor(v + 0.5));
}

double RoundWhole(double v) {
    if (std::isnan(v)) return -kDrawingLimit;
    return std::clamp(std::floor(v + 0.5), -kMeasureLimit, kMeasureLimit);
}

RealPoint UnclampedScreen(const PointTable& pt, int slot) {
    const RealPoint p = pt.precise[slot];
    const IntPoint s = pt.screen[slot];
    if (std::isfinite(p.x) && std::isfinite(p.y) && RoundClamp(p.x) == s.x && RoundClamp(p.y) == s.y)
        return {RoundWhole(p.x), RoundWhole(p.y)};
    return {static_cast<double>(s.x), static_cast<double>(s.y)};
}

void PlaceVertex(PointTable& pt, int slot, RealPoint pixel) {
    const RealPoint whole{RoundWhole(pixel.x), RoundWhole(pixel.y)};
    pt.precise[slot] = whole;
    pt.screen[slot] = {RoundClamp(whole.x), RoundClamp(whole.y)};
}

namespace {

// The vertex's precise point is the whole pixel its screen point was placed from.
bool PlacedFromPrecise(const PointTable& pt, int slot) {
    const RealPoint p = pt.precise[slot];
    const IntPoint s = pt.screen[slot];
    return p.x == RoundWhole(p.x) && p.y == RoundWhole(p.y) && RoundClamp(p.x) == s.x && RoundClamp(p.y) == s.y;
}

} // namespace

void KeepVertexPrecise(PointTable& pt) {
    for (int v = kSlotA; v <= kSlotC; ++v)
        if (!PlacedFromPrecise(pt, v))
            pt.precise[v] = {static_cast<double>(pt.screen[v].x), static_cast<double>(pt.screen[v].y)};
}

bool TriangleBeyondDrawing(const PointTable& pt) {
    for (int v = kSlotA; v <= kSlotC; ++v) {
        if (!PlacedFromPrecise(pt, v)) continue;
        const RealPoint p = pt.precise[v];
        if (std::fabs(p.x) > kDrawingLimit || std::fabs(p.y) > kDrawingLimit) return true;
    }
    return false;
}

void SetPrecise(PointTable& pt, int slot, double x, double y) { pt.precise[slot] = {x, y}; }

void SyncSlot(PointTable& pt, int slot) {
    const RealPoint p = pt.precise[slot];
    IntPoint& s = pt.screen[slot];
    if (!std::isfinite(p.x) || !std::isfinite(p.y)) {
        pt.precise[slot] = {kAbsent, kAbsent};
        s = {static_cast<int>(kAbsent), static_cast<int>(kAbsent)};
    } else {
        s = {RoundClamp(p.x), RoundClamp(p.y)};
    }
}

void ClearComputedSlots(PointTable& pt) {
    for (int slot = kSlotC + 1; slot < kSlotCount; ++slot) {
        pt.precise[slot] = {kAbsent, kAbsent};
        pt.screen[slot] = {static_cast<int>(kAbsent), static_cast<int>(kAbsent)};
    }
    pt.screen[0] = {static_cast<int>(kAbsent), static_cast<int>(kAbsent)};
    pt.precise[0] = {kAbsent, kAbsent};
}

void PlaceSlot(PointTable& pt, int slot, RealPoint p) {
    SetPrecise(pt, slot, p);
    SyncSlot(pt, slot);
}

std::optional<CircleFit> ListedCircle(const PointTable& pt, int i, int j, int k) {
    if (!Present(pt, i) || !Present(pt, j) || !Present(pt, k)) return std::nullopt;
    // Collinear as the points are listed, up to rounding noise: a small circle whose whole pixels
    // fall on one line is still there, and points on one line whose pixels do not are no circle.
    const RealPoint p = ListedPoint(pt, i), q = ListedPoint(pt, j), r = ListedPoint(pt, k);
    if (NearlyCollinear(p, q, r)) return std::nullopt;
    return CircleThroughPoints(p, q, r);
}

void PlaceAbsent(PointTable& pt, int slot) { PlaceSlot(pt, slot, {kAbsent, kAbsent}); }

RealPoint WorldToPixel(double x, double y, double stretch, int width, int height, int panX, int panY) {
    const double s = 100.0 * stretch;
    const double originX = width / 2 + panX, originY = height / 2 + panY;
    return {RoundWhole(x * s + originX), -RoundWhole(s * y - originY)};
}

IntPoint WorldToScreen(double x, double y, double stretch, int width, int height, int panX, int panY) {
    const RealPoint p = WorldToPixel(x, y, stretch, width, height, panX, panY);
    return {RoundClamp(p.x), RoundClamp(p.y)};
}

RealPoint ScreenToWorld(const PaintContext& ctx, RealPoint pixel) {
    return {(pixel.x - ctx.originX) / 100.0, (ctx.originY - pixel.y) / 100.0};
}

namespace {

double Dist(RealPoint p, RealPoint q) { return std::sqrt(std::fabs((p.x - q.x) * (p.x - q.x) + (p.y - q.y) * (p.y - q.y))); }

} // namespace

bool NearlyCollinear(RealPoint p1, RealPoint p2, RealPoint p3) {
    // Twice the signed area against the square of the longest side: rounding noise in the
    // coordinates leaves a relative area of about 1e-16, a triangle of one pixel height on a side
    // of 10^5 pixels still 1e-5. Three points within rounding noise of each other count as one.
    const double area2 = (p2.x - p1.x) * (p3.y - p1.y) - (p3.x - p1.x) * (p2.y - p1.y);
    auto sq = [](RealPoint p, RealPoint q) { return (p.x - q.x) * (p.x - q.x) + (p.y - q.y) * (p.y - q.y); };
    const double longest = std::max({sq(p1, p2), sq(p1, p3), sq(p2, p3)});
    const double magnitude = 1 + std::max({std::fabs(p1.x), std::fabs(p1.y), std::fabs(p2.x), std::fabs(p2.y),
                                           std::fabs(p3.x), std::fabs(p3.y)});
    constexpr double kCollinear = 1e-10, kNoise = 1e-9;
    if (!(longest > (kNoise * magnitude) * (kNoise * magnitude))) return true;
    return !(std::fabs(area2) > kCollinear * longest);
}

std::optional<RealPoint> TrilinearToPoint(double t1, double t2, double t3, RealPoint A, RealPoint B, RealPoint C) {
    // 1.-2. The incentre, from the bisector foot on AB.
    const double a0 = Dist(B, C), b0 = Dist(C, A);
    if (a0 + b0 == 0) return std::nullopt;
    const RealPoint D{A.x + b0 / (a0 + b0) * (B.x - A.x), A.y + b0 / (a0 + b0) * (B.y - A.y)};
    const double e = Dist(A, D);
    if (b0 + e == 0) return std::nullopt;
    const RealPoint I{D.x + e / (b0 + e) * (C.x - D.x), D.y + e / (b0 + e) * (C.y - D.y)};

    // 3. Move I to the origin and turn BC horizontal.
    const double phi = (B.x == C.x) ? -M_PI / 2 : std::atan((C.y - B.y) / (C.x - B.x));
    const double cs = std::cos(-phi), sn = std::sin(-phi);
    auto turn = [&](RealPoint p) {
        const double x = p.x - I.x, y = p.y - I.y;
        return RealPoint{x * cs - y * sn, x * sn + y * cs};
    };
    RealPoint a = turn(A), b = turn(B), c = turn(C);

    // 4. BC below the origin, B left of C.
    const bool flipY = c.y > 0;
    if (flipY) a.y = -a.y, b.y = -b.y, c.y = -c.y;
    const bool flipX = c.x < b.x;
    if (flipX) a.x = -a.x, b.x = -b.x, c.x = -c.x;

    // 5.-8. Sides, angle at C, area, scale of the ratios and the inradius.
    const double la = Dist(b, c), lb = Dist(c, a), lc = Dist(a, b);
    const double cosC = (lc * lc - lb * lb - la * la) / (-2 * la * lb);
    // Two equal vertices give 0/0 here, which the range test alone would let through.
    if (!std::isfinite(cosC) || std::fabs(cosC) > 1) return std::nullopt;
    const double gamma = std::acos(cosC);
    const double sh = (la + lb + lc) / 2;
    const double area = std::sqrt(std::fabs((sh - lc) * (sh - lb) * sh * (sh - la)));
    const double weighted = la * t1 + lb * t2 + lc * t3;
    // Weights that cancel within rounding put the point at infinity (the Kiepert points of an
    // isosceles triangle), not at some 10^15 pixels.
    if (!(std::fabs(weighted) > 1e-12 * (std::fabs(la * t1) + std::fabs(lb * t2) + std::fabs(lc * t3))))
        return std::nullopt;
    const double k = 2 * area / weighted;
    if (la + lb + lc == 0) return std::nullopt;
    const double r = 2 * area / (la + lb + lc);

    // 9. The point from its distances to BC (y = -r) and CA.
    if (gamma == 0) return std::nullopt;
    const double da = k * t1 - r, db = k * t2 - r;
    double x = -(db + da * std::cos(gamma)) / std::sin(gamma);
    double y = da;

    // 10. Back to the triangle's own position.
    if (flipX) x = -x;
    if (flipY) y = -y;
    const double cb = std::cos(phi), sb = std::sin(phi);
    const RealPoint result{x * cb - y * sb + I.x, x * sb + y * cb + I.y};
    if (!std::isfinite(result.x) || !std::isfinite(result.y)) return std::nullopt;
    return result;
}

std::optional<RealPoint> PointFromTrilinear(const PaintContext& ctx, double t1, double t2, double t3) {
    auto world = [&](int slot) { return ScreenToWorld(ctx, ScreenAsReal(ctx.pt, slot)); };
    const auto w = TrilinearToPoint(t1, t2, t3, world(kSlotA), world(kSlotB), world(kSlotC));
    if (!w) return std::nullopt;
    return RealPoint{ctx.originX + 100 * w->x, ctx.originY - 100 * w->y};
}

void SlotFromTrilinear(PaintContext& ctx, int slot, double t1, double t2, double t3) {
    PlaceSlot(ctx.pt, slot, PointFromTrilinear(ctx, t1, t2, t3).value_or(RealPoint{kAbsent, kAbsent}));
}

double SlotDistancePixels(const PointTable& pt, int i, int j) {
    return Dist(ScreenAsReal(pt, i), ScreenAsReal(pt, j));
}

double SlotDistanceWorld(const PointTable& pt, int i, int j) { return SlotDistancePixels(pt, i, j) * 0.01; }

double WorldDistance(RealPoint p1, RealPoint p2) {
    // The origin cancels out of a distance; the units are world units.
    return Dist(p1, p2) / 100.0;
}

int LongestSideIndex(const PointTable& pt, int i, int j, int k) {
    auto sq = [&](int u, int v) {
        const RealPoint p = ScreenAsReal(pt, u), q = ScreenAsReal(pt, v);
        return (p.x - q.x) * (p.x - q.x) + (p.y - q.y) * (p.y - q.y);
    };
    const double d1 = sq(i, j), d2 = sq(i, k), d3 = sq(j, k);
    if (d1 > d2 && d1 > d3) return 1;
    if (d2 > d1 && d2 > d3) return 2;
    return 3;
}

CircleDataResult CircleData(RealPoint p1, RealPoint p2, RealPoint p3) {
    CircleDataResult out;
    if (IsAbsentPoint(p1) || IsAbsentPoint(p2) || IsAbsentPoint(p3)) return out;
    const double v = Dist(p1, p2), p = Dist(p1, p3), q = Dist(p3, p2);
    if (p * q == 0) return out;
    const double cosR = (v * v - p * p - q * q) / (-2 * p * q);
    if (!(std::fabs(cosR) <= 1)) return out;
    const double angle3 = std::acos(cosR);
    if (p + q + v != 0) out.r = p * q * std::sin(angle3) / (p + q + v);
    if (std::sin(angle3) != 0 && !NearlyCollinear(p1, p2, p3)) out.R = v / std::sin(angle3) / 2;
    // The circumcentre about p1: squares of far-off coordinates would lose the digits that tell
    // a small triangle's centre, and so move it with the pan.
    if (!NearlyCollinear(p1, p2, p3)) {
        if (const std::optional<CircleFit> c = CircleThroughPoints(p1, p2, p3)) {
            out.circumcentre = c->centre;
            out.circumcentreValid = true;
        }
    }
    const double m = Dist(p2, p3), n = Dist(p1, p3);
    if (m + n == 0) return out;
    const RealPoint D{p1.x + n / (m + n) * (p2.x - p1.x), p1.y + n / (m + n) * (p2.y - p1.y)};
    const double e = Dist(p1, D);
    if (n + e == 0) return out;
    out.incentre = {D.x + e / (n + e) * (p3.x - D.x), D.y + e / (n + e) * (p3.y - D.y)};
    out.incentreValid = true;
    return out;
}

} // namespace trimora
