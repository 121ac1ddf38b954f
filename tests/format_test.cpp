#include "base/format.h"

#include <gtest/gtest.h>

namespace trimora {
namespace {

TEST(FormatReal, TrailingZerosAndComma) {
    EXPECT_EQ(FormatReal(100, 3), "100");
    EXPECT_EQ(FormatReal(0.1, 3), "0,1");
    EXPECT_EQ(FormatReal(2.5, 3), "2,5");
    EXPECT_EQ(FormatReal(3.0, 3), "3");
    EXPECT_EQ(FormatReal(-0.0004, 3), "0");
    EXPECT_EQ(FormatReal(-0.0001, 3), "0");
    EXPECT_EQ(FormatReal(-1.25, 2), "-1,25");
    EXPECT_EQ(FormatReal(1234.56789, 3), "1234,568");
    EXPECT_EQ(FormatReal(0, 3), "0");
}

TEST(FormatReal, DecimalTieRoundsAwayFromZero) {
    EXPECT_EQ(FormatReal(0.0625, 3), "0,063");
    EXPECT_EQ(FormatReal(-0.0625, 3), "-0,063");
    EXPECT_EQ(FormatReal(0.9995, 3), "1");  // carries into the integer part
    EXPECT_EQ(FormatReal(9.9999, 3), "10");
}

TEST(FormatSigned, SignAndZero) {
    EXPECT_EQ(FormatSigned(0, 3), "+0");
    EXPECT_EQ(FormatSigned(-0.0001, 3), "+0");
    EXPECT_EQ(FormatSigned(-2, 3), "-2");
    EXPECT_EQ(FormatSigned(1.5, 3), "+1,5");
}

TEST(FormatRealDot, PointAndNoLengthLimit) {
    EXPECT_EQ(FormatRealDot(-0.5, 5), "-0.5");
    EXPECT_EQ(FormatRealDot(0.8660254037844386, 5), "0.86603");
    EXPECT_EQ(FormatRealDot(1e20, 3), "100000000000000000000");
    EXPECT_GT(FormatRealDot(1e250, 3).size(), 200u); // never truncated
}

} // namespace
} // namespace trimora
