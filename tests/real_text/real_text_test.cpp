// The strtod/snprintf implementation of formula/real_text.h (the web edition's), built natively and
// held against the standard library's <charconv>: every text read and written must be the same.
#include "formula/real_text.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

namespace trimora {
namespace {

void ExpectReadLikeCharconv(std::string_view text, RealSyntax syntax) {
    double expected = 0.0;
    const auto format = syntax == RealSyntax::fixed ? std::chars_format::fixed : std::chars_format::general;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), expected, format);
    const RealRead read = ReadReal(text, syntax);
    SCOPED_TRACE(std::string(text));
    EXPECT_EQ(read.length, static_cast<std::size_t>(end - text.data()));
    EXPECT_EQ(read.error, ec);
    if (ec == std::errc() && !std::isnan(expected)) {
        EXPECT_EQ(std::bit_cast<std::uint64_t>(read.value), std::bit_cast<std::uint64_t>(expected));
    }
    if (ec == std::errc() && std::isnan(expected)) {
        EXPECT_TRUE(std::isnan(read.value));
    }
}

std::string CharconvShortest(double x) {
    char text[32];
    return std::string(text, std::to_chars(text, text + sizeof text, x).ptr);
}

TEST(RealText, ReadsWhatFromCharsReads) {
    const char* const texts[] = {
        "0", "-0", "12.5", "1,5", ".5", "5.", ".", "-", "+1", " 1", "-.5", "007", "1..2", "0.1", "1e5", "1E-5",
        "1e", "1e+", "2.5e+3x", "1.5e-3.2", "inf", "-INF", "Infinity", "infinit", "nan", "NaN(123)", "nan(",
        "1e400", "-1e400", "1e-400", "2e-324", "3e-324", "4.9406564584124654e-324", "2.2250738585072011e-308",
        "1.7976931348623157e308", "1.7976931348623159e308", "0e-999", "0.000000000000000000000000000001",
        "123456789012345678901234567890", "9007199254740993", "0.30000000000000004", "2.675", "1e22", "1e23",
        "0.1000000000000000055511151231257827021181583404541015625", "1x", "é"};
    int count = 0;
    for (const char* text : texts)
        for (RealSyntax syntax : {RealSyntax::fixed, RealSyntax::general}) {
            ExpectReadLikeCharconv(text, syntax);
            ++count;
        }
    std::string many(400, '0');
    many[0] = '1';
    ExpectReadLikeCharconv(many, RealSyntax::fixed);
    ExpectReadLikeCharconv("0." + many, RealSyntax::fixed);
    EXPECT_EQ(count, 94);
}

TEST(RealText, WritesWhatToCharsWrites) {
    const double values[] = {0.0, -0.0, 1.0, -1.5, 0.1, 1.0 / 3, 2.0 / 3, 100, 1e15, 1e16, 1e17, 1e21, 1e22, 1e23,
                             123456789012345678.0, 1e-4, 1e-5, 0.001, 5e-324, 2.2250738585072014e-308,
                             std::numeric_limits<double>::max(), 9007199254740993.0, 0.3, 1.2, 0.8 * 0.8 * 0.8,
                             std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
                             std::numeric_limits<double>::quiet_NaN(), std::ldexp(1.0, 60), std::ldexp(1.0, -60),
                             // Halves to even, carries into a new digit, the ends of the quick way.
                             0.125, 2.5, 3.5, 0.375, 9.5, 99.5, 9.9999999999999999e-11, 1e-10, 999999999999999999.0, 1e18};
    std::mt19937_64 random(20261208);
    int count = 0;
    auto check = [&](double x) {
        EXPECT_EQ(ShortestRealText(x), CharconvShortest(x)) << std::hexfloat << x;
        for (int decimals = 0; decimals <= 17; decimals += 17 - decimals > 3 ? 4 : 1) {
            char ours[32], theirs[32];
            const std::string a(ours, WriteScientificReal(ours, x, decimals));
            const std::string b(theirs, std::to_chars(theirs, theirs + 32, x, std::chars_format::scientific, decimals).ptr);
            EXPECT_EQ(a, b) << std::hexfloat << x << " " << decimals;
        }
        ++count;
    };
    for (double x : values) check(x);
    // Any bit pattern, and numbers with few digits as people type them.
    for (int i = 0; i < 20000; ++i) {
        const double x = std::bit_cast<double>(random());
        check(x);
        check(static_cast<double>(random() % 100000) / std::pow(10.0, static_cast<int>(random() % 12)));
        check(std::ldexp(static_cast<double>(random() >> 11), static_cast<int>(random() % 120) - 100));
    }
    EXPECT_EQ(count, 60040);
}

} // namespace
} // namespace trimora
