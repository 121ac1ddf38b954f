#include "app/core/session.h"

#include "draw/point_table.h"
#include "draw/vertex_path.h"
#include "explore/null_canvas.h"
#include "paint/paint.h"
#include "base/catalogue.h"
#include "base/codepage.h"
#include "base/field.h"
#include "base/format.h"
#include "base/numeric.h"
#include "base/presets.h"
#include "base/resource.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace trimora {
namespace {

constexpr int kFirstFixedItems = 7; // vertices, sides and fill: untouched by the bulk selection

void StopAnimation(Session& s, bool releaseButton) {
    s.animation.running = false;
    if (releaseButton) s.animation.buttonDown = false;
}

int OriginX(const Session& s) { return s.width / 2 + s.doc.view.panX; }
int OriginY(const Session& s) { return s.height / 2 + s.doc.view.panY; }

// Vertices from the fields around the integer centre of the drawing area (topics and data files).
void PlaceVerticesFromFields(Session& s) {
    const double scale = 100 * s.doc.view.stretchFactor;
    for (int n = 0; n < 3; ++n) {
        const double x = ReadField(s.doc.fields[static_cast<std::size_t>(2 * n)]).value;
        const double y = ReadField(s.doc.fields[static_cast<std::size_t>(2 * n + 1)]).value;
        PlaceVertex(s.doc.points, kSlotA + n, {RoundWhole(x * scale + s.width / 2), -RoundWhole(y * scale - s.height / 2)});
    }
}

// Reads groups of names for the tab lists in the order CL1x, CL2x, CL3x, CL4x, starting at `at`.
// Every name switches its master entry on, and the item of the group's list if that list has it.
void ReadGroups(Session& s, std::span<const std::string> lines, std::size_t at) {
    s.doc.checked.reset();
    for (std::string_view listName : kPresetGroupLists) {
        std::vector<bool>& flags = s.tabChecked[static_cast<std::size_t>(TabIndexOfList(listName))];
        std::fill(flags.begin(), flags.end(), false);
    }
    for (std::size_t group = 0; group < std::size(kPresetGroupLists); ++group)
        for (; at < lines.size(); ++at) {
            const std::string& name = lines[at];
            if (name == "#") {
                ++at;
                break;
            }
            const int entry = FindCatalogueEntry(name);
            if (entry < 0) continue; // a name from elsewhere: skipped
            s.doc.SetOn(entry);
            // Its box is checked in the list that holds it, also when the file names it in another
            // group: it is drawn, and saved again.
            for (std::string_view listName : kPresetGroupLists) {
                const int tab = TabIndexOfList(listName);
                const std::span<const int> items = TabLists()[static_cast<std::size_t>(tab)].items;
                if (const auto it = std::find(items.begin(), items.end(), entry); it != items.end())
                    s.tabChecked[static_cast<std::size_t>(tab)][static_cast<std::size_t>(it - items.begin())] = true;
            }
        }
}

// The points that a repaint of the triangle as typed marks (vertices and result points), in world
// units.
std::vector<RealPoint> MarkedWorldPoints(const Session& s) {
    Document copy = s.doc;
    ApplyFieldTexts(copy, s.width, s.height);
    NullCanvas canvas(s.width, s.height);
    PaintLog log;
    PaintDocument(copy, canvas, true, &log);
    const double unit = 100 * s.doc.view.stretchFactor;
    const int ox = OriginX(s), oy = OriginY(s);
    std::vector<RealPoint> world;
    for (const ReportedPoint& p : log.points) {
        const RealPoint w{(p.p.x - ox) / unit, (oy - p.p.y) / unit};
        if (std::isfinite(w.x) && std::isfinite(w.y)) world.push_back(w);
    }
    return world;
}

} // namespace

void InitSession(Session& s, int width, int height) {
    s = Session{};
    s.width = width;
    s.height = height;
    InitDocument(s.doc, width, height);
    for (int t = 0; t < kTabCount; ++t)
        s.tabChecked[static_cast<std::size_t>(t)].assign(TabLists()[static_cast<std::size_t>(t)].items.size(), false);
    for (int i = 0; i < kFirstFixedItems; ++i) s.tabChecked[0][static_cast<std::size_t>(i)] = true;
}

