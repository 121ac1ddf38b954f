#include "base/catalogue.h"

#include "base/codepage.h"
#include "base/resource.h"

#include <array>
#include <cstddef>
#include <initializer_list>
#include <unordered_map>

namespace trimora {
namespace {

// A run of consecutive catalogue indices; a single number is a run of one.
struct Run {
    int first;
    int last;
    constexpr Run(int index) : first(index), last(index) {}
    constexpr Run(int from, int to) : first(from), last(to) {}
};

// The items of a tab list from its runs; N must be the exact item count (checked while compiling).
template <std::size_t N> consteval std::array<int, N> Items(std::initializer_list<Run> runs) {
    std::array<int, N> items{};
    std::size_t n = 0;
    for (const Run& run : runs) {
        for (int i = run.first; i <= run.last; ++i) {
            if (n == N) throw "more items than the count given";
            items[n++] = i;
        }
    }
    if (n != N) throw "fewer items than the count given";
    return items;
}

// The item lists below are also read by tools/gen_presets.py: keep the form Items<count>({runs}).
// clang-format off

// "Allgemein" (CL1x)
constexpr auto kGeneralItems = Items<68>({
    {0, 7}, 22, {12, 15}, 346, 28, 9, 26, 10, 290, 16, 11, 347, {17, 18}, {23, 24}, 31, 408, 19, 335,
    {20, 21}, 30, 25, 493, 29, {36, 37}, 409, 67, 27, {348, 350}, {354, 356}, {351, 353}, {357, 359},
    445, 461, 415, {449, 450}, 151, 483, 482, 362, 378, 8, {71, 73}, 392,
});

// "A-M" (CL3x)
constexpr auto kAToMItems = Items<206>({
    {247, 253}, {197, 198}, {203, 206}, 426, 425, 430, {135, 140}, {130, 132}, 466, 238, 323, {69, 70},
    506, 495, 494, {326, 328}, {133, 134}, {285, 288}, {427, 428}, 431, 429, 432, 237, {478, 479}, 383,
    {80, 89}, 284, {90, 93}, 435, 94, 370, 499, 498, 369, 496, 500, 283, 360, {443, 444}, 263, 390, 229,
    232, 235, 313, 316, 319, 497, 158, 150, 394, 398, 154, {412, 413}, 485, 153, 152, 377, 487, 481,
    488, 159, {176, 180}, {128, 129}, {39, 42}, {271, 277}, 365, 363, 372, 366, 361, 484, 322, 68, 438,
    442, 441, 440, 439, 217, 213, {464, 465}, {490, 492}, 474, {451, 456}, 489, {221, 224}, 281, 463,
    {475, 477}, 291, 399, 434, 433, 292, 300, {472, 473}, 406, {410, 411}, 289, 389, 469, 471, 470, 332,
    329, {254, 260}, 457, 157, 417, 416, 414, {421, 422}, {418, 419}, {423, 424}, {193, 196}, 202,
    {155, 156}, {396, 397}, 395, 436, {404, 405},
});

// "N-Z" (CL4x)
constexpr auto kNToZItems = Items<140>({
    {32, 35}, 45, 486, 141, 371, {142, 143}, 325, 420, 144, 376, {373, 375}, 282, {239, 246}, 38,
    {293, 298}, 391, 270, {261, 262}, 505, 236, {46, 48}, 312, 315, 318, 331, 447, {59, 62}, 343, 345,
    63, 344, 401, 403, 402, {43, 44}, 480, 301, 225, 384, 382, 299, 226, 400, 448, {64, 66}, {148, 149},
    321, {74, 79}, 368, 367, {49, 52}, {501, 504}, 320, 407, {53, 58}, 227, 230, 233, 228, 231, 234,
    311, 314, 317, 388, {385, 387}, 175, {145, 147}, 446, 381, {379, 380}, 458, 460, 459, 468, 467,
    462, 393, 437, 339, 342, 341, 340, 264, 337, {265, 267}, 336, {268, 269},
});

// "Dreiecke / Lote" (CL2x)
constexpr auto kTrianglesItems = Items<93>({
    324, 334, 330, 333, 338, 364, 209, 208, 207, 212, 211, 210, 201, 200, 199, 162, 161, 160, 118, 117,
    116, 124, 123, 122, 127, 126, 125, {278, 280}, 168, 167, 166, 171, 170, 169, 103, 102, 101, 183,
    182, 181, 186, 185, 184, 189, 188, 187, 192, 191, 190, 109, 108, 107, 220, 219, 218, 216, 215, 214,
    100, 99, 98, 115, 114, 113, 121, 120, 119, {308, 310}, 174, 173, 172, 106, 105, 104, 165, 164, 163,
    97, 96, 95, {305, 307}, 112, 111, 110, {302, 304},
});

// clang-format on

constexpr TabList kTabLists[] = {
    {"Allgemein", "CL1x", kGeneralItems},
    {"A-M", "CL3x", kAToMItems},
    {"N-Z", "CL4x", kNToZItems},
    {"Dreiecke / Lote", "CL2x", kTrianglesItems},
};

// Every catalogue index stands in exactly one tab list.
consteval bool CoversCatalogueOnce() {
    std::array<int, kCatalogueSize> seen{};
    for (const TabList& list : kTabLists) {
        for (int i : list.items) {
            if (i < 0 || i >= kCatalogueSize || seen[static_cast<std::size_t>(i)]++ != 0) return false;
        }
    }
    for (int count : seen)
        if (count != 1) return false;
    return true;
}
static_assert(CoversCatalogueOnce(), "the tab lists must hold every catalogue index exactly once");

std::vector<std::string> ReadCatalogue() {
    std::vector<std::string> names = LoadResourceLines("XTRIMORA");
    if (names.size() != static_cast<std::size_t>(kCatalogueSize)) {
        throw ResourceError("Die eingebaute Ressource XTRIMORA enthält " + std::to_string(names.size()) +
                            " statt " + std::to_string(kCatalogueSize) + " Elementnamen.");
    }
    return names;
}

} // namespace

std::span<const TabList> TabLists() {
    return kTabLists;
}

const std::vector<std::string>& CatalogueNames() {
    static const std::vector<std::string> names = ReadCatalogue();
    return names;
}

int FindCatalogueEntry(std::string_view name) {
    // One hash look-up a name: a data file may hold hundreds of thousands of lines.
    static const std::unordered_map<std::string, int> byFoldedName = [] {
        std::unordered_map<std::string, int> map;
        const std::vector<std::string>& names = CatalogueNames();
        for (std::size_t i = 0; i < names.size(); ++i) map.emplace(FoldCase(names[i]), static_cast<int>(i));
        return map;
    }();
    const auto it = byFoldedName.find(FoldCase(name));
    return it == byFoldedName.end() ? -1 : it->second;
}

} // namespace trimora
