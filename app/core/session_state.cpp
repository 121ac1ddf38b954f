#include "app/core/session_state.h"

#include "base/catalogue.h"
#include "draw/point_table.h"
#include "formula/real_text.h"

#include <charconv>
#include <cmath>

namespace trimora {
namespace {

constexpr std::size_t kLongestField = 4096;   // a formula longer than this is no typed coordinate
constexpr int kFarthestPixel = 100000;        // the drawing range
constexpr int kFarthestPan = 1000000;         // as far as the shift commands go
constexpr double kSmallestStretch = 0.2, kLargestStretch = 1e6;

std::string Bits(const std::vector<bool>& bits) {
    std::string text;
    for (bool b : bits) text += b ? '1' : '0';
    return text;
}

bool ReadBits(const std::string& text, std::size_t size, std::vector<bool>& bits) {
    if (text.size() != size) return false;
    bits.assign(size, false);
    for (std::size_t i = 0; i < size; ++i) {
        if (text[i] != '0' && text[i] != '1') return false;
        bits[i] = text[i] == '1';
    }
    return true;
}

bool ReadNumber(const std::string& text, int& value) {
    const char* end = text.data() + text.size();
    const auto [rest, error] = std::from_chars(text.data(), end, value);
    return error == std::errc() && rest == end;
}

bool ReadNumber(const std::string& text, double& value) {
    const RealRead read = ReadReal(text, RealSyntax::general);
    if (read.error != std::errc() || read.length != text.size()) return false;
    value = read.value;
    return true;
}

// The drawing origin: vertices are kept relative to it, so that a step still fits after the
// window changed its size.
IntPoint Origin(const Session& s) { return {s.width / 2 + s.doc.view.panX, s.height / 2 + s.doc.view.panY}; }

} // namespace

SessionState CaptureState(const Session& s) {
    SessionState st;
    st.fields = s.doc.fields;
    const IntPoint origin = Origin(s);
    for (int v = 0; v < 3; ++v) {
        const IntPoint p = s.doc.points.screen[kSlotA + v];
        st.vertices[static_cast<std::size_t>(v)] = {p.x - origin.x, p.y - origin.y};
    }
    st.checked = s.doc.checked;
    st.tabChecked = s.tabChecked;
    st.selectAll = s.selectAll;
    const ViewSettings& view = s.doc.view;
    st.stretchFactor = view.stretchFactor;
    st.panX = view.panX, st.panY = view.panY;
    st.showAxes = view.showAxes, st.showGrid = view.showGrid, st.showMmGrid = view.showMmGrid;
    st.showTrilinear = view.showTrilinear, st.showEtc = view.showEtc;
    st.loci = s.doc.loci;
    return st;
}

void RestoreState(Session& s, const SessionState& st) {
    s.doc.fields = st.fields;
    s.doc.checked = st.checked;
    s.tabChecked = st.tabChecked;
    s.selectAll = st.selectAll;
    ViewSettings& view = s.doc.view;
    view.stretchFactor = st.stretchFactor;
    view.panX = st.panX, view.panY = st.panY;
    view.showAxes = st.showAxes, view.showGrid = st.showGrid, view.showMmGrid = st.showMmGrid;
    view.showTrilinear = st.showTrilinear, view.showEtc = st.showEtc;
    s.doc.loci = st.loci;
    ApplyTypedCoordinates(s); // stops the animation
    // A dragged vertex sits on its pixel, which the fields show rounded: the pixel wins.
    const IntPoint origin = Origin(s);
    for (int v = 0; v < 3; ++v) {
        const IntPoint p = st.vertices[static_cast<std::size_t>(v)];
        s.doc.points.screen[kSlotA + v] = {p.x + origin.x, p.y + origin.y};
    }
}

std::map<std::string, std::string> StateToText(const SessionState& st) {
    std::map<std::string, std::string> text;
    for (std::size_t n = 0; n < st.fields.size(); ++n) text["field" + std::to_string(n + 1)] = st.fields[n];
    for (std::size_t v = 0; v < 3; ++v) {
        text["vertex" + std::to_string(v + 1)] =
            std::to_string(st.vertices[v].x) + " " + std::to_string(st.vertices[v].y);
    }
    std::vector<bool> checked(kEntryCount);
    for (std::size_t i = 0; i < checked.size(); ++i) checked[i] = st.checked[i];
    text["entries"] = Bits(checked);
    for (std::size_t t = 0; t < st.tabChecked.size(); ++t) text["list" + std::to_string(t + 1)] = Bits(st.tabChecked[t]);
    text["selectAll"] = st.selectAll ? "1" : "0";
    text["stretch"] = ShortestRealText(st.stretchFactor);
    text["pan"] = std::to_string(st.panX) + " " + std::to_string(st.panY);
    text["switches"] = std::string{st.showAxes ? '1' : '0', st.showGrid ? '1' : '0', st.showMmGrid ? '1' : '0',
                                   st.showTrilinear ? '1' : '0', st.showEtc ? '1' : '0'};
    return text;
}

std::optional<SessionState> StateFromText(const std::map<std::string, std::string>& text) {
    auto value = [&](const std::string& key) -> const std::string* {
        const auto it = text.find(key);
        return it == text.end() ? nullptr : &it->second;
    };
    auto pair = [&](const std::string& key, int& a, int& b, int limit = kFarthestPixel) {
        const std::string* v = value(key);
        if (!v) return false;
        const std::size_t space = v->find(' ');
        if (space == std::string::npos) return false;
        return ReadNumber(v->substr(0, space), a) && ReadNumber(v->substr(space + 1), b) &&
               std::abs(a) <= limit && std::abs(b) <= limit;
    };
    SessionState st;
    for (std::size_t n = 0; n < st.fields.size(); ++n) {
        const std::string* v = value("field" + std::to_string(n + 1));
        if (!v || v->size() > kLongestField) return std::nullopt;
        st.fields[n] = *v;
    }
    for (std::size_t v = 0; v < 3; ++v)
        if (!pair("vertex" + std::to_string(v + 1), st.vertices[v].x, st.vertices[v].y)) return std::nullopt;
    std::vector<bool> checked;
    const std::string* entries = value("entries");
    if (!entries || !ReadBits(*entries, kEntryCount, checked)) return std::nullopt;
    for (std::size_t i = 0; i < checked.size(); ++i) st.checked[i] = checked[i];
    for (std::size_t t = 0; t < st.tabChecked.size(); ++t) {
        const std::string* list = value("list" + std::to_string(t + 1));
        if (!list || !ReadBits(*list, TabLists()[t].items.size(), st.tabChecked[t])) return std::nullopt;
    }
    const std::string* all = value("selectAll");
    const std::string* stretch = value("stretch");
    const std::string* switches = value("switches");
    if (!all || (*all != "0" && *all != "1") || !stretch || !switches || switches->size() != 5) return std::nullopt;
    st.selectAll = *all == "1";
    if (!ReadNumber(*stretch, st.stretchFactor) || !(st.stretchFactor >= kSmallestStretch) ||
        !(st.stretchFactor <= kLargestStretch))
        return std::nullopt;
    if (!pair("pan", st.panX, st.panY, kFarthestPan)) return std::nullopt;
    bool* flags[5] = {&st.showAxes, &st.showGrid, &st.showMmGrid, &st.showTrilinear, &st.showEtc};
    for (std::size_t i = 0; i < 5; ++i) {
        if ((*switches)[i] != '0' && (*switches)[i] != '1') return std::nullopt;
        *flags[i] = (*switches)[i] == '1';
    }
    return st;
}

} // namespace trimora
