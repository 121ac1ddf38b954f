// Every catalogue entry is built: switched on alone it changes the picture or the results on at
// least one of three triangles, and every topic of the menu draws every entry it switches on.
#include "app/core/session.h"
#include "world_points.h"
#include "base/presets.h"
#include "base/resource.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace trimora {
namespace {

using namespace testing;

// Entries that only change how another entry draws, with the entry they need.
const std::map<int, int> kNeedsAnother{
    {324, 142}, // "Napoleon-Dreiecke füllen" fills the "Napoleon-Dreiecke"
    {334, 142}, // "... NDreiecke schraffieren" hatches them
    {333, 330}, // "... SDreiecke schraffieren" hatches the "Schwerpunktdreiecke"
};

bool SamePicture(const Painted& a, const Painted& b) {
    if (a.lines != b.lines || a.calls.size() != b.calls.size()) return false;
    for (std::size_t n = 0; n < a.calls.size(); ++n) {
        const CanvasCall &p = a.calls[n], &q = b.calls[n];
        if (p.kind != q.kind || p.x1 != q.x1 || p.y1 != q.y1 || p.x2 != q.x2 || p.y2 != q.y2 || p.points != q.points ||
            p.text != q.text || !(p.pen == q.pen) || !(p.brush == q.brush))
            return false;
    }
    return true;
}

// Whether the entries change anything on top of the start selection (entries 0 to 6), on one of
// three triangles; an entry of the start selection is compared with the selection without it.
bool HasEffect(std::initializer_list<int> entries) {
    static const Triangle kTriangles[3] = {kBasic, {{460, 110}, {160, 430}, {690, 400}}, {{310, 130}, {160, 480}, {700, 380}}};
    for (const Triangle& t : kTriangles) {
        Document with = MakeDocument(t.a, t.b, t.c), without = MakeDocument(t.a, t.b, t.c);
        for (int e = 0; e <= 6; ++e) with.SetOn(e), without.SetOn(e);
        for (int e : entries) with.SetOn(e), without.SetOn(e, false);
        const Painted p = Paint(with, kAreaWidth, kAreaHeight), q = Paint(without, kAreaWidth, kAreaHeight);
        if (!SamePicture(p, q)) return true;
    }
    return false;
}

const std::set<int>& EntriesWithoutEffect() {
    static const std::set<int> none = [] {
        std::set<int> out;
        for (int e = 0; e < kEntryCount; ++e)
            if (!HasEffect({e})) out.insert(e);
        return out;
    }();
    return none;
}

TEST(CatalogueCoverage, EveryEntryChangesThePictureOrTheResults) {
    std::set<int> expected;
    for (const auto& [entry, base] : kNeedsAnother) {
        expected.insert(entry);
        // With the entry it needs, it does change the picture.
        Document with = MakeDocument(kBasic.a, kBasic.b, kBasic.c, {base, entry});
        Document without = MakeDocument(kBasic.a, kBasic.b, kBasic.c, {base});
        EXPECT_FALSE(SamePicture(Paint(with, kAreaWidth, kAreaHeight), Paint(without, kAreaWidth, kAreaHeight))) << entry;
    }
    EXPECT_EQ(EntriesWithoutEffect(), expected);
}

TEST(CatalogueCoverage, EveryTopicDrawsEveryEntryItSwitchesOn) {
    static const std::vector<std::string> topics = LoadResourceLines("WTRIMORA");
    int run = 0;
    for (const PresetMenuItem& item : PresetMenu()) {
        Session s;
        InitSession(s, kAreaWidth, kAreaHeight);
        ASSERT_TRUE(ApplyTopic(s, item.title, topics)) << item.title;
        for (int e = 0; e < kEntryCount; ++e) {
            if (!s.doc.IsOn(e) || !EntriesWithoutEffect().count(e)) continue;
            const auto needs = kNeedsAnother.find(e);
            EXPECT_TRUE(needs != kNeedsAnother.end() && s.doc.IsOn(needs->second)) << item.title << ": entry " << e;
        }
        ++run;
    }
    EXPECT_EQ(run, kPresetCount);
}

} // namespace
} // namespace trimora
