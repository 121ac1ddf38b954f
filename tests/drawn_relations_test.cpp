// Relations among the drawn lines and circles: the classic theorems are found and named, the sets
// on a drawn circle go by its name, and every listed concurrence, contact, parallel and perpendicular
// holds on further triangles, checked here with the test's own geometry.
#include "base/catalogue.h"
#include "draw/recording_canvas.h"
#include "explore/relations.h"
#include "explore/relations_search.h"
#include "paint/paint.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <regex>

namespace trimora {
namespace {

constexpr int kWidth = 821, kHeight = 660;

struct Corners {
    IntPoint a, b, c;
};
const Corners kTriangles[] = {{{290, 190}, {220, 420}, {560, 420}}, // the start-up triangle
                              {{420, 120}, {200, 470}, {640, 380}},
                              {{250, 200}, {150, 420}, {600, 380}}};

Document EveryEntryOn(const Corners& t) {
    Document doc = testing::MakeDocument(t.a, t.b, t.c);
    doc.checked.set();
    return doc;
}

std::vector<std::string> Rows(const RelationSet& set, std::size_t limit) {
    std::vector<std::string> rows = RelationLines(set, false, nullptr, limit);
    rows.erase(rows.begin()); // the heading
    return rows;
}

bool Has(const std::vector<std::string>& rows, const std::string& start, const std::vector<std::string>& parts) {
    return std::any_of(rows.begin(), rows.end(), [&](const std::string& row) {
        return row.starts_with(start) && std::all_of(parts.begin(), parts.end(), [&](const std::string& part) {
                   return row.find(part) != std::string::npos;
               });
    });
}

TEST(DrawnRelations, ClassicTheoremsAreNamedOnThreeTriangles) {
    for (const Corners& t : kTriangles) {
        const RelationSet set = RelationsOfDocument(EveryEntryOn(t), kWidth, kHeight);
        const std::vector<std::string> all = Rows(set, 0);
        // Feuerbach: the nine-point circle touches the incircle in X(11) and the three excircles.
        EXPECT_TRUE(Has(all, "berühren sich\tFeuerbach-Kreis: ",
                        {"Inkreis im Feuerbach-Inkreis-Punkt [X(11)]", "Ankreise (1)", "Ankreise (2)", "Ankreise (3)"}));
        // The Euler lines of ABI, ACI, BCI meet on the Euler line in the Schiffler point.
        EXPECT_TRUE(Has(all, "schneiden sich in einem Punkt\tEuler-Gerade, ",
                        {"Euler-Gerade ABI", "Euler-Gerade ACI", "Euler-Gerade BCI", ": Schiffler-Punkt [X(21)]"}));
        EXPECT_TRUE(Has(all, "Parry-Kreis\t", {"[X(2)]", "[X(15)]", "[X(16)]", "[X(23)]", "[X(110)]", "[X(111)]"}))
            << t.a.x << "," << t.a.y;
        EXPECT_TRUE(Has(all, "Lester-Kreis\t", {"[X(3)]", "[X(5)]", "[X(13)]", "[X(14)]"}));
        EXPECT_TRUE(Has(all, "Euler-Gerade\tSchwerpunkt S [X(2)], Umkreismittelpunkt [X(3)], ", {}));
        const auto euler = std::find_if(all.begin(), all.end(), [](const std::string& r) { return r.starts_with("Euler-Gerade\t"); });
        ASSERT_NE(euler, all.end());
        EXPECT_EQ(euler->find(" = "), std::string::npos) << *euler;

        // The default list: at most a hundred rows and the count of the rest, none over 400 bytes,
        // the first thirty named theorems or joining three centres.
        const std::vector<std::string> shown = Rows(set, 100);
        EXPECT_LE(shown.size(), 101u);
        for (std::size_t k = 0; k < shown.size(); ++k) {
            EXPECT_LE(shown[k].size(), 400u) << shown[k];
            if (k >= 30) continue;
            const bool named = !shown[k].starts_with("kollinear\t") && !shown[k].starts_with("konzyklisch\t") &&
                               !shown[k].starts_with("fallen zusammen\t");
            static const std::regex centre(R"(\[X\(\d+\)\])");
            const auto centres = std::distance(std::sregex_iterator(shown[k].begin(), shown[k].end(), centre),
                                               std::sregex_iterator());
            EXPECT_TRUE(named || centres >= 3) << shown[k];
        }
    }
}

// A drawn line or circle of a painted log by the name a row shows: "Ankreise (2)" is the second
// one of that name drawn.
struct Drawn {
    const LoggedLine* line = nullptr;
    const LoggedCircle* circle = nullptr;
};
Drawn Find(const PaintLog& log, const std::string& shown) {
    static const std::regex numbered(R"((.*) \((\d+)\))");
    std::smatch m;
    std::string name = shown;
    int ordinal = 0;
    if (std::regex_match(shown, m, numbered)) name = m[1], ordinal = std::stoi(m[2]) - 1;
    int seen = 0;
    for (const LoggedLine& l : log.lines)
        if (l.name == name && seen++ == ordinal) return {&l, nullptr};
    for (const LoggedCircle& c : log.circles)
        if (c.name == name && seen++ == ordinal) return {nullptr, &c};
    return {};
}

RealPoint Unit(const LoggedLine& l) {
    const double dx = l.p2.x - l.p1.x, dy = l.p2.y - l.p1.y, n = std::hypot(dx, dy);
    return {dx / n, dy / n};
}
double OffLine(const LoggedLine& l, RealPoint p) {
    const RealPoint u = Unit(l);
    return std::fabs(u.x * (p.y - l.p1.y) - u.y * (p.x - l.p1.x));
}

// Whether the curves touch: two circles whose centres lie the sum or difference of the radii
// apart, or a circle whose centre lies its radius from the line.
bool Touch(const Drawn& a, const Drawn& b, double tol) {
    if (a.line) return b.circle && std::fabs(OffLine(*a.line, b.circle->centre) - b.circle->radius) <= tol;
    if (b.line) return Touch(b, a, tol);
    const double d = std::hypot(a.circle->centre.x - b.circle->centre.x, a.circle->centre.y - b.circle->centre.y);
    return std::fabs(d - a.circle->radius - b.circle->radius) <= tol ||
           std::fabs(d - std::fabs(a.circle->radius - b.circle->radius)) <= tol;
}

TEST(DrawnRelations, EveryListedRelationHoldsOnFiveMoreTriangles) {
    const Corners& here = kTriangles[0];
    const RelationSet set = RelationsOfDocument(EveryEntryOn(here), kWidth, kHeight);
    std::mt19937 random(17);
    std::uniform_int_distribution<int> x(100, 720), y(80, 580);
    int checked = 0;
    for (int further = 0; further < 5; ++further) {
        const Corners t{{x(random), y(random)}, {x(random), y(random)}, {x(random), y(random)}};
        Document doc = EveryEntryOn(t);
        RecordingCanvas canvas(kWidth, kHeight);
        PaintLog log;
        PaintDocument(doc, canvas, true, &log);
        const double side = std::max({std::hypot(t.a.x - t.b.x, t.a.y - t.b.y), std::hypot(t.b.x - t.c.x, t.b.y - t.c.y),
                                      std::hypot(t.c.x - t.a.x, t.c.y - t.a.y)});
        const double area = std::fabs((t.b.x - t.a.x) * (t.c.y - t.a.y) - (t.b.y - t.a.y) * (t.c.x - t.a.x));
        if (area < 0.1 * side * side) continue; // too flat for lines to meet sharply
        const double tol = 1e-6 * side;
        for (const Relation& r : set.relations) {
            if (!r.general || !AmongDrawnElements(r.kind)) continue;
            std::vector<Drawn> drawn;
            for (const std::string& name : r.elements) drawn.push_back(Find(log, name));
            if (std::any_of(drawn.begin(), drawn.end(), [](const Drawn& d) { return !d.line && !d.circle; })) continue;
            const std::string row = RelationLine(set, r);
            switch (r.kind) {
            case RelationKind::Concurrent: {
                const LoggedLine &a = *drawn[0].line, &b = *drawn[1].line;
                const RealPoint u = Unit(a), v = Unit(b);
                const double s = u.x * v.y - u.y * v.x;
                const double along = ((b.p1.x - a.p1.x) * v.y - (b.p1.y - a.p1.y) * v.x) / s;
                const RealPoint meet{a.p1.x + along * u.x, a.p1.y + along * u.y};
                for (const Drawn& d : drawn) EXPECT_LE(OffLine(*d.line, meet), tol) << row;
                break;
            }
            case RelationKind::Touching:
                for (std::size_t k = 1; k < drawn.size(); ++k) EXPECT_TRUE(Touch(drawn[0], drawn[k], tol)) << row;
                break;
            case RelationKind::Parallel:
            case RelationKind::Perpendicular:
                for (std::size_t k = 1; k < drawn.size(); ++k) {
                    const RealPoint u = Unit(*drawn[0].line), v = Unit(*drawn[k].line);
                    const bool across = r.kind == RelationKind::Perpendicular && k >= r.split;
                    EXPECT_LE(std::fabs(across ? u.x * v.x + u.y * v.y : u.x * v.y - u.y * v.x), 1e-6) << row;
                }
                break;
            default:
                break;
            }
            ++checked;
        }
    }
    EXPECT_GT(checked, 100);
}

} // namespace
} // namespace trimora
