// The drawing core: mapping, result lines, primitives and the paint routine on the recording canvas.
#include "explore/null_canvas.h"
#include "draw/point_table.h"
#include "draw/primitives.h"
#include "draw/results.h"
#include "base/lines.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <atomic>
#include <bitset>
#include <cmath>
#include <cstdlib>
#include <new>

// Allocation counting for the whole test program, switched on by one test. Left out under
// AddressSanitizer, which brings its own operator new.
#if defined(__SANITIZE_ADDRESS__)
#define TRIMORA_COUNT_ALLOCATIONS 0
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TRIMORA_COUNT_ALLOCATIONS 0
#endif
#endif
#ifndef TRIMORA_COUNT_ALLOCATIONS
#define TRIMORA_COUNT_ALLOCATIONS 1
#endif

namespace {
std::atomic<bool> g_countAllocations{false};
std::atomic<long> g_allocations{0};
} // namespace

#if TRIMORA_COUNT_ALLOCATIONS
// The replacements pair malloc with free; GCC cannot see that across the inlined delete.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif
void* operator new(std::size_t size) {
    if (g_countAllocations.load(std::memory_order_relaxed))
        g_allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
#endif

namespace trimora {
namespace {

using testing::MakeDocument;
using testing::Paint;

TEST(PointTable, RoundClampRoundsTiesUpwardsAndClamps) {
    EXPECT_EQ(RoundClamp(2.5), 3);
    EXPECT_EQ(RoundClamp(3.5), 4);
    EXPECT_EQ(RoundClamp(-2.5), -2);
    EXPECT_EQ(RoundClamp(-2.5000001), -3);
    EXPECT_EQ(RoundClamp(1e9), 100000);
    EXPECT_EQ(RoundClamp(-1e300), -100000);
    EXPECT_EQ(RoundClamp(NAN), -100000);
    EXPECT_EQ(RoundClamp(INFINITY), 100000);
}

TEST(PointTable, SyncSlotHoldsEachCoordinateAtItsBoundAndRejectsNonFinite) {
    PointTable pt;
    pt.screen[40] = {7, 8};
    SetPrecise(pt, 40, 200000, 50);
    SyncSlot(pt, 40);
    EXPECT_EQ(pt.screen[40], (IntPoint{100000, 50}));
    SetPrecise(pt, 40, -3, -1e9);
    SyncSlot(pt, 40);
    EXPECT_EQ(pt.screen[40], (IntPoint{-3, -100000}));

    SetPrecise(pt, 41, NAN, 3);
    SyncSlot(pt, 41);
    EXPECT_FALSE(Present(pt, 41));
    EXPECT_EQ(pt.precise[41], (RealPoint{-100, -100}));
}

TEST(PointTable, AbsentOnlyWithBothCoordinatesAtTheSentinel) {
    const struct {
        RealPoint p;
        bool present;
    } cases[] = {{{kAbsent, kAbsent}, false}, {{kAbsent, 5}, true}, {{5, kAbsent}, true},
                 {{kAbsent, kAbsent + 0.25}, true}, {{kAbsent - 0.25, kAbsent}, true}, {{0, 0}, true}};
    for (const auto& c : cases) {
        PointTable pt;
        PlaceSlot(pt, 200, c.p);
        EXPECT_EQ(Present(pt, 200), c.present) << c.p.x << " " << c.p.y;
    }
}

TEST(PointTable, CollinearUpToATenBillionthOfTheLongestSide) {
    // Twice the area against the longest side squared: 1e-10 is the border.
    const struct {
        RealPoint a, b, c;
        bool collinear;
    } cases[] = {
        {{0, 0}, {1000, 0}, {500, 0.5e-7}, true},  {{0, 0}, {1000, 0}, {500, 2e-7}, false},
        {{0, 0}, {1e5, 0}, {5e4, 1}, false},        {{3, 4}, {3, 4}, {3, 4 + 1e-12}, true},
        {{0, 0}, {1000, 1000}, {2000, 2000 + 1e-7}, true}, {{0, 0}, {1000, 1000}, {2000, 2000 + 1e-3}, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NearlyCollinear(c.a, c.b, c.c), c.collinear) << c.c.x << " " << c.c.y;
}

TEST(PointTable, WorldToScreenUsesTheWholePixelOrigin) {
    // 421 div 2 = 210, the origin the results measure from.
    EXPECT_EQ(WorldToScreen(0, 0, 1, 421, 660, 0, 0), (IntPoint{210, 330}));
    EXPECT_EQ(WorldToScreen(1.01, -1.11, 1, 821, 661, 0, 0), (IntPoint{511, 441}));
    // At stretch 2 one unit is 200 pixels.
    EXPECT_EQ(WorldToScreen(1, 0, 2, 821, 660, 0, 0).x, 610);
}

TEST(PointTable, TrilinearCentresOfARightTriangle) {
    const RealPoint A{0, 3}, B{0, 0}, C{4, 0}; // right angle at B, world units
    // Circumcentre: cos A : cos B : cos C is the midpoint of the hypotenuse AC.
    const double cosA = 3.0 / 5, cosB = 0, cosC = 4.0 / 5;
    const auto U = TrilinearToPoint(cosA, cosB, cosC, A, B, C);
    ASSERT_TRUE(U);
    EXPECT_NEAR(U->x, 2, 1e-12);
    EXPECT_NEAR(U->y, 1.5, 1e-12);
    // Incentre of the 3-4-5 triangle: radius 1 from both legs.
    const auto I = TrilinearToPoint(1, 1, 1, A, B, C);
    ASSERT_TRUE(I);
    EXPECT_NEAR(I->x, 1, 1e-12);
    EXPECT_NEAR(I->y, 1, 1e-12);
    // Ratios that sum to zero against the sides, and coincident vertices, have no point.
    EXPECT_FALSE(TrilinearToPoint(0, 0, 0, A, B, C));
    EXPECT_FALSE(TrilinearToPoint(1, 1, 1, A, A, C));
}

TEST(PointTable, FailedTrilinearLeavesTheSlotAbsent) {
    Document doc = MakeDocument({290, 190}, {220, 420}, {560, 420});
    RecordingCanvas canvas(421, 660);
    PaintContext ctx(doc, canvas, false);
    ctx.originX = 210;
    ctx.originY = 330;
    SlotFromTrilinear(ctx, 50, 0, 0, 0);
    EXPECT_FALSE(Present(doc.points, 50));
}

TEST(PointTable, LongestSideIndexAndCircleData) {
    PointTable pt;
    pt.screen[1] = {0, 0};
    pt.screen[2] = {100, 0};
    pt.screen[3] = {50, 87};
    EXPECT_EQ(LongestSideIndex(pt, 1, 2, 3), 3); // an equilateral-ish tie falls to the later index
    pt.screen[3] = {0, 300};
    EXPECT_EQ(LongestSideIndex(pt, 1, 2, 3), 3);
    pt.screen[3] = {300, 1};
    EXPECT_EQ(LongestSideIndex(pt, 1, 2, 3), 2);
    // Large coordinates: squared distances beyond 32 bits.
    pt.screen[1] = {-100000, -100000};
    pt.screen[2] = {100000, 100000};
    pt.screen[3] = {0, 1};
    EXPECT_EQ(LongestSideIndex(pt, 1, 2, 3), 1);

    const CircleDataResult d = CircleData({0, 0}, {6, 0}, {0, 8});
    ASSERT_TRUE(d.circumcentreValid);
    EXPECT_NEAR(d.circumcentre.x, 3, 1e-12);
    EXPECT_NEAR(d.circumcentre.y, 4, 1e-12);
    EXPECT_NEAR(d.R, 5, 1e-12);
    EXPECT_NEAR(d.r, 2, 1e-12);
    ASSERT_TRUE(d.incentreValid);
    EXPECT_NEAR(d.incentre.x, 2, 1e-12);
    EXPECT_NEAR(d.incentre.y, 2, 1e-12);
    EXPECT_FALSE(CircleData({0, 0}, {1, 1}, {2, 2}).circumcentreValid);
}

TEST(LineConstructions, IntersectionsFeetAndMirrors) {
    LinePoint p = IntersectLines({0, 0}, {10, 10}, {0, 10}, {10, 0});
    EXPECT_TRUE(p.ok);
    EXPECT_EQ(p.p, (RealPoint{5, 5}));
    p = IntersectLines({0, 0}, {10, 10}, {0, 1}, {10, 11});
    EXPECT_FALSE(p.ok);
    EXPECT_EQ(p.p, (RealPoint{-100, -100}));
    // A vertical line, first or second, far beyond the picture: the point as it is.
    p = IntersectLines({3, 0}, {3, 5}, {0, 20000}, {1, 20000});
    EXPECT_TRUE(p.ok);
    EXPECT_EQ(p.p, (RealPoint{3, 20000}));
    p = IntersectLines({0, 20000}, {1, 20000}, {3, 0}, {3, 5});
    EXPECT_EQ(p.p, (RealPoint{3, 20000}));
    // Slopes that differ in the cross products but agree once divided must not give NaN.
    p = IntersectLines({0, 0}, {3, 1e-300}, {0, 1}, {3, 1 + 1e-300});
    EXPECT_TRUE(std::isfinite(p.p.x) && std::isfinite(p.p.y));

    const LinePoint f = PerpendicularFoot({0, 5}, {-1, 0}, {1, 0});
    EXPECT_TRUE(f.ok);
    EXPECT_NEAR(f.p.x, 0, 1e-12);
    EXPECT_NEAR(f.p.y, 0, 1e-12);
    const RealPoint m = MirrorPoint({0, 5}, {-1, 0}, {1, 0});
    EXPECT_NEAR(m.x, 0, 1e-12);
    EXPECT_NEAR(m.y, -5, 1e-12);
    const LinePoint self = PerpendicularFoot({2, 3}, {0, 1}, {4, 5});
    EXPECT_NEAR(self.p.x, 2, 1e-12);
    EXPECT_NEAR(self.p.y, 3, 1e-12);
}

// A paint context on a recording canvas for testing primitives and report routines alone.
struct Scratch {
    Document doc = MakeDocument({290, 190}, {220, 420}, {560, 420});
    RecordingCanvas canvas;
    PaintContext ctx;
    Scratch(int w, int h, bool shown = true) : canvas(w, h), ctx(doc, canvas, shown) {
        ctx.originX = w / 2;
        ctx.originY = h / 2;
    }
};

TEST(ResultLines, LineEquations) {
    EXPECT_EQ(LineEquationText({0, 1}, {2, 2}), "Y = 0,5 X +1 ; Anstiegswinkel 26,57°");
    EXPECT_EQ(LineEquationText({1, 0}, {1, 5}), "X = 1 ; Anstiegswinkel 90°");
    EXPECT_EQ(LineEquationText({1, 0}, {1 + 1e-9, 5}), "X = 1 ; Anstiegswinkel 90°");
    EXPECT_EQ(LineEquationText({-1, 2}, {3, 2}), "Y = 2 ; Anstiegswinkel 0°");
    EXPECT_EQ(LineEquationText({0, 0}, {1, -1}), "Y = -1 X +0 ; Anstiegswinkel -45°");
}

TEST(ResultLines, LastLabelIsRepeatedAndTitlesDoNotChangeIt) {
    Scratch s(400, 300);
    ReportValue(s.ctx, "Wert", 1);
    AppendTitle(s.ctx, "Titel");
    ReportValue(s.ctx, "", 2.5);
    ReportRadius(s.ctx, "Radius", 100);
    ReportValue(s.ctx, "", -0.0001);
    SetPrecise(s.doc.points, 60, 290, 190);
    ReportCircle(s.ctx, 60, "", 50);
    const std::vector<std::string> expected{
        "Wert\t1", "Titel", "Wert\t2,5", "Radius\t1", "… Flächeninhalt\t3,142", "Radius\t0", "",
        "… Mittelpunkt\t( 0,9 | -0,4 )", "… Radius\t0,5", "… Flächeninhalt\t0,785"};
    EXPECT_EQ(s.doc.results.Lines(), expected);
}

TEST(ResultLines, TriangleBlockAndTrilinearPart) {
    Scratch s(400, 300);
    s.doc.points.screen[60] = {200, 150};
    s.doc.points.screen[61] = {500, 150};
    s.doc.points.screen[62] = {200, -250};
    ReportTriangle(s.ctx, 60, 61, 62, "Test");
    const std::vector<std::string> expected{
        "Test-Dreieck",
        "… Dreiecksseite\tY = 0 ; Anstiegswinkel 0°",
        "… Dreiecksseite\tX = 0 ; Anstiegswinkel 90°",
        "… Dreiecksseite\tY = -1,333 X +4 ; Anstiegswinkel -53,13°",
        "… Dreiecksseitenlänge\t3",
        "… Dreiecksseitenlänge\t4",
        "… Dreiecksseitenlänge\t5",
        "… Dreiecksumfang\t12",
        "… Dreiecksflächeninhalt\t6",
        "… Innenwinkel in °\t90",
        "… Innenwinkel in °\t53,13",
        "… Innenwinkel in °\t36,87"};
    EXPECT_EQ(s.doc.results.Lines(), expected);

    // The incentre has the trilinear coordinates 1 : 1 : 1; a point on BC has 0 first.
    Document doc = MakeDocument({200, 150}, {500, 150}, {200, -250});
    doc.view.showTrilinear = true;
    RecordingCanvas canvas(400, 300);
    PaintContext ctx(doc, canvas, true);
    ctx.originX = 200;
    ctx.originY = 150;
    ctx.showTrilinear = true;
    ReportPoint(ctx, "I", {300, 50});
    ReportPoint(ctx, "Auf a", {350, -50});
    EXPECT_EQ(doc.results[0], "I\t( 1 | 1 ) ; trilinear (1 : 1 : 1)");
    EXPECT_EQ(doc.results[1], "Auf a\t( 1,5 | 2 ) ; trilinear (0 : 0,75 : 1)");
}

TEST(Primitives, MarksCirclesAndLinesOnTheCanvas) {
    Scratch s(400, 300);
    MarkPoint(s.ctx, 100, 100);
    DrawLineAcross(s.ctx, 10, 20, 20, 30);
    DrawLineAcross(s.ctx, 5, 7, 5, 7);
    DrawCircle(s.ctx, 50.4, 60, 10);
    DrawCircle(s.ctx, 50, 60, INFINITY);
    const auto& calls = s.canvas.Calls();
    ASSERT_EQ(calls.size(), 6u);
    EXPECT_EQ(calls[0].kind, CanvasCall::Kind::Ellipse);
    EXPECT_EQ((std::array{calls[0].x1, calls[0].y1, calls[0].x2, calls[0].y2}), (std::array{96, 96, 105, 105}));
    EXPECT_EQ((std::array{calls[1].x1, calls[1].y1}), (std::array{0, 10}));
    EXPECT_EQ((std::array{calls[2].x2, calls[2].y2, calls[2].x1, calls[2].y1}), (std::array{0, 10, 290, 300}));
    EXPECT_EQ((std::array{calls[3].x1, calls[3].y1, calls[4].x1, calls[4].y1}), (std::array{0, 7, 400, 7}));
    EXPECT_EQ((std::array{calls[5].x1, calls[5].y1, calls[5].x2, calls[5].y2}), (std::array{40, 50, 61, 71}));
    EXPECT_EQ(calls[5].brush.style, BrushStyle::Clear);
}

TEST(Primitives, ArrowLineHeadsPointBack) {
    Scratch s(400, 300);
    ArrowLine(s.ctx, 5, 150, 395, 150);
    ArrowLine(s.ctx, 200, 295, 200, 5);
    ArrowLine(s.ctx, 7, 7, 7, 7);
    const auto& c = s.canvas.Calls();
    ASSERT_EQ(c.size(), 12u); // three segments of two calls each, twice; nothing for equal ends
    // Horizontal axis: strokes from the tip 14 px back, about 15 degrees off.
    EXPECT_EQ((std::array{c[3].x1, c[3].y1}), (std::array{381, 146}));
    EXPECT_EQ((std::array{c[5].x1, c[5].y1}), (std::array{381, 154}));
    // Vertical axis pointing up.
    EXPECT_EQ((std::array{c[9].x1, c[9].y1}), (std::array{196, 19}));
    EXPECT_EQ((std::array{c[11].x1, c[11].y1}), (std::array{204, 19}));
}

TEST(Primitives, SegmentsWriteNothingWhileResultsAreHidden) {
    Scratch s(400, 300, false);
    DrawSlotSegment(s.ctx, kSlotA, kSlotB, "Strecke");
    DrawSlotLine(s.ctx, kSlotA, kSlotB, "Gerade");
    EXPECT_TRUE(s.doc.results.Empty());
    EXPECT_EQ(s.canvas.Calls().size(), 4u);
}

TEST(Primitives, PedalTriplesInReversedOrder) {
    // Entry 302 "Umkreis-Lotdreieck" switches the pedal points of U, 304 the pedal triangle.
    Document doc = MakeDocument({290, 190}, {220, 420}, {560, 420}, {0, 1, 2, 302});
    const auto points = Paint(doc, 421, 660);
    int feet = 0;
    for (const auto& l : points.lines) feet += l.starts_with("… Lotfußpunkt");
    EXPECT_EQ(feet, 3);
    EXPECT_NE(std::find(points.lines.begin(), points.lines.end(), "Umkreispunkt"), points.lines.end());

    Document tri = MakeDocument({290, 190}, {220, 420}, {560, 420}, {0, 1, 2, 304});
    const auto triangle = Paint(tri, 421, 660);
    EXPECT_EQ(std::find(triangle.lines.begin(), triangle.lines.end(), "Umkreispunkt"), triangle.lines.end());
    EXPECT_NE(std::find(triangle.lines.begin(), triangle.lines.end(), "Umkreispunkt-Lot-Dreieck"),
              triangle.lines.end());
}

TEST(Primitives, NeubergCircleOnEitherSide) {
    // Equilateral triangle: omega = 30 degrees, cot = sqrt 3, radius d/2 * sqrt|3 - 3| = 0.
    const RealPoint p0{0, 0}, p2{100, 0}, v{50, -86.60254037844386};
    const CircleResult same = NeubergCircle(true, M_PI / 6, v, p0, p2);
    EXPECT_NEAR(same.centre.x, 50, 1e-9);
    EXPECT_NEAR(same.centre.y, -86.60254037844386, 1e-9); // the centre is the opposite vertex
    EXPECT_NEAR(same.radius, 0, 1e-4); // the root of a difference near 0 magnifies rounding
    const CircleResult other = NeubergCircle(false, M_PI / 6, v, p0, p2);
    EXPECT_NEAR(other.centre.y, 86.60254037844386, 1e-9);
    const CircleResult none = NeubergCircle(true, 0, v, p0, p2);
    EXPECT_FALSE(std::isfinite(none.radius));
}

TEST(PaintRoutine, StartUpTriangleFirstLines) {
    Document doc = MakeDocument({290, 190}, {220, 420}, {560, 420}, {0, 1, 2, 3, 4, 5, 6});
    const auto p = Paint(doc, 421, 660);
    ASSERT_GE(p.lines.size(), 4u);
    EXPECT_EQ(p.lines[0], "Punkt A\t( 0,8 | 1,4 )");
    EXPECT_EQ(p.lines[1], "Punkt B\t( 0,1 | -0,9 )");
    EXPECT_EQ(p.lines[2], "Punkt C\t( 3,5 | -0,9 )");
    EXPECT_EQ(p.lines[3], "Seite a\t3,4");
    // Only the base measures: 3 points, 3 sides, 3 equations, 3 angles, perimeter, area, Brocard.
    EXPECT_EQ(p.lines.size(), 15u);
    // The fill comes first, in light grey with a black outline.
    ASSERT_FALSE(p.calls.empty());
    EXPECT_EQ(p.calls[0].kind, CanvasCall::Kind::Polygon);
    EXPECT_EQ(p.calls[0].brush.color, kLightGrey);
    EXPECT_EQ(p.calls[0].pen.color, kBlack);
}

TEST(PaintRoutine, ResultsHiddenStillWriteTheCentroid) {
    Document doc = MakeDocument({510, 130}, {210, 430}, {610, 430}, {0, 1, 2, 13, 17});
    const auto p = Paint(doc, 821, 660, false);
    EXPECT_EQ(p.lines, (std::vector<std::string>{"Schwerpunkt S\t( 0,333 | 0 )"}));
}

TEST(PaintRoutine, AxisLabels) {
    Document doc = MakeDocument({290, 190}, {220, 420}, {560, 420});
    doc.view.showAxes = true;
    const auto p = Paint(doc, 421, 660, false);
    auto textAt = [&](const std::string& t) {
        for (const auto& c : p.calls)
            if (c.kind == CanvasCall::Kind::Text && c.text == t) return std::array{c.x1, c.y1};
        return std::array{-1, -1};
    };
    EXPECT_EQ(textAt("0"), (std::array{214, 332}));
    EXPECT_EQ(textAt("1"), (std::array{314, 332}));
    EXPECT_EQ(textAt("-1"), (std::array{95, 332}));
    EXPECT_EQ(textAt("x"), (std::array{406, 308}));
    EXPECT_EQ(textAt("y"), (std::array{196, 8}));
    // Labels that would stick out of the picture or run into an arrow head are left out.
    const std::array<int, 2> none{-1, -1};
    const std::array<std::pair<const char*, std::array<int, 2>>, 6> table{{
        {"2", {196, 124}},  // on the x axis at 414 it would reach into the arrow head; on the y axis it fits
        {"3", none},        // at y = 24 on the y axis it would touch the "y"
        {"-2", {196, 524}}, // on the x axis it would start at x = -5
        {"-3", {196, 624}}, // 624 + 16 <= 660
        {"4", none},
        {"-4", none},
    }};
    for (const auto& [text, at] : table)
        EXPECT_EQ(textAt(text), at) << text;
}

TEST(PaintRoutine, BackgroundLayersInTheirOrder) {
    // Grid, millimetre grid and axes all on: the grid's dotted silver lines first, then the
    // millimetre grid's cyan ones, then the grey axes, and nothing of one after the next began.
    Document doc = MakeDocument({100, 100}, {100, 100}, {300, 200});
    doc.view.showGrid = doc.view.showMmGrid = doc.view.showAxes = true;
    const auto p = Paint(doc, 400, 300, false);
    auto layer = [](const CanvasCall& c) {
        if (c.kind != CanvasCall::Kind::LineTo) return -1;
        if (c.pen.color == kSilver) return 0;
        if (c.pen.color == Rgb(0xC0FFFF) || c.pen.color == Rgb(0x80FFFF)) return 1;
        if (c.pen.color == kGrey) return 2;
        return -1;
    };
    std::vector<int> order;
    for (const CanvasCall& c : p.calls)
        if (const int l = layer(c); l >= 0 && (order.empty() || order.back() != l)) order.push_back(l);
    EXPECT_EQ(order, (std::vector<int>{0, 1, 2}));
}

TEST(PaintRoutine, GridAndMillimetreGrid) {
    // 400 x 300, stretch 1: lines every 50 pixels from the origin (200, 150) to both sides, the
    // first of each run drawn before its bound is tested.
    Document doc = MakeDocument({100, 100}, {100, 100}, {300, 200}); // reduced picture: no entry on
    doc.view.showGrid = true;
    const auto grid = Paint(doc, 400, 300, false);
    std::vector<std::array<int, 4>> segments;
    for (const CanvasCall& c : grid.calls) {
        if (c.kind != CanvasCall::Kind::LineTo || c.pen.color != kSilver) continue;
        EXPECT_EQ(c.pen.style, PenStyle::Dot);
        segments.push_back({c.x2, c.y2, c.x1, c.y1});
    }
    const std::vector<std::array<int, 4>> expected{
        {200, 1, 200, 300}, {250, 1, 250, 300}, {300, 1, 300, 300}, {350, 1, 350, 300},
        {400, 1, 400, 300}, {150, 1, 150, 300}, {100, 1, 100, 300}, {50, 1, 50, 300},
        {0, 1, 0, 300},     {1, 150, 400, 150}, {1, 200, 400, 200}, {1, 250, 400, 250},
        {1, 300, 400, 300}, {1, 100, 400, 100}, {1, 50, 400, 50},   {1, 0, 400, 0}};
    EXPECT_EQ(segments, expected);
    // The sides of the reduced picture follow in black and solid.
    ASSERT_FALSE(grid.calls.empty());
    EXPECT_EQ(grid.calls.back().pen, Pen{});

    // Millimetre grid: every 10 pixels in light cyan (41 vertical, 31 horizontal), then every
    // 50 pixels in #80FFFF (9 and 7), all solid.
    doc.view.showGrid = false;
    doc.view.showMmGrid = true;
    const auto mm = Paint(doc, 400, 300, false);
    int fine = 0, coarse = 0;
    for (const CanvasCall& c : mm.calls) {
        if (c.kind != CanvasCall::Kind::LineTo) continue;
        fine += c.pen == Pen{Rgb(0xC0FFFF), 1, PenStyle::Solid};
        coarse += c.pen == Pen{Rgb(0x80FFFF), 1, PenStyle::Solid};
    }
    EXPECT_EQ(fine, 72);
    EXPECT_EQ(coarse, 16);
}

TEST(PaintRoutine, CoincidentVerticesGiveTheReducedPicture) {
    Document doc = MakeDocument({100, 100}, {100, 100}, {300, 200}, {0, 1, 2, 3, 4, 5, 13, 17});
    const auto p = Paint(doc, 400, 300);
    EXPECT_TRUE(p.lines.empty());
    EXPECT_TRUE(doc.view.triangleDegenerate);
    int segments = 0, texts = 0;
    for (const auto& c : p.calls) {
        segments += c.kind == CanvasCall::Kind::LineTo;
        texts += c.kind == CanvasCall::Kind::Text;
    }
    EXPECT_EQ(segments, 3);
    EXPECT_EQ(texts, 3);
}

TEST(PaintRoutine, RepeatedRepaintWritesItsLinesWithoutAllocating) {
    if (!TRIMORA_COUNT_ALLOCATIONS) GTEST_SKIP() << "allocations are not counted under AddressSanitizer";
    // Line equations, triangle blocks, pedal blocks and the nine Feuerbach points: over a hundred
    // lines, most longer than a short string holds without the heap.
    Document doc =
        MakeDocument({510, 130}, {210, 430}, {610, 430},
                     {8, 9, 10, 11, 415, 30, 335, 95, 96, 97, 98, 99, 100, 302, 303, 304, 48, 388, 389});
    NullCanvas canvas(821, 660);
    PaintDocument(doc, canvas, true);
    PaintDocument(doc, canvas, true);
    g_allocations = 0;
    g_countAllocations = true;
    PaintDocument(doc, canvas, true);
    g_countAllocations = false;
    EXPECT_GT(doc.results.Size(), 100u);
    // The list keeps each line's memory from the last repaint; only the repaint's own last-label
    // string may grow a few times.
    EXPECT_LE(g_allocations.load(), 4);
}

TEST(PaintRoutine, ARepaintKeepsNothingOfTheOneBefore) {
    // One document repainted with ever other entries leaves every slot as a fresh document with the
    // same entries does: no point of an element that is now off survives into the next repaint.
    Document reused = MakeDocument({510, 130}, {210, 430}, {610, 430});
    NullCanvas canvas(821, 660);
    unsigned seed = 7;
    for (int run = 0; run < 12; ++run) {
        std::bitset<kEntryCount> entries;
        for (int e = 0; e < kEntryCount; ++e) {
            seed = seed * 1103515245u + 12345u;
            entries[static_cast<std::size_t>(e)] = run == 0 || (run % 3 != 1 && (seed >> 16) % 3 == 0);
        }
        reused.checked = entries;
        PaintDocument(reused, canvas, true);
        Document fresh = MakeDocument({510, 130}, {210, 430}, {610, 430});
        fresh.checked = entries;
        PaintDocument(fresh, canvas, true);
        for (int slot = 0; slot < kSlotCount; ++slot) {
            ASSERT_EQ(reused.points.screen[slot], fresh.points.screen[slot]) << "run " << run << ", slot " << slot;
            const RealPoint p = reused.points.precise[slot], q = fresh.points.precise[slot];
            ASSERT_TRUE((p.x == q.x || (std::isnan(p.x) && std::isnan(q.x))) && (p.y == q.y || (std::isnan(p.y) && std::isnan(q.y))))
                << "run " << run << ", slot " << slot;
        }
        EXPECT_EQ(reused.results.Lines(), fresh.results.Lines()) << run;
    }
}

TEST(PaintRoutine, SmallTrianglesGetNoCircumcircle) {
    // b = c = 0.3 units: |b c| <= 0.1, so no circumcircle family at all.
    Document doc = MakeDocument({200, 100}, {182, 124}, {218, 124}, {16, 17}); // |AB| = |AC| = 30 px
    const auto p = Paint(doc, 400, 300);
    for (const auto& l : p.lines) EXPECT_EQ(l.find("Umkreis"), std::string::npos) << l;
    for (const auto& c : p.calls) EXPECT_NE(c.kind, CanvasCall::Kind::Ellipse);
}

} // namespace
} // namespace trimora

namespace trimora {
namespace {

TEST(PaintRoutine, GridWithAFarShiftedOriginDrawsOnlyTheVisibleLines) {
    Document doc = MakeDocument({290, 190}, {220, 420}, {560, 420});
    doc.view.showMmGrid = true;
    doc.view.stretchFactor = 0.2; // 2-pixel lines of the fine grid
    doc.view.panX = 1000000;      // the origin far to the right of the area
    const auto p = testing::Paint(doc, 821, 660, false);
    int vertical = 0;
    for (const CanvasCall& c : p.calls)
        if (c.kind == CanvasCall::Kind::LineTo && c.x1 == c.x2 && c.y1 == 660) ++vertical;
    // Every visible column of both passes, and only a handful beyond the edge.
    EXPECT_GE(vertical, 821 / 2 + 821 / 10);
    EXPECT_LE(vertical, 821 / 2 + 821 / 10 + 8);
}

} // namespace
} // namespace trimora