int TabIndexOfList(std::string_view listName) {
    const auto lists = TabLists();
    for (std::size_t t = 0; t < lists.size(); ++t)
        if (lists[t].name == listName) return static_cast<int>(t);
    return -1;
}

void CopyTabListToMaster(Session& s, int tab) {
    const auto items = TabLists()[static_cast<std::size_t>(tab)].items;
    const auto& flags = s.tabChecked[static_cast<std::size_t>(tab)];
    for (std::size_t i = 0; i < items.size(); ++i) s.doc.SetOn(items[i], flags[i]);
}

void SetTabItem(Session& s, int tab, int item, bool checked) {
    if (tab < 0 || tab >= kTabCount) return;
    auto& flags = s.tabChecked[static_cast<std::size_t>(tab)];
    if (item < 0 || item >= static_cast<int>(flags.size())) return;
    flags[static_cast<std::size_t>(item)] = checked;
    CopyTabListToMaster(s, tab);
}

void BulkSelection(Session& s) {
    s.selectAll = !s.selectAll;
    const int general = TabIndexOfList("CL1x"), aToM = TabIndexOfList("CL3x"), nToZ = TabIndexOfList("CL4x");
    auto& first = s.tabChecked[static_cast<std::size_t>(general)];
    for (std::size_t i = kFirstFixedItems; i < first.size(); ++i) first[i] = s.selectAll;
    for (int t : {aToM, nToZ}) {
        auto& flags = s.tabChecked[static_cast<std::size_t>(t)];
        std::fill(flags.begin(), flags.end(), s.selectAll);
    }
    for (int t : {general, aToM, nToZ}) CopyTabListToMaster(s, t);
}

void ClearSelection(Session& s) {
    s.selectAll = true;
    BulkSelection(s);
}

void ApplyTypedCoordinates(Session& s) {
    StopAnimation(s, true);
    ApplyFieldTexts(s.doc, s.width, s.height);
}

void Resize(Session& s, int width, int height) {
    s.width = std::max(1, width);
    s.height = std::max(1, height);
    BasicSetting(s);
}

void StretchUp(Session& s) {
    s.doc.view.stretchFactor += 0.1;
    ApplyTypedCoordinates(s);
}

void StretchDown(Session& s) {
    s.doc.view.stretchFactor -= 0.1;
    if (s.doc.view.stretchFactor <= 0.2) s.doc.view.stretchFactor = 0.2;
    ApplyTypedCoordinates(s);
}

void BasicSetting(Session& s) {
    s.doc.view.panX = s.doc.view.panY = 0;
    s.doc.view.stretchFactor = 1.0;
    ApplyTypedCoordinates(s);
}

void Shift(Session& s, int dx, int dy) {
    // Bounded so that repeated shifts cannot overflow the origin.
    s.doc.view.panX = std::clamp(s.doc.view.panX + dx, -1000000, 1000000);
    s.doc.view.panY = std::clamp(s.doc.view.panY + dy, -1000000, 1000000);
    ApplyTypedCoordinates(s);
}

