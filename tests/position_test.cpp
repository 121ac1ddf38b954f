// The same triangle anywhere in the plane lists the same elements: moved by a whole number of
// units, every line of every entry comes back with its points and lines moved along and every
// other number unchanged.
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <regex>

namespace trimora {
namespace {

constexpr int kW = 821, kH = 660; // origin (410, 330), 100 pixels a unit

double Number(std::string text) {
    std::replace(text.begin(), text.end(), ',', '.');
    text.erase(std::remove(text.begin(), text.end(), ' '), text.end());
    return std::strtod(text.c_str(), nullptr);
}

struct Value {
    double number, slack;
};

// The numbers of a result line's value, those of points and line equations taken back by the move
// (dx, dy): "( x | y )", "X = c", "Y = c", "Y = m X +n"; each with what its last printed digit
// allows (an intercept is taken back along a rounded slope).
std::vector<Value> Unmoved(const std::string& line, double dx, double dy) {
    static const std::regex kPoint(R"(\( ?(-?[\d,]+) ?\| ?(-?[\d,]+) ?\))");
    static const std::regex kSlope(R"(Y = (-?[\d,]+) X ([-+][\d,]+))");
    static const std::regex kUpright(R"(X = (-?[\d,]+))");
    static const std::regex kLevel(R"(Y = (-?[\d,]+)(?! X))");
    static const std::regex kNumber(R"(-?\d+(,\d+)?)");
    std::string value = line.substr(line.find('\t') + 1);
    std::vector<Value> out;
    auto push = [&](double v, double slack = 0) { out.push_back({v, 0.0011 + 1e-12 * std::fabs(v) + slack}); };
    std::smatch m;
    auto take = [&](const std::regex& pattern, auto unmove) {
        while (std::regex_search(value, m, pattern)) {
            unmove(m);
            value = m.prefix().str() + " # " + m.suffix().str();
        }
    };
    take(kPoint, [&](const std::smatch& p) {
        push(Number(p[1]) - dx);
        push(Number(p[2]) - dy);
    });
    take(kSlope, [&](const std::smatch& p) {
        const double slope = Number(p[1]);
        push(slope);
        push(Number(p[2]) - dy + slope * dx, 0.0005 * std::fabs(dx));
    });
    take(kUpright, [&](const std::smatch& p) { push(Number(p[1]) - dx); });
    take(kLevel, [&](const std::smatch& p) { push(Number(p[1]) - dy); });
    for (std::sregex_iterator it(value.begin(), value.end(), kNumber), end; it != end; ++it)
        push(Number(it->str()));
    return out;
}

std::vector<std::string> AllLines(IntPoint a, IntPoint b, IntPoint c) {
    Document doc = testing::MakeDocument(a, b, c);
    for (int e = 0; e < kEntryCount; ++e) doc.SetOn(e);
    return testing::Paint(doc, kW, kH).lines;
}

TEST(Position, MovedTrianglesListTheSameElements) {
    // A scalene triangle, the review's triangle that lost its Apollonius elements 100 units out,
    // and an obtuse one.
    const std::array<IntPoint, 3> triangles[] = {
        {IntPoint{510, 130}, {210, 430}, {620, 420}},
        {IntPoint{440, 350}, {620, 290}, {500, 150}},
        {IntPoint{300, 400}, {560, 380}, {330, 330}},
    };
    const std::pair<int, int> moves[] = {{100, 100}, {1000, -1000}, {100000, 0}};
    for (const auto& t : triangles) {
        const std::vector<std::string> here = AllLines(t[0], t[1], t[2]);
        for (const auto& [ux, uy] : moves) {
            auto moved = [&](IntPoint p) { return IntPoint{p.x + 100 * ux, p.y - 100 * uy}; };
            const std::vector<std::string> there = AllLines(moved(t[0]), moved(t[1]), moved(t[2]));
            SCOPED_TRACE(std::to_string(ux) + " | " + std::to_string(uy));
            ASSERT_EQ(here.size(), there.size());
            int differing = 0;
            for (std::size_t i = 0; i < here.size(); ++i) {
                const std::string label = here[i].substr(0, here[i].find('\t'));
                ASSERT_EQ(label, there[i].substr(0, there[i].find('\t'))) << here[i] << "\n" << there[i];
                const std::vector<Value> p = Unmoved(here[i], 0, 0), q = Unmoved(there[i], ux, uy);
                ASSERT_EQ(p.size(), q.size()) << here[i] << "\n" << there[i];
                for (std::size_t k = 0; k < p.size(); ++k)
                    if (std::fabs(p[k].number - q[k].number) > q[k].slack && differing++ < 5)
                        ADD_FAILURE() << here[i] << "\n" << there[i];
            }
            EXPECT_EQ(differing, 0);
        }
    }
}

} // namespace
} // namespace trimora
