// The element catalogue: 507 element names, addressed everywhere by their 0-based index, and the
// four tab lists through which the user switches them on.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace trimora {

inline constexpr int kCatalogueSize = 507;

// One visible element list: its page caption, its list name and the catalogue indices of its items
// in item order. Together the four lists hold every catalogue index exactly once.
struct TabList {
    std::string_view page; // "Allgemein", "A-M", "N-Z", "Dreiecke / Lote"
    std::string_view name; // "CL1x", "CL3x", "CL4x", "CL2x"
    std::span<const int> items;
};

// The four tab lists in the order of their tabs: Allgemein, A-M, N-Z, Dreiecke / Lote.
std::span<const TabList> TabLists();

// The catalogue names (UTF-8) in catalogue order, read once from the built-in resource XTRIMORA.
// Always kCatalogueSize names; throws ResourceError (base/resource.h) when the resource is
// missing, damaged or does not hold exactly kCatalogueSize lines.
const std::vector<std::string>& CatalogueNames();

// Index of the first catalogue entry whose whole name equals `name` without regard to letter case
// (ä/Ä, é/É included), or -1.
int FindCatalogueEntry(std::string_view name);

} // namespace trimora
