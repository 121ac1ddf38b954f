// Results on awkward triangles: no circles through collinear points, no points from failed or
// skipped constructions, the same results wherever the picture is panned, typed vertices listed
// as typed.
#include "app/core/session.h"
#include "draw/point_table.h"
#include "family_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <regex>

namespace trimora {
namespace {

using namespace testing;

constexpr int kW = 821, kH = 660; // origin (410, 330)

Document AllOn(const Triangle& t, int panX = 0, int panY = 0) {
    Document doc = MakeDocument({t.a.x + panX, t.a.y + panY}, {t.b.x + panX, t.b.y + panY},
                                {t.c.x + panX, t.c.y + panY});
    doc.view.panX = panX;
    doc.view.panY = panY;
    for (int e = 0; e < kEntryCount; ++e) doc.SetOn(e);
    return doc;
}

// Every number of a result line's value ("( 1,5 | -2 )", "Y = 0,5 X +1 ; …").
std::vector<double> Numbers(const std::string& line) {
    static const std::regex kNumber(R"([-+]?\d+(,\d+)?)");
    std::string value = line.substr(line.find('\t') + 1);
    std::vector<double> out;
    for (std::sregex_iterator it(value.begin(), value.end(), kNumber), end; it != end; ++it) {
        std::string n = it->str();
        std::replace(n.begin(), n.end(), ',', '.');
        out.push_back(std::strtod(n.c_str(), nullptr));
    }
    return out;
}

// Pixel triangles (origin 410, 330, 100 pixels a unit) named by their world coordinates.
const Triangle kTextbook{{510, 130}, {210, 430}, {610, 430}}; // "1;2;-2;-1;2;-1"
const Triangle kRight{{410, 130}, {410, 330}, {610, 330}};    // "0;2;0;0;2;0"
const Triangle kRight345{{410, 330}, {710, 330}, {410, -70}}; // "0;0;3;0;0;4"
const Triangle kCollinear{{510, 230}, {610, 230}, {810, 230}}; // "1;1;2;1;4;1"
const Triangle kCollinear2{{410, 230}, {510, 130}, {610, 30}}; // "0;1;1;2;2;3"
const Triangle kSmall{{510, 230}, {540, 230}, {520, 210}};     // "1;1;1,3;1;1,1;1,2"

TEST(SoundResults, NoHugeNumbersOnOrdinaryRightAndIsoscelesTriangles) {
    // A circle through three collinear points used to be fitted from rounding noise, with centres
    // near 10^15 that fed later elements; lines or weights of an isosceles figure that are
    // parallel or cancel within rounding gave points there too (Kiepert, Nobbs).
    const Triangle isosceles{{410, 130}, {210, 430}, {610, 430}};
    const Triangle rightIsosceles{{410, 330}, {710, 330}, {410, 30}};
    int run = 0;
    for (const Triangle& t : {kTextbook, kRight, kRight345, isosceles, rightIsosceles}) {
        Document doc = AllOn(t);
        const Painted p = Paint(doc, kW, kH);
        for (const std::string& l : p.lines)
            for (double v : Numbers(l)) EXPECT_LT(std::fabs(v), 1e5) << l;
        ++run;
    }
    EXPECT_EQ(run, 5);
}

TEST(SoundResults, NothingFromAbsentOrSkippedPoints) {
    // Collinear vertices fail every trilinear construction; the small triangle skips the circle
    // and excircle families. Nothing may then be listed at the drawing origin, at the sentinel's
    // or the corner pixel's world position, or drawn from the corner or the sentinel.
    const std::vector<std::string> forbidden{"( 0 | 0 )", "( -5,1 | 4,3 )", "( -4,1 | 3,3 )", "X = -5,1 ",
                                             "X = -4,1 ", "Y = 4,3 ", "Y = 3,3 "};
    int run = 0;
    for (const Triangle& t : {kCollinear, kCollinear2, kSmall}) {
        Document doc = AllOn(t);
        const Painted p = Paint(doc, kW, kH);
        for (const std::string& l : p.lines)
            for (const std::string& f : forbidden) EXPECT_EQ(l.find(f), std::string::npos) << l;
        for (const CanvasCall& c : p.calls) {
            if (c.kind != CanvasCall::Kind::LineTo && c.kind != CanvasCall::Kind::Ellipse) continue;
            const bool fromCorner = (c.x1 == 0 && c.y1 == 0) || (c.x2 == 0 && c.y2 == 0);
            const bool atSentinel = c.x1 <= -95 && c.x1 >= -105 && c.y1 <= -95 && c.y1 >= -105;
            EXPECT_FALSE(fromCorner || atSentinel) << run << ": " << c.x1 << "," << c.y1 << " " << c.x2 << "," << c.y2 << " pen " << int(c.pen.color.r) << "," << int(c.pen.color.g) << "," << int(c.pen.color.b);
        }
        ++run;
    }
    EXPECT_EQ(run, 3);
}

TEST(SoundResults, SlotsOfSkippedFamiliesAreAbsent) {
    struct Case {
        Triangle t;
        std::vector<int> entries, absentSlots;
        std::vector<std::string> missingLabels;
    };
    const std::vector<Case> cases{
        // |b c| <= 0.1: no U and I, so no segment UH and no Adams circle from earlier values.
        {{{410, 330}, {440, 330}, {410, 300}}, {449, 247}, {kSlotIncentre, kSlotCircumcentre}, {"Strecke UH", "Adams-Kreis"}},
        // Collinear vertices: the outer square sides are parallel, no Grebe triangle and no Grebe lines.
        {kCollinear, {366}, {250, 251, 252}, {"Grebe-Linien"}},
        // A right angle at B leaves two Carnot circles out, and with them the Carnot triangle.
        {kRight, {369, 370}, {}, {"Carnot-Dreieck"}},
        // Collinear vertices: no Brocard points, no Neuberg triangle of zero sides.
        {kCollinear, {80, 85, 245}, {86, 87}, {"1.Brocard-Punkt", "Neuberg-Dreieck"}},
    };
    for (const Case& c : cases) {
        Document doc = MakeDocument(c.t.a, c.t.b, c.t.c);
        for (int slot = 4; slot < kSlotCount; ++slot) PlaceSlot(doc.points, slot, {7, 7}); // an earlier repaint
        for (int e : c.entries) doc.SetOn(e);
        const Painted p = Paint(doc, kW, kH);
        for (int slot : c.absentSlots) EXPECT_FALSE(Present(doc.points, slot)) << slot;
        for (const std::string& label : c.missingLabels) EXPECT_FALSE(FindLine(p.lines, label)) << label;
        for (const CanvasCall& call : p.calls) EXPECT_FALSE(call.x1 == 7 && call.y1 == 7);
    }
}

TEST(SoundResults, ExactLinesOnTheTextbookAndRightTriangles) {
    struct Case {
        Triangle t;
        int entry;
        std::string line;
    };
    const std::vector<Case> cases{
        // H from the exact altitudes, not from whole-pixel offsets.
        {kTextbook, 12, "Höhenschnittpunkt\t( 1 | 0 )"},
        {kTextbook, 19, "Euler-Gerade\tY = 0 ; Anstiegswinkel 0°"},
        // A tangent on a nearly horizontal radius is vertical, not Y = -8e14 X ….
        {kRight, 344, "äußere Soddy-Gerade\tX = -1,414 ; Anstiegswinkel 90°"},
    };
    for (const Case& c : cases) {
        Document doc = MakeDocument(c.t.a, c.t.b, c.t.c, {c.entry});
        const Painted p = Paint(doc, kW, kH);
        EXPECT_NE(std::find(p.lines.begin(), p.lines.end(), c.line), p.lines.end()) << c.line;
    }
}

// The same labels in the same order, and every number of every line to the printed digit.
void ExpectSameResults(const Painted& p, const Painted& q, int run) {
    ASSERT_EQ(p.lines.size(), q.lines.size()) << run;
    for (std::size_t n = 0; n < p.lines.size(); ++n) {
        ASSERT_EQ(LabelOf(p.lines[n]), LabelOf(q.lines[n])) << run;
        const std::vector<double> u = Numbers(p.lines[n]), v = Numbers(q.lines[n]);
        ASSERT_EQ(u.size(), v.size()) << p.lines[n] << " | " << q.lines[n];
        for (std::size_t k = 0; k < u.size(); ++k)
            EXPECT_NEAR(u[k], v[k], std::max(0.0011, 1e-6 * std::fabs(u[k]))) << p.lines[n] << " | " << q.lines[n];
    }
}

TEST(SoundResults, PanningKeepsTheResults) {
    // Panning moves the vertices and the origin by the same whole pixels: the same labels in the
    // same order and the same values, up to rounding of the last digit.
    std::mt19937 rng(11);
    std::uniform_int_distribution<int> x(60, 760), y(60, 600), pan(-800, 800);
    int run = 0;
    while (run < 1000) {
        const Triangle t{{x(rng), y(rng)}, {x(rng), y(rng)}, {x(rng), y(rng)}};
        // Nearly flat triangles put centres beyond the pixel range of +-100000, where they are
        // clamped; those are left out.
        const double ab = std::hypot(t.b.x - t.a.x, t.b.y - t.a.y), bc = std::hypot(t.c.x - t.b.x, t.c.y - t.b.y),
                     ca = std::hypot(t.a.x - t.c.x, t.a.y - t.c.y);
        const double area2 = std::fabs(double(t.b.x - t.a.x) * (t.c.y - t.a.y) - double(t.c.x - t.a.x) * (t.b.y - t.a.y));
        if (!(area2 > 0.05 * std::pow(std::max({ab, bc, ca}), 2))) continue;
        Document plain = AllOn(t);
        // Every tenth pan far beyond the picture, where the triangle lies tens of thousands of
        // pixels from the corner of the area.
        const int far = run % 10 == 0 ? 30 : 1;
        Document panned = AllOn(t, far * pan(rng), far * pan(rng));
        const Painted p = Paint(plain, kW, kH), q = Paint(panned, kW, kH);
        ExpectSameResults(p, q, run);
        ++run;
    }
    EXPECT_EQ(run, 1000);
}

TEST(SoundResults, TheDrawingsLimitChangesNoResult) {
    // Panned hundreds of thousands of pixels away, the triangle lies beyond the drawing's limit of
    // +-100000 pixels, where the picture clamps it: the results stay those of the visible triangle.
    std::mt19937 rng(12);
    std::uniform_int_distribution<int> x(60, 760), y(60, 600), pan(150000, 900000), sign(0, 1);
    int run = 0;
    while (run < 60) {
        const Triangle t{{x(rng), y(rng)}, {x(rng), y(rng)}, {x(rng), y(rng)}};
        const double area2 = std::fabs(double(t.b.x - t.a.x) * (t.c.y - t.a.y) - double(t.c.x - t.a.x) * (t.b.y - t.a.y));
        if (!(area2 > 20000)) continue;
        Document plain = AllOn(t);
        const int panX = (sign(rng) ? 1 : -1) * pan(rng), panY = run % 3 == 0 ? 0 : (sign(rng) ? 1 : -1) * pan(rng);
        Document far = AllOn(t, panX, panY);
        for (int v = 0; v < 3; ++v) {
            const IntPoint p = plain.points.screen[kSlotA + v];
            PlaceVertex(far.points, kSlotA + v, {double(p.x) + panX, double(p.y) + panY});
        }
        ASSERT_TRUE(TriangleBeyondDrawing(far.points));
        const Painted p = Paint(plain, kW, kH), q = Paint(far, kW, kH);
        ExpectSameResults(p, q, run);
        ++run;
    }
    EXPECT_EQ(run, 60);
}

TEST(SoundResults, TypedVerticesAreListedAsTyped) {
    // The vertex input and the results measure from the same whole-pixel origin, whatever the
    // width of the drawing area.
    for (int width : {821, 820, 561}) {
        Session s;
        InitSession(s, width, 660);
        s.doc.fields = {"1,01", "2,01", "-2,03", "-1,05", "2,07", "-1,11"};
        ApplyTypedCoordinates(s);
        Paint(s.doc, width, 660);
        const auto& lines = s.doc.results.Lines();
        ASSERT_GE(lines.size(), 3u);
        EXPECT_EQ(lines[0], "Punkt A\t( 1,01 | 2,01 )") << width;
        EXPECT_EQ(lines[1], "Punkt B\t( -2,03 | -1,05 )") << width;
        EXPECT_EQ(lines[2], "Punkt C\t( 2,07 | -1,11 )") << width;
    }
}

} // namespace
} // namespace trimora
