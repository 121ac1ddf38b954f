// The column and page layout of printed results, without a printer.
#include "output/print_layout.h"

#include <gtest/gtest.h>

namespace trimora {
namespace {

int Width(std::string_view s) { return static_cast<int>(s.size()) * 10; } // 10 dots a character

TEST(PrintLayout, PreparingLines) {
    EXPECT_EQ(PrepareLine(""), "");
    EXPECT_EQ(PrepareLine("\tWert"), " \tWert");               // a leading tab gets a space before it
    EXPECT_EQ(PrepareLine("Label\t\t\tWert"), "Label\tWert");  // adjacent tabs become one
    EXPECT_EQ(PrepareLine("Titel"), "Titel");
    EXPECT_EQ(SplitFields("a\tb\tc"), (std::vector<std::string>{"a", "b", "c"}));
}

TEST(PrintLayout, ColumnsFollowTheWidestFieldAndIgnoreLinesWithoutTabs) {
    const std::vector<std::string> lines{PrepareLine("Punkt A\t( 1 | 2 )"), PrepareLine("Flächeninhalt\t6"),
                                         PrepareLine("Ein sehr langer Titel ohne Tabulator"), PrepareLine(""),
                                         PrepareLine("\t\tnur Wert")};
    const std::vector<int> x = ColumnPositions(lines, Width);
    ASSERT_EQ(x.size(), 20u);
    EXPECT_EQ(x[0], 0);
    EXPECT_EQ(x[1], Width("Flächeninhalt") + 30); // the longest first field
    EXPECT_EQ(x[2], x[1] + Width("( 1 | 2 )") + 30);
    // A line with two adjacent tabs prints like the same line with one.
    EXPECT_EQ(PrepareLine("a\t\tb"), PrepareLine("a\tb"));
}

TEST(PrintLayout, FieldsBeyondTheTwentiethAreIgnored) {
    std::string line = "0";
    for (int k = 1; k < 30; ++k) line += "\t" + std::to_string(k);
    const std::vector<int> x = ColumnPositions({line}, Width);
    EXPECT_EQ(x.size(), 20u);
    EXPECT_EQ(x[19], 19 * 30 + 10 * 10 + 9 * 20);
}

TEST(PrintLayout, PagesAndMargins) {
    EXPECT_EQ(SingleColumnPages(100, 50), 3); // the third page is empty
    EXPECT_EQ(TwoColumnPages(100, 50), 2);
    EXPECT_EQ(SingleColumnPages(0, 50), 1);
    EXPECT_EQ(SingleColumnPages(10, 0), 11); // no division by zero

    // 600 dpi: 10 dots a unit, lines 170 dots apart; 25 mm = 591 dots, 10 mm = 236 dots.
    const PageLayout l = ComputePageLayout(600, 600, 100, 50, 50, 7016);
    EXPECT_EQ(l.lineHeight, 170);
    EXPECT_EQ(l.leftMargin, 491);
    EXPECT_EQ(l.topMargin, 186);
    EXPECT_EQ(l.bottomMargin, 186);
    EXPECT_EQ(l.linesPerPage, (7016 - 186 - 186) / 170 - 1);
    // A resolution below 60 dpi: 50-dot lines; an offset beyond the margin: 0.
    const PageLayout low = ComputePageLayout(50, 50, 1000, 1000, 1000, 100);
    EXPECT_EQ(low.lineHeight, 50);
    EXPECT_EQ(low.leftMargin, 0);
    EXPECT_EQ(low.linesPerPage, 1);
}

} // namespace
} // namespace trimora