void ShowEverything(Session& s) {
    constexpr double kMargin = 20;  // pixels on every side
    constexpr double kFarthest = 4; // times the triangle's size from its centroid
    constexpr double kLargestStretch = 1000;
    if (!(s.doc.view.stretchFactor > 0)) return;
    // World points: the vertices as typed, and the points that a repaint of the triangle as typed
    // marks. The point table holds more than these (constructions' helper points, centres that
    // no entry marks), far out: they would shrink the triangle to a dot.
    std::vector<RealPoint> points;
    for (int n = 0; n < 3; ++n)
        points.push_back({ReadField(s.doc.fields[static_cast<std::size_t>(2 * n)]).value,
                          ReadField(s.doc.fields[static_cast<std::size_t>(2 * n + 1)]).value});
    const RealPoint centroid{(points[0].x + points[1].x + points[2].x) / 3, (points[0].y + points[1].y + points[2].y) / 3};
    double size = 0;
    for (int i = 0; i < 3; ++i)
        size = std::max(size, std::hypot(points[static_cast<std::size_t>(i)].x - points[static_cast<std::size_t>((i + 1) % 3)].x,
                                         points[static_cast<std::size_t>(i)].y - points[static_cast<std::size_t>((i + 1) % 3)].y));
    if (!std::isfinite(size)) return;
    for (const RealPoint& world : MarkedWorldPoints(s))
        if (std::hypot(world.x - centroid.x, world.y - centroid.y) <= kFarthest * size) points.push_back(world);
    double left = points[0].x, right = left, bottom = points[0].y, top = bottom;
    for (const RealPoint& p : points) {
        left = std::min(left, p.x), right = std::max(right, p.x);
        bottom = std::min(bottom, p.y), top = std::max(top, p.y);
    }
    // Whole pixels round the vertices and the origin: one pixel more on each side.
    const double roomX = std::max(1.0, s.width - 2 * (kMargin + 1)), roomY = std::max(1.0, s.height - 2 * (kMargin + 1));
    const double spanX = std::max(right - left, 1e-9), spanY = std::max(top - bottom, 1e-9);
    const double fit = std::min(roomX / (100 * spanX), roomY / (100 * spanY));
    const double stretch = std::clamp(std::isfinite(fit) && fit > 0 ? fit : 1.0, 0.2, kLargestStretch);
    s.doc.view.stretchFactor = stretch;
    // The box's centre on the drawing area's centre (the origin is width / 2 + pan).
    const double cx = (left + right) / 2, cy = (bottom + top) / 2;
    const double centreX = s.width / 2.0 - s.width / 2, centreY = s.height / 2.0 - s.height / 2;
    s.doc.view.panX = std::clamp(static_cast<int>(std::lround(centreX - cx * 100 * stretch)), -1000000, 1000000);
    s.doc.view.panY = std::clamp(static_cast<int>(std::lround(centreY + cy * 100 * stretch)), -1000000, 1000000);
    ApplyTypedCoordinates(s);
}

void ToggleAxes(Session& s) {
    s.doc.view.showAxes = !s.doc.view.showAxes;
    ApplyTypedCoordinates(s);
}

void ToggleGrid(Session& s) {
    s.doc.view.showGrid = !s.doc.view.showGrid;
    if (s.doc.view.showGrid) s.doc.view.showMmGrid = false;
    ApplyTypedCoordinates(s);
}

void ToggleMmGrid(Session& s) {
    s.doc.view.showMmGrid = !s.doc.view.showMmGrid;
    if (s.doc.view.showMmGrid) s.doc.view.showGrid = false;
    ApplyTypedCoordinates(s);
}

void ToggleTrilinear(Session& s) { s.doc.view.showTrilinear = !s.doc.view.showTrilinear; }
void ToggleEtcNumbers(Session& s) { s.doc.view.showEtc = !s.doc.view.showEtc; }

void EnterResultsMode(Session& s) {
    StopAnimation(s, true);
    s.resultsMode = true;
    s.doc.view.stretchFactor = 1.0;
    ApplyTypedCoordinates(s);
}

void EnterPictureMode(Session& s) {
    ApplyTypedCoordinates(s);
    s.resultsMode = false;
}

int PickVertex(const Document& doc, int x, int y) {
    int picked = -1;
    for (int v = 0; v < 3; ++v) {
        const IntPoint p = doc.points.screen[kSlotA + v];
        if (std::abs(static_cast<long>(x) - p.x) < 5 && std::abs(static_cast<long>(y) - p.y) < 5) picked = v;
    }
    return picked;
}

void DragVertexTo(Session& s, int vertex, int x, int y) {
    if (vertex < 0 || vertex > 2) return;
    s.doc.points.screen[kSlotA + vertex] = {x, y};
    if (s.doc.view.stretchFactor != 0) WriteFieldsFromVertices(s.doc, OriginX(s), OriginY(s));
}

