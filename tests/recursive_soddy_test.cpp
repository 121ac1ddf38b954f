// The recursive Soddy circles: the entry on its own, the first circle against the inner Soddy
// circle, the order of the gaps, the depth and radius limits and the symmetric gasket.
#include "family_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>

namespace trimora {
namespace {

using namespace testing;

constexpr int kRekursiveSoddyKreise = 493;
constexpr Triangle kReference{{510, 130}, {210, 430}, {610, 430}}; // A(1 | 2), B(-2 | -1), C(2 | -1)
constexpr Color kNavy = Rgb(0x000080);

struct ListedCircle {
    RealPoint centre; // pixels
    double radius;    // pixels
};

// "Rekursiver Soddy-Kreis<TAB>M (x|y), r = r" back to pixels; nothing for other lines.
std::optional<ListedCircle> Parse(const std::string& line) {
    constexpr std::string_view kLabel = "Rekursiver Soddy-Kreis\tM (";
    if (!line.starts_with(kLabel)) return std::nullopt;
    std::string v = line.substr(kLabel.size());
    const std::size_t tail = v.find("), r = ");
    if (tail == std::string::npos) return std::nullopt;
    v.replace(tail, 7, ")#");
    std::replace(v.begin(), v.end(), ',', '.'); // the decimal commas
    double x = 0, y = 0, r = 0;
    if (std::sscanf(v.c_str(), "%lf|%lf)#%lf", &x, &y, &r) != 3) return std::nullopt;
    return ListedCircle{{410 + 100 * x, 330 - 100 * y}, 100 * r};
}

std::vector<ListedCircle> Listed(const std::vector<std::string>& lines) {
    std::vector<ListedCircle> out;
    for (const std::string& l : lines)
        if (const auto c = Parse(l)) out.push_back(*c);
    return out;
}

int Ellipses(const Painted& p) {
    return static_cast<int>(std::count_if(p.calls.begin(), p.calls.end(), [](const CanvasCall& c) {
        return c.kind == CanvasCall::Kind::Ellipse;
    }));
}

TEST(RecursiveSoddy, EntryAloneDrawsAndListsEveryCircle) {
    Document base = MakeDocument(kReference.a, kReference.b, kReference.c);
    const Painted before = Paint(base, kAreaWidth, kAreaHeight);
    Document doc = MakeDocument(kReference.a, kReference.b, kReference.c, {kRekursiveSoddyKreise});
    const Painted after = Paint(doc, kAreaWidth, kAreaHeight);

    // One navy circle and one line per circle, after the base lines.
    const int circles = Ellipses(after) - Ellipses(before);
    ASSERT_GT(circles, 1);
    EXPECT_LE(circles, 3280);
    for (const CanvasCall& c : after.calls) {
        if (c.kind == CanvasCall::Kind::Ellipse && c.pen.color != kBlack) {
            EXPECT_EQ(c.pen.color, kNavy);
        }
    }
    ASSERT_EQ(after.lines.size(), before.lines.size() + static_cast<std::size_t>(circles));
    EXPECT_TRUE(std::equal(before.lines.begin(), before.lines.end(), after.lines.begin()));
    for (std::size_t n = before.lines.size(); n < after.lines.size(); ++n)
        EXPECT_TRUE(Parse(after.lines[n])) << after.lines[n];

    // The first is the inner Soddy circle, with the same values as its own entries list.
    Document soddy = MakeDocument(kReference.a, kReference.b, kReference.c, {59, 60});
    const Painted inner = Paint(soddy, kAreaWidth, kAreaHeight);
    const auto centre = FindLine(inner.lines, "Innerer Soddykreismittelpunkt");
    const auto radius = FindLine(inner.lines, "Innerer Soddykreisradius");
    ASSERT_TRUE(centre && radius);
    EXPECT_EQ(*centre, "Innerer Soddykreismittelpunkt\t( 0,616 | 0,055 )");
    EXPECT_EQ(after.lines[before.lines.size()], "Rekursiver Soddy-Kreis\tM (0,616|0,055), r = 0,28");
    EXPECT_EQ(*radius, "Innerer Soddykreisradius\t0,28");

    // Hidden results: the same circles, no lines.
    Document hidden = MakeDocument(kReference.a, kReference.b, kReference.c, {kRekursiveSoddyKreise});
    const Painted quiet = Paint(hidden, kAreaWidth, kAreaHeight, false);
    EXPECT_TRUE(quiet.lines.empty());
    EXPECT_EQ(quiet.calls.size(), after.calls.size());
}

// Whether a listed circle touches the circle about a vertex from outside (to the listing's 0.1
// pixel).
bool Touches(const ListedCircle& c, RealPoint vertex, double vertexRadius) {
    return std::fabs(Dist(c.centre, vertex) - (vertexRadius + c.radius)) < 0.25;
}

TEST(RecursiveSoddy, GapsInTheOrderNewP2P3NewP1P3NewP1P2) {
    // A small triangle: the first circle has a radius above one pixel, its three children not,
    // so the list is the first circle and the gaps it opens, in order. The first gap is (C, B, A).
    const Triangle t{{400, 300}, {420, 300}, {406, 320}};
    Document doc = MakeDocument(t.a, t.b, t.c, {kRekursiveSoddyKreise});
    const auto circles = Listed(Paint(doc, kAreaWidth, kAreaHeight).lines);
    ASSERT_EQ(circles.size(), 4u);
    const RealPoint A = AsReal(t.a), B = AsReal(t.b), C = AsReal(t.c);
    const double a = Dist(B, C), b = Dist(C, A), c = Dist(A, B), s = (a + b + c) / 2;
    const double x = s - a, y = s - b, z = s - c;
    EXPECT_GT(circles[0].radius, 1);
    // (new, B, A), then (new, C, A), then (new, C, B).
    EXPECT_TRUE(Touches(circles[1], B, y) && Touches(circles[1], A, x) && !Touches(circles[1], C, z));
    EXPECT_TRUE(Touches(circles[2], C, z) && Touches(circles[2], A, x) && !Touches(circles[2], B, y));
    EXPECT_TRUE(Touches(circles[3], C, z) && Touches(circles[3], B, y) && !Touches(circles[3], A, x));
    for (int n = 1; n < 4; ++n) {
        EXPECT_LE(circles[n].radius, 1.05) << n;
        EXPECT_TRUE(std::fabs(Dist(circles[n].centre, circles[0].centre) - circles[0].radius -
                              circles[n].radius) < 0.25)
            << n;
    }
}

TEST(RecursiveSoddy, EightLevelsAtMost) {
    // A huge triangle: every circle is larger than a pixel, so the depth limit alone stops at
    // 1 + 3 + ... + 3^7 circles; every drawing coordinate stays within the clamp.
    Document doc = MakeDocument({0, -90000}, {-90000, 90000}, {90000, 90000}, {kRekursiveSoddyKreise});
    Document base = MakeDocument({0, -90000}, {-90000, 90000}, {90000, 90000});
    const Painted p = Paint(doc, kAreaWidth, kAreaHeight);
    const Painted q = Paint(base, kAreaWidth, kAreaHeight);
    EXPECT_EQ(Listed(p.lines).size(), 3280u);
    EXPECT_EQ(Ellipses(p) - Ellipses(q), 3280);
    for (const CanvasCall& c : p.calls)
        for (int v : {c.x1, c.y1, c.x2, c.y2})
            EXPECT_LE(std::abs(v), 100000);
}

TEST(RecursiveSoddy, StopsAtTheFirstCircleOfAPixelOrLess) {
    // Sides of about ten pixels: the first circle is already below a pixel; it is still drawn
    // and listed, and nothing follows it.
    Document doc = MakeDocument({400, 300}, {410, 300}, {403, 310}, {kRekursiveSoddyKreise});
    Document base = MakeDocument({400, 300}, {410, 300}, {403, 310});
    const Painted p = Paint(doc, kAreaWidth, kAreaHeight);
    const Painted q = Paint(base, kAreaWidth, kAreaHeight);
    const auto circles = Listed(p.lines);
    ASSERT_EQ(circles.size(), 1u);
    EXPECT_LE(circles[0].radius, 1);
    EXPECT_GT(circles[0].radius, 0);
    EXPECT_EQ(Ellipses(p) - Ellipses(q), 1);
}

TEST(RecursiveSoddy, FlatTriangleDrawsNothingUsable) {
    // C on AB: the circle about C has no radius; at most one circle of radius 0 is listed, and no
    // line holds a non-finite number.
    Document doc = MakeDocument({510, 130}, {210, 430}, {310, 330}, {kRekursiveSoddyKreise});
    const auto lines = Paint(doc, kAreaWidth, kAreaHeight).lines;
    const auto circles = Listed(lines);
    EXPECT_LE(circles.size(), 1u);
    for (const ListedCircle& c : circles)
        EXPECT_NEAR(c.radius, 0, 0.5);
    for (const std::string& l : lines) {
        EXPECT_EQ(l.find("nan"), std::string::npos) << l;
        EXPECT_EQ(l.find("inf"), std::string::npos) << l;
    }
}

TEST(RecursiveSoddy, NearlyEquilateralTriangleGivesTheSymmetricGasket) {
    // Symmetric about x = 410 with sides 520, 519.7 and 519.7 pixels: the gasket is its own mirror
    // image, and turned by 120 degrees about the first circle it falls onto itself up to the
    // small difference of the sides.
    Document doc = MakeDocument({410, 30}, {150, 480}, {670, 480}, {kRekursiveSoddyKreise});
    const auto circles = Listed(Paint(doc, kAreaWidth, kAreaHeight).lines);
    ASSERT_GT(circles.size(), 40u);
    EXPECT_EQ(circles.size() % 3, 1u);
    const RealPoint centre = circles[0].centre;
    // The first circle sits on the centroid.
    EXPECT_NEAR(centre.x, 410, 0.1);
    EXPECT_NEAR(centre.y, (30 + 480 + 480) / 3.0, 0.6);
    auto has = [&](RealPoint p, double r, double tol) {
        return std::any_of(circles.begin(), circles.end(), [&](const ListedCircle& c) {
            return Dist(c.centre, p) < tol && std::fabs(c.radius - r) < tol;
        });
    };
    int mirrored = 0, turned = 0;
    for (const ListedCircle& c : circles) {
        mirrored += has({820 - c.centre.x, c.centre.y}, c.radius, 0.15);
        if (c.radius < 3) continue;
        for (double angle : {2 * M_PI / 3, -2 * M_PI / 3}) {
            const double dx = c.centre.x - centre.x, dy = c.centre.y - centre.y;
            const RealPoint p{centre.x + dx * std::cos(angle) - dy * std::sin(angle),
                              centre.y + dx * std::sin(angle) + dy * std::cos(angle)};
            EXPECT_TRUE(has(p, c.radius, 1.5)) << c.centre.x << " " << c.centre.y << " " << c.radius;
            ++turned;
        }
    }
    EXPECT_EQ(mirrored, static_cast<int>(circles.size()));
    EXPECT_GT(turned, 20);
}

} // namespace
} // namespace trimora
