// Loci against the exact paths of eight centres, computed here from their barycentric coordinates at
// every position of the moving vertex: a curve is named only when the exact points lie on it, a
// conic is named whenever they lie on one, and a path that is no conic names none.
#include "draw/point_table.h"
#include "draw/vertex_path.h"
#include "explore/loci.h"
#include "explore/locus_pieces.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <Eigen/Dense>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>

namespace trimora {
namespace {

constexpr int kWidth = 821, kHeight = 660;
const RealPoint kOrigin{kWidth / 2, kHeight / 2};

using Weights = std::array<double, 3>;
// Barycentric coordinates from the side lengths a, b, c.
struct Centre {
    const char* name;
    int entry;
    std::function<Weights(double, double, double)> weights;
};
const Centre kCentres[] = {
    {"Inkreismittelpunkt", 14, [](double a, double b, double c) { return Weights{a, b, c}; }},
    {"Nagelpunkt N", 32,
     [](double a, double b, double c) {
         const double s = (a + b + c) / 2;
         return Weights{s - a, s - b, s - c};
     }},
    {"Gergonne-Punkt", 41,
     [](double a, double b, double c) {
         const double s = (a + b + c) / 2;
         return Weights{1 / (s - a), 1 / (s - b), 1 / (s - c)};
     }},
    {"Feuerbach-Punkt", 21, // the centre of the nine-point circle
     [](double a, double b, double c) {
         const double A = a * a, B = b * b, C = c * c;
         return Weights{A * (B + C) - (B - C) * (B - C), B * (C + A) - (C - A) * (C - A), C * (A + B) - (A - B) * (A - B)};
     }},
    {"Höhenschnittpunkt", 12,
     [](double a, double b, double c) {
         const double A = a * a, B = b * b, C = c * c;
         return Weights{(A + B - C) * (A - B + C), (B + C - A) * (B - C + A), (C + A - B) * (C - A + B)};
     }},
    {"Schwerpunkt S", 13, [](double, double, double) { return Weights{1, 1, 1}; }},
    {"Umkreismittelpunkt", 15,
     [](double a, double b, double c) {
         const double A = a * a, B = b * b, C = c * c;
         return Weights{A * (B + C - A), B * (C + A - B), C * (A + B - C)};
     }},
    {"Lémoine-Punkt", 67, [](double a, double b, double c) { return Weights{a * a, b * b, c * c}; }},
};

double Distance(RealPoint p, RealPoint q) {
    return std::hypot(p.x - q.x, p.y - q.y);
}

RealPoint FromBarycentrics(const std::array<RealPoint, 3>& v, const Weights& w) {
    const double sum = w[0] + w[1] + w[2];
    return {(w[0] * v[0].x + w[1] * v[1].x + w[2] * v[2].x) / sum, (w[0] * v[0].y + w[1] * v[1].y + w[2] * v[2].y) / sum};
}

// The conic nearest to the points (smallest singular vector, in centred and scaled coordinates):
// its coefficients A B C D E F there, and the points' largest distance from it in pixels.
struct ExactConic {
    Eigen::VectorXd k;
    double largestOff = 0;
};
ExactConic ConicThrough(const std::vector<RealPoint>& points) {
    RealPoint mean{0, 0};
    for (const RealPoint& p : points) mean.x += p.x / points.size(), mean.y += p.y / points.size();
    double scale = 0;
    for (const RealPoint& p : points) scale = std::max(scale, Distance(p, mean));
    if (!(scale > 0)) return {Eigen::VectorXd::Zero(6), 0}; // a fixed point
    Eigen::MatrixXd m(points.size(), 6);
    for (std::size_t i = 0; i < points.size(); ++i) {
        const double x = (points[i].x - mean.x) / scale, y = (points[i].y - mean.y) / scale;
        m.row(static_cast<Eigen::Index>(i)) << x * x, x * y, y * y, x, y, 1;
    }
    const Eigen::JacobiSVD<Eigen::MatrixXd> svd(m, Eigen::ComputeThinV);
    ExactConic c{svd.matrixV().col(5), 0};
    for (std::size_t i = 0; i < points.size(); ++i) {
        const double x = (points[i].x - mean.x) / scale, y = (points[i].y - mean.y) / scale;
        const Eigen::VectorXd& k = c.k;
        const double gx = 2 * k(0) * x + k(1) * y + k(3), gy = k(1) * x + 2 * k(2) * y + k(4);
        const double value = m.row(static_cast<Eigen::Index>(i)).dot(k);
        const double gradient = std::hypot(gx, gy);
        c.largestOff = std::max(c.largestOff, gradient > 0 ? std::fabs(value) / gradient * scale : 0.0);
    }
    return c;
}

// The largest distance of the points from the line that fits them best.
double OffLine(const std::vector<RealPoint>& points) {
    Eigen::MatrixXd m(points.size(), 2);
    for (std::size_t i = 0; i < points.size(); ++i) m.row(static_cast<Eigen::Index>(i)) << points[i].x, points[i].y;
    const Eigen::MatrixXd centred = m.rowwise() - m.colwise().mean();
    const Eigen::SelfAdjointEigenSolver<Eigen::Matrix2d> eigen(centred.transpose() * centred);
    return (centred * eigen.eigenvectors().col(0)).cwiseAbs().maxCoeff();
}

// The distance of p from the named curve, to first order.
double OffShape(const LocusShape& s, RealPoint p) {
    const RealPoint d{p.x - s.centre.x, p.y - s.centre.y};
    const double u = d.x * s.direction.x + d.y * s.direction.y, v = -d.x * s.direction.y + d.y * s.direction.x;
    switch (s.kind) {
    case LocusShape::Kind::Point: return std::hypot(d.x, d.y);
    case LocusShape::Kind::Line: return std::fabs(v);
    case LocusShape::Kind::Circle: return std::fabs(std::hypot(d.x, d.y) - s.a);
    case LocusShape::Kind::Parabola: return std::fabs(v * v - 4 * s.a * u) / std::hypot(4 * s.a, 2 * v);
    case LocusShape::Kind::Ellipse:
    case LocusShape::Kind::Hyperbola: {
        const double sign = s.kind == LocusShape::Kind::Ellipse ? 1 : -1;
        const double value = u * u / (s.a * s.a) + sign * v * v / (s.b * s.b) - 1;
        return std::fabs(value) / std::hypot(2 * u / (s.a * s.a), 2 * v / (s.b * s.b));
    }
    case LocusShape::Kind::None: break;
    }
    return INFINITY;
}

struct Case {
    std::array<IntPoint, 3> triangle;
    int vertex;
    VertexPath path;
};

// Every steady position of the run (as the loci name curves from), and the exact point of each
// centre there, in pixels from the drawing origin.
struct ExactRun {
    std::vector<std::vector<RealPoint>> points; // per centre
    double side = 0, reach = 0;
};
ExactRun ExactPaths(const Case& c, const Document& doc) {
    std::array<RealPoint, 3> v;
    for (std::size_t k = 0; k < 3; ++k) v[k] = {double(c.triangle[k].x), double(c.triangle[k].y)};
    const std::size_t m = static_cast<std::size_t>(c.vertex);
    const std::vector<RealPoint> run = VertexRun(c.path, v[m], v[(m + 1) % 3], v[(m + 2) % 3], doc.view, kWidth, kHeight);
    ExactRun exact;
    exact.points.resize(std::size(kCentres));
    for (std::size_t k = 0; k < 3; ++k) exact.side = std::max(exact.side, Distance(v[k], v[(k + 1) % 3]));
    for (const RealPoint& p : run) {
        v[m] = p;
        const double base = Distance(v[(m + 1) % 3], v[(m + 2) % 3]);
        const double cross = (v[(m + 2) % 3].x - v[(m + 1) % 3].x) * (p.y - v[(m + 1) % 3].y) -
                             (v[(m + 2) % 3].y - v[(m + 1) % 3].y) * (p.x - v[(m + 1) % 3].x);
        if (std::fabs(cross) / base < kSteadyHeight * base) continue;
        const double a = Distance(v[1], v[2]), b = Distance(v[2], v[0]), cc = Distance(v[0], v[1]);
        for (std::size_t t = 0; t < std::size(kCentres); ++t) {
            const RealPoint q = FromBarycentrics(v, kCentres[t].weights(a, b, cc));
            exact.points[t].push_back({q.x - kOrigin.x, q.y - kOrigin.y});
        }
    }
    for (const auto& points : exact.points)
        for (const RealPoint& p : points) exact.reach = std::max(exact.reach, Distance(p, {0, 0}));
    return exact;
}

// The review's nearly right-angled triangle ("-1.8;-1.2;1.9;-1.1;-1.87;1.6"), one with a level side
// ("-2;0;2;0;0.5;2") and the start-up triangle.
const std::array<IntPoint, 3> kTriangles[] = {
    {IntPoint{230, 450}, {600, 440}, {223, 170}},
    {IntPoint{210, 330}, {610, 330}, {460, 130}},
    {IntPoint{290, 190}, {220, 420}, {560, 420}},
};

TEST(ExactLoci, NamedCurvesAreTheExactPaths) {
    int conics = 0, others = 0;
    for (const auto& triangle : kTriangles)
        for (int vertex = 0; vertex < 3; ++vertex)
            for (VertexPath path : {VertexPath::Horizontal, VertexPath::Vertical, VertexPath::AroundOrigin,
                                    VertexPath::Circumcircle}) {
                const Case c{triangle, vertex, path};
                Document doc = testing::MakeDocument(triangle[0], triangle[1], triangle[2]);
                for (const Centre& centre : kCentres) doc.SetOn(centre.entry);
                const std::vector<TracePoint> all = TracePoints(doc, kWidth, kHeight);
                LocusRequest request{vertex, path, {}};
                for (const Centre& centre : kCentres) {
                    const int i = FindTracePoint(all, centre.name);
                    ASSERT_GE(i, 0) << centre.name;
                    request.points.push_back(all[static_cast<std::size_t>(i)]);
                }
                const std::vector<Locus> loci = TraceLoci(doc, kWidth, kHeight, request).value();
                const ExactRun exact = ExactPaths(c, doc);
                for (std::size_t t = 0; t < std::size(kCentres); ++t) {
                    const Locus& locus = loci[t];
                    const std::vector<RealPoint>& truth = exact.points[t];
                    SCOPED_TRACE(std::string(kCentres[t].name) + ", " + VertexPathText(vertex, path) + ", triangle " +
                                 std::to_string(&triangle - kTriangles));
                    if (truth.size() < 24) continue;
                    const double precision = 1e-9 * std::max(exact.side, exact.reach);
                    // The traced points are the exact ones: nearly every exact point has its sample.
                    std::size_t traced = 0;
                    for (const RealPoint& p : truth)
                        for (const auto& piece : locus.pieces)
                            if (std::any_of(piece.begin(), piece.end(),
                                            [&](RealPoint q) { return Distance(p, q) <= 10 * precision; })) {
                                ++traced;
                                break;
                            }
                    EXPECT_GE(traced, truth.size() * 9 / 10);
                    const ExactConic conic = ConicThrough(truth);
                    // A pair of lines (the bisector at a vertex that keeps its angle, and the other one
                    // once the moving vertex has passed it) is no curve of its own.
                    const Eigen::VectorXd& k = conic.k;
                    Eigen::Matrix3d q;
                    q << k(0), k(1) / 2, k(3) / 2, k(1) / 2, k(2), k(4) / 2, k(3) / 2, k(4) / 2, k(5);
                    const bool lines = std::fabs(q.determinant()) < 1e-9 && std::fabs(k(0)) + std::fabs(k(1)) + std::fabs(k(2)) > 1e-6;
                    const bool onOneConic = conic.largestOff <= precision && (!lines || OffLine(truth) <= precision);
                    const bool whole = locus.shapes.size() == 1 && locus.shapes[0].piece < 0;
                    EXPECT_EQ(whole, onOneConic) << conic.largestOff / precision << " "
                                                 << (locus.shapes.empty() ? "" : LocusShapeText(locus.shapes[0]));
                    (onOneConic ? conics : others)++;
                    if (!whole) continue;
                    const LocusShape& s = locus.shapes[0];
                    double off = 0;
                    for (const RealPoint& p : truth) off = std::max(off, OffShape(s, p));
                    EXPECT_LE(off, 100 * precision) << LocusShapeText(s);
                    // Ellipse, parabola and hyperbola as the exact conic's discriminant says.
                    const double discriminant = (k(1) * k(1) - 4 * k(0) * k(2)) / k.head<3>().squaredNorm();
                    if (s.kind == LocusShape::Kind::Parabola) {
                        EXPECT_NEAR(discriminant, 0, 1e-6);
                    } else if (s.kind == LocusShape::Kind::Ellipse) {
                        EXPECT_LT(discriminant, -1e-6);
                    } else if (s.kind == LocusShape::Kind::Hyperbola) {
                        EXPECT_GT(discriminant, 1e-6);
                    }
                }
            }
    // The table holds both kinds, and enough of each.
    EXPECT_GE(conics, 40);
    EXPECT_GE(others, 40);
}

TEST(ExactLoci, FarAndTinyTrianglesTraceAsAtTheOrigin) {
    // "0;0;1;0;0;1" against "1000;1000;1001;1000;1000;1001" (moved by 100000 pixels, beyond the
    // drawing's limit) and "0;0;0,01;0;0;0,01" (one pixel), each vertex once round the circumcircle.
    const struct {
        RealPoint shift; // pixels
        double scale;
    } frames[] = {{{0, 0}, 1}, {{100000, -100000}, 1}, {{0, 0}, 0.01}};
    auto trace = [](RealPoint shift, double scale, int vertex) {
        Document doc;
        const RealPoint unit[3] = {{0, 0}, {100, 0}, {0, -100}};
        for (int v = 0; v < 3; ++v)
            PlaceVertex(doc.points, kSlotA + v, {kOrigin.x + shift.x + scale * unit[v].x, kOrigin.y + shift.y + scale * unit[v].y});
        for (const Centre& centre : kCentres) doc.SetOn(centre.entry);
        const std::vector<TracePoint> all = TracePoints(doc, kWidth, kHeight);
        LocusRequest request{vertex, VertexPath::Circumcircle, {}};
        for (const Centre& centre : kCentres)
            if (const int i = FindTracePoint(all, centre.name); i >= 0) request.points.push_back(all[static_cast<std::size_t>(i)]);
        return TraceLoci(doc, kWidth, kHeight, request).value();
    };
    int named = 0;
    for (int vertex = 0; vertex < 3; ++vertex) {
        const std::vector<Locus> plain = trace(frames[0].shift, frames[0].scale, vertex);
        for (const auto& frame : {frames[1], frames[2]}) {
            // A triangle of one pixel has no circles of its own (too small to draw): the centres it
            // marks, the centroid and the orthocentre among them.
            const std::vector<Locus> other = trace(frame.shift, frame.scale, vertex);
            EXPECT_GE(other.size(), frame.scale < 1 ? 4u : plain.size());
            for (const Locus& there : other) {
                const auto here = std::find_if(plain.begin(), plain.end(), [&](const Locus& l) { return l.name == there.name; });
                ASSERT_NE(here, plain.end()) << there.name;
                SCOPED_TRACE(there.name + " " + std::to_string(vertex) + " scale " + std::to_string(frame.scale));
                ASSERT_EQ(there.shapes.size(), here->shapes.size());
                for (std::size_t k = 0; k < here->shapes.size(); ++k) {
                    const LocusShape &p = here->shapes[k], &q = there.shapes[k];
                    EXPECT_EQ(q.kind, p.kind) << LocusShapeText(q) << " / " << LocusShapeText(p);
                    const RealPoint back{(q.centre.x - frame.shift.x) / frame.scale, (q.centre.y - frame.shift.y) / frame.scale};
                    EXPECT_NEAR(Distance(back, p.centre), 0, 1e-5);
                    EXPECT_NEAR(q.a / frame.scale, p.a, 1e-5);
                    EXPECT_NEAR(q.b / frame.scale, p.b, 1e-5);
                    named += p.kind != LocusShape::Kind::None;
                }
            }
        }
    }
    EXPECT_GE(named, 24);
}

} // namespace
} // namespace trimora
