// Centres of the Encyclopedia of Triangle Centers from their published barycentric (or trilinear)
// coordinates, written independently of the program's constructions: a point X(n) of the triangle
// ABC as a Cartesian point. For the comparison of the program's centres with the encyclopedia and
// for tests that want exact centres.
#pragma once

#include "base/geometry.h"

#include <cmath>
#include <functional>
#include <map>
#include <optional>

namespace trimora::etc {

// Side lengths and angles, the first coordinate's view of the triangle: a opposite A and so on.
struct Sides {
    double a, b, c;
    double A, B, C; // radians
    double area;
};

using FirstCoordinate = std::function<double(const Sides&)>;

// The point with barycentrics f(a,b,c) : f(b,c,a) : f(c,a,b); nullopt when they sum to zero.
inline std::optional<RealPoint> FromBarycentrics(RealPoint pa, RealPoint pb, RealPoint pc,
                                                 const FirstCoordinate& f) {
    const double a = std::hypot(pb.x - pc.x, pb.y - pc.y), b = std::hypot(pc.x - pa.x, pc.y - pa.y),
                 c = std::hypot(pa.x - pb.x, pa.y - pb.y);
    const double A = std::acos((b * b + c * c - a * a) / (2 * b * c));
    const double B = std::acos((c * c + a * a - b * b) / (2 * c * a));
    const double C = M_PI - A - B;
    const double s = (a + b + c) / 2;
    const double area = std::sqrt(s * (s - a) * (s - b) * (s - c));
    const double u = f({a, b, c, A, B, C, area}), v = f({b, c, a, B, C, A, area}),
                 w = f({c, a, b, C, A, B, area});
    const double sum = u + v + w;
    if (!std::isfinite(sum) || std::fabs(sum) < 1e-300) return std::nullopt;
    return RealPoint{(u * pa.x + v * pb.x + w * pc.x) / sum, (u * pa.y + v * pb.y + w * pc.y) / sum};
}

// Barycentrics from trilinears: multiply by the side.
inline FirstCoordinate Trilinear(std::function<double(const Sides&)> t) {
    return [t](const Sides& s) { return s.a * t(s); };
}

inline double Sq(double x) {
    return x * x;
}

// The first barycentric (or trilinear) coordinate of each centre.
inline const std::map<int, FirstCoordinate>& CoordinateTable() {
    static const std::map<int, FirstCoordinate> table{
        {1, [](const Sides& s) { return s.a; }},
        {2, [](const Sides&) { return 1.0; }},
        {3, [](const Sides& s) { return s.a * s.a * (s.b * s.b + s.c * s.c - s.a * s.a); }},
        {4, [](const Sides& s) { return 1 / (s.b * s.b + s.c * s.c - s.a * s.a); }},
        {5, [](const Sides& s) { return s.a * s.a * (s.b * s.b + s.c * s.c) - Sq(s.b * s.b - s.c * s.c); }},
        {6, [](const Sides& s) { return s.a * s.a; }},
        {7, [](const Sides& s) { return 1 / (s.b + s.c - s.a); }},
        {8, [](const Sides& s) { return s.b + s.c - s.a; }},
        {9, [](const Sides& s) { return s.a * (s.b + s.c - s.a); }},
        {10, [](const Sides& s) { return s.b + s.c; }},
        {11, [](const Sides& s) { return (s.b + s.c - s.a) * Sq(s.b - s.c); }},
        {12, [](const Sides& s) { return Sq(s.b + s.c) / (s.b + s.c - s.a); }},
        {13,
         [](const Sides& s) {
             return std::pow(s.a, 4) - 2 * Sq(s.b * s.b - s.c * s.c) +
                    s.a * s.a * (s.b * s.b + s.c * s.c + 4 * std::sqrt(3.0) * s.area);
         }},
        {14,
         [](const Sides& s) {
             return std::pow(s.a, 4) - 2 * Sq(s.b * s.b - s.c * s.c) +
                    s.a * s.a * (s.b * s.b + s.c * s.c - 4 * std::sqrt(3.0) * s.area);
         }},
        {15, Trilinear([](const Sides& s) { return std::sin(s.A + M_PI / 3); })},
        {16, Trilinear([](const Sides& s) { return std::sin(s.A - M_PI / 3); })},
        {17, Trilinear([](const Sides& s) { return 1 / std::sin(s.A + M_PI / 6); })},
        {18, Trilinear([](const Sides& s) { return 1 / std::sin(s.A - M_PI / 6); })},
        {19, Trilinear([](const Sides& s) { return std::tan(s.A); })},
        {20,
         [](const Sides& s) {
             return 3 * std::pow(s.a, 4) - 2 * s.a * s.a * (s.b * s.b + s.c * s.c) -
                    Sq(s.b * s.b - s.c * s.c);
         }},
        {21, Trilinear([](const Sides& s) { return 1 / (std::cos(s.B) + std::cos(s.C)); })},
        {22,
         [](const Sides& s) { return s.a * s.a * (std::pow(s.b, 4) + std::pow(s.c, 4) - std::pow(s.a, 4)); }},
        {23,
         [](const Sides& s) {
             return s.a * s.a *
                    (std::pow(s.b, 4) + std::pow(s.c, 4) - std::pow(s.a, 4) - s.b * s.b * s.c * s.c);
         }},
        {37, [](const Sides& s) { return s.a * (s.b + s.c); }},
        {39, [](const Sides& s) { return s.a * s.a * (s.b * s.b + s.c * s.c); }},
        {40, Trilinear([](const Sides& s) { return std::cos(s.B) + std::cos(s.C) - std::cos(s.A) - 1; })},
        {54, Trilinear([](const Sides& s) { return 1 / std::cos(s.B - s.C); })},
        {65, [](const Sides& s) { return s.a * (s.b + s.c) / (s.b + s.c - s.a); }},
        {76, [](const Sides& s) { return 1 / (s.a * s.a); }},
        {98,
         [](const Sides& s) {
             return 1 / (std::pow(s.b, 4) + std::pow(s.c, 4) - s.a * s.a * (s.b * s.b + s.c * s.c));
         }},
        {99, [](const Sides& s) { return 1 / (s.b * s.b - s.c * s.c); }},
        {110, [](const Sides& s) { return s.a * s.a / (s.b * s.b - s.c * s.c); }},
        {111, [](const Sides& s) { return s.a * s.a / (2 * s.a * s.a - s.b * s.b - s.c * s.c); }},
        {115, [](const Sides& s) { return Sq(s.b * s.b - s.c * s.c); }},
        {125, [](const Sides& s) { return (s.b * s.b + s.c * s.c - s.a * s.a) * Sq(s.b * s.b - s.c * s.c); }},
        {173, Trilinear([](const Sides& s) {
             return std::cos(s.B / 2) + std::cos(s.C / 2) - std::cos(s.A / 2);
         })},
        {174, Trilinear([](const Sides& s) { return 1 / std::cos(s.A / 2); })},
        {175, Trilinear([](const Sides& s) {
             return -1 + std::cos(s.B / 2) * std::cos(s.C / 2) / std::cos(s.A / 2);
         })},
        {176, Trilinear([](const Sides& s) {
             return 1 + std::cos(s.B / 2) * std::cos(s.C / 2) / std::cos(s.A / 2);
         })},
        {179, Trilinear([](const Sides& s) { return 1 / std::pow(std::cos(s.A / 4), 4); })},
        {180, Trilinear([](const Sides& s) { // the second Ajima-Malfatti point
             const double a = s.a, b = s.b, c = s.c, p = a + b + c;
             const double ab = 2 * a * b + std::sqrt(a * b * (a + b - c) * p),
                          ac = 2 * a * c + std::sqrt(a * c * (a - b + c) * p),
                          bc = 2 * b * c + std::sqrt(b * c * (b + c - a) * p);
             return b * b * ac / (ab * bc + 2 * b * b * ac) - a * a * bc / (2 * a * a * bc + ab * ac) +
                    c * c * ab / (2 * c * c * ab + bc * ac);
         })},
        {181, [](const Sides& s) { return s.a * s.a * Sq(s.b + s.c) / (s.b + s.c - s.a); }},
        {187, [](const Sides& s) { return s.a * s.a * (2 * s.a * s.a - s.b * s.b - s.c * s.c); }},
        {192, [](const Sides& s) { return s.a * s.b + s.a * s.c - s.b * s.c; }},
        {351,
         [](const Sides& s) {
             return s.a * s.a * (s.b * s.b - s.c * s.c) * (s.b * s.b + s.c * s.c - 2 * s.a * s.a);
         }},
        {359, Trilinear([](const Sides& s) { return s.a / s.A; })},
        {360, Trilinear([](const Sides& s) { return s.A / s.a; })},
        {389,
         Trilinear([](const Sides& s) { return std::cos(s.A) - std::cos(2 * s.A) * std::cos(s.B - s.C); })},
        // The Eppstein points: trilinears 1 -+ 2S / (a (b + c - a)) with S twice the area.
        {481, Trilinear([](const Sides& s) { return 1 - 4 * s.area / (s.a * (s.b + s.c - s.a)); })},
        {482, Trilinear([](const Sides& s) { return 1 + 4 * s.area / (s.a * (s.b + s.c - s.a)); })},
        {485, [](const Sides& s) { return 1 / (s.b * s.b + s.c * s.c - s.a * s.a + 4 * s.area); }},
        {486, [](const Sides& s) { return 1 / (s.b * s.b + s.c * s.c - s.a * s.a - 4 * s.area); }},
        {1127, Trilinear([](const Sides& s) { return std::sin(s.A / 4) / std::sin(3 * s.A / 4); })},
        {1131, Trilinear([](const Sides& s) { return 1 / (2 * std::cos(s.A) + std::sin(s.A)); })},
        {1132, Trilinear([](const Sides& s) { return 1 / (-2 * std::cos(s.A) + std::sin(s.A)); })},
        {1153,
         [](const Sides& s) {
             const double a2 = s.a * s.a, b2 = s.b * s.b, c2 = s.c * s.c;
             return 10 * a2 * a2 - 13 * a2 * (b2 + c2) + 4 * b2 * b2 - 10 * b2 * c2 + 4 * c2 * c2;
         }},
        {1157, Trilinear([](const Sides& s) {
             return 4 * std::cos(s.A) + std::cos(3 * s.A) / (std::cos(s.A) * std::cos(s.B - s.C));
         })},
        {1323, Trilinear([](const Sides& s) {
             const double a = s.a, b = s.b, c = s.c;
             return (a + b - c) * (a - b + c) * (2 * a * a - Sq(b - c) - a * (b + c)) / a;
         })},
        // The root of (a + b - c)(a - b + c)(-a + b + c)(a + b + c) is four times the area.
        {1373, Trilinear([](const Sides& s) {
             const double a = s.a, b = s.b, c = s.c;
             return (a * (a - b - c) * (a + b - c) * (a - b + c) - 2 * (a + b - c) * (a - b + c) * 4 * s.area) / a;
         })},
        {1375, Trilinear([](const Sides& s) {
             const double a = s.a, b = s.b, c = s.c;
             return (2 * std::pow(a, 5) + std::pow(b, 5) - std::pow(b, 4) * c - b * std::pow(c, 4) +
                     std::pow(c, 5) - a * a * Sq(b - c) * (b + c) - a * Sq(b * b - c * c) -
                     std::pow(a, 3) * (b * b + c * c)) /
                    a;
         })},
    };
    return table;
}

// The centre of the circle through three points, nullopt for collinear points.
inline std::optional<RealPoint> Circumcentre(RealPoint p, RealPoint q, RealPoint r) {
    const double d = 2 * (p.x * (q.y - r.y) + q.x * (r.y - p.y) + r.x * (p.y - q.y));
    if (std::fabs(d) < 1e-300) return std::nullopt;
    const double np = p.x * p.x + p.y * p.y, nq = q.x * q.x + q.y * q.y, nr = r.x * r.x + r.y * r.y;
    return RealPoint{(np * (q.y - r.y) + nq * (r.y - p.y) + nr * (p.y - q.y)) / d,
                     (np * (r.x - q.x) + nq * (p.x - r.x) + nr * (q.x - p.x)) / d};
}

// X(n) of the triangle ABC, or nullopt when n is not known here or has no finite point.
inline std::optional<RealPoint> Centre(int n, RealPoint pa, RealPoint pb, RealPoint pc) {
    const auto& table = CoordinateTable();
    if (auto it = table.find(n); it != table.end()) return FromBarycentrics(pa, pb, pc, it->second);
    auto centre = [&](int m) { return Centre(m, pa, pb, pc); };
    switch (n) {
    case 182: { // the midpoint of the circumcentre and the symmedian point
        const auto o = centre(3), k = centre(6);
        if (!o || !k) return std::nullopt;
        return RealPoint{(o->x + k->x) / 2, (o->y + k->y) / 2};
    }
    case 355: { // the reflection of the incentre in the nine-point centre
        const auto i = centre(1), n5 = centre(5);
        if (!i || !n5) return std::nullopt;
        return RealPoint{2 * n5->x - i->x, 2 * n5->y - i->y};
    }
    case 354: { // the centroid of the intouch triangle: touch point on BC = (0 : s-c : s-b)
        auto touch = [](RealPoint p, RealPoint q, double towardsQ, double side) {
            return RealPoint{p.x + (q.x - p.x) * towardsQ / side, p.y + (q.y - p.y) * towardsQ / side};
        };
        const double a = std::hypot(pb.x - pc.x, pb.y - pc.y), b = std::hypot(pc.x - pa.x, pc.y - pa.y),
                     c = std::hypot(pa.x - pb.x, pa.y - pb.y), s = (a + b + c) / 2;
        const RealPoint d = touch(pb, pc, s - b, a), e = touch(pc, pa, s - c, b), f = touch(pa, pb, s - a, c);
        return RealPoint{(d.x + e.x + f.x) / 3, (d.y + e.y + f.y) / 3};
    }
    case 1116: { // the centre of the Lester circle through X(3), X(5) and X(13)
        const auto o = centre(3), n5 = centre(5), f = centre(13);
        if (!o || !n5 || !f) return std::nullopt;
        return Circumcentre(*o, *n5, *f);
    }
    case 164: { // the incentre of the excentral triangle
        const double a = std::hypot(pb.x - pc.x, pb.y - pc.y), b = std::hypot(pc.x - pa.x, pc.y - pa.y),
                     c = std::hypot(pa.x - pb.x, pa.y - pb.y);
        auto excentre = [&](double u, double v, double w) {
            const double sum = u + v + w;
            return RealPoint{(u * pa.x + v * pb.x + w * pc.x) / sum, (u * pa.y + v * pb.y + w * pc.y) / sum};
        };
        const RealPoint ia = excentre(-a, b, c), ib = excentre(a, -b, c), ic = excentre(a, b, -c);
        const double la = std::hypot(ib.x - ic.x, ib.y - ic.y), lb = std::hypot(ic.x - ia.x, ic.y - ia.y),
                     lc = std::hypot(ia.x - ib.x, ia.y - ib.y), sum = la + lb + lc;
        return RealPoint{(la * ia.x + lb * ib.x + lc * ic.x) / sum,
                         (la * ia.y + lb * ib.y + lc * ic.y) / sum};
    }
    case 970: { // the centre of the Apollonius circle: it touches the three excircles from outside
        // them, with the radius (r^2 + s^2) / (4 r); |P - Ia| = radius - ra gives two linear
        // equations for P.
        const double a = std::hypot(pb.x - pc.x, pb.y - pc.y), b = std::hypot(pc.x - pa.x, pc.y - pa.y),
                     c = std::hypot(pa.x - pb.x, pa.y - pb.y), s = (a + b + c) / 2;
        const double area = std::sqrt(s * (s - a) * (s - b) * (s - c)), r = area / s;
        const double radius = (r * r + s * s) / (4 * r);
        auto excentre = [&](double u, double v, double w) {
            const double sum = u + v + w;
            return RealPoint{(u * pa.x + v * pb.x + w * pc.x) / sum, (u * pa.y + v * pb.y + w * pc.y) / sum};
        };
        const RealPoint e[3] = {excentre(-a, b, c), excentre(a, -b, c), excentre(a, b, -c)};
        const double d[3] = {radius - area / (s - a), radius - area / (s - b), radius - area / (s - c)};
        // 2 P.(Ej - Ei) = d_i^2 - d_j^2 - |Ei|^2 + |Ej|^2 for (i, j) = (0, 1), (0, 2).
        auto row = [&](int i, int j, double& m1, double& m2, double& rhs) {
            m1 = 2 * (e[j].x - e[i].x);
            m2 = 2 * (e[j].y - e[i].y);
            rhs = d[i] * d[i] - d[j] * d[j] - (e[i].x * e[i].x + e[i].y * e[i].y) +
                  (e[j].x * e[j].x + e[j].y * e[j].y);
        };
        double a1, b1, c1, a2, b2, c2;
        row(0, 1, a1, b1, c1);
        row(0, 2, a2, b2, c2);
        const double det = a1 * b2 - a2 * b1;
        if (std::fabs(det) < 1e-300) return std::nullopt;
        return RealPoint{(c1 * b2 - c2 * b1) / det, (a1 * c2 - a2 * c1) / det};
    }
    default:
        return std::nullopt;
    }
}

} // namespace trimora::etc
