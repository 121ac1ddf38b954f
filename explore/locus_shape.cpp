#include "explore/locus_shape.h"

#include <Eigen/Dense>

#include <algorithm>
#include <cmath>
#include <optional>

namespace trimora {
namespace {

using Eigen::Index;
using Eigen::Matrix2d;
using Eigen::MatrixXd;
using Eigen::Vector2d;
using Eigen::VectorXd;

// A conic whose semi-axes are this small against the samples' spread is a pair of lines.
constexpr double kDegenerateAxis = 1e-6;
// How far the parabola's axis may turn from the general conic's while it is refined (radians).
constexpr double kAxisSearch = 0.1;

// The samples about their mean, divided by their root mean square distance from it, so that the
// coefficients of a fit are of one size whatever the picture's scale.
struct Normalised {
    MatrixXd p;   // n x 2
    MatrixXd fit; // every other row of p: the curve is fitted to these and checked on all
    Vector2d mean;
    double scale = 1;

    RealPoint Back(const Vector2d& q) const { return {mean.x() + scale * q.x(), mean.y() + scale * q.y()}; }
};

Normalised Normalise(std::span<const RealPoint> samples) {
    Normalised n;
    const Index count = static_cast<Index>(samples.size());
    n.p.resize(count, 2);
    for (Index i = 0; i < count; ++i)
        n.p.row(i) << samples[static_cast<std::size_t>(i)].x, samples[static_cast<std::size_t>(i)].y;
    n.mean = n.p.colwise().mean().transpose();
    n.p.rowwise() -= n.mean.transpose();
    n.scale = std::sqrt(n.p.rowwise().squaredNorm().mean());
    if (n.scale > 0) n.p /= n.scale;
    n.fit.resize((count + 1) / 2, 2);
    for (Index i = 0; i < n.fit.rows(); ++i)
        n.fit.row(i) = n.p.row(2 * i);
    return n;
}

RealPoint Unit(const Vector2d& v) {
    return {v.x(), v.y()};
}

std::optional<LocusShape> FitLine(const Normalised& n, double tol) {
    const Vector2d mean = n.fit.colwise().mean().transpose();
    const MatrixXd centred = n.fit.rowwise() - mean.transpose();
    const Matrix2d covariance = centred.transpose() * centred / static_cast<double>(n.fit.rows());
    const Eigen::SelfAdjointEigenSolver<Matrix2d> eigen(covariance);
    const Vector2d normal = eigen.eigenvectors().col(0), along = eigen.eigenvectors().col(1);
    if (((n.p.rowwise() - mean.transpose()) * normal).cwiseAbs().maxCoeff() > tol) return std::nullopt;
    LocusShape s;
    s.kind = LocusShape::Kind::Line;
    s.centre = n.Back(mean);
    s.direction = Unit(along);
    return s;
}

std::optional<LocusShape> FitCircle(const Normalised& n, double tol) {
    // 1. Algebraically: x² + y² + D x + E y + F = 0.
    const Index count = n.fit.rows();
    MatrixXd a(count, 3);
    a << n.fit, VectorXd::Ones(count);
    const VectorXd b = -n.fit.rowwise().squaredNorm();
    const Eigen::Vector3d def = a.colPivHouseholderQr().solve(b);
    Vector2d centre(-def(0) / 2, -def(1) / 2);
    double r2 = centre.squaredNorm() - def(2);
    if (!(r2 > 0) || !std::isfinite(r2)) return std::nullopt;
    double radius = std::sqrt(r2);
    // 2. Geometrically, a few Gauss-Newton steps on the distances from the circle.
    for (int iteration = 0; iteration < 5; ++iteration) {
        MatrixXd j(count, 3);
        VectorXd e(count);
        for (Index i = 0; i < count; ++i) {
            const Vector2d d = n.fit.row(i).transpose() - centre;
            const double length = std::max(d.norm(), 1e-300);
            j.row(i) << -d.x() / length, -d.y() / length, -1;
            e(i) = length - radius;
        }
        const Eigen::Vector3d delta = j.colPivHouseholderQr().solve(-e);
        if (!delta.allFinite()) break;
        centre += delta.head<2>();
        radius += delta(2);
    }
    if (!(radius > 0)) return std::nullopt;
    const VectorXd off = ((n.p.rowwise() - centre.transpose()).rowwise().norm().array() - radius).abs();
    if (!(off.maxCoeff() <= tol)) return std::nullopt;
    LocusShape s;
    s.kind = LocusShape::Kind::Circle;
    s.centre = n.Back(centre);
    s.a = radius * n.scale;
    return s;
}

// s = alpha t² + beta t + gamma along the axis at `angle`; the largest and the mean square of the
// distances from it (to first order).
struct ParabolaFit {
    double angle = 0, alpha = 0, beta = 0, gamma = 0, largest = 0, meanSquare = 0;
};

ParabolaFit FitParabolaAt(const Normalised& n, double angle) {
    const Vector2d u(std::cos(angle), std::sin(angle)), w(-std::sin(angle), std::cos(angle));
    auto design = [](const VectorXd& t) {
        MatrixXd a(t.size(), 3);
        a << t.array().square().matrix(), t, VectorXd::Ones(t.size());
        return a;
    };
    const VectorXd s = n.fit * u, t = n.fit * w;
    const Eigen::Vector3d c = design(t).colPivHouseholderQr().solve(s);
    auto off = [&](const MatrixXd& points) {
        const VectorXd ps = points * u, pt = points * w;
        const VectorXd slope = 2 * c(0) * pt.array() + c(1);
        return VectorXd(((ps - design(pt) * c).array() / (1 + slope.array().square()).sqrt()).abs());
    };
    const VectorXd fitted = off(n.fit);
    return {angle, c(0), c(1), c(2), off(n.p).maxCoeff(), fitted.squaredNorm() / static_cast<double>(fitted.size())};
}

std::optional<LocusShape> FitParabola(const Normalised& n, double axisAngle, double tol) {
    // The axis from the general conic, refined by a golden-section search for the best fit.
    const double golden = (std::sqrt(5.0) - 1) / 2;
    double lo = axisAngle - kAxisSearch, hi = axisAngle + kAxisSearch;
    for (int i = 0; i < 60; ++i) {
        const double m1 = hi - golden * (hi - lo), m2 = lo + golden * (hi - lo);
        if (FitParabolaAt(n, m1).meanSquare < FitParabolaAt(n, m2).meanSquare)
            hi = m2;
        else
            lo = m1;
    }
    const ParabolaFit f = FitParabolaAt(n, (lo + hi) / 2);
    if (!(f.largest <= tol) || !(std::fabs(f.alpha) > 0)) return std::nullopt;
    const Vector2d u(std::cos(f.angle), std::sin(f.angle)), w(-std::sin(f.angle), std::cos(f.angle));
    const double t0 = -f.beta / (2 * f.alpha), s0 = f.gamma - f.beta * f.beta / (4 * f.alpha);
    LocusShape s;
    s.kind = LocusShape::Kind::Parabola;
    s.centre = n.Back(s0 * u + t0 * w);
    s.direction = Unit(f.alpha > 0 ? u : Vector2d(-u));
    s.a = n.scale / (4 * std::fabs(f.alpha));
    return s;
}

// Ellipse, parabola or hyperbola: the conic A x² + B xy + C y² + D x + E y + F = 0 nearest to the
// samples (the singular vector of the smallest singular value), checked by the samples' distance
// from it to first order.
std::optional<LocusShape> FitConic(const Normalised& n, double tol) {
    auto design = [](const MatrixXd& p) {
        const VectorXd x = p.col(0), y = p.col(1);
        MatrixXd m(p.rows(), 6);
        m << x.array().square().matrix(), (x.array() * y.array()).matrix(), y.array().square().matrix(), x, y,
            VectorXd::Ones(p.rows());
        return m;
    };
    const Eigen::JacobiSVD<MatrixXd> svd(design(n.fit), Eigen::ComputeThinV);
    const VectorXd k = svd.matrixV().col(5);
    const double A = k(0), B = k(1), C = k(2), D = k(3), E = k(4), F = k(5);
    const Index count = n.p.rows();
    const VectorXd x = n.p.col(0), y = n.p.col(1);
    const VectorXd gx = 2 * A * x + B * y + D * VectorXd::Ones(count);
    const VectorXd gy = B * x + 2 * C * y + E * VectorXd::Ones(count);
    const VectorXd off = ((design(n.p) * k).array() / (gx.array().square() + gy.array().square()).sqrt()).abs();
    if (!(off.maxCoeff() <= tol)) return std::nullopt;

    Matrix2d q;
    q << A, B / 2, B / 2, C;
    const Eigen::SelfAdjointEigenSolver<Matrix2d> eigen(q);
    // The direction of the smaller eigenvalue (in size) is the parabola's axis, the ellipse's
    // major axis.
    const Vector2d l = eigen.eigenvalues();
    const int small = std::fabs(l(0)) <= std::fabs(l(1)) ? 0 : 1, large = 1 - small;
    const Vector2d axis = eigen.eigenvectors().col(small);
    if (auto parabola = FitParabola(n, std::atan2(axis.y(), axis.x()), tol)) return parabola;

    if (l(0) * l(1) == 0) return std::nullopt;
    const Vector2d centre = q.ldlt().solve(Vector2d(-D / 2, -E / 2));
    const double f = F + (D * centre.x() + E * centre.y()) / 2; // the value at the centre
    LocusShape s;
    s.centre = n.Back(centre);
    if (l(0) * l(1) > 0) {
        const double a2 = -f / l(small), b2 = -f / l(large);
        if (!(a2 > 0 && b2 > 0)) return std::nullopt;
        s.kind = LocusShape::Kind::Ellipse;
        s.direction = Unit(axis);
        s.a = std::sqrt(a2) * n.scale;
        s.b = std::sqrt(b2) * n.scale;
    } else {
        // The real axis belongs to the eigenvalue of the sign opposite to f.
        const int real = -f / l(0) > 0 ? 0 : 1;
        s.kind = LocusShape::Kind::Hyperbola;
        s.direction = Unit(eigen.eigenvectors().col(real));
        s.a = std::sqrt(std::fabs(f / l(real))) * n.scale;
        s.b = std::sqrt(std::fabs(f / l(1 - real))) * n.scale;
    }
    if (!(std::min(s.a, s.b) > kDegenerateAxis * n.scale) || !std::isfinite(s.a) || !std::isfinite(s.b))
        return std::nullopt;
    return s;
}

} // namespace

LocusShape RecogniseCurve(std::span<const RealPoint> samples, double tolerance) {
    if (samples.size() < kLeastCurveSamples) return {};
    const Normalised n = Normalise(samples);
    if (!std::isfinite(n.scale)) return {};
    if (n.p.rowwise().norm().maxCoeff() * n.scale <= tolerance) {
        LocusShape s;
        s.kind = LocusShape::Kind::Point;
        s.centre = n.Back(Vector2d::Zero());
        return s;
    }
    const double tol = tolerance / n.scale;
    if (auto s = FitLine(n, tol)) return *s;
    if (auto s = FitCircle(n, tol)) return *s;
    if (auto s = FitConic(n, tol)) return *s;
    return {};
}

std::vector<LocusShape> RecogniseLocus(const std::vector<std::vector<RealPoint>>& pieces, double tolerance) {
    std::vector<RealPoint> all;
    for (const auto& piece : pieces)
        all.insert(all.end(), piece.begin(), piece.end());
    if (const LocusShape whole = RecogniseCurve(all, tolerance); whole.kind != LocusShape::Kind::None)
        return {whole};
    if (pieces.size() < 2) return {};
    std::vector<LocusShape> shapes;
    bool any = false;
    for (std::size_t k = 0; k < pieces.size(); ++k) {
        LocusShape s = RecogniseCurve(pieces[k], tolerance);
        s.piece = static_cast<int>(k);
        any = any || s.kind != LocusShape::Kind::None;
        shapes.push_back(s);
    }
    if (!any) shapes.clear();
    return shapes;
}

} // namespace trimora
