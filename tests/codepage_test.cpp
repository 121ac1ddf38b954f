// Windows-1252 <-> UTF-8.
#include "base/codepage.h"

#include <gtest/gtest.h>

#include <string>

namespace trimora {
namespace {

TEST(Codepage, KnownBytes) {
    EXPECT_EQ(Cp1252ToUtf8("\x85"), "\u2026"); // …
    EXPECT_EQ(Cp1252ToUtf8("\x80"), "\u20AC"); // €
    EXPECT_EQ(Cp1252ToUtf8("\x96\x97"), "\u2013\u2014");
    EXPECT_EQ(Cp1252ToUtf8("\x8A\x9A\x9F"), "\u0160\u0161\u0178");
    EXPECT_EQ(Cp1252ToUtf8("H\xF6henfu\xDFpunkte"), "Höhenfußpunkte");
    EXPECT_EQ(Cp1252ToUtf8("L\xE9moine \xC4\xD6\xDC\xE4\xFC"), "Lémoine ÄÖÜäü");
    EXPECT_EQ(Cp1252ToUtf8("\xA0\xFF"), "\u00A0\u00FF");
    EXPECT_EQ(Cp1252ToUtf8(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(Codepage, WholeTableAgainstThePublishedMapping) {
    // The 32 bytes 0x80..0x9F as the code page's published table gives them; 0 marks the five
    // bytes it leaves undefined. Every other byte is the character of the same number.
    constexpr char32_t kHigh[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
    int checked = 0;
    for (int b = 0; b < 256; ++b) {
        const char32_t expected = b >= 0x80 && b < 0xA0 && kHigh[b - 0x80] != 0 ? kHigh[b - 0x80] : char32_t(b);
        EXPECT_EQ(Cp1252ToCodePoint(static_cast<unsigned char>(b)), expected) << b;
        EXPECT_EQ(CodePointToCp1252(expected), static_cast<unsigned char>(b)) << b;
        ++checked;
    }
    EXPECT_EQ(checked, 256);
}

TEST(Codepage, CaseFoldingAtItsEdges) {
    // ß and ÿ have no capital in the code page, × and ÷ are no letters, Ÿ pairs with ÿ.
    const struct {
        const char* a;
        const char* b;
        bool equal;
    } cases[] = {{"ß", "ß", true},  {"ÿ", "Ÿ", true},  {"×", "÷", false}, {"×", "×", true},
                 {"Þ", "þ", true},  {"À", "à", true},  {"ª", "º", false}, {"µ", "Μ", false}};
    for (const auto& c : cases) {
        EXPECT_EQ(EqualsIgnoringCase(c.a, c.b), c.equal) << c.a << " " << c.b;
        EXPECT_EQ(FoldCase(c.a) == FoldCase(c.b), c.equal) << c.a << " " << c.b;
    }
}

TEST(Codepage, UndefinedBytesAreC1Controls) {
    for (unsigned char b : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
        EXPECT_EQ(Cp1252ToCodePoint(b), static_cast<char32_t>(b));
        const std::string utf8 = Cp1252ToUtf8(std::string(1, static_cast<char>(b)));
        EXPECT_EQ(utf8, std::string({'\xC2', static_cast<char>(b)}));
    }
}

TEST(Codepage, ToWindows1252) {
    EXPECT_EQ(Utf8ToCp1252("\u2026 Radius"), "\x85 Radius");
    EXPECT_EQ(Utf8ToCp1252("Höhenfußpunkte"), "H\xF6henfu\xDFpunkte");
    EXPECT_EQ(Utf8ToCp1252("Bézier"), "B\xE9zier");
    EXPECT_EQ(Utf8ToCp1252("\u20AC\u2122\u0152"), "\x80\x99\x8C");
    EXPECT_EQ(Utf8ToCp1252(""), "");
}

TEST(Codepage, CharactersWithoutAByteBecomeQuestionMarks) {
    EXPECT_EQ(Utf8ToCp1252("\u2192"), "?");         // →
    EXPECT_EQ(Utf8ToCp1252("\u03A9x"), "?x");       // Ω
    EXPECT_EQ(Utf8ToCp1252("a\U0001F600b"), "a?b"); // four-byte character: one "?"
    EXPECT_EQ(Utf8ToCp1252("\u0100\u017F"), "??");
    EXPECT_EQ(CodePointToCp1252(0x2192), std::nullopt);
    EXPECT_EQ(CodePointToCp1252(0x2026), 0x85);
    EXPECT_EQ(CodePointToCp1252(0x0081), 0x81);
}

TEST(Codepage, MalformedUtf8BecomesQuestionMarks) {
    EXPECT_EQ(Utf8ToCp1252("\x80"), "?");                // lone continuation byte
    EXPECT_EQ(Utf8ToCp1252("a\xE2\x80"), "a?");          // truncated at the end
    EXPECT_EQ(Utf8ToCp1252("a\xE2\x80z"), "a?z");        // truncated in the middle
    EXPECT_EQ(Utf8ToCp1252("\xC0\xAF"), "??");           // overlong "/"
    EXPECT_EQ(Utf8ToCp1252("\xE0\x80\xAF"), "???");      // overlong, three bytes
    EXPECT_EQ(Utf8ToCp1252("\xED\xA0\x80"), "???");      // surrogate
    EXPECT_EQ(Utf8ToCp1252("\xF4\x90\x80\x80"), "????"); // above U+10FFFF
    EXPECT_EQ(Utf8ToCp1252("\xFE\xFF"), "??");
    EXPECT_EQ(Utf8ToCp1252("\xC3"), "?");
    EXPECT_EQ(Utf8ToCp1252("L\xE9moine"), "L?moine"); // Windows-1252 passed as UTF-8
}

TEST(Codepage, ValidUtf8) {
    EXPECT_TRUE(IsValidUtf8(""));
    EXPECT_TRUE(IsValidUtf8("Lémoine \u2026 \U0001F600 \uFFFD"));
    EXPECT_TRUE(IsValidUtf8("\xF4\x8F\xBF\xBF")); // U+10FFFF
    EXPECT_TRUE(IsValidUtf8("\xED\x9F\xBF"));     // U+D7FF
    EXPECT_FALSE(IsValidUtf8("\x80"));
    EXPECT_FALSE(IsValidUtf8("L\xE9moine"));
    EXPECT_FALSE(IsValidUtf8("\xC0\x80"));
    EXPECT_FALSE(IsValidUtf8("\xC1\xBF"));
    EXPECT_FALSE(IsValidUtf8("\xE0\x9F\xBF"));
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));
    EXPECT_FALSE(IsValidUtf8("\xF0\x8F\xBF\xBF"));
    EXPECT_FALSE(IsValidUtf8("\xF4\x90\x80\x80"));
    EXPECT_FALSE(IsValidUtf8("\xF5\x80\x80\x80"));
    EXPECT_FALSE(IsValidUtf8("\xE2\x80"));
}

TEST(Codepage, EveryByteRoundTrips) {
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        const std::string utf8 = Cp1252ToUtf8(byte);
        EXPECT_TRUE(IsValidUtf8(utf8)) << b;
        EXPECT_EQ(Utf8ToCp1252(utf8), byte) << b;
        EXPECT_EQ(CodePointToCp1252(Cp1252ToCodePoint(static_cast<unsigned char>(b))), b) << b;
    }
}

TEST(Codepage, BytesMapToDistinctCharacters) {
    for (int a = 0; a < 256; ++a)
        for (int b = a + 1; b < 256; ++b)
            ASSERT_NE(Cp1252ToCodePoint(static_cast<unsigned char>(a)),
                      Cp1252ToCodePoint(static_cast<unsigned char>(b)));
}

TEST(Codepage, EqualsIgnoringCase) {
    EXPECT_TRUE(EqualsIgnoringCase("Lémoine-Punkt", "LÉMOINE-PUNKT"));
    EXPECT_TRUE(EqualsIgnoringCase("Äußeres Ankreisdreieck", "äUßERES ankreisdreieck"));
    EXPECT_TRUE(EqualsIgnoringCase("Šœžÿ", "šŒŽŸ"));
    EXPECT_TRUE(EqualsIgnoringCase("", ""));
    EXPECT_TRUE(EqualsIgnoringCase("\u2026 x", "\u2026 X"));
    EXPECT_FALSE(EqualsIgnoringCase("Höhe", "Hohe"));
    EXPECT_FALSE(EqualsIgnoringCase("a", "ab"));
    EXPECT_FALSE(EqualsIgnoringCase("ab", "a"));
    EXPECT_FALSE(EqualsIgnoringCase("\u00D7", "\u00F7")); // × and ÷ are not a letter pair
    EXPECT_FALSE(EqualsIgnoringCase("\u00DF", "ss"));
    EXPECT_FALSE(EqualsIgnoringCase("[", "{")); // 0x5B and 0x7B differ by 0x20 too
    EXPECT_FALSE(EqualsIgnoringCase("@", "`"));
    // Malformed bytes compare as they are.
    EXPECT_TRUE(EqualsIgnoringCase("L\xE9moine", "l\xE9MOINE"));
    EXPECT_FALSE(EqualsIgnoringCase("L\xE9moine", "L\xC9moine"));
    EXPECT_FALSE(EqualsIgnoringCase("L\xE9moine", "Lémoine"));
}

} // namespace
} // namespace trimora
