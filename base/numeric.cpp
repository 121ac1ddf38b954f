#include "base/numeric.h"

#include "base/format.h"
#include "formula/real_text.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <system_error>
#include <tuple>
#include <utility>

namespace trimora {
namespace {

constexpr int kRootDecimals = 5;
constexpr double kSqrt3 = 1.7320508075688772935;

std::string Text(double x) {
    return FormatRealDot(x, kRootDecimals);
}

// The two members of the conjugate pair re ± im·i: first re + im·i, then re - im·i, each written
// with a non-negative imaginary text. An imaginary part whose text is "0" gives two real roots.
std::pair<std::string, std::string> ConjugatePair(double re, double im) {
    const std::string reText = Text(re);
    const std::string imText = Text(std::fabs(im));
    if (imText == "0") return {reText, reText};
    const std::string plus = reText + "+" + imText + "*i";
    const std::string minus = reText + "-" + imText + "*i";
    if (std::signbit(im)) return {minus, plus};
    return {plus, minus};
}

// Line values u·x + v·y + w of the line through L1 and L2, exact for every int coordinate
// (the terms reach 2^64, hence 128 bits).
__extension__ typedef __int128 Wide;

int LineSide(long long l1x, long long l1y, long long l2x, long long l2y, long long px, long long py) {
    const Wide u = Wide{l1y} - l2y;
    const Wide v = Wide{l2x} - l1x;
    const Wide w = Wide{l1x} * l2y - Wide{l1y} * l2x;
    const Wide value = u * px + v * py + w;
    return (value > 0) - (value < 0);
}

// Whole pixels up to 2^52 are exact as reals and as 64-bit integers alike.
bool Whole(RealPoint p) {
    constexpr double kExact = 4503599627370496.0; // 2^52
    return std::fabs(p.x) < kExact && std::fabs(p.y) < kExact && p.x == std::floor(p.x) && p.y == std::floor(p.y);
}

// Exact when the line's points are whole pixels: the point's side in 128 bits if it is whole too,
// else in reals.
int LineSide(RealPoint l1, RealPoint l2, RealPoint p) {
    if (Whole(l1) && Whole(l2) && Whole(p))
        return LineSide(static_cast<long long>(l1.x), static_cast<long long>(l1.y), static_cast<long long>(l2.x),
                        static_cast<long long>(l2.y), static_cast<long long>(p.x), static_cast<long long>(p.y));
    const double u = l1.y - l2.y;
    const double v = l2.x - l1.x;
    const double w = l1.x * l2.y - l1.y * l2.x;
    const double value = u * p.x + v * p.y + w;
    return (value > 0) - (value < 0);
}

} // namespace

std::optional<double> ParseRootText(std::string_view text) {
    const RealRead read = ReadReal(text, RealSyntax::fixed);
    if (read.error != std::errc{} || read.length != text.size() || !std::isfinite(read.value)) return std::nullopt;
    return read.value;
}

QuadraticRoots SolveQuadratic(double a, double b, double c) {
    QuadraticRoots roots;
    if (c != 0.0) {
        const double g = -b / c;
        const double d = (g / 2) * (g / 2) - a / c;
        const double w = std::sqrt(std::fabs(d));
        if (d < 0) {
            roots.re = Text(g / 2);
            roots.im = Text(w);
            roots.x1 = roots.re + "+" + roots.im + "*i";
            roots.x2 = roots.re + "-" + roots.im + "*i";
        } else {
            roots.x1 = Text(g / 2 - w);
            roots.x2 = Text(g / 2 + w);
        }
        return roots;
    }
    if (b != 0.0)
        roots.x1 = Text(-a / b);
    else
        roots.x1 = a != 0.0 ? "keine L." : "beliebig";
    roots.x2 = "-";
    return roots;
}

CubicRoots SolveCubic(double a, double b, double c, double d) {
    CubicRoots roots;
    if (d == 0.0) {
        QuadraticRoots q = SolveQuadratic(a, b, c);
        return {std::move(q.x1), std::move(q.x2), "-", std::move(q.re), std::move(q.im)};
    }
    if (a == 0.0) { // x = 0 is a root
        QuadraticRoots q = SolveQuadratic(b, c, d);
        return {"0", std::move(q.x1), std::move(q.x2), std::move(q.re), std::move(q.im)};
    }
    // Cardano on the depressed cubic y³ + p·y + q with x = y - h.
    const double f = b / d, g = c / d;
    const double p = f - g * g / 3;
    const double q = 2 * g * g * g / 27 - f * g / 3 + a / d;
    const double t = p * p * p / 27 + q * q / 4;
    const double u = -q / 2;
    const double h = g / 3;
    if (t >= 0) {
        const double v = std::sqrt(t);
        const double r = std::cbrt(u + v), s = std::cbrt(u - v);
        const double im = (r - s) * kSqrt3 / 2; // r >= s, so im >= 0
        const double re = -(r + s) / 2 - h;
        roots.x1 = Text(r + s - h);
        roots.re = Text(re);
        roots.im = Text(im);
        std::tie(roots.x2, roots.x3) = ConjugatePair(re, im);
    } else {
        // Three real roots (t < 0 implies p < 0, so v > 0). Rounding can push u/v a hair beyond
        // ±1, where arccos has no value: clamp it.
        const double v = std::sqrt(-p * p * p / 27);
        const double phi = std::acos(std::clamp(u / v, -1.0, 1.0));
        const double rho = 2 * std::cbrt(v);
        roots.x1 = Text(rho * std::cos(phi / 3) - h);
        roots.x2 = Text(rho * std::cos((phi + 2 * std::numbers::pi) / 3) - h);
        roots.x3 = Text(rho * std::cos((phi + 4 * std::numbers::pi) / 3) - h);
    }
    return roots;
}

QuarticRoots SolveQuartic(double a, double b, double c, double d, double e) {
    if (e == 0.0) {
        CubicRoots k = SolveCubic(a, b, c, d);
        return {std::move(k.x1), std::move(k.x2), std::move(k.x3), "-"};
    }
    if (a == 0.0) { // x = 0 is a root
        CubicRoots k = SolveCubic(b, c, d, e);
        return {std::move(k.x1), std::move(k.x2), std::move(k.x3), "0"};
    }
    const QuarticRoots none{"-", "-", "-", "-"};

    // 1. Depressed quartic y⁴ + p·y² + q·y + r with x = y - A/4.
    const double A = d / e, B = c / e, C = b / e, D = a / e;
    const double p = B - 3 * A * A / 8;
    const double q = A * A * A / 8 - A * B / 2 + C;
    const double r = -3 * A * A * A * A / 256 + A * A * B / 16 - A * C / 4 + D;
    const double shift = A / 4;

    // 2. Resolvent z³ + 2p·z² + (p² - 4r)·z - q² = 0; its roots z are the squares of sums of pairs
    //    of the y roots. The signs of the square roots must multiply to -q: sigma flips them.
    const CubicRoots z = SolveCubic(-q * q, p * p - 4 * r, 2 * p, 1);
    const double sigma = q > 0 ? -1.0 : 1.0;
    QuarticRoots roots;

    if (!z.re.empty()) {
        // 3a. One real resolvent root z1 and the pair re ± im·i.
        const auto z1 = ParseRootText(z.x1), re = ParseRootText(z.re), im = ParseRootText(z.im);
        if (!z1 || !re || !im || *z1 < 0) return none;
        const double beta = std::sqrt(*z1);
        const double mu = std::sqrt(*re * *re + *im * *im);
        const double E = std::sqrt(std::max(0.0, (*re + mu) / 2)); // real part of √(re + im·i)
        const double F = std::sqrt(std::max(0.0, (mu - *re) / 2)); // its imaginary part
        roots.x1 = Text((2 * E + beta) * sigma / 2 - shift);
        roots.x2 = Text((beta - 2 * E) * sigma / 2 - shift);
        // The remaining pair is sigma·(-beta ± 2F·i)/2 - A/4.
        std::tie(roots.x3, roots.x4) = ConjugatePair(-beta * sigma / 2 - shift, F);
        return roots;
    }

    // 3b. Three real resolvent roots.
    auto z1 = ParseRootText(z.x1), z2 = ParseRootText(z.x2), z3 = ParseRootText(z.x3);
    if (!z1 || !z2 || !z3) return none;
    if (*z1 >= 0 && *z2 >= 0 && *z3 >= 0) {
        const double s1 = std::sqrt(*z1), s2 = std::sqrt(*z2), s3 = std::sqrt(*z3);
        roots.x1 = Text((s1 + s2 + s3) * sigma / 2 - shift);
        roots.x2 = Text((s1 - s2 - s3) * sigma / 2 - shift);
        roots.x3 = Text((s2 - s1 - s3) * sigma / 2 - shift);
        roots.x4 = Text((s3 - s1 - s2) * sigma / 2 - shift);
        return roots;
    }
    // Two negative resolvent roots: two complex pairs. Put the non-negative root first.
    if (*z2 >= 0) std::swap(z1, z2);
    if (*z3 >= 0) std::swap(z1, z3);
    const double s1 = std::sqrt(std::fabs(*z1)), s2 = std::sqrt(std::fabs(*z2)),
                 s3 = std::sqrt(std::fabs(*z3));
    std::tie(roots.x1, roots.x2) = ConjugatePair(s1 * sigma / 2 - shift, (s2 - s3) * sigma / 2);
    std::tie(roots.x3, roots.x4) = ConjugatePair(-s1 * sigma / 2 - shift, (s3 + s2) * sigma / 2);
    return roots;
}

std::optional<double> SignedLineDistance(RealPoint p, RealPoint r, RealPoint l1, RealPoint l2) {
    const double u = l1.y - l2.y;
    const double v = l2.x - l1.x;
    const double w = l1.x * l2.y - l1.y * l2.x;
    const double n = Hypot(u, v);
    if (n == 0.0) return std::nullopt;
    const double dp = (u * p.x + v * p.y + w) / n;
    const double dr = (u * r.x + v * r.y + w) / n;
    if (!std::isfinite(dp)) return std::nullopt;
    // Compare signs instead of multiplying, which could underflow to 0 or overflow.
    const bool sameSide = dp == 0.0 || dr == 0.0 || std::signbit(dp) == std::signbit(dr);
    return sameSide ? std::fabs(dp) : -std::fabs(dp);
}

bool SameSideTest(RealPoint l1, RealPoint l2, RealPoint q, RealPoint s) {
    return LineSide(l1, l2, q) * LineSide(l1, l2, s) <= 0;
}

RealPoint ReflectIfSameSide(RealPoint l1, RealPoint l2, RealPoint r, RealPoint x, RealPoint m) {
    if (LineSide(l1, l2, x) * LineSide(l1, l2, r) > 0) return {2 * m.x - x.x, 2 * m.y - x.y};
    return x;
}


RealPoint PerpendicularPoint(RealPoint p1, RealPoint p2, RealPoint p0) {
    RealPoint result{-1000, -1000};
    // A rise or run that is rounding noise against the other makes the line horizontal or vertical;
    // otherwise the perpendicular's slope of about 1e12 would give a second point at 1e14.
    constexpr double kFlat = 1e-9;
    const double dx = std::fabs(p1.x - p2.x), dy = std::fabs(p1.y - p2.y);
    if (dy != 0 && dy <= kFlat * dx) return {p0.x, p2.y - 20};
    if (dx != 0 && dx <= kFlat * dy) return {p2.x - 20, p0.y};
    if (p1.x != p2.x && p1.y != p2.y) {
        const double g = std::clamp((p1.y - p2.y) / (p1.x - p2.x), -1000.0, 1000.0);
        if (g != 0.0) {
            const double c1 = p1.y - g * p1.x;
            const double m = -1 / g;
            const double c2 = p0.y - m * p0.x;
            result.x = g * (c2 - c1) / (g * g + 1) + 100;
            result.y = m * result.x + c2;
            return result;
        }
        // The slope underflowed to 0: the line is horizontal for all purposes.
        return {p0.x, p2.y - 20};
    }
    if (p1.x == p2.x && p1.y != p2.y) return {p2.x - 20, p0.y};
    if (p1.y == p2.y && p1.x != p2.x) return {p0.x, p2.y - 20};
    return result;
}

double Hypot(double a, double b) {
    const double sum = a * a + b * b;
    if (std::isinf(sum)) return std::hypot(a, b);
    return std::sqrt(sum);
}

RealPoint RotatePoint(RealPoint z, RealPoint p, double phi) {
    const double c = std::cos(phi), s = std::sin(phi);
    const double dx = p.x - z.x, dy = p.y - z.y;
    return {z.x + c * dx - s * dy, z.y + s * dx + c * dy};
}

std::optional<RealPoint> SimilitudePoint(RealPoint u, RealPoint v, double r1, double r2) {
    if (r1 == r2) return std::nullopt;
    const double k = r2 / (r2 - r1);
    const RealPoint result{v.x + (u.x - v.x) * k, v.y + (u.y - v.y) * k};
    if (!std::isfinite(result.x) || !std::isfinite(result.y)) return std::nullopt;
    return result;
}

RealPoint ParallelPoint(RealPoint u, RealPoint v, RealPoint w) {
    return {u.x + (w.x - v.x), u.y + (w.y - v.y)};
}

} // namespace trimora
