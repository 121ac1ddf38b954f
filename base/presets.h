// The topics of the menu "Themen": the menu's layout, and reading one topic record from the lines of
// the built-in resource WTRIMORA (see tools/gen_presets.py, which writes it).
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace trimora {

inline constexpr int kPresetCount = 60;

// One item of the menu "Themen", in menu order.
struct PresetMenuItem {
    std::string_view title; // caption, equal to the title of its record
    bool separatorBefore;   // a separator line stands directly above this item
    bool newColumn;         // this item begins a new menu column
};

// The 60 items in menu order.
std::span<const PresetMenuItem> PresetMenu();

// The tab lists of the four name groups of a record, in group order.
inline constexpr std::array<std::string_view, 4> kPresetGroupLists = {"CL1x", "CL2x", "CL3x", "CL4x"};

struct PresetRecord {
    std::array<std::string, 6> coordinates;         // x A, y A, x B, y B, x C, y C, verbatim
    std::array<std::vector<std::string>, 4> groups; // element names, groups as kPresetGroupLists
};

// The record of `title` in the topic lines: the first line equal to "[" + title without regard to
// letter case starts it; the six lines after it are the coordinates; then four groups of names,
// each ended by a "#" line (a group also ends at the end of the lines).
// Nothing when there is no such title line or fewer than six lines follow it.
std::optional<PresetRecord> FindPreset(std::span<const std::string> lines, std::string_view title);

} // namespace trimora
