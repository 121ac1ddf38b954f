// The ETC numbers of the catalogue's centres: every row of the table against the centre computed
// from its published coordinates, and the " [X(n)]" mark of the result lines.
#include "etc_reference.h"
#include "family_support.h"
#include "base/etc_numbers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace trimora::testing {
namespace {

constexpr double kRelative = 1e-9;

// Entries that mark their centre without a line of their own: the slot holding it.
int SlotOfMarkOnly(int entry) {
    return entry == 14 ? kSlotIncentre : kSlotCircumcentre;
}

double Size(const Triangle& t) {
    auto len = [](IntPoint p, IntPoint q) { return std::hypot(double(p.x - q.x), double(p.y - q.y)); };
    return std::max({len(t.a, t.b), len(t.b, t.c), len(t.c, t.a)});
}

RealPoint Real(IntPoint p) {
    return {double(p.x), double(p.y)};
}

TEST(EtcNumbers, EveryRowMatchesThePublishedCentre) {
    const Triangle triangles[] = {
        {{300, 150}, {180, 420}, {560, 400}}, // scalene acute
        {{250, 300}, {120, 420}, {620, 400}}, // obtuse at A
        {{290, 190}, {220, 420}, {560, 420}}, // the start triangle
    };
    int checked = 0;
    for (const EtcRow& row : EtcRows()) {
        SCOPED_TRACE("X(" + std::to_string(row.n) + ") " + std::string(row.block) + " " +
                     std::string(row.label));
        for (const Triangle& t : triangles) {
            const auto expected = etc::Centre(row.n, Real(t.a), Real(t.b), Real(t.c));
            ASSERT_TRUE(expected.has_value());
            Document doc = MakeDocument(t.a, t.b, t.c, {row.entry});
            Paint(doc, kAreaWidth, kAreaHeight);
            std::vector<RealPoint> found;
            if (row.label.empty()) {
                found.push_back(doc.points.precise[SlotOfMarkOnly(row.entry)]);
            } else {
                for (const EtcCentre& c : doc.etcCentres)
                    if (LabelOf(doc.results[c.line]) == row.label && c.n == row.n) found.push_back(c.precise);
            }
            ASSERT_FALSE(found.empty());
            const double tolerance = kRelative * Size(t);
            for (RealPoint p : found) {
                EXPECT_NEAR(p.x, expected->x, tolerance);
                EXPECT_NEAR(p.y, expected->y, tolerance);
            }
        }
        ++checked;
    }
    EXPECT_EQ(checked, 82);
}

TEST(EtcNumbers, CentresOfTrianglesWithANearlyStraightAngle) {
    // One angle between 175 and 179.9 degrees: two of the lines that meet in a centre may cross at a
    // grazing angle there, where a meet of two lines through rounded points goes far astray. Every
    // listed centre agrees with its published coordinates to a small part of its distance from the
    // triangle (a centre of so flat a triangle may lie far off, where its pixels count for less).
    std::vector<Triangle> flat;
    for (const double degrees : {175.0, 176.5, 178.0, 179.0, 179.6, 179.9})
        for (const int shift : {-120, 70}) {
            // B and C level, A above the base near its middle with the angle at A as given; the same
            // turned so that the angle lies at B.
            const double h = 200 / std::tan(degrees * M_PI / 360);
            const IntPoint a{400 + shift / 10, int(std::lround(400 - std::max(h, 1.0)))};
            flat.push_back({a, {200, 400}, {600, 400}});
            flat.push_back({{200, 400}, a, {600, 400}});
        }
    int checked = 0;
    std::map<int, double> worst;
    for (const Triangle& t : flat) {
        Document doc = MakeDocument(t.a, t.b, t.c);
        doc.checked.set();
        Paint(doc, kAreaWidth, kAreaHeight);
        const RealPoint g{(t.a.x + t.b.x + t.c.x) / 3.0, (t.a.y + t.b.y + t.c.y) / 3.0};
        for (const EtcCentre& c : doc.etcCentres) {
            const auto expected = etc::Centre(c.n, Real(t.a), Real(t.b), Real(t.c));
            if (!expected) continue;
            const double off = std::hypot(c.precise.x - expected->x, c.precise.y - expected->y);
            const double allowed = 1.5 + 1e-3 * std::hypot(expected->x - g.x, expected->y - g.y);
            worst[c.n] = std::max(worst[c.n], off / allowed);
            ++checked;
        }
    }
    for (const auto& [n, ratio] : worst) EXPECT_LE(ratio, 1) << "X(" << n << ")";
    EXPECT_GE(checked, 1000);
}

// The line without its mark: everything before " [X(".
std::string WithoutMark(const std::string& line) {
    return line.substr(0, line.find(" [X("));
}

TEST(EtcNumbers, TheSwitchOnlyAppendsTheMarks) {
    const Triangle t{{300, 150}, {180, 420}, {560, 400}};
    Document plain = MakeDocument(t.a, t.b, t.c);
    plain.checked.set();
    plain.view.showTrilinear = true;
    Document marked = plain;
    marked.view.showEtc = true;
    const auto without = Paint(plain, kAreaWidth, kAreaHeight).lines;
    const auto with = Paint(marked, kAreaWidth, kAreaHeight).lines;
    ASSERT_EQ(with.size(), without.size());
    int marks = 0;
    for (std::size_t i = 0; i < with.size(); ++i) {
        EXPECT_EQ(without[i].find("[X("), std::string::npos) << without[i];
        EXPECT_EQ(WithoutMark(with[i]), without[i]);
        if (with[i] != without[i]) {
            ++marks;
            // After the coordinates and the trilinear part.
            EXPECT_NE(with[i].find(") ; trilinear ("), std::string::npos) << with[i];
            EXPECT_TRUE(with[i].ends_with(")]")) << with[i];
        }
    }
    EXPECT_EQ(static_cast<std::size_t>(marks), marked.etcCentres.size());
    EXPECT_GE(marks, 60);
}

TEST(EtcNumbers, CircleCentresAreToldApartByTheirBlock) {
    const Triangle t{{300, 150}, {180, 420}, {560, 400}};
    Document doc = MakeDocument(t.a, t.b, t.c, {13, 17, 497}); // Schwerpunkt, Umkreis, Eulersche Kreise
    doc.view.showEtc = true;
    const auto lines = Paint(doc, kAreaWidth, kAreaHeight).lines;
    std::vector<std::string> marked;
    for (const std::string& line : lines)
        if (line.find(" [X(") != std::string::npos) marked.push_back(line);
    ASSERT_EQ(marked.size(), 2u);
    EXPECT_TRUE(marked[0].starts_with("Schwerpunkt S\t( ")) << marked[0];
    EXPECT_TRUE(marked[0].ends_with(" [X(2)]"));
    EXPECT_TRUE(marked[1].starts_with("… Mittelpunkt\t( ")) << marked[1]; // the circumcircle's
    EXPECT_TRUE(marked[1].ends_with(" [X(3)]"));
    // The three Euler circles around the side midpoints share the label and have no number.
    EXPECT_EQ(std::count(lines.begin(), lines.end(), std::string("Euler-Kreis")), 3);
}

} // namespace
} // namespace trimora::testing
