// Numeric helpers: polynomial roots as texts, side-of-line tests, point constructions.
#include "base/numeric.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <complex>
#include <numbers>
#include <optional>
#include <string>
#include <vector>

namespace trimora {
namespace {

using Complex = std::complex<double>;

// Reads a root text back: a real number or "re+im*i" / "re-im*i" with a non-negative im text.
std::optional<Complex> ParseRoot(const std::string& text) {
    if (auto x = ParseRootText(text)) return Complex(*x, 0.0);
    if (text.size() < 3 || text.substr(text.size() - 2) != "*i") return std::nullopt;
    const std::string body = text.substr(0, text.size() - 2);
    const auto sep = body.find_first_of("+-", 1);
    if (sep == std::string::npos) return std::nullopt;
    const auto re = ParseRootText(body.substr(0, sep));
    const auto im = ParseRootText(body.substr(sep + 1));
    if (!re || !im || *im < 0 || body.substr(sep + 1).front() == '-') return std::nullopt;
    return Complex(*re, body[sep] == '-' ? -*im : *im);
}

// True when `texts` are, in some order, the `expected` roots within `tolerance`.
::testing::AssertionResult SameRoots(const std::vector<std::string>& texts, std::vector<Complex> expected,
                                     double tolerance) {
    if (texts.size() != expected.size()) return ::testing::AssertionFailure() << "count differs";
    std::string all;
    for (const std::string& t : texts)
        all += " [" + t + "]";
    for (const std::string& t : texts) {
        const auto z = ParseRoot(t);
        if (!z) return ::testing::AssertionFailure() << "unreadable root text" << all;
        auto best = expected.end();
        for (auto it = expected.begin(); it != expected.end(); ++it)
            if (std::abs(*it - *z) <= tolerance &&
                (best == expected.end() || std::abs(*it - *z) < std::abs(*best - *z)))
                best = it;
        if (best == expected.end())
            return ::testing::AssertionFailure() << "unexpected root " << t << " in" << all;
        expected.erase(best);
    }
    return ::testing::AssertionSuccess();
}

// Coefficients a0..an (lowest first) of lead·∏(x - root); complex roots must come in conjugate pairs.
std::vector<double> FromRoots(const std::vector<Complex>& roots, double lead) {
    std::vector<Complex> c{lead};
    for (const Complex& r : roots) {
        std::vector<Complex> next(c.size() + 1);
        for (std::size_t i = 0; i < c.size(); ++i) {
            next[i + 1] += c[i];
            next[i] -= r * c[i];
        }
        c = next;
    }
    std::vector<double> out;
    for (const Complex& z : c)
        out.push_back(z.real());
    return out;
}

// ---------------------------------------------------------------------------------------------
// Quadratic

TEST(SolveQuadratic, EdgeCases) {
    QuadraticRoots r = SolveQuadratic(-1, 0, 1);
    EXPECT_EQ(r.x1, "-1");
    EXPECT_EQ(r.x2, "1");
    EXPECT_EQ(r.re, "");
    EXPECT_EQ(r.im, "");

    r = SolveQuadratic(1, 0, 1);
    EXPECT_EQ(r.x1, "0+1*i");
    EXPECT_EQ(r.x2, "0-1*i");
    EXPECT_EQ(r.re, "0");
    EXPECT_EQ(r.im, "1");

    r = SolveQuadratic(0, 0, 0);
    EXPECT_EQ(r.x1, "beliebig");
    EXPECT_EQ(r.x2, "-");

    r = SolveQuadratic(1, 0, 0);
    EXPECT_EQ(r.x1, "keine L.");
    EXPECT_EQ(r.x2, "-");

    r = SolveQuadratic(4, 2, 0);
    EXPECT_EQ(r.x1, "-2");
    EXPECT_EQ(r.x2, "-");
    EXPECT_EQ(r.re, "");
    EXPECT_EQ(r.im, "");
}

TEST(SolveQuadratic, RealRootsAscendingWithFiveDecimals) {
    QuadraticRoots r = SolveQuadratic(6, -5, 1);
    EXPECT_EQ(r.x1, "2");
    EXPECT_EQ(r.x2, "3");
    r = SolveQuadratic(-6, 5, -1); // the same equation times -1
    EXPECT_EQ(r.x1, "2");
    EXPECT_EQ(r.x2, "3");
    r = SolveQuadratic(1, -2, 1); // double root
    EXPECT_EQ(r.x1, "1");
    EXPECT_EQ(r.x2, "1");
    r = SolveQuadratic(-1, 0, 4);
    EXPECT_EQ(r.x1, "-0.5");
    EXPECT_EQ(r.x2, "0.5");
    r = SolveQuadratic(-2, 0, 1);
    EXPECT_EQ(r.x1, "-1.41421");
    EXPECT_EQ(r.x2, "1.41421");
    EXPECT_EQ(SolveQuadratic(1, 3, 0).x1, "-0.33333");
    EXPECT_EQ(SolveQuadratic(-2, 3, 0).x1, "0.66667");
    EXPECT_EQ(SolveQuadratic(0, 5, 0).x1, "0"); // -0 is written "0"
}

TEST(SolveQuadratic, ComplexPair) {
    const QuadraticRoots r = SolveQuadratic(5, 2, 1); // x² + 2x + 5: -1 ± 2i
    EXPECT_EQ(r.x1, "-1+2*i");
    EXPECT_EQ(r.x2, "-1-2*i");
    EXPECT_EQ(r.re, "-1");
    EXPECT_EQ(r.im, "2");
    const QuadraticRoots s = SolveQuadratic(1, 1, 1); // -0.5 ± 0.86603i
    EXPECT_EQ(s.x1, "-0.5+0.86603*i");
    EXPECT_EQ(s.x2, "-0.5-0.86603*i");
}

// ---------------------------------------------------------------------------------------------
// Cubic

TEST(SolveCubic, ThreeRealRoots) {
    const CubicRoots r = SolveCubic(-6, 11, -6, 1); // (x-1)(x-2)(x-3)
    EXPECT_EQ(r.x1, "3");
    EXPECT_EQ(r.x2, "1");
    EXPECT_EQ(r.x3, "2");
    EXPECT_EQ(r.re, "");
    EXPECT_EQ(r.im, "");
}

TEST(SolveCubic, ZeroRootAndQuadraticRest) {
    const CubicRoots r = SolveCubic(0, 1, 0, 1); // x(x² + 1)
    EXPECT_EQ(r.x1, "0");
    EXPECT_EQ(r.x2, "0+1*i");
    EXPECT_EQ(r.x3, "0-1*i");
    EXPECT_EQ(r.re, "0");
    EXPECT_EQ(r.im, "1");
}

TEST(SolveCubic, OneRealRootAndAPair) {
    CubicRoots r = SolveCubic(-1, 0, 0, 1); // x³ - 1
    EXPECT_EQ(r.x1, "1");
    EXPECT_EQ(r.x2, "-0.5+0.86603*i");
    EXPECT_EQ(r.x3, "-0.5-0.86603*i");
    EXPECT_EQ(r.re, "-0.5");
    EXPECT_EQ(r.im, "0.86603");

    r = SolveCubic(2, 0, 0, 2); // 2x³ + 2
    EXPECT_EQ(r.x1, "-1");
    EXPECT_EQ(r.x2, "0.5+0.86603*i");
    EXPECT_EQ(r.x3, "0.5-0.86603*i");
}

TEST(SolveCubic, DoubleRootGivesEqualRealTexts) {
    const CubicRoots r = SolveCubic(2, -3, 0, 1); // (x-1)²(x+2)
    EXPECT_EQ(r.x1, "-2");
    EXPECT_EQ(r.x2, "1");
    EXPECT_EQ(r.x3, "1");
    EXPECT_EQ(r.re, "1");
    EXPECT_EQ(r.im, "0");
    const CubicRoots t = SolveCubic(-1, 3, -3, 1); // (x-1)³
    EXPECT_EQ(t.x1, "1");
    EXPECT_EQ(t.x2, "1");
    EXPECT_EQ(t.x3, "1");
}

TEST(SolveCubic, LowerDegrees) {
    CubicRoots r = SolveCubic(-1, 0, 1, 0);
    EXPECT_EQ(r.x1, "-1");
    EXPECT_EQ(r.x2, "1");
    EXPECT_EQ(r.x3, "-");
    r = SolveCubic(4, 2, 0, 0);
    EXPECT_EQ(r.x1, "-2");
    EXPECT_EQ(r.x2, "-");
    EXPECT_EQ(r.x3, "-");
    EXPECT_EQ(SolveCubic(0, 0, 0, 0).x1, "beliebig");
    EXPECT_EQ(SolveCubic(3, 0, 0, 0).x1, "keine L.");
    r = SolveCubic(0, 0, 0, 5); // 5x³: zero, then the quadratic 5x²
    EXPECT_EQ(r.x1, "0");
    EXPECT_EQ(r.x2, "0");
    EXPECT_EQ(r.x3, "0");
}

TEST(SolveCubic, KnownRootsSweep) {
    const double grid[] = {-2.5, -1, -0.5, 0, 0.75, 1.5, 3};
    const double leads[] = {1, -2, 0.5};
    int cases = 0;
    for (double lead : leads) {
        for (double r1 : grid)
            for (double r2 : grid)
                for (double r3 : grid) {
                    if (r2 < r1 || r3 < r2) continue; // each multiset once, multiple roots included
                    const auto c = FromRoots({r1, r2, r3}, lead);
                    const CubicRoots r = SolveCubic(c[0], c[1], c[2], c[3]);
                    EXPECT_TRUE(SameRoots({r.x1, r.x2, r.x3}, {r1, r2, r3}, 2e-5))
                        << r1 << " " << r2 << " " << r3 << " lead " << lead;
                    ++cases;
                }
        for (double s : grid)
            for (double re : {-1.0, 0.0, 0.5})
                for (double im : {0.5, 1.0, 2.0}) {
                    const auto c = FromRoots({s, {re, im}, {re, -im}}, lead);
                    const CubicRoots r = SolveCubic(c[0], c[1], c[2], c[3]);
                    EXPECT_TRUE(SameRoots({r.x1, r.x2, r.x3}, {s, {re, im}, {re, -im}}, 2e-5))
                        << s << " " << re << "±" << im << "i";
                    EXPECT_EQ(ParseRootText(r.x1).value_or(NAN), std::round(s * 1e5) / 1e5);
                    EXPECT_NEAR(ParseRootText(r.re).value_or(NAN), re, 1e-5);
                    EXPECT_NEAR(ParseRootText(r.im).value_or(NAN), im, 1e-5);
                    ++cases;
                }
    }
    EXPECT_EQ(cases, 3 * (84 + 63));
}

// Every root, read back, satisfies the polynomial up to the 5-decimal rounding of its text.
TEST(SolveCubic, RootsSatisfyThePolynomial) {
    const double values[] = {-7, -2.5, -1, -0.3, 0.4, 1, 3.3, 9};
    int cases = 0;
    for (double a : values)
        for (double b : values)
            for (double c : values)
                for (double d : {-2.0, 0.7, 1.0}) {
                    const CubicRoots r = SolveCubic(a, b, c, d);
                    for (const std::string& text : {r.x1, r.x2, r.x3}) {
                        const auto z = ParseRoot(text);
                        ASSERT_TRUE(z) << text;
                        const Complex p = a + *z * (b + *z * (c + *z * d));
                        const double slope = std::abs(b) + 2 * std::abs(c * *z) + 3 * std::abs(d * *z * *z);
                        EXPECT_LE(std::abs(p), 1e-4 * slope + 1e-9)
                            << a << " " << b << " " << c << " " << d << ": " << text;
                    }
                    ++cases;
                }
    EXPECT_EQ(cases, 8 * 8 * 8 * 3);
}

// Near-multiple roots, where rounding makes the discriminant and the arccos argument unreliable,
// still give numbers, never "NAN".
TEST(SolveCubic, NearlyMultipleRootsGiveNumbers) {
    int cases = 0;
    for (int i = -40; i <= 40; ++i) {
        for (int j = -3; j <= 3; ++j) {
            const double r = i * 0.07;
            const double s = r + j * 1e-7;
            for (double lead : {1.0, 0.3, -3.0}) {
                const auto c = FromRoots({r, r, s}, lead);
                const CubicRoots k = SolveCubic(c[0], c[1], c[2], c[3]);
                EXPECT_TRUE(SameRoots({k.x1, k.x2, k.x3}, {r, r, s}, 1e-4))
                    << r << " " << s << " lead " << lead;
                ++cases;
            }
        }
    }
    EXPECT_EQ(cases, 81 * 7 * 3);
}

// ---------------------------------------------------------------------------------------------
// Quartic

TEST(SolveQuartic, FourRealRoots) {
    const QuarticRoots r = SolveQuartic(24, -50, 35, -10, 1); // (x-1)(x-2)(x-3)(x-4)
    EXPECT_EQ(r.x1, "4");
    EXPECT_EQ(r.x2, "1");
    EXPECT_EQ(r.x3, "2");
    EXPECT_EQ(r.x4, "3");
}

// The pair's real part is -σ·√z1/2 - A/4: with σ = +1 (q < 0 here) a plus sign would put it at 1.5.
TEST(SolveQuartic, RealRootsAndAPair) {
    QuarticRoots r = SolveQuartic(2, -3, 3, -3, 1); // (x-1)(x-2)(x²+1)
    EXPECT_EQ(r.x1, "2");
    EXPECT_EQ(r.x2, "1");
    EXPECT_EQ(r.x3, "0+1*i");
    EXPECT_EQ(r.x4, "0-1*i");

    r = SolveQuartic(2, 3, 3, 3, 1); // (x+1)(x+2)(x²+1), q > 0
    EXPECT_TRUE(SameRoots({r.x1, r.x2, r.x3, r.x4}, {-1, -2, {0, 1}, {0, -1}}, 1e-9));

    r = SolveQuartic(-15, 2, 10, -6, 1); // (x-3)(x+1)(x²-4x+5)
    EXPECT_EQ(r.x1, "-1");
    EXPECT_EQ(r.x2, "3");
    EXPECT_EQ(r.x3, "2+1*i");
    EXPECT_EQ(r.x4, "2-1*i");
}

TEST(SolveQuartic, TwoPairs) {
    QuarticRoots r = SolveQuartic(5, 2, 6, 2, 1); // (x²+1)(x²+2x+5)
    EXPECT_EQ(r.x1, "0+1*i");
    EXPECT_EQ(r.x2, "0-1*i");
    EXPECT_EQ(r.x3, "-1+2*i");
    EXPECT_EQ(r.x4, "-1-2*i");

    // (x²+1)(x²-2x+5): the imaginary parts come out negative; no "--" in the texts.
    r = SolveQuartic(5, -2, 6, -2, 1);
    EXPECT_EQ(r.x1, "0-1*i");
    EXPECT_EQ(r.x2, "0+1*i");
    EXPECT_EQ(r.x3, "1-2*i");
    EXPECT_EQ(r.x4, "1+2*i");

    r = SolveQuartic(4, 0, 5, 0, 1); // (x²+1)(x²+4)
    EXPECT_EQ(r.x1, "0+1*i");
    EXPECT_EQ(r.x2, "0-1*i");
    EXPECT_EQ(r.x3, "0+2*i");
    EXPECT_EQ(r.x4, "0-2*i");
}

TEST(SolveQuartic, MultipleRoots) {
    QuarticRoots r = SolveQuartic(16, -32, 24, -8, 1); // (x-2)⁴
    EXPECT_EQ(r.x1, "2");
    EXPECT_EQ(r.x2, "2");
    EXPECT_EQ(r.x3, "2");
    EXPECT_EQ(r.x4, "2");
    r = SolveQuartic(9, -24, 22, -8, 1); // (x-1)²(x-3)²
    EXPECT_TRUE(SameRoots({r.x1, r.x2, r.x3, r.x4}, {1, 1, 3, 3}, 1e-9));
    r = SolveQuartic(6, -17, 17, -7, 1); // (x-1)²(x-2)(x-3)
    EXPECT_TRUE(SameRoots({r.x1, r.x2, r.x3, r.x4}, {1, 1, 2, 3}, 1e-9));
    r = SolveQuartic(1, -2, 2, -2, 1); // (x-1)²(x²+1)
    EXPECT_TRUE(SameRoots({r.x1, r.x2, r.x3, r.x4}, {1, 1, {0, 1}, {0, -1}}, 1e-9));
}

TEST(SolveQuartic, LowerDegreesAndZeroRoot) {
    QuarticRoots r = SolveQuartic(-6, 11, -6, 1, 0); // cubic
    EXPECT_EQ(r.x1, "3");
    EXPECT_EQ(r.x2, "1");
    EXPECT_EQ(r.x3, "2");
    EXPECT_EQ(r.x4, "-");
    r = SolveQuartic(-1, 0, 1, 0, 0); // quadratic
    EXPECT_EQ(r.x1, "-1");
    EXPECT_EQ(r.x2, "1");
    EXPECT_EQ(r.x3, "-");
    EXPECT_EQ(r.x4, "-");
    EXPECT_EQ(SolveQuartic(0, 0, 0, 0, 0).x1, "beliebig");
    r = SolveQuartic(0, -6, 11, -6, 1); // x(x-1)(x-2)(x-3)
    EXPECT_EQ(r.x4, "0");
    EXPECT_TRUE(SameRoots({r.x1, r.x2, r.x3}, {1, 2, 3}, 1e-9));
    r = SolveQuartic(0, 0, 0, 0, 1); // x⁴
    EXPECT_EQ(r.x1, "0");
    EXPECT_EQ(r.x2, "0");
    EXPECT_EQ(r.x3, "0");
    EXPECT_EQ(r.x4, "0");
}

TEST(SolveQuartic, KnownRootsSweep) {
    const double grid[] = {-2, -1, -0.5, 0.5, 1, 2.5};
    const Complex pairs[] = {{0, 1}, {-1, 0.5}, {1.5, 2}};
    int cases = 0;
    for (double lead : {1.0, -0.5}) {
        for (int i = 0; i < 6; ++i)
            for (int j = i + 1; j < 6; ++j) {
                for (int k = j + 1; k < 6; ++k)
                    for (int l = k + 1; l < 6; ++l) {
                        const std::vector<Complex> roots = {grid[i], grid[j], grid[k], grid[l]};
                        const auto c = FromRoots(roots, lead);
                        const QuarticRoots r = SolveQuartic(c[0], c[1], c[2], c[3], c[4]);
                        EXPECT_TRUE(SameRoots({r.x1, r.x2, r.x3, r.x4}, roots, 5e-3));
                        ++cases;
                    }
                for (const Complex& p : pairs) {
                    const std::vector<Complex> roots = {grid[i], grid[j], p, std::conj(p)};
                    const auto c = FromRoots(roots, lead);
                    const QuarticRoots r = SolveQuartic(c[0], c[1], c[2], c[3], c[4]);
                    EXPECT_TRUE(SameRoots({r.x1, r.x2, r.x3, r.x4}, roots, 5e-3));
                    ++cases;
                }
            }
        for (const Complex& p : pairs)
            for (const Complex& s : pairs) {
                if (&s <= &p) continue;
                const std::vector<Complex> roots = {p, std::conj(p), s, std::conj(s)};
                const auto c = FromRoots(roots, lead);
                const QuarticRoots r = SolveQuartic(c[0], c[1], c[2], c[3], c[4]);
                EXPECT_TRUE(SameRoots({r.x1, r.x2, r.x3, r.x4}, roots, 5e-3));
                ++cases;
            }
    }
    EXPECT_EQ(cases, 2 * (15 + 45 + 3));
}

TEST(ParseRootText, NumbersOnly) {
    EXPECT_EQ(ParseRootText("1.5"), 1.5);
    EXPECT_EQ(ParseRootText("-0.86603"), -0.86603);
    EXPECT_EQ(ParseRootText("0"), 0.0);
    EXPECT_EQ(ParseRootText("100000000000000000000"), 1e20);
    EXPECT_FALSE(ParseRootText("0+1*i"));
    EXPECT_FALSE(ParseRootText("keine L."));
    EXPECT_FALSE(ParseRootText("beliebig"));
    EXPECT_FALSE(ParseRootText("-"));
    EXPECT_FALSE(ParseRootText(""));
    EXPECT_FALSE(ParseRootText("NAN"));
    EXPECT_FALSE(ParseRootText("INF"));
    EXPECT_FALSE(ParseRootText("1,5"));
    EXPECT_FALSE(ParseRootText(" 1"));
}

// ---------------------------------------------------------------------------------------------
// Lines and points

TEST(SignedLineDistance, AltitudesAndSides) {
    const RealPoint a{0, 0}, b{400, 0}, c{0, 300};
    // A vertex from the opposite side, itself the reference point: the positive altitude.
    EXPECT_DOUBLE_EQ(SignedLineDistance(a, a, b, c).value(), 240);
    EXPECT_DOUBLE_EQ(SignedLineDistance(c, c, a, b).value(), 300);
    EXPECT_DOUBLE_EQ(SignedLineDistance(c, c, b, a).value(), 300); // line direction does not matter
    // The other side of the reference point: negative.
    EXPECT_DOUBLE_EQ(SignedLineDistance({100, -50}, c, a, b).value(), -50);
    EXPECT_DOUBLE_EQ(SignedLineDistance({100, 50}, c, a, b).value(), 50);
    // On the line, or the reference point on the line: never negative.
    EXPECT_DOUBLE_EQ(SignedLineDistance({250, 0}, c, a, b).value(), 0);
    EXPECT_DOUBLE_EQ(SignedLineDistance({100, -50}, {30, 0}, a, b).value(), 50);
}

TEST(SignedLineDistance, ZeroLengthLineHasNoDistance) {
    EXPECT_FALSE(SignedLineDistance({1, 2}, {3, 4}, {5, 5}, {5, 5}));
}

TEST(SameSideTest, Sides) {
    const RealPoint l1{0, 0}, l2{100, 0};
    EXPECT_FALSE(SameSideTest(l1, l2, {10, 5}, {50, 80}));
    EXPECT_FALSE(SameSideTest(l1, l2, {10, -5}, {-50, -80}));
    EXPECT_TRUE(SameSideTest(l1, l2, {10, 5}, {50, -80}));
    EXPECT_TRUE(SameSideTest(l1, l2, {10, 0}, {50, 80})); // Q on the line
    EXPECT_TRUE(SameSideTest(l1, l2, {10, 5}, {-7, 0}));  // S on the line
    EXPECT_TRUE(SameSideTest(l1, l1, {10, 5}, {50, 80})); // no line: every value is 0
}

// Products of screen coordinates leave 32 bits long before the coordinates do.
TEST(SameSideTest, LargeCoordinatesDoNotOverflow) {
    // Values around 2.5e9 and their product around 6e18.
    EXPECT_FALSE(SameSideTest({0, 0}, {50000, 50001}, {-50000, 50000}, {-40000, 45000}));
    EXPECT_TRUE(SameSideTest({0, 0}, {50000, 50001}, {-50000, 50000}, {50000, -50000}));
    const RealPoint lo{INT_MIN, INT_MIN}, hi{INT_MAX, INT_MAX};
    EXPECT_FALSE(SameSideTest(lo, hi, {INT_MIN, INT_MAX}, {INT_MIN + 1, INT_MAX}));
    EXPECT_TRUE(SameSideTest(lo, hi, {INT_MIN, INT_MAX}, {INT_MAX, INT_MIN}));
    EXPECT_TRUE(SameSideTest(lo, hi, {INT_MIN, INT_MAX}, {12345, 12345}));
    // One unit off the line y = x + 1 far out: needs exact arithmetic.
    const RealPoint a{-2000000000, -1999999999}, b{2000000000, 2000000001};
    EXPECT_TRUE(SameSideTest(a, b, {0, 2}, {1999999999, 2000000000}));  // second point on the line
    EXPECT_FALSE(SameSideTest(a, b, {0, 2}, {1999999999, 2000000001})); // both above
    EXPECT_TRUE(SameSideTest(a, b, {0, 2}, {2000000000, 2000000000}));  // below
    // Whole pixels beyond the screen's range, as far-off points measure from.
    const RealPoint c{-9e11, -9e11 + 1}, d{9e11, 9e11 + 1};
    EXPECT_FALSE(SameSideTest(c, d, {0, 2}, {9e11 - 1, 9e11 + 1}));
    EXPECT_TRUE(SameSideTest(c, d, {0, 2}, {9e11, 9e11}));
}

TEST(ReflectIfSameSide, ReflectsOnlyFromTheSameSide) {
    const RealPoint l1{0, 0}, l2{100, 0}, r{50, 40};
    const RealPoint m{50, 0};
    EXPECT_EQ(ReflectIfSameSide(l1, l2, r, {60, 30}, m), (RealPoint{40, -30}));
    EXPECT_EQ(ReflectIfSameSide(l1, l2, r, {60, -30}, m), (RealPoint{60, -30}));
    EXPECT_EQ(ReflectIfSameSide(l1, l2, r, {60, 0}, m), (RealPoint{60, 0}));        // X on the line
    EXPECT_EQ(ReflectIfSameSide(l1, l2, {7, 0}, {60, 30}, m), (RealPoint{60, 30})); // R on the line
    EXPECT_EQ(ReflectIfSameSide(l1, l2, r, {60, 1e-200}, m), (RealPoint{40, -1e-200}));
    const RealPoint far{INT_MAX, INT_MAX - 1};
    EXPECT_EQ(ReflectIfSameSide({0, 0}, far, {0, 1}, {0, 5}, {0, 0}), (RealPoint{0, -5}));
}

TEST(PerpendicularPoint, SlantedLine) {
    // Line y = x; perpendicular through (0, 10) meets it at (5, 5); the point lies 100 px right of that.
    const RealPoint p = PerpendicularPoint({0, 0}, {10, 10}, {0, 10});
    EXPECT_DOUBLE_EQ(p.x, 105);
    EXPECT_DOUBLE_EQ(p.y, -95);
    // Another slope: the result lies on the perpendicular through P0.
    const RealPoint p1{10, 20}, p2{70, 50}, p0{30, 90};
    const RealPoint q = PerpendicularPoint(p1, p2, p0);
    EXPECT_NEAR((q.x - p0.x) * (p2.x - p1.x) + (q.y - p0.y) * (p2.y - p1.y), 0, 1e-9);
}

TEST(PerpendicularPoint, AxisParallelAndDegenerateLines) {
    EXPECT_EQ(PerpendicularPoint({5, 0}, {5, 10}, {1, 3}), (RealPoint{-15, 3}));
    EXPECT_EQ(PerpendicularPoint({0, 5}, {10, 5}, {3, 1}), (RealPoint{3, -15}));
    EXPECT_EQ(PerpendicularPoint({4, 4}, {4, 4}, {1, 1}), (RealPoint{-1000, -1000}));
}

TEST(PerpendicularPoint, SlopeIsLimited) {
    // Slope 10000 is taken as 1000: the result follows y = -x/1000 + c2.
    const RealPoint p = PerpendicularPoint({0, 0}, {0.001, 10}, {0, 0});
    const double g = 1000, m = -1 / g;
    EXPECT_DOUBLE_EQ(p.x, 100);
    EXPECT_DOUBLE_EQ(p.y, m * 100);
    // A slope too small for a double is a horizontal line, not a division by zero.
    const RealPoint h = PerpendicularPoint({0, 0}, {1e300, 1e-300}, {3, 7});
    EXPECT_TRUE(std::isfinite(h.x) && std::isfinite(h.y));
    EXPECT_DOUBLE_EQ(h.x, 3);
}

TEST(Hypot, Values) {
    EXPECT_DOUBLE_EQ(Hypot(3, 4), 5);
    EXPECT_DOUBLE_EQ(Hypot(-3, -4), 5);
    EXPECT_DOUBLE_EQ(Hypot(0, 0), 0);
    EXPECT_DOUBLE_EQ(Hypot(0, -2.5), 2.5);
    EXPECT_NEAR(Hypot(1e200, 1e200) / 1e200, std::sqrt(2.0), 1e-15); // no overflow
}

TEST(RotatePoint, TurnsClockwiseOnScreen) {
    const RealPoint p = RotatePoint({1, 1}, {2, 1}, std::numbers::pi / 2);
    EXPECT_NEAR(p.x, 1, 1e-15);
    EXPECT_NEAR(p.y, 2, 1e-15); // y down: from right of Z to below Z
    const RealPoint q = RotatePoint({10, 20}, {13, 24}, std::numbers::pi);
    EXPECT_NEAR(q.x, 7, 1e-12);
    EXPECT_NEAR(q.y, 16, 1e-12);
    EXPECT_EQ(RotatePoint({10, 20}, {13, 24}, 0), (RealPoint{13, 24}));
    const RealPoint r = RotatePoint({0, 0}, {3, 4}, 0.7);
    EXPECT_NEAR(std::hypot(r.x, r.y), 5, 1e-12);
}

TEST(SimilitudePoint, CentresOfSimilitude) {
    // External: |XU| : |XV| = r1 : r2 beyond U.
    const auto e = SimilitudePoint({0, 0}, {10, 0}, 1, 2);
    ASSERT_TRUE(e);
    EXPECT_DOUBLE_EQ(e->x, -10);
    EXPECT_DOUBLE_EQ(e->y, 0);
    // A negative radius gives the internal centre between the two.
    const auto i = SimilitudePoint({0, 0}, {12, 6}, -1, 2);
    ASSERT_TRUE(i);
    EXPECT_DOUBLE_EQ(i->x, 4);
    EXPECT_DOUBLE_EQ(i->y, 2);
    // Equal radii: the point is at infinity.
    EXPECT_FALSE(SimilitudePoint({0, 0}, {10, 0}, 3, 3));
    EXPECT_FALSE(SimilitudePoint({0, 0}, {1e300, 0}, 1, 1 + 1e-15));
}

TEST(ParallelPoint, TranslatesByTheVector) {
    EXPECT_EQ(ParallelPoint({1, 1}, {2, 3}, {5, 7}), (RealPoint{4, 5}));
    EXPECT_EQ(ParallelPoint({0, 0}, {5, 7}, {2, 3}), (RealPoint{-3, -4}));
}

} // namespace
} // namespace trimora
