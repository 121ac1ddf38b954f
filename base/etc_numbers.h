// The numbers n of the centres X(n) of the Encyclopedia of Triangle Centers that the catalogue
// draws: one row per result line that lists such a centre. Points that are not centres (feet,
// touch points, vertices of derived triangles, points on a circle) have no row.
#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace trimora {

// A result line is found by its label. The centre line of a circle block has the shared label
// "… Mittelpunkt"; for it the block's title tells the circles apart. A row with an empty label
// stands for an entry that marks its centre without a result line of its own.
struct EtcRow {
    int entry;              // the catalogue entry that writes the line
    std::string_view label; // the result label
    std::string_view block; // the title of the circle block for "… Mittelpunkt", else empty
    int n;                  // X(n)
    bool entryIsCentre;     // the entry names the centre itself (not a circle around it)
};

std::span<const EtcRow> EtcRows();

// The row of the result line with this label under this block title (the title is only looked
// at for labels of block sub-lines, which begin with "…").
const EtcRow* FindEtcRow(std::string_view label, std::string_view block);

// X(n) of the centre that a catalogue entry draws, when the entry names a centre.
std::optional<int> EtcNumberOfEntry(int entry);

} // namespace trimora
