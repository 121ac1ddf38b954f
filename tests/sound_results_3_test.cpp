// Results checked against constructions of their own: the Yff border triangles are congruent,
// circles go through the points they name (Grebe, Tucker, isodynamic, Lémoine, Adams, excentres),
// no point comes from an absent one, upright lines read "X = c", no line of zero length, the
// centroid's pedal entries work alone, the Vecten distances end at the Vecten point.
#include "etc_reference.h"
#include "world_points.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

namespace trimora {
namespace {

using namespace testing;

// A triangle typed in world units with two decimals: whole pixels of the 821 x 660 area.
Triangle World(double xa, double ya, double xb, double yb, double xc, double yc) {
    auto px = [](double x, double y) {
        return IntPoint{int(std::lround(410 + 100 * x)), int(std::lround(330 - 100 * y))};
    };
    return {px(xa, ya), px(xb, yb), px(xc, yc)};
}

std::vector<std::string> Lines(const Triangle& t, std::initializer_list<int> entries,
                               Document* out = nullptr) {
    Document doc = MakeDocument(t.a, t.b, t.c, entries);
    const std::vector<std::string> lines = Paint(doc, kAreaWidth, kAreaHeight).lines;
    if (out) *out = doc;
    return lines;
}

std::vector<std::string> WithLabel(const std::vector<std::string>& lines, const std::string& label) {
    std::vector<std::string> out;
    for (const std::string& l : lines)
        if (LabelOf(l) == label) out.push_back(l);
    return out;
}

RealPoint Foot(RealPoint p, RealPoint l1, RealPoint l2) {
    const double dx = l2.x - l1.x, dy = l2.y - l1.y,
                 t = ((p.x - l1.x) * dx + (p.y - l1.y) * dy) / (dx * dx + dy * dy);
    return {l1.x + t * dx, l1.y + t * dy};
}

// The corner of the Grebe triangle at V: where the outer sides of the squares on V W and V U meet.
RealPoint GrebeVertex(RealPoint v, RealPoint w, RealPoint u) {
    auto outerSide = [](RealPoint p, RealPoint q, RealPoint away, RealPoint& s1, RealPoint& s2) {
        RealPoint n{q.y - p.y, p.x - q.x}; // |n| = |pq|
        if (n.x * (away.x - p.x) + n.y * (away.y - p.y) > 0) n = {-n.x, -n.y};
        s1 = {p.x + n.x, p.y + n.y};
        s2 = {q.x + n.x, q.y + n.y};
    };
    RealPoint a1, a2, b1, b2;
    outerSide(v, w, u, a1, a2);
    outerSide(v, u, w, b1, b2);
    return Meet(a1, a2, b1, b2);
}

struct Item {
    const char* what;
    std::vector<Triangle> triangles; // the triangle first, then two more
    std::function<void(const Triangle&, RealPoint, RealPoint, RealPoint)> check;
};

TEST(SoundResults3, EachMendedItemOnThreeTriangles) {
    const Triangle obtuse = World(-2.1, -0.35, 2.64, 0.18, -0.83, 0.97), flat = World(-3, 0, 3, 0, 0.5, 0.02);
    const std::vector<Item> items{
        {"Yff third vertex and congruent border triangles",
         {obtuse, World(-1, -1, 2, -0.5, 0.3, 1.8), World(0.1, 0.2, 1.7, -0.4, 0.6, 1.1)},
         [&](const Triangle& t, RealPoint, RealPoint, RealPoint) {
             const auto lines = Lines(t, {267, 338});
             if (t.a == obtuse.a) {
                 EXPECT_EQ(WithLabel(lines, "3.Yff Zentraldreieckspunkt")[0],
                           "3.Yff Zentraldreieckspunkt\t( -0,666 | 0,242 )");
             }
             const auto perimeters = WithLabel(lines, "… Dreiecksumfang");
             ASSERT_EQ(perimeters.size(), 3u);
             EXPECT_EQ(perimeters[0], perimeters[1]);
             EXPECT_EQ(perimeters[1], perimeters[2]);
         }},
        {"isodynamic radius from X(15) and X(16)",
         {World(-2, 0, 2, 0, 0, 3.46), World(-2, 0, 2, 0, 0.01, 3.45), World(-1.5, 0, 1.5, 0, 0, 2.6)},
         [](const Triangle& t, RealPoint a, RealPoint b, RealPoint c) {
             const double r = Dist(*etc::Centre(15, a, b, c), *etc::Centre(16, a, b, c)) / 200;
             EXPECT_NEAR(ValueOf(*FindLine(Lines(t, {224}), "Isodynamischer Kreisradius")), r,
                         0.0006 + 1e-7 * r);
         }},
        {"Grebe circles on the diagonal from the vertex to the Grebe vertex",
         {World(-3, 0, 3, 0, 0.5, 0.02), obtuse, World(-1, -1, 2, -0.5, 0.3, 1.8)},
         [](const Triangle& t, RealPoint a, RealPoint b, RealPoint c) {
             const auto lines = Lines(t, {372});
             const auto centres = WithLabel(lines, "… Mittelpunkt"), radii = WithLabel(lines, "… Radius");
             ASSERT_EQ(centres.size(), 3u);
             const RealPoint gA = GrebeVertex(a, b, c), gC = GrebeVertex(c, a, b), gB = GrebeVertex(b, a, c);
             const std::pair<RealPoint, RealPoint> diameters[3] = {{a, gA}, {c, gC}, {b, gB}};
             for (int n = 0; n < 3; ++n) {
                 const auto [v, g] = diameters[n];
                 EXPECT_LT(Dist(WorldToPixel(centres[n]), Mid(v, g)), 0.1) << centres[n];
                 EXPECT_NEAR(ValueOf(radii[n]), Dist(v, g) / 200, 0.0006);
             }
         }},
        {"first and second Tucker circles through their three points",
         {World(-1.5, 0, 2, 0, 1.3, 1.41), World(-3, 0, 3, 0, 0.5, 0.3), World(-2, 0, 1.5, 0, 1, 1.22)},
         [](const Triangle& t, RealPoint a, RealPoint b, RealPoint c) {
             const RealPoint ha = Foot(a, b, c), hb = Foot(b, a, c), hc = Foot(c, a, b);
             const RealPoint circles[6][3] = {{Foot(hb, a, b), Foot(hb, b, c), b},
                                              {Foot(ha, a, b), Foot(ha, a, c), a},
                                              {Foot(hc, a, c), Foot(hc, b, c), c},
                                              {Foot(hb, a, b), hc, hb},
                                              {Foot(ha, a, c), hb, ha},
                                              {Foot(ha, a, b), ha, hc}};
             const auto lines = Lines(t, {53, 55});
             for (int n = 0; n < 6; ++n) {
                 const std::string label =
                     std::to_string(n / 3 + 1) + ".Tucker-Kreisradius (" + std::to_string(n % 3 + 1) + ")";
                 const auto line = FindLine(lines, label);
                 ASSERT_TRUE(line) << label;
                 const RealPoint* p = circles[n];
                 EXPECT_NEAR(ValueOf(*line), Dist(*etc::Circumcentre(p[0], p[1], p[2]), p[0]) / 100, 0.0006)
                     << label;
             }
         }},
        {"no sub-triangle centroid or Lémoine circle without U and I",
         {World(0, 0, 0.03, 0, 0.01, 0.02), World(0.1, 0.1, 0.13, 0.12, 0.11, 0.14),
          World(-0.02, 0, 0.02, 0, 0, 0.03)},
         [](const Triangle& t, RealPoint, RealPoint, RealPoint) {
             const auto lines = Lines(t, {228, 231, 234, 254, 255});
             EXPECT_EQ(lines.size(), Lines(t, {}).size()) << lines.back();
         }},
        {"upright lines of a flat triangle",
         {flat, World(-2, 0, 2, 0, 0.7, 0.01), World(-3, 0, 2.5, 0, -0.4, 0.03)},
         [](const Triangle& t, RealPoint, RealPoint, RealPoint) {
             const auto lines = Lines(t, {323, 432, 464});
             // The Hadamard line from Ic and the contact segment to the outer excentral vertex stand on AB.
             EXPECT_NE(WithLabel(lines, "Ankreismittelpunkt-Hadamard-Linie")[2].find("\tX = "),
                       std::string::npos);
             EXPECT_NE(WithLabel(lines, "ÄAZ … Kontaktpunktstrecken")[2].find("\tX = "), std::string::npos);
             for (const std::string& l : lines) { // "label<TAB>Y = m X +n ; …": m well below 10^7
                 if (l.find(" X ") == std::string::npos) continue;
                 std::string m = l.substr(l.find("Y = ") + 4);
                 std::replace(m.begin(), m.end(), ',', '.');
                 EXPECT_LT(std::fabs(std::strtod(m.c_str(), nullptr)), 1e7) << l;
             }
         }},
        {"no Taylor line of zero length",
         {World(0, 0, 4, 0, 0, 3), World(0, 0, 3, 0, 3, 2), World(0, 0, 2, 2, 2, 0)},
         [](const Triangle& t, RealPoint, RealPoint, RealPoint) {
             EXPECT_EQ(WithLabel(Lines(t, {50}), "Taylor-Linie").size(), 4u);
         }},
        {"the centroid's pedal points alone",
         {obtuse, World(-1, -1, 2, -0.5, 0.3, 1.8), flat},
         [](const Triangle& t, RealPoint a, RealPoint b, RealPoint c) {
             const RealPoint s = Barycentric(a, b, c, 1, 1, 1);
             const auto feet = WithLabel(Lines(t, {95}), "… Lotfußpunkt");
             const RealPoint expected[3] = {Foot(s, a, b), Foot(s, a, c), Foot(s, c, b)};
             ASSERT_EQ(feet.size(), 3u);
             for (int n = 0; n < 3; ++n)
                 EXPECT_LT(Dist(WorldToPixel(feet[n]), expected[n]), 0.1) << feet[n];
             EXPECT_EQ(WithLabel(Lines(t, {97}), "… Dreiecksseite").size(), 3u);
             EXPECT_EQ(WithLabel(Lines(t, {96}), "… Lotlänge").size(), 3u);
         }},
        {"Vecten distances to X(485)",
         {obtuse, World(-1, -1, 2, -0.5, 0.3, 1.8), World(0.1, 0.2, 1.7, -0.4, 0.6, 1.1)},
         [](const Triangle& t, RealPoint a, RealPoint b, RealPoint c) {
             const RealPoint v = *etc::Centre(485, a, b, c);
             const auto lines = Lines(t, {379});
             EXPECT_NEAR(ValueOf(*FindLine(lines, "Abstand A-Vecten-Punkt")), Dist(a, v) / 100, 0.0006);
             EXPECT_NEAR(ValueOf(*FindLine(lines, "Abstand B-Vecten-Punkt")), Dist(b, v) / 100, 0.0006);
             EXPECT_NEAR(ValueOf(*FindLine(lines, "Abstand C-Vecten-Punkt")), Dist(c, v) / 100, 0.0006);
         }},
    };
    int run = 0;
    for (const Item& item : items) {
        SCOPED_TRACE(item.what);
        ASSERT_EQ(item.triangles.size(), 3u);
        for (const Triangle& t : item.triangles) {
            item.check(t, AsReal(t.a), AsReal(t.b), AsReal(t.c));
            ++run;
        }
    }
    EXPECT_EQ(run, 27);
}

TEST(SoundResults3, YffBorderTrianglesAreCongruentOnRandomTriangles) {
    std::mt19937 rng(28);
    std::uniform_int_distribution<int> x(60, 760), y(60, 600);
    int run = 0;
    while (run < 200) {
        const Triangle t{{x(rng), y(rng)}, {x(rng), y(rng)}, {x(rng), y(rng)}};
        if (Area(AsReal(t.a), AsReal(t.b), AsReal(t.c)) < 2000) continue;
        Document doc;
        Lines(t, {}, &doc);
        const auto& p = doc.points.precise;
        // The central triangle's vertex with the two border points on its sides.
        const int border[3][3] = {{179, 226, 227}, {180, 225, 228}, {181, 229, 230}};
        std::array<std::array<double, 3>, 3> sides;
        for (int n = 0; n < 3; ++n) {
            const RealPoint u = p[border[n][0]], v = p[border[n][1]], w = p[border[n][2]];
            sides[n] = {Dist(u, v), Dist(v, w), Dist(w, u)};
            std::sort(sides[n].begin(), sides[n].end());
        }
        for (int n = 1; n < 3; ++n)
            for (int k = 0; k < 3; ++k)
                EXPECT_NEAR(sides[n][k], sides[0][k], 1e-9 * sides[0][2]) << run;
        ++run;
    }
    EXPECT_EQ(run, 200);
}

TEST(SoundResults3, CirclesThroughTheirPointsAndLabelsThatFollowTheirLines) {
    const Triangle t = World(-2.1, -0.35, 2.64, 0.18, -0.83, 0.97);
    const RealPoint a = AsReal(t.a), b = AsReal(t.b), c = AsReal(t.c);
    const auto lines = Lines(t, {43, 135, 137, 139, 247, 249, 254});
    // 1st Lémoine circle: R / (2 cos omega); Spieker circle: half the inradius.
    const double la = Dist(b, c), lb = Dist(c, a), lc = Dist(a, b), area = Area(a, b, c);
    const double R = la * lb * lc / (4 * area), omega = std::atan(4 * area / (la * la + lb * lb + lc * lc));
    EXPECT_NEAR(ValueOf(*FindLine(lines, "1.Lémoine-Kreisradius")), R / (2 * std::cos(omega)) / 100, 0.0006);
    EXPECT_NEAR(ValueOf(*FindLine(lines, "Spiekerkreis-Radius")), area / (la + lb + lc) / 100, 0.0006);
    // The circles on two excentres: half their distance.
    const RealPoint ia = Barycentric(a, b, c, -la, lb, lc), ib = Barycentric(a, b, c, la, -lb, lc),
                    ic = Barycentric(a, b, c, la, lb, -lc);
    const auto radii = WithLabel(lines, "… Radius");
    ASSERT_EQ(radii.size(), 3u);
    EXPECT_NEAR(ValueOf(radii[0]), Dist(ia, ib) / 200, 0.0006);
    EXPECT_NEAR(ValueOf(radii[1]), Dist(ia, ic) / 200, 0.0006);
    EXPECT_NEAR(ValueOf(radii[2]), Dist(ib, ic) / 200, 0.0006);
    // The six Adams points lie on the listed Adams circle.
    const RealPoint centre = WorldToPixel(*FindLine(Lines(t, {248}), "Adams-Kreismittelpunkt"));
    const double adams = ValueOf(*FindLine(lines, "Adams-Kreisradius"));
    for (const std::string& l : WithLabel(lines, "Adams-Kreispunkt"))
        EXPECT_NEAR(Dist(WorldToPixel(l), centre) / 100, adams, 0.002) << l;

    // A Carnot altitude of a right triangle whose first altitude is absent keeps its own label.
    const Triangle right = World(0, 0, 4, 0, 0, 3);
    const auto carnot = Lines(right, {499});
    for (std::size_t n = Lines(right, {}).size(); n < carnot.size(); ++n)
        EXPECT_EQ(LabelOf(carnot[n]), "Carnot-Dreieck-Höhe");
}

} // namespace
} // namespace trimora