std::optional<std::string> MouseReadout(const Session& s, int x, int y) {
    const ViewSettings& v = s.doc.view;
    if (v.triangleDegenerate || v.stretchFactor == 0) return std::nullopt;
    const int ox = OriginX(s), oy = OriginY(s);
    const double wx = (x - ox) / 100.0 / v.stretchFactor, wy = (oy - y) / 100.0 / v.stretchFactor;
    std::string text = "  P(" + FormatReal(wx, 2) + " | " + FormatReal(wy, 2) + ")";
    if (v.showTrilinear) {
        auto world = [&](int slot) {
            const RealPoint p = ScreenAsReal(s.doc.points, slot); // where it is, beyond the drawing too
            return RealPoint{(p.x - ox) / 100.0, (oy - p.y) / 100.0};
        };
        const RealPoint a = world(kSlotA), b = world(kSlotB), c = world(kSlotC);
        const RealPoint m{wx * v.stretchFactor, wy * v.stretchFactor};
        auto rounded = [](std::optional<double> d) {
            return std::strtod(FormatRealDot(d.value_or(0), 3).c_str(), nullptr);
        };
        const double t1 = rounded(SignedLineDistance(m, a, b, c)), t2 = rounded(SignedLineDistance(m, b, c, a)),
                     t3 = rounded(SignedLineDistance(m, c, a, b));
        const double most = std::max({std::fabs(t1), std::fabs(t2), std::fabs(t3)});
        if (most != 0)
            text += " trilinear(" + FormatReal(t1 / most, 2) + " : " + FormatReal(t2 / most, 2) + " : " +
                    FormatReal(t3 / most, 2) + ")";
    }
    return text;
}

bool ApplyTopic(Session& s, std::string_view caption, std::span<const std::string> topicLines) {
    std::string title(caption);
    std::erase(title, '&');
    // Find the title line first, so that an unknown title changes nothing.
    std::size_t at = topicLines.size();
    for (std::size_t i = 0; i < topicLines.size(); ++i)
        if (EqualsIgnoringCase(topicLines[i], "[" + title)) {
            at = i;
            break;
        }
    if (at == topicLines.size()) return false;
    StopAnimation(s, false); // the animation button stays down
    for (std::size_t n = 0; n < 6; ++n)
        s.doc.fields[n] = at + 1 + n < topicLines.size() ? topicLines[at + 1 + n] : std::string();
    s.doc.view.panX = s.doc.view.panY = 0;
    PlaceVerticesFromFields(s);
    ReadGroups(s, topicLines, at + 7);
    return true;
}

std::vector<std::string> DataFileLines(const Session& s) {
    std::vector<std::string> lines(s.doc.fields.begin(), s.doc.fields.end());
    const auto& names = CatalogueNames();
    for (std::string_view listName : kPresetGroupLists) {
        const int tab = TabIndexOfList(listName);
        const auto items = TabLists()[static_cast<std::size_t>(tab)].items;
        const auto& flags = s.tabChecked[static_cast<std::size_t>(tab)];
        for (std::size_t i = 0; i < items.size(); ++i)
            if (flags[i]) lines.push_back(names[static_cast<std::size_t>(items[i])]);
        lines.emplace_back("#");
    }
    return lines;
}

void LoadDataFileLines(Session& s, std::span<const std::string> lines) {
    StopAnimation(s, false);
    for (std::size_t n = 0; n < 6; ++n) s.doc.fields[n] = n < lines.size() ? lines[n] : std::string();
    s.doc.view.panX = s.doc.view.panY = 0;
    PlaceVerticesFromFields(s);
    ReadGroups(s, lines, 6);
}

