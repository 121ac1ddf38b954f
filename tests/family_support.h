// Helpers of the family tests: one catalogue entry switched on alone on a triangle, its drawing
// calls and result lines against the expected labels, and small geometric measures.
#pragma once

#include "draw/point_table.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace trimora::testing {

inline constexpr int kAreaWidth = 821;
inline constexpr int kAreaHeight = 660; // drawing origin (410, 330)

struct Triangle {
    IntPoint a, b, c;
};

// The part of a result line before its tab (the whole line for a title line).
inline std::string LabelOf(const std::string& line) {
    return line.substr(0, line.find('\t'));
}

// The sub-lines that circle, triangle and pedal blocks add under their own title.
inline bool IsBlockSubLine(const std::string& label) {
    static const std::vector<std::string> kSubLines{"… Mittelpunkt",
                                                    "… Radius",
                                                    "… Flächeninhalt",
                                                    "… Dreiecksseite",
                                                    "… Dreiecksseitenlänge",
                                                    "… Dreiecksumfang",
                                                    "… Dreiecksflächeninhalt",
                                                    "… Innenwinkel in °",
                                                    "… Lotfußpunkt",
                                                    "… Lotgerade",
                                                    "… Lotlänge"};
    return std::find(kSubLines.begin(), kSubLines.end(), label) != kSubLines.end();
}

// The number after the tab of a result line ("2,5" -> 2.5).
inline double ValueOf(const std::string& line) {
    std::string v = line.substr(line.find('\t') + 1);
    std::replace(v.begin(), v.end(), ',', '.');
    return std::strtod(v.c_str(), nullptr);
}

inline std::optional<std::string> FindLine(const std::vector<std::string>& lines, const std::string& label) {
    for (const std::string& l : lines)
        if (LabelOf(l) == label) return l;
    return std::nullopt;
}

// One catalogue entry switched on alone: the labels of its own result lines in order (block
// sub-lines left out), a pen it must draw with, and whole lines whose text is known exactly.
struct EntryCase {
    int entry;
    std::vector<std::string> labels;
    Color pen;
    std::vector<std::string> exactLines = {};
    int penWidth = 1;
};

// Paints the triangle with nothing on and with the case's entry on, with results shown and
// hidden, and compares what the entry added. Returns 1 so that callers can count the cases.
inline int CheckEntryCase(const Triangle& t, const EntryCase& c) {
    SCOPED_TRACE("entry " + std::to_string(c.entry));
    Document base = MakeDocument(t.a, t.b, t.c);
    const Painted before = Paint(base, kAreaWidth, kAreaHeight);
    Document doc = MakeDocument(t.a, t.b, t.c, {c.entry});
    const Painted after = Paint(doc, kAreaWidth, kAreaHeight);

    // Drawing: more calls than the bare triangle, some with the expected pen.
    EXPECT_GT(after.calls.size(), before.calls.size());
    const bool penUsed = std::any_of(after.calls.begin(), after.calls.end(), [&](const CanvasCall& call) {
        return call.pen.color == c.pen && call.pen.width == c.penWidth;
    });
    EXPECT_TRUE(penUsed) << "pen " << int(c.pen.r) << "," << int(c.pen.g) << "," << int(c.pen.b);

    // Result lines: the base lines unchanged, then exactly the expected labels.
    EXPECT_GE(after.lines.size(), before.lines.size());
    if (after.lines.size() < before.lines.size()) return 1;
    EXPECT_TRUE(std::equal(before.lines.begin(), before.lines.end(), after.lines.begin()));
    const std::vector<std::string> added(
        after.lines.begin() + static_cast<std::ptrdiff_t>(before.lines.size()), after.lines.end());
    std::vector<std::string> labels;
    for (const std::string& l : added)
        if (!IsBlockSubLine(LabelOf(l))) labels.push_back(LabelOf(l));
    EXPECT_EQ(labels, c.labels);
    for (const std::string& exact : c.exactLines)
        EXPECT_NE(std::find(added.begin(), added.end(), exact), added.end()) << exact;

    // Hidden results: the entry writes nothing, but draws the same.
    Document hidden = MakeDocument(t.a, t.b, t.c, {c.entry});
    const Painted quiet = Paint(hidden, kAreaWidth, kAreaHeight, false);
    EXPECT_TRUE(quiet.lines.empty()) << quiet.lines.front();
    EXPECT_EQ(quiet.calls.size(), after.calls.size());
    return 1;
}

inline double Dist(RealPoint p, RealPoint q) {
    return std::hypot(p.x - q.x, p.y - q.y);
}

inline RealPoint Mid(RealPoint p, RealPoint q) {
    return {(p.x + q.x) / 2, (p.y + q.y) / 2};
}

// Distance of P from the line through L1 and L2.
inline double LineDistance(RealPoint p, RealPoint l1, RealPoint l2) {
    return std::fabs((l2.x - l1.x) * (l1.y - p.y) - (l1.x - p.x) * (l2.y - l1.y)) / Dist(l1, l2);
}

inline RealPoint AsReal(IntPoint p) {
    return {double(p.x), double(p.y)};
}

// Area and perimeter of the triangle of three pixel points.
inline double Area(RealPoint a, RealPoint b, RealPoint c) {
    return std::fabs((b.x - a.x) * (c.y - a.y) - (c.x - a.x) * (b.y - a.y)) / 2;
}

} // namespace trimora::testing
