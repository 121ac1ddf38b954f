// What the window does to the document: selection lists, view commands, dragging, topics,
// data files and the animation, checked without a window.
#include "app/core/session.h"
#include "base/catalogue.h"
#include "base/presets.h"
#include "base/resource.h"
#include "explore/null_canvas.h"
#include "paint/paint.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

namespace trimora {
namespace {

std::set<int> CheckedEntries(const Document& doc) {
    std::set<int> on;
    for (int e = 0; e < kEntryCount; ++e)
        if (doc.IsOn(e)) on.insert(e);
    return on;
}

Session Started(int width = 821, int height = 660) {
    Session s;
    InitSession(s, width, height);
    return s;
}

const std::vector<std::string>& Topics() {
    static const std::vector<std::string> lines = LoadResourceLines("WTRIMORA");
    return lines;
}

TEST(Session, StartUpState) {
    Session s = Started();
    EXPECT_EQ(CheckedEntries(s.doc), (std::set<int>{0, 1, 2, 3, 4, 5, 6}));
    for (int i = 0; i < 68; ++i) EXPECT_EQ(s.tabChecked[0][static_cast<std::size_t>(i)], i < 7) << i;
    EXPECT_EQ(s.doc.fields, (std::array<std::string, 6>{"-1,2", "1,4", "-1,9", "-0,9", "1,5", "-0,9"}));
    // Applying the fields again puts the vertices back on their start pixels.
    ApplyTypedCoordinates(s);
    EXPECT_EQ(s.doc.points.screen[kSlotA], (IntPoint{290, 190}));
    EXPECT_EQ(s.doc.points.screen[kSlotC], (IntPoint{560, 420}));
}

TEST(Session, TabListIsCopiedWhole) {
    Session s = Started();
    const int aToM = TabIndexOfList("CL3x");
    // A topic checked "Adams-Kreis" (247) in the master list only; the list shows it unchecked.
    s.doc.SetOn(247);
    SetTabItem(s, aToM, 10, true);
    const int item10 = TabLists()[static_cast<std::size_t>(aToM)].items[10];
    EXPECT_TRUE(s.doc.IsOn(item10));
    EXPECT_FALSE(s.doc.IsOn(247)); // re-copied from the list, where it is unchecked
    SetTabItem(s, aToM, 10, false);
    EXPECT_FALSE(s.doc.IsOn(item10));
    SetTabItem(s, 7, 0, true); // no such list: nothing happens
    SetTabItem(s, aToM, 5000, true);
}

TEST(Session, BulkSelectionTwiceAndTheClearButton) {
    Session s = Started();
    const int triangles = TabIndexOfList("CL2x");
    SetTabItem(s, triangles, 0, true); // "Napoleon-Dreiecke füllen" stays untouched
    BulkSelection(s);
    std::set<int> on = CheckedEntries(s.doc);
    EXPECT_EQ(on.size(), 507u - 93u + 1u);
    BulkSelection(s);
    EXPECT_EQ(CheckedEntries(s.doc), (std::set<int>{0, 1, 2, 3, 4, 5, 6, 324}));
    // The clear button unchecks even when the flag was false before.
    ASSERT_FALSE(s.selectAll);
    SetTabItem(s, 0, 20, true);
    ClearSelection(s);
    EXPECT_FALSE(s.selectAll);
    EXPECT_EQ(CheckedEntries(s.doc), (std::set<int>{0, 1, 2, 3, 4, 5, 6, 324}));
}

TEST(Session, ViewCommands) {
    Session s = Started();
    for (int n = 0; n < 9; ++n) StretchDown(s);
    EXPECT_DOUBLE_EQ(s.doc.view.stretchFactor, 0.2);
    StretchDown(s);
    EXPECT_DOUBLE_EQ(s.doc.view.stretchFactor, 0.2);
    StretchUp(s);
    EXPECT_NEAR(s.doc.view.stretchFactor, 0.3, 1e-12);

    ToggleGrid(s);
    EXPECT_TRUE(s.doc.view.showGrid);
    ToggleMmGrid(s);
    EXPECT_TRUE(s.doc.view.showMmGrid);
    EXPECT_FALSE(s.doc.view.showGrid);
    ToggleMmGrid(s);
    EXPECT_FALSE(s.doc.view.showMmGrid || s.doc.view.showGrid);

    Shift(s, 50, -50);
    EXPECT_EQ(s.doc.view.panX, 50);
    s.animation.running = s.animation.buttonDown = true;
    EnterResultsMode(s);
    EXPECT_DOUBLE_EQ(s.doc.view.stretchFactor, 1.0);
    EXPECT_FALSE(s.animation.running || s.animation.buttonDown);
    EnterPictureMode(s);
    EXPECT_DOUBLE_EQ(s.doc.view.stretchFactor, 1.0);

    Resize(s, 900, 700);
    EXPECT_EQ(s.doc.view.panX, 0);
    EXPECT_EQ(s.width, 900);
}

TEST(Session, PickingDraggingAndReadout) {
    Session s = Started();
    s.doc.points.screen[kSlotB] = {300, 300};
    s.doc.points.screen[kSlotC] = {303, 302};
    EXPECT_EQ(PickVertex(s.doc, 301, 301), 2); // C wins over B
    // A vertex is picked within 4 pixels in each direction, not 5, in x as in y.
    const struct {
        int x, y, vertex;
    } edges[] = {{290, 194, 0}, {290, 195, -1}, {290, 186, 0}, {290, 185, -1},
                 {294, 190, 0}, {295, 190, -1}, {286, 190, 0}, {285, 190, -1}, {294, 194, 0}};
    for (const auto& e : edges) EXPECT_EQ(PickVertex(s.doc, e.x, e.y), e.vertex) << e.x << "," << e.y;

    DragVertexTo(s, 0, 510, 130);
    EXPECT_EQ(s.doc.fields[0], "1");
    EXPECT_EQ(s.doc.fields[1], "2");
    EXPECT_EQ(s.doc.fields[2], "-1,1"); // all six fields are rewritten

    s.doc.points.screen[kSlotB] = {210, 430};
    s.doc.points.screen[kSlotC] = {610, 430};
    EXPECT_EQ(MouseReadout(s, 535, 380), "  P(1,25 | -0,5)");
    s.doc.view.showTrilinear = true;
    EXPECT_EQ(MouseReadout(s, 510, 130), "  P(1 | 2) trilinear(1 : 0 : 0)");
    s.doc.view.triangleDegenerate = true;
    EXPECT_FALSE(MouseReadout(s, 510, 130));
}

// "Alles zeigen" on the triangle at the start, on topics and on triangles far off, small and
// large: every marked point near the triangle lies in the area, and what is shown fills it.
TEST(Session, ShowEverythingFillsTheAreaWithTheMarkedPoints) {
    struct Case {
        const char* topic; // or nullptr: the entries at the start
        std::array<std::string, 6> fields;
    };
    const Case cases[] = {
        {nullptr, {}},
        {nullptr, {"70", "41", "72", "43", "74", "40"}},
        {nullptr, {"0,01", "0,02", "-0,01", "0", "0,02", "0"}},
        {nullptr, {"-12", "-8", "14", "-8", "0", "10"}},
        {"Feuerbach-Kreis", {}},
        {"Kreise des Apollonius", {}},
        {"Adams-Kreis", {}},
    };
    int ran = 0;
    for (const Case& c : cases) {
        Session s = Started();
        if (c.topic) {
            ASSERT_TRUE(ApplyTopic(s, c.topic, Topics()));
        }
        if (!c.fields[0].empty()) {
            s.doc.fields = c.fields;
            ApplyTypedCoordinates(s);
        }
        ShowEverything(s);
        NullCanvas canvas(s.width, s.height);
        PaintLog log;
        PaintDocument(s.doc, canvas, true, &log);
        const std::string name = c.topic ? c.topic : c.fields[0];
        double left = 1e18, right = -1e18, top = 1e18, bottom = -1e18;
        for (int v = kSlotA; v <= kSlotC; ++v) {
            const RealPoint p = s.doc.points.precise[v];
            left = std::min(left, p.x), right = std::max(right, p.x), top = std::min(top, p.y), bottom = std::max(bottom, p.y);
        }
        const RealPoint* v = &s.doc.points.precise[kSlotA];
        const double size = std::max({std::hypot(v[0].x - v[1].x, v[0].y - v[1].y), std::hypot(v[1].x - v[2].x, v[1].y - v[2].y),
                                      std::hypot(v[2].x - v[0].x, v[2].y - v[0].y)});
        const RealPoint centroid{(v[0].x + v[1].x + v[2].x) / 3, (v[0].y + v[1].y + v[2].y) / 3};
        for (const ReportedPoint& p : log.points) {
            // Centres far beyond the triangle are left out.
            if (std::hypot(p.p.x - centroid.x, p.p.y - centroid.y) > 3.9 * size) continue;
            EXPECT_TRUE(p.p.x >= 0 && p.p.x <= s.width && p.p.y >= 0 && p.p.y <= s.height)
                << name << ": (" << p.p.x << ", " << p.p.y << ") line " << p.line;
            left = std::min(left, p.p.x), right = std::max(right, p.p.x), top = std::min(top, p.p.y), bottom = std::max(bottom, p.p.y);
        }
        EXPECT_TRUE(right - left >= 0.8 * s.width || bottom - top >= 0.8 * s.height)
            << name << ": " << right - left << " x " << bottom - top;
        EXPECT_NEAR((left + right) / 2, s.width / 2.0, 0.1 * s.width) << name;
        EXPECT_NEAR((top + bottom) / 2, s.height / 2.0, 0.1 * s.height) << name;
        ++ran;
    }
    EXPECT_EQ(ran, 7);
}

TEST(Topics, GrunddreieckInTheStandardWindow) {
    Session s = Started();
    s.animation.running = s.animation.buttonDown = true;
    ASSERT_TRUE(ApplyTopic(s, "&Grunddreieck", Topics()));
    EXPECT_EQ(s.doc.points.screen[kSlotA], (IntPoint{510, 130}));
    EXPECT_EQ(s.doc.points.screen[kSlotB], (IntPoint{210, 430}));
    EXPECT_EQ(s.doc.points.screen[kSlotC], (IntPoint{610, 430}));
    EXPECT_EQ(s.doc.fields, (std::array<std::string, 6>{"1", "2", "-2", "-1", "2", "-1"}));
    EXPECT_FALSE(s.animation.running);
    EXPECT_TRUE(s.animation.buttonDown); // the button stays down

    Session before = s;
    EXPECT_FALSE(ApplyTopic(s, "Kein Thema", Topics()));
    EXPECT_EQ(s.doc.fields, before.doc.fields);
}

TEST(Topics, EveryTopicChecksExactlyItsElements) {
    int topics = 0;
    for (const PresetMenuItem& item : PresetMenu()) {
        Session s = Started();
        BulkSelection(s); // everything on before: the topic must switch it off
        ASSERT_TRUE(ApplyTopic(s, item.title, Topics())) << item.title;
        const auto record = FindPreset(Topics(), item.title);
        ASSERT_TRUE(record);
        std::set<int> expected;
        for (std::size_t g = 0; g < 4; ++g) {
            const int tab = TabIndexOfList(kPresetGroupLists[g]);
            const auto items = TabLists()[static_cast<std::size_t>(tab)].items;
            std::set<int> inList;
            for (std::size_t i = 0; i < items.size(); ++i)
                if (s.tabChecked[static_cast<std::size_t>(tab)][i]) inList.insert(items[i]);
            std::set<int> named;
            for (const std::string& name : record->groups[g]) named.insert(FindCatalogueEntry(name));
            EXPECT_EQ(inList, named) << item.title << " list " << kPresetGroupLists[g];
            expected.insert(named.begin(), named.end());
        }
        EXPECT_EQ(CheckedEntries(s.doc), expected) << item.title;
        EXPECT_EQ(s.doc.fields, record->coordinates) << item.title;
        ++topics;
    }
    EXPECT_EQ(topics, 60);
}

TEST(Topics, CommaAndPointGiveTheSameVertex) {
    const std::vector<std::string> lines{"[Komma", "1,6", "0.5", "0", "0", "1", "1", "#", "#", "#", "#",
                                         "[Punkt", "1.6", "0,5", "0", "0", "1", "1", "#", "#", "#", "#", "[#"};
    Session a = Started(), b = Started();
    ASSERT_TRUE(ApplyTopic(a, "Komma", lines));
    ASSERT_TRUE(ApplyTopic(b, "Punkt", lines));
    EXPECT_EQ(a.doc.points.screen[kSlotA], b.doc.points.screen[kSlotA]);
    EXPECT_EQ(a.doc.points.screen[kSlotA], (IntPoint{570, 280}));
}

TEST(DataFiles, RoundTripKeepsTextsAndCheckedItems) {
    Session s = Started();
    s.doc.fields = {"SQRT(2)", "1,5", "-2", "-1", "PI/2", "-1"};
    SetTabItem(s, TabIndexOfList("CL3x"), 3, true);
    SetTabItem(s, TabIndexOfList("CL2x"), 0, true);
    const std::vector<std::string> lines = DataFileLines(s);
    ASSERT_GE(lines.size(), 6u + 7u + 4u);
    EXPECT_EQ(lines[6], "Punkt A");
    EXPECT_EQ(lines[13], "#");           // end of "Allgemein"
    EXPECT_EQ(lines[14], "Napoleon-Dreiecke füllen"); // "Dreiecke / Lote" comes second in the file

    Session t = Started();
    t.doc.view.panX = 100;
    t.doc.view.stretchFactor = 1.5;
    LoadDataFileLines(t, lines);
    EXPECT_EQ(t.doc.fields, s.doc.fields);
    EXPECT_EQ(t.tabChecked, s.tabChecked);
    EXPECT_EQ(CheckedEntries(t.doc), CheckedEntries(s.doc));
    EXPECT_EQ(t.doc.view.panX, 0);
    EXPECT_DOUBLE_EQ(t.doc.view.stretchFactor, 1.5); // loading keeps the stretch factor
}

TEST(DataFiles, DamagedFilesEndSoundly) {
    const std::vector<std::vector<std::string>> files{
        {},                                                   // empty file
        {"1", "2"},                                           // coordinates missing
        {"1", "2", "3", "4", "5", "6", "Punkt A", "Unbekannt"}, // no "#", unknown name
        {"", "", "", "", "", "", "#", "#", "#", "#", "Seite a", "#"},
        {std::string(100000, 'x'), "\x01\x02", "", "", "", "", "Höhenschnittpunkt", "#", "Umkreis", "#"},
    };
    for (const auto& lines : files) {
        Session s = Started();
        LoadDataFileLines(s, lines);
        for (const std::string& f : s.doc.fields) (void)f;
    }
    // Empty coordinate lines place the vertices at the origin; a name in a foreign group is drawn,
    // checked in the list that holds it, and saved again there.
    Session s = Started();
    LoadDataFileLines(s, files[4]);
    EXPECT_EQ(s.doc.points.screen[kSlotB], (IntPoint{410, 330}));
    EXPECT_TRUE(s.doc.IsOn(12));
    EXPECT_TRUE(s.doc.IsOn(17));
    const auto& general = s.tabChecked[static_cast<std::size_t>(TabIndexOfList("CL1x"))];
    EXPECT_EQ(std::count(general.begin(), general.end(), true), 2); // "Höhenschnittpunkt", "Umkreis"
    const std::vector<std::string> saved = DataFileLines(s);
    EXPECT_NE(std::find(saved.begin(), saved.end(), "Umkreis"), saved.end());
    Session again = Started();
    LoadDataFileLines(again, saved);
    EXPECT_EQ(CheckedEntries(again.doc), CheckedEntries(s.doc));
}

TEST(DataFiles, DecodingWindowsAndUtf8Text) {
    EXPECT_EQ(DecodeTextFile("1\r\nH\xF6hen\r\n"), (std::vector<std::string>{"1", "Höhen"}));
    EXPECT_EQ(DecodeTextFile("1\nHöhen\n"), (std::vector<std::string>{"1", "Höhen"}));
    EXPECT_EQ(DecodeTextFile("\xEF\xBB\xBFx\n"), (std::vector<std::string>{"x"}));
}

TEST(Animation, StepsTurnsAndSpeed) {
    Session s = Started();
    s.doc.fields[0] = "0";
    s.doc.fields[1] = "0";
    AnimationStep(s);
    EXPECT_EQ(s.doc.fields[0], "0,01");
    EXPECT_EQ(s.doc.points.screen[kSlotA], (IntPoint{411, 330}));

    // At the right edge with the flag clear: past W, then back.
    s.doc.fields[0] = "4,11"; // pixel 821 = W
    AnimationStep(s);
    EXPECT_TRUE(s.animation.backwards);
    EXPECT_EQ(s.doc.fields[0], "4,12");
    AnimationStep(s);
    EXPECT_EQ(s.doc.fields[0], "4,11");
    // Switching to vertical keeps the flag.
    s.animation.direction = AnimationDirection::Vertical;
    AnimationStep(s);
    EXPECT_EQ(s.doc.fields[1], "0,01"); // backwards: towards smaller y pixels, larger world y

    // Rotation: a vertex on the centre of an even-sized area stays put; the turn is 0,01 radian.
    s.animation.direction = AnimationDirection::AroundOrigin;
    s.doc.fields[0] = "1";
    s.doc.fields[1] = "0";
    AnimationStep(s);
    EXPECT_EQ(s.doc.fields[0], "1");
    EXPECT_EQ(s.doc.fields[1], "-0,01"); // clockwise on the screen

    // A huge field value is clamped instead of overflowing.
    s.animation.direction = AnimationDirection::Horizontal;
    s.doc.fields[0] = "9999999999";
    AnimationStep(s);
    EXPECT_EQ(s.doc.points.screen[kSlotA].x, 100000);

    SetAnimationSpeed(s, 80);
    EXPECT_EQ(s.animation.intervalMs, 1);
    SetAnimationSpeed(s, 1);
    EXPECT_EQ(s.animation.intervalMs, 80);
}

} // namespace
} // namespace trimora
