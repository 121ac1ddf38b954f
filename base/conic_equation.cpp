#include "base/conic_equation.h"

#include <Eigen/Dense>

#include <cmath>
#include <limits>

namespace trimora {
namespace {

// Of the singular values of the fit, relative to the largest: the smallest must be rounding noise
// (the points lie on the conic), the second smallest well above it (they fix one conic only).
constexpr double kOnConic = 1e-9;
constexpr double kOneConic = 1e-7;
// |det| of the symmetric 3×3 matrix of a unit coefficient vector: below this the conic is a pair
// of lines. A proper conic through points of order 1 has a determinant far above it; the pair
// that an isosceles triangle makes of the Kiepert hyperbola has rounding noise only.
constexpr double kDegenerate = 1e-10;

double Determinant(const std::array<double, 6>& q) {
    const double a = q[0], b = q[1] / 2, c = q[2], d = q[3] / 2, e = q[4] / 2, f = q[5];
    return a * (c * f - e * e) - b * (b * f - e * d) + d * (b * e - c * d);
}

std::optional<ConicEquation> Normalised(ConicEquation conic) {
    double length = 0;
    for (double v : conic.q)
        length += v * v;
    length = std::sqrt(length);
    if (!(length > 0) || !std::isfinite(length)) return std::nullopt;
    for (double& v : conic.q)
        v /= length;
    if (!(std::fabs(Determinant(conic.q)) > kDegenerate)) return std::nullopt;
    return conic;
}

} // namespace

std::optional<ConicEquation> ConicThroughPoints(std::span<const RealPoint> points) {
    if (points.size() < 5) return std::nullopt;
    // 1. Centre and scale: the mean of the points and their root mean square distance from it.
    ConicEquation conic;
    for (const RealPoint& p : points) {
        if (!std::isfinite(p.x) || !std::isfinite(p.y)) return std::nullopt;
        conic.centre.x += p.x / static_cast<double>(points.size());
        conic.centre.y += p.y / static_cast<double>(points.size());
    }
    double spread = 0;
    for (const RealPoint& p : points)
        spread +=
            (p.x - conic.centre.x) * (p.x - conic.centre.x) + (p.y - conic.centre.y) * (p.y - conic.centre.y);
    conic.scale = std::sqrt(spread / static_cast<double>(points.size()));
    if (!(conic.scale > 0)) return std::nullopt;
    // 2. One row of monomials per point; the right singular vector of the smallest singular value.
    Eigen::MatrixXd m(static_cast<Eigen::Index>(points.size()), 6);
    for (std::size_t k = 0; k < points.size(); ++k) {
        const double u = (points[k].x - conic.centre.x) / conic.scale,
                     v = (points[k].y - conic.centre.y) / conic.scale;
        m.row(static_cast<Eigen::Index>(k)) << u * u, u * v, v * v, u, v, 1;
    }
    const Eigen::JacobiSVD<Eigen::MatrixXd> svd(m, Eigen::ComputeFullV);
    const Eigen::VectorXd sigma = svd.singularValues(); // decreasing; six of them only from six rows on
    if (sigma.size() < 5 || !(sigma(0) > 0) || !(sigma(4) > kOneConic * sigma(0))) return std::nullopt;
    if (sigma.size() == 6 && !(sigma(5) <= kOnConic * sigma(0))) return std::nullopt;
    const Eigen::VectorXd q = svd.matrixV().col(5);
    for (int k = 0; k < 6; ++k)
        conic.q[static_cast<std::size_t>(k)] = q(k);
    return Normalised(conic);
}

std::optional<ConicEquation> FocusDirectrixConic(RealPoint focus, RealPoint d1, RealPoint d2) {
    // With n the unit normal of the directrix and h the focus's signed distance from it, a point
    // X = focus + s (u, v) lies as far from both when u² + v² = (n·(u, v) + h / s)²; s = |h|.
    const double dx = d2.x - d1.x, dy = d2.y - d1.y, length = std::hypot(dx, dy);
    if (!(length > 0) || !std::isfinite(length)) return std::nullopt;
    const double nx = -dy / length, ny = dx / length;
    const double h = (focus.x - d1.x) * nx + (focus.y - d1.y) * ny;
    if (!(std::fabs(h) > 0) || !std::isfinite(h)) return std::nullopt;
    const double sign = h > 0 ? 1 : -1;
    ConicEquation conic;
    conic.centre = focus;
    conic.scale = std::fabs(h);
    conic.q = {1 - nx * nx, -2 * nx * ny, 1 - ny * ny, -2 * sign * nx, -2 * sign * ny, -1};
    return Normalised(conic);
}

double ConicDistance(const ConicEquation& conic, RealPoint p) {
    const auto& [a, b, c, d, e, f] = conic.q;
    const double u = (p.x - conic.centre.x) / conic.scale, v = (p.y - conic.centre.y) / conic.scale;
    const double value = a * u * u + b * u * v + c * v * v + d * u + e * v + f;
    const double gu = 2 * a * u + b * v + d, gv = b * u + 2 * c * v + e;
    const double g = std::hypot(gu, gv);
    if (!(g > 0)) return value == 0 ? 0 : std::numeric_limits<double>::infinity();
    // Q(p + t n) = value + g t + k t² along the unit gradient n; the root nearest t = 0 in the
    // form without cancellation.
    const double nu = gu / g, nv = gv / g;
    const double k = a * nu * nu + b * nu * nv + c * nv * nv;
    const double discriminant = g * g - 4 * k * value;
    if (!(discriminant >= 0)) return std::numeric_limits<double>::infinity();
    const double t = -2 * value / (g + std::sqrt(discriminant));
    return std::fabs(t) * conic.scale;
}

} // namespace trimora
