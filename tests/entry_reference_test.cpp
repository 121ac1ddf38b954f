// Every catalogue entry, switched on alone on the basic triangle, against its reviewed reference in
// data/entries_basic.txt: the number of drawing calls of each kind it adds, a fingerprint of all
// their coordinates, pens, brushes and texts (so that a curve drawn wrongly away from its start
// is caught), and its exact result lines. Hidden results must not change the drawing.
//
// After an intended change of the drawing, write a new reference with
//   TRIMORA_WRITE_REFERENCE=1 tests/trimora_tests --gtest_filter=EntryReference.*
// and review the difference before committing it.
#include "world_points.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

namespace trimora {
namespace {

using namespace testing;

// Entries that only change how another entry draws, with the entry they are painted with.
const std::map<int, int> kPaintedWith{{324, 142}, {334, 142}, {333, 330}};

// What one entry adds to the picture and the results.
struct EntryOutput {
    std::array<long, 6> counts{}; // MoveTo, LineTo, Ellipse, Polygon, Rectangle, Text
    std::uint64_t fingerprint = 0;
    std::vector<std::string> lines;
};

void Mix(std::uint64_t& h, std::int64_t v) {
    h ^= static_cast<std::uint64_t>(v);
    h *= 1099511628211ULL;
}

std::uint64_t Fingerprint(const std::vector<CanvasCall>& calls, std::size_t from) {
    std::uint64_t h = 1469598103934665603ULL;
    for (std::size_t n = from; n < calls.size(); ++n) {
        const CanvasCall& c = calls[n];
        for (std::int64_t v :
             {std::int64_t(c.kind), std::int64_t(c.x1), std::int64_t(c.y1), std::int64_t(c.x2),
              std::int64_t(c.y2), std::int64_t(c.pen.width), std::int64_t(c.pen.style),
              std::int64_t(c.pen.color.r << 16 | c.pen.color.g << 8 | c.pen.color.b),
              std::int64_t(c.brush.style),
              std::int64_t(c.brush.color.r << 16 | c.brush.color.g << 8 | c.brush.color.b)})
            Mix(h, v);
        for (IntPoint p : c.points)
            Mix(h, std::int64_t(p.x) << 32 ^ p.y);
        for (char ch : c.text)
            Mix(h, ch);
        if (c.kind == CanvasCall::Kind::Text) Mix(h, c.font.pointSize);
    }
    return h;
}

EntryOutput Added(int entry) {
    std::initializer_list<int> none{};
    const auto with = kPaintedWith.find(entry);
    Document base = with == kPaintedWith.end() ? MakeDocument(kBasic.a, kBasic.b, kBasic.c, none)
                                               : MakeDocument(kBasic.a, kBasic.b, kBasic.c, {with->second});
    Document doc = base;
    doc.SetOn(entry);
    Document hidden = doc;
    const Painted before = Paint(base, kAreaWidth, kAreaHeight), after = Paint(doc, kAreaWidth, kAreaHeight);
    const Painted quiet = Paint(hidden, kAreaWidth, kAreaHeight, false);

    EntryOutput out;
    // The entry's calls follow the base ones only where its family runs last; count by kind over
    // the whole picture and fingerprint the whole picture, which holds the base triangle as well.
    for (const CanvasCall& c : after.calls)
        ++out.counts[static_cast<int>(c.kind)];
    for (const CanvasCall& c : before.calls)
        --out.counts[static_cast<int>(c.kind)];
    out.fingerprint = Fingerprint(after.calls, 0);
    EXPECT_EQ(Fingerprint(quiet.calls, 0), out.fingerprint)
        << "entry " << entry << " draws differently when hidden";
    // The centroid's line is the one written even while the results are hidden.
    for (const std::string& l : quiet.lines)
        EXPECT_EQ(LabelOf(l), "Schwerpunkt S") << "entry " << entry;
    EXPECT_TRUE(std::equal(before.lines.begin(), before.lines.end(), after.lines.begin()))
        << "entry " << entry;
    out.lines.assign(after.lines.begin() + std::ptrdiff_t(std::min(before.lines.size(), after.lines.size())),
                     after.lines.end());
    return out;
}

std::string Block(int entry, const EntryOutput& e) {
    std::ostringstream s;
    s << "entry " << entry << " calls";
    for (long n : e.counts)
        s << ' ' << n;
    s << " fingerprint " << std::hex << e.fingerprint << std::dec << '\n';
    for (const std::string& l : e.lines)
        s << l << '\n';
    return s.str();
}

// The reference file: blocks as written by Block, separated by blank lines.
std::map<int, std::string> ReadReference(const std::string& path) {
    std::ifstream in(path);
    std::map<int, std::string> out;
    std::string line, block;
    int entry = -1;
    auto flush = [&] {
        if (entry >= 0) out[entry] = block;
        entry = -1;
        block.clear();
    };
    while (std::getline(in, line)) {
        if (line.empty()) {
            flush();
            continue;
        }
        if (line.rfind("entry ", 0) == 0) entry = std::atoi(line.c_str() + 6);
        block += line + '\n';
    }
    flush();
    return out;
}

TEST(EntryReference, EveryEntryDrawsAndListsExactlyItsReference) {
    const std::string path = std::string(TRIMORA_SOURCE_DIR) + "/tests/data/entries_basic.txt";
    if (std::getenv("TRIMORA_WRITE_REFERENCE")) {
        std::ofstream out(path);
        for (int e = 0; e < kEntryCount; ++e)
            out << Block(e, Added(e)) << '\n';
        GTEST_SKIP() << "reference written to " << path;
    }
    const std::map<int, std::string> reference = ReadReference(path);
    ASSERT_EQ(reference.size(), std::size_t(kEntryCount));
    for (int e = 0; e < kEntryCount; ++e)
        EXPECT_EQ(Block(e, Added(e)), reference.at(e));
}

} // namespace
} // namespace trimora
