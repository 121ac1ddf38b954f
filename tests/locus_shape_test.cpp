// The parts of the loci that need no repaint: conics traced point by point from their parameters
// and named back, the cuts between pieces, the result texts and the runs of the vertex.
#include "app/core/session.h"
#include "draw/loci.h"
#include "explore/locus_pieces.h"
#include "explore/locus_shape.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace trimora {
namespace {

using Kind = LocusShape::Kind;

RealPoint Rotated(RealPoint p, double angle) {
    return {p.x * std::cos(angle) - p.y * std::sin(angle), p.x * std::sin(angle) + p.y * std::cos(angle)};
}

std::vector<RealPoint> Traced(const std::function<RealPoint(double)>& f, double from, double to,
                              int n = 400) {
    std::vector<RealPoint> samples;
    for (int i = 0; i < n; ++i)
        samples.push_back(f(from + (to - from) * i / (n - 1)));
    return samples;
}

TEST(LocusShape, ConicsTracedFromTheirParametersAreNamedBack) {
    const double turn = 0.5236; // 30°
    const RealPoint c{40, -25};
    auto at = [&](RealPoint p) { return RealPoint{c.x + Rotated(p, turn).x, c.y + Rotated(p, turn).y}; };
    const struct {
        std::vector<RealPoint> samples;
        Kind kind;
        double a, b; // radius, semi-axes or focal distance
    } cases[] = {
        {Traced(
             [&](double) {
                 return at({0, 0});
             },
             0, 1),
         Kind::Point, 0, 0},
        {Traced(
             [&](double t) {
                 return at({t, 0});
             },
             -200, 300),
         Kind::Line, 0, 0},
        {Traced(
             [&](double t) {
                 return at({120 * std::cos(t), 120 * std::sin(t)});
             },
             0, 3.5),
         Kind::Circle, 120, 0},
        {Traced(
             [&](double t) {
                 return at({150 * std::cos(t), 80 * std::sin(t)});
             },
             0, 6.2),
         Kind::Ellipse, 150, 80},
        {Traced(
             [&](double t) {
                 return at({60 * std::cosh(t), 40 * std::sinh(t)});
             },
             -1.8, 1.8),
         Kind::Hyperbola, 60, 40},
        // y² = 4 f x about the vertex, the focus f along the axis.
        {Traced(
             [&](double t) {
                 return at({t * t / (4 * 25), t});
             },
             -150, 150),
         Kind::Parabola, 25, 0},
    };
    int n = 0;
    for (const auto& k : cases) {
        SCOPED_TRACE(n++);
        const LocusShape s = RecogniseCurve(k.samples, 0.01);
        ASSERT_EQ(s.kind, k.kind) << LocusShapeText(s);
        if (k.kind != Kind::Line) {
            EXPECT_NEAR(s.centre.x, c.x, 1e-6);
            EXPECT_NEAR(s.centre.y, c.y, 1e-6);
        }
        EXPECT_NEAR(s.a, k.a, 1e-6);
        EXPECT_NEAR(s.b, k.b, 1e-6);
        if (k.kind != Kind::Point && k.kind != Kind::Circle) { // the main axis, either way along it
            EXPECT_NEAR(std::fabs(s.direction.x * std::cos(turn) + s.direction.y * std::sin(turn)), 1, 1e-9);
        }
    }
    EXPECT_EQ(n, 6);
    // A cubic, a pair of lines and too few samples are no conic.
    EXPECT_EQ(RecogniseCurve(Traced(
                                 [](double t) {
                                     return RealPoint{t, t * t * t / 2e4};
                                 },
                                 -200, 200),
                             0.01)
                  .kind,
              Kind::None);
    auto cross = Traced([](double t) { return RealPoint{t, t}; }, -100, 100);
    for (const RealPoint& p : Traced([](double t) { return RealPoint{t, -t + 30}; }, -100, 100))
        cross.push_back(p);
    EXPECT_EQ(RecogniseCurve(cross, 0.01).kind, Kind::None);
    EXPECT_EQ(RecogniseCurve(Traced(
                                 [](double t) {
                                     return RealPoint{t, t * t};
                                 },
                                 0, 1, 11),
                             0.01)
                  .kind,
              Kind::None);
}

TEST(LocusPieces, CutsWhereAPointIsGoneTurnsOverOrJumps) {
    const std::size_t n = 40;
    auto line = [&](std::size_t i) { return std::optional<RealPoint>(RealPoint{double(i), 0}); };
    const struct {
        const char* what;
        std::function<std::optional<RealPoint>(std::size_t)> sample;
        std::function<int(std::size_t)> orientation;
        bool closed;
        std::vector<std::size_t> firsts; // the first sample of each piece
    } cases[] = {
        {"unbroken", line, [](std::size_t) { return 1; }, false, {0}},
        {"gone from 10 to 19",
         [&](std::size_t i) { return i >= 10 && i < 20 ? std::nullopt : line(i); },
         [](std::size_t) { return 1; },
         false,
         {0, 20}},
        {"turned over at 15", line, [](std::size_t i) { return i < 15 ? 1 : -1; }, false, {0, 15}},
        {"jump at 25",
         [&](std::size_t i) {
             return RealPoint{double(i) + (i >= 25 ? 30 : 0), 0};
         },
         [](std::size_t) { return 1; },
         false,
         {0, 25}},
        // Through infinity between 19 and 20 (x = 10 / (i - 19.5)), back from the other side.
        {"through infinity",
         [](std::size_t i) {
             return RealPoint{10 / (double(i) - 19.5), 0};
         },
         [](std::size_t) { return 1; },
         false,
         {0, 20}},
        {"a loop",
         [](std::size_t i) {
             return RealPoint{50 * std::cos(i * 0.157), 50 * std::sin(i * 0.157)};
         },
         [](std::size_t) { return 1; },
         true,
         {0}},
        {"a loop gone from 5 to 9",
         [](std::size_t i) {
             return i >= 5 && i < 10
                        ? std::nullopt
                        : std::optional<RealPoint>({50 * std::cos(i * 0.157), 50 * std::sin(i * 0.157)});
         },
         [](std::size_t) { return 1; },
         true,
         {10}},
    };
    for (const auto& k : cases) {
        std::vector<std::optional<RealPoint>> samples;
        std::vector<int> orientation;
        for (std::size_t i = 0; i < n; ++i)
            samples.push_back(k.sample(i)), orientation.push_back(k.orientation(i));
        const auto pieces = CutIntoPieces(samples, orientation, k.closed, 100);
        std::vector<std::size_t> firsts;
        for (const auto& piece : pieces) {
            firsts.push_back(piece.front());
            for (std::size_t j = 1; j < piece.size(); ++j) // each step joins neighbouring samples
                EXPECT_EQ((piece[j - 1] + 1) % n, piece[j]) << k.what;
        }
        EXPECT_EQ(firsts, k.firsts) << k.what;
    }
    EXPECT_TRUE(CutIntoPieces({}, {}, true, 100).empty());
}

TEST(LocusShape, ResultTexts) {
    auto shape = [](Kind kind, RealPoint centre, RealPoint direction, double a, double b) {
        LocusShape s;
        s.kind = kind, s.centre = centre, s.direction = direction, s.a = a, s.b = b;
        return s;
    };
    const double r = std::sqrt(0.5);
    const struct {
        LocusShape s;
        const char* text;
    } cases[] = {
        {shape(Kind::None, {}, {}, 0, 0), "keine Kurve zweiter Ordnung"},
        {shape(Kind::Point, {150, -25}, {}, 0, 0), "fester Punkt ( 1,5 | 0,25 )"},
        {shape(Kind::Line, {0, -100}, {1, 0}, 0, 0), "Gerade, Y = 1 ; Anstiegswinkel 0°"},
        {shape(Kind::Circle, {-50, 20}, {}, 125, 0), "Kreis, Mittelpunkt ( -0,5 | -0,2 ), Radius 1,25"},
        // Pixels run downwards: a direction up and right on the screen is +45°.
        {shape(Kind::Ellipse, {0, 0}, {r, -r}, 200, 100),
         "Ellipse, Mittelpunkt ( 0 | 0 ), Halbachsen 2 und 1, Winkel 45°"},
        {shape(Kind::Parabola, {100, 0}, {0, 1}, 50, 0),
         "Parabel, Scheitel ( 1 | 0 ), Brennpunkt ( 1 | -0,5 ), Achse X = 1"},
        {shape(Kind::Hyperbola, {0, 0}, {1, 0}, 100, 100),
         "Hyperbel, Mittelpunkt ( 0 | 0 ), Halbachsen 1 und 1, Asymptoten Y = -1 X +0 und Y = 1 X +0"},
    };
    for (const auto& k : cases)
        EXPECT_EQ(LocusShapeText(k.s), k.text);
}

// The runs of the vertex: across the area one pixel a step through the start, a full turn about
// the drawing area's real centre; the animation steps along them.
TEST(LocusShape, VertexRunsAreTheAnimationsWholeRun) {
    Session s;
    InitSession(s, 821, 660);
    const RealPoint start{290, 190};
    const auto across = VertexRun(VertexPath::Horizontal, start, {}, {}, s.doc.view, 821, 660);
    ASSERT_EQ(across.size(), 823u); // as the animation runs: to a pixel past the far edge and back to 0
    EXPECT_EQ(across.front().x, 0);
    EXPECT_EQ(across.back().x, 822);
    const auto turn = VertexRun(VertexPath::AroundOrigin, start, {}, {}, s.doc.view, 821, 660);
    ASSERT_EQ(turn.size(), std::size_t(kLeastTurnSamples));
    const RealPoint centre = TurnCentre(s.doc.view, 821, 660);
    for (const RealPoint& p : turn)
        EXPECT_NEAR(std::hypot(p.x - centre.x, p.y - centre.y),
                    std::hypot(start.x - centre.x, start.y - centre.y), 1e-9);
    EXPECT_TRUE(
        VertexRun(VertexPath::Circumcircle, start, {300, 200}, {310, 210}, s.doc.view, 821, 660).empty());
    // Both turns run clockwise on the screen, as the animation does: from the right of the centre
    // downwards (the screen's y grows downwards).
    const RealPoint east{centre.x + 200, centre.y};
    const auto round = VertexRun(VertexPath::AroundOrigin, east, {}, {}, s.doc.view, 821, 660);
    const auto circum = VertexRun(VertexPath::Circumcircle, east, {centre.x - 200, centre.y}, {centre.x, centre.y - 200},
                                  s.doc.view, 821, 660);
    for (const auto* run : {&round, &circum}) {
        ASSERT_GE(run->size(), 2u);
        EXPECT_GT((*run)[1].y, east.y);
        EXPECT_LT((*run)[1].x, east.x);
    }
    Session turning = s;
    DragVertexTo(turning, 1, int(east.x), int(east.y));
    turning.animation.vertex = 1;
    turning.animation.direction = AnimationDirection::AroundOrigin;
    for (int tick = 0; tick < 10; ++tick) AnimationStep(turning);
    EXPECT_GT(turning.doc.points.screen[kSlotB].y, int(east.y));

    // Every position of a horizontal animation lies on the run.
    s.animation.vertex = 0;
    for (int tick = 0; tick < 1000; ++tick) {
        AnimationStep(s);
        const IntPoint a = s.doc.points.screen[kSlotA];
        EXPECT_EQ(a.y, 190);
        EXPECT_TRUE(a.x >= 0 && a.x <= 822) << a.x;
    }
}

} // namespace
} // namespace trimora