std::vector<std::string> DecodeTextFile(std::string_view bytes) {
    const bool utf8 = IsValidUtf8(bytes) && std::any_of(bytes.begin(), bytes.end(),
                                                        [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    if (utf8 && bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
    std::vector<std::string> lines = SplitLines(bytes);
    if (!utf8)
        for (std::string& line : lines) line = Cp1252ToUtf8(line);
    return lines;
}

bool IsDataFileText(std::string_view bytes) {
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) return false;
    return std::none_of(bytes.begin(), bytes.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return u < 0x20 && u != '\t' && u != '\n' && u != '\r' && u != '\f' && u != 0x1A; // 0x1A: DOS's end
    });
}

void SetAnimationSpeed(Session& s, int speed) {
    s.animation.speed = std::clamp(speed, 1, 80);
    s.animation.intervalMs = 81 - s.animation.speed;
}

void AnimationStep(Session& s) {
    const double stretch = s.doc.view.stretchFactor;
    if (stretch == 0) return;
    const double scale = 100 * stretch;
    const int ox = OriginX(s), oy = OriginY(s);
    const int k = std::clamp(s.animation.vertex, 0, 2);
    std::string& fx = s.doc.fields[static_cast<std::size_t>(2 * k)];
    std::string& fy = s.doc.fields[static_cast<std::size_t>(2 * k + 1)];
    double r = ReadField(fx).value * scale + ox;
    double q = oy - ReadField(fy).value * scale;
    Animation& a = s.animation;
    switch (a.direction) {
    case AnimationDirection::Horizontal:
        if (a.backwards) {
            r -= 1;
            if (r <= 0) a.backwards = false;
        } else {
            r += 1;
            if (r > s.width) a.backwards = true;
        }
        break;
    case AnimationDirection::Vertical:
        if (a.backwards) {
            q -= 1;
            if (q <= 0) a.backwards = false;
        } else {
            q += 1;
            if (q > s.height) a.backwards = true;
        }
        break;
    case AnimationDirection::AroundOrigin: {
        const RealPoint turned = TurnedAbout({r, q}, TurnCentre(s.doc.view, s.width, s.height), kAnimationTurn);
        r = turned.x;
        q = turned.y;
        break;
    }
    }
    // Large field values would overflow a plain conversion: the drawn position is clamped.
    PlaceVertex(s.doc.points, kSlotA + k, {r, q});
    fx = FormatReal((r - ox) / scale, 3);
    fy = FormatReal((oy - q) / scale, 3);
}

AnimationRunSteps AnimationRun(const Session& s) {
    Session run = s;
    run.animation.backwards = false;
    const int k = std::clamp(run.animation.vertex, 0, 2);
    const auto fx = static_cast<std::size_t>(2 * k), fy = fx + 1;
    AnimationRunSteps steps;
    steps.vertex = k;
    steps.texts.push_back({run.doc.fields[fx], run.doc.fields[fy]});
    const IntPoint start = run.doc.points.screen[kSlotA + k];
    const bool turn = run.animation.direction == AnimationDirection::AroundOrigin;
    // A full turn is 2 pi in steps of 0.01; a straight run ends when the vertex, having turned
    // at both edges, is back where it began (at most twice across the area and back).
    const int turnSteps = static_cast<int>(std::ceil(2 * std::acos(-1.0) / 0.01));
    const long long longest = 4LL * (run.width + run.height) + std::abs(start.x) + std::abs(start.y) + 8;
    bool turned = false, returned = false;
    for (long long step = 1; step <= (turn ? turnSteps : longest); ++step) {
        const bool wasBackwards = run.animation.backwards;
        AnimationStep(run);
        steps.texts.push_back({run.doc.fields[fx], run.doc.fields[fy]});
        if (turn) continue;
        if (wasBackwards && !run.animation.backwards) returned = turned;
        if (!wasBackwards && run.animation.backwards) turned = true;
        const IntPoint at = run.doc.points.screen[kSlotA + k];
        if (returned && !run.animation.backwards && at.x == start.x && at.y == start.y) break;
    }
    return steps;
}

void ApplyAnimationStep(Session& s, const AnimationRunSteps& run, std::size_t step) {
    if (run.texts.empty()) return;
    const auto& texts = run.texts[std::min(step, run.texts.size() - 1)];
    s.doc.fields[static_cast<std::size_t>(2 * run.vertex)] = texts[0];
    s.doc.fields[static_cast<std::size_t>(2 * run.vertex + 1)] = texts[1];
}

} // namespace trimora
