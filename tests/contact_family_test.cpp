// The incircle contact, Gergonne and Soddy family: every catalogue entry on its own, the contact
// points, Gergonne, Nobbs, Evans, Fletcher, Longchamp and Adams points and the Soddy circles
// against independent constructions, isosceles and flat triangles.
#include "family_support.h"
#include "base/format.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace trimora {
namespace {

using namespace testing;

// A(1 | 2), B(-2 | -1), C(2 | -1): a = 4, b = sqrt 10, c = 3 sqrt 2, U = (0 | 0), H = (1 | 0).
constexpr Triangle kReference{{510, 130}, {210, 430}, {610, 430}};

constexpr Color kMaroon = Rgb(0x800000);
constexpr Color kNavy = Rgb(0x000080);
constexpr Color kPink = Rgb(0xFF8080);

// The triangle's measures in pixels, computed here from the vertices alone.
struct Measures {
    RealPoint A, B, C;
    double a, b, c, s, area;
    double x, y, z; // s - a, s - b, s - c
};

Measures Measure(const Triangle& t) {
    Measures m;
    m.A = AsReal(t.a), m.B = AsReal(t.b), m.C = AsReal(t.c);
    m.a = Dist(m.B, m.C), m.b = Dist(m.C, m.A), m.c = Dist(m.A, m.B);
    m.s = (m.a + m.b + m.c) / 2;
    m.area = Area(m.A, m.B, m.C);
    m.x = m.s - m.a, m.y = m.s - m.b, m.z = m.s - m.c;
    return m;
}

// The point with barycentric coordinates u : v : w.
RealPoint Barycentric(const Measures& m, double u, double v, double w) {
    const double n = u + v + w;
    return {(u * m.A.x + v * m.B.x + w * m.C.x) / n, (u * m.A.y + v * m.B.y + w * m.C.y) / n};
}

RealPoint Incentre(const Measures& m) {
    return Barycentric(m, m.a, m.b, m.c);
}

// Descartes' theorem for the circles about the vertices: the inner radius, and the outer radius
// signed positive when the outer circle encloses the three.
double InnerSoddyRadius(const Measures& m) {
    const double k = 1 / m.x + 1 / m.y + 1 / m.z;
    const double root = std::sqrt(1 / (m.x * m.y) + 1 / (m.y * m.z) + 1 / (m.z * m.x));
    return 1 / (k + 2 * root);
}
double OuterSoddyRadius(const Measures& m) {
    const double k = 1 / m.x + 1 / m.y + 1 / m.z;
    const double root = std::sqrt(1 / (m.x * m.y) + 1 / (m.y * m.z) + 1 / (m.z * m.x));
    return -1 / (k - 2 * root);
}

// The equal-detour point and the isoperimetric point: a +- area / (s - a) : ...
RealPoint InnerSoddyCentre(const Measures& m) {
    return Barycentric(m, m.a + m.area / m.x, m.b + m.area / m.y, m.c + m.area / m.z);
}
RealPoint OuterSoddyCentre(const Measures& m) {
    return Barycentric(m, m.a - m.area / m.x, m.b - m.area / m.y, m.c - m.area / m.z);
}

RealPoint Along(RealPoint from, RealPoint to, double t) {
    return {from.x + t * (to.x - from.x), from.y + t * (to.y - from.y)};
}

// The pixel position of a point line "label<TAB>( x | y )".
RealPoint PointOf(const std::string& line) {
    std::string v = line.substr(line.find('\t') + 1);
    std::replace(v.begin(), v.end(), ',', '.');
    double x = 0, y = 0;
    std::sscanf(v.c_str(), "( %lf | %lf )", &x, &y);
    return {410 + 100 * x, 330 - 100 * y};
}

std::string PointLine(const std::string& label, RealPoint pixel) {
    return label + "\t( " + FormatReal((pixel.x - 410) / 100, 3) + " | " +
           FormatReal((330 - pixel.y) / 100, 3) + " )";
}
std::string ValueLine(const std::string& label, double pixels) {
    return label + "\t" + FormatReal(pixels / 100, 3);
}

TEST(ContactFamily, EveryEntryAloneDrawsAndWritesItsLines) {
    const Measures m = Measure(kReference);
    // The contact point on BC lies s - b from B, the one on CA s - c from C, on AB s - a from A.
    const RealPoint contactA = Along(m.B, m.C, m.y / m.a), contactB = Along(m.C, m.A, m.z / m.b),
                    contactC = Along(m.A, m.B, m.x / m.c);
    const RealPoint gergonne = Barycentric(m, 1 / m.x, 1 / m.y, 1 / m.z);
    const std::vector<EntryCase> cases{
        {36,
         {"1.Kontaktpunkt", "2.Kontaktpunkt", "3.Kontaktpunkt"},
         kBlack,
         {PointLine("1.Kontaktpunkt", contactA), "1.Kontaktpunkt\t( 0,54 | -1 )",
          PointLine("2.Kontaktpunkt", contactB), PointLine("3.Kontaktpunkt", contactC)}},
        {37, {"Kontakt-Dreieck"}, kMaroon},
        {410, {"Kontaktdreieck Höhe", "Kontaktdreieck Höhe", "Kontaktdreieck Höhe"}, kBlack},
        {411,
         {"Kontaktdreieck HFußpunkt", "Kontaktdreieck HFußpunkt", "Kontaktdreieck HFußpunkt",
          "Kontaktdreieck HSchnittpunkt"},
         kBlack},
        {38, {"1.Nobbs-Punkt", "2.Nobbs-Punkt", "3.Nobbs-Punkt"}, kBlack},
        {39, {"Gergonne-Gerade"}, kGreen},
        {40, {"Gergonne-Linien", "Gergonne-Linien", "Gergonne-Linien"}, kSilver},
        {41, {"Gergonne-Punkt"}, kBlack, {PointLine("Gergonne-Punkt", gergonne)}},
        {42, {"Gergonne-Transversalen", "Gergonne-Transversalen", "Gergonne-Transversalen"}, kBlack},
        {107, {"Gergonnepunkt"}, kBlack},
        {108, {"Gergonnepunkt"}, kLime},
        {109, {"Gergonnepunkt-Lot-Dreieck"}, kGrey},
        {158, {"Evans-Punkt"}, kBlack},
        {159, {"Fletcher-Punkt"}, kBlack},
        {25,
         {"Soddy-Kreisradius um A", "Soddy-Kreisradius um B", "Soddy-Kreisradius um C"},
         kRed,
         {ValueLine("Soddy-Kreisradius um A", m.x), ValueLine("Soddy-Kreisradius um B", m.y),
          ValueLine("Soddy-Kreisradius um C", m.z)}},
        {59,
         {"Innerer Soddykreismittelpunkt"},
         kBlack,
         {PointLine("Innerer Soddykreismittelpunkt", InnerSoddyCentre(m))}},
        {60,
         {"Innerer Soddykreisradius"},
         kNavy,
         {ValueLine("Innerer Soddykreisradius", InnerSoddyRadius(m))}},
        {61,
         {"Äußerer Soddykreismittelpunkt"},
         kBlack,
         {PointLine("Äußerer Soddykreismittelpunkt", OuterSoddyCentre(m))}},
        {62,
         {"Äußerer Soddykreisradius"},
         kMaroon,
         {ValueLine("Äußerer Soddykreisradius", OuterSoddyRadius(m))}},
        {63, {"Soddy-Gerade"}, kGreen},
        {113, {"Innen-Soddypunkt"}, kBlack},
        {114, {"Innen-Soddypunkt"}, kLime},
        {115, {"Innen-Soddypunkt-Lot-Dreieck"}, kGrey},
        {116, {"Außen-Soddypunkt"}, kBlack},
        {117, {"Außen-Soddypunkt"}, kLime},
        {118, {"Außen-Soddypunkt-Lot-Dreieck"}, kGrey},
        // After the outer Soddy pedal elements the pen is grey.
        {343, {"Soddyberührungspunkt", "Soddyberührungspunkt", "Soddyberührungspunkt"}, kGrey},
        {344, {"äußere Soddy-Gerade", "äußere Soddy-Gerade", "äußere Soddy-Gerade"}, kGrey},
        {345, {"Soddydreieck-Punkt", "Soddydreieck-Punkt", "Soddydreieck-Punkt", "Soddy-Dreieck"}, kGrey},
        {157, {"Longchamp-Punkt"}, kGrey, {"Longchamp-Punkt\t( -1 | 0 )"}},
        // The Longchamp pedal entries stand in the order triangle, lines, points.
        {308, {"Longchamp-Punkt"}, kBlack},
        {309, {"Longchamp-Punkt"}, kLime},
        {310, {"Longchamp-Punkt-Lot-Dreieck"}, kGrey},
        {247, {"Adams-Kreisradius"}, kBlue},
        {248, {"Adams-Kreismittelpunkt"}, kGrey, {PointLine("Adams-Kreismittelpunkt", Incentre(m))}},
        {249, std::vector<std::string>(6, "Adams-Kreispunkt"), kGrey},
        {250, {"Adams-Streckenlänge", "Adams-Streckenlänge", "Adams-Streckenlänge"}, kBlue},
        {251, {"Adams-Gerade", "Adams-Gerade", "Adams-Gerade"}, kOlive},
        {252, {"Adams-Dreieckspunkt", "Adams-Dreieckspunkt", "Adams-Dreieckspunkt"}, kRed},
        {253, {"Adams-Dreieck"}, kPink},
    };
    int run = 0;
    for (const EntryCase& c : cases)
        run += CheckEntryCase(kReference, c);
    EXPECT_EQ(run, 40);
}

TEST(ContactFamily, SoddyCirclesDrawnAboutTheirCentres) {
    const Measures m = Measure(kReference);
    Document doc = MakeDocument(kReference.a, kReference.b, kReference.c, {25, 60, 62});
    const Painted p = Paint(doc, kAreaWidth, kAreaHeight);
    std::vector<CanvasCall> circles;
    for (const CanvasCall& c : p.calls)
        if (c.kind == CanvasCall::Kind::Ellipse) circles.push_back(c);
    ASSERT_EQ(circles.size(), 5u);
    // The outer circle's box reaches one pixel beyond the radius on every side.
    const RealPoint So = doc.points.precise[55];
    const double rho = OuterSoddyRadius(m);
    EXPECT_EQ(circles[0].pen.color, kMaroon);
    EXPECT_EQ(circles[0].x1, RoundClamp(So.x - rho - 1));
    EXPECT_EQ(circles[0].y2, RoundClamp(So.y + rho + 1));
    // The inner circle, then the circles about A, B, C in red, blue and dark green.
    const RealPoint Si = doc.points.precise[54];
    const double rhoInner = InnerSoddyRadius(m);
    EXPECT_EQ(circles[1].pen.color, kNavy);
    EXPECT_EQ(circles[1].x1, RoundClamp(Si.x - rhoInner));
    EXPECT_EQ(circles[1].x2, RoundClamp(Si.x + rhoInner + 1));
    const Color pens[3] = {kRed, kBlue, kGreen};
    const double radii[3] = {m.x, m.y, m.z};
    const RealPoint vertices[3] = {m.A, m.B, m.C};
    for (int n = 0; n < 3; ++n) {
        EXPECT_EQ(circles[2 + n].pen.color, pens[n]);
        EXPECT_EQ(circles[2 + n].x1, RoundClamp(vertices[n].x - radii[n]));
        EXPECT_EQ(circles[2 + n].y1, RoundClamp(vertices[n].y - radii[n]));
    }
}

const std::vector<Triangle> kShapes{
    kReference,
    {{350, 110}, {110, 430}, {670, 430}}, // acute
    {{400, 330}, {110, 430}, {710, 430}}, // obtuse at A
    {{460, 180}, {390, 420}, {300, 300}}, // right angle at C
    {{123, 541}, {702, 97}, {455, 610}},  // scalene, obtuse
    {{100, 300}, {700, 300}, {300, 310}}, // nearly flat: the outer Soddy circle touches from outside
};

TEST(ContactFamily, ContactPointsGergonneAndNobbsPoints) {
    int checked = 0;
    for (const Triangle& t : kShapes) {
        SCOPED_TRACE(checked);
        Document doc = MakeDocument(t.a, t.b, t.c);
        Paint(doc, kAreaWidth, kAreaHeight);
        const PointTable& pt = doc.points;
        auto P = [&](int slot) { return pt.precise[slot]; };
        const Measures m = Measure(t);
        const double tol = 1e-6 * m.s;
        // The contact points lie on the incircle and on their sides.
        const RealPoint I = Incentre(m);
        const double r = m.area / m.s;
        const std::pair<RealPoint, RealPoint> sides[3] = {{m.B, m.C}, {m.C, m.A}, {m.A, m.B}};
        for (int n = 0; n < 3; ++n) {
            EXPECT_NEAR(Dist(P(24 + n), I), r, tol) << n;
            EXPECT_NEAR(LineDistance(P(24 + n), sides[n].first, sides[n].second), 0, tol) << n;
        }
        // The Gergonne cevians meet in slot 30.
        EXPECT_NEAR(LineDistance(P(30), m.A, P(24)), 0, tol);
        EXPECT_NEAR(LineDistance(P(30), m.B, P(25)), 0, tol);
        EXPECT_NEAR(LineDistance(P(30), m.C, P(26)), 0, tol);
        // The Nobbs points: on the side lines and on one line, the Gergonne line.
        for (int n = 0; n < 3; ++n)
            EXPECT_NEAR(LineDistance(P(27 + n), sides[n].first, sides[n].second), 0,
                        1e-9 * Dist(P(27 + n), I))
                << n;
        EXPECT_NEAR(LineDistance(P(29), P(27), P(28)), 0, 1e-9 * (Dist(P(27), P(28)) + Dist(P(27), P(29))));
        // The orthocentre of the contact triangle: slot 314 on the altitudes from 24 and 25, the
        // feet on the opposite sides. The angles come from the whole-pixel contact points, so allow
        // two pixels, and leave out the flat triangle, whose contact triangle spans a few pixels.
        if (checked < 5) {
            const RealPoint h = P(314), X = P(24), Y = P(25), Z = P(26);
            EXPECT_NEAR(((h.x - X.x) * (Z.x - Y.x) + (h.y - X.y) * (Z.y - Y.y)) / Dist(Y, Z), 0, 2);
            EXPECT_NEAR(((h.x - Y.x) * (Z.x - X.x) + (h.y - Y.y) * (Z.y - X.y)) / Dist(X, Z), 0, 2);
            EXPECT_NEAR(LineDistance(P(311), Y, Z), 0, tol);
            EXPECT_NEAR(LineDistance(P(312), X, Z), 0, tol);
            EXPECT_NEAR(LineDistance(P(313), X, Y), 0, tol);
        }
        ++checked;
    }
    EXPECT_EQ(checked, 6);
}

TEST(ContactFamily, SoddyCirclesTouchTheVertexCircles) {
    int checked = 0;
    for (const Triangle& t : kShapes) {
        SCOPED_TRACE(checked);
        Document doc = MakeDocument(t.a, t.b, t.c, {60, 62});
        const Painted p = Paint(doc, kAreaWidth, kAreaHeight);
        const PointTable& pt = doc.points;
        const Measures m = Measure(t);
        const double inner = InnerSoddyRadius(m), outer = OuterSoddyRadius(m);
        // The outer circle encloses the vertex circles exactly when 4R + r < 2s.
        const double R = m.a * m.b * m.c / (4 * m.area), r = m.area / m.s;
        EXPECT_EQ(outer > 0, 4 * R + r < 2 * m.s);

        // Descartes with the listed radii (0.1 pixel steps): (k1 + k2 + k3 + k4)^2 = 2 sum k^2,
        // the outer curvature negative while that circle encloses the others.
        const auto innerLine = FindLine(p.lines, "Innerer Soddykreisradius");
        const auto outerLine = FindLine(p.lines, "Äußerer Soddykreisradius");
        ASSERT_TRUE(innerLine && outerLine);
        const double listed[2] = {100 * ValueOf(*innerLine), 100 * ValueOf(*outerLine)};
        const double k1 = 1 / m.x, k2 = 1 / m.y, k3 = 1 / m.z;
        for (int n = 0; n < 2; ++n) {
            const double k4 = n == 0 ? 1 / listed[0] : (outer > 0 ? -1 : 1) / listed[1];
            const double sum = k1 + k2 + k3 + k4;
            const double residual = sum * sum - 2 * (k1 * k1 + k2 * k2 + k3 * k3 + k4 * k4);
            // The residual moves by (2 sum - 4 k4) per unit of k4; k4 is known to 0.051 / rho^2.
            const double tol = std::fabs(2 * sum - 4 * k4) * 0.051 * k4 * k4 + 1e-12;
            EXPECT_NEAR(residual, 0, tol) << n;
        }

        // The centres: at t + rho from each vertex (inner) and |rho - t| (outer, signed rho).
        const double tol = 1e-6 * m.s;
        const double radii[3] = {m.x, m.y, m.z};
        const RealPoint vertices[3] = {m.A, m.B, m.C};
        for (int n = 0; n < 3; ++n) {
            EXPECT_NEAR(Dist(pt.precise[54], vertices[n]), radii[n] + inner, tol) << n;
            EXPECT_NEAR(Dist(pt.precise[55], vertices[n]), std::fabs(outer - radii[n]),
                        tol * (1 + std::fabs(outer) / m.s))
                << n;
        }
        ++checked;
    }
    EXPECT_EQ(checked, 6);
}

TEST(ContactFamily, OuterTouchPointsAndTangentsOnBothCircles) {
    // Also where the outer circle touches the vertex circles from outside (the flat triangle).
    int checked = 0, fromOutside = 0;
    for (const Triangle& t : kShapes) {
        SCOPED_TRACE(checked);
        Document doc = MakeDocument(t.a, t.b, t.c, {343, 344, 345});
        const Painted p = Paint(doc, kAreaWidth, kAreaHeight);
        const PointTable& pt = doc.points;
        const Measures m = Measure(t);
        const double outer = OuterSoddyRadius(m);
        fromOutside += outer < 0;
        const RealPoint So = pt.precise[55];
        const double radii[3] = {m.x, m.y, m.z};
        const RealPoint vertices[3] = {m.A, m.B, m.C};
        const double tol = 1e-6 * (m.s + std::fabs(outer));
        for (int n = 0; n < 3; ++n) {
            const RealPoint T = pt.precise[235 + n], Q = pt.precise[238 + n];
            EXPECT_NEAR(Dist(T, vertices[n]), radii[n], tol) << n;
            EXPECT_NEAR(Dist(T, So), std::fabs(outer), tol) << n;
            // The line T Q is the common tangent: it keeps both centres at their radii.
            EXPECT_NEAR(LineDistance(vertices[n], T, Q), radii[n], tol) << n;
            EXPECT_NEAR(LineDistance(So, T, Q), std::fabs(outer), tol) << n;
        }
        // The Soddy triangle's corners lie on two tangents each.
        EXPECT_NEAR(LineDistance(pt.precise[241], pt.precise[235], pt.precise[238]), 0,
                    1e-6 * Dist(pt.precise[241], So));
        EXPECT_NEAR(LineDistance(pt.precise[241], pt.precise[236], pt.precise[239]), 0,
                    1e-6 * Dist(pt.precise[241], So));
        EXPECT_EQ(std::count(p.lines.begin(), p.lines.end(), "Soddy-Dreieck"), 1);
        ++checked;
    }
    EXPECT_EQ(checked, 6);
    EXPECT_GE(fromOutside, 2);
}

TEST(ContactFamily, AdamsLongchampEvansAndFletcherPoints) {
    int checked = 0;
    for (const Triangle& t : kShapes) {
        SCOPED_TRACE(checked);
        Document doc = MakeDocument(t.a, t.b, t.c, {249});
        const Painted p = Paint(doc, kAreaWidth, kAreaHeight);
        const PointTable& pt = doc.points;
        auto P = [&](int slot) { return pt.precise[slot]; };
        const Measures m = Measure(t);
        // Adams: six points on the sides at one distance from the incentre (listed to 0.1 pixel;
        // later families reuse their slots).
        std::vector<RealPoint> adams;
        for (const std::string& l : p.lines)
            if (LabelOf(l) == "Adams-Kreispunkt") adams.push_back(PointOf(l));
        ASSERT_EQ(adams.size(), 6u);
        const RealPoint I = Incentre(m);
        for (const RealPoint& q : adams)
            EXPECT_NEAR(Dist(q, I), Dist(adams[0], I), 0.15);
        EXPECT_NEAR(LineDistance(adams[0], m.C, m.A), 0, 0.1);
        EXPECT_NEAR(LineDistance(adams[1], m.B, m.C), 0, 0.1);
        EXPECT_NEAR(LineDistance(adams[2], m.A, m.B), 0, 0.1);
        // Longchamp: the reflection of H in U (H is built from whole-pixel altitude ends).
        const RealPoint U = P(kSlotCircumcentre), H = P(kSlotOrthocentre), L = P(121);
        EXPECT_NEAR(L.x, 2 * U.x - H.x, 0.01 * (m.s + Dist(U, H)));
        EXPECT_NEAR(L.y, 2 * U.y - H.y, 0.01 * (m.s + Dist(U, H)));
        // Evans: on the Gergonne line and the Euler line; Fletcher: on the Gergonne and Soddy lines.
        const double far = Dist(P(27), P(28)) + Dist(P(122), P(27)) + Dist(P(123), P(27));
        EXPECT_NEAR(LineDistance(P(122), P(27), P(28)), 0, 1e-9 * far);
        EXPECT_NEAR(LineDistance(P(122), P(kSlotCentroid), H), 0, 1e-9 * far);
        EXPECT_NEAR(LineDistance(P(123), P(27), P(28)), 0, 1e-9 * far);
        EXPECT_NEAR(LineDistance(P(123), P(54), P(55)), 0, 1e-9 * far);
        ++checked;
    }
    EXPECT_EQ(checked, 6);
}

TEST(ContactFamily, IsoscelesTriangleDrawsTheGergonneLineThroughTheFiniteNobbsPoints) {
    // Apex A above the middle of BC: the contact chord on CA and AB is parallel to BC, so the first
    // Nobbs point does not exist; the Gergonne line is the horizontal line through the other two.
    Document doc = MakeDocument({410, 130}, {210, 430}, {610, 430}, {38, 39, 40, 158});
    const Painted p = Paint(doc, kAreaWidth, kAreaHeight);
    const PointTable& pt = doc.points;
    EXPECT_EQ(pt.screen[27], (IntPoint{-100, -100}));
    EXPECT_FALSE(FindLine(p.lines, "1.Nobbs-Punkt"));
    EXPECT_TRUE(FindLine(p.lines, "2.Nobbs-Punkt"));
    EXPECT_TRUE(FindLine(p.lines, "3.Nobbs-Punkt"));
    EXPECT_NEAR(pt.precise[28].y, pt.precise[29].y, 1e-6);
    const auto line = FindLine(p.lines, "Gergonne-Gerade");
    ASSERT_TRUE(line);
    EXPECT_TRUE(line->ends_with(FormatReal((330 - pt.precise[28].y) / 100, 3) + " ; Anstiegswinkel 0°"))
        << *line;
    // Two Gergonne lines from the vertices and three extended chords: nothing runs to the sentinel.
    EXPECT_EQ(std::count_if(p.lines.begin(), p.lines.end(),
                            [](const std::string& l) { return l.starts_with("Gergonne-Linien\t"); }),
              2);
    for (const CanvasCall& c : p.calls)
        if (c.kind == CanvasCall::Kind::LineTo) {
            EXPECT_FALSE(c.x1 == -100 && c.y1 == -100);
            EXPECT_FALSE(c.x2 == -100 && c.y2 == -100);
        }
    // The Evans point is on the axis of symmetry (the Euler line) and on the Gergonne line.
    EXPECT_NEAR(pt.precise[122].x, 410, 1e-6);
    EXPECT_NEAR(pt.precise[122].y, pt.precise[28].y, 1e-6);
    EXPECT_TRUE(FindLine(p.lines, "Evans-Punkt"));
}

TEST(ContactFamily, FlatTriangleHasNoOuterSoddyTouchPoints) {
    // C on AB: the vertex circle about C and the incircle have no radius, so the outer Soddy
    // radius is 0 in this repaint; no touch points are listed, neither new nor from the last one.
    Document doc = MakeDocument(kReference.a, kReference.b, kReference.c, {61, 62, 343, 345});
    const Painted before = Paint(doc, kAreaWidth, kAreaHeight);
    EXPECT_EQ(std::count(before.lines.begin(), before.lines.end(), "Soddy-Dreieck"), 1);
    doc.points.screen[kSlotC] = {310, 330}; // on AB: A(510, 130), B(210, 430)
    const Painted flat = Paint(doc, kAreaWidth, kAreaHeight);
    EXPECT_EQ(FindLine(flat.lines, "Äußerer Soddykreisradius").value_or(""), "Äußerer Soddykreisradius\t0");
    EXPECT_FALSE(FindLine(flat.lines, "Soddyberührungspunkt"));
    EXPECT_FALSE(FindLine(flat.lines, "Soddydreieck-Punkt"));
    for (const std::string& l : flat.lines) {
        EXPECT_EQ(l.find("nan"), std::string::npos) << l;
        EXPECT_EQ(l.find("inf"), std::string::npos) << l;
    }
}

} // namespace
} // namespace trimora
